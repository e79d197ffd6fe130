#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumet {

// Texts of the IP status codes 11000 to 11022; the text of code c is entry c - 11000.
extern const std::array<std::string_view, 23> IcmpStatusTexts;

// Text for any non-zero probe status: the table above, our own codes from 11050
// up, and "General failure." for every other code.
std::string_view IcmpStatusText(std::uint32_t status);

// What a user needs when no ICMP socket opens: the two ways to allow ICMP, one
// command a line, so they can be read in a message box and pasted from a terminal.
std::string IcmpPermissionAdvice();

} // namespace lumet

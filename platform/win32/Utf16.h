#pragma once

#include <string>
#include <string_view>

namespace lumet {

// UTF-8 to the UTF-16 the wide Windows calls take, and back; invalid sequences
// become U+FFFD.
std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

} // namespace lumet

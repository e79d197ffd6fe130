#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lumet {

// The bytes of the program's embedded artwork file at `path` under res/
// ("bitmaps/129.bmp", "cursors/cursors.json"); empty when there is none.
std::span<const std::uint8_t> FindResource(std::string_view path);

} // namespace lumet

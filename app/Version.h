#pragma once

#include <string_view>

namespace lumet {

// The program's version: the profile section every setting is stored under and the
// version the bitmap report's credit line names.
inline constexpr std::string_view VersionString = "1.0";

} // namespace lumet

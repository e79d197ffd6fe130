#pragma once

#include <optional>
#include <string_view>

namespace lumet {

// A profile value written as text, read as a decimal integer: an optional sign and
// digits, with blanks around them allowed (hand-edited files have them). Values
// beyond 64 bits saturate. Nothing for any other text.
std::optional<long long> ParseProfileInteger(std::string_view text);

} // namespace lumet

#pragma once

#include <optional>

namespace lumet {

// Whether the left mouse button is down now, asked of the X server; nothing where
// Qt runs on another platform.
std::optional<bool> LeftButtonHeldNow();

} // namespace lumet

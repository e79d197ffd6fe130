#pragma once

#include <functional>
#include <optional>

namespace lumet {

// Whether the left mouse button is down now, as the window system knows it, rather
// than as the input handled so far tells it: a press can be handled after its
// release has already happened. Nothing when the window system cannot tell.
std::optional<bool> LeftButtonHeldNow();

using PointerQuery = std::function<std::optional<bool>()>;

} // namespace lumet

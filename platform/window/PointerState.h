#pragma once

#include <functional>
#include <optional>

namespace lumet {

// Asks whether the left mouse button is down now (HostWindow::LeftButtonHeld).
using PointerQuery = std::function<std::optional<bool>()>;

} // namespace lumet

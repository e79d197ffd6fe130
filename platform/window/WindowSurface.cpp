#include "platform/window/WindowSurface.h"

#include <utility>

namespace lumet {

void WindowSurface::UpdateScreen(const Rect& area) const {
    if (screenUpdate_ && !area.IsEmpty()) {
        screenUpdate_(area);
    }
}

void WindowSurface::EndDrawing() {
    if (--drawingDepth_ == 0) {
        UpdateScreen(std::exchange(drawn_, Rect{}));
    }
}

} // namespace lumet

#include "platform/window/WindowSurface.h"

namespace lumet {

void WindowSurface::UpdateScreen() const {
    if (screenUpdate_) {
        screenUpdate_();
    }
}

void WindowSurface::EndDrawing() {
    if (--drawingDepth_ == 0) {
        UpdateScreen();
    }
}

} // namespace lumet

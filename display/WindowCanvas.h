#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Point.h"

namespace lumet {

// Drawing straight onto the window, past the display buffers: what is copied shows
// on the screen at once and stays until the next paint of that area.
class WindowCanvas {
public:
    virtual ~WindowCanvas() = default;

    // Copies the whole of image (SRCCOPY) to the client area, its top left corner at
    // clientOrigin.
    virtual void CopyToWindow(const DeviceContext& image, Point clientOrigin) = 0;
};

} // namespace lumet

#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Rect.h"

#include <optional>

namespace lumet {

class DialogWindow;
class WindowSurface;

// The window's client device context (GetDC … ReleaseDC). It starts in the default
// state, clipped to the visible client area (or to clip within it), whatever the
// previous user left selected; its own selections are undone when it is released.
// Releasing the outermost ClientDc copies the surface to the screen, so each
// drawing step that should show by itself (an animation frame) takes its own.
// Pixels read through it are the surface's, also outside the visible area. Do not
// select another bitmap into it.
class ClientDc {
public:
    explicit ClientDc(DialogWindow& window);
    ClientDc(DialogWindow& window, const Rect& clip);
    explicit ClientDc(WindowSurface& surface, std::optional<Rect> clip = std::nullopt);
    ~ClientDc();

    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;

    DeviceContext& Dc() { return dc_; }
    DeviceContext& operator*() { return dc_; }
    DeviceContext* operator->() { return &dc_; }

private:
    WindowSurface& surface_;
    DeviceContext& dc_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Color textColor_;
    Color bkColor_;
    BackgroundMode bkMode_;
    Rop2 rop2_;
    std::optional<Region> clip_;
};

} // namespace lumet

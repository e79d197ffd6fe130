#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Rect.h"

#include <functional>

namespace lumet {

// The window's client area: one 360 × 416 colour bitmap that everything drawn on
// the window goes into, of which the top ClientHeight() rows are on the screen. Code
// draws into it through ClientDc; when the outermost ClientDc is released the
// screen update is asked for, in the areas those ClientDcs could draw into (nothing
// when they were all clipped away).
class WindowSurface {
public:
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 416;
    static constexpr int kCollapsedHeight = 116;

    WindowSurface() : dc_(Bitmap(kWidth, kHeight)) {}

    WindowSurface(const WindowSurface&) = delete;
    WindowSurface& operator=(const WindowSurface&) = delete;

    const Bitmap& Pixels() const { return dc_.CurrentBitmap(); }

    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int height) { clientHeight_ = height; }
    Rect ClientRect() const { return Rect{0, 0, kWidth, clientHeight_}; }

    // Called to copy an area of the surface to the screen.
    using ScreenUpdate = std::function<void(const Rect& area)>;
    void SetScreenUpdate(ScreenUpdate update) { screenUpdate_ = std::move(update); }
    // The whole client area.
    void UpdateScreen() const { UpdateScreen(ClientRect()); }
    void UpdateScreen(const Rect& area) const;

private:
    friend class ClientDc;

    DeviceContext& Dc() { return dc_; }
    void BeginDrawing(const Rect& area) {
        ++drawingDepth_;
        drawn_ = drawn_.United(area);
    }
    void EndDrawing();

    DeviceContext dc_;
    int clientHeight_ = kCollapsedHeight;
    int drawingDepth_ = 0;
    Rect drawn_;
    ScreenUpdate screenUpdate_;
};

} // namespace lumet

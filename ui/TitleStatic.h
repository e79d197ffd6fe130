#pragma once

#include "app/MainDialogTemplate.h"
#include "platform/window/StaticControl.h"
#include "platform/window/WindowMessages.h"

namespace lumet {

// An invisible notify static over the skin's painted title bar. Over the caption
// strip (1016) a press drags the window as a title bar would; over the logo corner
// (1026) a double-click toggles the about panel. Either way the static then reports
// the click to the dialog as any notify static does.
class TitleStatic : public StaticControl {
public:
    static constexpr int kCaptionStripId = MainDialogTemplate::kCaptionStrip;
    static constexpr int kLogoCornerId = MainDialogTemplate::kLogoCorner;
    // Sent to the dialog on a double-click over the logo corner, both parameters 0.
    static constexpr int kToggleAboutMessage = kWmApp + 3;

    TitleStatic(int id, const Rect& rect, ControlStyle style = {})
        : StaticControl(id, rect, true, style) {}

    void OnLeftButtonDown(Point point) override;
    void OnLeftButtonDoubleClick(Point point) override;
};

} // namespace lumet

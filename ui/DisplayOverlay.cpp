#include "ui/DisplayOverlay.h"

#include "pingtest/TestController.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"

namespace lumet {

namespace {

// WaitPumping with this handles pending events for 2 ms, another overlay request
// among them, before the buffers go on the screen.
constexpr int kPumpBeforeCopy = 998;

// A panel goes over the controls that stand on it (the settings fields, RESET, the
// export buttons); they are painted again on top so that their contents stay seen.
void CopyPanelToWindow(DialogWindow& window, Point origin, int width, int height,
                       const DeviceContext& panel) {
    {
        ClientDc dc(window);
        dc->BitBlt(origin.x, origin.y, width, height, panel, 0, 0, Rop::SrcCopy);
    }
    window.RepaintControlsOver(Rect{origin.x, origin.y, origin.x + width, origin.y + height});
}

} // namespace

int DisplayOverlay::OverlayDisplayArea(bool addressEntryMode) {
    ++passCount_;
    if (report_.ReportPanelOpen()) {
        CopyPanelToWindow(window_, DisplayBuffers::kReportOrigin, DisplayBuffers::kReportWidth,
                          DisplayBuffers::kReportHeight, buffers_.reportPanel);
    }
    if (panels_.SettingsPanelOpen()) {
        CopyPanelToWindow(window_, DisplayBuffers::kDisplayOrigin, DisplayBuffers::kPanelWidth,
                          DisplayBuffers::kPanelHeight, buffers_.settingsPanel);
        return 0;
    }
    if (panels_.AboutPanelOpen()) {
        CopyPanelToWindow(window_, DisplayBuffers::kDisplayOrigin, DisplayBuffers::kPanelWidth,
                          DisplayBuffers::kPanelHeight, buffers_.aboutPanel);
        return 0;
    }
    if (addressEntryMode) {
        return 0;
    }
    addressField_.EnableWindow(false);
    controller_.WaitPumping(kPumpBeforeCopy);
    // Controls still waiting to paint would land on the displays after the copy, and no
    // later pass may come to cover them: after an expose (the report panel growing the
    // window) every control waits, each for a paint pass of its own, and the address
    // field's ground would cut off the status line's lower rows.
    window_.PaintAll();
    // Only the display area changes: the screen gets just that.
    ClientDc dc(window_, Rect{DisplayBuffers::kUpperOrigin.x, DisplayBuffers::kUpperOrigin.y,
                              DisplayBuffers::kUpperOrigin.x + DisplayBuffers::kDisplayWidth,
                              DisplayBuffers::kLowerOrigin.y + DisplayBuffers::kLowerHeight});
    // The upper buffer has only its 24 rows; the copy leaves the two rows between the
    // bands to the skin.
    dc->BitBlt(DisplayBuffers::kUpperOrigin.x, DisplayBuffers::kUpperOrigin.y,
               DisplayBuffers::kDisplayWidth, DisplayBuffers::kLowerHeight, buffers_.upperDisplay,
               0, 0, Rop::SrcCopy);
    if (!hover_.hoverWordShown) {
        dc->BitBlt(DisplayBuffers::kLowerOrigin.x, DisplayBuffers::kLowerOrigin.y,
                   DisplayBuffers::kDisplayWidth, DisplayBuffers::kLowerHeight,
                   buffers_.lowerDisplay, 0, 0, Rop::SrcCopy);
    }
    return 1;
}

} // namespace lumet

#include "ui/DisplayOverlay.h"

#include "pingtest/TestController.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"

namespace lumet {

namespace {

// WaitPumping with this handles pending events for 2 ms, another overlay request
// among them, before the buffers go on the screen.
constexpr int kPumpBeforeCopy = 998;

void CopyToWindow(DialogWindow& window, Point origin, int width, int height,
                  const DeviceContext& source) {
    ClientDc dc(window);
    dc->BitBlt(origin.x, origin.y, width, height, source, 0, 0, Rop::SrcCopy);
}

} // namespace

int DisplayOverlay::OverlayDisplayArea(bool addressEntryMode) {
    ++passCount_;
    if (report_.ReportPanelOpen()) {
        CopyToWindow(window_, DisplayBuffers::kReportOrigin, DisplayBuffers::kReportWidth,
                     DisplayBuffers::kReportHeight, buffers_.reportPanel);
    }
    if (panels_.SettingsPanelOpen()) {
        CopyToWindow(window_, DisplayBuffers::kDisplayOrigin, DisplayBuffers::kPanelWidth,
                     DisplayBuffers::kPanelHeight, buffers_.settingsPanel);
        return 0;
    }
    if (panels_.AboutPanelOpen()) {
        CopyToWindow(window_, DisplayBuffers::kDisplayOrigin, DisplayBuffers::kPanelWidth,
                     DisplayBuffers::kPanelHeight, buffers_.aboutPanel);
        return 0;
    }
    if (addressEntryMode) {
        return 0;
    }
    addressField_.EnableWindow(false);
    controller_.WaitPumping(kPumpBeforeCopy);
    ClientDc dc(window_);
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

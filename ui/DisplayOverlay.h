#pragma once

#include "ui/DisplayBuffers.h"
#include "ui/DisplayPanels.h"
#include "ui/HoverState.h"
#include "ui/MainDialogControls.h"
#include "ui/ReportCommand.h"

namespace lumet {

class DialogWindow;
class TestController;

// The overlay pass that follows every skin paint: it lays the open panel, or the
// upper and lower display buffers, over the freshly painted skin.
class DisplayOverlay {
public:
    DisplayOverlay(DialogWindow& window, const DisplayBuffers& buffers, const DisplayPanels& panels,
                   const ReportCommand& report, const HoverState& hover,
                   AddressEditControl& addressField, TestController& controller)
        : window_(window), buffers_(buffers), panels_(panels), report_(report), hover_(hover),
          addressField_(addressField), controller_(controller) {}

    // OverlayDisplayArea. While the user types an address the area is left to the
    // address field. Returns 1 when it drew the display buffers, else 0.
    int OverlayDisplayArea(bool addressEntryMode);

    // How many passes have run.
    int PassCount() const { return passCount_; }

private:
    DialogWindow& window_;
    const DisplayBuffers& buffers_;
    const DisplayPanels& panels_;
    const ReportCommand& report_;
    const HoverState& hover_;
    AddressEditControl& addressField_;
    TestController& controller_;
    int passCount_ = 0;
};

} // namespace lumet

#pragma once

#include "platform/clock/Clock.h"
#include "platform/gdi/DeviceContext.h"

namespace lumet {

class DialogWindow;

// The panels' animations. Each frame is copied to the window and shown at once; the
// thread sleeps between frames and handles no events meanwhile.

// Settings and about panel: saves the display area under the panel into save, then
// over 81 frames 3 ms apart pushes that content up and out while the panel, standing
// still, is uncovered from its bottom edge upwards.
void SlidePanelOpen(DialogWindow& window, const DeviceContext& panel, DeviceContext& save,
                    Clock& clock);

// Brings the saved content back down from the top edge over the panel, 81 frames.
void SlidePanelClosed(DialogWindow& window, const DeviceContext& save, Clock& clock);

// The report panel: the window grows by 300 rows in 101 frames 1 ms apart while the
// panel comes down into the new space, bottom part first.
void SlideReportPanelOpen(DialogWindow& window, const DeviceContext& reportPanel, Clock& clock);

// The window shrinks back by 300 rows, repainting, while the panel moves up and out.
void SlideReportPanelClosed(DialogWindow& window, const DeviceContext& reportPanel, Clock& clock);

} // namespace lumet

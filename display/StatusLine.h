#pragma once

#include "display/DrawingObjects.h"
#include "pingtest/TestController.h"
#include "pingtest/TestView.h"
#include "platform/gdi/DeviceContext.h"

#include <cstdint>
#include <string_view>

namespace lumet {

// The status line: rows 0–11 of the lower display buffer, left to right the mode
// caption (or the newest failed probe's status), the host name and the probe count.
// Each routine leaves every pixel it does not draw as it was; the status line keeps
// no state of its own.

// Copies the left 155 × 10 pixels of the mode's caption bitmap to (3, 1). A mode
// without a caption changes nothing.
void DrawModeCaption(DeviceContext& lowerDisplay, const DrawingObjects& objects,
                     StatusPicture mode);

// After a successful probe (lastStatus 0) the caption of testState; otherwise the
// error icon at (2, 2) and the probe's status text, light cyan on black over a clean
// background, in the 240 × 10 cell at (15, 0).
void DrawProbeStatus(DeviceContext& lowerDisplay, const DeviceContext& displayBackground,
                     const DrawingObjects& objects, std::uint32_t lastStatus, TestState testState);

// The probe count in orange on black, at least three digits with leading zeros,
// drawn 7 columns into the 22 × 11 image at (296, 0); a count of four or more digits
// ends at that image's right edge instead, and wipes the digits a wider count of an
// earlier test left. Only the text's cells change.
void DrawProbeCount(DeviceContext& lowerDisplay, const DrawingObjects& objects, int probeCount);

// domainName in light cyan on black from (162, 0), cut after 140 columns, or a column
// before the digits of a count of four or more. Only the cells of the drawn characters
// change, so an empty name (a dotted target) draws nothing and a shorter name leaves
// the tail of an earlier text.
void DrawHostName(DeviceContext& lowerDisplay, const DrawingObjects& objects,
                  std::string_view domainName, int probeCount);

} // namespace lumet

#pragma once

#include "display/DrawingObjects.h"
#include "platform/gdi/DeviceContext.h"

#include <cstdint>

namespace lumet {

// What the quality scale shows: the newest round-trip time, the test's statistics
// and its failures so far.
struct ScaleInputs {
    std::uint32_t shownRtt = 0;
    std::uint32_t minimumRtt = 0;
    std::uint32_t averageRtt = 0;
    std::uint32_t maximumRtt = 0;
    int errorCount = 0;
    int plannedCount = 0;
};

// The scale lives in the 320 × 24 upper display buffer; each routine rebuilds its
// part from a clean copy in a work image and copies only the finished strip into the
// buffer. Nothing here touches the window.

// While a test runs: the clean scale from the display background buffer, the red
// loss-penalty bar in rows 3–5 and, laid over the bands by exclusive-or in rows
// 8–21, a light bar up to the newest time plus the penalty.
void DrawLiveScaleBar(DeviceContext& upperDisplay, const DeviceContext& displayBackground,
                      const DrawingObjects& objects, const ScaleInputs& inputs);

// At the end of a test: a hollow outline up to the minimum, a band from the minimum
// to the maximum (both by exclusive-or, rows 8–22) and the red penalty bar.
void DrawFinalScaleBar(DeviceContext& upperDisplay, const DeviceContext& displayBackground,
                       const DrawingObjects& objects, const ScaleInputs& inputs);

// Draws the minimum flag, the maximum flag and the average pointer into rows 0–6
// over whatever bar is there; a flag that would crowd the pointer is left out. Stores
// the pointer's client x, the rating position, in averageMarkerX and returns it.
int DrawScaleMarkers(DeviceContext& upperDisplay, const DrawingObjects& objects,
                     const ScaleInputs& inputs, int& averageMarkerX);

} // namespace lumet

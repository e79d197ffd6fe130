#pragma once

#include "display/DrawingObjects.h"
#include "pingtest/SampleHistory.h"
#include "platform/gdi/DeviceContext.h"

namespace lumet {

// Redraws the scrolling latency bar chart into rows 10–51, columns 0–315 of the
// lower display buffer: one bar per history slot 1…103 (newest at the right, red
// for failed probes), coloured minimum/average/maximum labels under the newest
// bars carrying those values, laid with OR over the clean skin taken from the
// display background buffer and shifted left by tickPhase pixels, so that three
// ticks per probe scroll the chart one pixel at a time.
void DrawHistoryGraph(DeviceContext& lowerDisplay, const DeviceContext& displayBackground,
                      const DrawingObjects& objects, const SampleHistory& history, int tickPhase);

} // namespace lumet

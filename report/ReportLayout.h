#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/DeviceContext.h"
#include "report/ReportData.h"
#include "report/ReportFonts.h"

namespace lumet {

// The report picture in one colour: the boxed summary, the bar chart of the newest 64
// samples, the labels and the values. Lines take `color`; text takes the context's
// text and background colours and background mode, which the caller sets (text is
// meant to be opaque, so a text cell covers any bar beneath it). The context's pen,
// brush and font are as before afterwards.
void DrawReportLayout(DeviceContext& dc, Color color, const ReportData& data,
                      const ReportFonts& fonts);

} // namespace lumet

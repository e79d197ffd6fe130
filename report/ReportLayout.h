#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/DeviceContext.h"
#include "report/ReportData.h"
#include "report/ReportFonts.h"
#include "report/ReportTextPlacer.h"

#include <vector>

namespace lumet {

// The picture's texts in drawing order, each at its place in the layout unless, with
// these fonts, it would run into a text drawn before it; then it gives way as little
// as it must. A value too long for its room is cut.
std::vector<PlacedText> LayOutReportTexts(const ReportData& data, const ReportFonts& fonts);

// The report picture in one colour: the boxed summary, the bar chart of the newest 64
// samples, the labels and the values. Lines take `color`; text takes the context's
// text and background colours and background mode, which the caller sets (text is
// meant to be opaque, so a text cell covers any bar beneath it). The context's pen,
// brush and font are as before afterwards.
void DrawReportLayout(DeviceContext& dc, Color color, const ReportData& data,
                      const ReportFonts& fonts);

} // namespace lumet

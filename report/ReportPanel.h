#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "report/ReportData.h"
#include "report/ReportFonts.h"

namespace lumet {

inline constexpr int kReportPanelWidth = 360;
inline constexpr int kReportPanelHeight = 300;

// The report panel's background: a black field in a metallic frame with the export
// buttons' captions at its lower right; null when missing.
Bitmap LoadReportPanelBackground();

// Refreshes the panel buffer with the report picture in light cyan (text on black)
// over the panel background. The picture is composed off screen first, so the
// buffer never holds a half-drawn panel.
void RenderReportPanel(const DeviceContext& panelBackground, DeviceContext& panelBuffer,
                       const ReportData& data, const ReportFonts& fonts);

} // namespace lumet

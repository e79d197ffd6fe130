#pragma once

#include "platform/export/TextViewer.h"
#include "platform/gdi/Rect.h"

namespace lumet {

inline constexpr const char* kTextReportTitle = "_report.txt - Notepad";

// Shows _report.txt from the current directory in the text viewer, reusing the
// window already showing it, and lays the window just below the main window's skin
// at the main window's width: left edge, top + 118, 360 × 400.
void ShowTextReport(TextViewer& viewer, const Rect& mainWindowRect);

} // namespace lumet

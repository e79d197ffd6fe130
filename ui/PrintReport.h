#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "platform/export/Printer.h"
#include "platform/export/TextViewer.h"
#include "platform/gdi/Rect.h"

namespace lumet {

inline constexpr const char* kPrintDocumentName = "Print Lumet Report";

// Where a width × height picture goes on the printer's page, in device pixels: 85 %
// of the page's width and height whatever the picture's proportions, offset by
// half of what is left when the picture's own size, scaled by the ratio of the
// printer's and the screen's pixel densities, is taken from half the page. The
// ratio is always the larger density over the smaller; an unknown (zero) density
// counts as a ratio of 1.
Rect ReportPrintRect(const PrinterPage& page, Resolution screen, int width, int height);

// PRINT: lets the user choose a printer and prints _report.bmp from the current
// directory on one page. A printer that cannot print pictures gets the text
// report instead, shown in the text viewer for the user to print from there
// (placed below the main window at mainWindowRect). A picture that cannot be
// loaded, or a job that cannot be started, is told and nothing is printed.
void PrintReport(Printer& printer, Resolution screen, MessageBoxes& messages, TextViewer& viewer,
                 const Rect& mainWindowRect);

} // namespace lumet

#include "ui/PrintReport.h"

#include "ui/ReportFiles.h"
#include "ui/ShowTextReport.h"

namespace lumet {

namespace {

constexpr const char* kNotification = "Notification";
constexpr const char* kNoPictureText = "Your printer cannot print bitmaps.\n"
                                       "Report contents will be now open\n"
                                       "as a simple text file, using Notepad.\n"
                                       "Select File -> Print in the Notepad\n"
                                       "if you wish to print out report.\n";
constexpr const char* kPictureMissingText =
    "The report picture _report.bmp could not be loaded,\nso there is nothing to print.\n";
constexpr const char* kJobFailedText = "The report could not be sent to the printer.\n";

// The densities are compared in single precision, larger over smaller.
float DensityRatio(int printer, int screen) {
    if (printer <= 0 || screen <= 0) {
        return 1.0F;
    }
    const auto printerDensity = static_cast<float>(printer);
    const auto screenDensity = static_cast<float>(screen);
    return printer > screen ? printerDensity / screenDensity : screenDensity / printerDensity;
}

// (page × 0.5 − size × ratio) × 0.5, truncated toward zero.
int Offset(int page, int size, float ratio) {
    const float scaled = static_cast<float>(size) * ratio;
    return static_cast<int>((page * 0.5 - static_cast<double>(scaled)) * 0.5);
}

} // namespace

Rect ReportPrintRect(const PrinterPage& page, Resolution screen, int width, int height) {
    const int left = Offset(page.width, width, DensityRatio(page.resolution.x, screen.x));
    const int top = Offset(page.height, height, DensityRatio(page.resolution.y, screen.y));
    const auto printedWidth = static_cast<int>(page.width * 0.85);
    const auto printedHeight = static_cast<int>(page.height * 0.85);
    return Rect{left, top, left + printedWidth, top + printedHeight};
}

void PrintReport(Printer& printer, Resolution screen, MessageBoxes& messages, TextViewer& viewer,
                 const Rect& mainWindowRect) {
    if (!printer.ChoosePrinter()) {
        return;
    }
    if (!printer.CanPrintPictures()) {
        messages.ShowMessage(kNotification, MessageIcon::Warning, kNoPictureText);
        ShowTextReport(viewer, mainWindowRect);
        return;
    }
    const Bitmap picture = Bitmap::Load(kReportPictureFile);
    if (picture.IsNull()) {
        messages.ShowMessage(kNotification, MessageIcon::Warning, kPictureMissingText);
        return;
    }
    const Rect target = ReportPrintRect(printer.Page(), screen, picture.Width(), picture.Height());
    if (!printer.PrintPicture(kPrintDocumentName, picture, target)) {
        messages.ShowMessage(kNotification, MessageIcon::Warning, kJobFailedText);
    }
}

} // namespace lumet

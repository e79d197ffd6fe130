#include "report/BitmapReport.h"

#include "platform/gdi/DeviceContext.h"
#include "report/Dib.h"
#include "report/ReportLayout.h"

#include <optional>
#include <string>

namespace lumet {

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 320;
constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};

// The picture in colour, white where nothing is drawn.
Bitmap DrawReportPicture(const ReportData& data, const ReportFonts& fonts,
                         std::string_view versionString) {
    DeviceContext dc{Bitmap(kWidth, kHeight)};
    dc.SelectPen(Pen::Solid(kWhite));
    dc.SelectBrush(Brush::Solid(kWhite));
    dc.Rectangle(0, 0, kWidth, kHeight);
    dc.SelectPen(Pen::Solid(kBlack));
    // The frame leaves the bottom rows free for the credit line.
    dc.Rectangle(2, 2, 358, 300);

    dc.SetBkColor(kWhite);
    dc.SetTextColor(kBlack);
    dc.SelectFont(fonts.smallTahoma);
    // The saved picture is printed and mailed to others, so it names this host.
    dc.TextOut(180, 262, "Your IP Address:");
    dc.TextOut(270, 262, data.localAddressText);
    dc.TextOut(10, 302, "Lumet " + std::string(versionString) + " - connection quality report");

    DrawReportLayout(dc, kBlack, data, fonts);
    return dc.CurrentBitmap();
}

} // namespace

bool WriteBitmapReport(const ReportData& data, const ReportFonts& fonts,
                       std::string_view versionString, const std::filesystem::path& file,
                       MessageBoxes& messages) {
    DeviceContext color{DrawReportPicture(data, fonts, versionString)};
    color.SetBkColor(kWhite);
    // Printers, mail and the clipboard get a crisp two-colour picture: a colour
    // pixel is kept white only where it is exactly the white background.
    DeviceContext monochrome{Bitmap::Monochrome(kWidth, kHeight)};
    monochrome.BitBlt(0, 0, kWidth, kHeight, color, 0, 0, Rop::SrcCopy);

    const std::optional<Dib> dib = BitmapToDib(monochrome.CurrentBitmap());
    if (!dib || !WriteDibFile(*dib, file)) {
        messages.ShowApplicationMessage("Failed to create BMP report");
        return false;
    }
    return true;
}

} // namespace lumet

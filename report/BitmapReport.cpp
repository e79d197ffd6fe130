#include "report/BitmapReport.h"

#include "platform/gdi/DeviceContext.h"
#include "report/Dib.h"
#include "report/ReportLayout.h"
#include "report/ReportTextPlacer.h"

#include <optional>
#include <string>

namespace lumet {

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 320;
constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
// Right of the summary box and inside the frame.
constexpr Rect kLocalAddressRoom{180, 262, 354, 299};

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
    // The saved picture is printed and mailed to others, so it names this host. An
    // address too long for the rest of the row goes on the row below.
    ReportTextPlacer placer(kLocalAddressRoom);
    placer.Place("Your IP Address:", fonts.smallTahoma, {180, 262}, GiveWay::Stay);
    placer.Place(data.localAddressText, fonts.smallTahoma, {270, 262}, GiveWay::AfterOrBelow);
    for (const PlacedText& text : placer.Texts()) {
        dc.TextOut(text.at.x, text.at.y, text.text);
    }
    dc.TextOut(10, 302, "Lumet " + std::string(versionString) + " - connection quality report");

    DrawReportLayout(dc, kBlack, data, fonts);
    return dc.CurrentBitmap();
}

} // namespace

bool WriteBitmapReport(const ReportData& data, const ReportFonts& fonts,
                       std::string_view versionString, const std::filesystem::path& file,
                       MessageBoxes& messages, std::error_code* why) {
    DeviceContext color{DrawReportPicture(data, fonts, versionString)};
    color.SetBkColor(kWhite);
    // Printers, mail and the clipboard get a crisp two-colour picture: a colour
    // pixel is kept white only where it is exactly the white background.
    DeviceContext monochrome{Bitmap::Monochrome(kWidth, kHeight)};
    monochrome.BitBlt(0, 0, kWidth, kHeight, color, 0, 0, Rop::SrcCopy);

    const std::optional<Dib> dib = BitmapToDib(monochrome.CurrentBitmap());
    if (!dib || !WriteDibFile(*dib, file, why)) {
        messages.ShowApplicationMessage("Failed to create BMP report");
        return false;
    }
    return true;
}

} // namespace lumet

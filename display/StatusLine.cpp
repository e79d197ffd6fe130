#include "display/StatusLine.h"

#include "probe/IcmpStatusTexts.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace lumet {

namespace {

constexpr Color kOrange = Color::FromHex(0xFF9966);

constexpr int kCaptionX = 3;
constexpr int kCaptionY = 1;
constexpr int kCaptionWidth = 155;
constexpr int kCaptionHeight = 10;

constexpr int kErrorIconX = 2;
constexpr int kErrorIconY = 2;
constexpr int kErrorIconWidth = 200;
constexpr int kErrorIconHeight = 10;

constexpr int kStatusTextX = 15;
constexpr int kStatusTextWidth = 240;
constexpr int kStatusTextHeight = 10;
// Where the status text's clean background is taken from the display background buffer.
constexpr int kStatusBackgroundX = 15;
constexpr int kStatusBackgroundY = 28;

constexpr int kHostNameX = 162;
constexpr int kHostNameWidth = 140;
constexpr int kLineHeight = 11;

// The count field is anchored at its right edge and holds four digits, so that a
// stay-alive test past 999 probes still shows every digit. It is never narrower than
// the 15 columns three digits take in the classic 5-pixel digits of this font size.
constexpr int kCountFieldRight = 318;
constexpr int kCountFieldMinWidth = 15;
constexpr int kCountFieldDigits = 4;

// A new context holding a copy of width × height pixels at (x, y) of source.
DeviceContext CopyOf(const DeviceContext& source, int x, int y, int width, int height) {
    DeviceContext copy{Bitmap(width, height)};
    copy.BitBlt(0, 0, width, height, source, x, y, Rop::SrcCopy);
    return copy;
}

void SelectSmallText(DeviceContext& dc, const DrawingObjects& objects, Color color) {
    dc.SelectFont(objects.smallTahomaFont);
    dc.SetTextColor(color);
    dc.SetBkColor(kBlack);
    dc.SetBkMode(BackgroundMode::Opaque);
}

int CountFieldLeft(const Font& font) {
    const QString digits(kCountFieldDigits, QLatin1Char('0'));
    return kCountFieldRight - std::max(kCountFieldMinWidth, font.TextWidth(digits));
}

std::string FormatCount(const char* format, int value) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}

std::string ProbeCountText(const Font& font, int probeCount, int fieldWidth) {
    std::string text = FormatCount("%03d", probeCount);
    if (font.TextWidth(QString::fromStdString(text)) > fieldWidth) {
        text = FormatCount("%dk", probeCount / 1000);
    }
    return text;
}

} // namespace

void DrawModeCaption(DeviceContext& lowerDisplay, const DrawingObjects& objects,
                     StatusPicture mode) {
    const Bitmap* picture = objects.statusPictures.Caption(mode);
    if (picture == nullptr) {
        return;
    }
    const DeviceContext caption{*picture};
    lowerDisplay.BitBlt(kCaptionX, kCaptionY, kCaptionWidth, kCaptionHeight, caption, 0, 0,
                        Rop::SrcCopy);
}

void DrawProbeStatus(DeviceContext& lowerDisplay, const DeviceContext& displayBackground,
                     const DrawingObjects& objects, std::uint32_t lastStatus, TestState testState) {
    if (lastStatus == 0) {
        DrawModeCaption(lowerDisplay, objects,
                        static_cast<StatusPicture>(static_cast<int>(testState)));
        return;
    }
    DeviceContext text = CopyOf(displayBackground, kStatusBackgroundX, kStatusBackgroundY,
                                kStatusTextWidth, kStatusTextHeight);
    SelectSmallText(text, objects, kLightCyan);
    text.TextOut(0, 0, IcmpStatusText(lastStatus));

    const DeviceContext icon{objects.statusPictures.ErrorIcon()};
    lowerDisplay.BitBlt(kErrorIconX, kErrorIconY, kErrorIconWidth, kErrorIconHeight, icon, 0, 0,
                        Rop::SrcCopy);
    // The text covers the icon bitmap from its column 13 on; only the boxed E stays.
    lowerDisplay.BitBlt(kStatusTextX, 0, kStatusTextWidth, kStatusTextHeight, text, 0, 0,
                        Rop::SrcCopy);
}

void DrawProbeCount(DeviceContext& lowerDisplay, const DrawingObjects& objects, int probeCount) {
    const Font& font = objects.smallTahomaFont;
    const int left = CountFieldLeft(font);
    const int width = kCountFieldRight - left;
    const std::string text = ProbeCountText(font, probeCount, width);

    // The whole field is repainted, so a longer count of an earlier test leaves no digit.
    DeviceContext field{Bitmap(width, kLineHeight)};
    field.FillRect(Rect{0, 0, width, kLineHeight}, objects.blackBrush);
    SelectSmallText(field, objects, kOrange);
    field.TextOut(width - field.GetTextExtent(text).width, 0, text);
    lowerDisplay.BitBlt(left, 0, width, kLineHeight, field, 0, 0, Rop::SrcCopy);
}

void DrawHostName(DeviceContext& lowerDisplay, const DrawingObjects& objects,
                  std::string_view domainName) {
    // One column stays free between the name and the count field.
    const int right =
        std::min(kHostNameX + kHostNameWidth, CountFieldLeft(objects.smallTahomaFont) - 1);
    const int width = right - kHostNameX;
    DeviceContext name = CopyOf(lowerDisplay, kHostNameX, 0, width, kLineHeight);
    SelectSmallText(name, objects, kLightCyan);
    name.TextOut(0, 0, domainName);
    lowerDisplay.BitBlt(kHostNameX, 0, width, kLineHeight, name, 0, 0, Rop::SrcCopy);
}

} // namespace lumet

#include "display/StatusLine.h"

#include "probe/IcmpStatusTexts.h"

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

// The count's 22 × 11 image holds three digits 7 columns in. A stay-alive test past
// 999 probes widens it to the left, so that every digit shows.
constexpr int kCountImageX = 296;
constexpr int kCountImageWidth = 22;
constexpr int kCountTextInset = 7;
constexpr int kCountFieldRight = kCountImageX + kCountImageWidth;
// The most digits a count reaches (ten million probes are four months of stay-alive).
constexpr int kWidestCountDigits = 7;
constexpr Color kCountColor = kOrange;

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

std::string ProbeCountText(int probeCount) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%03d", probeCount);
    return text.data();
}

// Where the count's text starts: 7 columns into its image, or further left for a
// count too wide for the 15 columns that leaves.
int CountTextLeft(const Font& font, int probeCount) {
    const int width = font.TextWidth(ProbeCountText(probeCount));
    return std::min(kCountImageX + kCountTextInset, kCountFieldRight - width);
}

// A wider count of an earlier test leaves digits left of a narrower one; its orange
// glyphs go back to the black of their cells.
void EraseWiderCount(DeviceContext& lowerDisplay, const Font& font, int textLeft) {
    const int widest = font.TextWidth(std::string(kWidestCountDigits, '0'));
    for (int x = kCountFieldRight - widest; x < textLeft; ++x) {
        for (int y = 0; y < kLineHeight; ++y) {
            if (lowerDisplay.GetPixel(x, y) == kCountColor) {
                lowerDisplay.SetPixel(x, y, kBlack);
            }
        }
    }
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
    const int textLeft = CountTextLeft(font, probeCount);
    EraseWiderCount(lowerDisplay, font, textLeft);
    const int left = std::min(kCountImageX, textLeft - kCountTextInset);
    const int width = kCountFieldRight - left;
    DeviceContext field = CopyOf(lowerDisplay, left, 0, width, kLineHeight);
    SelectSmallText(field, objects, kCountColor);
    field.TextOut(textLeft - left, 0, ProbeCountText(probeCount));
    lowerDisplay.BitBlt(left, 0, width, kLineHeight, field, 0, 0, Rop::SrcCopy);
}

void DrawHostName(DeviceContext& lowerDisplay, const DrawingObjects& objects,
                  std::string_view domainName, int probeCount) {
    // The name never reaches the count's digits, and keeps a blank column before them.
    const int right = std::min(kHostNameX + kHostNameWidth,
                               CountTextLeft(objects.smallTahomaFont, probeCount) - 1);
    const int width = right - kHostNameX;
    DeviceContext name = CopyOf(lowerDisplay, kHostNameX, 0, width, kLineHeight);
    SelectSmallText(name, objects, kLightCyan);
    name.TextOut(0, 0, domainName);
    lowerDisplay.BitBlt(kHostNameX, 0, width, kLineHeight, name, 0, 0, Rop::SrcCopy);
}

} // namespace lumet

#include "report/ReportLayout.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumet {

namespace {

constexpr int kNewestSlot = 103;
constexpr int kChartedSamples = 64;
constexpr int kNewestBarX = 156;
constexpr int kBarSpacing = 2;
// Bars stand on the row above the "LATENCY (ms)" box.
constexpr int kBarBase = 185;

struct Frame {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr Frame kFrames[] = {
    {30, 116, 160, 276},  // the outer box
    {30, 136, 160, 157},  // the "RETURNED" row
    {30, 186, 160, 206},  // the "LATENCY (ms)" heading
    {120, 186, 160, 276}, // the column of minimum and maximum
    {120, 231, 160, 251}, // the "MAX" label
};

// The outer box's right frame line begins here.
constexpr int kBoxInsideRight = 158;

// Where texts may go: inside the panel's metallic frame (and the file's black one).
constexpr Rect kTextArea{5, 5, 354, 294};
// Values inside the boxed summary stay inside it and keep clear of the right-hand
// column, whose texts come later and could not give way to them.
constexpr Rect kBoxRoom{31, 117, 179, 274};

struct Label {
    std::string_view text;
    int x;
    int y;
    // The right-hand column is a list: a label there moves down to a clear row.
    GiveWay way;
};

constexpr Label kLabels[] = {
    {"LUMET REPORT", 30, 10, GiveWay::Stay},
    {"test performed on", 30, 36, GiveWay::Stay},
    {"your connection to", 30, 56, GiveWay::Stay},
    {"is rated: ", 30, 76, GiveWay::Stay},
    {"PING SENT", 40, 120, GiveWay::Stay},
    {"RETURNED", 40, 140, GiveWay::Stay},
    {"LATENCY (ms)", 40, 190, GiveWay::Stay},
    {"AVERAGE RTT", 40, 255, GiveWay::Stay},
    {"MIN", 130, 190, GiveWay::Stay},
    {"MAX", 130, 235, GiveWay::Stay},
    {"Jitter", 180, 166, GiveWay::Below},
    {"Lost Packets", 180, 178, GiveWay::Below},
    {"Frequency:", 180, 202, GiveWay::Below},
    {"Timeout:", 180, 214, GiveWay::Below},
    {"TTL:", 180, 226, GiveWay::Below},
    {"Packet Size:", 180, 238, GiveWay::Below},
};

// 0.03 pixels per millisecond, in exact integer arithmetic, with a one-pixel floor
// below 10 ms only: from 10 to 33 ms the bar rounds down to nothing, as on the
// live graph, which has the same gap.
int BarHeight(std::uint32_t ms) {
    if (ms > 0 && ms < 10) {
        return 1;
    }
    return static_cast<int>(std::uint64_t{ms} * 3 / 100);
}

void DrawBars(DeviceContext& dc, const ReportData& data, const Pen& solid, const Pen& dotted) {
    for (int k = 0; k < kChartedSamples; ++k) {
        std::uint32_t value = data.history[static_cast<std::size_t>(kNewestSlot - k)];
        if (value >= ReportData::kFailedSample) {
            dc.SelectPen(dotted);
            value -= ReportData::kFailedSample;
        } else {
            dc.SelectPen(solid);
        }
        const int x = kNewestBarX - kBarSpacing * k;
        const int height = BarHeight(value);
        // Not clipped to the box: a very slow sample is meant to stand out above it.
        dc.Rectangle(x, kBarBase - height, x + 1, kBarBase);
    }
}

void PlaceValues(ReportTextPlacer& placer, const ReportData& data, const ReportFonts& fonts) {
    const Font& small = fonts.smallTahoma;
    const Font& medium = fonts.mediumArial;
    const Font& large = fonts.largeArial;
    const auto number = [](long long value) { return std::to_string(value); };
    const std::int64_t returned =
        static_cast<std::int64_t>(data.probeCount) - static_cast<std::int64_t>(data.errorCount);

    // A value beside its label follows the label; the numbers in the box's lower part,
    // with a frame or a label to their right and below, move up or left instead.
    placer.Place(data.addressText, medium, {120, 52}, GiveWay::After);
    placer.Place(data.StartTimeText() + " UTC", small, {114, 36}, GiveWay::After);
    placer.Place(data.verdict, large, {70, 72}, GiveWay::After);
    placer.Place(number(data.averageRtt), large, {50, 215}, GiveWay::UpOrLeft, kBoxRoom);
    placer.Place(number(data.probeCount), medium, {100, 117}, GiveWay::After, kBoxRoom);
    // The returned count moves towards its label as far as the percentage after it
    // needs to end inside the box; the label's own glyphs still push it back.
    const std::string percentage = "(" + number(data.returnedPercentage) + "%)";
    const int countAndPercentage = medium.TextWidth(number(returned)) +
                                   small.TextWidth(std::string_view(" ")) +
                                   small.TextWidth(percentage);
    const int returnedX = std::min(100, kBoxInsideRight - countAndPercentage);
    placer.Place(number(returned), medium, {returnedX, 137}, GiveWay::After, kBoxRoom);
    placer.Place(number(data.minimumRtt), medium, {130, 210}, GiveWay::UpOrLeft, kBoxRoom);
    placer.Place(number(data.maximumRtt), medium, {130, 255}, GiveWay::UpOrLeft, kBoxRoom);
    // A long stay-alive test's count leaves the percentage no room in the box; it
    // then reaches towards the right-hand column, whose texts come later and give
    // way, rather than being cut.
    placer.Place(percentage, small, {124, 139}, GiveWay::After);
    placer.Place(number(data.score) + "/100", small, {30, 92}, GiveWay::Below);
    if (!data.domainName.empty()) {
        placer.Place("originally queried domain name", small, {180, 118}, GiveWay::Below);
        placer.Place(data.domainName, small, {180, 130}, GiveWay::Below);
    }
    if (data.errorCount == 0) {
        placer.Place("No Errors", small, {180, 154}, GiveWay::Below);
    } else if (data.errorCount >= 1) {
        placer.Place(data.errorCount > 1 ? "Errors" : "Error", small, {180, 154}, GiveWay::Below);
        placer.Place(number(data.errorCount), small, {270, 154}, GiveWay::After);
    }
    placer.Place("n/a", small, {270, 166}, GiveWay::After); // jitter is not measured
    placer.Place("n/a", small, {270, 178},
                 GiveWay::After); // nor are lost packets told from failed ones
    placer.Place(number(data.pingInterval) + " sec.", small, {270, 202}, GiveWay::After);
    placer.Place(number(data.timeOut) + " ms", small, {270, 214}, GiveWay::After);
    placer.Place(number(data.replyTtl), small, {270, 226}, GiveWay::After);
    // The ICMP header's 8 bytes count as part of the packet.
    placer.Place(number(data.replyDataSize + 8) + " ", small, {270, 238}, GiveWay::After);
}

} // namespace

std::vector<PlacedText> LayOutReportTexts(const ReportData& data, const ReportFonts& fonts) {
    ReportTextPlacer placer(kTextArea);
    for (const Label& label : kLabels) {
        placer.Place(label.text, fonts.smallTahoma, {label.x, label.y}, label.way);
    }
    PlaceValues(placer, data, fonts);
    return placer.Texts();
}

void DrawReportLayout(DeviceContext& dc, Color color, const ReportData& data,
                      const ReportFonts& fonts) {
    const Pen solid = Pen::Solid(color, 1);
    const Pen wide = Pen::Solid(color, 2);
    const Pen dotted = Pen::Dotted(color);
    const Pen oldPen = dc.SelectPen(wide);
    const Brush oldBrush = dc.SelectBrush(Brush::Null());
    const Font oldFont = dc.CurrentFont();

    const auto drawFrames = [&dc] {
        for (const Frame& frame : kFrames) {
            dc.Rectangle(frame.left, frame.top, frame.right, frame.bottom);
        }
    };
    drawFrames();
    DrawBars(dc, data, solid, dotted);

    dc.SelectPen(solid);
    for (const PlacedText& text : LayOutReportTexts(data, fonts)) {
        dc.SelectFont(text.font);
        dc.TextOut(text.at.x, text.at.y, text.text);
    }
    // A text pushed across a frame line (a long test's counts) must not wipe it out
    // with its opaque cell; its glyphs there are the line's colour anyway.
    dc.SelectPen(wide);
    drawFrames();

    dc.SelectFont(oldFont);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

} // namespace lumet

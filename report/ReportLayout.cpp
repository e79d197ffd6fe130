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

struct Label {
    std::string_view text;
    int x;
    int y;
};

constexpr Label kLabels[] = {
    {"LUMET REPORT", 30, 10},   {"test performed on", 30, 36}, {"your connection to", 30, 56},
    {"is rated: ", 30, 76},     {"PING SENT", 40, 120},        {"RETURNED", 40, 140},
    {"LATENCY (ms)", 40, 190},  {"AVERAGE RTT", 40, 255},      {"MIN", 130, 190},
    {"MAX", 130, 235},          {"Jitter", 180, 166},          {"Lost Packets", 180, 178},
    {"Frequency:", 180, 202},   {"Timeout:", 180, 214},        {"TTL:", 180, 226},
    {"Packet Size:", 180, 238},
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

void DrawValues(DeviceContext& dc, const ReportData& data, const ReportFonts& fonts) {
    const std::int64_t returned =
        static_cast<std::int64_t>(data.probeCount) - static_cast<std::int64_t>(data.errorCount);

    dc.SelectFont(fonts.mediumArial);
    dc.TextOut(120, 52, data.addressText);
    dc.SelectFont(fonts.smallTahoma);
    dc.TextOut(114, 36, data.StartTimeText() + " UTC");
    dc.SelectFont(fonts.largeArial);
    dc.TextOut(70, 72, data.verdict);
    dc.TextOut(50, 215, std::to_string(data.averageRtt));
    dc.SelectFont(fonts.mediumArial);
    dc.TextOut(100, 117, std::to_string(data.probeCount));
    dc.TextOut(100, 137, std::to_string(returned));
    dc.TextOut(130, 210, std::to_string(data.minimumRtt));
    dc.TextOut(130, 255, std::to_string(data.maximumRtt));
    dc.SelectFont(fonts.smallTahoma);
    dc.TextOut(124, 139, "(" + std::to_string(data.returnedPercentage) + "%)");
    dc.TextOut(30, 92, std::to_string(data.score) + "/100");
    if (!data.domainName.empty()) {
        dc.TextOut(180, 118, "originally queried domain name");
        dc.TextOut(180, 130, data.domainName);
    }
    if (data.errorCount == 0) {
        dc.TextOut(180, 154, "No Errors");
    } else if (data.errorCount >= 1) {
        dc.TextOut(180, 154, data.errorCount > 1 ? "Errors" : "Error");
        dc.TextOut(270, 154, std::to_string(data.errorCount));
    }
    dc.TextOut(270, 166, "n/a"); // jitter is not measured
    dc.TextOut(270, 178, "n/a"); // nor are lost packets told from failed ones
    dc.TextOut(270, 202, std::to_string(data.pingInterval) + " sec.");
    dc.TextOut(270, 214, std::to_string(data.timeOut) + " ms");
    dc.TextOut(270, 226, std::to_string(static_cast<int>(data.replyTtl)));
    // The ICMP header's 8 bytes count as part of the packet.
    dc.TextOut(270, 238, std::to_string(static_cast<int>(data.replyDataSize) + 8) + " ");
}

} // namespace

void DrawReportLayout(DeviceContext& dc, Color color, const ReportData& data,
                      const ReportFonts& fonts) {
    const Pen solid = Pen::Solid(color, 1);
    const Pen wide = Pen::Solid(color, 2);
    const Pen dotted = Pen::Dotted(color);
    const Pen oldPen = dc.SelectPen(wide);
    const Brush oldBrush = dc.SelectBrush(Brush::Null());
    const Font oldFont = dc.CurrentFont();

    for (const Frame& frame : kFrames) {
        dc.Rectangle(frame.left, frame.top, frame.right, frame.bottom);
    }
    DrawBars(dc, data, solid, dotted);

    dc.SelectPen(solid);
    dc.SelectFont(fonts.smallTahoma);
    for (const Label& label : kLabels) {
        dc.TextOut(label.x, label.y, label.text);
    }
    DrawValues(dc, data, fonts);

    dc.SelectFont(oldFont);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

} // namespace lumet

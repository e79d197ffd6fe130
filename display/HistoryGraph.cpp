#include "display/HistoryGraph.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lumet {

namespace {

constexpr int kGraphWidth = 316;
constexpr int kGraphHeight = 42;
// Bars end on the row above this one.
constexpr int kBaselineRow = 29;
constexpr int kSlotPitch = 3;
constexpr int kBarWidth = 2;
constexpr int kBarOffset = 4;
// Where the graph lies in the display background buffer and in the lower display buffer:
// both are client row 66.
constexpr int kBackgroundRow = 36;
constexpr int kLowerDisplayRow = 10;

constexpr int kLabelTop = 31;
constexpr int kLabelBottom = 40;
constexpr int kLabelWidth = 18;
constexpr int kLabelTextRow = 30;

struct Label {
    std::uint32_t value;
    Color background;
};

int BarHeight(std::uint32_t rtt) {
    if (rtt >= 1 && rtt <= 9) {
        return 1;
    }
    // 0.035 ms⁻¹ in exact integer arithmetic; 64 bits so that no stored value overflows.
    const std::uint64_t height = static_cast<std::uint64_t>(rtt) * 35 / 1000;
    // Taller bars would only be cut at the top of the image.
    return static_cast<int>(std::min<std::uint64_t>(height, kBaselineRow));
}

void DrawBars(DeviceContext& graph, const DrawingObjects& objects, const SampleHistory& history) {
    for (int i = static_cast<int>(SampleHistory::kLength) - 1; i >= 1; --i) {
        std::uint32_t rtt = history[static_cast<std::size_t>(i)];
        if (SampleHistory::IsFailure(rtt)) {
            graph.SelectPen(objects.redPen);
            rtt -= SampleHistory::kFailureBase;
        } else {
            graph.SelectPen(objects.lightCyanPen);
        }
        const int x = kSlotPitch * i + kBarOffset;
        graph.Rectangle(x, kBaselineRow - BarHeight(rtt), x + kBarWidth, kBaselineRow);
    }
}

// The label column of the newest successful sample equal to value, or 0 when none is.
int LabelAnchor(const SampleHistory& history, std::uint32_t value) {
    for (int i = static_cast<int>(SampleHistory::kLength) - 1; i >= 1; --i) {
        const std::uint32_t entry = history[static_cast<std::size_t>(i)];
        if (!SampleHistory::IsFailure(entry) && entry == value) {
            return kSlotPitch * i;
        }
    }
    return 0;
}

bool Overlap(int a, int b) {
    return a > 0 && b > 0 && std::abs(a - b) < kLabelWidth;
}

// Labels whose boxes would overlap go side by side instead, in the order minimum,
// average, maximum, the group ending where its rightmost box would, inside the graph.
// Otherwise equal statistics (a run of 0 ms answers) put all three on one slot, where
// only the last one drawn shows, cut by the graph's edge. Labels clear of each other
// keep their anchors.
void SeparateOverlapping(std::array<int, 3>& anchors) {
    std::array<bool, 3> overlapping{};
    for (std::size_t k = 0; k < anchors.size(); ++k) {
        for (std::size_t j = 0; j < anchors.size(); ++j) {
            overlapping[k] = overlapping[k] || (j != k && Overlap(anchors[k], anchors[j]));
        }
    }
    // The maximum is placed first, then each smaller statistic left of any box it meets.
    for (std::size_t k = anchors.size(); k-- > 0;) {
        if (!overlapping[k]) {
            continue;
        }
        anchors[k] = std::min(anchors[k], kGraphWidth - kLabelWidth);
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t j = k + 1; j < anchors.size(); ++j) {
                if (Overlap(anchors[k], anchors[j])) {
                    anchors[k] = std::max(1, anchors[j] - kLabelWidth);
                }
            }
        }
    }
}

void DrawLabels(DeviceContext& graph, const DrawingObjects& objects, const SampleHistory& history) {
    // Drawn minimum first: where boxes still overlap (no room left at the graph's left
    // edge), the maximum ends on top.
    const std::array<Label, 3> labels{{
        {history.minimumRtt(), Color::FromHex(0x00FF00)},
        {history.averageRtt(), Color::FromHex(0xFF0000)},
        {history.maximumRtt(), Color::FromHex(0xFFFF00)},
    }};
    std::array<int, 3> anchors{};
    std::ranges::transform(labels, anchors.begin(),
                           [&](const Label& label) { return LabelAnchor(history, label.value); });
    SeparateOverlapping(anchors);

    graph.SelectFont(objects.smallArialFont);
    graph.SetTextColor(kBlack);
    for (std::size_t k = 0; k < labels.size(); ++k) {
        const int p = anchors[k];
        if (p <= 0) {
            continue;
        }
        std::array<char, 16> text{};
        std::snprintf(text.data(), text.size(), " %03u ", labels[k].value);
        const Region box(p, kLabelTop, p + kLabelWidth, kLabelBottom);
        graph.SelectClipRgn(box);
        graph.InvertRgn(box);
        graph.SetBkColor(labels[k].background);
        graph.TextOut(p - 1, kLabelTextRow, text.data());
    }
}

} // namespace

void DrawHistoryGraph(DeviceContext& lowerDisplay, const DeviceContext& displayBackground,
                      const DrawingObjects& objects, const SampleHistory& history, int tickPhase) {
    DeviceContext graph{Bitmap(kGraphWidth, kGraphHeight)};
    graph.FillRect(Rect{0, 0, kGraphWidth, kGraphHeight}, objects.blackBrush);
    DrawBars(graph, objects, history);
    DrawLabels(graph, objects, history);

    // OR over the skin: black graph pixels leave it as it is. The phase's rightmost
    // columns have no graph source and keep the bare skin.
    lowerDisplay.BitBlt(0, kLowerDisplayRow, kGraphWidth, kGraphHeight, displayBackground, 0,
                        kBackgroundRow, Rop::SrcCopy);
    lowerDisplay.BitBlt(0, kLowerDisplayRow, kGraphWidth, kGraphHeight, graph, tickPhase, 0,
                        Rop::SrcPaint);
}

} // namespace lumet

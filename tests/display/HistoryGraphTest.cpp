#include "display/HistoryGraph.h"

#include "tests/gdi/PixelMap.h"
#include "tests/support/SystemFontEngine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;
using test::kRed;
using test::kSkin;
using test::kWhite;

constexpr Color kUntouched = Color::FromHex(0x123456);
constexpr Color kMinimumColor = Color::FromHex(0x00FF00);
constexpr Color kAverageColor = Color::FromHex(0xFF0000);
constexpr Color kMaximumColor = Color::FromHex(0xFFFF00);
constexpr std::uint32_t kTimedOut = 11010;

constexpr int kGraphWidth = 316;
constexpr int kGraphTop = 10;

struct Slot {
    int index;
    std::uint32_t rtt;
    bool failed = false;
};

// A history holding exactly these slots (all others empty), built the way a test
// fills it; the statistics are computed only on request.
SampleHistory MakeHistory(std::initializer_list<Slot> filled, bool withStatistics) {
    std::array<Slot, SampleHistory::kLength> entries{};
    for (const Slot& slot : filled) {
        entries[static_cast<std::size_t>(slot.index)] = slot;
    }
    SampleHistory history;
    for (const Slot& entry : entries) {
        history.AppendSample(entry.rtt, entry.failed ? kTimedOut : 0);
    }
    if (withStatistics) {
        history.UpdateStatistics();
    }
    return history;
}

// The pixels of a label box at anchor p, cut at the graph's right edge.
Rect LabelBox(int p) {
    return Rect{p, 31, std::min(p + 18, kGraphWidth), 40};
}

class HistoryGraphTest : public ::testing::Test {
protected:
    void Draw(const SampleHistory& history, int phase) {
        phase_ = phase;
        DrawHistoryGraph(lower_, background_, objects_, history, phase);
    }

    // The buffer pixel showing graph-image pixel (x, y) after the phase shift.
    std::optional<Color> Graph(int x, int y) const {
        return lower_.GetPixel(x - phase_, kGraphTop + y);
    }

    // How many pixels of the graph-image rectangle show color.
    int CountGraph(const Rect& rect, Color color) const {
        return CountPixels(lower_, rect.Translated(-phase_, kGraphTop), color);
    }

    // Checks one label box: the text cell, starting a column left of the box, paints the
    // label color with black ink; box columns it does not reach show the inverted (white)
    // graph.
    void ExpectLabel(int p, const std::string& text, Color color) const {
        SCOPED_TRACE("label at " + std::to_string(p));
        DeviceContext measure;
        measure.SelectFont(objects_.smallArialFont);
        const int cellRight = p - 1 + measure.GetTextExtent(text).width;
        const Rect box = LabelBox(p);
        int colored = 0;
        int ink = 0;
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                const auto pixel = Graph(x, y);
                if (x >= cellRight) {
                    EXPECT_EQ(pixel, kWhite) << x << "," << y;
                    continue;
                }
                colored += pixel == color ? 1 : 0;
                ink += pixel == kBlack ? 1 : 0;
                EXPECT_TRUE(pixel == color || pixel == kBlack) << x << "," << y;
            }
        }
        EXPECT_GT(colored, 0);
        EXPECT_GT(ink, 0);
    }

    // How many pixels of the graph rows below the bars that lie outside boxes are not black.
    int CountLitOutside(std::initializer_list<Rect> boxes) const {
        int lit = 0;
        for (int y = 29; y < 42; ++y) {
            for (int x = 1; x < kGraphWidth; ++x) {
                const bool inBox =
                    std::ranges::any_of(boxes, [&](const Rect& box) { return box.Contains(x, y); });
                lit += !inBox && Graph(x, y) != kBlack ? 1 : 0;
            }
        }
        return lit;
    }

    DrawingObjects objects_ = DrawingObjects::Create(*test::SystemFontEngine());
    DeviceContext background_ = FilledContext(320, 80, kBlack);
    DeviceContext lower_ = FilledContext(320, 54, kUntouched);
    int phase_ = 1;
};

// Heights: 1 row for 1–9 ms, otherwise floor(0.035 · v), cut to the 29 rows 0–28.
struct HeightCase {
    std::uint32_t rtt;
    int rows;
};

TEST_F(HistoryGraphTest, BarHeightFollowsTheRoundTripTime) {
    const std::array<HeightCase, 15> cases{{{0, 0},
                                            {1, 1},
                                            {5, 1},
                                            {9, 1},
                                            {10, 0},
                                            {28, 0},
                                            {29, 1},
                                            {57, 1},
                                            {58, 2},
                                            {200, 7},
                                            {286, 10},
                                            {828, 28},
                                            {829, 29},
                                            {999, 29},
                                            {1000, 29}}};
    SampleHistory history;
    for (const HeightCase& c : cases) {
        history.AppendSample(c.rtt, 0);
        history.AppendSample(0, 0);
    }
    Draw(history, 1);
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(std::to_string(cases[k].rtt) + " ms");
        const int index = 102 - 2 * static_cast<int>(cases.size() - 1 - k);
        const int x = 3 * index + 4;
        for (int y = 0; y <= 29; ++y) {
            const Color expected = y >= 29 - cases[k].rows && y <= 28 ? kLightCyan : kBlack;
            EXPECT_EQ(Graph(x, y), expected) << "row " << y;
            EXPECT_EQ(Graph(x + 1, y), expected) << "row " << y;
            EXPECT_EQ(Graph(x + 2, y), kBlack) << "gap, row " << y;
        }
    }
}

TEST_F(HistoryGraphTest, BarsSitAtTheirSlotsAndSlotZeroIsNeverDrawn) {
    Draw(MakeHistory({{0, 999}, {1, 999}, {103, 999}}, false), 1);
    const Rect bars{0, 0, kGraphWidth, 29};
    EXPECT_EQ(CountGraph(bars, kLightCyan), 2 * 2 * 29);
    EXPECT_EQ(CountGraph(Rect{7, 0, 9, 29}, kLightCyan), 2 * 29);
    EXPECT_EQ(CountGraph(Rect{313, 0, 315, 29}, kLightCyan), 2 * 29);
}

TEST_F(HistoryGraphTest, FailedProbesDrawRedBarsAndTheNextSuccessIsCyanAgain) {
    // Slots from newest to oldest: failed 999 ms, success 286, failed 65535 (0 ms), success 29.
    Draw(MakeHistory({{100, 29}, {101, 0, true}, {102, 286}, {103, 999, true}}, false), 1);
    EXPECT_EQ(CountGraph(Rect{313, 0, 315, 29}, kRed), 2 * 29);
    EXPECT_EQ(CountGraph(Rect{310, 19, 312, 29}, kLightCyan), 2 * 10);
    EXPECT_EQ(CountGraph(Rect{307, 0, 309, 30}, kBlack), 2 * 30);
    EXPECT_EQ(CountGraph(Rect{304, 28, 306, 29}, kLightCyan), 2);
    EXPECT_EQ(CountGraph(Rect{0, 0, kGraphWidth, 29}, kRed), 2 * 29);
}

TEST_F(HistoryGraphTest, EachLabelMarksTheNewestSampleEqualToItsStatistic) {
    // Average (10+19+20+21+30+10+30+20)/8 = 20; older equal samples get no label.
    const SampleHistory history = MakeHistory(
        {{50, 20}, {60, 30}, {70, 10}, {86, 30}, {93, 20}, {100, 10}, {102, 21}, {103, 19}}, true);
    ASSERT_EQ(history.minimumRtt(), 10u);
    ASSERT_EQ(history.averageRtt(), 20u);
    ASSERT_EQ(history.maximumRtt(), 30u);
    Draw(history, 1);

    ExpectLabel(300, " 010 ", kMinimumColor);
    ExpectLabel(279, " 020 ", kAverageColor);
    ExpectLabel(258, " 030 ", kMaximumColor);
    EXPECT_EQ(CountLitOutside({LabelBox(300), LabelBox(279), LabelBox(258)}), 0);
}

TEST_F(HistoryGraphTest, AStatisticNoSampleEqualsGetsNoLabel) {
    const SampleHistory history = MakeHistory({{102, 10}, {103, 20}}, true);
    ASSERT_EQ(history.averageRtt(), 15u);
    Draw(history, 1);
    const Rect labelRows{1, 29, kGraphWidth, 42};
    EXPECT_EQ(CountGraph(labelRows, kAverageColor), 0);
    // The two left would overlap at 306 and 309, so they stand side by side.
    ExpectLabel(kGraphWidth - 36, " 010 ", kMinimumColor);
    ExpectLabel(kGraphWidth - 18, " 020 ", kMaximumColor);
}

TEST_F(HistoryGraphTest, EmptyHistoryHasNoBars) {
    Draw(SampleHistory{}, 1);
    EXPECT_EQ(CountGraph(Rect{1, 0, kGraphWidth, 31}, kBlack), 315 * 31);
}

struct CrowdedCase {
    const char* name;
    SampleHistory history;
    const char* minimum;
    const char* average;
    const char* maximum;
};

void PrintTo(const CrowdedCase& c, std::ostream* out) {
    *out << c.name;
}

class CrowdedLabelsTest : public HistoryGraphTest,
                          public ::testing::WithParamInterface<CrowdedCase> {};

TEST_P(CrowdedLabelsTest, StandSideBySideInsideTheGraph) {
    // Boxes that would overlap stand next to each other, minimum, average, maximum,
    // the last ending at the graph's right edge: each one whole and readable.
    const CrowdedCase& c = GetParam();
    Draw(c.history, 1);
    const int right = kGraphWidth - 18;
    ExpectLabel(right - 36, c.minimum, kMinimumColor);
    ExpectLabel(right - 18, c.average, kAverageColor);
    ExpectLabel(right, c.maximum, kMaximumColor);
    EXPECT_EQ(CountLitOutside({LabelBox(right - 36), LabelBox(right - 18), LabelBox(right)}), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, CrowdedLabelsTest,
    ::testing::Values(
        // Before the first answer, and after a run of 0 ms answers, the three are equal.
        CrowdedCase{"Empty", SampleHistory{}, " 000 ", " 000 ", " 000 "},
        CrowdedCase{"AllZero", MakeHistory({{101, 0}, {102, 0}, {103, 0}}, true), " 000 ", " 000 ",
                    " 000 "},
        // A failed newest probe moves the shared anchor to the newest empty slot.
        CrowdedCase{"FirstFailed", MakeHistory({{103, 999, true}}, false), " 000 ", " 000 ",
                    " 000 "},
        // Three different values in adjacent slots, three columns apart.
        CrowdedCase{"AdjacentSlots", MakeHistory({{101, 10}, {102, 20}, {103, 30}}, true), " 010 ",
                    " 020 ", " 030 "}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(HistoryGraphTest, TheOldestDrawnSlotAnchorsItsLabelAtColumn3) {
    // Slot 0 takes part in the statistics but is never drawn nor labelled.
    const SampleHistory history = MakeHistory({{0, 60}, {1, 40}}, true);
    ASSERT_EQ(history.minimumRtt(), 40u);
    ASSERT_EQ(history.averageRtt(), 50u);
    ASSERT_EQ(history.maximumRtt(), 60u);
    Draw(history, 1);
    ExpectLabel(3, " 040 ", kMinimumColor);
    EXPECT_EQ(CountLitOutside({LabelBox(3)}), 0);
    EXPECT_EQ(CountGraph(Rect{0, 0, kGraphWidth, 29}, kLightCyan), 2 * 1);
}

TEST_F(HistoryGraphTest, PhaseShiftsTheGraphLeftAndLeavesTheLastColumnsBare) {
    background_ = FilledContext(320, 80, kSkin);
    const Color brightBar = Color::FromHex(0x203040 | 0xCCFFFF);
    const SampleHistory history = MakeHistory({{103, 999}}, false);
    for (const int phase : {1, 2, 3}) {
        SCOPED_TRACE("phase " + std::to_string(phase));
        Draw(history, phase);
        EXPECT_EQ(CountPixels(lower_, Rect{313 - phase, 10, 315 - phase, 39}, brightBar), 2 * 29);
        EXPECT_EQ(CountPixels(lower_, Rect{0, 10, 316, 39}, brightBar), 2 * 29);
        // The yellow maximum box reaches the graph's last column; the shifted-out
        // columns show the bare skin instead.
        EXPECT_EQ(CountPixels(lower_, Rect{316 - phase, 10, 316, 52}, kSkin), phase * 42);
        EXPECT_LT(CountPixels(lower_, Rect{316 - phase - 1, 41, 316 - phase, 50}, kSkin), 9);
    }
}

TEST_F(HistoryGraphTest, SuccessivePhasesScrollOnePixelPerTick) {
    const SampleHistory history = MakeHistory({{40, 500}, {80, 286, true}, {103, 29}}, true);
    Draw(history, 1);
    const DeviceContext first = std::exchange(lower_, FilledContext(320, 54, kUntouched));
    Draw(history, 2);
    for (int y = kGraphTop; y < kGraphTop + 42; ++y) {
        for (int x = 0; x < 314; ++x) {
            ASSERT_EQ(lower_.GetPixel(x, y), first.GetPixel(x + 1, y)) << x << "," << y;
        }
    }
}

TEST_F(HistoryGraphTest, SkinUnderTheGraphSurvivesWhereTheGraphIsBlack) {
    // A different color under every graph pixel.
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 320; ++x) {
            background_.SetPixel(x, y,
                                 Color{static_cast<std::uint8_t>(x & 0xFF),
                                       static_cast<std::uint8_t>((x >> 8) * 0x80 + y), 0x11});
        }
    }
    Draw(MakeHistory({{103, 286}}, false), 1);
    const auto brightened = [](Color under, Color graph) {
        return Color::FromPixel(under.ToPixel() | graph.ToPixel());
    };
    for (int y = 0; y < 42; ++y) {
        for (int x = 0; x < kGraphWidth; ++x) {
            const Color under = *background_.GetPixel(x, 36 + y);
            const auto shown = lower_.GetPixel(x, kGraphTop + y);
            const bool bar = (x == 312 || x == 313) && y >= 19 && y <= 28;
            // Equal statistics: three labels side by side up to the graph's edge.
            const bool label = x >= kGraphWidth - 55 && x < kGraphWidth - 1 && y >= 31 && y <= 39;
            if (label) {
                EXPECT_TRUE(shown == brightened(under, kMaximumColor) ||
                            shown == brightened(under, kAverageColor) ||
                            shown == brightened(under, kMinimumColor) || shown == under ||
                            shown == kWhite)
                    << x << "," << y;
            } else {
                EXPECT_EQ(shown, bar ? brightened(under, kLightCyan) : under) << x << "," << y;
            }
        }
    }
}

TEST_F(HistoryGraphTest, WritesOnlyTheGraphRowsAndColumnsOfTheLowerBuffer) {
    // A background that differs on every row shows which rows the skin is taken from.
    for (int y = 0; y < 80; ++y) {
        background_.FillRect(Rect{0, y, 320, y + 1},
                             Brush::Solid(Color{static_cast<std::uint8_t>(y), 0x20, 0x40}));
    }
    Draw(SampleHistory{}, 2);
    EXPECT_EQ(CountPixels(lower_, Rect{0, 0, 320, 10}, kUntouched), 320 * 10);
    EXPECT_EQ(CountPixels(lower_, Rect{0, 52, 320, 54}, kUntouched), 320 * 2);
    EXPECT_EQ(CountPixels(lower_, Rect{316, 0, 320, 54}, kUntouched), 4 * 54);
    for (int y = 0; y < 42; ++y) {
        EXPECT_EQ(lower_.GetPixel(0, kGraphTop + y), background_.GetPixel(0, 36 + y)) << y;
    }
}

} // namespace
} // namespace lumet

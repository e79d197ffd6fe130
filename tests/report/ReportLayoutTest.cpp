#include "report/ReportLayout.h"

#include "tests/report/ReportPictureSupport.h"
#include "tests/support/SystemFontEngine.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace lumet {
namespace {

using test::BarColumn;
using test::DrawOnPaper;
using test::HasInk;
using test::InkRows;
using test::kInk;
using test::kPaper;
using test::RowRange;

constexpr int kWidth = 360;
constexpr int kHeight = 320;
constexpr std::uint32_t kFailed = 65535;
constexpr Color kField{0, 0, 255};
constexpr Color kLine{255, 0, 0};

// The box rectangles; a 2-pixel pen covers columns l − 1, l, r − 2, r − 1 and rows
// t − 1, t, b − 2, b − 1 of each.
constexpr Rect kFrames[] = {
    {30, 116, 160, 276},  {30, 136, 160, 157},  {30, 186, 160, 206},
    {120, 186, 160, 276}, {120, 231, 160, 251},
};

// Rows of the frames that cross a bar column inside the outer box.
const std::vector<int> kFrameRowsAboveBase = {115, 116, 135, 136, 155, 156};

bool OnFrame(int x, int y) {
    return std::any_of(std::begin(kFrames), std::end(kFrames), [x, y](const Rect& frame) {
        const bool inColumns = x >= frame.left - 1 && x <= frame.right - 1;
        const bool inRows = y >= frame.top - 1 && y <= frame.bottom - 1;
        const bool onVertical =
            x == frame.left - 1 || x == frame.left || x == frame.right - 2 || x == frame.right - 1;
        const bool onHorizontal =
            y == frame.top - 1 || y == frame.top || y == frame.bottom - 2 || y == frame.bottom - 1;
        return (onVertical && inRows) || (onHorizontal && inColumns);
    });
}

// Pixels that differ between two pictures of the same size, as (x, y) pairs.
std::vector<std::pair<int, int>> Differences(const Bitmap& a, const Bitmap& b) {
    std::vector<std::pair<int, int>> pixels;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                pixels.emplace_back(x, y);
            }
        }
    }
    return pixels;
}

std::vector<int> Union(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

ReportData WithSample(int slot, std::uint32_t value) {
    ReportData data;
    data.history[static_cast<std::size_t>(slot)] = value;
    return data;
}

class ReportLayoutTest : public ::testing::Test {
protected:
    // Null fonts: only lines, so the geometry can be checked pixel for pixel.
    const ReportFonts noText_{};
    const ReportFonts fonts_ = ReportFonts::Create(*test::SystemFontEngine());
};

TEST_F(ReportLayoutTest, FramesAreTwoPixelOutlinesAndNothingElseWithoutSamples) {
    const Bitmap picture = DrawOnPaper(ReportData{}, noText_);
    int mismatches = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Color expected = OnFrame(x, y) ? kInk : kPaper;
            if (picture.Pixel(x, y) != expected && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(ReportLayoutTest, ThirtyTwoProbeRunChartsItsSamplesAtTheRightOnly) {
    const ReportData run = test::ThirtyTwoProbeRun();
    ReportData empty = run;
    empty.history = {};
    std::vector<std::pair<int, int>> expected; // in the order Differences lists them
    for (int y = 185 - 15; y <= 184; ++y) {    // 500 ms: 15 pixels
        for (int x = 94; x <= 156; x += 2) {
            expected.emplace_back(x, y);
        }
    }
    EXPECT_EQ(Differences(DrawOnPaper(run, noText_), DrawOnPaper(empty, noText_)), expected);
}

TEST_F(ReportLayoutTest, SlotsOlderThanTheNewest64AreNotCharted) {
    ReportData old;
    for (int slot = 0; slot < 40; ++slot) {
        old.history[static_cast<std::size_t>(slot)] = 1000;
    }
    EXPECT_TRUE(Differences(DrawOnPaper(old, noText_), DrawOnPaper(ReportData{}, noText_)).empty());
}

struct BarCase {
    std::uint32_t ms;
    int height;
};

void PrintTo(const BarCase& c, std::ostream* out) {
    *out << c.ms << " ms";
}

class BarHeightTest : public ReportLayoutTest, public ::testing::WithParamInterface<BarCase> {};

// A bar stands on row 184 and is `height` rows tall; bars are not clipped to the box.
TEST_P(BarHeightTest, BarRisesFromRow184) {
    constexpr int kSlot = 55;
    const int x = BarColumn(kSlot);
    const Bitmap picture = DrawOnPaper(WithSample(kSlot, GetParam().ms), noText_);
    const std::vector<int> bar = GetParam().height == 0
                                     ? std::vector<int>{}
                                     : RowRange(std::max(0, 185 - GetParam().height), 184);
    EXPECT_EQ(InkRows(picture, x, 0, 185, kPaper), Union(kFrameRowsAboveBase, bar));
}

INSTANTIATE_TEST_SUITE_P(Samples, BarHeightTest,
                         ::testing::Values(BarCase{0, 0}, BarCase{1, 1}, BarCase{5, 1},
                                           BarCase{9, 1},
                                           // 0.3 to 0.99 pixels round down to no bar
                                           BarCase{10, 0}, BarCase{33, 0}, BarCase{34, 1},
                                           BarCase{66, 1}, BarCase{67, 2}, BarCase{100, 3},
                                           BarCase{1000, 30}, BarCase{2300, 69}, BarCase{3000, 90},
                                           BarCase{65534, 1966}));

TEST_F(ReportLayoutTest, FailedProbeIsADottedBarOfItsOwnTime) {
    constexpr int kSlot = 55;
    const int x = BarColumn(kSlot);
    const Bitmap failed = DrawOnPaper(WithSample(kSlot, kFailed + 1000), noText_);
    const Bitmap answered = DrawOnPaper(WithSample(kSlot, 1000), noText_);

    // Below the "RETURNED" box the 30-pixel bar is on its own.
    EXPECT_EQ(InkRows(answered, x, 157, 185, kPaper), RowRange(157, 184));
    const std::vector<int> dots = InkRows(failed, x, 157, 185, kPaper);
    EXPECT_GE(dots.size(), 12u);
    EXPECT_LE(dots.size(), 16u);
    int run = 0;
    for (int y = 157; y < 185; ++y) {
        run = failed.Pixel(x, y) == kInk ? run + 1 : 0;
        EXPECT_LE(run, 3) << "row " << y;
    }
    EXPECT_EQ(InkRows(failed, x, 0, 155, kPaper), (std::vector<int>{115, 116, 135, 136}))
        << "no taller than its time";
}

TEST_F(ReportLayoutTest, FailedProbeWithoutTimeDrawsNothing) {
    EXPECT_TRUE(Differences(DrawOnPaper(WithSample(103, kFailed), noText_),
                            DrawOnPaper(ReportData{}, noText_))
                    .empty());
}

TEST_F(ReportLayoutTest, DomainBlockOnlyForANamedTarget) {
    ReportData named = test::ThirtyTwoProbeRun();
    ReportData dotted = named;
    dotted.domainName.clear();
    const Rect block{180, 118, kWidth, 142};
    EXPECT_TRUE(HasInk(DrawOnPaper(named, fonts_), block, kPaper));
    EXPECT_FALSE(HasInk(DrawOnPaper(dotted, fonts_), block, kPaper));
}

// The rightmost inked column of a row band, or -1.
int RightmostInk(const Bitmap& picture, const Rect& band) {
    for (int x = band.right - 1; x >= band.left; --x) {
        for (int y = band.top; y < band.bottom; ++y) {
            if (picture.Pixel(x, y) != kPaper) {
                return x;
            }
        }
    }
    return -1;
}

TEST_F(ReportLayoutTest, ErrorLineNamesTheFailuresAndCountsThem) {
    const Rect word{180, 154, 270, 166};
    const Rect count{270, 154, kWidth, 166};
    ReportData data = test::ThirtyTwoProbeRun();
    const Bitmap none = DrawOnPaper(data, fonts_);
    data.errorCount = 1;
    const Bitmap one = DrawOnPaper(data, fonts_);
    data.errorCount = 2;
    const Bitmap two = DrawOnPaper(data, fonts_);

    EXPECT_TRUE(HasInk(none, word, kPaper));
    EXPECT_FALSE(HasInk(none, count, kPaper)) << "no count after \"No Errors\"";
    EXPECT_TRUE(HasInk(one, count, kPaper));
    EXPECT_TRUE(HasInk(two, count, kPaper));
    const int errorEnd = 180 + fonts_.smallTahoma.TextWidth("Error");
    EXPECT_LT(RightmostInk(one, word), errorEnd);
    EXPECT_GE(RightmostInk(two, word), errorEnd) << "plural for more than one";
}

struct Text {
    std::string text;
    int x;
    int y;
    const Font* font;
};

// Every text of a 32-probe run's picture and where the layout puts it: with these
// fonts none runs into another, so each stands at its given position.
std::vector<Text> ExpectedTexts(const ReportFonts& fonts) {
    const Font* small = &fonts.smallTahoma;
    const Font* large = &fonts.largeArial;
    const Font* medium = &fonts.mediumArial;
    return {
        {"LUMET REPORT", 30, 10, small},
        {"test performed on", 30, 36, small},
        {"your connection to", 30, 56, small},
        {"is rated: ", 30, 76, small},
        {"PING SENT", 40, 120, small},
        {"RETURNED", 40, 140, small},
        {"LATENCY (ms)", 40, 190, small},
        {"AVERAGE RTT", 40, 255, small},
        {"MIN", 130, 190, small},
        {"MAX", 130, 235, small},
        {"Jitter", 180, 166, small},
        {"Lost Packets", 180, 178, small},
        {"Frequency:", 180, 202, small},
        {"Timeout:", 180, 214, small},
        {"TTL:", 180, 226, small},
        {"Packet Size:", 180, 238, small},
        {"127.0.0.1", 120, 52, medium},
        {"Wed Jan 02 02:03:55 1980 UTC", 114, 36, small},
        {"BAD", 70, 72, large},
        {"500", 50, 215, large},
        {"32", 100, 117, medium},
        {"32", 100, 137, medium},
        {"500", 130, 210, medium},
        {"500", 130, 255, medium},
        {"(100%)", 124, 139, small},
        {"30/100", 30, 92, small},
        {"originally queried domain name", 180, 118, small},
        {"localhost", 180, 130, small},
        {"No Errors", 180, 154, small},
        {"n/a", 270, 166, small},
        {"n/a", 270, 178, small},
        {"1 sec.", 270, 202, small},
        {"1000 ms", 270, 214, small},
        {"64", 270, 226, small},
        {"64 ", 270, 238, small},
    };
}

Rect CellOf(const Text& text) {
    const int width = text.font->TextWidth(text.text);
    return Rect{text.x, text.y, text.x + width, text.y + text.font->CellHeight()};
}

// The layout in red lines over a blue field, its text black in white cells: white
// then shows exactly where text cells lie, less their glyphs.
Bitmap DrawOverField(const ReportData& data, const ReportFonts& fonts) {
    DeviceContext dc{Bitmap(kWidth, kHeight)};
    dc.FillRect(Rect{0, 0, kWidth, kHeight}, Brush::Solid(kField));
    dc.SetBkColor(kPaper);
    dc.SetTextColor(kInk);
    DrawReportLayout(dc, kLine, data, fonts);
    return dc.CurrentBitmap();
}

TEST_F(ReportLayoutTest, EveryTextFillsItsOwnCellAndNothingElse) {
    ASSERT_FALSE(fonts_.smallTahoma.IsNull());
    const Bitmap picture = DrawOverField(test::ThirtyTwoProbeRun(), fonts_);
    std::vector<Rect> cells;
    for (const Text& text : ExpectedTexts(fonts_)) {
        cells.push_back(CellOf(text));
    }
    const auto inAnyCell = [&cells](int x, int y, int margin) {
        return std::any_of(cells.begin(), cells.end(), [=](const Rect& cell) {
            return Rect{cell.left - margin, cell.top - margin, cell.right + margin,
                        cell.bottom + margin}
                .Contains(x, y);
        });
    };
    // Glyphs may reach a little outside their cell.
    constexpr int kOverhang = 2;
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Color pixel = picture.Pixel(x, y);
            const bool ok = inAnyCell(x, y, 0)
                                ? pixel == kPaper || pixel == kInk
                                : pixel != kPaper && (pixel != kInk || inAnyCell(x, y, kOverhang));
            if (!ok && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    const Bitmap onPaper = DrawOnPaper(test::ThirtyTwoProbeRun(), fonts_);
    for (const Text& text : ExpectedTexts(fonts_)) {
        EXPECT_TRUE(HasInk(onPaper, CellOf(text), kPaper)) << '"' << text.text << '"';
    }
}

struct FrameCase {
    const char* name;
    int sent;
    int failed;
    // The percentage ends before the box's right frame line.
    bool percentageInside;
};

class FrameLinesTest : public ReportLayoutTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameLinesTest, NoTextCellErasesAFrameLine) {
    const FrameCase& c = GetParam();
    ReportData data = test::ThirtyTwoProbeRun();
    data.probeCount = c.sent;
    data.errorCount = c.failed;
    data.returnedPercentage = (c.sent - c.failed) * 100 / c.sent;
    const Bitmap picture = DrawOnPaper(data, fonts_);
    int erased = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (OnFrame(x, y) && picture.Pixel(x, y) != kInk && ++erased <= 5) {
                ADD_FAILURE() << "frame pixel (" << x << ", " << y << ") erased";
            }
        }
    }
    EXPECT_EQ(erased, 0);
    if (c.percentageInside) {
        const std::string percentage = "(" + std::to_string(data.returnedPercentage) + "%)";
        for (const PlacedText& text : LayOutReportTexts(data, fonts_)) {
            if (text.text == percentage) {
                EXPECT_LE(std::max(text.cell.right, text.ink.right), 158);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, FrameLinesTest,
    ::testing::Values(
        // The widest percentage, "(100%)", stands right before the box's right frame.
        FrameCase{"AllReturned", 32, 0, true}, FrameCase{"NoneReturned", 32, 32, true},
        FrameCase{"MostReturned", 99, 1, true}, FrameCase{"HundredAllReturned", 100, 0, true},
        // From four digits on, count and percentage cannot both fit before the frame.
        FrameCase{"ThousandOneLost", 1000, 1, false}, FrameCase{"ManyProbes", 99999, 9999, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(ReportLayoutTest, OpaqueTextCoversBarsThatRiseOutOfTheBox) {
    // A 3000 ms bar is 90 pixels tall: rows 95 to 184, through the "PING SENT" label.
    constexpr int kSlot = 55;
    const int x = BarColumn(kSlot);
    ReportData data = test::ThirtyTwoProbeRun();
    data.history[kSlot] = 3000;
    const Bitmap picture = DrawOnPaper(data, fonts_);
    const Rect label = CellOf(Text{"PING SENT", 40, 120, &fonts_.smallTahoma});
    ASSERT_TRUE(label.Contains(x, 120));

    EXPECT_EQ(InkRows(picture, x, 104, 115, kPaper), RowRange(104, 114)) << "above the box";
    EXPECT_LT(InkRows(picture, x, label.top, label.bottom, kPaper).size(),
              static_cast<std::size_t>(label.Height()))
        << "the label's cell background covers the bar";
}

} // namespace
} // namespace lumet

#include "platform/gdi/DeviceContext.h"
#include "tests/gdi/PixelMap.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kGreen;
using test::kLightCyan;
using test::kRed;
using test::kSkin;
using test::kSkinXorCyan;
using test::kWhite;
using test::Picture;
using test::PixelMap;
using Rows = std::vector<std::string>;

const test::Legend kLegend{{'.', kBlack}, {'#', kLightCyan}, {'o', kGreen}, {'b', kRed}};

DeviceContext Canvas(int width, int height) {
    DeviceContext dc = FilledContext(width, height, kBlack);
    dc.SelectPen(Pen::Solid(kLightCyan));
    dc.SelectBrush(Brush::Solid(kGreen));
    return dc;
}

TEST(RectangleTest, OnePixelPenFramesTheInsidePixelsAndBrushFillsTheRest) {
    DeviceContext dc = Canvas(9, 6);
    dc.Rectangle(2, 1, 7, 5);
    const Rows expected = Picture(R"(
.........
..#####..
..#ooo#..
..#ooo#..
..#####..
.........
)");
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 9, 6}, kLegend), expected);
}

TEST(RectangleTest, NullPenBrushFillsLeftToRightMinusTwo) {
    DeviceContext dc = Canvas(9, 6);
    dc.SelectPen(Pen::Null());
    dc.Rectangle(2, 1, 7, 5);
    const Rows expected = Picture(R"(
.........
..oooo...
..oooo...
..oooo...
.........
.........
)");
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 9, 6}, kLegend), expected);
}

TEST(RectangleTest, SwappedCornersDrawTheSameRectangle) {
    DeviceContext ordered = Canvas(9, 6);
    ordered.Rectangle(2, 1, 7, 5);
    DeviceContext swapped = Canvas(9, 6);
    swapped.Rectangle(7, 5, 2, 1);
    EXPECT_EQ(PixelMap(swapped, Rect{0, 0, 9, 6}, kLegend),
              PixelMap(ordered, Rect{0, 0, 9, 6}, kLegend));
}

struct EmptyCase {
    int left, top, right, bottom;
};

class EmptyRectangleTest : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyRectangleTest, DrawsNothing) {
    const EmptyCase c = GetParam();
    for (const Pen& pen : {Pen::Solid(kLightCyan), Pen::Null(), Pen::Solid(kLightCyan, 2)}) {
        DeviceContext dc = Canvas(8, 8);
        dc.SelectPen(pen);
        dc.Rectangle(c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(CountPixels(dc, Rect{0, 0, 8, 8}, kBlack), 64);
    }
}

INSTANTIATE_TEST_SUITE_P(ZeroWidthOrHeight, EmptyRectangleTest,
                         ::testing::Values(EmptyCase{3, 1, 3, 6}, EmptyCase{1, 4, 6, 4},
                                           EmptyCase{2, 2, 2, 2}));

TEST(RectangleTest, OnePixelWideRectangleIsAColumnFromTopToBottomMinusOne) {
    DeviceContext dc = Canvas(3, 8);
    dc.Rectangle(1, 2, 2, 7);
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 3, 8}, kLegend),
              (Rows{"...", "...", ".#.", ".#.", ".#.", ".#.", ".#.", "..."}));
}

TEST(RectangleTest, OnePixelWideRectangleUnderXorFlipsOnlyItsEnds) {
    // GDI strokes the column down and back up; the pixels lit twice flip back.
    DeviceContext dc = FilledContext(3, 8, kSkin);
    dc.SelectPen(Pen::Solid(kLightCyan));
    dc.SelectBrush(Brush::Null());
    dc.SetROP2(Rop2::XorPen);
    dc.Rectangle(1, 2, 2, 7);
    const test::Legend legend{{'.', kSkin}, {'x', kSkinXorCyan}};
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 3, 8}, legend),
              (Rows{"...", "...", ".x.", "...", "...", "...", ".x.", "..."}));
}

TEST(RectangleTest, OneByOneRectangleLightsItsPixel) {
    // The report draws a 1–9 ms sample as the rectangle (x, 184, x + 1, 185).
    DeviceContext dc = Canvas(3, 3);
    dc.Rectangle(1, 1, 2, 2);
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 3, 3}, kLegend), (Rows{"...", ".#.", "..."}));
}

TEST(RectangleTest, XorFrameAndFillDrawnTwiceRestoreTheImage) {
    DeviceContext dc = FilledContext(12, 10, kSkin);
    dc.SetPixel(4, 4, kRed);
    dc.SelectPen(Pen::Solid(kLightCyan));
    dc.SelectBrush(Brush::Solid(kGreen));
    dc.SetROP2(Rop2::XorPen);
    dc.Rectangle(1, 1, 9, 8);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 12, 10}, kSkin), 12 * 10 - 8 * 7);
    dc.Rectangle(1, 1, 9, 8);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 12, 10}, kSkin), 12 * 10 - 1);
    EXPECT_EQ(dc.GetPixel(4, 4), kRed);
}

// History graph bars: the rectangle (x, 29 − h, x + 2, 29) with the 1-pixel pen and
// the context's default white brush paints columns x, x + 1 and rows 29 − h … 28.
TEST(RectangleTest, HistoryBarsCoverTwoColumnsDownToRow28) {
    struct Bar {
        int x;
        int height;
    };
    for (const Bar bar : {Bar{313, 0}, Bar{310, 1}, Bar{7, 10}, Bar{100, 29}, Bar{200, 34}}) {
        DeviceContext dc = FilledContext(316, 42, kBlack);
        dc.SelectPen(Pen::Solid(kLightCyan));
        dc.Rectangle(bar.x, 29 - bar.height, bar.x + 2, 29);
        const int topRow = std::max(0, 29 - bar.height);
        const int rows = 29 - topRow;
        SCOPED_TRACE(testing::Message() << "x " << bar.x << " h " << bar.height);
        EXPECT_EQ(CountPixels(dc, Rect{bar.x, topRow, bar.x + 2, 29}, kLightCyan), 2 * rows);
        EXPECT_EQ(CountPixels(dc, Rect{0, 0, 316, 42}, kLightCyan), 2 * rows);
        EXPECT_EQ(CountPixels(dc, Rect{0, 0, 316, 42}, kWhite), 0);
    }
}

// Quality scale: the penalty bar and the live bar with a null pen.
TEST(RectangleTest, LiveBarWithPenaltyCoversColumns3ToXMinus2) {
    const int penaltyX = 14;
    const int x = 52;
    DeviceContext dc = FilledContext(320, 24, kSkin);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(kRed));
    dc.SetROP2(Rop2::CopyPen);
    dc.Rectangle(3, 3, penaltyX, 7);
    dc.SelectBrush(Brush::Solid(kLightCyan));
    dc.SetROP2(Rop2::XorPen);
    dc.Rectangle(3, 8, x, 23);

    EXPECT_EQ(CountPixels(dc, Rect{3, 3, penaltyX - 1, 6}, kRed), (penaltyX - 4) * 3);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 320, 24}, kRed), (penaltyX - 4) * 3);
    EXPECT_EQ(CountPixels(dc, Rect{3, 8, x - 1, 22}, kSkinXorCyan), (x - 4) * 14);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 320, 24}, kSkinXorCyan), (x - 4) * 14);
}

TEST(RectangleTest, LiveBarWithoutPenaltyKeepsItsBlackFrameUnchanged) {
    const int x = 40;
    DeviceContext dc = FilledContext(320, 24, kSkin);
    dc.SelectBrush(Brush::Solid(kLightCyan));
    dc.SetROP2(Rop2::XorPen);
    dc.Rectangle(3, 8, x, 23);
    EXPECT_EQ(dc.GetPixel(3, 8), kSkin);
    EXPECT_EQ(dc.GetPixel(x - 1, 22), kSkin);
    EXPECT_EQ(CountPixels(dc, Rect{4, 9, x - 1, 22}, kSkinXorCyan), (x - 5) * 13);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 320, 24}, kSkinXorCyan), (x - 5) * 13);
}

TEST(RectangleTest, FinalOutlineIsAHollowXorFrameAndTheBandFillsMinToMaxMinus2) {
    const int minX = 40;
    const int maxX = 80;
    DeviceContext dc = FilledContext(320, 24, kSkin);
    dc.SetROP2(Rop2::XorPen);
    dc.SelectBrush(Brush::Null());
    dc.SelectPen(Pen::Solid(kLightCyan));
    dc.Rectangle(3, 8, minX, 23);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(kLightCyan));
    dc.Rectangle(minX, 8, maxX, 24);

    const int frame = 2 * (minX - 3) + 2 * (15 - 2);
    EXPECT_EQ(CountPixels(dc, Rect{3, 8, minX, 23}, kSkinXorCyan), frame);
    EXPECT_EQ(CountPixels(dc, Rect{4, 9, minX - 1, 22}, kSkin), (minX - 5) * 13);
    EXPECT_EQ(CountPixels(dc, Rect{minX, 8, maxX - 1, 23}, kSkinXorCyan), (maxX - minX - 1) * 15);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 320, 24}, kSkinXorCyan), frame + (maxX - minX - 1) * 15);
}

TEST(RectangleTest, AllProbesFailedLeavesAnEmptyBandAndAnOutlineTo314) {
    DeviceContext dc = FilledContext(320, 24, kSkin);
    dc.SetROP2(Rop2::XorPen);
    dc.SelectBrush(Brush::Null());
    dc.SelectPen(Pen::Solid(kLightCyan));
    dc.Rectangle(3, 8, 315, 23);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(kLightCyan));
    dc.Rectangle(315, 8, 315, 24);
    EXPECT_EQ(dc.GetPixel(314, 8), kSkinXorCyan);
    EXPECT_EQ(dc.GetPixel(315, 8), kSkin);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 320, 24}, kSkinXorCyan), 2 * 312 + 2 * 13);
}

TEST(RectangleTest, TwoPixelPenFrameSpillsUpLeftAndStaysInsideRightBottom) {
    DeviceContext dc = Canvas(10, 9);
    dc.SelectPen(Pen::Solid(kLightCyan, 2));
    dc.Rectangle(2, 2, 8, 7);
    const Rows expected = Picture(R"(
..........
.#######..
.#######..
.##ooo##..
.##ooo##..
.#######..
.#######..
..........
..........
)");
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 10, 9}, kLegend), expected);
}

TEST(RectangleTest, TwoPixelPenPaintsEachFramePixelOnceUnderXor) {
    DeviceContext dc = FilledContext(12, 12, kSkin);
    dc.SelectPen(Pen::Solid(kLightCyan, 2));
    dc.SelectBrush(Brush::Null());
    dc.SetROP2(Rop2::XorPen);
    dc.Rectangle(3, 3, 9, 10);
    // Outer 7 × 8 block minus the 3 × 4 hole.
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 12, 12}, kSkinXorCyan), 7 * 8 - 3 * 4);
    dc.Rectangle(3, 3, 9, 10);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 12, 12}, kSkin), 144);
}

TEST(RectangleTest, ReportOuterBoxWithTheWidePen) {
    DeviceContext dc = FilledContext(360, 320, kWhite);
    dc.SelectPen(Pen::Solid(kBlack, 2));
    dc.SelectBrush(Brush::Null());
    dc.Rectangle(30, 116, 160, 276);
    const int rows = 275 - 115 + 1;
    const int columns = 159 - 29 + 1;
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 360, 320}, kBlack),
              columns * rows - (columns - 4) * (rows - 4));
    for (const Point p : {Point{29, 115}, Point{30, 116}, Point{159, 275}, Point{158, 274},
                          Point{29, 275}, Point{159, 115}}) {
        EXPECT_EQ(dc.GetPixel(p.x, p.y), kBlack) << p.x << "," << p.y;
    }
    for (const Point p : {Point{28, 116}, Point{30, 114}, Point{160, 200}, Point{100, 276},
                          Point{31, 117}, Point{157, 273}}) {
        EXPECT_EQ(dc.GetPixel(p.x, p.y), kWhite) << p.x << "," << p.y;
    }
}

TEST(RectangleTest, DottedFrameRunsThreeOnThreeOffAnticlockwiseFromTopRight) {
    const test::Legend legend{{'.', kBlack}, {'#', kLightCyan}, {'b', kRed}};
    DeviceContext opaque = Canvas(8, 4);
    opaque.SelectPen(Pen::Dotted(kLightCyan));
    opaque.SelectBrush(Brush::Null());
    opaque.SetBkColor(kRed);
    opaque.Rectangle(0, 0, 8, 4);
    EXPECT_EQ(PixelMap(opaque, Rect{0, 0, 8, 4}, legend),
              (Rows{"##bbb###", "#......#", "b......#", "bb###bbb"}));

    DeviceContext transparent = Canvas(8, 4);
    transparent.SelectPen(Pen::Dotted(kLightCyan));
    transparent.SelectBrush(Brush::Null());
    transparent.SetBkColor(kRed);
    transparent.SetBkMode(BackgroundMode::Transparent);
    transparent.Rectangle(0, 0, 8, 4);
    EXPECT_EQ(PixelMap(transparent, Rect{0, 0, 8, 4}, legend),
              (Rows{"##...###", "#......#", ".......#", "..###..."}));
}

// A failed probe's report bar: a dotted rectangle one pixel wide, stroked down and
// back up, so the pattern of the way up wins where it paints its gaps.
TEST(RectangleTest, DottedReportBarSevenRowsHigh) {
    const test::Legend legend{{'.', kWhite}, {'#', kBlack}};
    DeviceContext opaque = FilledContext(3, 190, kRed);
    opaque.SelectPen(Pen::Dotted(kBlack));
    opaque.SelectBrush(Brush::Null());
    opaque.Rectangle(1, 178, 2, 185);
    EXPECT_EQ(PixelMap(opaque, Rect{1, 178, 2, 185}, legend),
              (Rows{"#", ".", ".", ".", "#", "#", "#"}));

    DeviceContext transparent = FilledContext(3, 190, kWhite);
    transparent.SelectPen(Pen::Dotted(kBlack));
    transparent.SelectBrush(Brush::Null());
    transparent.SetBkMode(BackgroundMode::Transparent);
    transparent.Rectangle(1, 178, 2, 185);
    EXPECT_EQ(PixelMap(transparent, Rect{1, 178, 2, 185}, legend),
              (Rows{"#", "#", "#", ".", "#", "#", "#"}));
}

TEST(RectangleTest, DrawingStopsAtTheBitmapEdgesAndTheClipRegion) {
    DeviceContext dc = Canvas(6, 6);
    dc.Rectangle(-3, -3, 3, 3);
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 6, 6}, kLegend),
              (Rows{"oo#...", "oo#...", "###...", "......", "......", "......"}));

    DeviceContext clipped = Canvas(6, 6);
    clipped.SelectClipRgn(Region(2, 2, 4, 4));
    clipped.Rectangle(0, 0, 6, 6);
    EXPECT_EQ(PixelMap(clipped, Rect{0, 0, 6, 6}, kLegend),
              (Rows{"......", "......", "..oo..", "..oo..", "......", "......"}));
}

} // namespace
} // namespace lumet

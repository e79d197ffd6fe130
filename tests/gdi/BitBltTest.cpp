#include "platform/gdi/DeviceContext.h"
#include "tests/gdi/PixelMap.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;
using test::kSkin;
using test::kWhite;

constexpr Color kBackground = Color::FromHex(0x102030);

// A distinct color for every pixel of a source bitmap.
Color SourceColor(int x, int y) {
    return Color{static_cast<std::uint8_t>(0x40 + x), static_cast<std::uint8_t>(0x80 + y), 0x11};
}

DeviceContext PatternContext(int width, int height) {
    DeviceContext dc{Bitmap(width, height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            dc.SetPixel(x, y, SourceColor(x, y));
        }
    }
    return dc;
}

struct RopCase {
    Rop rop;
    std::uint32_t source;
    std::uint32_t destination;
    std::uint32_t expected;
};

class RopTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(RopTest, CombinesSourceAndDestination) {
    const RopCase c = GetParam();
    DeviceContext source = FilledContext(2, 2, Color::FromHex(c.source));
    DeviceContext destination = FilledContext(2, 2, Color::FromHex(c.destination));
    destination.BitBlt(0, 0, 2, 2, source, 0, 0, c.rop);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 2, 2}, Color::FromHex(c.expected)), 4);
}

INSTANTIATE_TEST_SUITE_P(TruthTables, RopTest,
                         ::testing::Values(RopCase{Rop::SrcCopy, 0x123456, 0xABCDEF, 0x123456},
                                           RopCase{Rop::SrcAnd, 0xF0F0F0, 0x3C3C3C, 0x303030},
                                           RopCase{Rop::SrcAnd, 0xFFFFFF, 0x3C5A78, 0x3C5A78},
                                           RopCase{Rop::SrcAnd, 0x000000, 0x3C5A78, 0x000000},
                                           RopCase{Rop::SrcInvert, 0xF0F0F0, 0x3C3C3C, 0xCCCCCC},
                                           RopCase{Rop::SrcInvert, 0x000000, 0x3C5A78, 0x3C5A78},
                                           RopCase{Rop::SrcInvert, 0xFFFFFF, 0x3C5A78, 0xC3A587},
                                           RopCase{Rop::SrcPaint, 0xF0F0F0, 0x3C3C3C, 0xFCFCFC},
                                           RopCase{Rop::SrcPaint, 0x000000, 0x3C5A78, 0x3C5A78},
                                           RopCase{Rop::SrcPaint, 0x0B0B0D, 0x203040, 0x2B3B4D}));

TEST(BitBltTest, SrcInvertTwiceRestoresTheDestination) {
    DeviceContext source = PatternContext(5, 4);
    DeviceContext destination = FilledContext(5, 4, kSkin);
    destination.SetPixel(2, 2, kLightCyan);
    destination.BitBlt(0, 0, 5, 4, source, 0, 0, Rop::SrcInvert);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 5, 4}, kSkin), 0);
    destination.BitBlt(0, 0, 5, 4, source, 0, 0, Rop::SrcInvert);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 5, 4}, kSkin), 19);
    EXPECT_EQ(destination.GetPixel(2, 2), kLightCyan);
}

struct ClipCase {
    const char* name;
    int x, y, width, height, sourceX, sourceY;
};

class BitBltClipTest : public ::testing::TestWithParam<ClipCase> {};

// A 4 × 4 source onto a 6 × 6 destination: a pixel changes exactly when both it
// and the source pixel it maps to exist; everything else keeps its value.
TEST_P(BitBltClipTest, CopiesOnlyWhereSourceAndDestinationExist) {
    const ClipCase c = GetParam();
    DeviceContext source = PatternContext(4, 4);
    DeviceContext destination = FilledContext(6, 6, kBackground);
    destination.BitBlt(c.x, c.y, c.width, c.height, source, c.sourceX, c.sourceY, Rop::SrcCopy);
    int copied = 0;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const int sx = x - c.x + c.sourceX;
            const int sy = y - c.y + c.sourceY;
            const bool inBlock = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
            const bool hasSource = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
            const Color expected = inBlock && hasSource ? SourceColor(sx, sy) : kBackground;
            copied += inBlock && hasSource ? 1 : 0;
            EXPECT_EQ(destination.GetPixel(x, y), expected) << c.name << " at " << x << "," << y;
        }
    }
    EXPECT_GT(copied, 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Edges, BitBltClipTest,
                         ::testing::Values(ClipCase{"destination left/top negative", -1, -2, 4, 4,
                                                    0, 0},
                                           ClipCase{"destination right/bottom", 4, 3, 4, 4, 0, 0},
                                           ClipCase{"source left/top negative", 1, 1, 4, 4, -2, -1},
                                           ClipCase{"source right/bottom", 0, 0, 6, 6, 2, 1},
                                           ClipCase{"all four at once", -1, -1, 9, 9, -1, -1},
                                           ClipCase{"inside", 1, 2, 3, 2, 1, 1}));

TEST(BitBltTest, NonPositiveSizesCopyNothing) {
    DeviceContext source = PatternContext(4, 4);
    DeviceContext destination = FilledContext(4, 4, kBackground);
    destination.BitBlt(0, 0, 0, 4, source, 0, 0, Rop::SrcCopy);
    destination.BitBlt(0, 0, 4, -2, source, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 4, 4}, kBackground), 16);
}

TEST(BitBltTest, SourceOffsetsAtTheEndsOfTheIntRangeCopyNothing) {
    DeviceContext source = PatternContext(4, 4);
    DeviceContext destination = FilledContext(4, 4, kBackground);
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    destination.BitBlt(2, 2, 4, 4, source, kMin, 0, Rop::SrcCopy);
    destination.BitBlt(0, 1, 4, 4, source, 0, kMax, Rop::SrcCopy);
    destination.BitBlt(1, 0, 4, 4, source, kMax, kMin, Rop::SrcPaint);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 4, 4}, kBackground), 16);
}

TEST(BitBltTest, RowsWithoutSourceKeepTheScreen) {
    // The overlay pass copies 320 × 54 from the 24-row upper display buffer.
    DeviceContext upper = FilledContext(320, 24, kLightCyan);
    DeviceContext window = FilledContext(360, 116, kSkin);
    window.BitBlt(6, 30, 320, 54, upper, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(CountPixels(window, Rect{6, 30, 326, 54}, kLightCyan), 320 * 24);
    EXPECT_EQ(CountPixels(window, Rect{0, 0, 360, 116}, kLightCyan), 320 * 24);
}

TEST(BitBltTest, GraphShiftedByTheTickPhaseLeavesItsLastColumnsBare) {
    DeviceContext graph = FilledContext(316, 42, kLightCyan);
    DeviceContext compose = FilledContext(316, 42, kSkin);
    const int phase = 3;
    compose.BitBlt(0, 0, 316, 42, graph, phase, 0, Rop::SrcPaint);
    EXPECT_EQ(
        CountPixels(compose, Rect{0, 0, 316 - phase, 42}, Color::FromHex(0x203040 | 0xCCFFFF)),
        (316 - phase) * 42);
    EXPECT_EQ(CountPixels(compose, Rect{316 - phase, 0, 316, 42}, kSkin), phase * 42);
}

TEST(BitBltTest, TheClipRegionLimitsTheCopy) {
    DeviceContext source = FilledContext(6, 6, kLightCyan);
    DeviceContext destination = FilledContext(6, 6, kBackground);
    destination.SelectClipRgn(Region(1, 2, 4, 3));
    destination.BitBlt(0, 0, 6, 6, source, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 6, 6}, kLightCyan), 3);
    EXPECT_EQ(CountPixels(destination, Rect{1, 2, 4, 3}, kLightCyan), 3);
    destination.SelectClipRgn(std::nullopt);
    destination.BitBlt(0, 0, 6, 6, source, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 6, 6}, kLightCyan), 36);
}

TEST(BitBltTest, OverlappingCopyWithinOneContextReadsTheOriginalPixels) {
    DeviceContext dc = PatternContext(6, 1);
    dc.BitBlt(1, 0, 5, 1, dc, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(dc.GetPixel(0, 0), SourceColor(0, 0));
    for (int x = 1; x < 6; ++x) {
        EXPECT_EQ(dc.GetPixel(x, 0), SourceColor(x - 1, 0)) << x;
    }
}

TEST(BitBltTest, AMissingBitmapOnEitherSideChangesNothing) {
    DeviceContext empty{Bitmap::Load("/nonexistent/bitmap169.bmp")};
    DeviceContext destination = FilledContext(4, 4, kBackground);
    destination.BitBlt(0, 0, 4, 4, empty, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(CountPixels(destination, Rect{0, 0, 4, 4}, kBackground), 16);

    DeviceContext source = PatternContext(4, 4);
    empty.BitBlt(0, 0, 4, 4, source, 0, 0, Rop::SrcCopy);
    EXPECT_TRUE(empty.CurrentBitmap().IsNull());
}

TEST(BitBltTest, MonochromeSourceTakesTheDestinationTextAndBackgroundColors) {
    DeviceContext mask{Bitmap::Monochrome(2, 1)};
    mask.SetPixel(1, 0, kWhite);
    DeviceContext destination = FilledContext(2, 1, kSkin);
    destination.SetTextColor(kLightCyan);
    destination.SetBkColor(test::kRed);
    destination.BitBlt(0, 0, 2, 1, mask, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(destination.GetPixel(0, 0), kLightCyan);
    EXPECT_EQ(destination.GetPixel(1, 0), test::kRed);
}

TEST(BitBltTest, ColorToMonochromeMarksTheSourceBackgroundColorWhite) {
    // The bitmap report reduces its picture this way: every pixel that is not
    // exactly the background white becomes black.
    DeviceContext picture = FilledContext(3, 1, kWhite);
    picture.SetPixel(1, 0, Color::FromHex(0xFEFFFF));
    picture.SetPixel(2, 0, kBlack);
    picture.SetBkColor(kWhite);
    DeviceContext mono{Bitmap::Monochrome(3, 1)};
    mono.BitBlt(0, 0, 3, 1, picture, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(mono.GetPixel(0, 0), kWhite);
    EXPECT_EQ(mono.GetPixel(1, 0), kBlack);
    EXPECT_EQ(mono.GetPixel(2, 0), kBlack);

    picture.SetBkColor(kBlack);
    mono.BitBlt(0, 0, 3, 1, picture, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(mono.GetPixel(0, 0), kBlack);
    EXPECT_EQ(mono.GetPixel(2, 0), kWhite);
}

// The hover word: mask ANDed then picture XORed over a copy of the backdrop.
TEST(BitBltTest, MaskedWordShowsTheWordAndKeepsTheBackdropAroundIt) {
    const Rect word{100, 10, 180, 30};
    DeviceContext backdrop = FilledContext(320, 54, kSkin);
    backdrop.SetPixel(150, 40, test::kRed);
    DeviceContext mask{Bitmap::Monochrome(319, 42)};
    mask.FillRect(Rect{0, 0, 319, 42}, Brush::Solid(kWhite));
    mask.FillRect(word, Brush::Solid(kBlack));
    DeviceContext picture = FilledContext(319, 42, kBlack);
    picture.FillRect(word, Brush::Solid(kLightCyan));

    DeviceContext composite{Bitmap(320, 54)};
    composite.BitBlt(0, 0, 320, 54, backdrop, 0, 0, Rop::SrcCopy);
    composite.BitBlt(0, 6, 319, 42, mask, 0, 0, Rop::SrcAnd);
    composite.BitBlt(0, 6, 319, 42, picture, 0, 0, Rop::SrcInvert);

    const Rect shown = word.Translated(0, 6);
    EXPECT_EQ(CountPixels(composite, shown, kLightCyan), word.Width() * word.Height());
    EXPECT_EQ(CountPixels(composite, Rect{0, 0, 320, 54}, kSkin),
              320 * 54 - word.Width() * word.Height() - 1);
    EXPECT_EQ(composite.GetPixel(150, 40), test::kRed);
}

TEST(StretchBltTest, DoublingRepeatsEachSourcePixel) {
    DeviceContext source = PatternContext(2, 2);
    DeviceContext destination = FilledContext(4, 4, kBackground);
    destination.StretchBlt(0, 0, 4, 4, source, 0, 0, 2, 2, Rop::SrcCopy);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(destination.GetPixel(x, y), SourceColor(x / 2, y / 2)) << x << "," << y;
        }
    }
}

TEST(StretchBltTest, HalvingKeepsTheFirstPixelOfEachPair) {
    DeviceContext source = PatternContext(4, 4);
    DeviceContext destination = FilledContext(2, 2, kBackground);
    destination.StretchBlt(0, 0, 2, 2, source, 0, 0, 4, 4, Rop::SrcCopy);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(destination.GetPixel(x, y), SourceColor(2 * x, 2 * y)) << x << "," << y;
        }
    }
}

TEST(StretchBltTest, UnevenScaleSamplesByFloorAndSkipsMissingSource) {
    DeviceContext source = PatternContext(3, 1);
    DeviceContext destination = FilledContext(9, 1, kBackground);
    destination.StretchBlt(0, 0, 7, 1, source, 0, 0, 3, 1, Rop::SrcCopy);
    const int expected[] = {0, 0, 0, 1, 1, 2, 2};
    for (int x = 0; x < 7; ++x) {
        EXPECT_EQ(destination.GetPixel(x, 0), SourceColor(expected[x], 0)) << x;
    }
    EXPECT_EQ(destination.GetPixel(7, 0), kBackground);

    DeviceContext shifted = FilledContext(4, 1, kBackground);
    shifted.StretchBlt(0, 0, 4, 1, source, 2, 0, 2, 1, Rop::SrcCopy);
    EXPECT_EQ(shifted.GetPixel(0, 0), SourceColor(2, 0));
    EXPECT_EQ(shifted.GetPixel(1, 0), SourceColor(2, 0));
    EXPECT_EQ(shifted.GetPixel(2, 0), kBackground);
    EXPECT_EQ(shifted.GetPixel(3, 0), kBackground);
}

} // namespace
} // namespace lumet

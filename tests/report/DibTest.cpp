#include "report/Dib.h"

#include "platform/gdi/DeviceContext.h"
#include "tests/support/FileBytes.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace lumet {
namespace {

using test::Le16;
using test::Le32;

constexpr int kWidth = 360;
constexpr int kHeight = 320;
constexpr std::size_t kPixelOffset = 62;
constexpr std::size_t kStride = 48;

// A monochrome report-sized picture, black except for the given white pixels.
Bitmap MonochromeWith(std::initializer_list<std::pair<int, int>> whitePixels) {
    DeviceContext dc(Bitmap::Monochrome(kWidth, kHeight));
    for (const auto& [x, y] : whitePixels) {
        dc.SetPixel(x, y, Color{255, 255, 255});
    }
    return dc.CurrentBitmap();
}

std::vector<std::uint8_t> FileBytesOf(const Bitmap& bitmap) {
    const std::optional<Dib> dib = BitmapToDib(bitmap);
    if (!dib) {
        ADD_FAILURE() << "no DIB";
        return {};
    }
    return dib->FileBytes();
}

TEST(BitmapToDibTest, ReportPictureHasTheExactFileHeaders) {
    const std::vector<std::uint8_t> file = FileBytesOf(Bitmap::Monochrome(kWidth, kHeight));
    ASSERT_EQ(file.size(), 15422u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le32(file, 2), 15422u) << "file size";
    EXPECT_EQ(Le16(file, 6), 0u);
    EXPECT_EQ(Le16(file, 8), 0u);
    EXPECT_EQ(Le32(file, 10), 62u) << "offset of the pixel rows";
    EXPECT_EQ(Le32(file, 14), 40u) << "header size";
    EXPECT_EQ(Le32(file, 18), 360u);
    EXPECT_EQ(Le32(file, 22), 320u) << "positive: bottom-up";
    EXPECT_EQ(Le16(file, 26), 1u) << "planes";
    EXPECT_EQ(Le16(file, 28), 1u) << "bits per pixel";
    EXPECT_EQ(Le32(file, 30), 0u) << "compression";
    EXPECT_EQ(Le32(file, 34), 15360u) << "image size";
    EXPECT_EQ(Le32(file, 38), 0u) << "horizontal resolution";
    EXPECT_EQ(Le32(file, 42), 0u) << "vertical resolution";
    EXPECT_EQ(Le32(file, 46), 0u) << "colours used";
    EXPECT_EQ(Le32(file, 50), 0u) << "colours important";
    const std::vector<std::uint8_t> palette(file.begin() + 54, file.begin() + 62);
    EXPECT_EQ(palette, (std::vector<std::uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}))
        << "entry 0 black, entry 1 white";
}

TEST(BitmapToDibTest, DibValueMatchesItsBytes) {
    const std::optional<Dib> dib = BitmapToDib(Bitmap::Monochrome(kWidth, kHeight));
    ASSERT_TRUE(dib);
    EXPECT_TRUE(dib->IsConsistent());
    EXPECT_EQ(dib->header.bitCount, 1u);
    EXPECT_EQ(dib->header.imageSize, 15360u);
    EXPECT_EQ(dib->colorTable.size(), 2u);
    EXPECT_EQ(dib->bits.size(), 15360u);
    const std::vector<std::uint8_t> packed = dib->PackedBytes();
    const std::vector<std::uint8_t> file = dib->FileBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 14, file.end()), packed);
}

struct PixelCase {
    int x;
    int y;
    std::size_t fileOffset; // the one byte that changes
    std::uint8_t value;

    friend void PrintTo(const PixelCase& c, std::ostream* out) {
        *out << "pixel (" << c.x << ", " << c.y << ")";
    }
};

class PixelPlacementTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelPlacementTest, OneWhitePixelSetsExactlyOneBit) {
    const PixelCase& c = GetParam();
    const std::vector<std::uint8_t> file = FileBytesOf(MonochromeWith({{c.x, c.y}}));
    ASSERT_EQ(file.size(), 15422u);
    for (std::size_t i = kPixelOffset; i < file.size(); ++i) {
        const std::uint8_t expected = i == c.fileOffset ? c.value : 0;
        ASSERT_EQ(file[i], expected) << "byte " << i << " (row " << (i - kPixelOffset) / kStride
                                     << ", column byte " << (i - kPixelOffset) % kStride << ")";
    }
}

// Rows are stored bottom row first, 48 bytes each; the leftmost pixel of a byte is
// its most significant bit.
INSTANTIATE_TEST_SUITE_P(
    BottomUpMsbFirst, PixelPlacementTest,
    ::testing::Values(PixelCase{0, 0, kPixelOffset + 319 * kStride, 0x80},
                      PixelCase{1, 0, kPixelOffset + 319 * kStride, 0x40},
                      PixelCase{7, 0, kPixelOffset + 319 * kStride, 0x01},
                      PixelCase{8, 0, kPixelOffset + 319 * kStride + 1, 0x80},
                      PixelCase{359, 0, kPixelOffset + 319 * kStride + 44, 0x01},
                      PixelCase{0, 319, kPixelOffset, 0x80},
                      PixelCase{359, 319, kPixelOffset + 44, 0x01},
                      PixelCase{181, 100, kPixelOffset + 219 * kStride + 22, 0x04}));

TEST(BitmapToDibTest, WhiteRowsAreFullBytesWithZeroPadding) {
    DeviceContext dc(Bitmap::Monochrome(kWidth, kHeight));
    dc.FillRect(Rect{0, 0, kWidth, kHeight}, Brush::Solid(Color{255, 255, 255}));
    const std::vector<std::uint8_t> file = FileBytesOf(dc.CurrentBitmap());
    ASSERT_EQ(file.size(), 15422u);
    for (std::size_t row = 0; row < kHeight; ++row) {
        for (std::size_t column = 0; column < kStride; ++column) {
            const std::uint8_t expected = column < 45 ? 0xFF : 0x00;
            ASSERT_EQ(file[kPixelOffset + row * kStride + column], expected)
                << "row " << row << " byte " << column;
        }
    }
}

// The report reduces its colour picture by copying it into a monochrome bitmap from
// a context whose background colour is white: only pure white stays white.
TEST(BitmapToDibTest, ReducedColourPictureKeepsOnlyPureWhite) {
    const Color colours[] = {
        {255, 255, 255}, // white: 1
        {254, 255, 255}, // near white: 0
        {204, 255, 255}, // light cyan: 0
        {128, 128, 128}, // grey: 0
        {0, 0, 0},       // black: 0
        {255, 255, 254}, // near white: 0
    };
    DeviceContext colour(Bitmap(kWidth, kHeight));
    colour.FillRect(Rect{0, 0, kWidth, kHeight}, Brush::Solid(Color{255, 255, 255}));
    for (int i = 0; i < 6; ++i) {
        colour.SetPixel(i, 0, colours[i]);
    }
    colour.SetBkColor(Color{255, 255, 255});
    DeviceContext mono(Bitmap::Monochrome(kWidth, kHeight));
    mono.BitBlt(0, 0, kWidth, kHeight, colour, 0, 0, Rop::SrcCopy);

    const std::vector<std::uint8_t> file = FileBytesOf(mono.CurrentBitmap());
    ASSERT_EQ(file.size(), 15422u);
    // Top row = last row of the file; pixels 0..5 are 1 0 0 0 0 0, 6 and 7 white.
    EXPECT_EQ(file[kPixelOffset + 319 * kStride], 0b1000'0011);
    EXPECT_EQ(file[kPixelOffset + 319 * kStride + 1], 0xFF);
    EXPECT_EQ(file[kPixelOffset], 0xFF) << "the bottom row stays white";
}

TEST(BitmapToDibTest, RowStrideIsPaddedToWholeWords) {
    struct Case {
        int width;
        int bitCount;
        std::uint64_t stride;
    };
    const Case cases[] = {{1, 1, 4},  {32, 1, 4},      {33, 1, 8}, {360, 1, 48},
                          {1, 32, 4}, {360, 32, 1440}, {0, 1, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(Dib::RowStride(c.width, c.bitCount), c.stride)
            << c.width << " pixels of " << c.bitCount << " bits";
    }
}

TEST(BitmapToDibTest, NarrowMonochromeBitmapIsPaddedPerRow) {
    DeviceContext dc(Bitmap::Monochrome(33, 2));
    dc.SetPixel(32, 0, Color{255, 255, 255});
    const std::optional<Dib> dib = BitmapToDib(dc.CurrentBitmap());
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->header.imageSize, 16u);
    EXPECT_EQ(dib->bits, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, //
                                                    0, 0, 0, 0, 0x80, 0, 0, 0}));
}

TEST(BitmapToDibTest, ColourBitmapGivesThirtyTwoBitsBottomUp) {
    DeviceContext dc(Bitmap(2, 2));
    dc.SetPixel(0, 0, Color{0x11, 0x22, 0x33});
    dc.SetPixel(1, 1, Color{0xAA, 0xBB, 0xCC});
    const std::optional<Dib> dib = BitmapToDib(dc.CurrentBitmap());
    ASSERT_TRUE(dib);
    EXPECT_TRUE(dib->IsConsistent());
    EXPECT_EQ(dib->header.bitCount, 32u);
    EXPECT_TRUE(dib->colorTable.empty());
    EXPECT_EQ(dib->bits, (std::vector<std::uint8_t>{0, 0, 0, 0, 0xCC, 0xBB, 0xAA, 0, //
                                                    0x33, 0x22, 0x11, 0, 0, 0, 0, 0}));
    const std::vector<std::uint8_t> file = dib->FileBytes();
    EXPECT_EQ(Le32(file, 10), 54u) << "no colour table";
    EXPECT_EQ(Le32(file, 2), 54u + 16u);
}

TEST(BitmapToDibTest, NullBitmapGivesNothing) {
    EXPECT_FALSE(BitmapToDib(Bitmap()).has_value());
}

TEST(BitmapToDibTest, InconsistentDibIsRecognised) {
    Dib dib = *BitmapToDib(Bitmap::Monochrome(8, 8));
    ASSERT_TRUE(dib.IsConsistent());
    Dib shortRows = dib;
    shortRows.bits.pop_back();
    EXPECT_FALSE(shortRows.IsConsistent());
    Dib noPalette = dib;
    noPalette.colorTable.clear();
    EXPECT_FALSE(noPalette.IsConsistent());
    Dib wrongSize = dib;
    wrongSize.header.imageSize = 0;
    EXPECT_FALSE(wrongSize.IsConsistent());
}

} // namespace
} // namespace lumet

#include "platform/export/win32/PackedDib.h"

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>
#include <vector>

// The packed DIB the clipboard and the printer get, read back byte by byte.

namespace lumet {
namespace {

using test::Le16;
using test::Le32;

// A picture whose every pixel differs from the others in each of its three colours,
// so a byte read from the wrong place or channel shows.
Bitmap Distinct(int width, int height) {
    std::vector<PixelWord> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(Color{static_cast<std::uint8_t>(0xA0 + x),
                                   static_cast<std::uint8_t>(0x50 + y),
                                   static_cast<std::uint8_t>(0x10 + 8 * y + x)}
                                 .ToPixel());
        }
    }
    return Bitmap::FromPixels(width, height, pixels);
}

struct HeaderRow {
    const char* fault;
    std::size_t offset; // of the field in BITMAPINFOHEADER
    int bytes;
    std::uint32_t value; // for a 5 x 3 picture
};

class PackedDibHeader : public testing::TestWithParam<HeaderRow> {};

TEST_P(PackedDibHeader, DescribesTheRowsThatFollow) {
    const HeaderRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const std::vector<std::uint8_t> dib = PackDib(Distinct(5, 3));
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(row.bytes == 2 ? Le16(dib, row.offset) : Le32(dib, row.offset), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    PackDib, PackedDibHeader,
    testing::Values(HeaderRow{"a header size readers skip the wrong number of bytes for", 0, 4, 40},
                    HeaderRow{"the width lost or swapped with the height", 4, 4, 5},
                    HeaderRow{"a negative height: the picture pasted upside down", 8, 4, 3},
                    HeaderRow{"more than one plane, which readers refuse", 12, 2, 1},
                    HeaderRow{"a bit count that does not match the rows", 14, 2, 24},
                    HeaderRow{"a compression the rows are not in", 16, 4, 0},
                    HeaderRow{"an image size without the row padding", 20, 4, 48},
                    HeaderRow{"a colour table announced that is not there", 32, 4, 0}));

struct LayoutRow {
    const char* fault;
    int width;
    int height;
    std::size_t stride; // bytes per row, padding included
};

class PackedDibLayout : public testing::TestWithParam<LayoutRow> {};

// Every pixel lands bottom row first, blue, green, red, and every padding byte is 0.
TEST_P(PackedDibLayout, PutsEachPixelInItsRowAndPadsRowsToWords) {
    const LayoutRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const Bitmap picture = Distinct(row.width, row.height);
    const std::vector<std::uint8_t> dib = PackDib(picture);
    ASSERT_EQ(dib.size(), 40 + row.stride * row.height);
    for (int y = 0; y < row.height; ++y) {
        const std::size_t start = 40 + row.stride * (row.height - 1 - y);
        for (int x = 0; x < row.width; ++x) {
            const Color pixel = picture.Pixel(x, y);
            const std::size_t at = start + 3 * x;
            EXPECT_EQ(dib[at], pixel.blue) << "blue of (" << x << ", " << y << ")";
            EXPECT_EQ(dib[at + 1], pixel.green) << "green of (" << x << ", " << y << ")";
            EXPECT_EQ(dib[at + 2], pixel.red) << "red of (" << x << ", " << y << ")";
        }
        for (std::size_t pad = 3 * row.width; pad < row.stride; ++pad) {
            EXPECT_EQ(dib[start + pad], 0) << "padding byte " << pad << " of row " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    PackDib, PackedDibLayout,
    testing::Values(LayoutRow{"a single pixel's row left unpadded", 1, 1, 4},
                    LayoutRow{"two pixels padded to 7 or 9 bytes", 2, 2, 8},
                    LayoutRow{"an odd width's rows run together", 3, 2, 12},
                    LayoutRow{"a width of whole words given padding it must not have", 4, 3, 12},
                    LayoutRow{"rows stored top first", 5, 3, 16},
                    LayoutRow{"a wide odd row padded by its pixel count, not its bytes", 361, 2,
                              1084}));

} // namespace
} // namespace lumet

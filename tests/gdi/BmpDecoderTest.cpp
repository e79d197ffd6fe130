#include "platform/gdi/BmpDecoder.h"

#include "platform/gdi/Bitmap.h"

#include <QImage>
#include <QString>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lumet {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Le16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void Le32(Bytes& out, std::uint32_t value) {
    Le16(out, value & 0xFFFFu);
    Le16(out, value >> 16);
}

// The fields of a .bmp file that the cases vary; the rest are written as any
// writer writes them.
struct BmpFields {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    // Written after the header: masks and color table, in the file's own layout.
    Bytes afterHeader{};
    // The pixel rows exactly as stored, padding included.
    Bytes rows{};
};

Bytes FileOf(const BmpFields& f) {
    Bytes header;
    Le32(header, f.headerSize);
    if (f.headerSize == 12) {
        Le16(header, static_cast<std::uint32_t>(f.width));
        Le16(header, static_cast<std::uint32_t>(f.height));
        Le16(header, 1);
        Le16(header, f.bitCount);
    } else {
        Le32(header, static_cast<std::uint32_t>(f.width));
        Le32(header, static_cast<std::uint32_t>(f.height));
        Le16(header, 1);
        Le16(header, f.bitCount);
        Le32(header, f.compression);
        Le32(header, static_cast<std::uint32_t>(f.rows.size()));
        Le32(header, 2835);
        Le32(header, 2835);
        Le32(header, f.colorsUsed);
        Le32(header, 0);
        header.resize(f.headerSize, 0);
    }
    const std::uint32_t offset =
        static_cast<std::uint32_t>(14 + header.size() + f.afterHeader.size());
    Bytes file{'B', 'M'};
    Le32(file, static_cast<std::uint32_t>(offset + f.rows.size()));
    Le32(file, 0);
    Le32(file, offset);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), f.afterHeader.begin(), f.afterHeader.end());
    file.insert(file.end(), f.rows.begin(), f.rows.end());
    return file;
}

Bytes Quads(std::initializer_list<std::uint32_t> rrggbb) {
    Bytes out;
    for (const std::uint32_t color : rrggbb) {
        Le32(out, color & 0xFFFFFFu);
    }
    return out;
}

struct Expected {
    int x;
    int y;
    std::uint32_t rrggbb;
};

struct LayoutCase {
    const char* name;
    const char* fault;
    Bytes file;
    int width;
    int height;
    bool monochrome;
    std::vector<Expected> pixels;
};

// A version 5 header, which holds the masks itself right after its first 40 bytes.
Bytes WithV5Masks(BmpFields f, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    f.headerSize = 124;
    f.compression = 3;
    Bytes file = FileOf(f);
    Bytes masks;
    Le32(masks, red);
    Le32(masks, green);
    Le32(masks, blue);
    std::copy(masks.begin(), masks.end(), file.begin() + 14 + 40);
    return file;
}

std::vector<LayoutCase> LayoutCases() {
    return {
        {"OneBitAcrossAByte",
         "bits read from the wrong end of a byte, or the ninth pixel "
         "taken from the first byte",
         FileOf({.width = 9,
                 .height = 1,
                 .bitCount = 1,
                 .afterHeader = Quads({0x000000, 0xFFFFFF}),
                 .rows = {0x80, 0x80, 0, 0}}),
         9,
         1,
         true,
         {{0, 0, 0xFFFFFF}, {1, 0, 0x000000}, {7, 0, 0x000000}, {8, 0, 0xFFFFFF}}},
        {"OneBitWithADarkTable",
         "monochrome pixels copied from the table instead of made "
         "black or white by brightness",
         FileOf({.width = 2,
                 .height = 1,
                 .bitCount = 1,
                 .afterHeader = Quads({0x202020, 0xC0C0C0}),
                 .rows = {0x40, 0, 0, 0}}),
         2,
         1,
         true,
         {{0, 0, 0x000000}, {1, 0, 0xFFFFFF}}},
        {"FourBitShortTable",
         "an index past a short color table read beyond the table",
         FileOf({.width = 3,
                 .height = 1,
                 .bitCount = 4,
                 .colorsUsed = 2,
                 .afterHeader = Quads({0x0000FF, 0x00FF00}),
                 .rows = {0x01, 0x50, 0, 0}}),
         3,
         1,
         false,
         {{0, 0, 0x0000FF}, {1, 0, 0x00FF00}, {2, 0, 0x000000}}},
        {"EightBitBottomUp",
         "rows taken in stored order for a bottom-up file",
         FileOf({.width = 1,
                 .height = 2,
                 .bitCount = 8,
                 .colorsUsed = 2,
                 .afterHeader = Quads({0x112233, 0x445566}),
                 .rows = {0, 0, 0, 0, 1, 0, 0, 0}}),
         1,
         2,
         false,
         {{0, 0, 0x445566}, {0, 1, 0x112233}}},
        {"EightBitTopDown",
         "a negative height read as bottom-up, or rejected",
         FileOf({.width = 1,
                 .height = -2,
                 .bitCount = 8,
                 .colorsUsed = 2,
                 .afterHeader = Quads({0x112233, 0x445566}),
                 .rows = {0, 0, 0, 0, 1, 0, 0, 0}}),
         1,
         2,
         false,
         {{0, 0, 0x112233}, {0, 1, 0x445566}}},
        {"TwentyFourBitPaddedRows",
         "rows not padded to whole words, or red and blue swapped",
         FileOf({.width = 3,
                 .height = 2,
                 .bitCount = 24,
                 .rows = {0x01, 0x02, 0x03, 0, 0, 0, 0x40, 0x50, 0x60, 0xEE, 0xEE, 0xEE,
                          0x0A, 0x0B, 0x0C, 0, 0, 0, 0,    0,    0,    0xEE, 0xEE, 0xEE}}),
         3,
         2,
         false,
         {{0, 1, 0x030201}, {2, 1, 0x605040}, {0, 0, 0x0C0B0A}, {2, 0, 0}}},
        {"SixteenBitFiveFiveFive",
         "five-bit channels not widened to a full 255",
         FileOf({.width = 2, .height = 1, .bitCount = 16, .rows = {0xFF, 0x7F, 0x1F, 0x00}}),
         2,
         1,
         false,
         {{0, 0, 0xFFFFFF}, {1, 0, 0x0000FF}}},
        {"SixteenBitFieldsAfterTheHeader",
         "masks after a 40-byte header ignored, so green "
         "gets five bits instead of six",
         FileOf({.width = 2,
                 .height = 1,
                 .bitCount = 16,
                 .compression = 3,
                 .afterHeader = Quads({0xF800, 0x07E0, 0x001F}),
                 .rows = {0xE0, 0x07, 0x20, 0x00}}),
         2,
         1,
         false,
         {{0, 0, 0x00FF00}, {1, 0, 0x000400}}},
        {"ThirtyTwoBitBgrx",
         "the fourth byte taken as a color",
         FileOf({.width = 1, .height = 1, .bitCount = 32, .rows = {0x10, 0x20, 0x30, 0x99}}),
         1,
         1,
         false,
         {{0, 0, 0x302010}}},
        {"ThirtyTwoBitFieldsInAVersionFiveHeader",
         "masks looked for after a header that "
         "holds them itself",
         WithV5Masks({.width = 1, .height = 1, .bitCount = 32, .rows = {0x11, 0x22, 0x33, 0x44}},
                     0x000000FFu, 0x0000FF00u, 0x00FF0000u),
         1,
         1,
         false,
         {{0, 0, 0x112233}}},
        {"CoreHeaderThreeByteTable",
         "an OS/2 table read in four-byte entries",
         FileOf({.headerSize = 12,
                 .width = 2,
                 .height = 1,
                 .bitCount = 8,
                 .afterHeader =
                     [] {
                         Bytes table(3 * 256, 0);
                         table[3] = 0x33; // entry 1: blue, green, red
                         table[4] = 0x22;
                         table[5] = 0x11;
                         return table;
                     }(),
                 .rows = {1, 0, 0, 0}}),
         2,
         1,
         false,
         {{0, 0, 0x112233}, {1, 0, 0x000000}}},
    };
}

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class BmpLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BmpLayoutTest, DecodesThePixelsTheFileHolds) {
    const LayoutCase& c = GetParam();
    const Bitmap bitmap = Bitmap::Decode(c.file);
    ASSERT_FALSE(bitmap.IsNull()) << c.fault;
    EXPECT_EQ(bitmap.Width(), c.width) << c.fault;
    EXPECT_EQ(bitmap.Height(), c.height) << c.fault;
    EXPECT_EQ(bitmap.IsMonochrome(), c.monochrome) << c.fault;
    for (const Expected& e : c.pixels) {
        EXPECT_EQ(bitmap.Pixel(e.x, e.y), Color::FromHex(e.rrggbb))
            << c.fault << " at (" << e.x << ", " << e.y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, BmpLayoutTest, ::testing::ValuesIn(LayoutCases()),
                         [](const auto& row) { return row.param.name; });

struct RejectedCase {
    const char* name;
    const char* fault;
    Bytes file;
};

Bytes Truncated(Bytes file, std::size_t count) {
    file.resize(file.size() - count);
    return file;
}

Bytes WithByte(Bytes file, std::size_t offset, std::uint8_t value) {
    file[offset] = value;
    return file;
}

const BmpFields kOnePixel{.width = 1, .height = 1, .bitCount = 24, .rows = {1, 2, 3, 0}};

std::vector<RejectedCase> RejectedCases() {
    return {
        {"NotABitmapFile", "any file taken for a bitmap", WithByte(FileOf(kOnePixel), 1, 'A')},
        {"RowsCutShort", "pixels read past the end of the file", Truncated(FileOf(kOnePixel), 1)},
        {"HeaderCutShort", "header fields read past the end of the file",
         Truncated(FileOf(kOnePixel), FileOf(kOnePixel).size() - 20)},
        {"UnknownHeaderSize", "a header of unknown layout read as a known one",
         FileOf({.headerSize = 20, .width = 1, .height = 1, .rows = {1, 2, 3, 0}})},
        {"TwoBitsPerPixel", "an unsupported depth decoded as garbage",
         FileOf({.width = 1, .height = 1, .bitCount = 2, .rows = {0, 0, 0, 0}})},
        {"RunLengthEncoded", "compressed rows read as plain ones",
         FileOf({.width = 1, .height = 1, .bitCount = 8, .compression = 1, .rows = {1, 0, 0, 1}})},
        {"BitFieldsOnIndexedPixels", "masks applied to palette indexes",
         FileOf({.width = 1,
                 .height = 1,
                 .bitCount = 8,
                 .compression = 3,
                 .afterHeader = Quads({0xFF0000, 0xFF00, 0xFF}),
                 .rows = {0, 0, 0, 0}})},
        {"ZeroWidth", "an empty bitmap made from an empty header",
         FileOf({.width = 0, .height = 1, .rows = {}})},
        {"MostNegativeHeight", "the row count's negation overflowing",
         FileOf({.width = 1, .height = INT32_MIN, .rows = {1, 2, 3, 0}})},
        {"HugeSizeSmallFile",
         "memory for the header's size taken before the rows are "
         "known to be there",
         FileOf({.width = 30000, .height = 30000, .rows = {1, 2, 3, 0}})},
        {"PixelOffsetPastTheEnd", "rows read from beyond the file",
         WithByte(FileOf(kOnePixel), 13, 0x7F)},
    };
}

void PrintTo(const RejectedCase& c, std::ostream* out) {
    *out << c.name;
}

class BmpRejectedTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(BmpRejectedTest, GivesANullBitmap) {
    const RejectedCase& c = GetParam();
    EXPECT_TRUE(Bitmap::Decode(c.file).IsNull()) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(Malformed, BmpRejectedTest, ::testing::ValuesIn(RejectedCases()),
                         [](const auto& row) { return row.param.name; });

// Every byte of a small valid file's headers and table set to each of a few values:
// whatever the decoder makes of it, it stays inside the file and its own size.
TEST(BmpDecoderTest, DamagedHeadersNeverLeadOutsideTheFile) {
    const Bytes valid = FileOf({.width = 5,
                                .height = 3,
                                .bitCount = 4,
                                .afterHeader = Quads({0x000000, 0xFF0000, 0x00FF00, 0x0000FF}),
                                .rows = Bytes(12, 0x12)});
    const std::size_t headers = valid.size() - 12;
    for (std::size_t offset = 0; offset < headers; ++offset) {
        for (const std::uint8_t value :
             std::initializer_list<std::uint8_t>{0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            const std::optional<DecodedBmp> decoded =
                BmpDecoder::Decode(WithByte(valid, offset, value));
            if (decoded) {
                ASSERT_EQ(decoded->pixels.size(), static_cast<std::size_t>(decoded->width) *
                                                      static_cast<std::size_t>(decoded->height))
                    << "byte " << offset << " = " << int{value};
            }
        }
    }
}

// Qt's reader as a second opinion on every picture the program ships.
TEST(BmpDecoderTest, EveryShippedBitmapReadsAsQtReadsIt) {
    int compared = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(LUMET_RES_DIR) / "bitmaps")) {
        const std::string file = entry.path().string();
        const QImage reference =
            QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
        const Bitmap bitmap = Bitmap::Load(entry.path());
        ASSERT_FALSE(reference.isNull()) << file;
        ASSERT_FALSE(bitmap.IsNull()) << file;
        ASSERT_EQ(bitmap.Width(), reference.width()) << file;
        ASSERT_EQ(bitmap.Height(), reference.height()) << file;
        for (int y = 0; y < reference.height(); ++y) {
            for (int x = 0; x < reference.width(); ++x) {
                ASSERT_EQ(bitmap.Pixel(x, y), Color::FromPixel(reference.pixel(x, y)))
                    << file << " at (" << x << ", " << y << ")";
            }
        }
        ++compared;
    }
    EXPECT_GT(compared, 50);
}

} // namespace
} // namespace lumet

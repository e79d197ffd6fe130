#pragma once

#include "platform/gdi/Bitmap.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace lumet {

// The information header of an uncompressed device-independent bitmap
// (BITMAPINFOHEADER), field for field.
struct DibHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: the rows are stored bottom-up
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;

    friend bool operator==(const DibHeader&, const DibHeader&) = default;
};

// One colour-table entry (RGBQUAD), stored blue first.
struct DibColor {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    friend bool operator==(DibColor, DibColor) = default;
};

// A packed device-independent bitmap: header, colour table and pixel rows, the
// block a .bmp file carries after its 14-byte file header.
struct Dib {
    static constexpr std::uint32_t kHeaderSize = 40;
    static constexpr std::uint32_t kFileHeaderSize = 14;

    DibHeader header;
    std::vector<DibColor> colorTable;
    std::vector<std::uint8_t> bits;

    // Bytes per pixel row: rows are padded to whole 32-bit words.
    static std::uint64_t RowStride(std::int64_t width, int bitCount);
    // Colour-table entries a bit count calls for: 2^bitCount up to 256, else none.
    static std::uint32_t ColorCount(int bitCount);

    // Whether the colour table and the rows have the sizes the header calls for.
    bool IsConsistent() const;

    // Header, colour table and rows, little-endian, without padding between them.
    std::vector<std::uint8_t> PackedBytes() const;
    // The .bmp file: the 14-byte file header ("BM", file size, pixel offset), then
    // the packed block.
    std::vector<std::uint8_t> FileBytes() const;
};

// The bitmap as an uncompressed DIB with positive height (bottom row first).
// A monochrome bitmap gives one bit per pixel, the leftmost pixel in the most
// significant bit, 1 for white and 0 for every other pixel, with the colour table
// black, white. A colour bitmap gives 32 bits per pixel (blue, green, red, 0) and
// no colour table. Nothing for a null bitmap or one too large for the format.
std::optional<Dib> BitmapToDib(const Bitmap& bitmap);

// Writes dib as a .bmp file. The file is replaced as a whole or not at all, so a
// failure never leaves a truncated picture and keeps an existing one. Returns
// false when the file could not be written or dib is not consistent; `why`, when
// given, then says what failed.
bool WriteDibFile(const Dib& dib, const std::filesystem::path& file,
                  std::error_code* why = nullptr);

} // namespace lumet

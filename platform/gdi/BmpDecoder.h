#pragma once

#include "platform/gdi/Color.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumet {

// The pixels of a decoded .bmp file, top row first, each 0xFFRRGGBB.
struct DecodedBmp {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::vector<PixelWord> pixels;
};

// Reads an uncompressed .bmp file: the OS/2 core header or a Windows information
// header of any version, 1, 4, 8, 16, 24 or 32 bits per pixel, bit fields for 16 and
// 32, bottom-up or top-down rows. Anything else (compressed rows, a file shorter
// than its headers say, pictures larger than kMaxPixels) gives nothing: the bytes
// may come from any file on disk, so nothing in them is trusted.
class BmpDecoder {
public:
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

    static std::optional<DecodedBmp> Decode(std::span<const std::uint8_t> file);
};

} // namespace lumet

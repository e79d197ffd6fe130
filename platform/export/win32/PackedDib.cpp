#include "platform/export/win32/PackedDib.h"

#include <cstring>
#include <limits>
#include <windows.h>

namespace lumet {

static_assert(sizeof(BITMAPINFOHEADER) == kPackedDibRowsOffset);

std::vector<std::uint8_t> PackDib(const Bitmap& bitmap) {
    if (bitmap.IsNull()) {
        return {};
    }
    const auto width = static_cast<std::uint64_t>(bitmap.Width());
    const auto height = static_cast<std::uint64_t>(bitmap.Height());
    const std::uint64_t stride = (width * 3 + 3) & ~std::uint64_t{3};
    const std::uint64_t imageSize = stride * height;
    if (imageSize > std::numeric_limits<DWORD>::max() - kPackedDibRowsOffset) {
        return {};
    }

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = bitmap.Width();
    header.biHeight = bitmap.Height(); // positive: bottom row first
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(imageSize);

    std::vector<std::uint8_t> dib(kPackedDibRowsOffset + imageSize, 0);
    std::memcpy(dib.data(), &header, sizeof header);
    const std::span<const PixelWord> pixels = bitmap.Pixels();
    for (std::uint64_t y = 0; y < height; ++y) {
        std::uint8_t* out = dib.data() + kPackedDibRowsOffset + (height - 1 - y) * stride;
        for (std::uint64_t x = 0; x < width; ++x) {
            const PixelWord pixel = pixels[y * width + x];
            *out++ = static_cast<std::uint8_t>(pixel & 0xFFu);
            *out++ = static_cast<std::uint8_t>((pixel >> 8) & 0xFFu);
            *out++ = static_cast<std::uint8_t>((pixel >> 16) & 0xFFu);
        }
    }
    return dib;
}

} // namespace lumet

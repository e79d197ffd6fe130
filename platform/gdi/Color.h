#pragma once

#include <QtGui/qrgb.h>
#include <cstdint>

namespace lumet {

// An RGB color, as a COLORREF carries it to the drawing calls.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // From the 0xRRGGBB notation the artwork and the displays are described in.
    static constexpr Color FromHex(std::uint32_t rrggbb) {
        return Color{static_cast<std::uint8_t>((rrggbb >> 16) & 0xFFu),
                     static_cast<std::uint8_t>((rrggbb >> 8) & 0xFFu),
                     static_cast<std::uint8_t>(rrggbb & 0xFFu)};
    }

    static constexpr Color FromQRgb(QRgb value) { return FromHex(value & 0xFFFFFFu); }

    // Opaque, as every pixel of a Bitmap is.
    constexpr QRgb ToQRgb() const {
        return 0xFF000000u | (static_cast<QRgb>(red) << 16) | (static_cast<QRgb>(green) << 8) |
               static_cast<QRgb>(blue);
    }

    friend constexpr bool operator==(Color, Color) = default;
};

} // namespace lumet

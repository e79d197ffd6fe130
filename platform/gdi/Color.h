#pragma once

#include <cstdint>

namespace lumet {

// A pixel as a Bitmap stores it: 0xFFRRGGBB in one 32-bit word. In memory that is
// blue, green, red, 0xFF: the layout of a 32-bit device-independent bitmap, which
// window systems take as it is.
using PixelWord = std::uint32_t;

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

    static constexpr Color FromPixel(PixelWord value) { return FromHex(value & 0xFFFFFFu); }

    // Opaque, as every pixel of a Bitmap is.
    constexpr PixelWord ToPixel() const {
        return 0xFF000000u | (static_cast<PixelWord>(red) << 16) |
               (static_cast<PixelWord>(green) << 8) | static_cast<PixelWord>(blue);
    }

    // The brightness 0 … 255 that decides whether the color is white or black in a
    // monochrome bitmap: 128 and above is white.
    constexpr int Gray() const { return (red * 11 + green * 16 + blue * 5) / 32; }

    friend constexpr bool operator==(Color, Color) = default;
};

} // namespace lumet

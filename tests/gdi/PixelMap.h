#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Rect.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumet::test {

using Legend = std::vector<std::pair<char, Color>>;

// The pixels of rect, one string per row, each pixel shown as the legend's
// character for its color ('?' for a color the legend lacks, ' ' outside the
// bitmap). Comparing these maps prints the whole picture when a test fails.
inline std::vector<std::string> PixelMap(const DeviceContext& dc, const Rect& rect,
                                         const Legend& legend) {
    std::vector<std::string> rows;
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::string row;
        for (int x = rect.left; x < rect.right; ++x) {
            const auto pixel = dc.GetPixel(x, y);
            char shown = pixel ? '?' : ' ';
            for (const auto& [symbol, color] : legend) {
                if (pixel && *pixel == color) {
                    shown = symbol;
                    break;
                }
            }
            row.push_back(shown);
        }
        rows.push_back(row);
    }
    return rows;
}

// The rows of a picture written one per line in a raw string literal; the line
// break after the opening delimiter is not a row.
inline std::vector<std::string> Picture(std::string_view text) {
    std::vector<std::string> rows;
    std::size_t start = text.starts_with('\n') ? 1 : 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        rows.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return rows;
}

// A context holding a width × height color bitmap filled with color.
inline DeviceContext FilledContext(int width, int height, Color color) {
    DeviceContext dc{Bitmap(width, height)};
    dc.FillRect(Rect{0, 0, width, height}, Brush::Solid(color));
    return dc;
}

// A context whose every pixel takes the color pattern gives it, so that a test can
// tell where each copied pixel came from.
inline DeviceContext PatternContext(int width, int height, Color (*pattern)(int, int)) {
    DeviceContext dc{Bitmap(width, height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            dc.SetPixel(x, y, pattern(x, y));
        }
    }
    return dc;
}

// How many pixels of rect have exactly this color.
inline int CountPixels(const DeviceContext& dc, const Rect& rect, Color color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (dc.GetPixel(x, y) == color) {
                ++count;
            }
        }
    }
    return count;
}

constexpr Color kBlack = Color::FromHex(0x000000);
constexpr Color kWhite = Color::FromHex(0xFFFFFF);
constexpr Color kLightCyan = Color::FromHex(0xCCFFFF);
constexpr Color kRed = Color::FromHex(0xFF0000);
constexpr Color kGreen = Color::FromHex(0x007F00);
constexpr Color kOrange = Color::FromHex(0xCC7F00);
constexpr Color kSkin = Color::FromHex(0x203040);
constexpr Color kSkinXorCyan = Color::FromHex(0x203040 ^ 0xCCFFFF);

} // namespace lumet::test

#pragma once

#include "platform/gdi/Color.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace lumet {

// A bitmap of 0xFFRRGGBB pixels, either a color bitmap or a monochrome one (every
// pixel black or white). The kind matters when a BitBlt crosses kinds: monochrome
// pixels take the destination's text and background colors, color pixels become
// white where they equal the source's background color.
// A null bitmap stands for one that could not be created or loaded: drawing into
// it and copying from it change nothing.
// Copies share their pixels until one of them is drawn into.
class Bitmap {
public:
    Bitmap() = default;

    // A color bitmap, black until something is drawn into it.
    Bitmap(int width, int height);

    // A monochrome bitmap, all 0 (black).
    static Bitmap Monochrome(int width, int height);

    // A color bitmap holding `pixels`, rows top to bottom; the top byte of each is
    // ignored. Null when the count does not match the size.
    static Bitmap FromPixels(int width, int height, std::span<const PixelWord> pixels);

    // Decodes a .bmp file (see BmpDecoder); null when it cannot be read. One-bit
    // pictures become monochrome bitmaps, as LoadBitmap keeps them.
    static Bitmap Decode(std::span<const std::uint8_t> file);
    static Bitmap Load(const std::filesystem::path& path);
    // One of the program's embedded bitmaps, by resource name or number ("RUNU",
    // 129); null when there is none.
    static Bitmap LoadResource(std::string_view name);
    static Bitmap LoadResource(int number);

    bool IsNull() const { return pixels_ == nullptr; }
    bool IsMonochrome() const { return monochrome_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The pixel at (x, y), which must lie inside the bitmap.
    Color Pixel(int x, int y) const;

    // All pixels, rows top to bottom, Width() words each, every word 0xFFRRGGBB.
    std::span<const PixelWord> Pixels() const;

    // Same kind, size and pixels.
    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    friend class DeviceContext;

    Bitmap(int width, int height, bool monochrome, std::vector<PixelWord> pixels);

    const PixelWord* Row(int y) const;
    // The row to draw into; it first gives this bitmap pixels of its own.
    PixelWord* MutableRow(int y);

    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
    std::shared_ptr<std::vector<PixelWord>> pixels_;
};

} // namespace lumet

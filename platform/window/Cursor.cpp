#include "platform/window/Cursor.h"

#include <algorithm>
#include <cstring>

namespace lumet {

namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// The signature, then the IHDR chunk's length and type, then its width and height.
constexpr std::size_t kWidthOffset = 16;
constexpr std::size_t kHeaderEnd = 24;
// The system's cursors are at most this big; a larger one is not a cursor.
constexpr std::uint32_t kLargestSide = 256;

std::uint32_t BigEndianAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

} // namespace

Cursor Cursor::FromPng(std::span<const std::uint8_t> png, Point hotSpot) {
    if (png.size() < kHeaderEnd ||
        std::memcmp(png.data(), kPngSignature, sizeof(kPngSignature)) != 0 ||
        std::memcmp(png.data() + 12, "IHDR", 4) != 0) {
        return Arrow();
    }
    const std::uint32_t width = BigEndianAt(png, kWidthOffset);
    const std::uint32_t height = BigEndianAt(png, kWidthOffset + 4);
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
        return Arrow();
    }
    Cursor cursor(Shape::Picture);
    cursor.width_ = static_cast<int>(width);
    cursor.height_ = static_cast<int>(height);
    cursor.hotSpot_ = Point{std::clamp(hotSpot.x, 0, cursor.width_ - 1),
                            std::clamp(hotSpot.y, 0, cursor.height_ - 1)};
    cursor.png_ = std::make_shared<const std::vector<std::uint8_t>>(png.begin(), png.end());
    return cursor;
}

std::span<const std::uint8_t> Cursor::Png() const {
    return png_ ? std::span<const std::uint8_t>(*png_) : std::span<const std::uint8_t>();
}

} // namespace lumet

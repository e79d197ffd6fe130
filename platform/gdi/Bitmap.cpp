#include "platform/gdi/Bitmap.h"

#include "platform/gdi/BmpDecoder.h"
#include "res/Resources.h"

#include <algorithm>
#include <cassert>
#include <fstream>
#include <iterator>
#include <string>

namespace lumet {

namespace {

constexpr PixelWord kBlack = 0xFF000000u;
constexpr PixelWord kWhite = 0xFFFFFFFFu;
// Larger than any bitmap file BmpDecoder accepts.
constexpr std::uintmax_t kMaxFileSize =
    4 * static_cast<std::uintmax_t>(BmpDecoder::kMaxPixels) + (1u << 20);

} // namespace

Bitmap::Bitmap(int width, int height, bool monochrome, std::vector<PixelWord> pixels)
    : width_(width), height_(height), monochrome_(monochrome),
      pixels_(std::make_shared<std::vector<PixelWord>>(std::move(pixels))) {}

Bitmap::Bitmap(int width, int height) {
    if (width > 0 && height > 0) {
        *this =
            Bitmap(width, height, false,
                   std::vector<PixelWord>(
                       static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlack));
    }
}

Bitmap Bitmap::Monochrome(int width, int height) {
    Bitmap bitmap(width, height);
    bitmap.monochrome_ = !bitmap.IsNull();
    return bitmap;
}

Bitmap Bitmap::FromPixels(int width, int height, std::span<const PixelWord> pixels) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return {};
    }
    std::vector<PixelWord> opaque(pixels.begin(), pixels.end());
    for (PixelWord& pixel : opaque) {
        pixel |= kBlack;
    }
    return Bitmap(width, height, false, std::move(opaque));
}

Bitmap Bitmap::Decode(std::span<const std::uint8_t> file) {
    std::optional<DecodedBmp> decoded = BmpDecoder::Decode(file);
    if (!decoded) {
        return {};
    }
    const bool monochrome = decoded->bitCount == 1;
    if (monochrome) {
        // Keep a one-bit picture two-valued even if its color table is not pure
        // black and white: each index becomes whichever of the two its color is nearer.
        for (PixelWord& pixel : decoded->pixels) {
            pixel = Color::FromPixel(pixel).Gray() >= 128 ? kWhite : kBlack;
        }
    }
    return Bitmap(decoded->width, decoded->height, monochrome, std::move(decoded->pixels));
}

Bitmap Bitmap::Load(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileSize) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return in.bad() ? Bitmap{} : Decode(bytes);
}

Bitmap Bitmap::LoadResource(std::string_view name) {
    if (name.empty()) {
        return {};
    }
    return Decode(FindResource("bitmaps/" + std::string(name) + ".bmp"));
}

Bitmap Bitmap::LoadResource(int number) {
    return LoadResource(std::to_string(number));
}

Color Bitmap::Pixel(int x, int y) const {
    assert(x >= 0 && y >= 0 && x < Width() && y < Height());
    return Color::FromPixel(Row(y)[x]);
}

std::span<const PixelWord> Bitmap::Pixels() const {
    if (IsNull()) {
        return {};
    }
    return *pixels_;
}

const PixelWord* Bitmap::Row(int y) const {
    return pixels_->data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
}

PixelWord* Bitmap::MutableRow(int y) {
    if (pixels_.use_count() > 1) {
        pixels_ = std::make_shared<std::vector<PixelWord>>(*pixels_);
    }
    return pixels_->data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.IsNull() || b.IsNull()) {
        return a.IsNull() == b.IsNull();
    }
    const std::span<const PixelWord> left = a.Pixels();
    const std::span<const PixelWord> right = b.Pixels();
    return a.width_ == b.width_ && a.height_ == b.height_ && a.monochrome_ == b.monochrome_ &&
           std::equal(left.begin(), left.end(), right.begin(), right.end());
}

} // namespace lumet

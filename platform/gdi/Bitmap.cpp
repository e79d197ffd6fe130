#include "platform/gdi/Bitmap.h"

#include "res/Resources.h"

#include <cassert>
#include <string>

namespace lumet {

namespace {

QImage BlankImage(int width, int height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    return image;
}

} // namespace

Bitmap::Bitmap(int width, int height) : image_(BlankImage(width, height)) {}

Bitmap Bitmap::Monochrome(int width, int height) {
    return Bitmap(BlankImage(width, height), true);
}

Bitmap Bitmap::LoadResource(std::string_view name) {
    if (name.empty()) {
        return {};
    }
    const std::span<const std::uint8_t> bytes =
        FindResource("bitmaps/" + std::string(name) + ".bmp");
    return FromLoaded(QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"));
}

Bitmap Bitmap::LoadResource(int number) {
    return LoadResource(std::to_string(number));
}

Bitmap Bitmap::Load(const QString& path) {
    return FromLoaded(QImage(path));
}

Bitmap Bitmap::FromLoaded(const QImage& loaded) {
    if (loaded.isNull()) {
        return {};
    }
    if (loaded.depth() != 1) {
        return FromImage(loaded);
    }
    // Keep a one-bit picture two-valued even if its color table is not pure black
    // and white: each index becomes whichever of the two its color is nearer.
    QImage image(loaded.size(), QImage::Format_RGB32);
    for (int y = 0; y < loaded.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < loaded.width(); ++x) {
            row[x] = qGray(loaded.pixel(x, y)) >= 128 ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    return Bitmap(std::move(image), true);
}

Bitmap Bitmap::FromImage(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    // Format_RGB32 requires the top byte to be 0xFF; some sources leave it unset.
    for (int y = 0; y < converted.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(converted.scanLine(y));
        for (int x = 0; x < converted.width(); ++x) {
            row[x] |= 0xFF000000u;
        }
    }
    return Bitmap(std::move(converted), false);
}

Color Bitmap::Pixel(int x, int y) const {
    assert(x >= 0 && y >= 0 && x < Width() && y < Height());
    return Color::FromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

} // namespace lumet

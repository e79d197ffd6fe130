#include "platform/qtgdi/BitmapImage.h"

namespace lumet {

QImage ImageView(const Bitmap& bitmap) {
    if (bitmap.IsNull()) {
        return {};
    }
    // Bitmap pixels are 0xFFRRGGBB words, exactly what Format_RGB32 holds.
    return QImage(reinterpret_cast<const uchar*>(bitmap.Pixels().data()), bitmap.Width(),
                  bitmap.Height(), static_cast<qsizetype>(bitmap.Width()) * 4,
                  QImage::Format_RGB32);
}

Bitmap BitmapFromImage(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    const QImage converted = image.convertToFormat(QImage::Format_RGB32);
    std::vector<PixelWord> pixels;
    pixels.reserve(static_cast<std::size_t>(converted.width()) *
                   static_cast<std::size_t>(converted.height()));
    for (int y = 0; y < converted.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(converted.constScanLine(y));
        pixels.insert(pixels.end(), row, row + converted.width());
    }
    return Bitmap::FromPixels(converted.width(), converted.height(), pixels);
}

} // namespace lumet

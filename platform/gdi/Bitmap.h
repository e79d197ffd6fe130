#pragma once

#include "platform/gdi/Color.h"

#include <QImage>
#include <QString>
#include <string_view>
#include <utility>

namespace lumet {

// A bitmap held in a 32-bit QImage, either a color bitmap or a monochrome one
// (every pixel black or white). The kind matters when a BitBlt crosses kinds:
// monochrome pixels take the destination's text and background colors, color
// pixels become white where they equal the source's background color.
// A null bitmap stands for one that could not be created or loaded: drawing into
// it and copying from it change nothing.
class Bitmap {
public:
    Bitmap() = default;

    // A color bitmap, black until something is drawn into it.
    Bitmap(int width, int height);

    // A monochrome bitmap, all 0 (black).
    static Bitmap Monochrome(int width, int height);

    // Loads a bitmap file; null when it cannot be read.
    // One-bit images load as monochrome bitmaps, as LoadBitmap keeps them.
    static Bitmap Load(const QString& path);
    // One of the program's embedded bitmaps, by resource name or number ("RUNU",
    // 129); null when there is none.
    static Bitmap LoadResource(std::string_view name);
    static Bitmap LoadResource(int number);

    // A color bitmap from any image; alpha is dropped.
    static Bitmap FromImage(const QImage& image);

    bool IsNull() const { return image_.isNull(); }
    bool IsMonochrome() const { return monochrome_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    // The pixel at (x, y), which must lie inside the bitmap.
    Color Pixel(int x, int y) const;

    // The pixels as a Format_RGB32 image.
    const QImage& Image() const { return image_; }

private:
    // A decoded bitmap file, as Load keeps it.
    static Bitmap FromLoaded(const QImage& loaded);
    friend class DeviceContext;

    Bitmap(QImage image, bool monochrome) : image_(std::move(image)), monochrome_(monochrome) {}

    QImage image_;
    bool monochrome_ = false;
};

} // namespace lumet

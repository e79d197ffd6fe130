#pragma once

#include "platform/gdi/Bitmap.h"

#include <QImage>

namespace lumet {

// A Format_RGB32 image of the bitmap's pixels. It reads them in place, so it must
// not outlive the bitmap nor be kept across drawing into it.
QImage ImageView(const Bitmap& bitmap);

// A color bitmap from any image; alpha is dropped. Null for a null image.
Bitmap BitmapFromImage(const QImage& image);

} // namespace lumet

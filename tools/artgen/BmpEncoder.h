#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lumet::art {

// Writes Windows bitmap files with an exact bit depth. Palettes are built from the
// picture's own colours in a fixed order (black first, then ascending RGB), so the same
// picture always gives the same bytes; 1-bit files always use black = 0, white = 1, which
// is what the mask convention of the window relies on.
class BmpEncoder {
public:
    struct Result {
        QByteArray bytes;
        QString error; // empty on success
    };

    // bitsPerPixel: 1, 4, 8 or 24. Fails when the picture has more colours than fit.
    static Result Encode(const QImage& image, int bitsPerPixel);
};

} // namespace lumet::art

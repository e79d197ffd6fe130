#pragma once

#include <QImage>
#include <QString>

namespace lumet::art {

// A 7-pixel-high capital font drawn pixel by pixel, for the small words of the skin
// (status captions, scale bands, panel labels). Hand-set glyphs keep these words sharp and
// identical on every machine, independent of any font installation.
class PixelFont {
public:
    static constexpr int kHeight = 7;

    // Width in pixels of text at the given scale, one blank column between glyphs.
    static int Width(const QString& text, int scale = 1, int spacing = 1);

    // Draws text with its top-left corner at (x, y); unknown characters draw as blanks.
    static void Draw(QImage& image, int x, int y, const QString& text, QRgb colour, int scale = 1,
                     int spacing = 1);
};

} // namespace lumet::art

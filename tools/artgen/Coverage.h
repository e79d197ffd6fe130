#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <functional>

namespace lumet::art {

// How much of each pixel a shape covers, 0 to 255. Shapes are rasterised once with
// anti-aliasing and the coverage is then rounded to a few levels, which keeps the colour
// count of the indexed bitmaps small and the edges smooth.
class Coverage {
public:
    Coverage() = default;
    explicit Coverage(QSize size);

    // Rasterises path (in pixel coordinates) into a coverage map of the given size.
    static Coverage Render(const QPainterPath& path, QSize size);

    QSize Size() const { return map_.size(); }
    int At(int x, int y) const;
    void Set(int x, int y, int value);

    // Rounds every value to one of `levels` evenly spaced steps (levels >= 2).
    void Quantize(int levels);
    // Full coverage wherever any pixel within `radius` (a square) is covered.
    Coverage Dilated(int radius) const;
    // Coverage left where both maps cover (minimum of the two).
    Coverage Intersected(const Coverage& other) const;

    // Mixes colour into image over each covered pixel, in proportion to the coverage.
    void Blend(QImage& image, QPoint at, QRgb colour) const;
    // As Blend, with the colour chosen per pixel (in coverage coordinates).
    void Blend(QImage& image, QPoint at, const std::function<QRgb(int, int)>& colourAt) const;

    static QRgb Mix(QRgb from, QRgb to, int amount);

private:
    QImage map_; // Format_Grayscale8
};

} // namespace lumet::art

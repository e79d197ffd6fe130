#include "tools/artgen/IconArt.h"

#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/Coverage.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

namespace lumet::art {

namespace {

constexpr qreal kSweepDegrees = 100.0;

// Icon: a black tile with a soft metal rim, the mark in light cyan slightly left of centre.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const qreal s = size;
    const qreal inset = std::max(0.5, s / 32.0);
    const qreal radius = s * 0.2;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(inset, inset, s - 2 * inset, s - 2 * inset), radius, radius);
    QPainterPath face;
    const qreal rim = std::max(1.0, s / 20.0);
    face.addRoundedRect(
        QRectF(inset + rim, inset + rim, s - 2 * (inset + rim), s - 2 * (inset + rim)),
        radius - rim, radius - rim);

    const auto paint = [&image](const QPainterPath& path, QRgb colour, int levels) {
        Coverage coverage = Coverage::Render(path, image.size());
        coverage.Quantize(levels);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int amount = coverage.At(x, y);
                if (amount == 0) {
                    continue;
                }
                const QRgb below = image.pixel(x, y);
                const int alpha = qAlpha(below);
                // Composite over whatever is there, keeping the tile's edge transparent.
                const QRgb mixed = alpha == 0 ? colour : Coverage::Mix(below, colour, amount);
                const int outAlpha = alpha + (255 - alpha) * amount / 255;
                image.setPixel(x, y, (mixed & 0x00ffffffu) | (static_cast<QRgb>(outAlpha) << 24));
            }
        }
    };
    paint(tile, palette::kMetalLight, 64);
    paint(face, palette::kBlack, 64);

    const int arcs = size < 32 ? 2 : 3;
    const qreal outer = s * (arcs == 2 ? 0.40 : 0.42);
    const QPointF origin(s * (arcs == 2 ? 0.30 : 0.27), s * 0.5);
    paint(IconArt::EchoMark(origin, outer, arcs), palette::kCyan, 64);
    return image;
}

} // namespace

QPainterPath IconArt::EchoMark(QPointF origin, qreal outerRadius, int arcs, qreal weight) {
    const qreal step = outerRadius / (arcs + 0.6);
    const qreal stroke = step * weight;
    QPainterPath mark;
    mark.addEllipse(origin, step * 0.55, step * 0.55);
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    stroker.setCapStyle(Qt::RoundCap);
    for (int arc = 1; arc <= arcs; ++arc) {
        const qreal r = step * (arc + 0.6);
        QPainterPath line;
        const QRectF box(origin.x() - r, origin.y() - r, 2 * r, 2 * r);
        line.arcMoveTo(box, -kSweepDegrees / 2);
        line.arcTo(box, -kSweepDegrees / 2, kSweepDegrees);
        mark = mark.united(stroker.createStroke(line));
    }
    return mark;
}

void IconArt::Build(ArtSet& art) {
    for (const int size : kSizes) {
        art.AddPng(QStringLiteral("icons/128-%1.png").arg(size), Icon(size));
    }
}

} // namespace lumet::art

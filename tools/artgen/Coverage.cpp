#include "tools/artgen/Coverage.h"

#include <QPainter>
#include <algorithm>

namespace lumet::art {

Coverage::Coverage(QSize size) : map_(size, QImage::Format_Grayscale8) {
    map_.fill(0);
}

Coverage Coverage::Render(const QPainterPath& path, QSize size) {
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(path);
    }
    Coverage coverage(size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            coverage.Set(x, y, qAlpha(canvas.pixel(x, y)));
        }
    }
    return coverage;
}

int Coverage::At(int x, int y) const {
    if (!map_.rect().contains(x, y)) {
        return 0;
    }
    return map_.constScanLine(y)[x];
}

void Coverage::Set(int x, int y, int value) {
    if (map_.rect().contains(x, y)) {
        map_.scanLine(y)[x] = static_cast<uchar>(std::clamp(value, 0, 255));
    }
}

void Coverage::Quantize(int levels) {
    const int steps = std::max(levels, 2) - 1;
    for (int y = 0; y < map_.height(); ++y) {
        for (int x = 0; x < map_.width(); ++x) {
            const int step = (At(x, y) * steps + 127) / 255;
            Set(x, y, step * 255 / steps);
        }
    }
}

Coverage Coverage::Dilated(int radius) const {
    Coverage result(Size());
    for (int y = 0; y < map_.height(); ++y) {
        for (int x = 0; x < map_.width(); ++x) {
            bool covered = false;
            for (int dy = -radius; dy <= radius && !covered; ++dy) {
                for (int dx = -radius; dx <= radius && !covered; ++dx) {
                    covered = At(x + dx, y + dy) > 0;
                }
            }
            result.Set(x, y, covered ? 255 : 0);
        }
    }
    return result;
}

Coverage Coverage::Intersected(const Coverage& other) const {
    Coverage result(Size());
    for (int y = 0; y < map_.height(); ++y) {
        for (int x = 0; x < map_.width(); ++x) {
            result.Set(x, y, std::min(At(x, y), other.At(x, y)));
        }
    }
    return result;
}

QRgb Coverage::Mix(QRgb from, QRgb to, int amount) {
    const auto channel = [amount](int a, int b) { return a + ((b - a) * amount + 127) / 255; };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

void Coverage::Blend(QImage& image, QPoint at, QRgb colour) const {
    Blend(image, at, [colour](int, int) { return colour; });
}

void Coverage::Blend(QImage& image, QPoint at,
                     const std::function<QRgb(int, int)>& colourAt) const {
    for (int y = 0; y < map_.height(); ++y) {
        for (int x = 0; x < map_.width(); ++x) {
            const int amount = At(x, y);
            const QPoint target = at + QPoint(x, y);
            if (amount == 0 || !image.rect().contains(target)) {
                continue;
            }
            const QRgb below = image.pixel(target);
            image.setPixel(target, Mix(below, colourAt(x, y), amount) | 0xff000000u);
        }
    }
}

} // namespace lumet::art

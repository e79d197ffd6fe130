#include "tools/artgen/Chrome.h"

#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/Coverage.h"

#include <algorithm>

namespace lumet::art {

namespace {

void Put(QImage& image, int x, int y, QRgb colour) {
    if (image.rect().contains(x, y)) {
        image.setPixel(x, y, colour | 0xff000000u);
    }
}

QRgb Lerp(QRgb from, QRgb to, int step, int steps) {
    return steps <= 0 ? from : Coverage::Mix(from, to, step * 255 / steps);
}

} // namespace

void Chrome::Fill(QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        HLine(image, rect.left(), rect.right(), y, colour);
    }
}

void Chrome::HLine(QImage& image, int x0, int x1, int y, QRgb colour) {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) {
        Put(image, x, y, colour);
    }
}

void Chrome::VLine(QImage& image, int x, int y0, int y1, QRgb colour) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) {
        Put(image, x, y, colour);
    }
}

void Chrome::Frame(QImage& image, const QRect& rect, QRgb colour) {
    HLine(image, rect.left(), rect.right(), rect.top(), colour);
    HLine(image, rect.left(), rect.right(), rect.bottom(), colour);
    VLine(image, rect.left(), rect.top(), rect.bottom(), colour);
    VLine(image, rect.right(), rect.top(), rect.bottom(), colour);
}

void Chrome::Gradient(QImage& image, const QRect& rect, QRgb top, QRgb bottom) {
    const int steps = rect.height() - 1;
    for (int row = 0; row < rect.height(); ++row) {
        HLine(image, rect.left(), rect.right(), rect.top() + row, Lerp(top, bottom, row, steps));
    }
}

void Chrome::BrushedMetal(QImage& image, const QRect& rect, QRgb top, QRgb bottom, quint32 seed) {
    quint32 state = seed;
    const auto next = [&state]() {
        state = state * 1664525u + 1013904223u;
        return state >> 16;
    };
    const int steps = rect.height() - 1;
    for (int row = 0; row < rect.height(); ++row) {
        const QRgb base = Lerp(top, bottom, row, steps);
        // Grain runs in streaks of a few pixels, one or two levels either way.
        int streak = 0;
        int offset = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (streak == 0) {
                streak = 3 + static_cast<int>(next() % 9);
                offset = static_cast<int>(next() % 5) - 2;
            }
            --streak;
            const auto channel = [offset](int value) { return std::clamp(value + offset, 0, 255); };
            Put(image, x, rect.top() + row,
                qRgb(channel(qRed(base)), channel(qGreen(base)), channel(qBlue(base))));
        }
    }
}

void Chrome::Bevel(QImage& image, const QRect& rect, QRgb light, QRgb dark) {
    HLine(image, rect.left(), rect.right() - 1, rect.top(), light);
    VLine(image, rect.left(), rect.top(), rect.bottom() - 1, light);
    HLine(image, rect.left() + 1, rect.right(), rect.bottom(), dark);
    VLine(image, rect.right(), rect.top() + 1, rect.bottom(), dark);
}

void Chrome::Well(QImage& image, const QRect& inner) {
    Bevel(image, inner.adjusted(-2, -2, 2, 2), palette::kMetalShadow, palette::kMetalLight);
    Bevel(image, inner.adjusted(-1, -1, 1, 1), palette::kEdge, palette::kMetalTop);
}

void Chrome::ButtonBody(QImage& image, const QRect& rect, bool pressed, bool dim) {
    const QPoint corners[] = {rect.topLeft(), rect.topRight(), rect.bottomLeft(),
                              rect.bottomRight()};
    QRgb behind[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        behind[i] = image.rect().contains(corners[i]) ? image.pixel(corners[i]) : palette::kBlack;
    }
    const QRect face = rect.adjusted(1, 1, -1, -1);
    if (pressed) {
        Gradient(image, face, Shade(palette::kMetalBottom, 40), palette::kMetalBottom);
        Bevel(image, face, palette::kMetalShadow, palette::kMetalTop);
    } else if (dim) {
        Gradient(image, face, Shade(palette::kMetalTop, 40), Shade(palette::kMetalBottom, 20));
        Bevel(image, face, Shade(palette::kMetalLight, 60), palette::kMetalShadow);
    } else {
        Gradient(image, face, Shade(palette::kMetalTop, -14), palette::kMetalBottom);
        Bevel(image, face, palette::kMetalHighlight, palette::kMetalShadow);
        VLine(image, face.left(), face.top() + 1, face.bottom() - 1, palette::kMetalLight);
    }
    Frame(image, rect, palette::kEdge);
    // Corners half way between outline and background read as rounded at this size.
    for (std::size_t i = 0; i < 4; ++i) {
        Put(image, corners[i].x(), corners[i].y(), Coverage::Mix(behind[i], palette::kEdge, 110));
    }
}

void Chrome::DrawLamp(QImage& image, const QRect& rect, Lamp lamp) {
    QRgb glow = palette::kLampOff;
    QRgb core = palette::kLampOff;
    QRgb deep = palette::kLampOffDeep;
    if (lamp == Lamp::Green) {
        glow = palette::kLampGreenGlow;
        core = palette::kLampGreen;
        deep = palette::kLampGreenDeep;
    } else if (lamp == Lamp::Red) {
        glow = palette::kLampRedGlow;
        core = palette::kLampRed;
        deep = palette::kLampRedDeep;
    } else {
        glow = Shade(palette::kLampOff, -20);
    }
    // Rim, with its corners left out so that the pill looks round.
    const QRect rim = rect;
    HLine(image, rim.left() + 1, rim.right() - 1, rim.top(), palette::kEdge);
    HLine(image, rim.left() + 1, rim.right() - 1, rim.bottom(), palette::kMetalLight);
    VLine(image, rim.left(), rim.top() + 1, rim.bottom() - 1, palette::kEdge);
    VLine(image, rim.right(), rim.top() + 1, rim.bottom() - 1, palette::kMetalLight);
    const QRect glass = rim.adjusted(1, 1, -1, -1);
    const int rows = glass.height();
    for (int row = 0; row < rows; ++row) {
        QRgb colour = core;
        if (row == 0) {
            colour = glow;
        } else if (row == rows - 1) {
            colour = deep;
        }
        HLine(image, glass.left(), glass.right(), glass.top() + row, colour);
    }
    if (lamp != Lamp::Off) {
        // A short specular spot on the upper left of the glass.
        HLine(image, glass.left() + 1, glass.left() + 2, glass.top(), palette::kWhite);
    }
}

QRgb Chrome::Shade(QRgb colour, int amount) {
    return amount >= 0 ? Coverage::Mix(colour, palette::kBlack, amount)
                       : Coverage::Mix(colour, palette::kWhite, -amount);
}

} // namespace lumet::art

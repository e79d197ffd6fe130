#pragma once

#include <QImage>
#include <QRect>

namespace lumet::art {

// Drawing primitives of the skin's metal and glass: fills, bevels, recessed wells, lamps
// and button bodies. Everything is set pixel by pixel with integer arithmetic, so the
// results never depend on a rasteriser.
class Chrome {
public:
    enum class Lamp { Green, Red, Off };

    static void Fill(QImage& image, const QRect& rect, QRgb colour);
    static void HLine(QImage& image, int x0, int x1, int y, QRgb colour);
    static void VLine(QImage& image, int x, int y0, int y1, QRgb colour);
    static void Frame(QImage& image, const QRect& rect, QRgb colour);
    // Vertical gradient from top to bottom colour across the rect's rows.
    static void Gradient(QImage& image, const QRect& rect, QRgb top, QRgb bottom);
    // Gradient with a faint horizontal grain, repeatable from the seed.
    static void BrushedMetal(QImage& image, const QRect& rect, QRgb top, QRgb bottom, quint32 seed);
    // One-pixel relief on the rect's edge: light top and left, dark bottom and right.
    static void Bevel(QImage& image, const QRect& rect, QRgb light, QRgb dark);
    // A recess two pixels deep around inner (which is left untouched).
    static void Well(QImage& image, const QRect& inner);
    // A button body filling rect: dark outline with clipped corners, relief and face.
    static void ButtonBody(QImage& image, const QRect& rect, bool pressed, bool dim = false);
    // The pill-shaped lamp of the mode buttons, centred in rect (rim included).
    static void DrawLamp(QImage& image, const QRect& rect, Lamp lamp);
    // Darkens (amount > 0) or lightens (amount < 0) a colour by amount/255 towards black/white.
    static QRgb Shade(QRgb colour, int amount);
};

} // namespace lumet::art

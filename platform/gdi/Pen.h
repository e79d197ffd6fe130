#pragma once

#include "platform/gdi/Color.h"

#include <stdexcept>

namespace lumet {

enum class PenStyle {
    Solid,
    Dot, // PS_DOT
    Null,
};

// A pen as CreatePen makes it. Width 1 is GDI's cosmetic pen (Bresenham lines that
// leave out their last pixel); width 2 is a geometric pen with round joins whose
// stroke covers one pixel either side of the path towards the top left. Dotted
// pens are always 1 pixel wide, like GDI's.
class Pen {
public:
    // The stock black pen every drawing context starts with.
    Pen() = default;

    // Width 0 means 1, as in CreatePen. Wider pens than 2 are not drawn by this layer.
    static Pen Solid(Color color, int width = 1) {
        if (width < 0 || width > 2) {
            throw std::invalid_argument("only pens 1 or 2 pixels wide are supported");
        }
        return Pen(PenStyle::Solid, width == 0 ? 1 : width, color);
    }
    static Pen Dotted(Color color) { return Pen(PenStyle::Dot, 1, color); }
    static Pen Null() { return Pen(PenStyle::Null, 1, Color{}); }

    PenStyle Style() const { return style_; }
    int Width() const { return width_; }
    Color GetColor() const { return color_; }

    friend bool operator==(const Pen&, const Pen&) = default;

private:
    Pen(PenStyle style, int width, Color color) : style_(style), width_(width), color_(color) {}

    PenStyle style_ = PenStyle::Solid;
    int width_ = 1;
    Color color_{};
};

} // namespace lumet

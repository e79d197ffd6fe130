#pragma once

#include "platform/gdi/Rect.h"

namespace lumet {

// A rectangular region (CreateRectRgn): the only shape the displays clip to and
// invert. Like GDI it orders its corners, so (r, b, l, t) names the same pixels.
class Region {
public:
    Region(int left, int top, int right, int bottom)
        : bounds_(Rect{left, top, right, bottom}.Normalized()) {}
    explicit Region(const Rect& rect) : bounds_(rect.Normalized()) {}

    const Rect& Bounds() const { return bounds_; }

    friend bool operator==(const Region&, const Region&) = default;

private:
    Rect bounds_;
};

} // namespace lumet

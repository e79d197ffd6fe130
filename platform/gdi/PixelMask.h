#pragma once

#include "platform/gdi/PolygonScan.h"
#include "platform/gdi/Rect.h"

#include <cstdint>
#include <vector>

namespace lumet {

// A set of pixels inside fixed bounds, used where GDI builds a region: the outline
// of a wide pen, painted once per pixel however often its pieces overlap.
class PixelMask {
public:
    explicit PixelMask(const Rect& bounds)
        : bounds_(bounds.IsEmpty() ? Rect{} : bounds),
          bits_(static_cast<std::size_t>(bounds_.Width()) *
                    static_cast<std::size_t>(bounds_.Height()),
                0) {}

    const Rect& Bounds() const { return bounds_; }

    // Adds the pixels of rect that lie inside the bounds.
    void AddRect(const Rect& rect) {
        const Rect clipped = rect.Intersected(bounds_);
        if (clipped.IsEmpty()) {
            return;
        }
        for (int y = clipped.top; y < clipped.bottom; ++y) {
            for (int x = clipped.left; x < clipped.right; ++x) {
                bits_[Index(x, y)] = 1;
            }
        }
    }

    void AddSpan(const Span& span) { AddRect(Rect{span.left, span.y, span.right, span.y + 1}); }

    bool Test(int x, int y) const { return bounds_.Contains(x, y) && bits_[Index(x, y)] != 0; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y - bounds_.top) *
                   static_cast<std::size_t>(bounds_.Width()) +
               static_cast<std::size_t>(x - bounds_.left);
    }

    Rect bounds_;
    std::vector<std::uint8_t> bits_;
};

} // namespace lumet

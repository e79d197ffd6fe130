#pragma once

#include <algorithm>

namespace lumet {

// A rectangle as GDI passes it: left and top inside, right and bottom just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }

    // The same pixels with the corners swapped into order, as GDI orders them.
    constexpr Rect Normalized() const {
        return Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                    std::max(top, bottom)};
    }

    constexpr Rect Intersected(const Rect& other) const {
        return Rect{std::max(left, other.left), std::max(top, other.top),
                    std::min(right, other.right), std::min(bottom, other.bottom)};
    }

    // The smallest rectangle holding both; an empty one adds nothing.
    constexpr Rect United(const Rect& other) const {
        if (IsEmpty()) {
            return other;
        }
        if (other.IsEmpty()) {
            return *this;
        }
        return Rect{std::min(left, other.left), std::min(top, other.top),
                    std::max(right, other.right), std::max(bottom, other.bottom)};
    }

    constexpr Rect Translated(int dx, int dy) const {
        return Rect{left + dx, top + dy, right + dx, bottom + dy};
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

} // namespace lumet

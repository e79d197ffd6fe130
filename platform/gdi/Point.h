#pragma once

namespace lumet {

// A position in device pixels: x to the right, y downwards.
struct Point {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(Point, Point) = default;
};

} // namespace lumet

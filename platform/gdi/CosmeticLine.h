#pragma once

#include "platform/gdi/Point.h"

#include <cstdlib>

namespace lumet {

// Visits the pixels a GDI cosmetic (1-pixel) line lights from `from` towards `to`,
// in drawing order: the start pixel always, the end pixel never, so the segments of
// a closed figure meet without lighting a corner twice.
//
// This is Bresenham's algorithm with GDI's tie rule: where the ideal line passes
// exactly between two pixels, lines heading into octants 3, 5, 6 and 8 (counted
// clockwise from the +x axis, y pointing down) take the minor step and the others
// do not, so a line and its reverse resolve every tie to the same pixel.
template <typename Visit> void WalkCosmeticLine(Point from, Point to, Visit&& visit) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    int octant = 0;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    const int xStep = (octant == 1 || octant == 2 || octant == 7 || octant == 8) ? 1 : -1;
    const int yStep = octant <= 4 ? 1 : -1;
    const int major = xMajor ? std::abs(dx) : std::abs(dy);
    const int minor = xMajor ? std::abs(dy) : std::abs(dx);

    int x = from.x;
    int y = from.y;
    int error = 2 * minor - major;
    for (int i = 0; i < major; ++i) {
        visit(x, y);
        const bool stepMinor = error + bias > 0;
        error += stepMinor ? 2 * minor - 2 * major : 2 * minor;
        if (xMajor) {
            x += xStep;
            y += stepMinor ? yStep : 0;
        } else {
            y += yStep;
            x += stepMinor ? xStep : 0;
        }
    }
}

} // namespace lumet

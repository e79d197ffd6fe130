#pragma once

#include "platform/gdi/Point.h"

#include <span>
#include <vector>

namespace lumet {

// One row of a filled shape: pixels left … right − 1 of row y.
struct Span {
    int y = 0;
    int left = 0;
    int right = 0;

    friend constexpr bool operator==(const Span&, const Span&) = default;
};

// The interior of a closed polygon as GDI fills it (CreatePolygonRgn, Polygon) in
// ALTERNATE mode. Pixel (x, y) is inside when the point (x, y) lies inside the
// outline, counting points on a left or top edge as inside and points on a right
// or bottom edge as outside: the vertices' rows are filled from the topmost down to
// one above the bottommost, and on each row an edge crossing at x fills from
// ⌈x⌉. Spans come ordered by row, then by column, and never overlap.
std::vector<Span> ScanPolygon(std::span<const Point> points);

} // namespace lumet

#pragma once

#include "platform/gdi/PixelMask.h"
#include "platform/gdi/Point.h"
#include "platform/gdi/Rect.h"

#include <span>

namespace lumet {

// The pixels a 2-pixel geometric pen (CreatePen with width 2: round joins) covers
// when it strokes the closed figure through `path`, as GDI builds that region:
// - a horizontal segment from x1 to x2 at y covers columns min … max − 1 of rows
//   y − 1 and y; a vertical one likewise covers columns x − 1 and x;
// - a slanted segment covers the quadrilateral GDI derives from the pen width,
//   filled by the polygon rule;
// - every vertex adds the pen's round join, which for 2 pixels is the 2 × 2 block
//   of (x − 1 … x, y − 1 … y).
// So a Rectangle (l, t, r, b), stroked along (l, t)–(r − 1, b − 1), gets a frame
// two pixels thick covering columns l − 1, l, r − 2, r − 1 and rows t − 1, t,
// b − 2, b − 1: one pixel spills out at the left and top, none at the right and
// bottom. Pixels outside `bounds` are left out.
PixelMask TraceWideOutline(std::span<const Point> path, const Rect& bounds);

} // namespace lumet

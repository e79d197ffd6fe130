#include "platform/gdi/WidePenOutline.h"

#include "platform/gdi/PolygonScan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace lumet {

namespace {

constexpr int kPenWidth = 2;

// Half away from zero, as GDI rounds the corners of a slanted stroke.
int RoundAway(double value) {
    return static_cast<int>(value > 0 ? value + 0.5 : value - 0.5);
}

void AddSegment(PixelMask& mask, Point from, Point to) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    if (dy == 0) {
        const int top = from.y - kPenWidth / 2;
        mask.AddRect(Rect{std::min(from.x, to.x), top, std::max(from.x, to.x), top + kPenWidth});
        return;
    }
    if (dx == 0) {
        const int left = from.x - kPenWidth / 2;
        mask.AddRect(Rect{left, std::min(from.y, to.y), left + kPenWidth, std::max(from.y, to.y)});
        return;
    }
    const double length = std::hypot(dx, dy);
    const double widthX = kPenWidth * std::abs(dy) / length;
    const double widthY = kPenWidth * std::abs(dx) / length;
    Point narrow{RoundAway(widthX / 2), RoundAway(widthY / 2)};
    Point wide{RoundAway((widthX + 1) / 2), RoundAway((widthY + 1) / 2)};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        wide.x = -wide.x;
        narrow.x = -narrow.x;
    }
    const std::array<Point, 4> corners{{
        {from.x - narrow.x, from.y + narrow.y},
        {from.x + wide.x, from.y - wide.y},
        {to.x + wide.x, to.y - wide.y},
        {to.x - narrow.x, to.y + narrow.y},
    }};
    for (const Span& span : ScanPolygon(corners)) {
        mask.AddSpan(span);
    }
}

} // namespace

PixelMask TraceWideOutline(std::span<const Point> path, const Rect& bounds) {
    PixelMask mask(bounds);
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Point vertex = path[i];
        AddSegment(mask, vertex, path[(i + 1) % path.size()]);
        mask.AddRect(Rect{vertex.x - 1, vertex.y - 1, vertex.x + 1, vertex.y + 1});
    }
    return mask;
}

} // namespace lumet

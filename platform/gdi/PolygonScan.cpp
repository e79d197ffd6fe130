#include "platform/gdi/PolygonScan.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumet {

namespace {

struct Edge {
    Point top;
    int bottomY = 0; // first row the edge no longer crosses
    int dx = 0;
    int dy = 0; // > 0
};

// ⌈a / b⌉ for b > 0.
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

} // namespace

std::vector<Span> ScanPolygon(std::span<const Point> points) {
    std::vector<Span> spans;
    if (points.size() < 3) {
        return spans;
    }
    std::vector<Edge> edges;
    int minY = std::numeric_limits<int>::max();
    int maxY = std::numeric_limits<int>::min();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        if (a.y == b.y) {
            continue; // horizontal edges bound no row
        }
        const Point top = a.y < b.y ? a : b;
        const Point bottom = a.y < b.y ? b : a;
        edges.push_back(Edge{top, bottom.y, bottom.x - top.x, bottom.y - top.y});
        minY = std::min(minY, top.y);
        maxY = std::max(maxY, bottom.y);
    }
    std::vector<int> crossings;
    for (int y = minY; y < maxY; ++y) {
        crossings.clear();
        for (const Edge& edge : edges) {
            if (y >= edge.top.y && y < edge.bottomY) {
                const std::int64_t offset =
                    CeilDiv(static_cast<std::int64_t>(y - edge.top.y) * edge.dx, edge.dy);
                crossings.push_back(edge.top.x + static_cast<int>(offset));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            if (crossings[i] < crossings[i + 1]) {
                spans.push_back(Span{y, crossings[i], crossings[i + 1]});
            }
        }
    }
    return spans;
}

} // namespace lumet

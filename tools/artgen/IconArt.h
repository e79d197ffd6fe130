#pragma once

#include "tools/artgen/ArtSet.h"

#include <QPainterPath>

namespace lumet::art {

// The echo mark (a dot sending out arcs) that stands for Lumet in the logo corner, on the
// about panel and as the window icon; and icon 128 in the sizes a desktop asks for.
class IconArt {
public:
    static constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

    // The mark with the dot at origin and the outer arc at outerRadius, as a fillable path.
    // weight is the arcs' stroke width relative to their spacing.
    static QPainterPath EchoMark(QPointF origin, qreal outerRadius, int arcs, qreal weight = 0.42);

    static void Build(ArtSet& art);
};

} // namespace lumet::art

#pragma once

#include "tools/artgen/ArtSet.h"

#include <QPoint>

namespace lumet::art {

// Cursors 160 (hand pointing up), 161 (hand pointing left) and 162 (160 mirrored), as
// 32 x 32 two-colour pictures with transparency, and cursors/cursors.json with their hot
// spots. All three are drawn from one hand.
class CursorArt {
public:
    struct Cursor {
        const char* name;
        QPoint hotSpot;
    };
    static constexpr Cursor kCursors[] = {
        {"160", {7, 1}},
        {"161", {0, 6}},
        {"162", {10, 0}},
    };

    static void Build(ArtSet& art);
};

} // namespace lumet::art

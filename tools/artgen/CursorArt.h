#pragma once

#include "res/ResourceIds.h"
#include "tools/artgen/ArtSet.h"

#include <QPoint>

namespace lumet::art {

// Cursors 160 (hand pointing up), 161 (hand pointing left) and 162 (160 mirrored), as
// 32 x 32 two-colour pictures with transparency, and cursors/cursors.json with their hot
// spots. All three are drawn from one hand.
class CursorArt {
public:
    struct Cursor {
        int number;
        QPoint hotSpot;
    };
    static constexpr Cursor kCursors[] = {
        {ResourceId::kUpwardHandCursor, {7, 1}},
        {ResourceId::kLeftwardHandCursor, {0, 6}},
        {ResourceId::kTypingHandCursor, {10, 0}},
    };

    static void Build(ArtSet& art);
};

} // namespace lumet::art

#pragma once

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/ArtSet.h"

namespace lumet::art {

// Bitmap 129, the window's background, and the faces of the eight skin buttons.
class SkinArt {
public:
    static void Build(ArtSet& art, const ArtFonts& fonts);

    // The background alone, for the faces that must blend into it.
    static QImage Background(const ArtFonts& fonts);
};

} // namespace lumet::art

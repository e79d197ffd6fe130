#pragma once

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/ArtSet.h"

#include <QImage>

namespace lumet::art {

// A picture of the artwork as the window will put it together: the idle window, a run
// with a hover word, both panels over the display area, the WRONG ADDRESS banner, the
// extended window with the report panel, and the cursors and icons enlarged. Pieces are
// combined with the same raster operations the window uses.
class Preview {
public:
    static QImage Render(const ArtSet& art, const ArtFonts& fonts);
};

} // namespace lumet::art

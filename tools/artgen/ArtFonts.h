#pragma once

#include "tools/artgen/OutlineFont.h"

namespace lumet::art {

// The font files the artwork is drawn with, from Debian's fonts-dejavu-core.
struct ArtFonts {
    OutlineFont bold{QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf")};
    OutlineFont condensedBold{
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf")};
};

} // namespace lumet::art

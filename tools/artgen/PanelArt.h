#pragma once

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/ArtSet.h"

namespace lumet::art {

// The three panels (164 report, 165 settings, 197 about) and the plain bitmap buttons that
// live on them: RESET on the settings panel, EMAIL, COPY and PRINT on the report panel.
class PanelArt {
public:
    static void Build(ArtSet& art, const ArtFonts& fonts);
};

} // namespace lumet::art

#pragma once

#include "platform/gdi/FontEngine.h"

namespace lumet {

// Fonts from the system's font mapper, as CreateFont gives them to any program:
// the cell height is passed as a positive lfHeight, so GDI itself fits the font's
// Windows ascent and descent into it.
class GdiFontEngine : public FontEngine {
public:
    std::unique_ptr<GlyphRenderer> Open(std::string_view face, int cellHeight,
                                        int weight) const override;
};

} // namespace lumet

#pragma once

#include "platform/gdi/RasterText.h"

#include <string>
#include <string_view>

namespace lumet {

// One font at one size, as the system's font engine measures and draws it: the part
// of text drawing that needs real glyph outlines. Text is UTF-8, drawn without
// anti-aliasing or kerning.
class GlyphRenderer {
public:
    virtual ~GlyphRenderer() = default;

    // The family the requested face was resolved to.
    virtual std::string Family() const = 0;
    // Pixels from the top of the cell to the baseline.
    virtual int Ascent() const = 0;
    // The advance width of text in pixels.
    virtual int Advance(std::string_view text) const = 0;
    // The pixels text lights when drawn with its cell's top left corner at the
    // origin, with a margin wide enough for any overhang.
    virtual RasterText Render(std::string_view text) const = 0;
};

} // namespace lumet

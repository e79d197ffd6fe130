#pragma once

#include <cstddef>
#include <vector>

namespace lumet {

// A string as one font draws it: its advance width and which pixels its glyphs light,
// already reduced to on and off. The mask reaches `margin` pixels beyond the cell on
// every side for glyphs that overhang it.
struct RasterText {
    int advance = 0;
    int margin = 0;
    int width = 0;
    int height = 0;
    // Row-major, width × height; true where a glyph pixel lies.
    std::vector<bool> ink;

    bool Inked(int column, int row) const {
        return ink[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(column)];
    }
};

} // namespace lumet

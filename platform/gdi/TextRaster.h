#pragma once

#include "platform/gdi/GlyphRenderer.h"
#include "platform/gdi/RasterText.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace lumet {

// Remembers the strings a font has measured and drawn. The window draws the same few
// strings (the count, the host, the graph labels) on every tick, and shaping them
// again each time costs more than all the rest of a refresh.
class TextRaster {
public:
    explicit TextRaster(std::unique_ptr<const GlyphRenderer> glyphs);

    const GlyphRenderer& Glyphs() const { return *glyphs_; }

    int Advance(std::string_view text);
    // Valid while this object lives; each string is rendered once.
    std::shared_ptr<const RasterText> Render(std::string_view text);

private:
    struct Entry {
        int advance = 0;
        std::shared_ptr<const RasterText> raster;
    };

    Entry& Find(std::string_view text);

    // Enough for every string one screen shows; an editor's running text or many
    // different host names only make it start over.
    static constexpr std::size_t kMaxEntries = 512;

    const std::unique_ptr<const GlyphRenderer> glyphs_;
    std::map<std::string, Entry, std::less<>> entries_;
};

} // namespace lumet

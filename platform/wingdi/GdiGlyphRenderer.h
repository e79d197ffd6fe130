#pragma once

#include "platform/gdi/GlyphRenderer.h"
#include "platform/wingdi/GdiObjects.h"

namespace lumet {

// Glyphs as GDI measures and draws them, from a font made without anti-aliasing.
// The renderer keeps its own memory DC with the font selected.
class GdiGlyphRenderer : public GlyphRenderer {
public:
    // Takes the font; nothing works when dc or font is null.
    GdiGlyphRenderer(UniqueMemoryDc dc, UniqueFont font, int cellHeight);
    ~GdiGlyphRenderer() override;

    GdiGlyphRenderer(const GdiGlyphRenderer&) = delete;
    GdiGlyphRenderer& operator=(const GdiGlyphRenderer&) = delete;

    std::string Family() const override;
    int Ascent() const override { return ascent_; }
    int Advance(std::string_view text) const override;
    RasterText Render(std::string_view text) const override;

private:
    UniqueMemoryDc dc_;
    UniqueFont font_;
    HGDIOBJ previousFont_ = nullptr;
    int cellHeight_ = 0;
    int ascent_ = 0;
};

} // namespace lumet

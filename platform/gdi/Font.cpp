#include "platform/gdi/Font.h"

#include <algorithm>

namespace lumet {

Font Font::Create(const FontEngine& engine, std::string_view face, int cellHeight, int weight) {
    if (cellHeight <= 0) {
        return {};
    }
    std::unique_ptr<GlyphRenderer> glyphs = engine.Open(face, cellHeight, weight);
    if (!glyphs) {
        return {};
    }
    Font font;
    font.face_ = std::string(face);
    font.cellHeight_ = cellHeight;
    font.ascent_ = std::clamp(glyphs->Ascent(), 0, cellHeight);
    font.weight_ = weight;
    font.raster_ = std::make_shared<TextRaster>(std::move(glyphs));
    return font;
}

std::string Font::Family() const {
    return raster_ ? raster_->Glyphs().Family() : std::string();
}

int Font::TextWidth(std::string_view text) const {
    return raster_ ? raster_->Advance(text) : 0;
}

std::shared_ptr<const RasterText> Font::Render(std::string_view text) const {
    return raster_ ? raster_->Render(text) : nullptr;
}

} // namespace lumet

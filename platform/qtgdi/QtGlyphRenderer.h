#pragma once

#include "platform/gdi/GlyphRenderer.h"

#include <QFont>
#include <QFontMetrics>

namespace lumet {

// Glyphs from Qt's font engine, without anti-aliasing, for a font whose cell and
// ascent QtFontEngine has worked out.
class QtGlyphRenderer : public GlyphRenderer {
public:
    QtGlyphRenderer(const QFont& font, int cellHeight, int ascent);

    std::string Family() const override;
    int Ascent() const override { return ascent_; }
    int Advance(std::string_view text) const override;
    RasterText Render(std::string_view text) const override;

    // The Qt font that draws the glyphs, at the em size that fills the cell.
    const QFont& QtFont() const { return font_; }

private:
    const QFont font_;
    // Made once: building metrics looks the font engine up again each time.
    const QFontMetrics metrics_;
    const int cellHeight_;
    const int ascent_;
};

} // namespace lumet

#pragma once

#include "platform/gdi/FontEngine.h"
#include "platform/qtgdi/QtGlyphRenderer.h"

namespace lumet {

// Fonts from the ones this system ships with: "Tahoma" is Wine's Tahoma
// (/usr/share/wine/fonts) when it is installed, "Arial" is what fontconfig puts in
// its place (Liberation Sans, metric-compatible), and any face fontconfig cannot
// match falls back to DejaVu Sans.
//
// GDI maps the font's Windows metrics (usWinAscent + usWinDescent in the OS/2
// table) onto the cell, so the glyphs are drawn at the em size that gives: cell ×
// unitsPerEm ÷ (usWinAscent + usWinDescent), rounded, with the ascent in the same
// proportion. Qt's own metrics would be wrong for this: for a font that sets
// USE_TYPO_METRICS, such as Tahoma, it measures the smaller typographic cell and
// draws every glyph about a fifth too large. A font without an OS/2 table falls
// back on Qt's outline metrics in the same proportions.
//
// Qt makes fonts only while a QGuiApplication exists; before that Open gives nothing.
class QtFontEngine : public FontEngine {
public:
    std::unique_ptr<GlyphRenderer> Open(std::string_view face, int cellHeight,
                                        int weight) const override;

    // The same, with the Qt font it resolved to.
    std::unique_ptr<QtGlyphRenderer> OpenQt(std::string_view face, int cellHeight,
                                            int weight) const;
};

} // namespace lumet

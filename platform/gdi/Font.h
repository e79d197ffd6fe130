#pragma once

#include "platform/gdi/TextRaster.h"

#include <QFont>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

namespace lumet {

// A font as CreateFont requests it by face, cell height in pixels and weight, made
// from the fonts this system ships with: "Tahoma" is Wine's Tahoma
// (/usr/share/wine/fonts) when it is installed, "Arial" is what fontconfig puts in
// its place (Liberation Sans, metric-compatible), and any face fontconfig cannot
// match falls back to DejaVu Sans.
//
// The cell height is ascent + descent, as for a positive lfHeight. GDI maps the
// font's Windows metrics (usWinAscent + usWinDescent in the OS/2 table) onto the
// cell, so the glyphs are drawn at the em size that gives: cell × unitsPerEm ÷
// (usWinAscent + usWinDescent), rounded, with the ascent in the same proportion.
// Qt's own metrics would be wrong for this: for a font that sets USE_TYPO_METRICS,
// such as Tahoma, it measures the smaller typographic cell and draws every glyph
// about a fifth too large. A font without an OS/2 table falls back on Qt's outline
// metrics in the same proportions. Text is always rasterised without anti-aliasing
// or kerning.
//
// Fonts can be made only while a QGuiApplication exists; otherwise Create returns
// a null font, and text drawn with a null font paints nothing.
class Font {
public:
    Font() = default;

    // weight: 0 for the default (400), 700 for bold, as lfWeight.
    static Font Create(std::string_view face, int cellHeight, int weight = 0);

    bool IsNull() const { return cellHeight_ == 0; }
    const std::string& Face() const { return face_; }
    int CellHeight() const { return cellHeight_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return cellHeight_ - ascent_; }
    int Weight() const { return weight_; }

    // The family the face was resolved to, and the pixel size the glyphs are drawn at.
    QString Family() const;
    int PixelSize() const { return font_.pixelSize(); }

    // The advance width of text in pixels: the width of its cell in TextOut.
    int TextWidth(const QString& text) const;
    int TextWidth(std::string_view utf8) const;

    // The pixels text lights when drawn with its cell's top left corner at the origin.
    std::shared_ptr<const RasterText> Render(const QString& text) const;

    // The Qt font that draws the glyphs.
    const QFont& QtFont() const { return font_; }

private:
    std::string face_;
    int cellHeight_ = 0;
    int ascent_ = 0;
    int weight_ = 0;
    QFont font_;
    // Shared by the copies of this font, which every drawing context selects.
    std::shared_ptr<TextRaster> raster_;
};

} // namespace lumet

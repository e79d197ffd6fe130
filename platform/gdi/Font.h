#pragma once

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/RasterText.h"
#include "platform/gdi/TextRaster.h"

#include <memory>
#include <string>
#include <string_view>

namespace lumet {

// A font as CreateFont makes it by face, cell height in pixels and weight, from the
// glyphs a FontEngine provides. The cell height is ascent + descent, as for a
// positive lfHeight. Copies share what the font has measured and drawn.
//
// A null font (no engine could make it) measures every text as 0 wide and draws
// nothing.
class Font {
public:
    Font() = default;

    // weight: 0 for the default (400), 700 for bold, as lfWeight.
    static Font Create(const FontEngine& engine, std::string_view face, int cellHeight,
                       int weight = 0);

    bool IsNull() const { return raster_ == nullptr; }
    const std::string& Face() const { return face_; }
    int CellHeight() const { return cellHeight_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return cellHeight_ - ascent_; }
    int Weight() const { return weight_; }
    // The family the face was resolved to; empty for a null font.
    std::string Family() const;

    // The advance width of UTF-8 text in pixels: the width of its cell in TextOut.
    int TextWidth(std::string_view text) const;

    // The pixels text lights when drawn with its cell's top left corner at the origin.
    std::shared_ptr<const RasterText> Render(std::string_view text) const;

private:
    std::string face_;
    int cellHeight_ = 0;
    int ascent_ = 0;
    int weight_ = 0;
    // Shared by the copies of this font, which every drawing context selects.
    std::shared_ptr<TextRaster> raster_;
};

} // namespace lumet

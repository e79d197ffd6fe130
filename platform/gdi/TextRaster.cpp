#include "platform/gdi/TextRaster.h"

#include <utility>

namespace lumet {

TextRaster::TextRaster(std::unique_ptr<const GlyphRenderer> glyphs) : glyphs_(std::move(glyphs)) {}

TextRaster::Entry& TextRaster::Find(std::string_view text) {
    if (const auto found = entries_.find(text); found != entries_.end()) {
        return found->second;
    }
    if (entries_.size() >= kMaxEntries) {
        entries_.clear();
    }
    return entries_.emplace(std::string(text), Entry{glyphs_->Advance(text), nullptr})
        .first->second;
}

int TextRaster::Advance(std::string_view text) {
    return Find(text).advance;
}

std::shared_ptr<const RasterText> TextRaster::Render(std::string_view text) {
    Entry& entry = Find(text);
    if (!entry.raster) {
        entry.raster = std::make_shared<const RasterText>(glyphs_->Render(text));
    }
    return entry.raster;
}

} // namespace lumet

#include "platform/gdi/TextRaster.h"

#include <QImage>
#include <QPainter>
#include <utility>

namespace lumet {

TextRaster::TextRaster(QFont font, int cellHeight, int ascent)
    : font_(std::move(font)), metrics_(font_), cellHeight_(cellHeight), ascent_(ascent) {}

TextRaster::Entry& TextRaster::Find(const QString& text) {
    if (const auto found = entries_.find(text); found != entries_.end()) {
        return *found;
    }
    if (entries_.size() >= kMaxEntries) {
        entries_.clear();
    }
    return *entries_.insert(text, Entry{metrics_.horizontalAdvance(text), nullptr});
}

int TextRaster::Advance(const QString& text) {
    return Find(text).advance;
}

std::shared_ptr<const RasterText> TextRaster::Render(const QString& text) {
    Entry& entry = Find(text);
    if (entry.raster) {
        return entry.raster;
    }
    // Glyphs are rendered as a two-level mask so that only exact text-color pixels
    // reach a bitmap, with room around the cell for glyphs that overhang it.
    auto raster = std::make_shared<RasterText>();
    raster->advance = entry.advance;
    raster->margin = cellHeight_;
    QImage glyphs(entry.advance + 2 * raster->margin, cellHeight_ + 2 * raster->margin,
                  QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    if (!text.isEmpty()) {
        QPainter painter(&glyphs);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font_);
        painter.setPen(QColor(Qt::white));
        painter.drawText(QPoint(raster->margin, raster->margin + ascent_), text);
    }
    raster->width = glyphs.width();
    raster->height = glyphs.height();
    raster->ink.reserve(static_cast<std::size_t>(raster->width) *
                        static_cast<std::size_t>(raster->height));
    for (int row = 0; row < raster->height; ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(glyphs.constScanLine(row));
        for (int column = 0; column < raster->width; ++column) {
            raster->ink.push_back(qAlpha(pixels[column]) >= 128);
        }
    }
    entry.raster = raster;
    return raster;
}

} // namespace lumet

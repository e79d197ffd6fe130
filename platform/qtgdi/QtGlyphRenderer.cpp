#include "platform/qtgdi/QtGlyphRenderer.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

namespace lumet {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtGlyphRenderer::QtGlyphRenderer(const QFont& font, int cellHeight, int ascent)
    : font_(font), metrics_(font_), cellHeight_(cellHeight), ascent_(ascent) {}

std::string QtGlyphRenderer::Family() const {
    return QFontInfo(font_).family().toStdString();
}

int QtGlyphRenderer::Advance(std::string_view text) const {
    return metrics_.horizontalAdvance(FromUtf8(text));
}

RasterText QtGlyphRenderer::Render(std::string_view text) const {
    const QString string = FromUtf8(text);
    // Glyphs are rendered as a two-level mask so that only exact text-color pixels
    // reach a bitmap, with room around the cell for glyphs that overhang it.
    RasterText raster;
    raster.advance = metrics_.horizontalAdvance(string);
    raster.margin = cellHeight_;
    QImage glyphs(raster.advance + 2 * raster.margin, cellHeight_ + 2 * raster.margin,
                  QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    if (!string.isEmpty()) {
        QPainter painter(&glyphs);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font_);
        painter.setPen(QColor(Qt::white));
        painter.drawText(QPoint(raster.margin, raster.margin + ascent_), string);
    }
    raster.width = glyphs.width();
    raster.height = glyphs.height();
    raster.ink.reserve(static_cast<std::size_t>(raster.width) *
                       static_cast<std::size_t>(raster.height));
    for (int row = 0; row < raster.height; ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(glyphs.constScanLine(row));
        for (int column = 0; column < raster.width; ++column) {
            raster.ink.push_back(qAlpha(pixels[column]) >= 128);
        }
    }
    return raster;
}

} // namespace lumet

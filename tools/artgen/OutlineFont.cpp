#include "tools/artgen/OutlineFont.h"

#include <QPointF>

namespace lumet::art {

namespace {
constexpr qreal kDesignSize = 100.0;
}

OutlineFont::OutlineFont(const QString& fileName)
    : fileName_(fileName), font_(fileName, kDesignSize, QFont::PreferNoHinting) {}

QPainterPath OutlineFont::Path(const QString& text, qreal pixelSize, qreal tracking) const {
    QPainterPath path;
    if (!font_.isValid() || text.isEmpty()) {
        return path;
    }
    const QList<quint32> glyphs = font_.glyphIndexesForString(text);
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    const qreal scale = pixelSize / kDesignSize;
    qreal penX = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QPainterPath glyph = font_.pathForGlyph(glyphs[i]);
        QTransform transform;
        transform.translate(penX, 0);
        transform.scale(scale, scale);
        path.addPath(transform.map(glyph));
        penX += advances[i].x() * scale;
        if (i + 1 < glyphs.size()) {
            penX += tracking;
        }
    }
    return path;
}

qreal OutlineFont::CapHeight(qreal pixelSize) const {
    return Path(QStringLiteral("H"), pixelSize).boundingRect().height();
}

} // namespace lumet::art

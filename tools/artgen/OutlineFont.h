#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QString>

namespace lumet::art {

// A font taken straight from its file, used as outlines: no font configuration, no hinting,
// so a word comes out the same wherever the generator runs with the same font file.
class OutlineFont {
public:
    // Loads the font file; IsValid() tells whether that worked.
    explicit OutlineFont(const QString& fileName);

    bool IsValid() const { return font_.isValid(); }
    const QString& FileName() const { return fileName_; }

    // The outline of text at pixelSize with its baseline at y = 0 and its pen start at x = 0.
    // tracking adds that many pixels after every glyph but the last.
    QPainterPath Path(const QString& text, qreal pixelSize, qreal tracking = 0) const;
    // Cap height (height of "H") at pixelSize.
    qreal CapHeight(qreal pixelSize) const;

private:
    QString fileName_;
    QRawFont font_;
};

} // namespace lumet::art

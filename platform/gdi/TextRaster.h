#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace lumet {

// A string as one font draws it: its advance width and which pixels its glyphs light,
// already reduced to on and off. The mask reaches `margin` pixels beyond the cell on
// every side for glyphs that overhang it.
struct RasterText {
    int advance = 0;
    int margin = 0;
    int width = 0;
    int height = 0;
    // Row-major, width × height; true where a glyph pixel lies.
    std::vector<bool> ink;

    bool Inked(int column, int row) const {
        return ink[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(column)];
    }
};

// Remembers the strings a font has measured and drawn. The window draws the same few
// strings (the count, the host, the graph labels) on every tick, and shaping them
// again each time costs more than all the rest of a refresh.
class TextRaster {
public:
    TextRaster(QFont font, int cellHeight, int ascent);

    int Advance(const QString& text);
    // Valid while this object lives; each string is rendered once.
    std::shared_ptr<const RasterText> Render(const QString& text);

private:
    struct Entry {
        int advance = 0;
        std::shared_ptr<const RasterText> raster;
    };

    Entry& Find(const QString& text);

    // Enough for every string one screen shows; an editor's running text or many
    // different host names only make it start over.
    static constexpr qsizetype kMaxEntries = 512;

    const QFont font_;
    // Made once: building metrics looks the font engine up again each time.
    const QFontMetrics metrics_;
    const int cellHeight_;
    const int ascent_;
    QHash<QString, Entry> entries_;
};

} // namespace lumet

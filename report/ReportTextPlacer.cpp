#include "report/ReportTextPlacer.h"

#include "platform/gdi/DeviceContext.h"

#include <algorithm>

namespace lumet {

namespace {

constexpr Color kUnlit{0, 0, 0};
constexpr Color kLit{255, 255, 255};

bool Overlap(const Rect& a, const Rect& b) {
    return !a.IsEmpty() && !b.IsEmpty() && !a.Intersected(b).IsEmpty();
}

// Glyphs of two texts side by side need a blank column between them, or they read
// as one word.
Rect WidenedByAColumn(const Rect& ink) {
    return ink.IsEmpty() ? ink : Rect{ink.left - 1, ink.top, ink.right + 1, ink.bottom};
}

// Where a text that follows another on its row as the next word begins: one blank
// past the end of its cell (a text ending in a blank already has one), or just past
// its glyphs where they reach further.
int Extent(const PlacedText& text) {
    const bool endsInABlank = !text.text.empty() && text.text.back() == ' ';
    const int blank = endsInABlank ? 0 : text.font.TextWidth(std::string_view(" "));
    const int afterCell = text.cell.right + blank;
    return text.ink.IsEmpty() ? afterCell : std::max(afterCell, text.ink.right + 1);
}

// Whether a text with this cell and ink would run into an earlier one: its opaque
// cell would wipe out the earlier glyphs, or its glyphs would touch them.
bool RunsInto(const Rect& cell, const Rect& ink, const PlacedText& earlier) {
    return Overlap(cell, earlier.ink) || Overlap(ink, WidenedByAColumn(earlier.ink));
}

bool StartsACharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

} // namespace

const PlacedText& ReportTextPlacer::Place(std::string_view text, const Font& font, Point at,
                                          GiveWay way, const Rect& room) {
    Shape shape = Measure(text, font);
    Point position = at;
    if (!IsClear(shape, at) || !Fits(shape, at, room)) {
        position = Yield(shape, at, way, room).value_or(at);
    }
    std::string shown(text);
    if (!Fits(shape, position, room)) {
        shown = CutToWidth(text, font, room.right - position.x);
        shape = Measure(shown, font);
    }
    texts_.push_back(PlacedText{std::move(shown), font, position,
                                shape.cell.Translated(position.x, position.y),
                                shape.ink.Translated(position.x, position.y)});
    return texts_.back();
}

ReportTextPlacer::Shape ReportTextPlacer::Measure(std::string_view text, const Font& font) {
    if (font.IsNull()) {
        return {};
    }
    const int width = font.TextWidth(text);
    const int height = font.CellHeight();
    // Glyphs may overhang their cell; TextOut lets them reach this far.
    const int margin = height;
    DeviceContext scratch{Bitmap(width + 2 * margin, height + 2 * margin)};
    scratch.SetBkMode(BackgroundMode::Transparent);
    scratch.SetTextColor(kLit);
    scratch.SelectFont(font);
    scratch.TextOut(margin, margin, text);

    const Bitmap& glyphs = scratch.CurrentBitmap();
    Rect ink;
    for (int y = 0; y < glyphs.Height(); ++y) {
        for (int x = 0; x < glyphs.Width(); ++x) {
            if (glyphs.Pixel(x, y) != kUnlit) {
                ink = ink.United(Rect{x - margin, y - margin, x - margin + 1, y - margin + 1});
            }
        }
    }
    return Shape{Rect{0, 0, width, height}, ink};
}

std::string ReportTextPlacer::CutToWidth(std::string_view text, const Font& font, int width) {
    const auto fits = [&font, width](std::string_view candidate) {
        const Shape shape = Measure(candidate, font);
        return shape.cell.United(shape.ink).right <= width;
    };
    if (fits(text)) {
        return std::string(text);
    }
    for (std::size_t length = text.size(); length-- > 0;) {
        if (!StartsACharacter(text[length])) {
            continue;
        }
        std::string_view kept = text.substr(0, length);
        // A cut right after a dot or blank would run it into the ellipsis.
        while (!kept.empty() && (kept.back() == '.' || kept.back() == ' ')) {
            kept.remove_suffix(1);
        }
        if (kept.empty()) {
            break;
        }
        const std::string candidate = std::string(kept) + "...";
        if (font.TextWidth(candidate) <= width && fits(candidate)) {
            return candidate;
        }
    }
    return {};
}

bool ReportTextPlacer::IsClear(const Shape& shape, Point at) const {
    const Rect cell = shape.cell.Translated(at.x, at.y);
    const Rect ink = shape.ink.Translated(at.x, at.y);
    return std::none_of(texts_.begin(), texts_.end(),
                        [&](const PlacedText& earlier) { return RunsInto(cell, ink, earlier); });
}

bool ReportTextPlacer::Fits(const Shape& shape, Point at, const Rect& room) {
    const Rect box = shape.cell.United(shape.ink).Translated(at.x, at.y);
    return box.IsEmpty() || (box.left >= room.left && box.top >= room.top &&
                             box.right <= room.right && box.bottom <= room.bottom);
}

std::optional<Point> ReportTextPlacer::Yield(const Shape& shape, Point at, GiveWay way,
                                             const Rect& room) const {
    switch (way) {
    case GiveWay::Stay:
        return std::nullopt;
    case GiveWay::After:
        return FlowAfter(shape, at, room);
    case GiveWay::Below:
        return NearestClearBelow(shape, Point{at.x, at.y + 1}, room);
    case GiveWay::UpOrLeft:
        return NearestClearUpOrLeft(shape, at, room);
    case GiveWay::AfterOrBelow: {
        const Point after = FlowAfter(shape, at, room);
        if (Fits(shape, after, room)) {
            return after;
        }
        // As a line of text wraps: the next line at the earliest.
        return NearestClearBelow(shape, Point{room.left, at.y + shape.cell.bottom}, room)
            .value_or(after);
    }
    }
    return std::nullopt;
}

Point ReportTextPlacer::FlowAfter(const Shape& shape, Point at, const Rect& room) const {
    Point position = at;
    while (position.x < room.right && !IsClear(shape, position)) {
        // Glyphs that merely touch need only a blank column between them; a text that
        // would cover or cross another follows it as the next word.
        int next = position.x + 1;
        const Rect cell = shape.cell.Translated(position.x, position.y);
        const Rect ink = shape.ink.Translated(position.x, position.y);
        for (const PlacedText& earlier : texts_) {
            if (Overlap(cell, earlier.ink) || Overlap(ink, earlier.ink)) {
                next = std::max(next, Extent(earlier));
            }
        }
        position.x = next;
    }
    return position;
}

std::optional<Point> ReportTextPlacer::NearestClearBelow(const Shape& shape, Point from,
                                                         const Rect& room) const {
    for (Point position = from; position.y + shape.cell.bottom <= room.bottom; ++position.y) {
        if (IsClear(shape, position) && Fits(shape, position, room)) {
            return position;
        }
    }
    return std::nullopt;
}

std::optional<Point> ReportTextPlacer::NearestClearUpOrLeft(const Shape& shape, Point at,
                                                            const Rect& room) const {
    const int mostLeft = std::max(0, at.x - room.left);
    const int mostUp = std::max(0, at.y - room.top);
    for (int distance = 1; distance <= mostLeft + mostUp; ++distance) {
        // Straight up first, which keeps the text in its column.
        for (int left = 0; left <= std::min(distance, mostLeft); ++left) {
            const int up = distance - left;
            const Point position{at.x - left, at.y - up};
            if (up <= mostUp && IsClear(shape, position) && Fits(shape, position, room)) {
                return position;
            }
        }
    }
    return std::nullopt;
}

} // namespace lumet

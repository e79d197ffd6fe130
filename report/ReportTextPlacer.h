#pragma once

#include "platform/gdi/Font.h"
#include "platform/gdi/Point.h"
#include "platform/gdi/Rect.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumet {

// What a text does when, at its own position, it would run into a text placed before
// it: cover that text's glyphs with its opaque cell, or touch them with its own.
enum class GiveWay {
    Stay,         // keeps its position all the same
    After,        // moves right: a column clear of glyphs it touches, one blank past
                  // a text it would cover or cross
    Below,        // moves down to the nearest row where it is clear
    UpOrLeft,     // the least move up, left or both that clears it
    AfterOrBelow, // After; when that overruns its room, wraps: the nearest clear row
                  // from the next line down, at the room's left edge
};

// A text as it is to be drawn: its cell (TextOut's opaque box) and the box its
// glyphs actually reach, both in picture pixels.
struct PlacedText {
    std::string text;
    Font font;
    Point at;
    Rect cell;
    Rect ink; // empty when the text draws no pixel
};

// Places the texts of a picture one after another, each at its own position unless
// it would run into one placed before it; only then does it give way, as little as
// needed. A text too long for its room is cut after a whole character and ends in
// "...", so it never runs over the room's right edge.
//
// Positions come from a fixed layout drawn for other fonts; measuring the real
// glyphs keeps that layout wherever it still works.
class ReportTextPlacer {
public:
    // area: where any text may go, the default room.
    explicit ReportTextPlacer(const Rect& area) : area_(area) {}

    const PlacedText& Place(std::string_view text, const Font& font, Point at, GiveWay way) {
        return Place(text, font, at, way, area_);
    }
    // room: where this text may be moved to, and where it is cut.
    const PlacedText& Place(std::string_view text, const Font& font, Point at, GiveWay way,
                            const Rect& room);

    const std::vector<PlacedText>& Texts() const { return texts_; }

private:
    // A text's cell and ink relative to its position.
    struct Shape {
        Rect cell;
        Rect ink;
    };

    static Shape Measure(std::string_view text, const Font& font);
    // The longest whole-character cut of text, ending in "...", whose ink and cell fit
    // `width` pixels from the text's position; the text itself when it fits.
    static std::string CutToWidth(std::string_view text, const Font& font, int width);

    bool IsClear(const Shape& shape, Point at) const;
    static bool Fits(const Shape& shape, Point at, const Rect& room);
    std::optional<Point> Yield(const Shape& shape, Point at, GiveWay way, const Rect& room) const;
    Point FlowAfter(const Shape& shape, Point at, const Rect& room) const;
    std::optional<Point> NearestClearBelow(const Shape& shape, Point at, const Rect& room) const;
    std::optional<Point> NearestClearUpOrLeft(const Shape& shape, Point at, const Rect& room) const;

    Rect area_;
    std::vector<PlacedText> texts_;
};

} // namespace lumet

#pragma once

#include "platform/gdi/DeviceContext.h"
#include "report/ReportData.h"
#include "report/ReportFonts.h"
#include "report/ReportLayout.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumet::test {

inline constexpr Color kPaper{255, 255, 255};
inline constexpr Color kInk{0, 0, 0};
inline constexpr Color kLightCyan{204, 255, 255};

// The column the sample in history slot `slot` is charted at.
constexpr int BarColumn(int slot) {
    return 156 - 2 * (103 - slot);
}

// A finished run of 32 probes to 127.0.0.1 (found as "localhost"), every one
// answered in 500 ms, so slots 72 to 103 hold samples and the rest are empty.
inline ReportData ThirtyTwoProbeRun() {
    ReportData data;
    data.addressText = "127.0.0.1";
    data.domainName = "localhost";
    data.localAddressText = "192.168.1.20";
    data.testStartUtc = "Wed Jan 02 02:03:55 1980\n";
    data.probeCount = 32;
    data.returnedPercentage = 100;
    data.averageRtt = 500;
    data.minimumRtt = 500;
    data.maximumRtt = 500;
    data.verdict = "BAD";
    data.score = 30;
    data.pingInterval = 1;
    data.timeOut = 1000;
    data.replyTtl = 64;
    data.replyDataSize = 56;
    for (int slot = 72; slot <= 103; ++slot) {
        data.history[static_cast<std::size_t>(slot)] = 500;
    }
    return data;
}

// Whether any pixel of the bitmap inside rect differs from `paper`.
inline bool HasInk(const Bitmap& bitmap, const Rect& rect, Color paper) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (bitmap.Pixel(x, y) != paper) {
                return true;
            }
        }
    }
    return false;
}

// The smallest rectangle holding every pixel of the bitmap inside `within` that
// differs from `paper`; empty when there is none.
inline Rect InkBox(const Bitmap& bitmap, const Rect& within, Color paper) {
    Rect box;
    for (int y = within.top; y < within.bottom; ++y) {
        for (int x = within.left; x < within.right; ++x) {
            if (bitmap.Pixel(x, y) == paper) {
                continue;
            }
            box = box.IsEmpty() ? Rect{x, y, x + 1, y + 1}
                                : Rect{std::min(box.left, x), std::min(box.top, y),
                                       std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        }
    }
    return box;
}

// The smallest rectangle holding every pixel where two pictures of one size differ.
inline Rect DifferenceBox(const Bitmap& a, const Bitmap& b) {
    Rect box;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) == b.Pixel(x, y)) {
                continue;
            }
            box = box.IsEmpty() ? Rect{x, y, x + 1, y + 1}
                                : Rect{std::min(box.left, x), std::min(box.top, y),
                                       std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        }
    }
    return box;
}

inline bool Overlap(const Rect& a, const Rect& b) {
    return !a.IsEmpty() && !b.IsEmpty() && !a.Intersected(b).IsEmpty();
}

// The text alone, black on a white 360 × 320 picture, its cell's corner at `at`.
inline Bitmap DrawAlone(std::string_view text, const Font& font, Point at) {
    DeviceContext dc{Bitmap(360, 320)};
    dc.FillRect(Rect{0, 0, 360, 320}, Brush::Solid(kPaper));
    dc.SetBkColor(kPaper);
    dc.SetTextColor(kInk);
    dc.SelectFont(font);
    dc.TextOut(at.x, at.y, text);
    return dc.CurrentBitmap();
}

// Where the glyphs of the text reach when it is drawn alone at `at`.
inline Rect LoneInk(std::string_view text, const Font& font, Point at) {
    return InkBox(DrawAlone(text, font, at), Rect{0, 0, 360, 320}, kPaper);
}

// The rows of column x, from `top` to `bottom` exclusive, whose pixel differs from
// `paper`.
inline std::vector<int> InkRows(const Bitmap& bitmap, int x, int top, int bottom, Color paper) {
    std::vector<int> rows;
    for (int y = top; y < bottom; ++y) {
        if (bitmap.Pixel(x, y) != paper) {
            rows.push_back(y);
        }
    }
    return rows;
}

// The rows from first to last inclusive.
inline std::vector<int> RowRange(int first, int last) {
    std::vector<int> rows;
    for (int y = first; y <= last; ++y) {
        rows.push_back(y);
    }
    return rows;
}

// The layout in black on a white 360 × 320 picture, with opaque text as the saved
// picture has it. Null fonts leave out every text.
inline Bitmap DrawOnPaper(const ReportData& data, const ReportFonts& fonts) {
    DeviceContext dc{Bitmap(360, 320)};
    dc.FillRect(Rect{0, 0, 360, 320}, Brush::Solid(kPaper));
    dc.SetBkColor(kPaper);
    dc.SetTextColor(kInk);
    DrawReportLayout(dc, kInk, data, fonts);
    return dc.CurrentBitmap();
}

} // namespace lumet::test

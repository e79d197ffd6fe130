#include "display/QualityScale.h"

#include "pingtest/Rating.h"

#include <algorithm>
#include <cstdlib>

namespace lumet {

namespace {

constexpr int kScaleWidth = 320;
constexpr int kScaleHeight = 24;
constexpr int kMarkerStripHeight = 7;
// Display x + this = client x; the rating position is a client x.
constexpr int kDisplayLeft = 6;
// Where the bars start, right of the scale's frame.
constexpr int kBarLeft = 3;

// Positions of the penalty plus a time, by the rating's own mapping, so the drawn
// average pointer is always where the rating puts it (and a sum beyond the scale
// stays at its right end instead of wrapping to the left).
struct ScalePositions {
    int penalty = 0;
    int penaltyX = 0;
    int shownX = 0;
    int minimumX = 0;
    int averageX = 0;
    int maximumX = 0;
};

int ScalePosition(int penalty, std::uint32_t ms) {
    return Rating::AverageMarkerX(penalty, ms) - kDisplayLeft;
}

ScalePositions Positions(const ScaleInputs& inputs) {
    const int penalty = Rating::LossPenalty(inputs.errorCount, inputs.plannedCount);
    return ScalePositions{
        penalty,
        ScalePosition(penalty, 0),
        ScalePosition(penalty, inputs.shownRtt),
        ScalePosition(penalty, inputs.minimumRtt),
        ScalePosition(penalty, inputs.averageRtt),
        ScalePosition(penalty, inputs.maximumRtt),
    };
}

// A bar's right edge. Rectangles have their corners put in order, so an end left
// of the bar's start would mark pixels left of it; such a bar is empty instead.
int BarEnd(int x) {
    return std::max(x, kBarLeft);
}

// The scale without any bar: rows 0–23 of the display background.
DeviceContext CleanScale(const DeviceContext& displayBackground) {
    DeviceContext work{Bitmap(kScaleWidth, kScaleHeight)};
    work.BitBlt(0, 0, kScaleWidth, kScaleHeight, displayBackground, 0, 0, Rop::SrcCopy);
    return work;
}

void DrawPenaltyBar(DeviceContext& work, const DrawingObjects& objects, const ScalePositions& at) {
    if (at.penalty <= 0) {
        return;
    }
    work.SelectPen(Pen::Null());
    work.SelectBrush(objects.redBrush);
    work.SetROP2(Rop2::CopyPen);
    work.Rectangle(kBarLeft, 3, BarEnd(at.penaltyX), 7);
}

} // namespace

void DrawLiveScaleBar(DeviceContext& upperDisplay, const DeviceContext& displayBackground,
                      const DrawingObjects& objects, const ScaleInputs& inputs) {
    const ScalePositions at = Positions(inputs);
    DeviceContext work = CleanScale(displayBackground);
    DrawPenaltyBar(work, objects, at);
    // Without a penalty the context's default black pen is still selected: its frame
    // leaves the pixels alone under exclusive-or, so the bar is one pixel smaller.
    work.SelectBrush(objects.lightCyanBrush);
    work.SetROP2(Rop2::XorPen);
    work.Rectangle(kBarLeft, 8, BarEnd(at.shownX), 23);
    upperDisplay.BitBlt(0, 0, kScaleWidth, kScaleHeight, work, 0, 0, Rop::SrcCopy);
}

void DrawFinalScaleBar(DeviceContext& upperDisplay, const DeviceContext& displayBackground,
                       const DrawingObjects& objects, const ScaleInputs& inputs) {
    const ScalePositions at = Positions(inputs);
    DeviceContext work = CleanScale(displayBackground);
    work.SelectBrush(Brush::Null());
    work.SelectPen(objects.lightCyanPen);
    work.SetROP2(Rop2::XorPen);
    work.Rectangle(kBarLeft, 8, BarEnd(at.minimumX), 23);
    work.SelectPen(Pen::Null());
    work.SelectBrush(objects.lightCyanBrush);
    work.Rectangle(BarEnd(at.minimumX), 8, BarEnd(at.maximumX), 24);
    DrawPenaltyBar(work, objects, at);
    upperDisplay.BitBlt(0, 0, kScaleWidth, kScaleHeight, work, 0, 0, Rop::SrcCopy);
}

int DrawScaleMarkers(DeviceContext& upperDisplay, const DrawingObjects& objects,
                     const ScaleInputs& inputs, int& averageMarkerX) {
    const ScalePositions at = Positions(inputs);
    const int minX = at.minimumX;
    const int avgX = at.averageX;
    const int maxX = at.maximumX;
    averageMarkerX = avgX + kDisplayLeft;

    DeviceContext strip{Bitmap(kScaleWidth, kMarkerStripHeight)};
    strip.BitBlt(0, 0, kScaleWidth, kMarkerStripHeight, upperDisplay, 0, 0, Rop::SrcCopy);
    strip.SetROP2(Rop2::CopyPen);
    strip.SelectPen(objects.lightCyanPen);
    // The flags' lowest row (7) falls outside the strip and is cut off.
    if (std::abs(avgX - minX - 2) > 6) {
        strip.SelectBrush(objects.greenBrush);
        strip.Polygon({{minX, 1}, {minX + 4, 1}, {minX + 4, 4}, {minX, 7}});
    }
    if (std::abs(maxX - avgX + 2) > 6) {
        strip.SelectBrush(objects.orangeBrush);
        strip.Polygon({{maxX - 4, 1}, {maxX, 1}, {maxX, 7}, {maxX - 4, 4}});
    }
    strip.SelectBrush(objects.redBrush);
    strip.Polygon({{avgX - 3, 1}, {avgX + 3, 1}, {avgX + 3, 3}, {avgX, 6}, {avgX - 3, 3}});
    upperDisplay.BitBlt(0, 0, kScaleWidth, kMarkerStripHeight, strip, 0, 0, Rop::SrcCopy);
    return averageMarkerX;
}

} // namespace lumet

#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/CosmeticLine.h"
#include "platform/gdi/WidePenOutline.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lumet {

namespace {

constexpr PixelWord kAlpha = 0xFF000000u;
constexpr PixelWord kRgbMask = 0x00FFFFFFu;
constexpr PixelWord kBlack = 0xFF000000u;
constexpr PixelWord kWhite = 0xFFFFFFFFu;

// A dotted pen lights this many pixels, then skips as many.
constexpr int kDotRun = 3;

PixelWord Mix(PixelWord destination, PixelWord pixel, Rop2 mix) {
    return mix == Rop2::XorPen ? ((destination ^ pixel) & kRgbMask) | kAlpha : pixel;
}

PixelWord Combine(PixelWord destination, PixelWord source, Rop rop) {
    switch (rop) {
    case Rop::SrcCopy:
        return source | kAlpha;
    case Rop::SrcAnd:
        return (source & destination) | kAlpha;
    case Rop::SrcInvert:
        return ((source ^ destination) & kRgbMask) | kAlpha;
    case Rop::SrcPaint:
        return source | destination | kAlpha;
    }
    return destination;
}

// The two rows never overlap (a blit reads from a copy of its source), and saying so
// lets the compiler combine several pixels per instruction.
template <Rop rop>
void CombineRun(PixelWord* __restrict to, const PixelWord* __restrict from, int count) {
    for (int i = 0; i < count; ++i) {
        to[i] = Combine(to[i], from[i], rop);
    }
}

// One row of a same-size copy, with the raster operation chosen once for the row
// rather than once per pixel.
void CombineRun(PixelWord* to, const PixelWord* from, int count, Rop rop) {
    switch (rop) {
    case Rop::SrcCopy:
        CombineRun<Rop::SrcCopy>(to, from, count);
        return;
    case Rop::SrcAnd:
        CombineRun<Rop::SrcAnd>(to, from, count);
        return;
    case Rop::SrcInvert:
        CombineRun<Rop::SrcInvert>(to, from, count);
        return;
    case Rop::SrcPaint:
        CombineRun<Rop::SrcPaint>(to, from, count);
        return;
    }
}

// For each destination index 0 … count−1, the source index it samples, or -1 when
// that lies outside 0 … sourceLimit−1.
std::vector<int> SampleMap(int destinationStart, int visibleStart, int visibleEnd,
                           int destinationExtent, int sourceStart, int sourceExtent,
                           int sourceLimit) {
    std::vector<int> map;
    map.reserve(static_cast<std::size_t>(visibleEnd - visibleStart));
    for (int d = visibleStart; d < visibleEnd; ++d) {
        const long long offset =
            static_cast<long long>(d - destinationStart) * sourceExtent / destinationExtent;
        const long long s = sourceStart + offset;
        map.push_back(s >= 0 && s < sourceLimit ? static_cast<int>(s) : -1);
    }
    return map;
}

} // namespace

Bitmap DeviceContext::SelectBitmap(Bitmap bitmap) {
    return std::exchange(bitmap_, std::move(bitmap));
}

Pen DeviceContext::SelectPen(Pen pen) {
    return std::exchange(pen_, pen);
}

Brush DeviceContext::SelectBrush(Brush brush) {
    return std::exchange(brush_, brush);
}

Font DeviceContext::SelectFont(Font font) {
    return std::exchange(font_, std::move(font));
}

Color DeviceContext::SetTextColor(Color color) {
    return std::exchange(textColor_, color);
}

Color DeviceContext::SetBkColor(Color color) {
    return std::exchange(bkColor_, color);
}

BackgroundMode DeviceContext::SetBkMode(BackgroundMode mode) {
    return std::exchange(bkMode_, mode);
}

Rop2 DeviceContext::SetROP2(Rop2 mode) {
    return std::exchange(rop2_, mode);
}

Rect DeviceContext::ClipBox() const {
    const Rect bounds{0, 0, bitmap_.Width(), bitmap_.Height()};
    return clip_ ? bounds.Intersected(clip_->Bounds()) : bounds;
}

PixelWord DeviceContext::DevicePixel(Color color) const {
    if (!bitmap_.IsMonochrome()) {
        return color.ToPixel();
    }
    return color.Gray() >= 128 ? kWhite : kBlack;
}

void DeviceContext::PaintRect(const Rect& rect, PixelWord pixel, Rop2 mix) {
    const Rect visible = rect.Intersected(ClipBox());
    if (visible.IsEmpty()) {
        return;
    }
    for (int y = visible.top; y < visible.bottom; ++y) {
        PixelWord* row = bitmap_.MutableRow(y);
        if (mix == Rop2::CopyPen) {
            std::fill(row + visible.left, row + visible.right, pixel);
            continue;
        }
        for (int x = visible.left; x < visible.right; ++x) {
            row[x] = Mix(row[x], pixel, mix);
        }
    }
}

void DeviceContext::PaintSpans(const std::vector<Span>& spans, PixelWord pixel, Rop2 mix,
                               const PixelMask* except) {
    const Rect clip = ClipBox();
    for (const Span& span : spans) {
        if (span.y < clip.top || span.y >= clip.bottom) {
            continue;
        }
        PixelWord* row = bitmap_.MutableRow(span.y);
        const int right = std::min(span.right, clip.right);
        for (int x = std::max(span.left, clip.left); x < right; ++x) {
            if (except == nullptr || !except->Test(x, span.y)) {
                row[x] = Mix(row[x], pixel, mix);
            }
        }
    }
}

void DeviceContext::PaintMask(const PixelMask& mask, PixelWord pixel, Rop2 mix) {
    const Rect visible = mask.Bounds().Intersected(ClipBox());
    if (visible.IsEmpty()) {
        return;
    }
    for (int y = visible.top; y < visible.bottom; ++y) {
        PixelWord* row = bitmap_.MutableRow(y);
        for (int x = visible.left; x < visible.right; ++x) {
            if (mask.Test(x, y)) {
                row[x] = Mix(row[x], pixel, mix);
            }
        }
    }
}

void DeviceContext::PaintPixel(int x, int y, PixelWord pixel, Rop2 mix) {
    PaintPixel(x, y, pixel, mix, ClipBox());
}

void DeviceContext::PaintPixel(int x, int y, PixelWord pixel, Rop2 mix, const Rect& clip) {
    if (clip.Contains(x, y)) {
        PixelWord& target = bitmap_.MutableRow(y)[x];
        target = Mix(target, pixel, mix);
    }
}

void DeviceContext::StrokeCosmetic(std::span<const Point> path) {
    if (pen_.Style() == PenStyle::Null || path.empty()) {
        return;
    }
    const PixelWord mark = DevicePixel(pen_.GetColor());
    const PixelWord gap = DevicePixel(bkColor_);
    const bool dotted = pen_.Style() == PenStyle::Dot;
    const bool paintGaps = dotted && bkMode_ == BackgroundMode::Opaque;
    const Rect clip = ClipBox();
    int position = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        WalkCosmeticLine(path[i], path[(i + 1) % path.size()], [&](int x, int y) {
            if (!dotted || position % (2 * kDotRun) < kDotRun) {
                PaintPixel(x, y, mark, rop2_, clip);
            } else if (paintGaps) {
                PaintPixel(x, y, gap, rop2_, clip);
            }
            ++position;
        });
    }
}

void DeviceContext::Blit(const Rect& destination, const DeviceContext& source, int sourceX,
                         int sourceY, int sourceWidth, int sourceHeight, Rop rop) {
    if (destination.IsEmpty() || sourceWidth <= 0 || sourceHeight <= 0 || bitmap_.IsNull() ||
        source.bitmap_.IsNull()) {
        return;
    }
    const Rect visible = destination.Intersected(ClipBox());
    if (visible.IsEmpty()) {
        return;
    }
    // A shallow copy keeps the source pixels as they were even when the source is
    // this very bitmap: writing below detaches the destination from it.
    const Bitmap sourceImage = source.bitmap_;
    const bool sameFormat = source.bitmap_.IsMonochrome() == bitmap_.IsMonochrome();
    if (sameFormat && sourceWidth == destination.Width() && sourceHeight == destination.Height()) {
        CopyUnscaled(visible, sourceImage, static_cast<long long>(sourceX) - destination.left,
                     static_cast<long long>(sourceY) - destination.top, rop);
        return;
    }
    const std::vector<int> columns =
        SampleMap(destination.left, visible.left, visible.right, destination.Width(), sourceX,
                  sourceWidth, sourceImage.Width());
    const std::vector<int> rows =
        SampleMap(destination.top, visible.top, visible.bottom, destination.Height(), sourceY,
                  sourceHeight, sourceImage.Height());

    const bool fromMonochrome = source.bitmap_.IsMonochrome() && !bitmap_.IsMonochrome();
    const bool toMonochrome = !source.bitmap_.IsMonochrome() && bitmap_.IsMonochrome();
    const PixelWord zeroPixel = DevicePixel(textColor_);
    const PixelWord onePixel = DevicePixel(bkColor_);
    const PixelWord sourceBackground = source.bkColor_.ToPixel() & kRgbMask;
    auto convert = [&](PixelWord pixel) {
        if (fromMonochrome) {
            return (pixel & kRgbMask) != 0 ? onePixel : zeroPixel;
        }
        if (toMonochrome) {
            return (pixel & kRgbMask) == sourceBackground ? kWhite : kBlack;
        }
        return pixel;
    };

    for (std::size_t j = 0; j < rows.size(); ++j) {
        if (rows[j] < 0) {
            continue;
        }
        const PixelWord* from = sourceImage.Row(rows[j]);
        PixelWord* to = bitmap_.MutableRow(visible.top + static_cast<int>(j));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i] >= 0) {
                PixelWord& target = to[visible.left + static_cast<int>(i)];
                target = Combine(target, convert(from[columns[i]]), rop);
            }
        }
    }
}

void DeviceContext::CopyUnscaled(const Rect& visible, const Bitmap& sourceImage, long long shiftX,
                                 long long shiftY, Rop rop) {
    // Only the part of the rectangle that has source pixels under it changes. 64 bits,
    // because a caller's source offset may lie anywhere in the int range.
    const long long left = std::max<long long>(visible.left, -shiftX);
    const long long right = std::min<long long>(visible.right, sourceImage.Width() - shiftX);
    const long long top = std::max<long long>(visible.top, -shiftY);
    const long long bottom = std::min<long long>(visible.bottom, sourceImage.Height() - shiftY);
    if (left >= right || top >= bottom) {
        return;
    }
    // Within the visible rectangle and the source image from here on, so int again.
    const int firstColumn = static_cast<int>(left);
    const int sourceColumn = static_cast<int>(left + shiftX);
    const int count = static_cast<int>(right - left);
    for (int y = static_cast<int>(top); y < bottom; ++y) {
        const PixelWord* from = sourceImage.Row(static_cast<int>(y + shiftY));
        PixelWord* to = bitmap_.MutableRow(y);
        CombineRun(to + firstColumn, from + sourceColumn, count, rop);
    }
}

void DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext& source,
                           int sourceX, int sourceY, Rop rop) {
    if (width <= 0 || height <= 0) {
        return;
    }
    Blit(Rect{x, y, x + width, y + height}, source, sourceX, sourceY, width, height, rop);
}

void DeviceContext::StretchBlt(int x, int y, int width, int height, const DeviceContext& source,
                               int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                               Rop rop) {
    if (width <= 0 || height <= 0) {
        return;
    }
    Blit(Rect{x, y, x + width, y + height}, source, sourceX, sourceY, sourceWidth, sourceHeight,
         rop);
}

void DeviceContext::FillRect(const Rect& rect, const Brush& brush) {
    if (bitmap_.IsNull() || brush.IsNull()) {
        return;
    }
    PaintRect(rect.Normalized(), DevicePixel(brush.GetColor()), Rop2::CopyPen);
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    const Rect box = Rect{left, top, right, bottom}.Normalized();
    if (bitmap_.IsNull() || box.IsEmpty()) {
        return;
    }
    const int lastX = box.right - 1;
    const int lastY = box.bottom - 1;
    // GDI's stroke order; it decides where a dotted frame's pattern starts.
    const std::array<Point, 4> path{{
        {lastX, box.top},
        {box.left, box.top},
        {box.left, lastY},
        {lastX, lastY},
    }};
    const PixelWord brushPixel = DevicePixel(brush_.GetColor());
    if (IsWidePen()) {
        const PixelMask outline = TraceWideOutline(path, ClipBox());
        if (!brush_.IsNull()) {
            std::vector<Span> interior;
            for (int y = box.top; y < lastY; ++y) {
                interior.push_back(Span{y, box.left, lastX});
            }
            PaintSpans(interior, brushPixel, rop2_, &outline);
        }
        PaintMask(outline, DevicePixel(pen_.GetColor()), rop2_);
        return;
    }
    StrokeCosmetic(path);
    if (box.Width() == 1 && box.Height() == 1 && pen_.Style() != PenStyle::Null) {
        PaintPixel(box.left, box.top, DevicePixel(pen_.GetColor()), rop2_);
    }
    if (!brush_.IsNull()) {
        const int inset = pen_.Style() == PenStyle::Null ? 0 : 1;
        PaintRect(Rect{box.left + inset, box.top + inset, lastX, lastY}, brushPixel, rop2_);
    }
}

void DeviceContext::Polygon(std::span<const Point> points) {
    if (bitmap_.IsNull() || points.size() < 2) {
        return;
    }
    const std::vector<Span> interior = brush_.IsNull() ? std::vector<Span>{} : ScanPolygon(points);
    const PixelWord brushPixel = DevicePixel(brush_.GetColor());
    if (IsWidePen()) {
        const PixelMask outline = TraceWideOutline(points, ClipBox());
        PaintSpans(interior, brushPixel, rop2_, &outline);
        PaintMask(outline, DevicePixel(pen_.GetColor()), rop2_);
        return;
    }
    PaintSpans(interior, brushPixel, rop2_, nullptr);
    StrokeCosmetic(points);
}

void DeviceContext::InvertRgn(const Region& region) {
    const Rect visible = region.Bounds().Intersected(ClipBox());
    if (bitmap_.IsNull() || visible.IsEmpty()) {
        return;
    }
    PaintRect(visible, kWhite, Rop2::XorPen);
}

void DeviceContext::TextOut(int x, int y, std::string_view text) {
    if (bitmap_.IsNull() || font_.IsNull()) {
        return;
    }
    // The rendering carries the advance too: the string is looked up once.
    const std::shared_ptr<const RasterText> raster = text.empty() ? nullptr : font_.Render(text);
    if (bkMode_ == BackgroundMode::Opaque) {
        const int cellWidth = raster ? raster->advance : 0;
        PaintRect(Rect{x, y, x + cellWidth, y + font_.CellHeight()}, DevicePixel(bkColor_),
                  Rop2::CopyPen);
    }
    if (!raster) {
        return;
    }
    const int left = x - raster->margin;
    const int top = y - raster->margin;
    const Rect visible =
        Rect{left, top, left + raster->width, top + raster->height}.Intersected(ClipBox());
    const PixelWord pixel = DevicePixel(textColor_);
    for (int row = visible.top; row < visible.bottom; ++row) {
        PixelWord* target = bitmap_.MutableRow(row);
        for (int column = visible.left; column < visible.right; ++column) {
            if (raster->Inked(column - left, row - top)) {
                target[column] = pixel;
            }
        }
    }
}

Size DeviceContext::GetTextExtent(std::string_view text) const {
    if (font_.IsNull()) {
        return {};
    }
    return Size{font_.TextWidth(text), font_.CellHeight()};
}

std::optional<Color> DeviceContext::SetPixel(int x, int y, Color color) {
    if (!ClipBox().Contains(x, y)) {
        return std::nullopt;
    }
    const PixelWord pixel = DevicePixel(color);
    bitmap_.MutableRow(y)[x] = pixel;
    return Color::FromPixel(pixel);
}

std::optional<Color> DeviceContext::GetPixel(int x, int y) const {
    if (!Rect{0, 0, bitmap_.Width(), bitmap_.Height()}.Contains(x, y)) {
        return std::nullopt;
    }
    return bitmap_.Pixel(x, y);
}

} // namespace lumet

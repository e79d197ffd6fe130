#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/DrawingModes.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/PixelMask.h"
#include "platform/gdi/Point.h"
#include "platform/gdi/PolygonScan.h"
#include "platform/gdi/Rect.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Size.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lumet {

// A memory device context: the bitmap it draws into and the drawing state that
// GDI keeps per DC, with the drawing calls the displays and reports use, pixel for
// pixel as GDI draws them. The context owns its bitmap; selecting another one hands
// the previous one back, as SelectObject does.
//
// A new context has no bitmap (it draws nothing and copies nothing), the stock
// black pen, the stock white brush, no font, black text on a white background in
// opaque mode, R2_COPYPEN and no clip region. Every call draws only inside the
// bitmap and the clip region.
//
// Rules that differ from a naive rasteriser:
// - Rectangles exclude their right and bottom edges. A 1-pixel pen frames the
//   pixels just inside (l … r−1, t … b−1) and the brush fills l+1 … r−2; with the
//   null pen the brush fills l … r−2 × t … b−2. A rectangle with no width or no
//   height draws nothing.
// - 1-pixel outlines are stroked as GDI strokes them: segment by segment, each
//   leaving out its last pixel, Rectangle anticlockwise from the top right corner.
//   Under R2_XORPEN a pixel lit twice is restored, so a rectangle one pixel wide
//   flips only its top and bottom pixel, as in GDI. One departure: a 1 × 1
//   rectangle, whose segments all have no length and which GDI leaves blank,
//   lights its pixel, so that a one-pixel bar shows.
// - Dotted pens light 3 pixels and skip 3, continuing along the whole figure from
//   its first pixel; in opaque mode the skipped pixels take the background color.
// - Brush fills and pen strokes follow SetROP2; BitBlt, FillRect, InvertRgn, text
//   and SetPixel ignore it.
class DeviceContext {
public:
    DeviceContext() = default;
    explicit DeviceContext(Bitmap bitmap) : bitmap_(std::move(bitmap)) {}

    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    DeviceContext(DeviceContext&&) noexcept = default;
    DeviceContext& operator=(DeviceContext&&) noexcept = default;

    // SelectObject: each returns the object selected before.
    Bitmap SelectBitmap(Bitmap bitmap);
    Pen SelectPen(Pen pen);
    Brush SelectBrush(Brush brush);
    Font SelectFont(Font font);

    const Bitmap& CurrentBitmap() const { return bitmap_; }
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const Font& CurrentFont() const { return font_; }

    // Each setter returns the previous value.
    Color SetTextColor(Color color);
    Color SetBkColor(Color color);
    BackgroundMode SetBkMode(BackgroundMode mode);
    Rop2 SetROP2(Rop2 mode);

    Color GetTextColor() const { return textColor_; }
    Color GetBkColor() const { return bkColor_; }
    BackgroundMode GetBkMode() const { return bkMode_; }
    Rop2 GetROP2() const { return rop2_; }

    // Replaces the clip region; std::nullopt removes it.
    void SelectClipRgn(std::optional<Region> region) { clip_ = std::move(region); }
    const std::optional<Region>& GetClipRgn() const { return clip_; }

    // Copies width × height pixels from (sourceX, sourceY) of source to (x, y).
    // Destination pixels whose source lies outside the source bitmap keep their
    // value. Copies between a monochrome and a color bitmap convert as GDI does:
    // monochrome 0 becomes this context's text color and 1 its background color;
    // a color pixel becomes 1 (white) where it equals the source context's
    // background color and 0 elsewhere. Source and destination may be the same
    // context. Non-positive sizes copy nothing.
    void BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX,
                int sourceY, Rop rop);

    // Like BitBlt, scaling sourceWidth × sourceHeight onto width × height by
    // taking for each destination pixel the source pixel it falls on (source
    // pixels that fall between destination pixels are dropped when shrinking).
    void StretchBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, Rop rop);

    // Fills rect (right and bottom excluded, corners in either order) with brush,
    // ignoring the mix mode.
    void FillRect(const Rect& rect, const Brush& brush);

    void Rectangle(int left, int top, int right, int bottom);

    // Fills the polygon's interior with the brush (ALTERNATE, see ScanPolygon),
    // then strokes its closed outline with the pen, which lights every vertex.
    void Polygon(std::span<const Point> points);
    void Polygon(std::initializer_list<Point> points) {
        Polygon(std::span<const Point>(points.begin(), points.size()));
    }

    // Inverts every pixel of region (D = ~D).
    void InvertRgn(const Region& region);

    // Draws text with the selected font, its cell's top left corner at (x, y). In
    // opaque mode the cell, GetTextExtent(text) wide and the font's cell height
    // high, is first filled with the background color. Glyph pixels take the
    // text color and may reach outside the cell.
    void TextOut(int x, int y, std::string_view text);
    Size GetTextExtent(std::string_view text) const;

    // Sets one pixel; returns the color set, or nothing when the pixel lies outside
    // the bitmap or the clip region.
    std::optional<Color> SetPixel(int x, int y, Color color);
    // The pixel's color, or nothing outside the bitmap.
    std::optional<Color> GetPixel(int x, int y) const;

private:
    // Where drawing may change pixels: the bitmap ∩ the clip region.
    Rect ClipBox() const;
    // The pixel value a color takes in this context's bitmap.
    PixelWord DevicePixel(Color color) const;
    bool IsWidePen() const { return pen_.Style() == PenStyle::Solid && pen_.Width() > 1; }

    void PaintRect(const Rect& rect, PixelWord pixel, Rop2 mix);
    void PaintSpans(const std::vector<Span>& spans, PixelWord pixel, Rop2 mix,
                    const PixelMask* except);
    void PaintMask(const PixelMask& mask, PixelWord pixel, Rop2 mix);
    void PaintPixel(int x, int y, PixelWord pixel, Rop2 mix);
    void PaintPixel(int x, int y, PixelWord pixel, Rop2 mix, const Rect& clip);
    void StrokeCosmetic(std::span<const Point> path);
    // A blit whose source and destination have the same size and pixel format: the
    // destination pixel (x, y) takes the source pixel (x + shiftX, y + shiftY).
    void CopyUnscaled(const Rect& visible, const Bitmap& sourceImage, long long shiftX,
                      long long shiftY, Rop rop);
    void Blit(const Rect& destination, const DeviceContext& source, int sourceX, int sourceY,
              int sourceWidth, int sourceHeight, Rop rop);

    Bitmap bitmap_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Color textColor_{0, 0, 0};
    Color bkColor_{255, 255, 255};
    BackgroundMode bkMode_ = BackgroundMode::Opaque;
    Rop2 rop2_ = Rop2::CopyPen;
    std::optional<Region> clip_;
};

} // namespace lumet

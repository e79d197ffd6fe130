#include "platform/gdi/DeviceContext.h"

#include "platform/qtgdi/BitmapImage.h"
#include "tests/gdi/PixelMap.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;
using test::kRed;
using test::kSkin;
using test::kWhite;

TEST(DeviceContextTest, StartsWithTheStockObjectsAndModes) {
    const DeviceContext dc;
    EXPECT_EQ(dc.CurrentPen(), Pen::Solid(kBlack));
    EXPECT_EQ(dc.CurrentBrush(), Brush::Solid(kWhite));
    EXPECT_TRUE(dc.CurrentFont().IsNull());
    EXPECT_TRUE(dc.CurrentBitmap().IsNull());
    EXPECT_EQ(dc.GetTextColor(), kBlack);
    EXPECT_EQ(dc.GetBkColor(), kWhite);
    EXPECT_EQ(dc.GetBkMode(), BackgroundMode::Opaque);
    EXPECT_EQ(dc.GetROP2(), Rop2::CopyPen);
    EXPECT_FALSE(dc.GetClipRgn().has_value());
}

TEST(DeviceContextTest, SelectingReturnsThePreviousObject) {
    DeviceContext dc;
    EXPECT_EQ(dc.SelectPen(Pen::Null()), Pen());
    EXPECT_EQ(dc.SelectPen(Pen::Dotted(kRed)), Pen::Null());
    EXPECT_EQ(dc.SelectBrush(Brush::Null()), Brush());
    EXPECT_EQ(dc.SetROP2(Rop2::XorPen), Rop2::CopyPen);
    EXPECT_EQ(dc.SetBkMode(BackgroundMode::Transparent), BackgroundMode::Opaque);
    EXPECT_EQ(dc.SetTextColor(kRed), kBlack);
    EXPECT_EQ(dc.SetBkColor(kSkin), kWhite);

    EXPECT_TRUE(dc.SelectBitmap(Bitmap(4, 4)).IsNull());
    dc.SetPixel(1, 1, kRed);
    const Bitmap drawn = dc.SelectBitmap(Bitmap(2, 2));
    EXPECT_EQ(drawn.Width(), 4);
    EXPECT_EQ(drawn.Pixel(1, 1), kRed);
    EXPECT_EQ(dc.CurrentBitmap().Width(), 2);
}

TEST(DeviceContextTest, PensWiderThanTwoPixelsAreRefused) {
    EXPECT_THROW(Pen::Solid(kRed, 3), std::invalid_argument);
    EXPECT_EQ(Pen::Solid(kRed, 0).Width(), 1);
}

TEST(RectTest, UnitedCoversBothAndIgnoresEmptyRectangles) {
    const Rect a{10, 20, 30, 40};
    EXPECT_EQ(a.United(Rect{25, 5, 50, 30}), (Rect{10, 5, 50, 40}));
    // An empty rectangle far away must not stretch the union towards it.
    EXPECT_EQ(a.United(Rect{100, 100, 100, 120}), a);
    EXPECT_EQ((Rect{0, 0, 0, 0}).United(a), a);
}

TEST(FillRectTest, FillsLeftTopInclusiveRightBottomExclusiveIgnoringTheMixMode) {
    DeviceContext dc = FilledContext(8, 8, kSkin);
    dc.SetROP2(Rop2::XorPen);
    dc.FillRect(Rect{2, 3, 6, 5}, Brush::Solid(kLightCyan));
    EXPECT_EQ(CountPixels(dc, Rect{2, 3, 6, 5}, kLightCyan), 8);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 8, 8}, kLightCyan), 8);
    dc.FillRect(Rect{0, 0, 8, 8}, Brush::Null());
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 8, 8}, kSkin), 56);
}

TEST(InvertRgnTest, InvertsExactlyTheRegionAndTwiceRestores) {
    DeviceContext dc = FilledContext(8, 6, kSkin);
    const Region region(2, 1, 5, 3);
    dc.InvertRgn(region);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 8, 6}, Color::FromHex(0xDFCFBF)), 6);
    EXPECT_EQ(CountPixels(dc, Rect{2, 1, 5, 3}, Color::FromHex(0xDFCFBF)), 6);
    dc.InvertRgn(region);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 8, 6}, kSkin), 48);
}

TEST(InvertRgnTest, OverlappingLabelBoxesCancelWhereTheyOverlap) {
    DeviceContext graph = FilledContext(40, 42, kSkin);
    graph.InvertRgn(Region(3, 31, 21, 40));
    graph.InvertRgn(Region(6, 31, 24, 40));
    EXPECT_EQ(CountPixels(graph, Rect{6, 31, 21, 40}, kSkin), 15 * 9);
    EXPECT_EQ(CountPixels(graph, Rect{0, 0, 40, 42}, kSkin), 40 * 42 - 2 * 3 * 9);
}

TEST(InvertRgnTest, IsCutByTheImageEdgeAndTheClipRegion) {
    DeviceContext graph = FilledContext(316, 42, kSkin);
    graph.InvertRgn(Region(309, 31, 327, 40));
    EXPECT_EQ(CountPixels(graph, Rect{0, 0, 316, 42}, kSkin), 316 * 42 - 7 * 9);

    DeviceContext clipped = FilledContext(10, 10, kSkin);
    clipped.SelectClipRgn(Region(0, 0, 3, 10));
    clipped.InvertRgn(Region(2, 2, 8, 4));
    EXPECT_EQ(CountPixels(clipped, Rect{0, 0, 10, 10}, kSkin), 100 - 2);
}

TEST(PixelTest, SetPixelHonoursTheClipRegionAndGetPixelTheBitmap) {
    DeviceContext dc = FilledContext(4, 4, kSkin);
    dc.SelectClipRgn(Region(0, 0, 2, 2));
    EXPECT_EQ(dc.SetPixel(1, 1, kRed), kRed);
    EXPECT_EQ(dc.SetPixel(3, 3, kRed), std::nullopt);
    EXPECT_EQ(dc.GetPixel(3, 3), kSkin);
    EXPECT_EQ(dc.GetPixel(4, 0), std::nullopt);
    EXPECT_EQ(dc.GetPixel(0, -1), std::nullopt);
}

TEST(MonochromeTest, ColorsDrawnIntoAMonochromeBitmapBecomeBlackOrWhite) {
    DeviceContext mono{Bitmap::Monochrome(4, 1)};
    mono.FillRect(Rect{0, 0, 2, 1}, Brush::Solid(kLightCyan));
    EXPECT_EQ(mono.SetPixel(3, 0, Color::FromHex(0x200000)), kBlack);
    EXPECT_EQ(mono.GetPixel(0, 0), kWhite);
    EXPECT_EQ(mono.GetPixel(2, 0), kBlack);
}

TEST(BitmapTest, NewBitmapsAreBlackAndEmptySizesAreNull) {
    const Bitmap color(3, 2);
    EXPECT_FALSE(color.IsMonochrome());
    EXPECT_EQ(color.Pixel(2, 1), kBlack);
    EXPECT_TRUE(Bitmap::Monochrome(2, 2).IsMonochrome());
    EXPECT_TRUE(Bitmap(0, 5).IsNull());
    EXPECT_TRUE(Bitmap(5, -1).IsNull());
}

TEST(BitmapTest, LoadsColorAndOneBitFiles) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());

    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({0xFF0B0B0Du, 0xFFFF0000u});
    indexed.fill(0);
    indexed.setPixel(2, 1, 1);
    const QString colorPath = directory.filePath(QStringLiteral("banner.bmp"));
    ASSERT_TRUE(indexed.save(colorPath, "BMP"));
    const Bitmap color = Bitmap::Load(colorPath.toStdString());
    ASSERT_FALSE(color.IsNull());
    EXPECT_FALSE(color.IsMonochrome());
    EXPECT_EQ(color.Pixel(0, 0), Color::FromHex(0x0B0B0D));
    EXPECT_EQ(color.Pixel(2, 1), kRed);

    QImage mask(4, 1, QImage::Format_Mono);
    mask.setColorTable({0xFF000000u, 0xFFFFFFFFu});
    mask.fill(1);
    mask.setPixel(1, 0, 0);
    const QString maskPath = directory.filePath(QStringLiteral("mask.bmp"));
    ASSERT_TRUE(mask.save(maskPath, "BMP"));
    const Bitmap loaded = Bitmap::Load(maskPath.toStdString());
    ASSERT_FALSE(loaded.IsNull());
    EXPECT_TRUE(loaded.IsMonochrome());
    EXPECT_EQ(loaded.Pixel(0, 0), kWhite);
    EXPECT_EQ(loaded.Pixel(1, 0), kBlack);

    EXPECT_TRUE(
        Bitmap::Load(directory.filePath(QStringLiteral("missing.bmp")).toStdString()).IsNull());
}

TEST(BitmapTest, FromImageDropsAlpha) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0x00123456u);
    const Bitmap bitmap = BitmapFromImage(image);
    EXPECT_EQ(bitmap.Pixel(0, 0), Color::FromHex(0x123456));
    EXPECT_EQ(ImageView(bitmap).pixel(0, 0), 0xFF123456u);
}

TEST(BitmapTest, DrawingIntoANullBitmapDoesNothing) {
    DeviceContext dc;
    dc.Rectangle(0, 0, 5, 5);
    dc.Polygon({{0, 0}, {4, 0}, {0, 4}});
    dc.FillRect(Rect{0, 0, 5, 5}, Brush::Solid(kRed));
    dc.InvertRgn(Region(0, 0, 5, 5));
    dc.TextOut(0, 0, "x");
    EXPECT_EQ(dc.SetPixel(0, 0, kRed), std::nullopt);
    EXPECT_TRUE(dc.CurrentBitmap().IsNull());
}

} // namespace
} // namespace lumet

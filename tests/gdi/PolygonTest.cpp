#include "platform/gdi/CosmeticLine.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PolygonScan.h"
#include "tests/gdi/PixelMap.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace lumet {
namespace {

using test::FilledContext;
using test::kBlack;
using test::kGreen;
using test::kLightCyan;
using test::kOrange;
using test::kRed;
using test::Picture;
using test::PixelMap;
using Rows = std::vector<std::string>;

std::vector<Point> Walk(Point from, Point to) {
    std::vector<Point> pixels;
    WalkCosmeticLine(from, to, [&](int x, int y) { pixels.push_back(Point{x, y}); });
    return pixels;
}

TEST(CosmeticLineTest, LightsTheStartButNotTheEnd) {
    EXPECT_EQ(Walk({0, 0}, {4, 0}), (std::vector<Point>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(Walk({0, 0}, {0, -3}), (std::vector<Point>{{0, 0}, {0, -1}, {0, -2}}));
    EXPECT_EQ(Walk({0, 0}, {3, 3}), (std::vector<Point>{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(Walk({0, 0}, {4, 3}), (std::vector<Point>{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
    EXPECT_TRUE(Walk({5, 5}, {5, 5}).empty());
}

TEST(CosmeticLineTest, ALineAndItsReverseLightTheSamePixels) {
    // Ties (the ideal line passing halfway between two pixels) are where a plain
    // Bresenham differs by direction; GDI's rule resolves them the same way.
    for (int dx = -6; dx <= 6; ++dx) {
        for (int dy = -6; dy <= 6; ++dy) {
            const Point from{0, 0};
            const Point to{dx, dy};
            auto forward = Walk(from, to);
            auto backward = Walk(to, from);
            forward.push_back(to);
            backward.push_back(from);
            const auto less = [](Point a, Point b) {
                return std::pair(a.x, a.y) < std::pair(b.x, b.y);
            };
            std::sort(forward.begin(), forward.end(), less);
            std::sort(backward.begin(), backward.end(), less);
            EXPECT_EQ(forward, backward) << "to " << dx << "," << dy;
        }
    }
}

TEST(PolygonScanTest, SquareExcludesItsRightColumnAndBottomRow) {
    const std::vector<Point> square{{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    EXPECT_EQ(ScanPolygon(square), (std::vector<Span>{{0, 0, 4}, {1, 0, 4}, {2, 0, 4}, {3, 0, 4}}));
}

TEST(PolygonScanTest, SlantedEdgesFillFromTheCeilingOfTheirCrossing) {
    const std::vector<Point> triangle{{0, 0}, {4, 0}, {0, 4}};
    EXPECT_EQ(ScanPolygon(triangle),
              (std::vector<Span>{{0, 0, 4}, {1, 0, 3}, {2, 0, 2}, {3, 0, 1}}));
    const std::vector<Point> flag{{10, 1}, {14, 1}, {14, 4}, {10, 7}};
    EXPECT_EQ(ScanPolygon(flag),
              (std::vector<Span>{
                  {1, 10, 14}, {2, 10, 14}, {3, 10, 14}, {4, 10, 14}, {5, 10, 13}, {6, 10, 12}}));
}

TEST(PolygonScanTest, AlternateModeLeavesTheOverlapOfASelfCrossingFigureEmpty) {
    // Two squares traced as one figure through a shared corner path: the part
    // enclosed twice is outside under the even-odd rule.
    const std::vector<Point> figure{{0, 0}, {6, 0}, {6, 6}, {2, 6}, {2, 2}, {4, 2}, {4, 4}, {0, 4}};
    const std::vector<Span> spans = ScanPolygon(figure);
    const auto covers = [&](int x, int y) {
        return std::any_of(spans.begin(), spans.end(),
                           [&](const Span& s) { return s.y == y && x >= s.left && x < s.right; });
    };
    EXPECT_TRUE(covers(1, 1));
    EXPECT_FALSE(covers(3, 3));
    EXPECT_TRUE(covers(5, 5));
}

TEST(PolygonScanTest, DegenerateInputsFillNothing) {
    EXPECT_TRUE(ScanPolygon(std::vector<Point>{{0, 0}, {5, 5}}).empty());
    EXPECT_TRUE(ScanPolygon(std::vector<Point>{{0, 3}, {5, 3}, {9, 3}}).empty());
}

// The quality scale's markers, drawn as the display draws them into its 7-row
// strip with the light-cyan pen in copy mode.
class MarkerTest : public ::testing::Test {
protected:
    DeviceContext strip_ = FilledContext(320, 7, kBlack);
    const test::Legend legend_{
        {'.', kBlack}, {'#', kLightCyan}, {'g', kGreen}, {'r', kRed}, {'o', kOrange}};

    void SetUp() override { strip_.SelectPen(Pen::Solid(kLightCyan)); }
};

TEST_F(MarkerTest, MinimumFlag) {
    const int minX = 20;
    strip_.SelectBrush(Brush::Solid(kGreen));
    strip_.Polygon({{minX, 1}, {minX + 4, 1}, {minX + 4, 4}, {minX, 7}});
    const Rows expected = Picture(R"(
.......
.#####.
.#ggg#.
.#ggg#.
.#ggg#.
.#g##..
.##....
)");
    EXPECT_EQ(PixelMap(strip_, Rect{minX - 1, 0, minX + 6, 7}, legend_), expected);
}

TEST_F(MarkerTest, AveragePointer) {
    const int avgX = 40;
    strip_.SelectBrush(Brush::Solid(kRed));
    strip_.Polygon({{avgX - 3, 1}, {avgX + 3, 1}, {avgX + 3, 3}, {avgX, 6}, {avgX - 3, 3}});
    const Rows expected = Picture(R"(
.........
.#######.
.#rrrrr#.
.#rrrrr#.
..#rrr#..
...#r#...
....#....
)");
    EXPECT_EQ(PixelMap(strip_, Rect{avgX - 4, 0, avgX + 5, 7}, legend_), expected);
}

TEST_F(MarkerTest, MaximumFlag) {
    const int maxX = 60;
    strip_.SelectBrush(Brush::Solid(kOrange));
    strip_.Polygon({{maxX - 4, 1}, {maxX, 1}, {maxX, 7}, {maxX - 4, 4}});
    const Rows expected = Picture(R"(
.......
.#####.
.#ooo#.
.#ooo#.
.#ooo#.
..##o#.
....##.
)");
    EXPECT_EQ(PixelMap(strip_, Rect{maxX - 5, 0, maxX + 2, 7}, legend_), expected);
}

TEST_F(MarkerTest, BlinkImagePentagonFillsItsSevenBySixImage) {
    DeviceContext image = FilledContext(7, 6, kBlack);
    image.SelectPen(Pen::Solid(kLightCyan));
    image.SelectBrush(Brush::Solid(kRed));
    image.Polygon({{0, 0}, {6, 0}, {6, 2}, {3, 5}, {0, 2}});
    const Rows expected = Picture(R"(
#######
#rrrrr#
#rrrrr#
.#rrr#.
..#r#..
...#...
)");
    EXPECT_EQ(PixelMap(image, Rect{0, 0, 7, 6}, legend_), expected);
}

TEST(PolygonTest, NullPenFillsOnlyTheInterior) {
    DeviceContext dc = FilledContext(6, 6, kBlack);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(kGreen));
    dc.Polygon({{1, 1}, {5, 1}, {1, 5}});
    const test::Legend legend{{'.', kBlack}, {'g', kGreen}};
    EXPECT_EQ(PixelMap(dc, Rect{0, 0, 6, 6}, legend),
              (Rows{"......", ".gggg.", ".ggg..", ".gg...", ".g....", "......"}));
}

TEST(PolygonTest, WidePenSquareMatchesTheWidePenRectangle) {
    const test::Legend legend{{'.', kBlack}, {'#', kLightCyan}, {'g', kGreen}};
    DeviceContext polygon = FilledContext(12, 12, kBlack);
    polygon.SelectPen(Pen::Solid(kLightCyan, 2));
    polygon.SelectBrush(Brush::Solid(kGreen));
    polygon.Polygon({{2, 2}, {8, 2}, {8, 7}, {2, 7}});
    DeviceContext rectangle = FilledContext(12, 12, kBlack);
    rectangle.SelectPen(Pen::Solid(kLightCyan, 2));
    rectangle.SelectBrush(Brush::Solid(kGreen));
    rectangle.Rectangle(2, 2, 9, 8);
    EXPECT_EQ(PixelMap(polygon, Rect{0, 0, 12, 12}, legend),
              PixelMap(rectangle, Rect{0, 0, 12, 12}, legend));
}

TEST(PolygonTest, WidePenSlantedOutlineIsPaintedOncePerPixel) {
    DeviceContext dc = FilledContext(20, 20, test::kSkin);
    dc.SelectPen(Pen::Solid(kLightCyan, 2));
    dc.SelectBrush(Brush::Solid(kGreen));
    dc.SetROP2(Rop2::XorPen);
    const std::initializer_list<Point> triangle{{3, 3}, {15, 6}, {6, 16}};
    dc.Polygon(triangle);
    EXPECT_GT(test::CountPixels(dc, Rect{0, 0, 20, 20}, test::kSkinXorCyan), 30);
    EXPECT_GT(test::CountPixels(dc, Rect{0, 0, 20, 20}, Color::FromHex(0x203040 ^ 0x007F00)), 20);
    dc.Polygon(triangle);
    EXPECT_EQ(test::CountPixels(dc, Rect{0, 0, 20, 20}, test::kSkin), 400);
}

} // namespace
} // namespace lumet

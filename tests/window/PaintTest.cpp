#include "WindowFixture.h"
#include "platform/qtwindow/HostWidget.h"
#include "platform/window/ClientDc.h"
#include "platform/window/EditControl.h"
#include "platform/window/StaticControl.h"
#include "platform/window/UpdateRegion.h"
#include "platform/window/WindowSurface.h"

#include <QPixmap>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumet::test {
namespace {

TEST(UpdateRegionTest, BoundsCoverEveryAddedRectangle) {
    UpdateRegion region;
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_TRUE(region.Bounds().IsEmpty());
    region.Add(Rect{10, 20, 30, 40}, false);
    region.Add(Rect{50, 5, 60, 15}, false);
    EXPECT_EQ(region.Bounds(), (Rect{10, 5, 60, 40}));
    EXPECT_FALSE(region.NeedsErase());
}

TEST(UpdateRegionTest, EraseIsAskedByAnyAddAndClearedWithTheArea) {
    UpdateRegion region;
    region.Add(Rect{0, 0, 5, 5}, false);
    region.Add(Rect{5, 5, 6, 6}, true);
    EXPECT_TRUE(region.NeedsErase());
    region.Clear();
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_FALSE(region.NeedsErase());
}

TEST(UpdateRegionTest, EmptyRectanglesAddNothing) {
    UpdateRegion region;
    region.Add(Rect{5, 5, 5, 20}, true);
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_FALSE(region.NeedsErase());
}

using PaintTest = WindowTest;

TEST_F(PaintTest, SentPaintWithNothingInvalidStillReachesTheHandlerAndDrawsNothing) {
    handler.paint = [](DeviceContext& dc, const Rect&) {
        dc.FillRect(Rect{0, 0, 360, 116}, Brush::Solid(Color{255, 0, 0}));
    };
    window.SendPaint();
    ASSERT_EQ(handler.paints.size(), 1u);
    EXPECT_TRUE(handler.paints[0].IsEmpty());
    EXPECT_EQ(SurfacePixel(window, 100, 50), kBlack);
    EXPECT_TRUE(handler.Lines("erase").empty());
}

TEST_F(PaintTest, PaintIsClippedToTheInvalidAreaAndValidatesIt) {
    handler.paint = [](DeviceContext& dc, const Rect&) {
        dc.FillRect(Rect{0, 0, 360, 116}, Brush::Solid(Color{255, 0, 0}));
    };
    window.Invalidate(Rect{10, 10, 20, 20}, false);
    window.SendPaint();
    ASSERT_EQ(handler.paints.size(), 1u);
    EXPECT_EQ(handler.paints[0], (Rect{10, 10, 20, 20}));
    EXPECT_EQ(SurfacePixel(window, 10, 10), (Color{255, 0, 0}));
    EXPECT_EQ(SurfacePixel(window, 19, 19), (Color{255, 0, 0}));
    EXPECT_EQ(SurfacePixel(window, 20, 19), kBlack);
    EXPECT_TRUE(window.InvalidBounds().IsEmpty());
    window.SendPaint();
    EXPECT_TRUE(handler.paints[1].IsEmpty());
}

TEST_F(PaintTest, InvalidAreaIsPaintedOnceByThePaintPassAfterPostedMessages) {
    window.Invalidate(Rect{0, 0, 5, 5}, true);
    window.PostMessage(kWmApp + 7);
    window.Invalidate(Rect{5, 5, 9, 9}, true);
    EXPECT_TRUE(handler.paints.empty());
    Drain();
    EXPECT_EQ(handler.log, (std::vector<std::string>{"message 7", "erase", "paint"}));
    EXPECT_EQ(handler.paints[0], (Rect{0, 0, 9, 9}));
}

TEST_F(PaintTest, MessagesPostedByTheDialogPaintComeBeforeTheControlsPaint) {
    StaticControl statics(5, Rect{0, 0, 10, 10}, true);
    window.AddControl(statics);
    std::vector<std::string> order;
    handler.paint = [&](DeviceContext&, const Rect&) {
        order.push_back("dialog");
        window.PostMessage(kWmApp + 2);
    };
    handler.message = [&](int, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        order.push_back("overlay");
        // The control has not painted yet: its area is still invalid.
        EXPECT_TRUE(statics.IsInvalid());
        return 0;
    };
    window.InvalidateArea(Rect{0, 0, 360, 116});
    Drain();
    EXPECT_EQ(order, (std::vector<std::string>{"dialog", "overlay"}));
    EXPECT_FALSE(statics.IsInvalid());
}

TEST_F(PaintTest, RepaintControlsOverPaintsOnlyTheVisibleControlsInTheArea) {
    EditControl inside(5, Rect{10, 10, 20, 20});
    EditControl hidden(6, Rect{30, 10, 40, 20});
    EditControl outside(7, Rect{100, 10, 110, 20});
    for (EditControl* control : {&inside, &hidden, &outside}) {
        window.AddControl(*control);
    }
    hidden.ShowWindow(false);
    Drain();
    constexpr Color kRed{255, 0, 0};
    {
        ClientDc dc(window);
        dc->FillRect(Rect{0, 0, 360, 116}, Brush::Solid(kRed));
    }
    window.RepaintControlsOver(Rect{0, 0, 50, 50});
    EXPECT_NE(SurfacePixel(window, 15, 15), kRed);
    EXPECT_EQ(SurfacePixel(window, 35, 15), kRed);
    EXPECT_EQ(SurfacePixel(window, 105, 15), kRed);
    EXPECT_FALSE(inside.IsInvalid());
}

TEST_F(PaintTest, InvalidationIsClippedToTheVisibleClientArea) {
    window.Invalidate(Rect{0, 100, 360, 300}, false);
    EXPECT_EQ(window.InvalidBounds(), (Rect{0, 100, 360, 116}));
}

TEST_F(PaintTest, ClientDcStartsInTheDefaultStateAndRestoresTheOuterOne) {
    {
        ClientDc outer(window);
        outer->SetTextColor(Color{1, 2, 3});
        outer->SelectBrush(Brush::Solid(Color{9, 9, 9}));
        {
            ClientDc inner(window);
            EXPECT_EQ(inner->GetTextColor(), kBlack);
            EXPECT_EQ(inner->CurrentBrush(), Brush());
            inner->SetTextColor(Color{7, 7, 7});
        }
        EXPECT_EQ(outer->GetTextColor(), (Color{1, 2, 3}));
        EXPECT_EQ(outer->CurrentBrush(), Brush::Solid(Color{9, 9, 9}));
    }
    ClientDc again(window);
    EXPECT_EQ(again->GetTextColor(), kBlack);
}

TEST_F(PaintTest, ClientDcDrawsOnlyIntoTheRowsOnTheScreen) {
    {
        ClientDc dc(window);
        dc->FillRect(Rect{0, 0, 360, 416}, Brush::Solid(Color{0, 255, 0}));
    }
    EXPECT_EQ(SurfacePixel(window, 0, 115), (Color{0, 255, 0}));
    EXPECT_EQ(SurfacePixel(window, 0, 116), kBlack);
    window.SetClientHeight(416, false);
    {
        ClientDc dc(window);
        dc->FillRect(Rect{0, 0, 360, 416}, Brush::Solid(Color{0, 0, 255}));
        // Reading back gives what was drawn, as a copy from the screen would.
        EXPECT_EQ(dc->GetPixel(359, 415), (Color{0, 0, 255}));
    }
}

TEST_F(PaintTest, TheWidgetShowsTheSurfacePixelForPixel) {
    HostWidget::Of(window).show();
    {
        ClientDc dc(window);
        dc.Dc().FillRect(Rect{0, 0, 360, 116}, Brush::Solid(Color{10, 20, 30}));
        dc.Dc().FillRect(Rect{100, 40, 101, 41}, Brush::Solid(Color{250, 128, 1}));
        dc.Dc().FillRect(Rect{359, 115, 360, 116}, Brush::Solid(Color{1, 2, 3}));
    }
    const QImage shown =
        HostWidget::Of(window).grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(360, 116));
    EXPECT_EQ(Color::FromPixel(shown.pixel(0, 0)), (Color{10, 20, 30}));
    EXPECT_EQ(Color::FromPixel(shown.pixel(100, 40)), (Color{250, 128, 1}));
    EXPECT_EQ(Color::FromPixel(shown.pixel(101, 40)), (Color{10, 20, 30}));
    EXPECT_EQ(Color::FromPixel(shown.pixel(359, 115)), (Color{1, 2, 3}));
    HostWidget::Of(window).hide();
}

TEST_F(PaintTest, ShowingTheWindowInvalidatesAndPaintsIt) {
    HostWidget::Of(window).show();
    Drain();
    EXPECT_FALSE(handler.paints.empty());
    EXPECT_EQ(handler.paints.back(), (Rect{0, 0, 360, 116}));
    HostWidget::Of(window).hide();
}

TEST_F(PaintTest, GrowingTheWindowWithRepaintInvalidatesOnlyTheNewRows) {
    window.SetClientHeight(200, true);
    EXPECT_EQ(window.InvalidBounds(), (Rect{0, 116, 360, 200}));
    EXPECT_EQ(window.ClientHeight(), 200);
    EXPECT_EQ(HostWidget::Of(window).height(), 200);
    window.SendPaint();
    window.SetClientHeight(416, false);
    EXPECT_TRUE(window.InvalidBounds().IsEmpty());
}

} // namespace
} // namespace lumet::test

namespace lumet::test {
namespace {

TEST(WindowSurfaceTest, TheScreenGetsOnlyWhatTheDrawingCouldReach) {
    // One push when the outermost drawing ends, of the areas its ClientDcs could
    // draw into.
    struct Row {
        const char* fault;
        std::vector<std::optional<Rect>> nestedClips; // outermost first
        std::vector<Rect> pushes;
    };
    const Rect client{0, 0, 360, 116};
    const Row rows[] = {
        {"drawing on the window is not shown", {std::nullopt}, {client}},
        {"a control's repaint pushes the whole window",
         {Rect{10, 10, 20, 20}},
         {Rect{10, 10, 20, 20}}},
        {"a paint with nothing invalid pushes the window", {Rect{}}, {}},
        {"nested drawing pushes more than once or loses an area",
         {Rect{0, 0, 10, 10}, Rect{50, 50, 60, 60}},
         {Rect{0, 0, 60, 60}}},
        {"an area off the client is pushed",
         {Rect{350, 100, 400, 200}},
         {Rect{350, 100, 360, 116}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        WindowSurface surface;
        std::vector<Rect> pushes;
        surface.SetScreenUpdate([&pushes](const Rect& area) { pushes.push_back(area); });
        {
            std::vector<std::unique_ptr<ClientDc>> open;
            for (const std::optional<Rect>& clip : row.nestedClips) {
                open.push_back(std::make_unique<ClientDc>(surface, clip));
            }
            EXPECT_TRUE(pushes.empty()) << "pushed before the drawing ended";
            while (!open.empty()) {
                open.pop_back();
            }
        }
        EXPECT_EQ(pushes, row.pushes);
    }
}

TEST_F(PaintTest, EachFaceIsDecodedOnce) {
    std::map<std::string, int> decoded;
    const auto loader = [&decoded](const std::string& name) {
        ++decoded[name];
        return Bitmap(4, 4);
    };
    window.SetFaceLoader(loader);
    for (const char* name : {"RUNU", "RUNR", "RUNU", "RUNR", "RUNU"}) {
        EXPECT_FALSE(window.LoadFace(name).IsNull());
    }
    EXPECT_EQ(decoded, (std::map<std::string, int>{{"RUNR", 1}, {"RUNU", 1}}));

    // Another loader may load other pictures under the same names.
    window.SetFaceLoader(loader);
    window.LoadFace("RUNU");
    EXPECT_EQ(decoded["RUNU"], 2) << "a new loader was served the old faces";
}

} // namespace
} // namespace lumet::test

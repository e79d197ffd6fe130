#include "app/MainDialogTemplate.h"
#include "platform/qtwindow/QtWindowSystem.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"
#include "tests/support/FakeClock.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/ui/MainDialogFixture.h"
#include "ui/DialogExchange.h"
#include "ui/DisplayBuffers.h"
#include "ui/PanelSlides.h"
#include "ui/WindowUserActivity.h"

#include <gtest/gtest.h>

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

class QuietHandler final : public DialogHandler {
public:
    int mouseMoves = 0;
    int presses = 0;
    void OnPaint(DeviceContext&, const Rect&) override {}
    void OnMouseMove(Point) override { ++mouseMoves; }
    void OnLeftButtonDown(Point) override { ++presses; }
};

// Skin buttons that never get to hover.
class NoHoverHost final : public SkinButtonHost {
public:
    const DeviceContext& HoverBackdrop() const override { return backdrop_; }
    TestState CurrentTestState() const override { return TestState::Idle; }
    bool DisplayAreaCovered() const override { return true; }

private:
    DeviceContext backdrop_{Bitmap(320, 54)};
};

class DialogPartsTest : public ::testing::Test {
protected:
    HoverState hover;
    NoHoverHost host;
    QuietHandler handler;
    CountingBeep beep;
    FakeClock clock;
    FakeTimers schedule{clock};
    FakeTimerSource timers{schedule};
    QtWindowSystem windows;
    DialogWindow window{handler, beep, timers, windows};

    void Fill(const Rect& area, Color color) {
        ClientDc dc(window);
        dc->FillRect(area, Brush::Solid(color));
    }
    Color At(int x, int y) const { return window.SurfacePixels().Pixel(x, y); }
};

TEST_F(DialogPartsTest, ExchangeWritesAndReadsTheFieldsInExchangeOrder) {
    const MainDialogControls controls(window, MainDialogTemplate::Description(), hover, host);
    TargetStrings target;
    target.addressText = "127.0.0.9";
    SettingsFields fields{1, 32, 10, 248, 32, 1000};
    RecordingMessageBoxes messages;
    DialogExchange exchange(controls, target, fields, messages);

    exchange.ToControls();
    EXPECT_EQ(controls.AddressField().GetWindowText(), "127.0.0.9");
    EXPECT_EQ(controls.FindEdit(Id::kPingLimitField)->GetWindowText(), "32");
    EXPECT_EQ(controls.FindEdit(Id::kTimeoutField)->GetWindowText(), "1000");

    controls.AddressField().SetWindowText("127.0.0.8");
    controls.FindEdit(Id::kPingLimitField)->SetWindowText("7");
    controls.FindEdit(Id::kIntervalField)->SetWindowText("4");
    EXPECT_TRUE(exchange.FromControls());
    EXPECT_EQ(target.addressText, "127.0.0.8");
    EXPECT_EQ(fields.pingCount, 7u);
    EXPECT_EQ(fields.pingInterval, 4u);
    EXPECT_TRUE(messages.shown.empty());

    // PacketSize comes after PingInterval and before TimeOut and TTL.
    controls.FindEdit(Id::kPacketSizeField)->SetWindowText("x");
    controls.FindEdit(Id::kTimeoutField)->SetWindowText("2000");
    controls.FindEdit(Id::kIntervalField)->SetWindowText("5");
    EXPECT_FALSE(exchange.FromControls());
    EXPECT_EQ(fields.pingInterval, 5u);
    EXPECT_EQ(fields.packetSize, 248u);
    EXPECT_EQ(fields.timeOut, 1000u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Please enter a positive integer.");
}

TEST_F(DialogPartsTest, WatchingKeepsOnlyTheFirstMoveOrPressFromTheDialog) {
    struct Row {
        const char* fault;
        InputKind first;
        InputKind second;
        bool moved, pressed;
        int movesThrough, pressesThrough;
    };
    const Row rows[] = {
        {"a click right behind the move is swallowed", InputKind::MouseMove,
         InputKind::LeftButtonDown, true, false, 0, 1},
        {"a move right behind the click is swallowed", InputKind::LeftButtonDown,
         InputKind::MouseMove, false, true, 1, 0},
        {"a second click is swallowed", InputKind::LeftButtonDown, InputKind::LeftButtonDown, false,
         true, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        handler.mouseMoves = 0;
        handler.presses = 0;
        WindowUserActivity activity(window);
        activity.StartWatching();
        window.DeliverMouse(row.first, Point{5, 5}, Point{5, 5});
        window.DeliverMouse(row.second, Point{6, 5}, Point{6, 5});

        EXPECT_EQ(activity.MouseMoved(), row.moved);
        EXPECT_EQ(activity.LeftButtonPressed(), row.pressed);
        EXPECT_EQ(handler.mouseMoves, row.movesThrough);
        EXPECT_EQ(handler.presses, row.pressesThrough);
        activity.StopWatching();
    }
}

TEST_F(DialogPartsTest, WatchingStartsAfreshAndEndsWithStopWatching) {
    WindowUserActivity activity(window);
    activity.StartWatching();
    window.DeliverMouse(InputKind::MouseMove, Point{5, 5}, Point{5, 5});
    activity.StartWatching();
    EXPECT_FALSE(activity.MouseMoved());
    activity.StopWatching();
    window.DeliverMouse(InputKind::MouseMove, Point{6, 5}, Point{6, 5});
    window.DeliverMouse(InputKind::LeftButtonDown, Point{6, 5}, Point{6, 5});
    EXPECT_EQ(handler.mouseMoves, 1);
    EXPECT_EQ(handler.presses, 1);
    EXPECT_FALSE(activity.MouseMoved());
}

TEST_F(DialogPartsTest, AWindowThatIsNotRunningCountsAsClosing) {
    const WindowUserActivity activity(window);
    EXPECT_TRUE(activity.QuitRequested());
}

TEST_F(DialogPartsTest, PanelSlidesSaveTheAreaShowThePanelAndBringTheAreaBack) {
    DeviceContext panel(Bitmap(322, 80));
    panel.FillRect(Rect{0, 0, 322, 80}, Brush::Solid(Color{0, 0, 200}));
    DeviceContext save(Bitmap(322, 80));
    Fill(Rect{0, 0, 360, 116}, Color{10, 10, 10});
    Fill(Rect{6, 30, 328, 110}, Color{200, 0, 0});

    SlidePanelOpen(window, panel, save, clock);
    EXPECT_EQ(At(6, 30), (Color{0, 0, 200}));
    EXPECT_EQ(At(327, 109), (Color{0, 0, 200}));
    EXPECT_EQ(At(5, 30), (Color{10, 10, 10}));
    EXPECT_EQ(At(6, 110), (Color{10, 10, 10}));
    EXPECT_EQ(save.CurrentBitmap().Pixel(0, 0), (Color{200, 0, 0}));
    EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(81, 3));

    SlidePanelClosed(window, save, clock);
    EXPECT_EQ(At(6, 30), (Color{200, 0, 0}));
    EXPECT_EQ(At(327, 109), (Color{200, 0, 0}));
    EXPECT_EQ(clock.sleeps.size(), 162u);
}

TEST_F(DialogPartsTest, ReportPanelSlideGrowsTheWindowByThreeHundredRowsAndBack) {
    DeviceContext report(Bitmap(360, 300));
    report.FillRect(Rect{0, 0, 360, 300}, Brush::Solid(Color{0, 120, 0}));
    SlideReportPanelOpen(window, report, clock);
    EXPECT_EQ(window.ClientHeight(), 416);
    EXPECT_EQ(At(0, 116), (Color{0, 120, 0}));
    EXPECT_EQ(At(359, 415), (Color{0, 120, 0}));
    EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(101, 1));
    SlideReportPanelClosed(window, report, clock);
    EXPECT_EQ(window.ClientHeight(), 116);
}

TEST_F(DialogPartsTest, CaptureTakesBothBandsAndTheBackdropFromTheDisplayArea) {
    DisplayBuffers buffers;
    buffers.Create();
    ASSERT_TRUE(buffers.IsCreated());
    EXPECT_EQ(buffers.settingsPanel.CurrentBitmap().Width(), 322);
    EXPECT_EQ(buffers.reportPanel.CurrentBitmap().Height(), 300);
    Fill(Rect{0, 0, 360, 116}, Color{1, 2, 3});
    Fill(Rect{6, 30, 326, 54}, Color{50, 0, 0});
    Fill(Rect{6, 56, 326, 110}, Color{0, 50, 0});
    {
        ClientDc dc(window);
        buffers.CaptureDisplayArea(*dc);
    }
    EXPECT_EQ(buffers.upperDisplay.CurrentBitmap().Pixel(0, 0), (Color{50, 0, 0}));
    EXPECT_EQ(buffers.upperDisplay.CurrentBitmap().Pixel(319, 23), (Color{50, 0, 0}));
    EXPECT_EQ(buffers.lowerDisplay.CurrentBitmap().Pixel(0, 0), (Color{0, 50, 0}));
    EXPECT_EQ(buffers.hoverBackdrop.CurrentBitmap().Pixel(319, 53), (Color{0, 50, 0}));
    EXPECT_EQ(buffers.displayBackground.CurrentBitmap().Pixel(0, 24), (Color{1, 2, 3}));
    EXPECT_EQ(buffers.displayBackground.CurrentBitmap().Pixel(0, 26), (Color{0, 50, 0}));
}

} // namespace
} // namespace lumet::test

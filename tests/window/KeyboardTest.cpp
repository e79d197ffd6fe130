#include "WindowFixture.h"
#include "platform/qtwindow/HostWidget.h"
#include "platform/window/EditControl.h"
#include "platform/window/StaticControl.h"

namespace lumet::test {
namespace {

constexpr ControlStyle kTabStop{true, false, true};

class TabOrderTest : public WindowTest {
protected:
    EditControl first{1, Rect{0, 0, 10, 10}, kTabStop};
    StaticControl noStop{2, Rect{0, 20, 10, 30}, true};
    EditControl hidden{3, Rect{0, 40, 10, 50}, ControlStyle{false, false, true}};
    EditControl disabled{4, Rect{0, 60, 10, 70}, ControlStyle{true, true, true}};
    EditControl second{5, Rect{0, 80, 10, 90}, kTabStop};
    EditControl third{6, Rect{20, 80, 30, 90}, kTabStop};

    TabOrderTest() {
        for (Control* control : std::initializer_list<Control*>{&first, &noStop, &hidden, &disabled,
                                                                &second, &third}) {
            window.AddControl(*control);
        }
    }

    int FocusId() const { return window.GetFocus() ? window.GetFocus()->Id() : 0; }
};

TEST_F(TabOrderTest, TabVisitsVisibleEnabledTabStopsInOrderAndWraps) {
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        Press(Key::Tab);
        visited.push_back(FocusId());
    }
    EXPECT_EQ(visited, (std::vector<int>{1, 5, 6, 1}));
}

TEST_F(TabOrderTest, ShiftTabGoesBackwards) {
    second.SetFocus();
    Press(Key::Tab, KeyModifiers{true, false, false});
    EXPECT_EQ(FocusId(), 1);
    Press(Key::Tab, KeyModifiers{true, false, false});
    EXPECT_EQ(FocusId(), 6);
}

TEST_F(TabOrderTest, TabProducesNoCharacterInTheEdit) {
    first.SetFocus();
    window.DeliverKeyPress(Key::Tab, U'\t', {});
    EXPECT_EQ(first.GetWindowText(), "");
    EXPECT_EQ(FocusId(), 5);
}

TEST_F(TabOrderTest, HidingTheFocusedControlTakesTheFocusAway) {
    third.SetFocus();
    third.ShowWindow(false);
    EXPECT_EQ(window.GetFocus(), nullptr);
    EXPECT_EQ(handler.Lines("command 6").back(), "command 6 killfocus");
}

TEST_F(WindowTest, PreTranslationSeesKeysFirstAndAConsumedKeyMakesNoCharacter) {
    EditControl field(1000, Rect{12, 62, 314, 94}, kTabStop);
    window.AddControl(field);
    field.SetFocus();
    std::vector<std::string> seen;
    handler.preTranslate = [&](const InputMessage& message) {
        if (message.kind == InputKind::KeyDown && message.key == Key::Return &&
            message.targetId == 1000) {
            seen.push_back("enter in field");
            return true;
        }
        return false;
    };
    window.DeliverKeyPress(Key::Return, U'\r', {});
    EXPECT_EQ(seen, (std::vector<std::string>{"enter in field"}));
    EXPECT_FALSE(window.HasEnded());
    EXPECT_TRUE(handler.Lines("ok").empty());
}

TEST_F(WindowTest, EnterThatNobodyConsumesEndsTheDialogWithOk) {
    window.DeliverKeyPress(Key::Return, U'\r', {});
    EXPECT_EQ(handler.Lines("ok").size(), 1u);
    EXPECT_TRUE(window.HasEnded());
}

TEST_F(WindowTest, InputFiltersSeeMessagesFirstWhileTheirScopeLives) {
    std::vector<InputKind> filtered;
    {
        InputFilterScope scope = window.PushInputFilter([&](const InputMessage& message) {
            filtered.push_back(message.kind);
            return message.kind == InputKind::MouseMove ||
                   message.kind == InputKind::LeftButtonDown;
        });
        Move(Point{5, 5});
        window.DeliverMouse(InputKind::LeftButtonDown, Point{5, 5}, Point{5, 5});
        window.DeliverMouse(InputKind::LeftButtonUp, Point{5, 5}, Point{5, 5});
    }
    window.DeliverMouse(InputKind::LeftButtonDown, Point{6, 6}, Point{6, 6});
    EXPECT_EQ(filtered, (std::vector<InputKind>{InputKind::MouseMove, InputKind::LeftButtonDown,
                                                InputKind::LeftButtonUp}));
    EXPECT_EQ(handler.Lines("down"), (std::vector<std::string>{"down 6,6"}));
    EXPECT_EQ(handler.Lines("up"), (std::vector<std::string>{"up 5,5"}));
}

class ModalTest : public WindowTest {
protected:
    // Runs the dialog, doing step once the modal loop runs.
    int RunWith(std::function<void()> step) {
        window.PostMessage(kWmApp + 50);
        handler.message = [step = std::move(step)](int message, std::uintptr_t,
                                                   std::intptr_t) -> std::intptr_t {
            if (message == kWmApp + 50) {
                step();
            }
            return 0;
        };
        return window.RunModal();
    }
};

TEST_F(ModalTest, EscapeEndsTheDialogWithCancel) {
    EXPECT_EQ(RunWith([this] { window.DeliverKeyPress(Key::Escape, 0x1B, {}); }), kIdCancel);
    EXPECT_EQ(handler.log.front(), "init");
    EXPECT_EQ(handler.log.back(), "destroy");
    EXPECT_FALSE(HostWidget::Of(window).isVisible());
}

TEST_F(ModalTest, ACloseRequestEndsTheDialogWithCancel) {
    EXPECT_EQ(RunWith([this] { HostWidget::Of(window).close(); }), kIdCancel);
    EXPECT_EQ(handler.Lines("cancel").size(), 1u);
}

TEST_F(ModalTest, AHandledCancelKeepsTheDialogRunning) {
    handler.cancelHandled = true;
    bool endedAfterEscape = true;
    EXPECT_EQ(RunWith([this, &endedAfterEscape] {
                  window.DeliverKeyPress(Key::Escape, 0x1B, {});
                  endedAfterEscape = window.HasEnded();
                  window.EndDialog(7);
              }),
              7);
    EXPECT_FALSE(endedAfterEscape);
    EXPECT_EQ(handler.Lines("cancel").size(), 1u);
}

TEST_F(ModalTest, ACloseSeenWhilePumpingEndsTheRunWhenTheHandlerReturns) {
    bool returned = false;
    const int result = RunWith([&] {
        HostWidget::Of(window).close();
        // The handler goes on pumping: the dialog ends only when it returns.
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
        returned = true;
    });
    EXPECT_EQ(result, kIdCancel);
    EXPECT_TRUE(returned);
}

TEST_F(ModalTest, TheFirstPaintComesBeforeMessagesPostedByInit) {
    handler.initDialog = [this] {
        window.PostMessage(kWmApp + 1);
        return true;
    };
    RunWith([this] { window.EndDialog(kIdOk); });
    const auto paint = std::find(handler.log.begin(), handler.log.end(), "paint");
    const auto deferred = std::find(handler.log.begin(), handler.log.end(), "message 1");
    ASSERT_NE(paint, handler.log.end());
    ASSERT_NE(deferred, handler.log.end());
    EXPECT_LT(paint, deferred);
}

TEST_F(ModalTest, InitGivesTheFocusToTheFirstTabStop) {
    StaticControl strip(1016, Rect{48, 0, 280, 24}, true);
    EditControl field(1000, Rect{12, 62, 314, 94}, kTabStop);
    window.AddControl(strip);
    window.AddControl(field);
    field.SetWindowText("10.0.0.1");
    int focusDuringRun = 0;
    RunWith([&] {
        focusDuringRun = window.GetFocus() ? window.GetFocus()->Id() : 0;
        window.EndDialog(kIdOk);
    });
    EXPECT_EQ(focusDuringRun, 1000);
    EXPECT_EQ(field.SelectionEnd(), 8);
    EXPECT_EQ(window.GetFocus(), nullptr);
}

TEST_F(ModalTest, EndDialogDuringInitEndsWithoutShowing) {
    handler.initDialog = [this] {
        window.EndDialog(3);
        return true;
    };
    EXPECT_EQ(window.RunModal(), 3);
    EXPECT_TRUE(handler.paints.empty());
}

TEST_F(ModalTest, TimersStopWhenTheDialogEnds) {
    RunWith([this] {
        window.GetTimers().SetTimer(1, 10);
        window.EndDialog(kIdOk);
    });
    EXPECT_FALSE(window.GetTimers().IsRunning(1));
}

} // namespace
} // namespace lumet::test

#include "WindowFixture.h"
#include "platform/qtwindow/QtMessagePump.h"
#include "platform/window/StaticControl.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <thread>

namespace lumet::test {
namespace {

using MessageTest = WindowTest;

TEST_F(MessageTest, PostedMessagesArriveAfterTheCurrentHandlerInOrder) {
    std::vector<std::string> order;
    handler.message = [&](int message, std::uintptr_t wParam, std::intptr_t lParam) {
        order.push_back(std::to_string(message - kWmApp) + ":" + std::to_string(wParam) + ":" +
                        std::to_string(lParam));
        if (message == kWmApp + 1) {
            window.PostMessage(kWmApp + 3, 30, -3);
            order.push_back("1 returns");
        }
        return std::intptr_t{0};
    };
    window.PostMessage(kWmApp + 1, 10, -1);
    window.PostMessage(kWmApp + 2, 20, -2);
    EXPECT_TRUE(order.empty());
    Drain();
    EXPECT_EQ(order, (std::vector<std::string>{"1:10:-1", "1 returns", "2:20:-2", "3:30:-3"}));
}

TEST_F(MessageTest, SentMessagesAreHandledAtOnceWithTheirResult) {
    handler.message = [](int message, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        return message == kWmApp + 3 ? 1 : 0;
    };
    EXPECT_EQ(window.SendMessage(kWmApp + 3), 1);
    EXPECT_EQ(handler.log, (std::vector<std::string>{"message 3"}));
}

TEST_F(MessageTest, TimersTickByIdUntilKilled) {
    std::vector<int> ticks;
    handler.timer = [&](int id) {
        ticks.push_back(id);
        if (ticks.size() == 3) {
            window.GetTimers().KillTimer(1);
        }
    };
    window.GetTimers().SetTimer(1, 10);
    window.GetTimers().SetTimer(2, 5000);
    QElapsedTimer clock;
    clock.start();
    while (ticks.size() < 3 && clock.elapsed() < 5000) {
        QtMessagePump().WaitForMessages(50);
    }
    ASSERT_EQ(ticks, (std::vector<int>{1, 1, 1}));
    EXPECT_FALSE(window.GetTimers().IsRunning(1));
    EXPECT_TRUE(window.GetTimers().IsRunning(2));
}

TEST_F(MessageTest, TicksMissedWhileTheThreadIsBlockedCollapseIntoOne) {
    int ticks = 0;
    handler.timer = [&](int) { ++ticks; };
    window.GetTimers().SetTimer(1, 200);
    // Three periods pass without any event handling.
    QThread::msleep(700);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    // The next tick is a whole period away, not owed from the backlog.
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_F(MessageTest, SettingARunningTimerRestartsItsPeriod) {
    int ticks = 0;
    handler.timer = [&](int) { ++ticks; };
    window.GetTimers().SetTimer(1, 300);
    QThread::msleep(350);
    window.GetTimers().SetTimer(1, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
}

TEST_F(MessageTest, ControlTimersAreSeparateFromTheDialogs) {
    class TimedStatic final : public StaticControl {
    public:
        using StaticControl::StaticControl;
        std::vector<int> ticks;
        void OnTimer(int id) override { ticks.push_back(id); }
    };
    TimedStatic control(7, Rect{0, 0, 5, 5}, false);
    window.AddControl(control);
    control.GetTimers().SetTimer(10, 10);
    window.GetTimers().SetTimer(10, 100000);
    QElapsedTimer clock;
    clock.start();
    while (control.ticks.empty() && clock.elapsed() < 5000) {
        QtMessagePump().WaitForMessages(50);
    }
    control.GetTimers().KillTimer(10);
    EXPECT_EQ(control.ticks.front(), 10);
    EXPECT_TRUE(handler.Lines("timer").empty());
    EXPECT_TRUE(window.GetTimers().IsRunning(10));
}

TEST_F(MessageTest, PumpMessagesHandlesWhatIsPendingAndReturns) {
    window.PostMessage(kWmApp + 5);
    QtMessagePump().PumpMessages();
    EXPECT_EQ(handler.Lines("message"), (std::vector<std::string>{"message 5"}));
}

TEST(MessagePumpTest, WaitingSleepsInTheDispatcherInsteadOfPolling) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    ASSERT_NE(dispatcher, nullptr);
    Drain();
    int wakeUps = 0;
    const auto connection =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++wakeUps; });
    QElapsedTimer clock;
    clock.start();
    QtMessagePump().WaitForMessages(300);
    const qint64 waited = clock.elapsed();
    QObject::disconnect(connection);
    EXPECT_GE(waited, 290);
    // A polling loop would wake thousands of times in 300 ms.
    EXPECT_LE(wakeUps, 5);
}

TEST(MessagePumpTest, WaitingEndsWhenAnEventIsPosted) {
    QObject receiver;
    bool delivered = false;
    std::thread poster([&receiver, &delivered] {
        QThread::msleep(50);
        QMetaObject::invokeMethod(
            &receiver, [&delivered] { delivered = true; }, Qt::QueuedConnection);
    });
    QElapsedTimer clock;
    clock.start();
    // Events already pending (start-up work of the platform) end a wait too.
    int waits = 0;
    while (!delivered && clock.elapsed() < 10000) {
        QtMessagePump().WaitForMessages(20000);
        ++waits;
    }
    const qint64 waited = clock.elapsed();
    poster.join();
    EXPECT_TRUE(delivered);
    EXPECT_LT(waited, 10000);
    EXPECT_LE(waits, 5);
}

TEST(MessagePumpTest, WaitingZeroMillisecondsOnlyPumps) {
    QObject receiver;
    bool delivered = false;
    QMetaObject::invokeMethod(
        &receiver, [&delivered] { delivered = true; }, Qt::QueuedConnection);
    QtMessagePump().WaitForMessages(0);
    EXPECT_TRUE(delivered);
}

} // namespace
} // namespace lumet::test

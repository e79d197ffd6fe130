#include "tools/lumet-cli/ConsoleEventLoop.h"

#include "tests/support/FakeClock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

namespace lumet::cli {
namespace {

class ConsoleEventLoopTest : public testing::Test {
protected:
    ConsoleEventLoopTest() {
        loop.OnTick([this](int id) { ticks.push_back(id); });
    }

    test::FakeClock clock;
    ConsoleEventLoop loop{clock};
    std::vector<int> ticks;
};

TEST_F(ConsoleEventLoopTest, TimersTickByIdWhenDue) {
    loop.SetTimer(1, 333);
    loop.SetTimer(2, 500);
    clock.nowMs = 332;
    loop.PumpMessages();
    EXPECT_TRUE(ticks.empty());
    clock.nowMs = 333;
    loop.PumpMessages();
    clock.nowMs = 500;
    loop.PumpMessages();
    clock.nowMs = 666;
    loop.PumpMessages();
    EXPECT_EQ(ticks, (std::vector<int>{1, 2, 1}));
}

TEST_F(ConsoleEventLoopTest, MissedTicksCollapseIntoOne) {
    loop.SetTimer(1, 333);
    clock.nowMs = 2000; // six periods late, as after a long blocking probe
    loop.PumpMessages();
    loop.PumpMessages();
    EXPECT_EQ(ticks, std::vector<int>{1});
    clock.nowMs = 2332;
    loop.PumpMessages();
    EXPECT_EQ(ticks.size(), 1u);
    clock.nowMs = 2333;
    loop.PumpMessages();
    EXPECT_EQ(ticks.size(), 2u);
}

TEST_F(ConsoleEventLoopTest, TimerKilledByAnotherTickDoesNotFire) {
    loop.OnTick([this](int id) {
        ticks.push_back(id);
        loop.KillTimer(id == 1 ? 2 : 1);
    });
    loop.SetTimer(1, 100);
    loop.SetTimer(2, 100);
    clock.nowMs = 100;
    loop.PumpMessages();
    EXPECT_EQ(ticks, std::vector<int>{1});
    EXPECT_FALSE(loop.IsTimerRunning(2));
}

TEST_F(ConsoleEventLoopTest, WaitReturnsAtOnceWhenATickIsDue) {
    loop.SetTimer(1, 50);
    clock.nowMs = 60;
    loop.WaitForMessages(60000); // would hang the test if it slept the full time
    EXPECT_EQ(ticks, std::vector<int>{1});
}

TEST_F(ConsoleEventLoopTest, CtrlCArrivesAsAnEventOnce) {
    int interrupts = 0;
    loop.OnInterrupt([&] { ++interrupts; });
    std::raise(SIGINT);
    std::raise(SIGINT);
    loop.WaitForMessages(60000); // the pending interrupt ends the wait at once
    loop.PumpMessages();
    EXPECT_EQ(interrupts, 1);
}

TEST(ConsoleEventLoop, RestoresTheSignalHandlerItReplaced) {
    test::FakeClock clock;
    struct sigaction before {};
    sigaction(SIGINT, nullptr, &before);
    {
        ConsoleEventLoop loop(clock);
        struct sigaction during {};
        sigaction(SIGINT, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after {};
    sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
} // namespace lumet::cli

#include "tools/lumet-cli/ConsoleEventLoop.h"

#include "tests/support/FakeClock.h"

#include <csignal>
#include <gtest/gtest.h>
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

TEST_F(ConsoleEventLoopTest, EachEndingSignalArrivesAsAnEventOnce) {
    // Without the handler, SIGTERM or SIGHUP would end the test process itself.
    const struct {
        std::vector<int> raised;
        int delivered;
    } cases[] = {
        {{SIGINT, SIGINT}, SIGINT},
        {{SIGTERM}, SIGTERM},
        {{SIGHUP}, SIGHUP},
        {{SIGINT, SIGTERM}, SIGINT}, // the first one decides
    };
    for (const auto& c : cases) {
        std::vector<int> interrupts;
        loop.OnInterrupt([&](int signal) { interrupts.push_back(signal); });
        for (const int signal : c.raised) {
            std::raise(signal);
        }
        loop.WaitForMessages(60000); // the pending interrupt ends the wait at once
        loop.PumpMessages();
        EXPECT_EQ(interrupts, std::vector<int>{c.delivered}) << c.delivered;
    }
}

TEST(ConsoleEventLoop, RestoresTheSignalHandlerItReplaced) {
    test::FakeClock clock;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before {};
        sigaction(signal, nullptr, &before);
        {
            ConsoleEventLoop loop(clock);
            struct sigaction during {};
            sigaction(signal, nullptr, &during);
            EXPECT_NE(during.sa_handler, before.sa_handler) << signal;
        }
        struct sigaction after {};
        sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler) << signal;
    }
}

} // namespace
} // namespace lumet::cli

#include "tools/lumet-cli/win32/WinConsoleEventLoop.h"

#include "tests/support/FakeClock.h"

#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace lumet::cli {
namespace {

class WinConsoleEventLoopTest : public testing::Test {
protected:
    WinConsoleEventLoopTest() {
        loop.OnTick([this](int id) { ticks.push_back(id); });
        loop.OnInterrupt([this](int signal) { interrupts.push_back(signal); });
    }

    test::FakeClock clock;
    WinConsoleEventLoop loop{clock};
    std::vector<int> ticks;
    std::vector<int> interrupts;
};

TEST_F(WinConsoleEventLoopTest, TimersTickByIdWhenDue) {
    loop.SetTimer(1, 333);
    loop.SetTimer(2, 500);
    clock.nowMs = 332;
    loop.PumpMessages();
    EXPECT_TRUE(ticks.empty());
    clock.nowMs = 500;
    loop.PumpMessages();
    loop.KillTimer(1);
    clock.nowMs = 1000;
    loop.PumpMessages();
    EXPECT_EQ(ticks, (std::vector<int>{1, 2, 2}));
    EXPECT_FALSE(loop.IsTimerRunning(1));
}

TEST_F(WinConsoleEventLoopTest, WaitReturnsAtOnceWhenATickIsDue) {
    loop.SetTimer(1, 50);
    clock.nowMs = 60;
    loop.WaitForMessages(60000); // would hang the test if it slept the full time
    EXPECT_EQ(ticks, std::vector<int>{1});
}

TEST_F(WinConsoleEventLoopTest, ASignaledHandleEndsTheWaitAndCallsBack) {
    const UniqueHandle event(CreateEventW(nullptr, TRUE, TRUE, nullptr));
    int signaled = 0;
    const auto wait =
        loop.Watch(event.Get(), HandleWatcher::kForever, [&signaled] { ++signaled; }, {});
    loop.WaitForMessages(60000);
    EXPECT_EQ(signaled, 1);
}

struct InterruptRow {
    const char* fault;
    std::vector<DWORD> events;
    std::vector<int> delivered;
};

class ConsoleInterrupt : public WinConsoleEventLoopTest,
                         public testing::WithParamInterface<InterruptRow> {};

TEST_P(ConsoleInterrupt, ArrivesAsAnEventOnce) {
    const InterruptRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    for (const DWORD event : row.events) {
        EXPECT_TRUE(ConsoleInterrupts::OnControlEvent(event)) << "left to the system: " << event;
    }
    loop.WaitForMessages(60000); // the pending interrupt ends the wait at once
    loop.PumpMessages();
    EXPECT_EQ(interrupts, row.delivered);
}

INSTANTIATE_TEST_SUITE_P(
    WinConsoleEventLoop, ConsoleInterrupt,
    testing::Values(
        InterruptRow{"Ctrl+C not stopping a test as on Linux", {CTRL_C_EVENT}, {SIGINT}},
        InterruptRow{"Ctrl+Break ending the process, or a stay-alive test with a failure",
                     {CTRL_BREAK_EVENT},
                     {SIGINT}},
        InterruptRow{"Ctrl+C pressed twice stopping twice", {CTRL_C_EVENT, CTRL_C_EVENT}, {SIGINT}},
        InterruptRow{
            "a later interrupt changing the outcome", {CTRL_C_EVENT, CTRL_BREAK_EVENT}, {SIGINT}}));

TEST(ConsoleInterrupts, WithoutALoopTheSystemHandlesTheEvent) {
    EXPECT_FALSE(ConsoleInterrupts::OnControlEvent(CTRL_C_EVENT));
    const ConsoleInterrupts interrupts;
    EXPECT_FALSE(ConsoleInterrupts::OnControlEvent(0xFFFF)) << "an event that is no interrupt";
}

TEST(ConsoleInterrupts, ClosingTheConsoleWaitsForTheLoopToFinish) {
    test::FakeClock clock;
    auto loop = std::make_unique<WinConsoleEventLoop>(clock);
    std::vector<int> interrupts;
    loop->OnInterrupt([&interrupts](int signal) { interrupts.push_back(signal); });
    std::atomic<bool> returned = false;
    BOOL handled = FALSE;
    std::thread console([&] {
        handled = ConsoleInterrupts::OnControlEvent(CTRL_CLOSE_EVENT);
        returned = true;
    });
    loop->WaitForMessages(60000); // until the handler's interrupt arrives
    loop->PumpMessages();
    EXPECT_EQ(interrupts, std::vector<int>{SIGTERM});
    // Windows ends the process once the handler returns: the reports come first.
    EXPECT_FALSE(returned) << "the handler let the process end while the test still ran";
    loop.reset();
    console.join();
    EXPECT_TRUE(handled);
}

} // namespace
} // namespace lumet::cli

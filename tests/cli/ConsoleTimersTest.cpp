#include "tools/lumet-cli/ConsoleTimers.h"

#include "tests/support/FakeClock.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace lumet::cli {
namespace {

struct TickRow {
    const char* fault;
    std::uint32_t startMs;
    std::vector<std::pair<int, std::uint32_t>> timers; // id, period
    std::vector<std::uint32_t> looks;                  // ms after the start
    std::vector<int> ticks;
};

class TimerTicks : public testing::TestWithParam<TickRow> {};

TEST_P(TimerTicks, ComeByIdWhenDue) {
    const TickRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    test::FakeClock clock;
    clock.nowMs = row.startMs;
    ConsoleTimers timers(clock);
    for (const auto& [id, periodMs] : row.timers) {
        timers.Set(id, periodMs);
    }
    std::vector<int> ticks;
    for (const std::uint32_t look : row.looks) {
        clock.nowMs = row.startMs + look;
        timers.TickDue([&ticks](int id) { ticks.push_back(id); });
    }
    EXPECT_EQ(ticks, row.ticks);
}

INSTANTIATE_TEST_SUITE_P(
    ConsoleTimers, TimerTicks,
    testing::Values(
        TickRow{"a tick before its time, or a timer's ticks lost",
                0,
                {{1, 333}, {2, 500}},
                {332, 333, 500, 666},
                {1, 2, 1}},
        TickRow{"every missed period ticking after a long blocking probe",
                0,
                {{1, 333}},
                {2000, 2000, 2332, 2333},
                {1, 1}},
        TickRow{
            "setting a running id adding a second timer", 0, {{1, 100}, {1, 300}}, {100, 300}, {1}},
        TickRow{"a tick at once when the due time wraps past the counter's end",
                0xFFFFFF00u,
                {{1, 0x200}},
                {0x80, 0x1FF, 0x200},
                {1}}));

struct WaitRow {
    const char* fault;
    std::vector<std::pair<int, std::uint32_t>> timers;
    std::uint32_t nowMs;
    std::uint32_t limitMs;
    std::uint32_t waitMs;
};

class TimeToNextTick : public testing::TestWithParam<WaitRow> {};

TEST_P(TimeToNextTick, EndsTheLoopsWaitInTime) {
    const WaitRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    test::FakeClock clock;
    ConsoleTimers timers(clock);
    for (const auto& [id, periodMs] : row.timers) {
        timers.Set(id, periodMs);
    }
    clock.nowMs = row.nowMs;
    EXPECT_EQ(timers.TimeToNext(row.limitMs), row.waitMs);
}

INSTANTIATE_TEST_SUITE_P(
    ConsoleTimers, TimeToNextTick,
    testing::Values(
        WaitRow{"no timer waiting forever", {}, 0, 1000, 1000},
        WaitRow{"the wait sleeping past the next tick", {{1, 300}, {2, 200}}, 50, 1000, 150},
        WaitRow{"the wait longer than asked", {{1, 5000}}, 0, 1000, 1000},
        WaitRow{"a late timer waiting a whole period", {{1, 300}, {2, 100}}, 250, 1000, 0}));

} // namespace
} // namespace lumet::cli

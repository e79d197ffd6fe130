#include "tools/lumet-cli/ConsoleTimers.h"

#include <algorithm>
#include <vector>

namespace lumet::cli {

namespace {

// Signed difference: the millisecond counter may wrap between the two reads.
std::int32_t Until(std::uint32_t dueMs, std::uint32_t nowMs) {
    return static_cast<std::int32_t>(dueMs - nowMs);
}

} // namespace

void ConsoleTimers::Set(int id, std::uint32_t periodMs) {
    timers_[id] = Timer{periodMs, clock_.MonotonicMs() + periodMs};
}

std::uint32_t ConsoleTimers::TimeToNext(std::uint32_t limitMs) const {
    const std::uint32_t now = clock_.MonotonicMs();
    std::uint32_t wait = limitMs;
    for (const auto& [id, timer] : timers_) {
        const std::int32_t untilDue = Until(timer.dueMs, now);
        wait = untilDue <= 0 ? 0 : std::min(wait, static_cast<std::uint32_t>(untilDue));
    }
    return wait;
}

void ConsoleTimers::TickDue(const std::function<void(int id)>& onTick) {
    std::vector<int> due;
    const std::uint32_t now = clock_.MonotonicMs();
    for (auto& [id, timer] : timers_) {
        if (Until(timer.dueMs, now) <= 0) {
            due.push_back(id);
            timer.dueMs += timer.periodMs;
            if (Until(timer.dueMs, now) <= 0) {
                // Ticks missed while the thread was busy collapse into this one.
                timer.dueMs = now + timer.periodMs;
            }
        }
    }
    for (const int id : due) {
        if (onTick && IsRunning(id)) {
            onTick(id);
        }
    }
}

} // namespace lumet::cli

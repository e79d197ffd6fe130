#pragma once

#include "platform/clock/Clock.h"

#include <cstdint>
#include <functional>
#include <map>

namespace lumet::cli {

// The timers of a console event loop, by id, on the loop's clock. Setting a running
// id restarts it; ticks missed while the thread was busy collapse into one.
class ConsoleTimers {
public:
    explicit ConsoleTimers(const Clock& clock) : clock_(clock) {}

    void Set(int id, std::uint32_t periodMs);
    void Kill(int id) { timers_.erase(id); }
    bool IsRunning(int id) const { return timers_.count(id) != 0; }

    // Milliseconds until the next timer falls due, at most `limitMs`.
    std::uint32_t TimeToNext(std::uint32_t limitMs) const;
    // Ticks each timer that is due. A tick may set or kill timers; one killed by an
    // earlier tick does not tick.
    void TickDue(const std::function<void(int id)>& onTick);

private:
    struct Timer {
        std::uint32_t periodMs;
        std::uint32_t dueMs;
    };

    const Clock& clock_;
    std::map<int, Timer> timers_;
};

} // namespace lumet::cli

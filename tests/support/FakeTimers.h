#pragma once

#include "platform/events/Timers.h"
#include "tests/support/FakeClock.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace lumet::test {

// Window timers on a FakeClock. Ticks go to onTick when the test runs the clock
// forward (RunFor) or something pumps events (FakeMessagePump); ticks missed while
// the clock jumped collapse into one, as window timers do.
class FakeTimers final : public Timers {
public:
    struct Call {
        bool set = false; // false: KillTimer
        int id = 0;
        std::uint32_t periodMs = 0;
        std::uint32_t atMs = 0;
        friend bool operator==(const Call&, const Call&) = default;
    };
    std::vector<Call> calls;
    std::function<void(int id)> onTick;

    explicit FakeTimers(FakeClock& clock) : clock_(clock) {}

    void SetTimer(int id, std::uint32_t periodMs) override {
        calls.push_back({true, id, periodMs, clock_.nowMs});
        running_[id] = {std::max<std::uint32_t>(periodMs, 1), clock_.nowMs + periodMs};
    }
    void KillTimer(int id) override {
        calls.push_back({false, id, 0, clock_.nowMs});
        running_.erase(id);
    }

    bool IsRunning(int id) const { return running_.contains(id); }
    std::optional<std::uint32_t> NextDueMs() const {
        const auto next = Earliest();
        return next ? std::optional(running_.at(*next).dueMs) : std::nullopt;
    }

    // Delivers the ticks that are due at the current time.
    void DeliverDueTicks() {
        for (auto id = Earliest(); id && running_.at(*id).dueMs <= clock_.nowMs; id = Earliest()) {
            Fire(*id);
        }
    }

    // Moves the clock forward, delivering every tick at its due time.
    void RunFor(std::uint32_t ms) {
        const std::uint32_t end = clock_.nowMs + ms;
        for (auto id = Earliest(); id && running_.at(*id).dueMs <= end; id = Earliest()) {
            clock_.nowMs = std::max(clock_.nowMs, running_.at(*id).dueMs);
            Fire(*id);
        }
        clock_.nowMs = std::max(clock_.nowMs, end);
    }

private:
    struct Running {
        std::uint32_t periodMs;
        std::uint32_t dueMs;
    };

    std::optional<int> Earliest() const {
        const auto next =
            std::min_element(running_.begin(), running_.end(), [](const auto& a, const auto& b) {
                return a.second.dueMs < b.second.dueMs;
            });
        return next == running_.end() ? std::nullopt : std::optional(next->first);
    }

    void Fire(int id) {
        Running& timer = running_.at(id);
        do {
            timer.dueMs += timer.periodMs;
        } while (timer.dueMs <= clock_.nowMs);
        if (onTick) {
            onTick(id);
        }
    }

    FakeClock& clock_;
    std::map<int, Running> running_;
};

} // namespace lumet::test

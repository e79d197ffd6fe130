#pragma once

#include "platform/events/IoWatcher.h"
#include "platform/events/Timers.h"
#include "tests/support/FakeClock.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace lumet::test {

// Window timers on a FakeClock, and the event loop's waits (only their time-outs:
// the fake watches no descriptors). Ticks go to onTick and expired waits to their
// callbacks when the test runs the clock forward (RunFor) or something pumps
// events (FakeMessagePump), in the order they fall due; ticks missed while the
// clock jumped collapse into one, as window timers do.
class FakeTimers final : public Timers, public IoWatcher {
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

    std::unique_ptr<IoWait> Watch(int, std::uint32_t timeoutMs, std::function<void()>,
                                  std::function<void()> expired) override {
        const int key = nextWaitKey_++;
        waits_[key] = {clock_.nowMs + timeoutMs, std::move(expired)};
        return std::make_unique<FakeWait>(*this, key);
    }

    bool IsRunning(int id) const { return running_.contains(id); }
    std::optional<std::uint32_t> NextDueMs() const {
        const auto next = Earliest();
        return next ? std::optional(next->dueMs) : std::nullopt;
    }

    // Delivers the ticks and waits that are due at the current time.
    void DeliverDueTicks() {
        for (auto next = Earliest(); next && next->dueMs <= clock_.nowMs; next = Earliest()) {
            Fire(*next);
        }
    }

    // Moves the clock forward, delivering every tick and wait at its due time.
    void RunFor(std::uint32_t ms) {
        const std::uint32_t end = clock_.nowMs + ms;
        for (auto next = Earliest(); next && next->dueMs <= end; next = Earliest()) {
            clock_.nowMs = std::max(clock_.nowMs, next->dueMs);
            Fire(*next);
        }
        clock_.nowMs = std::max(clock_.nowMs, end);
    }

private:
    struct Running {
        std::uint32_t periodMs;
        std::uint32_t dueMs;
    };
    struct Waiting {
        std::uint32_t dueMs;
        std::function<void()> expired;
    };
    // The next thing due: a timer by id, or a wait by key. Waits come first at the
    // same time: they were asked for before the tick they fall on came round.
    struct Next {
        std::uint32_t dueMs;
        bool isWait;
        int key;
    };

    class FakeWait final : public IoWait {
    public:
        FakeWait(FakeTimers& owner, int key) : owner_(owner), key_(key) {}
        ~FakeWait() override { owner_.waits_.erase(key_); }
        FakeWait(const FakeWait&) = delete;
        FakeWait& operator=(const FakeWait&) = delete;

    private:
        FakeTimers& owner_;
        int key_;
    };

    std::optional<Next> Earliest() const {
        std::optional<Next> next;
        for (const auto& [key, wait] : waits_) {
            if (!next || wait.dueMs < next->dueMs) {
                next = Next{wait.dueMs, true, key};
            }
        }
        for (const auto& [id, timer] : running_) {
            if (!next || timer.dueMs < next->dueMs) {
                next = Next{timer.dueMs, false, id};
            }
        }
        return next;
    }

    void Fire(const Next& next) {
        if (next.isWait) {
            const std::function<void()> expired = std::move(waits_.at(next.key).expired);
            waits_.erase(next.key);
            expired();
            return;
        }
        Running& timer = running_.at(next.key);
        do {
            timer.dueMs += timer.periodMs;
        } while (timer.dueMs <= clock_.nowMs);
        if (onTick) {
            onTick(next.key);
        }
    }

    FakeClock& clock_;
    std::map<int, Running> running_;
    std::map<int, Waiting> waits_;
    int nextWaitKey_ = 0;
};

} // namespace lumet::test

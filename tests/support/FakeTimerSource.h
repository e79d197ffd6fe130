#pragma once

#include "platform/events/TimerSource.h"
#include "tests/support/FakeTimers.h"

#include <map>
#include <memory>
#include <set>
#include <utility>

namespace lumet::test {

// Timer sets for a window and its controls on one FakeTimers schedule, so that the
// ticks of every set and the loop's waits come in the order they fall due. Each set
// keeps its timers apart under a key range of its own in the schedule.
class FakeTimerSource final : public TimerSource {
public:
    explicit FakeTimerSource(FakeTimers& schedule) : schedule_(schedule) {
        schedule_.onTick = [this](int key) {
            const auto found = handlers_.find(key / kKeysPerSet);
            if (found != handlers_.end()) {
                // A copy: the handler may destroy its own set.
                const TickHandler handler = found->second;
                handler(key % kKeysPerSet);
            }
        };
    }

    FakeTimerSource(const FakeTimerSource&) = delete;
    FakeTimerSource& operator=(const FakeTimerSource&) = delete;

    std::unique_ptr<TimerSet> MakeTimers(TickHandler onTick) override {
        const int set = nextSet_++;
        handlers_[set] = std::move(onTick);
        return std::make_unique<Set>(*this, set);
    }

private:
    static constexpr int kKeysPerSet = 1 << 16;

    class Set final : public TimerSet {
    public:
        Set(FakeTimerSource& owner, int set) : owner_(owner), base_(set * kKeysPerSet) {}
        ~Set() override {
            KillAll();
            owner_.handlers_.erase(base_ / kKeysPerSet);
        }
        Set(const Set&) = delete;
        Set& operator=(const Set&) = delete;

        void SetTimer(int id, std::uint32_t periodMs) override {
            // The window system's minimum period.
            owner_.schedule_.SetTimer(base_ + id, std::max<std::uint32_t>(periodMs, 10));
            ids_.insert(id);
        }
        void KillTimer(int id) override {
            owner_.schedule_.KillTimer(base_ + id);
            ids_.erase(id);
        }
        void KillAll() override {
            while (!ids_.empty()) {
                KillTimer(*ids_.begin());
            }
        }
        bool IsRunning(int id) const override { return owner_.schedule_.IsRunning(base_ + id); }

    private:
        FakeTimerSource& owner_;
        int base_;
        std::set<int> ids_;
    };

    FakeTimers& schedule_;
    std::map<int, TickHandler> handlers_;
    int nextSet_ = 0;
};

} // namespace lumet::test

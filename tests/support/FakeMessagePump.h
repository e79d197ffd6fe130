#pragma once

#include "platform/events/MessagePump.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeTimers.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace lumet::test {

// The window's event queue on a FakeClock: queued user actions run at the next
// pump, timer ticks when they fall due. Waiting moves the clock to the next tick
// or to the end of the wait, whichever comes first.
class FakeMessagePump final : public MessagePump {
public:
    std::deque<std::function<void()>> queued;
    int pumps = 0;
    std::vector<std::uint32_t> waits;

    FakeMessagePump(FakeClock& clock, FakeTimers& timers) : clock_(clock), timers_(timers) {}

    void PumpMessages() override {
        ++pumps;
        Deliver();
    }

    void WaitForMessages(std::uint32_t maxWaitMs) override {
        waits.push_back(maxWaitMs);
        if (queued.empty()) {
            std::uint32_t wakeMs = clock_.nowMs + maxWaitMs;
            if (const auto due = timers_.NextDueMs()) {
                wakeMs = std::clamp(*due, clock_.nowMs, wakeMs);
            }
            clock_.nowMs = wakeMs;
        }
        Deliver();
    }

private:
    void Deliver() {
        while (!queued.empty()) {
            const std::function<void()> event = std::move(queued.front());
            queued.pop_front();
            event();
        }
        timers_.DeliverDueTicks();
    }

    FakeClock& clock_;
    FakeTimers& timers_;
};

} // namespace lumet::test

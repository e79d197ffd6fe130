#pragma once

#include "platform/events/MessagePump.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeTimers.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>

namespace lumet::test {

// The window's event loop on fake time: Qt's queued events (posted dialog messages,
// paints) are handled as they come, and the fake clock moves only while something
// waits, straight to the next tick or probe answer that falls due. A test's minutes
// take no time and never depend on how busy the machine is.
class FakeTimeMessagePump final : public MessagePump {
public:
    FakeTimeMessagePump(FakeClock& clock, FakeTimers& schedule)
        : clock_(clock), schedule_(schedule) {}

    void PumpMessages() override {
        HandleQueued();
        schedule_.DeliverDueTicks();
        HandleQueued();
    }

    void WaitForMessages(std::uint32_t maxWaitMs) override {
        HandleQueued();
        std::uint32_t wakeMs = clock_.nowMs + maxWaitMs;
        if (const auto next = schedule_.NextDueMs(); next && *next < wakeMs) {
            wakeMs = std::max(*next, clock_.nowMs);
        }
        clock_.nowMs = wakeMs;
        schedule_.DeliverDueTicks();
        HandleQueued();
    }

    // Moves time on, event by event, until `done` holds; false when it does not
    // within limitMs of fake time.
    bool RunUntil(const std::function<bool()>& done, std::uint32_t limitMs) {
        const std::uint32_t endMs = clock_.nowMs + limitMs;
        for (;;) {
            HandleQueued();
            if (done()) {
                return true;
            }
            const auto next = schedule_.NextDueMs();
            if (!next || *next > endMs) {
                clock_.nowMs = std::max(clock_.nowMs, endMs);
                return false;
            }
            clock_.nowMs = std::max(clock_.nowMs, *next);
            schedule_.DeliverDueTicks();
        }
    }

    // Handles every queued event and paint, without moving the clock.
    static void HandleQueued() {
        for (int round = 0; round < 8; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

private:
    FakeClock& clock_;
    FakeTimers& schedule_;
};

} // namespace lumet::test

#pragma once

#include "platform/clock/Clock.h"
#include "platform/events/IoWatcher.h"
#include "platform/events/MessagePump.h"
#include "platform/events/Timers.h"
#include "platform/posix/UniqueFd.h"

#include <cstdint>
#include <functional>
#include <map>

namespace lumet::cli {

// The console's stand-in for a window's event queue: timers by id whose missed
// ticks collapse into one, waits on descriptors (a probe's socket), and an
// interrupt (Ctrl+C, SIGTERM, SIGHUP) delivered as an event. One poll() sleeps on all of them.
class ConsoleEventLoop final : public Timers, public MessagePump, public IoWatcher {
public:
    using TickHandler = std::function<void(int id)>;
    // Gets the signal number: SIGINT, SIGTERM or SIGHUP.
    using InterruptHandler = std::function<void(int signal)>;

    // Catches SIGINT, SIGTERM and SIGHUP for the loop's lifetime and restores the old
    // handlers after.
    explicit ConsoleEventLoop(Clock& clock);
    ~ConsoleEventLoop() override;

    ConsoleEventLoop(const ConsoleEventLoop&) = delete;
    ConsoleEventLoop& operator=(const ConsoleEventLoop&) = delete;

    void OnTick(TickHandler handler) { onTick_ = std::move(handler); }
    void OnInterrupt(InterruptHandler handler) { onInterrupt_ = std::move(handler); }

    void SetTimer(int id, std::uint32_t periodMs) override;
    void KillTimer(int id) override;
    bool IsTimerRunning(int id) const { return timers_.count(id) != 0; }

    void PumpMessages() override;
    void WaitForMessages(std::uint32_t maxWaitMs) override;

    std::unique_ptr<IoWait> Watch(int fd, std::uint32_t timeoutMs, std::function<void()> readable,
                                  std::function<void()> expired) override;

    // Handles events until `keepGoing` turns false.
    void RunWhile(const std::function<bool()>& keepGoing);

private:
    struct Timer {
        std::uint32_t periodMs;
        std::uint32_t dueMs;
    };
    struct Waiting {
        int fd;
        std::uint32_t dueMs;
        std::function<void()> readable;
        std::function<void()> expired;
    };
    class ConsoleWait;

    // Milliseconds until the next timer or wait falls due, capped at `limitMs`.
    std::uint32_t TimeToNextEvent(std::uint32_t limitMs) const;
    void DeliverInterrupt();
    void DeliverDueTicks();
    void DeliverReadyWaits();
    void DeliverExpiredWaits();

    Clock& clock_;
    std::map<int, Timer> timers_;
    std::map<int, Waiting> waits_;
    int nextWaitId_ = 0;
    TickHandler onTick_;
    InterruptHandler onInterrupt_;
    UniqueFd interruptRead_;
};

} // namespace lumet::cli

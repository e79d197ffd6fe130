#pragma once

#include "platform/clock/Clock.h"
#include "platform/events/IoWatcher.h"
#include "platform/posix/UniqueFd.h"
#include "tools/lumet-cli/ConsoleLoop.h"
#include "tools/lumet-cli/ConsoleTimers.h"

#include <cstdint>
#include <functional>
#include <map>

namespace lumet::cli {

// The console loop on Linux: timers, waits on descriptors (a probe's socket), and
// an interrupt (Ctrl+C, SIGTERM, SIGHUP) delivered as an event. One poll() sleeps
// on all of them.
class ConsoleEventLoop final : public ConsoleLoop, public IoWatcher {
public:
    // Catches SIGINT, SIGTERM and SIGHUP for the loop's lifetime and restores the old
    // handlers after.
    explicit ConsoleEventLoop(Clock& clock);
    ~ConsoleEventLoop() override;

    ConsoleEventLoop(const ConsoleEventLoop&) = delete;
    ConsoleEventLoop& operator=(const ConsoleEventLoop&) = delete;

    void OnTick(TickHandler handler) override { onTick_ = std::move(handler); }
    void OnInterrupt(InterruptHandler handler) override { onInterrupt_ = std::move(handler); }

    void SetTimer(int id, std::uint32_t periodMs) override { timers_.Set(id, periodMs); }
    void KillTimer(int id) override { timers_.Kill(id); }
    bool IsTimerRunning(int id) const override { return timers_.IsRunning(id); }

    void PumpMessages() override;
    void WaitForMessages(std::uint32_t maxWaitMs) override;

    std::unique_ptr<IoWait> Watch(int fd, std::uint32_t timeoutMs, std::function<void()> readable,
                                  std::function<void()> expired) override;

    void RunWhile(const std::function<bool()>& keepGoing) override;

private:
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
    void DeliverReadyWaits();
    void DeliverExpiredWaits();

    Clock& clock_;
    ConsoleTimers timers_;
    std::map<int, Waiting> waits_;
    int nextWaitId_ = 0;
    TickHandler onTick_;
    InterruptHandler onInterrupt_;
    UniqueFd interruptRead_;
};

} // namespace lumet::cli

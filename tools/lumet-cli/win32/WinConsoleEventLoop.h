#pragma once

#include "platform/clock/Clock.h"
#include "platform/events/win32/HandleWatcher.h"
#include "platform/events/win32/Win32EventLoop.h"
#include "tools/lumet-cli/ConsoleLoop.h"
#include "tools/lumet-cli/ConsoleTimers.h"
#include "tools/lumet-cli/win32/ConsoleInterrupts.h"

#include <memory>

namespace lumet::cli {

// The console loop on Windows: timers, waits on kernel objects (an echo request's
// event, a lookup's thread) and the console's interrupts, all in the one wait of
// the thread's Win32EventLoop.
class WinConsoleEventLoop final : public ConsoleLoop, public HandleWatcher {
public:
    explicit WinConsoleEventLoop(Clock& clock);

    WinConsoleEventLoop(const WinConsoleEventLoop&) = delete;
    WinConsoleEventLoop& operator=(const WinConsoleEventLoop&) = delete;

    void OnTick(TickHandler handler) override { onTick_ = std::move(handler); }
    void OnInterrupt(InterruptHandler handler) override { onInterrupt_ = std::move(handler); }

    void SetTimer(int id, std::uint32_t periodMs) override { timers_.Set(id, periodMs); }
    void KillTimer(int id) override { timers_.Kill(id); }
    bool IsTimerRunning(int id) const override { return timers_.IsRunning(id); }

    void PumpMessages() override;
    void WaitForMessages(std::uint32_t maxWaitMs) override;
    void RunWhile(const std::function<bool()>& keepGoing) override;

    [[nodiscard]] std::unique_ptr<IoWait> Watch(HANDLE handle, std::uint32_t timeoutMs,
                                                std::function<void()> signaled,
                                                std::function<void()> expired) override;

private:
    // Waits for the next interrupt; the wait ends with each one.
    void WatchInterrupts();
    void DeliverInterrupt();

    ConsoleTimers timers_;
    Win32EventLoop events_;
    ConsoleInterrupts interrupts_;
    std::unique_ptr<IoWait> interruptWait_;
    TickHandler onTick_;
    InterruptHandler onInterrupt_;
};

} // namespace lumet::cli

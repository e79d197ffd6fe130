#include "tools/lumet-cli/win32/WinConsoleEventLoop.h"

namespace lumet::cli {

WinConsoleEventLoop::WinConsoleEventLoop(Clock& clock) : timers_(clock) {
    WatchInterrupts();
}

void WinConsoleEventLoop::WatchInterrupts() {
    if (interrupts_.Event() == nullptr) {
        return;
    }
    interruptWait_ = events_.Watch(interrupts_.Event(), kForever,
                                   [this] {
                                       WatchInterrupts();
                                       DeliverInterrupt();
                                   },
                                   {});
}

void WinConsoleEventLoop::DeliverInterrupt() {
    const int signal = interrupts_.Take();
    if (signal != 0 && onInterrupt_) {
        onInterrupt_(signal);
    }
}

std::unique_ptr<IoWait> WinConsoleEventLoop::Watch(HANDLE handle, std::uint32_t timeoutMs,
                                                   std::function<void()> signaled,
                                                   std::function<void()> expired) {
    return events_.Watch(handle, timeoutMs, std::move(signaled), std::move(expired));
}

void WinConsoleEventLoop::PumpMessages() {
    events_.PumpMessages();
    timers_.TickDue(onTick_);
}

void WinConsoleEventLoop::WaitForMessages(std::uint32_t maxWaitMs) {
    events_.WaitForMessages(timers_.TimeToNext(maxWaitMs));
    timers_.TickDue(onTick_);
}

void WinConsoleEventLoop::RunWhile(const std::function<bool()>& keepGoing) {
    constexpr std::uint32_t kIdleWaitMs = 1000;
    while (keepGoing()) {
        WaitForMessages(kIdleWaitMs);
    }
}

} // namespace lumet::cli

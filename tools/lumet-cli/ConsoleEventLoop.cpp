#include "tools/lumet-cli/ConsoleEventLoop.h"

#include <algorithm>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace lumet::cli {

namespace {

// The write end of the self-pipe the SIGINT handler writes to: a signal handler
// can only reach process-wide state, and write() is async-signal-safe.
volatile std::sig_atomic_t interruptWriteFd = -1;
struct sigaction previousAction {};

void OnSigint(int) {
    const int fd = interruptWriteFd;
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds an interrupt that has not been handled yet.
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
}

} // namespace

ConsoleEventLoop::ConsoleEventLoop(Clock& clock) : clock_(clock) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // without the pipe Ctrl+C simply ends the process as usual
    }
    interruptRead_.Reset(fds[0]);
    interruptWriteFd = fds[1];
    struct sigaction action {};
    action.sa_handler = OnSigint;
    sigemptyset(&action.sa_mask);
    // SA_RESTART keeps a probe's blocking calls from failing with EINTR; the
    // loop sees the interrupt as soon as the probe returns.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousAction);
}

ConsoleEventLoop::~ConsoleEventLoop() {
    if (!interruptRead_.Valid()) {
        return;
    }
    sigaction(SIGINT, &previousAction, nullptr);
    const int fd = interruptWriteFd;
    interruptWriteFd = -1;
    close(fd);
}

void ConsoleEventLoop::SetTimer(int id, std::uint32_t periodMs) {
    timers_[id] = Timer{periodMs, clock_.MonotonicMs() + periodMs};
}

void ConsoleEventLoop::KillTimer(int id) {
    timers_.erase(id);
}

void ConsoleEventLoop::PumpMessages() {
    DeliverInterrupt();
    DeliverDueTicks();
}

void ConsoleEventLoop::WaitForMessages(std::uint32_t maxWaitMs) {
    const std::uint32_t waitMs = TimeToNextTick(maxWaitMs);
    if (interruptRead_.Valid()) {
        pollfd interrupt{interruptRead_.Get(), POLLIN, 0};
        // EINTR only shortens the wait; the caller waits again for what is left.
        poll(&interrupt, 1, static_cast<int>(waitMs));
    } else {
        clock_.Sleep(waitMs);
    }
    PumpMessages();
}

void ConsoleEventLoop::RunWhile(const std::function<bool()>& keepGoing) {
    constexpr std::uint32_t kIdleWaitMs = 1000;
    while (keepGoing()) {
        WaitForMessages(kIdleWaitMs);
    }
}

std::uint32_t ConsoleEventLoop::TimeToNextTick(std::uint32_t limitMs) const {
    const std::uint32_t now = clock_.MonotonicMs();
    std::uint32_t wait = limitMs;
    for (const auto& [id, timer] : timers_) {
        // Signed difference: the millisecond counter may wrap between the two reads.
        const auto untilDue = static_cast<std::int32_t>(timer.dueMs - now);
        wait = untilDue <= 0 ? 0 : std::min(wait, static_cast<std::uint32_t>(untilDue));
    }
    return wait;
}

void ConsoleEventLoop::DeliverInterrupt() {
    if (!interruptRead_.Valid()) {
        return;
    }
    char drained[16];
    bool interrupted = false;
    while (read(interruptRead_.Get(), drained, sizeof drained) > 0) {
        interrupted = true;
    }
    if (interrupted && onInterrupt_) {
        onInterrupt_();
    }
}

void ConsoleEventLoop::DeliverDueTicks() {
    std::vector<int> due;
    const std::uint32_t now = clock_.MonotonicMs();
    for (auto& [id, timer] : timers_) {
        if (static_cast<std::int32_t>(timer.dueMs - now) <= 0) {
            due.push_back(id);
            timer.dueMs += timer.periodMs;
            if (static_cast<std::int32_t>(timer.dueMs - now) <= 0) {
                // Ticks missed while the thread was busy collapse into this one.
                timer.dueMs = now + timer.periodMs;
            }
        }
    }
    for (const int id : due) {
        // A handler may have killed this timer or another one in the meantime.
        if (onTick_ && timers_.count(id) != 0) {
            onTick_(id);
        }
    }
}

} // namespace lumet::cli

#include "tools/lumet-cli/ConsoleEventLoop.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace lumet::cli {

namespace {

// Ctrl+C, `kill` and service managers (SIGTERM), and a closed terminal (SIGHUP) all
// end a test the same way, so that its report is still written.
constexpr std::array<int, 3> kInterruptSignals{SIGINT, SIGTERM, SIGHUP};

// The write end of the self-pipe the signal handler writes to: a signal handler
// can only reach process-wide state, and write() is async-signal-safe.
volatile std::sig_atomic_t interruptWriteFd = -1;
std::array<struct sigaction, kInterruptSignals.size()> previousActions{};

void OnInterruptSignal(int signal) {
    const int fd = interruptWriteFd;
    if (fd >= 0) {
        const auto byte = static_cast<char>(signal);
        // A full pipe already holds an interrupt that has not been handled yet.
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
}

} // namespace

ConsoleEventLoop::ConsoleEventLoop(Clock& clock) : clock_(clock), timers_(clock) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // without the pipe Ctrl+C simply ends the process as usual
    }
    interruptRead_.Reset(fds[0]);
    interruptWriteFd = fds[1];
    struct sigaction action {};
    action.sa_handler = OnInterruptSignal;
    sigemptyset(&action.sa_mask);
    // The loop's poll() returns with EINTR (or sees the pipe) either way; restarting
    // keeps every other call, the terminal's writes for one, from failing with it.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kInterruptSignals.size(); ++i) {
        sigaction(kInterruptSignals[i], &action, &previousActions[i]);
    }
}

ConsoleEventLoop::~ConsoleEventLoop() {
    if (!interruptRead_.Valid()) {
        return;
    }
    for (std::size_t i = 0; i < kInterruptSignals.size(); ++i) {
        sigaction(kInterruptSignals[i], &previousActions[i], nullptr);
    }
    const int fd = interruptWriteFd;
    interruptWriteFd = -1;
    close(fd);
}

class ConsoleEventLoop::ConsoleWait final : public IoWait {
public:
    ConsoleWait(ConsoleEventLoop& loop, int id) : loop_(loop), id_(id) {}
    ~ConsoleWait() override { loop_.waits_.erase(id_); }

    ConsoleWait(const ConsoleWait&) = delete;
    ConsoleWait& operator=(const ConsoleWait&) = delete;

private:
    ConsoleEventLoop& loop_;
    int id_;
};

std::unique_ptr<IoWait> ConsoleEventLoop::Watch(int fd, std::uint32_t timeoutMs,
                                                std::function<void()> readable,
                                                std::function<void()> expired) {
    const int id = nextWaitId_++;
    waits_[id] =
        Waiting{fd, clock_.MonotonicMs() + timeoutMs, std::move(readable), std::move(expired)};
    return std::make_unique<ConsoleWait>(*this, id);
}

void ConsoleEventLoop::PumpMessages() {
    DeliverInterrupt();
    DeliverReadyWaits();
    timers_.TickDue(onTick_);
    DeliverExpiredWaits();
}

void ConsoleEventLoop::WaitForMessages(std::uint32_t maxWaitMs) {
    const std::uint32_t waitMs = TimeToNextEvent(maxWaitMs);
    std::vector<pollfd> watched;
    if (interruptRead_.Valid()) {
        watched.push_back({interruptRead_.Get(), POLLIN, 0});
    }
    for (const auto& [id, waiting] : waits_) {
        if (waiting.fd >= 0) {
            watched.push_back({waiting.fd, POLLIN, 0});
        }
    }
    if (watched.empty()) {
        clock_.Sleep(waitMs);
    } else {
        // EINTR only shortens the wait; the caller waits again for what is left.
        poll(watched.data(), watched.size(), static_cast<int>(waitMs));
    }
    PumpMessages();
}

void ConsoleEventLoop::RunWhile(const std::function<bool()>& keepGoing) {
    constexpr std::uint32_t kIdleWaitMs = 1000;
    while (keepGoing()) {
        WaitForMessages(kIdleWaitMs);
    }
}

std::uint32_t ConsoleEventLoop::TimeToNextEvent(std::uint32_t limitMs) const {
    const std::uint32_t now = clock_.MonotonicMs();
    std::uint32_t wait = timers_.TimeToNext(limitMs);
    for (const auto& [id, waiting] : waits_) {
        // Signed difference: the millisecond counter may wrap between the two reads.
        const auto untilDue = static_cast<std::int32_t>(waiting.dueMs - now);
        wait = untilDue <= 0 ? 0 : std::min(wait, static_cast<std::uint32_t>(untilDue));
    }
    return wait;
}

void ConsoleEventLoop::DeliverInterrupt() {
    if (!interruptRead_.Valid()) {
        return;
    }
    char drained[16];
    int signal = 0;
    for (ssize_t count = 0; (count = read(interruptRead_.Get(), drained, sizeof drained)) > 0;) {
        // The first signal decides: a SIGTERM after Ctrl+C does not change the outcome.
        signal = signal != 0 ? signal : drained[0];
    }
    if (signal != 0 && onInterrupt_) {
        onInterrupt_(signal);
    }
}

void ConsoleEventLoop::DeliverReadyWaits() {
    std::vector<int> ids;
    std::vector<pollfd> watched;
    for (const auto& [id, waiting] : waits_) {
        if (waiting.fd >= 0) {
            ids.push_back(id);
            watched.push_back({waiting.fd, POLLIN, 0});
        }
    }
    if (watched.empty() || poll(watched.data(), watched.size(), 0) <= 0) {
        return;
    }
    for (std::size_t i = 0; i < watched.size(); ++i) {
        // A callback may have ended this wait or another one in the meantime.
        const auto found = waits_.find(ids[i]);
        if (watched[i].revents != 0 && found != waits_.end()) {
            const std::function<void()> readable = found->second.readable;
            readable();
        }
    }
}

void ConsoleEventLoop::DeliverExpiredWaits() {
    const std::uint32_t now = clock_.MonotonicMs();
    std::vector<int> due;
    for (const auto& [id, waiting] : waits_) {
        if (static_cast<std::int32_t>(waiting.dueMs - now) <= 0) {
            due.push_back(id);
        }
    }
    for (const int id : due) {
        const auto found = waits_.find(id);
        if (found == waits_.end()) {
            continue;
        }
        // An expired wait is over: nothing more comes from it.
        const std::function<void()> expired = std::move(found->second.expired);
        waits_.erase(found);
        expired();
    }
}

} // namespace lumet::cli

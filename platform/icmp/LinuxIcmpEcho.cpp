#include "platform/icmp/LinuxIcmpEcho.h"

#include "platform/icmp/IcmpStatus.h"

#include <cerrno>
#include <ctime>
#include <poll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace lumet {

namespace {

// An IPv4 packet is at most 65535 bytes, so nothing we read is ever cut.
constexpr std::size_t kReceiveBufferSize = 65536;

std::uint16_t RandomWord() {
    std::uint16_t value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value)) {
        return value;
    }
    // No entropy yet (early boot): the pid still keeps two programs apart.
    return static_cast<std::uint16_t>(getpid());
}

// The kernel stamps received packets only while some socket asks for timestamps,
// and it switches the stamping on from a work queue when the first such socket
// appears (net_enable_timestamp). A probe's socket lives for one probe, so a
// loopback reply, which arrives within the sendto call, would beat the switch and
// be stamped only when read. One idle socket that asks for timestamps for the
// engine's whole life keeps the stamping on. Without it the reader's clock stands
// in, as it does on kernels that refuse.
UniqueFd KeepTimestampsOn() {
    UniqueFd fd(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (fd.Valid()) {
        const int on = 1;
        setsockopt(fd.Get(), SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    }
    return fd;
}

} // namespace

LinuxIcmpEcho::LinuxIcmpEcho(SocketKind kind, IoWatcher* watcher, UniqueFd reservedRawSocket)
    : kind_(kind), watcher_(watcher), identifier_(RandomWord()), nextSequence_(RandomWord()),
      packet_(kReceiveBufferSize), reservedRawSocket_(std::move(reservedRawSocket)),
      timestampKeeper_(KeepTimestampsOn()) {}

std::variant<EchoExchange, ProbeResult> LinuxIcmpEcho::Send(std::uint32_t address,
                                                            std::uint32_t timeoutMs) {
    lastAnswerDelay_.reset();
    // Advance for every probe, sent or not: a late reply to the previous probe
    // must never match this one.
    const std::uint16_t sequence = nextSequence_++;
    std::variant<EchoExchange, ProbeResult> sent = EchoExchange::Send(
        kind_, reservedRawSocket_.Get(), address, identifier_, sequence, timeoutMs, packet_);
    if (const EchoExchange* exchange = std::get_if<EchoExchange>(&sent)) {
        lastSendTime_ = exchange->SendTime();
    }
    return sent;
}

void LinuxIcmpEcho::Start(std::uint32_t address, std::uint32_t timeoutMs, Completion done) {
    Cancel();
    std::variant<EchoExchange, ProbeResult> sent = Send(address, timeoutMs);
    done_ = std::move(done);
    if (const ProbeResult* failed = std::get_if<ProbeResult>(&sent)) {
        // Reported from the loop like any other outcome, never from within Start.
        sendFailure_ = *failed;
        wait_ = watcher_->Watch(-1, 0, {}, [this] { Finish(*sendFailure_); });
        return;
    }
    pending_.emplace(std::move(std::get<EchoExchange>(sent)));
    wait_ = watcher_->Watch(
        pending_->Descriptor(), timeoutMs, [this] { OnReadable(); },
        [this] { Finish(pending_->Expire()); });
}

void LinuxIcmpEcho::Cancel() {
    wait_.reset();
    pending_.reset();
    sendFailure_.reset();
    done_ = nullptr;
}

void LinuxIcmpEcho::OnReadable() {
    if (const std::optional<ProbeResult> result = pending_->ReadAnswer()) {
        Finish(*result);
    }
}

void LinuxIcmpEcho::Finish(const ProbeResult& result) {
    lastAnswerDelay_ = pending_ ? pending_->AnswerDelay() : std::nullopt;
    const Completion done = std::move(done_);
    const ProbeResult outcome = result; // result may live in what Cancel frees
    Cancel();
    // Last: the completion may start the next probe.
    done(outcome);
}

ProbeResult LinuxIcmpEcho::Echo(std::uint32_t address, std::uint32_t timeoutMs) {
    std::variant<EchoExchange, ProbeResult> sent = Send(address, timeoutMs);
    if (const ProbeResult* failed = std::get_if<ProbeResult>(&sent)) {
        return *failed;
    }
    EchoExchange& exchange = std::get<EchoExchange>(sent);
    for (;;) {
        const auto remaining = std::chrono::duration_cast<std::chrono::nanoseconds>(
            exchange.Deadline() - EchoExchange::SteadyClock::now());
        const auto wait = remaining.count() > 0 ? remaining : std::chrono::nanoseconds::zero();
        const timespec timeout{
            static_cast<time_t>(wait.count() / 1'000'000'000),
            static_cast<long>(wait.count() % 1'000'000'000),
        };
        pollfd ready{exchange.Descriptor(), POLLIN, 0};
        // ppoll: the wait is exact to the nanosecond, where poll rounds to ms.
        const int count = ppoll(&ready, 1, &timeout, nullptr);
        if (count < 0 && errno != EINTR) {
            return ProbeResult{kNoRoundTrip, IcmpStatus::kGeneralFailure, 0, 0};
        }
        if (count > 0) {
            if ((ready.revents & (POLLIN | POLLERR)) == 0) {
                // POLLNVAL and the like: the socket is gone, waiting cannot help.
                return ProbeResult{kNoRoundTrip, IcmpStatus::kGeneralFailure, 0, 0};
            }
            if (const std::optional<ProbeResult> result = exchange.ReadAnswer()) {
                lastAnswerDelay_ = exchange.AnswerDelay();
                return *result;
            }
        }
        if (EchoExchange::SteadyClock::now() >= exchange.Deadline()) {
            const ProbeResult result = exchange.Expire();
            lastAnswerDelay_ = exchange.AnswerDelay();
            return result;
        }
    }
}

} // namespace lumet

#pragma once

#include "platform/icmp/IcmpPacket.h"
#include "platform/icmp/ProbeResult.h"
#include "platform/posix/UniqueFd.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <variant>

namespace lumet {

// Which ICMP socket a probe goes through.
enum class IcmpSocketKind {
    Automatic, // ping socket first, raw socket when that is not permitted
    PingOnly,
    RawOnly,
};

// One echo request in flight on a socket of its own: sent when it is made, then
// answered by whatever the socket delivers. It never waits itself: the owner waits
// for the socket to turn readable (poll, an event loop) and calls ReadAnswer.
//
// Round-trip times come from the kernel's receive timestamp (SO_TIMESTAMPNS), so
// the time a busy machine takes to wake the reader up is not counted; the send time
// is read right before sendto.
class EchoExchange {
public:
    using SteadyClock = std::chrono::steady_clock;

    // Opens the socket and sends the request. A probe that cannot be sent is
    // finished at once: the result holds its status. A raw socket comes from
    // `reservedRawSocket` when that is valid (see GrantedPrivileges.h).
    static std::variant<EchoExchange, ProbeResult>
    Send(IcmpSocketKind kind, int reservedRawSocket, std::uint32_t address,
         std::uint16_t identifier, std::uint16_t sequence, std::uint32_t timeoutMs,
         std::span<std::uint8_t> receiveBuffer);

    EchoExchange(EchoExchange&&) noexcept = default;
    EchoExchange& operator=(EchoExchange&&) noexcept = default;

    // The socket to wait on for POLLIN / POLLERR.
    int Descriptor() const { return fd_.Get(); }
    SteadyClock::time_point Deadline() const { return deadline_; }

    // Reads everything the socket holds now, without waiting. Returns the result
    // once the answer (reply or ICMP error) is among it; nothing while the wait
    // must go on. An answer the kernel received after the time-out is a time-out.
    std::optional<ProbeResult> ReadAnswer();

    // The result when the deadline has passed: an answer that arrived in time but
    // was not read yet still counts.
    ProbeResult Expire();

    // Exact time from the send to the answer of a finished exchange, for benchmarks
    // and diagnostics; nothing when none came in time.
    std::optional<std::chrono::nanoseconds> AnswerDelay() const { return answerDelay_; }
    // The wall-clock reading the round-trip time counts from, taken right before
    // sendto.
    const timespec& SendTime() const { return sentWall_; }

private:
    struct Arrival {
        std::optional<timespec> kernelStamp; // CLOCK_REALTIME, from SCM_TIMESTAMPNS
        SteadyClock::time_point readAt;
    };

    EchoExchange(UniqueFd fd, bool raw, EchoRequestKey key, std::uint32_t timeoutMs,
                 std::span<std::uint8_t> receiveBuffer);

    std::optional<ProbeResult> Answered(const EchoAnswer& answer, const Arrival& arrival);
    std::chrono::nanoseconds DelayOf(const Arrival& arrival) const;
    std::optional<ProbeResult> ReadErrorQueue();
    std::optional<ProbeResult> ReadPackets();

    UniqueFd fd_;
    bool raw_ = false;
    EchoRequestKey key_;
    std::chrono::milliseconds timeout_;
    timespec sentWall_{};
    SteadyClock::time_point sent_;
    SteadyClock::time_point deadline_;
    std::span<std::uint8_t> buffer_;
    std::optional<std::chrono::nanoseconds> answerDelay_;
};

} // namespace lumet

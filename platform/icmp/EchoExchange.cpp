#include "platform/icmp/EchoExchange.h"

#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/IcmpStatusMap.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/errqueue.h>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace lumet {

namespace {

// Room for an error entry's payload: we only look at the quoted ICMP header.
constexpr std::size_t kErrorPayloadSize = 576;

// Control data for IP_TTL, IP_RECVERR (sock_extended_err + offender address) and
// SCM_TIMESTAMPNS, aligned for the cmsghdr records the kernel writes into it.
struct alignas(cmsghdr) ControlBuffer {
    std::array<std::uint8_t, CMSG_SPACE(sizeof(int)) +
                                 CMSG_SPACE(sizeof(sock_extended_err) + sizeof(sockaddr_in)) +
                                 CMSG_SPACE(sizeof(timespec)) + 64>
        bytes;
};

void EnableOption(int fd, int level, int name) {
    const int on = 1;
    // Failing only costs the TTL, the error reports or the kernel timestamps (the
    // reader's clock stands in); the echo itself still works.
    setsockopt(fd, level, name, &on, sizeof on);
}

timespec WallClockNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

std::chrono::nanoseconds Between(const timespec& from, const timespec& to) {
    return std::chrono::seconds(to.tv_sec - from.tv_sec) +
           std::chrono::nanoseconds(to.tv_nsec - from.tv_nsec);
}

std::uint32_t WholeMilliseconds(std::chrono::nanoseconds delay) {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(delay).count());
}

struct ReceivedMessage {
    std::size_t size = 0;
    int flags = 0;
    std::uint32_t peer = 0; // msg_name, network byte order
    std::uint8_t ttl = 0;
    std::span<const std::uint8_t> extendedError;
    std::optional<timespec> stamp;
};

// recvmsg without waiting. Returns false when nothing more can be read now.
bool Receive(int fd, std::span<std::uint8_t> buffer, ControlBuffer& control, int flags,
             ReceivedMessage& message) {
    for (;;) {
        sockaddr_in peer{};
        iovec io{buffer.data(), buffer.size()};
        msghdr header{};
        header.msg_name = &peer;
        header.msg_namelen = sizeof peer;
        header.msg_iov = &io;
        header.msg_iovlen = 1;
        header.msg_control = control.bytes.data();
        header.msg_controllen = control.bytes.size();
        const ssize_t received = recvmsg(fd, &header, flags | MSG_DONTWAIT);
        if (received < 0) {
            if (errno == EINTR) {
                continue;
            }
            // EAGAIN: drained. Anything else is a pending socket error (sk_err) that
            // an ICMP error left behind: recvmsg reports it once and clears it, the
            // message itself stays queued for its own read.
            return false;
        }
        message = ReceivedMessage{};
        message.size = static_cast<std::size_t>(received);
        message.flags = header.msg_flags;
        message.peer = peer.sin_addr.s_addr;
        for (cmsghdr* cmsg = CMSG_FIRSTHDR(&header); cmsg != nullptr;
             cmsg = CMSG_NXTHDR(&header, cmsg)) {
            const std::size_t dataLength = cmsg->cmsg_len - CMSG_LEN(0);
            if (cmsg->cmsg_level == SOL_SOCKET && cmsg->cmsg_type == SCM_TIMESTAMPNS &&
                dataLength >= sizeof(timespec)) {
                timespec stamp{};
                std::memcpy(&stamp, CMSG_DATA(cmsg), sizeof stamp);
                message.stamp = stamp;
            }
            if (cmsg->cmsg_level != SOL_IP) {
                continue;
            }
            if (cmsg->cmsg_type == IP_TTL && dataLength >= sizeof(int)) {
                // IP_TTL comes as an int, not a byte.
                int ttl = 0;
                std::memcpy(&ttl, CMSG_DATA(cmsg), sizeof ttl);
                message.ttl = static_cast<std::uint8_t>(ttl);
            } else if (cmsg->cmsg_type == IP_RECVERR) {
                message.extendedError = {CMSG_DATA(cmsg), dataLength};
            }
        }
        return true;
    }
}

struct OpenedSocket {
    UniqueFd fd;
    bool raw = false;
    int error = 0; // errno of the last attempt when none opened
};

// Errors that say this process may not open the socket, as opposed to a shortage
// (EMFILE, ENFILE, ENOBUFS, ENOMEM) the next probe may not meet.
bool IsRefusal(int error) {
    return error == EACCES || error == EPERM || error == EAFNOSUPPORT || error == EPROTONOSUPPORT;
}

OpenedSocket OpenSocket(IcmpSocketKind kind, int reservedRawSocket) {
    OpenedSocket socket;
    if (kind != IcmpSocketKind::RawOnly) {
        socket.fd.Reset(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
        if (socket.fd.Valid()) {
            // Errors arrive in the error queue only with IP_RECVERR; without it a
            // ping socket just records the last one in sk_err.
            EnableOption(socket.fd.Get(), SOL_IP, IP_RECVERR);
            // No IP header on a ping socket: the TTL comes as a control message.
            EnableOption(socket.fd.Get(), SOL_IP, IP_RECVTTL);
            EnableOption(socket.fd.Get(), SOL_SOCKET, SO_TIMESTAMPNS);
            return socket;
        }
        // EACCES: our group is outside net.ipv4.ping_group_range (the default
        // "1 0" allows nobody). EPERM: seccomp or LSM policy. EAFNOSUPPORT,
        // EPROTONOSUPPORT: kernels or containers without ping sockets. Anything
        // else (EMFILE, ENOBUFS) would hit the raw socket as well.
        socket.error = errno;
        if (kind == IcmpSocketKind::PingOnly || !IsRefusal(socket.error)) {
            return socket;
        }
    }
    // A program that gave its capability up probes through the raw socket it kept.
    // The duplicate shares that socket, so the previous probe's late replies may
    // still wait in it; the parser drops them like any other stranger's.
    // EPERM / EACCES from socket(): no CAP_NET_RAW.
    socket.fd.Reset(reservedRawSocket >= 0
                        ? fcntl(reservedRawSocket, F_DUPFD_CLOEXEC, 0)
                        : ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
    socket.raw = true;
    socket.error = errno;
    if (socket.fd.Valid()) {
        // A raw ICMP socket gets a copy of every ICMP message the host receives,
        // including every echo request. Let only what can answer us wake us up.
        // The filter only saves wake-ups; the parser checks every message anyway.
        icmp_filter filter{};
        filter.data =
            ~((1U << ICMP_ECHOREPLY) | (1U << ICMP_DEST_UNREACH) | (1U << ICMP_SOURCE_QUENCH) |
              (1U << ICMP_TIME_EXCEEDED) | (1U << ICMP_PARAMETERPROB));
        setsockopt(socket.fd.Get(), SOL_RAW, ICMP_FILTER, &filter, sizeof filter);
        EnableOption(socket.fd.Get(), SOL_SOCKET, SO_TIMESTAMPNS);
    }
    return socket;
}

} // namespace

EchoExchange::EchoExchange(UniqueFd fd, bool raw, EchoRequestKey key, std::uint32_t timeoutMs,
                           std::span<std::uint8_t> receiveBuffer)
    : fd_(std::move(fd)), raw_(raw), key_(key), timeout_(timeoutMs), buffer_(receiveBuffer) {}

std::variant<EchoExchange, ProbeResult>
EchoExchange::Send(IcmpSocketKind kind, int reservedRawSocket, std::uint32_t address,
                   std::uint16_t identifier, std::uint16_t sequence, std::uint32_t timeoutMs,
                   std::span<std::uint8_t> receiveBuffer) {
    OpenedSocket socket = OpenSocket(kind, reservedRawSocket);
    if (!socket.fd.Valid()) {
        // Only a refusal needs the user to act; a shortage is one lost probe.
        const std::uint32_t status =
            IsRefusal(socket.error) ? IcmpStatus::kNoIcmpSocket : IcmpStatus::kGeneralFailure;
        return ProbeResult{kNoRoundTrip, status, 0, 0};
    }
    const EchoRequestKey key{address, identifier, sequence, socket.raw};
    EchoExchange exchange(std::move(socket.fd), socket.raw, key, timeoutMs, receiveBuffer);

    // On a ping socket the kernel replaces identifier and checksum.
    const auto request = BuildEchoRequest(identifier, sequence);
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_addr.s_addr = address;

    // Both clocks as close to the send as we can: the wall clock pairs with the
    // kernel's receive timestamp, the steady one bounds the wait and stands in
    // when the wall clock jumps.
    exchange.sent_ = SteadyClock::now();
    exchange.sentWall_ = WallClockNow();
    exchange.deadline_ = exchange.sent_ + exchange.timeout_;
    ssize_t written = -1;
    do {
        written = sendto(exchange.fd_.Get(), request.data(), request.size(), 0,
                         reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        // ENETUNREACH: no route. EHOSTUNREACH: unreachable route. EMSGSIZE: path MTU.
        // EACCES (broadcast without SO_BROADCAST, prohibit route), EPERM (netfilter)
        // and the rest have no better code.
        return ProbeResult{kNoRoundTrip, StatusForSendError(errno), 0, 0};
    }
    return exchange;
}

std::optional<ProbeResult> EchoExchange::ReadAnswer() {
    // The error queue first: an ICMP error raises POLLERR and may sit beside
    // unrelated packets in the receive queue.
    if (std::optional<ProbeResult> result = ReadErrorQueue()) {
        return result;
    }
    return ReadPackets();
}

ProbeResult EchoExchange::Expire() {
    if (std::optional<ProbeResult> result = ReadAnswer()) {
        return *result;
    }
    return ProbeResult{kNoRoundTrip, IcmpStatus::kRequestTimedOut, 0, 0};
}

std::chrono::nanoseconds EchoExchange::DelayOf(const Arrival& arrival) const {
    // The reader's own clock gives an upper bound: it read the message after the
    // kernel took it in. The kernel's timestamp is the better value unless the
    // wall clock was set between the send and the receive, which shows as a delay
    // below zero or beyond that bound.
    const std::chrono::nanoseconds readDelay = arrival.readAt - sent_;
    if (!arrival.kernelStamp) {
        return readDelay;
    }
    const std::chrono::nanoseconds kernelDelay = Between(sentWall_, *arrival.kernelStamp);
    if (kernelDelay.count() < 0 || kernelDelay > readDelay) {
        return readDelay;
    }
    return kernelDelay;
}

std::optional<ProbeResult> EchoExchange::Answered(const EchoAnswer& answer,
                                                  const Arrival& arrival) {
    const std::chrono::nanoseconds delay = DelayOf(arrival);
    if (delay > timeout_) {
        // Too late to count. Nothing later can be in time either.
        return ProbeResult{kNoRoundTrip, IcmpStatus::kRequestTimedOut, 0, 0};
    }
    answerDelay_ = delay;
    return ProbeResult{WholeMilliseconds(delay), answer.status, answer.ttl, answer.dataSize};
}

std::optional<ProbeResult> EchoExchange::ReadPackets() {
    ControlBuffer control{};
    ReceivedMessage message;
    while (Receive(fd_.Get(), buffer_, control, 0, message)) {
        const Arrival arrival{message.stamp, SteadyClock::now()};
        const std::span<const std::uint8_t> bytes(buffer_.data(), message.size);
        const bool truncated = (message.flags & MSG_TRUNC) != 0;
        const std::optional<EchoAnswer> answer =
            raw_ ? ParseRawSocketPacket(bytes, truncated, key_)
                 : ParsePingSocketReply(bytes, message.peer, message.ttl, truncated, key_);
        if (answer) {
            return Answered(*answer, arrival);
        }
    }
    return std::nullopt;
}

std::optional<ProbeResult> EchoExchange::ReadErrorQueue() {
    std::array<std::uint8_t, kErrorPayloadSize> payload{};
    ControlBuffer control{};
    ReceivedMessage message;
    while (Receive(fd_.Get(), payload, control, MSG_ERRQUEUE, message)) {
        const Arrival arrival{message.stamp, SteadyClock::now()};
        const std::optional<EchoAnswer> answer = ParsePingSocketError(
            message.extendedError, {payload.data(), message.size}, message.peer, message.ttl, key_);
        if (answer) {
            return Answered(*answer, arrival);
        }
    }
    // sk_err can be set without an entry in the error queue (a raw socket has no
    // queue without IP_RECVERR) and keeps POLLERR raised until it is read, which
    // would turn the wait into a busy loop. Reading SO_ERROR clears it.
    int pending = 0;
    socklen_t length = sizeof pending;
    getsockopt(fd_.Get(), SOL_SOCKET, SO_ERROR, &pending, &length);
    return std::nullopt;
}

} // namespace lumet

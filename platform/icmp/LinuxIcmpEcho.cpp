#include "platform/icmp/LinuxIcmpEcho.h"

#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/IcmpStatusMap.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <linux/errqueue.h>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <poll.h>
#include <span>
#include <sys/random.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumet {

namespace {

// An IPv4 packet is at most 65535 bytes, so nothing we read is ever cut.
constexpr std::size_t kReceiveBufferSize = 65536;
// Room for an error entry's payload: we only look at the quoted ICMP header.
constexpr std::size_t kErrorPayloadSize = 576;

// Control data for IP_TTL and IP_RECVERR (sock_extended_err + offender address),
// aligned for the cmsghdr records the kernel writes into it.
struct alignas(cmsghdr) ControlBuffer {
    std::array<std::uint8_t, CMSG_SPACE(sizeof(int)) +
                                 CMSG_SPACE(sizeof(sock_extended_err) + sizeof(sockaddr_in)) + 64>
        bytes;
};

std::uint16_t RandomWord() {
    std::uint16_t value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value)) {
        return value;
    }
    // No entropy yet (early boot): the pid still keeps two programs apart.
    return static_cast<std::uint16_t>(getpid());
}

void EnableOption(int fd, int level, int name) {
    const int on = 1;
    // Failing only costs the TTL or the error reports; the echo itself still works.
    setsockopt(fd, level, name, &on, sizeof on);
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
            if (cmsg->cmsg_level != SOL_IP) {
                continue;
            }
            const std::size_t dataLength = cmsg->cmsg_len - CMSG_LEN(0);
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

} // namespace

LinuxIcmpEcho::LinuxIcmpEcho(SocketKind kind)
    : kind_(kind), identifier_(RandomWord()), nextSequence_(RandomWord()),
      packet_(kReceiveBufferSize) {}

LinuxIcmpEcho::ProbeSocket LinuxIcmpEcho::OpenSocket() const {
    ProbeSocket socket;
    if (kind_ != SocketKind::RawOnly) {
        socket.fd.Reset(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
        if (socket.fd.Valid()) {
            // Errors arrive in the error queue only with IP_RECVERR; without it a
            // ping socket just records the last one in sk_err.
            EnableOption(socket.fd.Get(), SOL_IP, IP_RECVERR);
            // No IP header on a ping socket: the TTL comes as a control message.
            EnableOption(socket.fd.Get(), SOL_IP, IP_RECVTTL);
            return socket;
        }
        // EACCES: our group is outside net.ipv4.ping_group_range (the default
        // "1 0" allows nobody). EPERM: seccomp or LSM policy. EAFNOSUPPORT,
        // EPROTONOSUPPORT: kernels or containers without ping sockets. Anything
        // else (EMFILE, ENOBUFS) would hit the raw socket as well.
        const int error = errno;
        const bool tryRaw =
            error == EACCES || error == EPERM || error == EAFNOSUPPORT || error == EPROTONOSUPPORT;
        if (kind_ == SocketKind::PingOnly || !tryRaw) {
            return socket;
        }
    }
    // EPERM / EACCES here: no CAP_NET_RAW.
    socket.fd.Reset(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
    socket.raw = true;
    if (socket.fd.Valid()) {
        // A raw ICMP socket gets a copy of every ICMP message the host receives,
        // including every echo request. Let only what can answer us wake us up.
        // The filter only saves wake-ups; the parser checks every message anyway.
        icmp_filter filter{};
        filter.data =
            ~((1U << ICMP_ECHOREPLY) | (1U << ICMP_DEST_UNREACH) | (1U << ICMP_SOURCE_QUENCH) |
              (1U << ICMP_TIME_EXCEEDED) | (1U << ICMP_PARAMETERPROB));
        setsockopt(socket.fd.Get(), SOL_RAW, ICMP_FILTER, &filter, sizeof filter);
    }
    return socket;
}

ProbeResult LinuxIcmpEcho::Echo(std::uint32_t address, std::uint32_t timeoutMs) {
    lastAnswerDelay_.reset();
    // Advance for every probe, sent or not: a late reply to the previous probe
    // must never match this one.
    const std::uint16_t sequence = nextSequence_++;

    const ProbeSocket socket = OpenSocket();
    if (!socket.fd.Valid()) {
        return ProbeResult{kNoRoundTrip, IcmpStatus::kNoIcmpSocket, 0, 0};
    }

    const EchoRequestKey key{address, identifier_, sequence, socket.raw};
    // On a ping socket the kernel replaces identifier and checksum.
    const auto request = BuildEchoRequest(identifier_, sequence);
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_addr.s_addr = address;

    const Clock::time_point sent = Clock::now();
    const Clock::time_point deadline = sent + std::chrono::milliseconds(timeoutMs);
    ssize_t written = -1;
    do {
        written = sendto(socket.fd.Get(), request.data(), request.size(), 0,
                         reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        // ENETUNREACH: no route. EHOSTUNREACH: unreachable route. EMSGSIZE: path MTU.
        // EACCES (broadcast without SO_BROADCAST, prohibit route), EPERM (netfilter)
        // and the rest have no better code.
        return ProbeResult{kNoRoundTrip, StatusForSendError(errno), 0, 0};
    }
    return AwaitAnswer(socket, key, sent, deadline);
}

ProbeResult LinuxIcmpEcho::AwaitAnswer(const ProbeSocket& socket, const EchoRequestKey& key,
                                       Clock::time_point sent, Clock::time_point deadline) {
    for (;;) {
        const auto remaining =
            std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - Clock::now());
        const auto wait = remaining.count() > 0 ? remaining : std::chrono::nanoseconds::zero();
        const timespec timeout{
            static_cast<time_t>(wait.count() / 1'000'000'000),
            static_cast<long>(wait.count() % 1'000'000'000),
        };
        pollfd ready{socket.fd.Get(), POLLIN, 0};
        // ppoll: the wait is exact to the nanosecond, where poll rounds to ms.
        const int count = ppoll(&ready, 1, &timeout, nullptr);
        if (count < 0 && errno != EINTR) {
            return ProbeResult{kNoRoundTrip, IcmpStatus::kGeneralFailure, 0, 0};
        }
        std::optional<TimedAnswer> found;
        if (count > 0) {
            if ((ready.revents & (POLLIN | POLLERR)) == 0) {
                // POLLNVAL and the like: the socket is gone, waiting cannot help.
                return ProbeResult{kNoRoundTrip, IcmpStatus::kGeneralFailure, 0, 0};
            }
            // POLLERR: the error queue holds entries (ping socket) or sk_err is set.
            if ((ready.revents & POLLERR) != 0) {
                found = ReadErrorQueue(socket, key);
            }
            if (!found && (ready.revents & POLLIN) != 0) {
                found = ReadPackets(socket, key);
            }
        }
        if (found && found->arrival <= deadline) {
            const auto delay = found->arrival - sent;
            lastAnswerDelay_ = delay;
            return ProbeResult{WholeMilliseconds(delay), found->answer.status, found->answer.ttl,
                               found->answer.dataSize};
        }
        if (Clock::now() >= deadline) {
            return ProbeResult{kNoRoundTrip, IcmpStatus::kRequestTimedOut, 0, 0};
        }
    }
}

std::optional<LinuxIcmpEcho::TimedAnswer> LinuxIcmpEcho::ReadPackets(const ProbeSocket& socket,
                                                                     const EchoRequestKey& key) {
    ControlBuffer control{};
    ReceivedMessage message;
    while (Receive(socket.fd.Get(), packet_, control, 0, message)) {
        const Clock::time_point arrival = Clock::now();
        const std::span<const std::uint8_t> bytes(packet_.data(), message.size);
        const bool truncated = (message.flags & MSG_TRUNC) != 0;
        const std::optional<EchoAnswer> answer =
            socket.raw ? ParseRawSocketPacket(bytes, truncated, key)
                       : ParsePingSocketReply(bytes, message.peer, message.ttl, truncated, key);
        if (answer) {
            return TimedAnswer{*answer, arrival};
        }
    }
    return std::nullopt;
}

std::optional<LinuxIcmpEcho::TimedAnswer> LinuxIcmpEcho::ReadErrorQueue(const ProbeSocket& socket,
                                                                        const EchoRequestKey& key) {
    std::array<std::uint8_t, kErrorPayloadSize> payload{};
    ControlBuffer control{};
    ReceivedMessage message;
    while (Receive(socket.fd.Get(), payload, control, MSG_ERRQUEUE, message)) {
        const Clock::time_point arrival = Clock::now();
        const std::optional<EchoAnswer> answer = ParsePingSocketError(
            message.extendedError, {payload.data(), message.size}, message.peer, message.ttl, key);
        if (answer) {
            return TimedAnswer{*answer, arrival};
        }
    }
    // sk_err can be set without an entry in the error queue (a raw socket has no
    // queue without IP_RECVERR) and keeps POLLERR raised until it is read, which
    // would turn the wait into a busy loop. Reading SO_ERROR clears it.
    int pending = 0;
    socklen_t length = sizeof pending;
    getsockopt(socket.fd.Get(), SOL_SOCKET, SO_ERROR, &pending, &length);
    return std::nullopt;
}

} // namespace lumet

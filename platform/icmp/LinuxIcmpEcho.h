#pragma once

#include "platform/icmp/IcmpEcho.h"
#include "platform/icmp/IcmpPacket.h"
#include "platform/icmp/UniqueFd.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumet {

// Echo requests through the Linux ICMP sockets. Each probe opens a fresh socket:
// an unprivileged ping socket (SOCK_DGRAM, IPPROTO_ICMP) when the group range of
// net.ipv4.ping_group_range allows it, a raw socket (CAP_NET_RAW) otherwise.
// One probe at a time: an object is not meant for several threads at once.
class LinuxIcmpEcho final : public IcmpEcho {
public:
    enum class SocketKind {
        Automatic, // ping socket first, raw socket when that is not permitted
        PingOnly,
        RawOnly,
    };

    explicit LinuxIcmpEcho(SocketKind kind = SocketKind::Automatic);

    ProbeResult Echo(std::uint32_t address, std::uint32_t timeoutMs) override;

    // Exact time from sendto to the answer (reply or ICMP error) of the newest
    // probe; std::nullopt when it got none. For benchmarks and diagnostics.
    std::optional<std::chrono::nanoseconds> LastAnswerDelay() const { return lastAnswerDelay_; }

private:
    using Clock = std::chrono::steady_clock;

    struct ProbeSocket {
        UniqueFd fd;
        bool raw = false;
    };

    struct TimedAnswer {
        EchoAnswer answer;
        Clock::time_point arrival;
    };

    ProbeSocket OpenSocket() const;
    ProbeResult AwaitAnswer(const ProbeSocket& socket, const EchoRequestKey& key,
                            Clock::time_point sent, Clock::time_point deadline);
    std::optional<TimedAnswer> ReadPackets(const ProbeSocket& socket, const EchoRequestKey& key);
    static std::optional<TimedAnswer> ReadErrorQueue(const ProbeSocket& socket,
                                                     const EchoRequestKey& key);

    SocketKind kind_;
    std::uint16_t identifier_; // raw sockets only: the kernel owns a ping socket's identifier
    std::uint16_t nextSequence_;
    std::vector<std::uint8_t> packet_; // receive buffer, sized for the largest IPv4 packet
    std::optional<std::chrono::nanoseconds> lastAnswerDelay_;
};

} // namespace lumet

#pragma once

#include "platform/events/IoWatcher.h"
#include "platform/icmp/EchoExchange.h"
#include "platform/icmp/IcmpEcho.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lumet {

// Echo requests through the Linux ICMP sockets. Each probe opens a fresh socket:
// an unprivileged ping socket (SOCK_DGRAM, IPPROTO_ICMP) when the group range of
// net.ipv4.ping_group_range allows it, a raw socket (CAP_NET_RAW) otherwise.
// Start waits through the event loop's IoWatcher; Echo blocks the calling thread,
// for programs and tests without an event loop. One probe at a time: an object is
// not meant for several threads at once.
class LinuxIcmpEcho final : public IcmpEcho {
public:
    using SocketKind = IcmpSocketKind;

    // Without a watcher only the blocking Echo is available. `reservedRawSocket`,
    // when valid, stands in for the raw sockets this process may no longer open.
    explicit LinuxIcmpEcho(SocketKind kind = SocketKind::Automatic, IoWatcher* watcher = nullptr,
                           UniqueFd reservedRawSocket = {});
    explicit LinuxIcmpEcho(IoWatcher& watcher, UniqueFd reservedRawSocket = {})
        : LinuxIcmpEcho(SocketKind::Automatic, &watcher, std::move(reservedRawSocket)) {}

    void Start(std::uint32_t address, std::uint32_t timeoutMs, Completion done) override;
    void Cancel() override;

    // Sends one request and waits for its outcome, handling nothing else meanwhile.
    ProbeResult Echo(std::uint32_t address, std::uint32_t timeoutMs);

    // Exact time from sendto to the answer (reply or ICMP error) of the newest
    // finished probe; std::nullopt when it got none. For benchmarks and diagnostics.
    std::optional<std::chrono::nanoseconds> LastAnswerDelay() const { return lastAnswerDelay_; }
    // The wall-clock time (CLOCK_REALTIME) the newest request that went out was sent.
    std::optional<timespec> LastSendTime() const { return lastSendTime_; }

private:
    std::variant<EchoExchange, ProbeResult> Send(std::uint32_t address, std::uint32_t timeoutMs);
    void OnReadable();
    void Finish(const ProbeResult& result);

    SocketKind kind_;
    IoWatcher* watcher_;
    std::uint16_t identifier_; // raw sockets only: the kernel owns a ping socket's identifier
    std::uint16_t nextSequence_;
    std::vector<std::uint8_t> packet_; // receive buffer, sized for the largest IPv4 packet
    std::optional<std::chrono::nanoseconds> lastAnswerDelay_;
    std::optional<timespec> lastSendTime_;
    UniqueFd reservedRawSocket_;
    // Keeps the kernel's receive timestamps switched on between probes.
    UniqueFd timestampKeeper_;

    // The request Start sent, while it waits.
    std::optional<EchoExchange> pending_;
    std::optional<ProbeResult> sendFailure_;
    Completion done_;
    std::unique_ptr<IoWait> wait_;
};

} // namespace lumet

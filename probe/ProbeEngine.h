#pragma once

#include "platform/icmp/IcmpEcho.h"
#include "platform/net/Resolver.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumet {

// The network operations of a test: one echo probe at a time and the address
// conversions. Keeps the fields of the newest reply for the displays and reports.
class ProbeEngine {
public:
    using EchoDone = std::function<void(std::uint32_t roundTripMs)>;

    ProbeEngine(IcmpEcho& echo, Resolver& resolver);
    ~ProbeEngine();

    ProbeEngine(const ProbeEngine&) = delete;
    ProbeEngine& operator=(const ProbeEngine&) = delete;

    // Sends one echo request and returns at once. When the reply or the time-out
    // comes, the reply fields below are overwritten and `done` runs from the event
    // loop with the round-trip time in ms (kNoRoundTrip when none was reported).
    void SendEcho(std::uint32_t address, std::uint32_t timeoutMs, EchoDone done);
    // Abandons the probe in flight: `done` never runs and the reply fields keep
    // the previous probe's values.
    void CancelEcho();
    bool EchoPending() const { return echoPending_; }

    // inet_addr: network byte order; 0xFFFFFFFF for text that is no dotted address.
    static std::uint32_t ParseDottedAddress(const std::string& text);
    // The same forms inet_addr takes ("10.0.0.1", "127.1"), in network byte order,
    // and nothing for text that is none: unlike inet_addr, an address that does not
    // parse is not taken for 255.255.255.255.
    static std::optional<std::uint32_t> TryParseDottedAddress(const std::string& text);
    // Looks the name up; `done` runs from the event loop with its first IPv4
    // address in network byte order, 0 when the lookup fails. Destroying the
    // handle abandons the lookup.
    [[nodiscard]] std::unique_ptr<IoWait> ResolveHostName(const std::string& name,
                                                          Resolver::Done done);
    // inet_ntoa.
    static std::string FormatDottedAddress(std::uint32_t address);

    std::uint32_t ReplyStatus() const { return replyStatus_; }
    std::uint8_t ReplyTtl() const { return replyTtl_; }
    std::uint16_t ReplyDataSize() const { return replyDataSize_; }

    Resolver& resolver() { return resolver_; }

private:
    IcmpEcho& echo_;
    Resolver& resolver_;
    std::uint8_t replyTtl_ = 0;
    std::uint32_t replyStatus_ = 0;
    std::uint16_t replyDataSize_ = 0;
    bool echoPending_ = false;
};

} // namespace lumet

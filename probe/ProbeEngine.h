#pragma once

#include "platform/icmp/IcmpEcho.h"
#include "platform/net/Resolver.h"

#include <cstdint>
#include <string>

namespace lumet {

// The network operations of a test: one echo probe at a time and the address
// conversions. Keeps the fields of the newest reply for the displays and reports.
class ProbeEngine {
public:
    ProbeEngine(IcmpEcho& echo, Resolver& resolver);

    // Sends one echo request and blocks until the reply or the time-out. Returns
    // the round-trip time in ms, kNoRoundTrip when none was reported; overwrites
    // the reply fields below.
    std::uint32_t SendEcho(std::uint32_t address, std::uint32_t timeoutMs);

    // inet_addr: network byte order; 0xFFFFFFFF for text that is no dotted address.
    static std::uint32_t ParseDottedAddress(const std::string& text);
    // First IPv4 address of the name in network byte order, 0 when the lookup fails.
    std::uint32_t ResolveHostName(const std::string& name);
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
};

} // namespace lumet

#pragma once

#include "platform/icmp/ProbeResult.h"

#include <cstdint>

namespace lumet {

// Sends one ICMP echo request without payload and IP options and waits for its
// answer. Blocks the calling thread for at most the time-out.
class IcmpEcho {
public:
    virtual ~IcmpEcho() = default;

    // address: IPv4 address in network byte order.
    virtual ProbeResult Echo(std::uint32_t address, std::uint32_t timeoutMs) = 0;
};

} // namespace lumet

#pragma once

#include "platform/icmp/ProbeResult.h"

#include <cstdint>
#include <functional>

namespace lumet {

// Sends one ICMP echo request without payload and IP options and hands its outcome
// back through the event loop, so the thread goes on handling events meanwhile.
// One request at a time.
class IcmpEcho {
public:
    using Completion = std::function<void(const ProbeResult&)>;

    virtual ~IcmpEcho() = default;

    // address: IPv4 address in network byte order. `done` runs from the event loop
    // once the answer arrives or the time-out passes, never from within Start. A
    // request still in flight is abandoned first.
    virtual void Start(std::uint32_t address, std::uint32_t timeoutMs, Completion done) = 0;

    // Abandons the request in flight, if any: its completion never runs.
    virtual void Cancel() = 0;
};

} // namespace lumet

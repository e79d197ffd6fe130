#pragma once

#include "platform/icmp/IcmpEcho.h"

#include <deque>
#include <utility>
#include <vector>

namespace lumet::test {

// Returns queued results in order, then `fallback`; records every request.
class ScriptedIcmpEcho final : public IcmpEcho {
public:
    struct Request {
        std::uint32_t address;
        std::uint32_t timeoutMs;
    };
    std::deque<ProbeResult> queued;
    ProbeResult fallback{0, 0, 64, 0};
    std::vector<Request> requests;

    ProbeResult Echo(std::uint32_t address, std::uint32_t timeoutMs) override {
        requests.push_back({address, timeoutMs});
        if (queued.empty()) {
            return fallback;
        }
        ProbeResult next = queued.front();
        queued.pop_front();
        return next;
    }
};

} // namespace lumet::test

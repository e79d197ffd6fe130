#pragma once

#include <cstdint>

namespace lumet {

// Round-trip time value that means "no time was reported" (a time-out).
inline constexpr std::uint32_t kNoRoundTrip = 0xFFFFFFFFu;

// Outcome of one echo request: the round-trip time plus the fields of the reply.
struct ProbeResult {
    std::uint32_t roundTripMs = kNoRoundTrip;
    std::uint32_t status = 0; // 0 success, otherwise an IP status code (see IcmpStatus.h)
    std::uint8_t ttl = 0;
    std::uint16_t dataSize = 0; // bytes after the 8-byte ICMP header
};

} // namespace lumet

#pragma once

#include "tests/support/EchoResponse.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumet::test {

// An IPv4 address in network byte order, as the probe engine takes it.
constexpr std::uint32_t Ipv4Address(std::uint8_t a, std::uint8_t b, std::uint8_t c,
                                    std::uint8_t d) {
    const std::uint32_t big = (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) |
                              (std::uint32_t{c} << 8) | std::uint32_t{d};
    if constexpr (std::endian::native == std::endian::big) {
        return big;
    }
    return (big >> 24) | ((big >> 8) & 0xFF00u) | ((big << 8) & 0xFF0000u) | (big << 24);
}

// An ICMP echo request as it left the host through the TUN device.
struct EchoRequest {
    std::uint32_t source = 0;      // network byte order
    std::uint32_t destination = 0; // network byte order
    std::uint16_t identifier = 0;
    std::uint16_t sequence = 0;
    std::uint8_t ttl = 0;
    std::size_t ipHeaderLength = 0;
    std::size_t dataSize = 0; // bytes after the 8-byte ICMP header
    bool checksumValid = false;
    std::vector<std::uint8_t> packet; // the whole IP datagram
};

// The Internet checksum (RFC 1071) of `bytes`.
std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes);

// The echo request in an IPv4 datagram; none for anything else.
std::optional<EchoRequest> ParseEchoRequest(std::span<const std::uint8_t> datagram);

// The IPv4 datagram that answers `request` as `response` describes.
std::vector<std::uint8_t> BuildResponse(const EchoRequest& request, const EchoResponse& response);

} // namespace lumet::test

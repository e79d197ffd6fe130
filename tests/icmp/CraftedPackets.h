#pragma once

#include "platform/icmp/IcmpPacket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime> // linux/errqueue.h needs struct timespec
#include <linux/errqueue.h>
#include <netinet/in.h>
#include <vector>

// Builders for the packets the ICMP tests feed to the parsers and the responder.
namespace lumet::test {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Address(const char* dotted) {
    return inet_addr(dotted);
}

inline void PutBigEndian16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

inline void SetIcmpChecksum(Bytes& icmp) {
    icmp[2] = 0;
    icmp[3] = 0;
    PutBigEndian16(icmp, 2, InternetChecksum(icmp));
}

// An ICMP echo message (request or reply) with a valid checksum.
inline Bytes EchoMessage(std::uint8_t type, std::uint16_t identifier, std::uint16_t sequence,
                         std::size_t dataSize = 0) {
    Bytes icmp(kIcmpHeaderSize + dataSize);
    icmp[0] = type;
    PutBigEndian16(icmp, 4, identifier);
    PutBigEndian16(icmp, 6, sequence);
    for (std::size_t i = 0; i < dataSize; ++i) {
        icmp[kIcmpHeaderSize + i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    SetIcmpChecksum(icmp);
    return icmp;
}

// An ICMP error (destination unreachable, time exceeded, ...) quoting `quoted`.
inline Bytes ErrorMessage(std::uint8_t type, std::uint8_t code, const Bytes& quoted) {
    Bytes icmp(kIcmpHeaderSize + quoted.size());
    icmp[0] = type;
    icmp[1] = code;
    std::copy(quoted.begin(), quoted.end(), icmp.begin() + kIcmpHeaderSize);
    SetIcmpChecksum(icmp);
    return icmp;
}

// An IPv4 packet around `payload`; optionWords adds that many 4-byte NOP options.
inline Bytes Ipv4Packet(std::uint32_t source, std::uint32_t destination, const Bytes& payload,
                        std::uint8_t ttl = 64, std::uint8_t protocol = kIpProtocolIcmp,
                        std::size_t optionWords = 0) {
    const std::size_t headerLength = kIpv4MinHeaderSize + 4 * optionWords;
    Bytes packet(headerLength, 0);
    packet[0] = static_cast<std::uint8_t>(0x40 | (headerLength / 4));
    PutBigEndian16(packet, 2, static_cast<std::uint16_t>(headerLength + payload.size()));
    packet[8] = ttl;
    packet[9] = protocol;
    std::memcpy(&packet[12], &source, 4);
    std::memcpy(&packet[16], &destination, 4);
    for (std::size_t i = kIpv4MinHeaderSize; i < headerLength; ++i) {
        packet[i] = 1; // NOP
    }
    packet.insert(packet.end(), payload.begin(), payload.end());
    return packet;
}

// The control data of an IP_RECVERR message: sock_extended_err plus the offender.
inline Bytes ExtendedError(std::uint8_t origin, std::uint8_t type, std::uint8_t code,
                           std::uint32_t offender, bool withOffender = true) {
    sock_extended_err error{};
    error.ee_errno = EHOSTUNREACH;
    error.ee_origin = origin;
    error.ee_type = type;
    error.ee_code = code;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = offender;
    Bytes bytes(sizeof error + (withOffender ? sizeof address : 0));
    std::memcpy(bytes.data(), &error, sizeof error);
    if (withOffender) {
        std::memcpy(bytes.data() + sizeof error, &address, sizeof address);
    }
    return bytes;
}

} // namespace lumet::test

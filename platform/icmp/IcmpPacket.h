#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Building and recognising the ICMP messages of one echo probe. Pure functions over
// bytes: no sockets, so every rule can be tested with crafted packets.

namespace lumet {

inline constexpr std::size_t kIcmpHeaderSize = 8;
inline constexpr std::size_t kIpv4MinHeaderSize = 20;

inline constexpr std::uint8_t kIcmpEchoReply = 0;
inline constexpr std::uint8_t kIcmpDestUnreachable = 3;
inline constexpr std::uint8_t kIcmpSourceQuench = 4;
inline constexpr std::uint8_t kIcmpRedirect = 5;
inline constexpr std::uint8_t kIcmpEchoRequest = 8;
inline constexpr std::uint8_t kIcmpTimeExceeded = 11;
inline constexpr std::uint8_t kIcmpParameterProblem = 12;

inline constexpr std::uint8_t kIpProtocolIcmp = 1;

// The request in flight; every received message is checked against it.
struct EchoRequestKey {
    std::uint32_t destination = 0; // network byte order
    std::uint16_t identifier = 0;
    std::uint16_t sequence = 0;
    // False on ping sockets: the kernel replaces the identifier with its own and
    // only delivers messages that carry it.
    bool checkIdentifier = true;
};

// A message that answers the request in flight: its echo reply or an ICMP error
// quoting it. Everything else parses to std::nullopt and the wait goes on.
struct EchoAnswer {
    std::uint32_t status = 0;
    std::uint32_t source = 0; // network byte order: the replying host or the reporting router
    std::uint8_t ttl = 0;
    std::uint16_t dataSize = 0; // bytes after the ICMP header
};

// RFC 1071 ones'-complement sum, folded and complemented. A message that carries
// its correct checksum sums to 0.
std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes);

// An echo request of exactly the 8-byte ICMP header: no payload.
std::array<std::uint8_t, kIcmpHeaderSize> BuildEchoRequest(std::uint16_t identifier,
                                                           std::uint16_t sequence);

// A datagram read from a ping socket: the ICMP message without IP header. The
// source and TTL come from the socket (msg_name, IP_TTL control message).
// truncated: the kernel cut the datagram to fit the buffer (MSG_TRUNC).
std::optional<EchoAnswer> ParsePingSocketReply(std::span<const std::uint8_t> datagram,
                                               std::uint32_t source, std::uint8_t ttl,
                                               bool truncated, const EchoRequestKey& key);

// A packet read from a raw ICMP socket: IPv4 header and ICMP message. Echo replies
// and the ICMP errors that quote our request are answers.
std::optional<EchoAnswer> ParseRawSocketPacket(std::span<const std::uint8_t> packet, bool truncated,
                                               const EchoRequestKey& key);

// One entry of a ping socket's error queue (MSG_ERRQUEUE):
//   extendedError: the IP_RECVERR control data, a sock_extended_err followed by the
//                  offender's sockaddr_in;
//   quotedIcmp:    the read payload, the ICMP header of the request the error quotes;
//   quotedDestination: msg_name, the destination of the quoted request;
//   ttl:           the error message's TTL from the IP_TTL control message.
std::optional<EchoAnswer> ParsePingSocketError(std::span<const std::uint8_t> extendedError,
                                               std::span<const std::uint8_t> quotedIcmp,
                                               std::uint32_t quotedDestination, std::uint8_t ttl,
                                               const EchoRequestKey& key);

// The IPv4 header and the first 8 bytes of the datagram that an ICMP error quotes:
// true when they are our echo request.
bool QuotesOurRequest(std::span<const std::uint8_t> quoted, const EchoRequestKey& key);

} // namespace lumet

#include "platform/icmp/IcmpPacket.h"

#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/IcmpStatusMap.h"

#include <algorithm>
#include <cstring>
#include <ctime> // linux/errqueue.h needs struct timespec
#include <linux/errqueue.h>
#include <netinet/in.h>

namespace lumet {

namespace {

// Offsets in the IPv4 header.
constexpr std::size_t kIpTotalLength = 2;
constexpr std::size_t kIpTtl = 8;
constexpr std::size_t kIpProtocol = 9;
constexpr std::size_t kIpSource = 12;
constexpr std::size_t kIpDestination = 16;

// Offsets in the ICMP header.
constexpr std::size_t kIcmpType = 0;
constexpr std::size_t kIcmpCode = 1;
constexpr std::size_t kIcmpChecksum = 2;
constexpr std::size_t kIcmpIdentifier = 4;
constexpr std::size_t kIcmpSequence = 6;

std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

// Addresses stay in network byte order, as the sockets hand them out.
std::uint32_t ReadAddress(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t address = 0;
    std::memcpy(&address, bytes.data() + offset, sizeof address);
    return address;
}

void WriteBigEndian16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

// The IPv4 header length when the header is sound and fits into the bytes, else 0.
std::size_t Ipv4HeaderLength(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kIpv4MinHeaderSize || (bytes[0] >> 4) != 4) {
        return 0;
    }
    const std::size_t length = static_cast<std::size_t>(bytes[0] & 0x0F) * 4;
    if (length < kIpv4MinHeaderSize || length > bytes.size()) {
        return 0;
    }
    return length;
}

// Type, identifier and sequence of an echo message against the request in flight.
bool IsEchoOf(std::span<const std::uint8_t> icmp, std::uint8_t type, const EchoRequestKey& key) {
    return icmp.size() >= kIcmpHeaderSize && icmp[kIcmpType] == type &&
           (!key.checkIdentifier || ReadBigEndian16(icmp, kIcmpIdentifier) == key.identifier) &&
           ReadBigEndian16(icmp, kIcmpSequence) == key.sequence;
}

std::uint16_t DataSizeOf(std::span<const std::uint8_t> icmp) {
    return static_cast<std::uint16_t>(icmp.size() - kIcmpHeaderSize);
}

// An echo reply: ours only when it comes from the destination, carries our
// identifier and sequence and, unless cut short, a valid checksum. A reply cut
// short cannot be checked, but it does answer our request.
std::optional<EchoAnswer> ParseEchoReply(std::span<const std::uint8_t> icmp, std::uint32_t source,
                                         std::uint8_t ttl, bool truncated,
                                         const EchoRequestKey& key) {
    if (source != key.destination || !IsEchoOf(icmp, kIcmpEchoReply, key)) {
        return std::nullopt;
    }
    if (truncated) {
        return EchoAnswer{IcmpStatus::kTruncatedReply, source, ttl, DataSizeOf(icmp)};
    }
    if (InternetChecksum(icmp) != 0) {
        return std::nullopt;
    }
    return EchoAnswer{IcmpStatus::kSuccess, source, ttl, DataSizeOf(icmp)};
}

} // namespace

std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes) {
    // 64 bits cannot overflow for any span that fits in memory.
    std::uint64_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        sum += static_cast<std::uint64_t>((bytes[i] << 8) | bytes[i + 1]);
    }
    if (i < bytes.size()) {
        // An odd last byte is padded with a zero byte.
        sum += static_cast<std::uint64_t>(bytes[i] << 8);
    }
    while ((sum >> 16) != 0) {
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum & 0xFFFF);
}

std::array<std::uint8_t, kIcmpHeaderSize> BuildEchoRequest(std::uint16_t identifier,
                                                           std::uint16_t sequence) {
    std::array<std::uint8_t, kIcmpHeaderSize> request{};
    request[kIcmpType] = kIcmpEchoRequest;
    request[kIcmpCode] = 0;
    WriteBigEndian16(request, kIcmpIdentifier, identifier);
    WriteBigEndian16(request, kIcmpSequence, sequence);
    WriteBigEndian16(request, kIcmpChecksum, InternetChecksum(request));
    return request;
}

std::optional<EchoAnswer> ParsePingSocketReply(std::span<const std::uint8_t> datagram,
                                               std::uint32_t source, std::uint8_t ttl,
                                               bool truncated, const EchoRequestKey& key) {
    return ParseEchoReply(datagram, source, ttl, truncated, key);
}

std::optional<EchoAnswer> ParseRawSocketPacket(std::span<const std::uint8_t> packet, bool truncated,
                                               const EchoRequestKey& key) {
    const std::size_t headerLength = Ipv4HeaderLength(packet);
    if (headerLength == 0 || packet[kIpProtocol] != kIpProtocolIcmp) {
        return std::nullopt;
    }
    // Linux hands raw sockets the total length in network order and unchanged. A
    // length beyond what we read means the packet was cut; bytes beyond it are no
    // part of the packet.
    const std::size_t totalLength = ReadBigEndian16(packet, kIpTotalLength);
    if (totalLength < headerLength + kIcmpHeaderSize) {
        return std::nullopt;
    }
    truncated = truncated || totalLength > packet.size();
    const auto icmp =
        packet.subspan(headerLength, std::min(totalLength, packet.size()) - headerLength);
    if (icmp.size() < kIcmpHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t source = ReadAddress(packet, kIpSource);
    const std::uint8_t ttl = packet[kIpTtl];
    const std::uint8_t type = icmp[kIcmpType];

    // Our own request comes back in on loopback, and a raw socket sees every echo
    // request to this host: type 8 is never an answer.
    if (type == kIcmpEchoReply) {
        return ParseEchoReply(icmp, source, ttl, truncated, key);
    }
    const std::optional<std::uint32_t> status = StatusForIcmpError(type, icmp[kIcmpCode]);
    // An error cut short or damaged on the way may quote anything: keep waiting.
    if (!status || truncated || InternetChecksum(icmp) != 0 ||
        !QuotesOurRequest(icmp.subspan(kIcmpHeaderSize), key)) {
        return std::nullopt;
    }
    return EchoAnswer{*status, source, ttl, 0};
}

std::optional<EchoAnswer> ParsePingSocketError(std::span<const std::uint8_t> extendedError,
                                               std::span<const std::uint8_t> quotedIcmp,
                                               std::uint32_t quotedDestination, std::uint8_t ttl,
                                               const EchoRequestKey& key) {
    sock_extended_err error{};
    if (extendedError.size() < sizeof error) {
        return std::nullopt;
    }
    std::memcpy(&error, extendedError.data(), sizeof error);
    // SO_EE_ORIGIN_LOCAL entries (EMSGSIZE and the like) come with a failing sendto,
    // which reports them already; they quote nothing.
    if (error.ee_origin != SO_EE_ORIGIN_ICMP) {
        return std::nullopt;
    }
    // The kernel queues errors by the quoted identifier only, and reuses a closed
    // socket's identifier: the sequence tells our request from an earlier one.
    if (quotedDestination != key.destination || !IsEchoOf(quotedIcmp, kIcmpEchoRequest, key)) {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> status = StatusForIcmpError(error.ee_type, error.ee_code);
    if (!status) {
        return std::nullopt;
    }
    // SO_EE_OFFENDER: the sender of the ICMP error, right behind the record.
    std::uint32_t offender = 0;
    sockaddr_in offenderAddress{};
    if (extendedError.size() >= sizeof error + sizeof offenderAddress) {
        std::memcpy(&offenderAddress, extendedError.data() + sizeof error, sizeof offenderAddress);
        if (offenderAddress.sin_family == AF_INET) {
            offender = offenderAddress.sin_addr.s_addr;
        }
    }
    return EchoAnswer{*status, offender, ttl, 0};
}

bool QuotesOurRequest(std::span<const std::uint8_t> quoted, const EchoRequestKey& key) {
    const std::size_t headerLength = Ipv4HeaderLength(quoted);
    // RFC 792 promises the IP header plus 8 bytes; routers may quote more. The
    // quoted total length and checksum are not checked: routers rewrite them.
    if (headerLength == 0 || quoted.size() < headerLength + kIcmpHeaderSize ||
        quoted[kIpProtocol] != kIpProtocolIcmp ||
        ReadAddress(quoted, kIpDestination) != key.destination) {
        return false;
    }
    return IsEchoOf(quoted.subspan(headerLength), kIcmpEchoRequest, key);
}

} // namespace lumet

#include "tests/support/ResponderPackets.h"

#include <algorithm>
#include <cstring>

namespace lumet::test {
namespace {

constexpr std::size_t kIpHeaderSize = 20;
constexpr std::size_t kIcmpHeaderSize = 8;
constexpr std::uint8_t kProtocolIcmp = 1;
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;

std::uint16_t Get16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(value);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, static_cast<std::uint16_t>(value >> 16));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value));
}

// Addresses stay in network byte order, so they are copied byte for byte.
std::uint32_t GetAddress(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint32_t address = 0;
    std::memcpy(&address, bytes.data() + at, sizeof address);
    return address;
}

void PutAddress(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t address) {
    std::memcpy(bytes.data() + at, &address, sizeof address);
}

void SealIpHeader(std::vector<std::uint8_t>& datagram, std::size_t headerOffset,
                  std::size_t headerLength) {
    Put16(datagram, headerOffset + 10, 0);
    const auto header = std::span<const std::uint8_t>(datagram).subspan(headerOffset, headerLength);
    Put16(datagram, headerOffset + 10, InternetChecksum(header));
}

// An IPv4 datagram carrying `icmpSize` bytes of ICMP; the caller fills in the ICMP part.
std::vector<std::uint8_t> NewDatagram(std::uint32_t source, std::uint32_t destination,
                                      std::uint8_t ttl, std::size_t icmpSize) {
    std::vector<std::uint8_t> datagram(kIpHeaderSize + icmpSize, 0);
    datagram[0] = 0x45;
    Put16(datagram, 2, static_cast<std::uint16_t>(datagram.size()));
    datagram[8] = ttl;
    datagram[9] = kProtocolIcmp;
    PutAddress(datagram, 12, source);
    PutAddress(datagram, 16, destination);
    SealIpHeader(datagram, 0, kIpHeaderSize);
    return datagram;
}

void SealIcmp(std::vector<std::uint8_t>& datagram, bool corrupt) {
    Put16(datagram, kIpHeaderSize + 2, 0);
    auto checksum =
        InternetChecksum(std::span<const std::uint8_t>(datagram).subspan(kIpHeaderSize));
    if (corrupt) {
        checksum = static_cast<std::uint16_t>(checksum ^ 0x5A5A);
    }
    Put16(datagram, kIpHeaderSize + 2, checksum);
}

std::uint32_t Neighbour(std::uint32_t address) {
    std::vector<std::uint8_t> bytes(4);
    PutAddress(bytes, 0, address);
    bytes[3] = static_cast<std::uint8_t>(bytes[3] ^ 0x01);
    return GetAddress(bytes, 0);
}

std::vector<std::uint8_t> BuildReply(const EchoRequest& request, const EchoResponse& response) {
    const auto requestData = std::span<const std::uint8_t>(request.packet)
                                 .subspan(request.ipHeaderLength + kIcmpHeaderSize);
    const std::size_t dataSize = response.dataSize.value_or(requestData.size());
    const std::uint32_t source = response.source != 0 ? response.source : request.destination;
    auto datagram = NewDatagram(source, request.source, response.ttl, kIcmpHeaderSize + dataSize);

    std::uint16_t identifier = request.identifier;
    std::uint16_t sequence = request.sequence;
    if (response.tamper == EchoResponse::Tamper::Identifier) {
        identifier = static_cast<std::uint16_t>(~identifier);
    } else if (response.tamper == EchoResponse::Tamper::Sequence) {
        sequence = static_cast<std::uint16_t>(~sequence);
    }
    datagram[kIpHeaderSize] = kEchoReply;
    Put16(datagram, kIpHeaderSize + 4, identifier);
    Put16(datagram, kIpHeaderSize + 6, sequence);
    const std::size_t dataOffset = kIpHeaderSize + kIcmpHeaderSize;
    if (response.dataSize) {
        for (std::size_t i = 0; i < dataSize; ++i) {
            datagram[dataOffset + i] = static_cast<std::uint8_t>(i);
        }
    } else {
        std::copy(requestData.begin(), requestData.end(), datagram.begin() + dataOffset);
    }
    SealIcmp(datagram, response.tamper == EchoResponse::Tamper::Checksum);
    return datagram;
}

std::vector<std::uint8_t> BuildError(const EchoRequest& request, const EchoResponse& response) {
    const std::size_t quoteSize = request.ipHeaderLength + kIcmpHeaderSize;
    const std::uint32_t source = response.source != 0 ? response.source : request.destination;
    auto datagram = NewDatagram(source, request.source, response.ttl, kIcmpHeaderSize + quoteSize);
    datagram[kIpHeaderSize] = response.errorType;
    datagram[kIpHeaderSize + 1] = response.errorCode;
    Put32(datagram, kIpHeaderSize + 4, response.errorWord);

    const std::size_t quote = kIpHeaderSize + kIcmpHeaderSize;
    std::copy_n(request.packet.begin(), quoteSize, datagram.begin() + quote);
    const std::size_t quotedIcmp = quote + request.ipHeaderLength;
    switch (response.tamper) {
    case EchoResponse::Tamper::Identifier:
        Put16(datagram, quotedIcmp + 4, static_cast<std::uint16_t>(~request.identifier));
        break;
    case EchoResponse::Tamper::Sequence:
        Put16(datagram, quotedIcmp + 6, static_cast<std::uint16_t>(~request.sequence));
        break;
    case EchoResponse::Tamper::Destination:
        PutAddress(datagram, quote + 16, Neighbour(request.destination));
        SealIpHeader(datagram, quote, request.ipHeaderLength);
        break;
    case EchoResponse::Tamper::None:
    case EchoResponse::Tamper::Checksum:
        break;
    }
    SealIcmp(datagram, response.tamper == EchoResponse::Tamper::Checksum);
    return datagram;
}

} // namespace

std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        sum += Get16(bytes, i);
    }
    if (i < bytes.size()) {
        sum += static_cast<std::uint32_t>(bytes[i]) << 8;
    }
    while ((sum >> 16) != 0) {
        sum = (sum & 0xFFFFu) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum);
}

std::optional<EchoRequest> ParseEchoRequest(std::span<const std::uint8_t> datagram) {
    if (datagram.size() < kIpHeaderSize || (datagram[0] >> 4) != 4) {
        return std::nullopt;
    }
    const std::size_t headerLength = std::size_t{datagram[0] & 0x0Fu} * 4;
    const std::size_t totalLength = Get16(datagram, 2);
    if (headerLength < kIpHeaderSize || totalLength > datagram.size() ||
        totalLength < headerLength + kIcmpHeaderSize || datagram[9] != kProtocolIcmp) {
        return std::nullopt;
    }
    const auto icmp = datagram.subspan(headerLength, totalLength - headerLength);
    if (icmp[0] != kEchoRequest || icmp[1] != 0) {
        return std::nullopt;
    }
    EchoRequest request;
    request.source = GetAddress(datagram, 12);
    request.destination = GetAddress(datagram, 16);
    request.identifier = Get16(icmp, 4);
    request.sequence = Get16(icmp, 6);
    request.ttl = datagram[8];
    request.ipHeaderLength = headerLength;
    request.dataSize = icmp.size() - kIcmpHeaderSize;
    request.checksumValid = InternetChecksum(icmp) == 0;
    request.packet.assign(datagram.begin(),
                          datagram.begin() + static_cast<std::ptrdiff_t>(totalLength));
    return request;
}

std::vector<std::uint8_t> BuildResponse(const EchoRequest& request, const EchoResponse& response) {
    return response.kind == EchoResponse::Kind::Reply ? BuildReply(request, response)
                                                      : BuildError(request, response);
}

} // namespace lumet::test

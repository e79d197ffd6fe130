#include "platform/icmp/IcmpPacket.h"

#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/IcmpStatusMap.h"
#include "tests/icmp/CraftedPackets.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace lumet::test {
namespace {

// Identifier and sequence with distinct bytes, so a byte-order slip cannot match.
constexpr std::uint16_t kId = 0x1234;
constexpr std::uint16_t kSeq = 0xABCD;
const std::uint32_t kTarget = Address("127.0.0.9");
const std::uint32_t kRouter = Address("127.0.0.200");
const std::uint32_t kElsewhere = Address("127.0.0.10");

const EchoRequestKey kRawKey{kTarget, kId, kSeq, true};
const EchoRequestKey kPingKey{kTarget, kId, kSeq, false};

// What our request looks like on the wire: the quote inside an ICMP error.
Bytes OurRequest(std::uint32_t destination = kTarget, std::uint16_t id = kId,
                 std::uint16_t seq = kSeq) {
    return Ipv4Packet(Address("127.0.0.1"), destination, EchoMessage(8, id, seq), 64);
}

Bytes Reply(std::size_t dataSize = 0) {
    return Ipv4Packet(kTarget, Address("127.0.0.1"), EchoMessage(0, kId, kSeq, dataSize), 57);
}

Bytes RouterError(std::uint8_t type, std::uint8_t code, const Bytes& quoted) {
    return Ipv4Packet(kRouter, Address("127.0.0.1"), ErrorMessage(type, code, quoted), 250);
}

TEST(InternetChecksum, MatchesTheRfc1071Example) {
    EXPECT_EQ(InternetChecksum(Bytes{0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7}), 0x220D);
    // An odd length pads the last byte with zero.
    EXPECT_EQ(InternetChecksum(Bytes{0x00, 0x01, 0xF2}), static_cast<std::uint16_t>(~0xF201));
}

TEST(BuildEchoRequest, IsAnEightByteRequestWithValidChecksum) {
    const auto request = BuildEchoRequest(kId, kSeq);
    // 0x0800 + 0x1234 + 0xABCD = 0xC601, complemented 0x39FE.
    EXPECT_EQ(Bytes(request.begin(), request.end()),
              (Bytes{8, 0, 0x39, 0xFE, 0x12, 0x34, 0xAB, 0xCD}));
    EXPECT_EQ(InternetChecksum(request), 0);
}

// The status of every ICMP error, with the codes written out.
struct ErrorRow {
    std::uint8_t type;
    std::uint8_t code;
    std::uint32_t status;
};

const ErrorRow kErrorRows[] = {
    {3, 0, 11002},  {3, 1, 11003},    {3, 2, 11004},   {3, 3, 11005},  {3, 4, 11009},
    {3, 5, 11012},  {3, 6, 11002},    {3, 7, 11003},   {3, 8, 11003},  {3, 9, 11002},
    {3, 10, 11003}, {3, 11, 11002},   {3, 12, 11003},  {3, 13, 11003}, {3, 14, 11003},
    {3, 15, 11003}, {3, 16, 11003},   {3, 255, 11003}, {11, 0, 11013}, {11, 1, 11014},
    {11, 2, 11013}, {11, 255, 11013}, {12, 0, 11015},  {12, 2, 11015}, {4, 0, 11016},
};

TEST(IcmpStatusMap, MapsEveryIcmpError) {
    for (const ErrorRow& row : kErrorRows) {
        SCOPED_TRACE("type " + std::to_string(row.type) + " code " + std::to_string(row.code));
        EXPECT_EQ(StatusForIcmpError(row.type, row.code), row.status);
    }
}

TEST(IcmpStatusMap, EveryStatusHasAText) {
    // The status texts cover 11000-11022; a status outside would show no text.
    for (const StatusRule& rule : IcmpStatusRules()) {
        EXPECT_GT(rule.status, IcmpStatus::kBase);
        EXPECT_LE(rule.status, IcmpStatus::kLast);
    }
}

TEST(IcmpStatusMap, RedirectsAndNonErrorsEndNoProbe) {
    EXPECT_EQ(StatusForIcmpError(5, 1), std::nullopt);  // redirect
    EXPECT_EQ(StatusForIcmpError(0, 0), std::nullopt);  // echo reply
    EXPECT_EQ(StatusForIcmpError(8, 0), std::nullopt);  // echo request
    EXPECT_EQ(StatusForIcmpError(13, 0), std::nullopt); // timestamp
}

TEST(IcmpStatusMap, MapsSendErrors) {
    EXPECT_EQ(StatusForSendError(ENETUNREACH), 11002u);
    EXPECT_EQ(StatusForSendError(EHOSTUNREACH), 11003u);
    EXPECT_EQ(StatusForSendError(EMSGSIZE), 11009u);
    EXPECT_EQ(StatusForSendError(EPERM), IcmpStatus::kGeneralFailure);
    EXPECT_EQ(StatusForSendError(EACCES), IcmpStatus::kGeneralFailure);
    EXPECT_EQ(StatusForSendError(0), IcmpStatus::kGeneralFailure);
}

TEST(ParseRawSocketPacket, ErrorsQuotingOurRequestMapToTheirStatus) {
    for (const ErrorRow& row : kErrorRows) {
        SCOPED_TRACE("type " + std::to_string(row.type) + " code " + std::to_string(row.code));
        const auto answer =
            ParseRawSocketPacket(RouterError(row.type, row.code, OurRequest()), false, kRawKey);
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->status, row.status);
        EXPECT_EQ(answer->source, kRouter);
        EXPECT_EQ(answer->ttl, 250);
        EXPECT_EQ(answer->dataSize, 0);
    }
}

TEST(ParsePingSocketError, ErrorsQuotingOurRequestMapToTheirStatus) {
    for (const ErrorRow& row : kErrorRows) {
        SCOPED_TRACE("type " + std::to_string(row.type) + " code " + std::to_string(row.code));
        const auto answer =
            ParsePingSocketError(ExtendedError(SO_EE_ORIGIN_ICMP, row.type, row.code, kRouter),
                                 EchoMessage(8, 0x7777, kSeq), kTarget, 250, kPingKey);
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->status, row.status);
        EXPECT_EQ(answer->source, kRouter);
        EXPECT_EQ(answer->ttl, 250);
    }
}

struct PacketCase {
    const char* name;
    Bytes packet;
    bool truncated;
    std::optional<std::uint32_t> status; // std::nullopt: not an answer, keep waiting
    std::uint16_t dataSize = 0;
};

Bytes WithByte(Bytes bytes, std::size_t index, int value) {
    bytes[index] = static_cast<std::uint8_t>(value);
    return bytes;
}

Bytes Resized(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes Appended(Bytes bytes, std::size_t count) {
    bytes.insert(bytes.end(), count, 0xEE);
    return bytes;
}

TEST(ParseRawSocketPacket, CraftedPackets) {
    const Bytes reply = Reply();
    const std::uint8_t kUdp = 17;
    const PacketCase cases[] = {
        {"echo reply", reply, false, 0},
        {"echo reply with data", Reply(16), false, 0, 16},
        {"echo reply with odd data size", Reply(3), false, 0, 3},
        {"echo reply with IP options",
         Ipv4Packet(kTarget, Address("127.0.0.1"), EchoMessage(0, kId, kSeq), 57, 1, 2), false, 0},
        {"bytes behind the IP total length", Appended(reply, 6), false, 0},
        {"wrong sequence", Ipv4Packet(kTarget, 0, EchoMessage(0, kId, kSeq + 1)), false,
         std::nullopt},
        {"sequence byte-swapped", Ipv4Packet(kTarget, 0, EchoMessage(0, kId, 0xCDAB)), false,
         std::nullopt},
        {"wrong identifier", Ipv4Packet(kTarget, 0, EchoMessage(0, kId + 1, kSeq)), false,
         std::nullopt},
        {"reply from another host", Ipv4Packet(kElsewhere, 0, EchoMessage(0, kId, kSeq)), false,
         std::nullopt},
        {"bad checksum", WithByte(reply, 20 + 2, reply[22] ^ 0x40), false, std::nullopt},
        {"corrupt data byte", WithByte(Reply(4), 29, 0x00), false, std::nullopt},
        {"our own request looped back",
         Ipv4Packet(Address("127.0.0.1"), kTarget, EchoMessage(8, kId, kSeq)), false, std::nullopt},
        {"request from the destination itself", Ipv4Packet(kTarget, 0, EchoMessage(8, kId, kSeq)),
         false, std::nullopt},
        {"truncated by the kernel", reply, true, IcmpStatus::kTruncatedReply},
        {"total length beyond the bytes read", Resized(Reply(16), 30), false,
         IcmpStatus::kTruncatedReply, 2},
        {"truncated reply to another probe", Ipv4Packet(kTarget, 0, EchoMessage(0, kId, 1)), true,
         std::nullopt},
        {"empty", Bytes{}, false, std::nullopt},
        {"shorter than an IP header", Resized(reply, 19), false, std::nullopt},
        {"IP header only", Resized(reply, 20), false, std::nullopt},
        {"ICMP header cut", Resized(reply, 27), true, std::nullopt},
        {"IHL below 5", WithByte(reply, 0, 0x44), false, std::nullopt},
        {"IHL 0", WithByte(reply, 0, 0x40), false, std::nullopt},
        {"IHL beyond the packet", WithByte(reply, 0, 0x4F), false, std::nullopt},
        {"IP version 6", WithByte(reply, 0, 0x65), false, std::nullopt},
        {"not ICMP", Ipv4Packet(kTarget, 0, EchoMessage(0, kId, kSeq), 64, kUdp), false,
         std::nullopt},
        {"total length below the headers", WithByte(WithByte(reply, 2, 0), 3, 27), false,
         std::nullopt},
    };
    for (const PacketCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto answer = ParseRawSocketPacket(c.packet, c.truncated, kRawKey);
        ASSERT_EQ(answer.has_value(), c.status.has_value());
        if (answer) {
            EXPECT_EQ(answer->status, *c.status);
            EXPECT_EQ(answer->dataSize, c.dataSize);
            EXPECT_EQ(answer->source, kTarget);
        }
    }
    const auto answer = ParseRawSocketPacket(reply, false, kRawKey);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->ttl, 57);
}

TEST(ParseRawSocketPacket, ErrorsNotQuotingOurRequestAreIgnored) {
    const Bytes request = OurRequest();
    const Bytes quotedWithOptions = Ipv4Packet(Address("127.0.0.1"), kTarget,
                                               EchoMessage(8, kId, kSeq), 64, kIpProtocolIcmp, 1);
    Bytes badChecksum = RouterError(3, 1, request);
    badChecksum[20 + 3] ^= 0x01;
    const PacketCase cases[] = {
        {"quote with IP options", RouterError(3, 1, quotedWithOptions), false, 11003},
        {"quote with more than 8 bytes", RouterError(3, 1, Appended(request, 20)), false, 11003},
        {"other identifier", RouterError(3, 1, OurRequest(kTarget, kId ^ 0x0100)), false,
         std::nullopt},
        {"other sequence", RouterError(3, 1, OurRequest(kTarget, kId, kSeq - 1)), false,
         std::nullopt},
        {"other destination", RouterError(3, 1, OurRequest(kElsewhere)), false, std::nullopt},
        {"quoted echo reply",
         RouterError(3, 1, Ipv4Packet(Address("127.0.0.1"), kTarget, EchoMessage(0, kId, kSeq))),
         false, std::nullopt},
        {"quoted UDP",
         RouterError(3, 3,
                     Ipv4Packet(Address("127.0.0.1"), kTarget, EchoMessage(8, kId, kSeq), 64, 17)),
         false, std::nullopt},
        {"quote cut inside the ICMP header", RouterError(3, 1, Resized(request, 27)), false,
         std::nullopt},
        {"quote without ICMP header", RouterError(3, 1, Resized(request, 20)), false, std::nullopt},
        {"quoted IHL below 5", RouterError(3, 1, WithByte(request, 0, 0x43)), false, std::nullopt},
        {"quoted IHL beyond the quote", RouterError(3, 1, WithByte(request, 0, 0x4F)), false,
         std::nullopt},
        {"bad checksum", badChecksum, false, std::nullopt},
        {"error cut by the kernel", RouterError(3, 1, request), true, std::nullopt},
        {"redirect", RouterError(5, 1, request), false, std::nullopt},
    };
    for (const PacketCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto answer = ParseRawSocketPacket(c.packet, c.truncated, kRawKey);
        ASSERT_EQ(answer.has_value(), c.status.has_value());
        if (answer) {
            EXPECT_EQ(answer->status, *c.status);
        }
    }
}

TEST(ParsePingSocketReply, CraftedDatagrams) {
    const Bytes reply = EchoMessage(0, kId, kSeq);
    struct DatagramCase {
        const char* name;
        Bytes datagram;
        std::uint32_t source;
        bool truncated;
        std::optional<std::uint32_t> status;
        std::uint16_t dataSize = 0;
    };
    const DatagramCase cases[] = {
        {"echo reply", reply, kTarget, false, 0},
        {"echo reply with data", EchoMessage(0, kId, kSeq, 56), kTarget, false, 0, 56},
        // The kernel owns the identifier of a ping socket and delivers only its own.
        {"identifier chosen by the kernel", EchoMessage(0, 0x0BEE, kSeq), kTarget, false, 0},
        {"wrong sequence", EchoMessage(0, kId, kSeq + 1), kTarget, false, std::nullopt},
        {"reply from another host", reply, kElsewhere, false, std::nullopt},
        {"bad checksum", WithByte(reply, 3, reply[3] ^ 0x10), kTarget, false, std::nullopt},
        {"echo request", EchoMessage(8, kId, kSeq), kTarget, false, std::nullopt},
        {"truncated", EchoMessage(0, kId, kSeq, 8), kTarget, true, IcmpStatus::kTruncatedReply, 8},
        {"seven bytes", Resized(reply, 7), kTarget, true, std::nullopt},
        {"empty", Bytes{}, kTarget, false, std::nullopt},
    };
    for (const DatagramCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto answer = ParsePingSocketReply(c.datagram, c.source, 61, c.truncated, kPingKey);
        ASSERT_EQ(answer.has_value(), c.status.has_value());
        if (answer) {
            EXPECT_EQ(answer->status, *c.status);
            EXPECT_EQ(answer->dataSize, c.dataSize);
            EXPECT_EQ(answer->ttl, 61);
        }
    }
}

TEST(ParsePingSocketError, EntriesNotAboutOurRequestAreIgnored) {
    const Bytes quote = EchoMessage(8, kId, kSeq);
    const Bytes icmpError = ExtendedError(SO_EE_ORIGIN_ICMP, 3, 1, kRouter);
    EXPECT_TRUE(ParsePingSocketError(icmpError, quote, kTarget, 0, kPingKey));
    // Local errors accompany a failing sendto and quote nothing.
    EXPECT_FALSE(ParsePingSocketError(ExtendedError(SO_EE_ORIGIN_LOCAL, 0, 0, 0), quote, kTarget, 0,
                                      kPingKey));
    EXPECT_FALSE(
        ParsePingSocketError(icmpError, EchoMessage(8, kId, kSeq - 1), kTarget, 0, kPingKey));
    EXPECT_FALSE(ParsePingSocketError(icmpError, EchoMessage(0, kId, kSeq), kTarget, 0, kPingKey));
    EXPECT_FALSE(ParsePingSocketError(icmpError, quote, kElsewhere, 0, kPingKey));
    EXPECT_FALSE(ParsePingSocketError(icmpError, Resized(quote, 7), kTarget, 0, kPingKey));
    EXPECT_FALSE(
        ParsePingSocketError(Resized(icmpError, 8), quote, kTarget, 0, kPingKey)); // record cut
    EXPECT_FALSE(ParsePingSocketError(ExtendedError(SO_EE_ORIGIN_ICMP, 5, 1, kRouter), quote,
                                      kTarget, 0, kPingKey)); // redirect
    // Without the offender address the error still counts; its sender is unknown.
    const auto noOffender = ParsePingSocketError(
        ExtendedError(SO_EE_ORIGIN_ICMP, 11, 0, kRouter, false), quote, kTarget, 0, kPingKey);
    ASSERT_TRUE(noOffender.has_value());
    EXPECT_EQ(noOffender->status, 11013u);
    EXPECT_EQ(noOffender->source, 0u);
}

} // namespace
} // namespace lumet::test

#include "tests/support/ResponderPackets.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <span>
#include <vector>

namespace lumet::test {
namespace {

constexpr std::uint32_t kProber = Ipv4Address(10, 200, 0, 1);
constexpr std::uint32_t kHost = Ipv4Address(198, 51, 100, 7);
constexpr std::uint32_t kRouter = Ipv4Address(10, 200, 0, 254);

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

std::uint32_t Address(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t address = 0;
    std::memcpy(&address, bytes.data() + at, sizeof address);
    return address;
}

// What the kernel puts into the TUN device for a bare echo request.
std::vector<std::uint8_t> RequestDatagram(std::size_t dataSize = 0) {
    std::vector<std::uint8_t> datagram(28 + dataSize, 0);
    datagram[0] = 0x45;
    datagram[2] = static_cast<std::uint8_t>(datagram.size() >> 8);
    datagram[3] = static_cast<std::uint8_t>(datagram.size());
    datagram[8] = 64;
    datagram[9] = 1;
    std::memcpy(&datagram[12], &kProber, 4);
    std::memcpy(&datagram[16], &kHost, 4);
    const std::uint16_t ipChecksum = InternetChecksum(std::span(datagram).first(20));
    datagram[10] = static_cast<std::uint8_t>(ipChecksum >> 8);
    datagram[11] = static_cast<std::uint8_t>(ipChecksum);
    datagram[20] = 8;
    datagram[24] = 0x12; // identifier 0x1234
    datagram[25] = 0x34;
    datagram[26] = 0x00; // sequence 7
    datagram[27] = 0x07;
    for (std::size_t i = 0; i < dataSize; ++i) {
        datagram[28 + i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    const std::uint16_t icmpChecksum = InternetChecksum(std::span(datagram).subspan(20));
    datagram[22] = static_cast<std::uint8_t>(icmpChecksum >> 8);
    datagram[23] = static_cast<std::uint8_t>(icmpChecksum);
    return datagram;
}

EchoRequest Request(std::size_t dataSize = 0) {
    return ParseEchoRequest(RequestDatagram(dataSize)).value();
}

bool HeaderSumsToZero(const std::vector<std::uint8_t>& datagram) {
    return InternetChecksum(std::span(datagram).first(20)) == 0;
}

bool IcmpSumsToZero(const std::vector<std::uint8_t>& datagram) {
    return InternetChecksum(std::span(datagram).subspan(20)) == 0;
}

TEST(ResponderPacketsTest, AddressesAreInNetworkByteOrder) {
    EXPECT_EQ(Ipv4Address(198, 51, 100, 7), inet_addr("198.51.100.7"));
    EXPECT_EQ(Ipv4Address(127, 0, 0, 1), htonl(INADDR_LOOPBACK));
}

TEST(ResponderPacketsTest, ChecksumOfAnOddLengthPadsWithZero) {
    const std::vector<std::uint8_t> odd = {0x01, 0x02, 0x03};
    EXPECT_EQ(InternetChecksum(odd), static_cast<std::uint16_t>(~(0x0102 + 0x0300)));
}

TEST(ResponderPacketsTest, ParsesAnEchoRequest) {
    const EchoRequest request = Request(3);

    EXPECT_EQ(request.source, kProber);
    EXPECT_EQ(request.destination, kHost);
    EXPECT_EQ(request.identifier, 0x1234);
    EXPECT_EQ(request.sequence, 7);
    EXPECT_EQ(request.ttl, 64);
    EXPECT_EQ(request.ipHeaderLength, 20u);
    EXPECT_EQ(request.dataSize, 3u);
    EXPECT_TRUE(request.checksumValid);
}

TEST(ResponderPacketsTest, IgnoresWhatIsNoEchoRequest) {
    auto reply = RequestDatagram();
    reply[20] = 0;
    auto udp = RequestDatagram();
    udp[9] = 17;
    auto ipv6 = RequestDatagram();
    ipv6[0] = 0x60;
    auto cut = RequestDatagram();
    cut.resize(24);

    EXPECT_FALSE(ParseEchoRequest(reply));
    EXPECT_FALSE(ParseEchoRequest(udp));
    EXPECT_FALSE(ParseEchoRequest(ipv6));
    EXPECT_FALSE(ParseEchoRequest(cut));
}

TEST(ResponderPacketsTest, ReplyGoesBackWithTheRequestsIdentityAndData) {
    const auto reply = BuildResponse(Request(3), EchoResponse::Reply().WithTtl(33));

    ASSERT_EQ(reply.size(), 31u);
    EXPECT_EQ(Word(reply, 2), 31);
    EXPECT_EQ(reply[8], 33);
    EXPECT_EQ(Address(reply, 12), kHost);
    EXPECT_EQ(Address(reply, 16), kProber);
    EXPECT_EQ(reply[20], 0);
    EXPECT_EQ(Word(reply, 24), 0x1234);
    EXPECT_EQ(Word(reply, 26), 7);
    EXPECT_EQ(reply[28], 0xA0);
    EXPECT_EQ(reply[30], 0xA2);
    EXPECT_TRUE(HeaderSumsToZero(reply));
    EXPECT_TRUE(IcmpSumsToZero(reply));
}

TEST(ResponderPacketsTest, ReplyCarriesTheScriptedDataSize) {
    const auto reply = BuildResponse(Request(3), EchoResponse::Reply().WithData(100));

    EXPECT_EQ(reply.size(), 128u);
    EXPECT_TRUE(IcmpSumsToZero(reply));
}

TEST(ResponderPacketsTest, TamperedRepliesDifferInExactlyOnePlace) {
    const EchoRequest request = Request();
    const auto badChecksum =
        BuildResponse(request, EchoResponse::Reply().Tampered(EchoResponse::Tamper::Checksum));
    const auto otherIdentifier =
        BuildResponse(request, EchoResponse::Reply().Tampered(EchoResponse::Tamper::Identifier));
    const auto otherSequence =
        BuildResponse(request, EchoResponse::Reply().Tampered(EchoResponse::Tamper::Sequence));

    EXPECT_FALSE(IcmpSumsToZero(badChecksum));
    EXPECT_EQ(Word(badChecksum, 24), 0x1234);
    EXPECT_TRUE(IcmpSumsToZero(otherIdentifier));
    EXPECT_NE(Word(otherIdentifier, 24), 0x1234);
    EXPECT_EQ(Word(otherIdentifier, 26), 7);
    EXPECT_TRUE(IcmpSumsToZero(otherSequence));
    EXPECT_EQ(Word(otherSequence, 24), 0x1234);
    EXPECT_NE(Word(otherSequence, 26), 7);
}

TEST(ResponderPacketsTest, ErrorQuotesTheRequestsHeaderAndFirstEightBytes) {
    const auto request = RequestDatagram(3);
    const auto error =
        BuildResponse(ParseEchoRequest(request).value(),
                      EchoResponse::Error(3, 4).WithWord(576).From(kRouter).WithTtl(250));

    ASSERT_EQ(error.size(), 20u + 8u + 28u);
    EXPECT_EQ(error[8], 250);
    EXPECT_EQ(Address(error, 12), kRouter);
    EXPECT_EQ(Address(error, 16), kProber);
    EXPECT_EQ(error[20], 3);
    EXPECT_EQ(error[21], 4);
    EXPECT_EQ(Word(error, 24), 0);
    EXPECT_EQ(Word(error, 26), 576);
    EXPECT_TRUE(std::equal(request.begin(), request.begin() + 28, error.begin() + 28));
    EXPECT_TRUE(HeaderSumsToZero(error));
    EXPECT_TRUE(IcmpSumsToZero(error));
}

TEST(ResponderPacketsTest, ErrorComesFromTheProbedHostUnlessTold) {
    const auto error = BuildResponse(Request(), EchoResponse::Error(3, 3));

    EXPECT_EQ(Address(error, 12), kHost);
}

TEST(ResponderPacketsTest, TamperedQuotesNameAnotherRequest) {
    const EchoRequest request = Request();
    const auto error = EchoResponse::Error(3, 1);
    const auto otherIdentifier =
        BuildResponse(request, error.Tampered(EchoResponse::Tamper::Identifier));
    const auto otherSequence =
        BuildResponse(request, error.Tampered(EchoResponse::Tamper::Sequence));
    const auto otherDestination =
        BuildResponse(request, error.Tampered(EchoResponse::Tamper::Destination));
    constexpr std::size_t quote = 28;

    EXPECT_NE(Word(otherIdentifier, quote + 24), 0x1234);
    EXPECT_EQ(Word(otherIdentifier, quote + 26), 7);
    EXPECT_EQ(Word(otherSequence, quote + 24), 0x1234);
    EXPECT_NE(Word(otherSequence, quote + 26), 7);
    EXPECT_NE(Address(otherDestination, quote + 16), kHost);
    EXPECT_EQ(InternetChecksum(std::span(otherDestination).subspan(quote, 20)), 0)
        << "the quoted header stays well-formed";
    for (const auto* datagram : {&otherIdentifier, &otherSequence, &otherDestination}) {
        EXPECT_TRUE(IcmpSumsToZero(*datagram));
    }
}

} // namespace
} // namespace lumet::test

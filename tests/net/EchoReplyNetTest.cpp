#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "tests/net/NetworkTest.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet::test {
namespace {

using namespace std::chrono_literals;
using Kind = LinuxIcmpEcho::SocketKind;

// Probes that expect a time-out wait this long; probes that expect an answer get
// a generous time-out instead, which costs nothing because they end at the answer.
constexpr std::uint32_t kShortTimeoutMs = 300;
constexpr std::uint32_t kLongTimeoutMs = 3000;

std::string KindName(Kind kind) {
    return kind == Kind::PingOnly ? "PingSocket" : "RawSocket";
}

class EchoReplyTest : public NetworkTest, public ::testing::WithParamInterface<Kind> {
protected:
    ProbeResult Probe(std::uint32_t address, std::uint32_t timeoutMs) {
        return echo_.Echo(address, timeoutMs);
    }

    LinuxIcmpEcho echo_{GetParam()};
};

TEST_P(EchoReplyTest, LoopbackAnswersWithTheKernelsTtlAndNoData) {
    const ProbeResult result = Probe(TestNetwork::kLoopback, kLongTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kSuccess);
    EXPECT_LT(result.roundTripMs, kLongTimeoutMs);
    EXPECT_EQ(result.ttl, 64);
    EXPECT_EQ(result.dataSize, 0);
}

TEST_P(EchoReplyTest, ReplyReportsTheTtlAndDataSizeTheHostSent) {
    struct Row {
        EchoResponse reply;
        std::uint8_t ttl;
        std::uint16_t dataSize;
    };
    const std::vector<Row> rows = {
        {EchoResponse::Reply(), 64, 0}, // echoes the request's data: there is none
        {EchoResponse::Reply().WithTtl(1).WithData(56), 1, 56},
        {EchoResponse::Reply().WithTtl(255).WithData(1400), 255, 1400},
        {EchoResponse::Reply().WithTtl(128).WithData(8000), 128, 8000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "ttl " << int{row.ttl} << ", " << row.dataSize << " data bytes");
        Responder().Script({row.reply});

        const ProbeResult result = Probe(TestNetwork::kHost, kLongTimeoutMs);

        EXPECT_EQ(result.status, IcmpStatus::kSuccess);
        EXPECT_LT(result.roundTripMs, kLongTimeoutMs);
        EXPECT_EQ(result.ttl, row.ttl);
        EXPECT_EQ(result.dataSize, row.dataSize);
    }
}

TEST_P(EchoReplyTest, RequestIsABareEchoWithAFreshSequenceNumberPerProbe) {
    Probe(TestNetwork::kHost, kLongTimeoutMs);
    Probe(TestNetwork::kHost, kLongTimeoutMs);

    const std::vector<EchoRequest> requests = Responder().Requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const EchoRequest& request : requests) {
        EXPECT_EQ(request.destination, TestNetwork::kHost);
        EXPECT_EQ(request.source, TestNetwork::kLocalAddress);
        EXPECT_EQ(request.ipHeaderLength, 20u) << "no IP options";
        EXPECT_EQ(request.dataSize, 0u) << "no payload";
        EXPECT_EQ(request.ttl, 64) << "the system's default TTL";
        EXPECT_TRUE(request.checksumValid);
    }
    EXPECT_NE(requests[0].sequence, requests[1].sequence);
    if (GetParam() == Kind::RawOnly) {
        EXPECT_EQ(requests[0].identifier, requests[1].identifier);
    }
}

TEST_P(EchoReplyTest, DelayedReplyTakesAtLeastTheDelay) {
    Responder().Script({EchoResponse::Reply().After(150ms)});

    const ProbeResult result = Probe(TestNetwork::kHost, kLongTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kSuccess);
    EXPECT_GE(result.roundTripMs, 150u);
    EXPECT_LT(result.roundTripMs, kLongTimeoutMs);
}

TEST_P(EchoReplyTest, SilentHostTimesOutAfterTheFullTimeOut) {
    Responder().Script({});

    const auto start = std::chrono::steady_clock::now();
    const ProbeResult result = Probe(TestNetwork::kHost, kShortTimeoutMs);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(result.status, IcmpStatus::kRequestTimedOut);
    EXPECT_EQ(result.roundTripMs, kNoRoundTrip);
    EXPECT_GE(elapsed, std::chrono::milliseconds(kShortTimeoutMs));
}

TEST_P(EchoReplyTest, ReplyAfterTheTimeOutIsTooLate) {
    Responder().Script(
        {EchoResponse::Reply().After(std::chrono::milliseconds(kShortTimeoutMs) + 200ms)});

    const ProbeResult result = Probe(TestNetwork::kHost, kShortTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kRequestTimedOut);
    EXPECT_EQ(result.roundTripMs, kNoRoundTrip);
}

TEST_P(EchoReplyTest, DuplicateReplyIsTakenOnce) {
    const auto reply = EchoResponse::Reply().WithTtl(40);
    Responder().Script({reply, reply});
    Responder().Script({});

    const ProbeResult first = Probe(TestNetwork::kHost, kLongTimeoutMs);
    const ProbeResult second = Probe(TestNetwork::kHost, kShortTimeoutMs);

    EXPECT_EQ(first.status, IcmpStatus::kSuccess);
    EXPECT_EQ(first.ttl, 40);
    EXPECT_EQ(second.status, IcmpStatus::kRequestTimedOut);
}

TEST_P(EchoReplyTest, DuplicateArrivingDuringTheNextProbeIsNotItsAnswer) {
    const auto reply = EchoResponse::Reply().WithTtl(40);
    Responder().Script({reply, reply.AtNextRequest()});
    Responder().Script({EchoResponse::Reply().WithTtl(41).After(50ms)});

    const ProbeResult first = Probe(TestNetwork::kHost, kLongTimeoutMs);
    const ProbeResult second = Probe(TestNetwork::kHost, kLongTimeoutMs);

    EXPECT_EQ(first.status, IcmpStatus::kSuccess);
    EXPECT_EQ(first.ttl, 40);
    EXPECT_EQ(second.status, IcmpStatus::kSuccess);
    EXPECT_EQ(second.ttl, 41);
    EXPECT_GE(second.roundTripMs, 50u);
}

TEST_P(EchoReplyTest, LateReplyIsNotTheNextProbesAnswer) {
    // The late reply is sent once the second request reaches the host, so it
    // lands inside the second probe.
    Responder().Script({EchoResponse::Reply().WithTtl(20).AtNextRequest()});
    Responder().Script({});

    const ProbeResult first = Probe(TestNetwork::kHost, kShortTimeoutMs);
    const ProbeResult second = Probe(TestNetwork::kHost, kShortTimeoutMs);

    EXPECT_EQ(first.status, IcmpStatus::kRequestTimedOut);
    EXPECT_EQ(second.status, IcmpStatus::kRequestTimedOut);
    EXPECT_EQ(second.roundTripMs, kNoRoundTrip);
    EXPECT_EQ(Responder().Requests().size(), 2u);
}

TEST_P(EchoReplyTest, LateReplyDoesNotHideTheNextProbesOwnReply) {
    Responder().Script({EchoResponse::Reply().WithTtl(20).AtNextRequest()});
    Responder().Script({EchoResponse::Reply().WithTtl(21).After(50ms)});

    const ProbeResult first = Probe(TestNetwork::kHost, kShortTimeoutMs);
    const ProbeResult second = Probe(TestNetwork::kHost, kLongTimeoutMs);

    EXPECT_EQ(first.status, IcmpStatus::kRequestTimedOut);
    EXPECT_EQ(second.status, IcmpStatus::kSuccess);
    EXPECT_EQ(second.ttl, 21);
    EXPECT_GE(second.roundTripMs, 50u);
}

TEST_P(EchoReplyTest, LateReplyIsNotTakenByAFreshEngineEither) {
    // A raw socket's identifier belongs to the engine object; a second engine in
    // the same process must not adopt the first one's leftovers.
    Responder().Script({EchoResponse::Reply().WithTtl(20).AtNextRequest()});
    Responder().Script({});
    Probe(TestNetwork::kHost, kShortTimeoutMs);

    LinuxIcmpEcho other(GetParam());
    const ProbeResult result = other.Echo(TestNetwork::kHost, kShortTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kRequestTimedOut);
}

TEST_P(EchoReplyTest, NoRouteIsNetUnreachableAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    const ProbeResult result = Probe(TestNetwork::kNoRouteHost, kLongTimeoutMs);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(result.status, IcmpStatus::kDestNetUnreachable);
    EXPECT_EQ(result.roundTripMs, kNoRoundTrip);
    EXPECT_LT(elapsed, std::chrono::milliseconds(kLongTimeoutMs));
}

TEST_P(EchoReplyTest, UnreachableRouteIsHostUnreachableAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    const ProbeResult result = Probe(TestNetwork::kUnreachableHost, kLongTimeoutMs);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(result.status, IcmpStatus::kDestHostUnreachable);
    EXPECT_EQ(result.roundTripMs, kNoRoundTrip);
    EXPECT_LT(elapsed, std::chrono::milliseconds(kLongTimeoutMs));
}

INSTANTIATE_TEST_SUITE_P(BothSockets, EchoReplyTest,
                         ::testing::Values(Kind::PingOnly, Kind::RawOnly),
                         [](const auto& instance) { return KindName(instance.param); });

// Messages that look like an answer but are not one: the probe must wait on.
struct ForeignCase {
    const char* name;
    EchoResponse message;
};

const ForeignCase kForeignCases[] = {
    {"ReplyWithBadChecksum", EchoResponse::Reply().Tampered(EchoResponse::Tamper::Checksum)},
    {"ReplyWithOtherIdentifier", EchoResponse::Reply().Tampered(EchoResponse::Tamper::Identifier)},
    {"ReplyWithOtherSequence", EchoResponse::Reply().Tampered(EchoResponse::Tamper::Sequence)},
    {"ErrorWithBadChecksum",
     EchoResponse::Error(3, 1).From(TestNetwork::kRouter).Tampered(EchoResponse::Tamper::Checksum)},
    {"ErrorQuotingOtherIdentifier", EchoResponse::Error(3, 1)
                                        .From(TestNetwork::kRouter)
                                        .Tampered(EchoResponse::Tamper::Identifier)},
    {"ErrorQuotingOtherSequence",
     EchoResponse::Error(3, 1).From(TestNetwork::kRouter).Tampered(EchoResponse::Tamper::Sequence)},
    {"ErrorQuotingOtherDestination", EchoResponse::Error(3, 1)
                                         .From(TestNetwork::kRouter)
                                         .Tampered(EchoResponse::Tamper::Destination)},
    // A host redirect names a better gateway; it is advice, not an answer.
    {"Redirect",
     EchoResponse::Error(5, 1).From(TestNetwork::kRouter).WithWord(0x0AC800FE)}, // 10.200.0.254
};

class ForeignMessageTest : public NetworkTest,
                           public ::testing::WithParamInterface<std::tuple<Kind, ForeignCase>> {
protected:
    LinuxIcmpEcho echo_{std::get<0>(GetParam())};
    const EchoResponse foreign_ = std::get<1>(GetParam()).message.WithTtl(30);
};

TEST_P(ForeignMessageTest, AloneItLeavesTheProbeToTimeOut) {
    Responder().Script({foreign_});

    const ProbeResult result = echo_.Echo(TestNetwork::kHost, kShortTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kRequestTimedOut);
    EXPECT_EQ(result.roundTripMs, kNoRoundTrip);
}

TEST_P(ForeignMessageTest, TheRealReplyAfterItIsTaken) {
    Responder().Script({foreign_, EchoResponse::Reply().WithTtl(31).After(50ms)});

    const ProbeResult result = echo_.Echo(TestNetwork::kHost, kLongTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kSuccess);
    EXPECT_EQ(result.ttl, 31);
    EXPECT_GE(result.roundTripMs, 50u);
}

INSTANTIATE_TEST_SUITE_P(BothSockets, ForeignMessageTest,
                         ::testing::Combine(::testing::Values(Kind::PingOnly, Kind::RawOnly),
                                            ::testing::ValuesIn(kForeignCases)),
                         [](const auto& instance) {
                             return KindName(std::get<0>(instance.param)) + "_" +
                                    std::get<1>(instance.param).name;
                         });

// Which socket the engine may open depends on net.ipv4.ping_group_range.
class SocketChoiceTest : public NetworkTest, public ::testing::WithParamInterface<bool> {
protected:
    TestNetwork::Options NetworkOptions() const override { return {.pingSockets = GetParam()}; }
};

TEST_P(SocketChoiceTest, AutomaticGetsAnAnswerEitherWay) {
    LinuxIcmpEcho echo(Kind::Automatic);

    const ProbeResult result = echo.Echo(TestNetwork::kHost, kLongTimeoutMs);

    EXPECT_EQ(result.status, IcmpStatus::kSuccess);
    EXPECT_EQ(Responder().Requests().size(), 1u);
}

TEST_P(SocketChoiceTest, PingOnlyNeedsThePingGroupRange) {
    LinuxIcmpEcho echo(Kind::PingOnly);

    const ProbeResult result = echo.Echo(TestNetwork::kHost, kLongTimeoutMs);

    if (GetParam()) {
        EXPECT_EQ(result.status, IcmpStatus::kSuccess);
    } else {
        EXPECT_EQ(result.status, IcmpStatus::kNoIcmpSocket);
        EXPECT_EQ(result.roundTripMs, kNoRoundTrip);
        EXPECT_TRUE(Responder().Requests().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(PingGroupRange, SocketChoiceTest, ::testing::Bool(),
                         [](const auto& instance) {
                             return std::string(instance.param ? "AllGroups" : "NoGroup");
                         });

} // namespace
} // namespace lumet::test

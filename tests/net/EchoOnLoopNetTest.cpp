#include "platform/clock/SystemClock.h"
#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "tests/net/NetworkTest.h"
#include "tools/lumet-cli/ConsoleEventLoop.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// The echo as the programs run it: sent, then answered through the event loop while
// the loop stays free for everything else.

namespace lumet::test {
namespace {

using namespace std::chrono_literals;
using Kind = LinuxIcmpEcho::SocketKind;

class EchoOnLoopTest : public NetworkTest, public ::testing::WithParamInterface<Kind> {
protected:
    // Starts a probe and runs the loop until it is answered; `ticks` counts the
    // 10 ms timer ticks the loop delivered meanwhile.
    ProbeResult Probe(std::uint32_t address, std::uint32_t timeoutMs) {
        std::optional<ProbeResult> answer;
        echo_.Start(address, timeoutMs, [&answer](const ProbeResult& result) { answer = result; });
        loop_.SetTimer(1, 10);
        loop_.RunWhile([&answer] { return !answer; });
        loop_.KillTimer(1);
        return *answer;
    }

    SystemClock clock_;
    cli::ConsoleEventLoop loop_{clock_};
    LinuxIcmpEcho echo_{GetParam(), &loop_};
    int ticks_ = 0;

    void SetUp() override {
        NetworkTest::SetUp();
        loop_.OnTick([this](int) { ++ticks_; });
    }
};

TEST_P(EchoOnLoopTest, AnswersArriveThroughTheLoopWhileItKeepsTicking) {
    struct Row {
        const char* fault;
        EchoResponse response;
        std::uint32_t status;
        std::uint32_t atLeastMs;
    };
    const std::vector<Row> rows = {
        {"a delayed reply is lost or mistimed", EchoResponse::Reply().After(150ms).WithTtl(33),
         IcmpStatus::kSuccess, 150},
        {"an ICMP error is not read from the loop",
         EchoResponse::Error(3, 1).From(TestNetwork::kRouter).After(100ms),
         IcmpStatus::kDestHostUnreachable, 100},
        {"a foreign reply ends the wait",
         EchoResponse::Reply().Tampered(EchoResponse::Tamper::Sequence),
         IcmpStatus::kRequestTimedOut, 400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        Responder().Script({row.response});
        ticks_ = 0;

        const ProbeResult result = Probe(TestNetwork::kHost, 400);

        EXPECT_EQ(result.status, row.status);
        if (row.status != IcmpStatus::kRequestTimedOut) {
            EXPECT_GE(result.roundTripMs, row.atLeastMs);
            EXPECT_LT(result.roundTripMs, 400u);
        }
        // The loop went on meanwhile: a thread held by the wait would deliver at
        // most one collapsed tick.
        EXPECT_GE(ticks_, static_cast<int>(row.atLeastMs / 10 / 2));
    }
}

TEST_P(EchoOnLoopTest, ACancelledProbeNeverAnswersAndItsLateReplyMatchesNothing) {
    Responder().Script({EchoResponse::Reply().After(200ms).WithTtl(20)});
    Responder().Script({EchoResponse::Reply().After(300ms).WithTtl(21)});
    bool cancelledAnswered = false;
    echo_.Start(TestNetwork::kHost, 1000, [&](const ProbeResult&) { cancelledAnswered = true; });
    loop_.SetTimer(1, 50);
    loop_.RunWhile([this] { return ticks_ < 1; });
    echo_.Cancel();

    const ProbeResult next = Probe(TestNetwork::kHost, 1000);

    EXPECT_FALSE(cancelledAnswered);
    EXPECT_EQ(next.status, IcmpStatus::kSuccess);
    EXPECT_EQ(next.ttl, 21) << "the cancelled probe's late reply was taken";
    EXPECT_GE(next.roundTripMs, 300u);
}

TEST_P(EchoOnLoopTest, AProbeThatCannotBeSentAnswersFromTheLoopToo) {
    bool answeredInStart = true;
    std::optional<ProbeResult> answer;
    echo_.Start(TestNetwork::kNoRouteHost, 1000,
                [&](const ProbeResult& result) { answer = result; });
    answeredInStart = answer.has_value();
    loop_.RunWhile([&answer] { return !answer; });

    EXPECT_FALSE(answeredInStart);
    EXPECT_EQ(answer->status, IcmpStatus::kDestNetUnreachable);
}

INSTANTIATE_TEST_SUITE_P(BothSockets, EchoOnLoopTest,
                         ::testing::Values(Kind::PingOnly, Kind::RawOnly),
                         [](const auto& instance) {
                             return instance.param == Kind::PingOnly ? "PingSocket" : "RawSocket";
                         });

} // namespace
} // namespace lumet::test

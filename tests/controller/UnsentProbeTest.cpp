#include "platform/icmp/IcmpStatus.h"
#include "tests/controller/ControllerFixture.h"

// A probe the host could not send (no ICMP socket would open) measured nothing:
// the test ends with what it measured, and the user is told once how to allow ICMP.

namespace lumet::test {
namespace {

const ProbeResult kReply{12, IcmpStatus::kSuccess, 64, 32};
const ProbeResult kTimedOut{kNoRoundTrip, IcmpStatus::kRequestTimedOut, 0, 0};
const ProbeResult kNotSent{kNoRoundTrip, IcmpStatus::kNoIcmpSocket, 0, 0};

enum class Mode { Run, StayAlive };

struct UnsentRow {
    const char* fault;
    Mode mode;
    std::vector<ProbeResult> answers; // then kNotSent for every further probe
    int counted;                      // probes the test keeps
    int errors;
    std::size_t requests; // probes that were attempted at all
    std::size_t warnings;
};

class UnsentProbe : public ControllerTest, public testing::WithParamInterface<UnsentRow> {};

TEST_P(UnsentProbe, EndsTheTestWithoutCountingIt) {
    const UnsentRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    echo.queued.assign(row.answers.begin(), row.answers.end());
    echo.fallback = kNotSent;
    settings.PingCount = 5;
    if (row.mode == Mode::Run) {
        controller.OnRun();
    } else {
        controller.OnStayAlive();
    }

    timers.RunFor(10 * 60 * 1000);

    EXPECT_EQ(controller.probeCount(), row.counted);
    EXPECT_EQ(controller.errorCount(), row.errors);
    EXPECT_EQ(echo.requests.size(), row.requests);
    EXPECT_FALSE(timers.IsRunning(TestController::kProbeTimerId));
    EXPECT_EQ(controller.testState(), TestState::Idle);
    // A report rates the probes that went out; with none there is nothing to offer.
    EXPECT_EQ(view.IsControlEnabled(ControlId::Report), row.counted > 0);
    EXPECT_EQ(view.told.size(), row.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerTest, UnsentProbe,
    testing::Values(
        UnsentRow{"the first probe counted as sent and rated UNUSABLE", Mode::Run, {}, 0, 0, 1, 1},
        UnsentRow{"the replies before the failure lost, or the test probing on",
                  Mode::Run,
                  {kReply, kReply},
                  2,
                  0,
                  3,
                  1},
        UnsentRow{"a stay-alive test warning on every tick for hours",
                  Mode::StayAlive,
                  {kReply},
                  1,
                  0,
                  2,
                  1},
        UnsentRow{"a time-out taken for an unsent probe: it is a measured loss",
                  Mode::Run,
                  {kTimedOut, kReply, kTimedOut, kReply, kReply},
                  5,
                  2,
                  5,
                  0}));

TEST_F(ControllerTest, TheIcmpWarningComesOncePerTest) {
    echo.fallback = kNotSent;
    for (int test = 1; test <= 2; ++test) {
        controller.OnRun();
        timers.RunFor(60 * 1000);
        // Not on every probe of the test, and again for the next test.
        EXPECT_EQ(view.told, std::vector<std::string>(test, "warn icmp not permitted"));
    }
}

} // namespace
} // namespace lumet::test

#include "tests/controller/ControllerFixture.h"

#include <functional>
#include <gmock/gmock.h>

namespace lumet::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using Call = FakeTimers::Call;

const std::vector<std::string> kPreamble = {"lamp REP idle", "close about", "close report"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(ControllerTest, RunOf32ProbesTicksEveryThirdOfASecondAndEndsOneTickAfterTheLast) {
    controller.OnRun();
    EXPECT_EQ(timers.calls.back(), (Call{true, 1, 333, 0}));

    constexpr std::uint32_t kLastProbeMs = 333 + 31 * 999;
    constexpr std::uint32_t kEndMs = kLastProbeMs + 333;
    timers.RunFor(kEndMs);

    const std::vector<std::uint32_t> probeTimes = ProbeSendTimes();
    ASSERT_EQ(probeTimes.size(), 32u);
    for (std::size_t i = 0; i < probeTimes.size(); ++i) {
        EXPECT_EQ(probeTimes[i], 333 + 999 * i) << "probe " << i;
    }
    EXPECT_EQ(ticks.size(), 95u);
    EXPECT_EQ(echo.requests.size(), 32u);
    EXPECT_EQ(echo.requests.front().address, 0x0100007Fu);
    EXPECT_EQ(echo.requests.front().timeoutMs, 1000u);

    EXPECT_TRUE(Called({false, 1, 0, kEndMs}));
    EXPECT_TRUE(Called({true, 2, 500, kEndMs}));
    EXPECT_FALSE(timers.IsRunning(1));
    EXPECT_EQ(controller.testState(), TestState::Idle);
    EXPECT_TRUE(view.IsControlEnabled(ControlId::Report));
    EXPECT_EQ(view.pictures.back(), StatusPicture::Ready);
    EXPECT_THAT(view.Since(view.log.size() - 3), ElementsAre("status 0", "final", "blink marker"));

    timers.RunFor(500);
    EXPECT_EQ(view.lamps[ControlId::Report], Lamp::Lit);
    EXPECT_EQ(controller.repBlinkOn(), 1);
    timers.RunFor(500);
    EXPECT_EQ(view.lamps[ControlId::Report], Lamp::Idle);
    EXPECT_EQ(controller.repBlinkOn(), 0);
}

struct EarlyStopCase {
    std::uint32_t runMs;
    int probes;
};

class EarlyStop : public ControllerTest, public testing::WithParamInterface<EarlyStopCase> {};

TEST_P(EarlyStop, DoesNotBlinkAndOffersTheReportOnlyAfterAProbe) {
    controller.OnRun();
    timers.RunFor(GetParam().runMs);
    controller.OnRun();

    EXPECT_EQ(controller.probeCount(), GetParam().probes);
    EXPECT_EQ(view.IsControlEnabled(ControlId::Report), GetParam().probes > 0);
    EXPECT_FALSE(BlinkStarted());
    EXPECT_FALSE(timers.IsRunning(1));
    EXPECT_THAT(clock.sleeps, ElementsAre(300u));
    EXPECT_EQ(controller.testState(), TestState::Idle);
    EXPECT_EQ(view.log.back(), "status 0");
}

INSTANTIATE_TEST_SUITE_P(ControllerTest, EarlyStop,
                         testing::Values(EarlyStopCase{0, 0}, EarlyStopCase{333, 1},
                                         EarlyStopCase{1332, 2}));

TEST_F(ControllerTest, ModeStartsSetTheButtonFacesInOrder) {
    controller.OnRun();
    EXPECT_THAT(view.log,
                ElementsAreArray(
                    Join(kPreamble, {"disable RND", "lamp RND lit", "enable RND", "disable RND",
                                     "disable RUN", "lamp RUN lit", "enable RUN", "disable STA",
                                     "disable REP", "disable SET", "status 1"})));
    controller.OnRun();

    const std::size_t mark = view.log.size();
    controller.OnStayAlive();
    EXPECT_THAT(view.Since(mark),
                ElementsAreArray(Join(kPreamble, {"disable STA", "lamp STA lit", "enable STA",
                                                  "disable RUN", "lamp RUN idle", "enable RUN",
                                                  "disable RND", "disable REP", "disable SET"})));
    EXPECT_EQ(timers.calls.back(), (Call{true, 1, 3333, 300}));
}

TEST_F(ControllerTest, AddressCommitResolvesThenStartsARun) {
    view.fieldText = "localhost";
    controller.OnAddressCommit();
    timers.RunFor(0); // the name's answer
    EXPECT_THAT(view.log,
                ElementsAre("resolved 127.0.0.1", "disable field", "restore", "capture",
                            "disable RND", "lamp RND lit", "enable RND", "disable RND",
                            "disable RUN", "lamp RUN lit", "enable RUN", "disable STA",
                            "disable RND", "disable REP", "disable SET", "entry mode off"));
    EXPECT_EQ(controller.testState(), TestState::Run);
    EXPECT_EQ(target.targetAddress, 0x0100007Fu);
    EXPECT_EQ(timers.calls.back(), (Call{true, 1, 333, 0}));
}

TEST_F(ControllerTest, RefusedAddressCommitLeavesTheControllerIdle) {
    view.fieldText = "nohost";
    controller.OnAddressCommit();
    timers.RunFor(0);
    EXPECT_THAT(view.log, ElementsAre("wrong address"));
    EXPECT_TRUE(timers.calls.empty());
    EXPECT_EQ(controller.testState(), TestState::Idle);
    EXPECT_EQ(target.addressText, "nohost");
}

TEST_F(ControllerTest, RunAndStayAliveRefuseAnAddressThatDoesNotParse) {
    // A hand-edited profile can leave such a text in the field; it must not be probed
    // as the broadcast address.
    const std::function<void(TestController&)> starts[] = {
        [](TestController& c) { c.OnRun(); },
        [](TestController& c) { c.OnStayAlive(); },
    };
    for (const auto& start : starts) {
        view.log.clear();
        target.addressText = "10.1.2.256";
        start(controller);
        timers.RunFor(1000);
        EXPECT_THAT(view.log, testing::Contains("wrong address"));
        EXPECT_TRUE(echo.requests.empty());
        EXPECT_EQ(controller.testState(), TestState::Idle);
    }
}

TEST_F(ControllerTest, TestStartRecordsTheTargetAndTheStartTime) {
    view.fieldText = "localhost";
    controller.OnAddressCommit();
    timers.RunFor(0);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.1");
    EXPECT_EQ(settings.LastDNAddr, "localhost");
    EXPECT_EQ(controller.testStartUtc(), "Wed Jan 02 02:03:55 1980\n");
    EXPECT_EQ(controller.testStartLocal().size(), 25u);

    controller.OnRun();
    clock.Advance(10000);
    target.addressText = "127.0.0.2";
    target.domainName.clear();
    controller.OnRun();
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.2");
    EXPECT_EQ(settings.LastDNAddr, "");
    EXPECT_EQ(target.targetAddress, 0x0200007Fu);
    EXPECT_EQ(controller.testStartUtc(), "Wed Jan 02 02:04:05 1980\n");
}

struct RttCase {
    ProbeResult result;
    std::uint32_t shownRtt;
    int errors;
    std::uint32_t entry;
};

class ProbeOutcome : public ControllerTest, public testing::WithParamInterface<RttCase> {};

TEST_P(ProbeOutcome, IsClampedCountedAndStored) {
    echo.queued.push_back(GetParam().result);
    controller.OnRun();
    timers.RunFor(333);
    EXPECT_EQ(controller.rawRtt(), GetParam().result.roundTripMs);
    EXPECT_EQ(controller.shownRtt(), GetParam().shownRtt);
    EXPECT_EQ(controller.lastStatus(), GetParam().result.status);
    EXPECT_EQ(controller.errorCount(), GetParam().errors);
    EXPECT_EQ(history[SampleHistory::kLength - 1], GetParam().entry);
    EXPECT_EQ(view.lamps[ControlId::Run], Lamp::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerTest, ProbeOutcome,
    testing::Values(RttCase{{1001, 0, 64, 0}, 999, 0, 999},
                    RttCase{{1000, 0, 64, 0}, 1000, 0, 1000}, RttCase{{20, 0, 64, 0}, 20, 0, 20},
                    RttCase{{kNoRoundTrip, 11010, 0, 0}, 999, 1, 65535 + 999}));

TEST_F(ControllerTest, TickPhaseCarriesOverAndTheTitleCountsProbes) {
    controller.OnRun();
    timers.RunFor(333);
    EXPECT_EQ(controller.tickPhase(), 1);
    EXPECT_EQ(view.shownProbeCount, 1);
    controller.OnRun();

    controller.OnRun();
    timers.RunFor(333);
    EXPECT_EQ(controller.tickPhase(), 2);
    EXPECT_EQ(controller.probeCount(), 0);
    EXPECT_EQ(view.shownProbeCount, 0);
    timers.RunFor(666);
    EXPECT_EQ(controller.tickPhase(), 1);
    EXPECT_EQ(controller.probeCount(), 1);
    EXPECT_EQ(echo.requests.size(), 2u);
}

TEST_F(ControllerTest, StayAliveNeverEndsByItself) {
    controller.OnStayAlive();
    timers.RunFor(40 * 9999);
    EXPECT_EQ(controller.probeCount(), 40);
    EXPECT_EQ(controller.testState(), TestState::StayAlive);
    EXPECT_TRUE(timers.IsRunning(1));

    const std::size_t mark = view.log.size();
    controller.OnStayAlive();
    EXPECT_EQ(view.log.size(), mark);
}

TEST_F(ControllerTest, StayAliveStoppedBeforeAnyProbeOffersNoReport) {
    controller.OnStayAlive();
    controller.OnRun();
    EXPECT_EQ(controller.plannedCount(), 32);
    EXPECT_FALSE(BlinkStarted());
    EXPECT_FALSE(view.IsControlEnabled(ControlId::Report));
}

TEST_F(ControllerTest, PlannedCountStartsPositive) {
    for (const int pingCount : {32, 1, 0, -4}) {
        PingSettings configured;
        configured.PingCount = pingCount;
        const TestController fresh(engine, targetResolver, target, history, configured, view,
                                   timers, pump, clock);
        EXPECT_EQ(fresh.plannedCount(), std::max(pingCount, 1)) << pingCount;
    }
}

TEST_F(ControllerTest, QuitStopsTheTestClosesThePanelsAndExits) {
    controller.OnRun();
    timers.RunFor(333);
    controller.OnQuit();
    EXPECT_FALSE(timers.IsRunning(1));
    EXPECT_TRUE(clock.sleeps.empty()) << "the window is going: nothing to pause for";
    EXPECT_THAT(view.Since(view.log.size() - 4),
                ElementsAre("close settings", "close about", "close report", "save and exit"));

    const std::size_t mark = view.log.size();
    controller.OnQuit();
    EXPECT_THAT(view.Since(mark),
                ElementsAre("close settings", "close about", "close report", "save and exit"));
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(ControllerTest, AddressEntryFromADisabledFieldLocksTheButtons) {
    controller.OnAddressEntry();
    EXPECT_THAT(view.log,
                ElementsAreArray(
                    Join(kPreamble, {"enable field", "disable RUN", "disable STA", "disable RND",
                                     "disable REP", "disable SET", "entry mode on", "restore",
                                     "enable field", "focus field", "field text 127.0.0.1"})));
    EXPECT_TRUE(Called({false, 1, 0, 0}));

    const std::size_t mark = view.log.size();
    controller.OnAddressEntry();
    EXPECT_THAT(view.Since(mark),
                ElementsAreArray(Join(kPreamble, {"enable field", "field text 127.0.0.1"})));
}

TEST_F(ControllerTest, AddressEntryNeedsIdleAndNoSettingsPanel) {
    view.settingsOpen = true;
    EXPECT_FALSE(controller.OnAddressEntry());
    view.settingsOpen = false;
    controller.OnStayAlive();
    const std::size_t mark = view.log.size();
    EXPECT_FALSE(controller.OnAddressEntry());
    EXPECT_EQ(view.log.size(), mark);
}

TEST_F(ControllerTest, RepBlinkStopsWithSteadyFacesAndNoRedraw) {
    controller.OnRun();
    timers.RunFor(31 * 999 + 666 + 1000);
    ASSERT_TRUE(timers.IsRunning(2));
    const std::size_t mark = view.log.size();
    controller.StopRepBlink();
    EXPECT_FALSE(timers.IsRunning(2));
    EXPECT_THAT(view.Since(mark), ElementsAre("lamp REP idle"));
}

TEST_F(ControllerTest, WaitPumpingIdlesUntilItsTimeIsUp) {
    controller.WaitPumping(1000);
    EXPECT_EQ(pump.pumps, 0);
    EXPECT_EQ(clock.nowMs, 0u);

    controller.WaitPumping(900);
    EXPECT_EQ(clock.nowMs, 100u);
    EXPECT_THAT(pump.waits, ElementsAre(100u));

    controller.OnRun();
    const std::uint32_t start = clock.nowMs;
    pump.waits.clear();
    controller.WaitPumping(0);
    EXPECT_EQ(clock.nowMs - start, 1000u);
    EXPECT_EQ(ticks.size(), 3u);
    EXPECT_EQ(pump.waits.front(), 1000u);
    EXPECT_TRUE(std::all_of(pump.waits.begin(), pump.waits.end(), [](auto w) { return w > 0; }));
}

} // namespace
} // namespace lumet::test

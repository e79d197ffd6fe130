#include "tests/controller/ControllerFixture.h"

#include <gmock/gmock.h>

// The controller while a probe or a name lookup is out: the window goes on, and the
// test's rhythm and numbers are those of a probe that held the thread for its
// whole wait.

namespace lumet::test {
namespace {

using testing::Contains;
using testing::Not;

class NetworkWaitTest : public ControllerTest {};

// Interval 1 s: a tick every 333 ms, and the first tick of the process probes. A
// wait longer than a tick stretches the cycle by the wait less one tick: the held
// ticks make one right after the answer, and the next comes a period later.
struct CadenceRow {
    const char* fault;
    std::uint32_t waitMs;
    std::vector<std::uint32_t> sends;
};

class Cadence : public NetworkWaitTest, public testing::WithParamInterface<CadenceRow> {};

TEST_P(Cadence, TicksThatFallDueDuringTheWaitCollapseIntoOneAfterTheAnswer) {
    const CadenceRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    echo.answerDelayMs = row.waitMs;
    settings.PingCount = 3;
    settings.TimeOut = 10000;
    controller.OnRun();

    timers.RunFor(row.sends.back() + row.waitMs);

    EXPECT_EQ(ProbeSendTimes(), row.sends);
    EXPECT_EQ(controller.probeCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    NetworkWaitTest, Cadence,
    testing::Values(
        CadenceRow{"an instant answer holds the next tick", 0, {333, 1332, 2331}},
        CadenceRow{"an answer within a tick shifts the rhythm", 200, {333, 1332, 2331}},
        CadenceRow{"a tick that fell due is lost or run twice", 400, {333, 1399, 2465}},
        CadenceRow{"a 5 s wait does not stretch the cycle to 5666 ms", 5000, {333, 5999, 11665}}));

TEST_F(NetworkWaitTest, TheNumbersAreThoseOfTheAnswersWhateverTheyWaited) {
    // The same answers, instant or each after a long wait: every recorded value
    // must match.
    struct Outcome {
        int probes, errors;
        std::uint32_t lastStatus, rawRtt, shownRtt, minimum, average, maximum;
        std::vector<std::uint32_t> samples;
    };
    const auto run = [this](std::uint32_t waitMs) {
        echo.queued = {
            {150, 0, 64, 0}, {kNoRoundTrip, 11010, 0, 0}, {1001, 0, 60, 0}, {1000, 0, 60, 0}};
        echo.answerDelayMs = waitMs;
        settings.PingCount = 4;
        settings.TimeOut = 10000;
        controller.OnRun();
        timers.RunFor(60000);
        const auto& slots = history.entries();
        return Outcome{controller.probeCount(),
                       controller.errorCount(),
                       controller.lastStatus(),
                       controller.rawRtt(),
                       controller.shownRtt(),
                       history.minimumRtt(),
                       history.averageRtt(),
                       history.maximumRtt(),
                       std::vector<std::uint32_t>(slots.end() - 4, slots.end())};
    };
    const Outcome instant = run(0);
    const Outcome slow = run(4000);

    EXPECT_EQ(slow.probes, 4);
    EXPECT_EQ(slow.errors, instant.errors);
    EXPECT_EQ(slow.lastStatus, instant.lastStatus);
    EXPECT_EQ(slow.rawRtt, instant.rawRtt);
    EXPECT_EQ(slow.shownRtt, 1000u);
    EXPECT_EQ(slow.minimum, instant.minimum);
    EXPECT_EQ(slow.average, instant.average);
    EXPECT_EQ(slow.maximum, instant.maximum);
    EXPECT_EQ(slow.samples, instant.samples);
    EXPECT_EQ(slow.samples[1], 65535u + 999u) << "the time-out is stored as a failed 999";
}

TEST_F(NetworkWaitTest, TheStatusLineShowsTheTestBeforeTheFirstAnswer) {
    echo.answerDelayMs = 5000;
    settings.TimeOut = 5000;
    controller.OnRun();
    const std::size_t mark = view.log.size();

    timers.RunFor(333);

    EXPECT_TRUE(engine.EchoPending());
    EXPECT_THAT(view.Since(mark), Contains("refresh"));
    EXPECT_EQ(view.shownProbeCount, 0);
    EXPECT_EQ(view.lamps[ControlId::Run], Lamp::Lit) << "RUN lights while the probe is out";
}

// Either way the probe in flight is neither counted nor drawn, nothing waits for
// its answer, and an answer after the stop changes nothing.
struct PressRow {
    const char* fault;
    void (TestController::*press)();
    const char* lastCall;
    std::uint32_t pauseMs; // the stop's pause: only a window that stays shows it
};

class PressDuringWait : public NetworkWaitTest, public testing::WithParamInterface<PressRow> {};

TEST_P(PressDuringWait, DropsTheProbeInFlightAtOnce) {
    const PressRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    echo.answerDelayMs = 5000;
    echo.queued = {{120, 0, 64, 0}, {300, 0, 64, 0}};
    settings.TimeOut = 5000;
    settings.PingCount = 4;
    controller.OnRun();
    timers.RunFor(333 + 5000 + 666 + 10); // the first answer is in, the second probe out
    ASSERT_EQ(echo.requests.size(), 2u);
    ASSERT_TRUE(engine.EchoPending());
    const std::uint32_t pressedAt = clock.nowMs;

    (controller.*row.press)();

    EXPECT_EQ(clock.nowMs - pressedAt, row.pauseMs);
    EXPECT_FALSE(engine.EchoPending());
    EXPECT_EQ(view.log.back(), row.lastCall);
    const std::size_t mark = view.log.size();
    timers.RunFor(10000);
    EXPECT_THAT(view.Since(mark), Not(Contains("refresh")));
    EXPECT_EQ(controller.probeCount(), 1);
    EXPECT_EQ(controller.shownRtt(), 120u);
    EXPECT_EQ(history.entries().back(), 120u);
    EXPECT_EQ(history.entries()[SampleHistory::kLength - 2], 0u);
    EXPECT_EQ(view.shownProbeCount, 1);
    EXPECT_EQ(echo.requests.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(NetworkWaitTest, PressDuringWait,
                         testing::Values(PressRow{"RUN waits for the answer or records it",
                                                  &TestController::OnRun, "status 0", 300},
                                         PressRow{
                                             "QT waits for the answer, the marker blink or a pause",
                                             &TestController::OnQuit, "save and exit", 0}));

TEST_F(NetworkWaitTest, QuittingNeverWaitsForTheMarkerBlink) {
    controller.OnRun();
    timers.RunFor(1000);
    controller.OnQuit();
    EXPECT_THAT(view.log, Not(Contains("blink marker")));
    EXPECT_EQ(view.log.back(), "save and exit");
}

// Enter on a host name: the run starts when the answer comes, unless the user has
// left meanwhile.
struct CommitRow {
    const char* fault;
    bool quitMeanwhile;
    bool runs;
};

class CommitDuringLookup : public NetworkWaitTest, public testing::WithParamInterface<CommitRow> {};

TEST_P(CommitDuringLookup, StartsTheRunOnlyWithTheAnswer) {
    const CommitRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    resolver.answerDelayMs = 3000;
    view.fieldText = "localhost";
    controller.OnAddressCommit();
    timers.RunFor(1000);
    EXPECT_EQ(controller.testState(), TestState::Idle);
    EXPECT_FALSE(timers.IsRunning(TestController::kProbeTimerId));
    if (row.quitMeanwhile) {
        controller.OnQuit();
    }

    timers.RunFor(2000);

    EXPECT_EQ(timers.IsRunning(TestController::kProbeTimerId), row.runs);
    EXPECT_EQ(controller.testState(), row.runs ? TestState::Run : TestState::Idle);
    EXPECT_EQ(target.targetAddress, row.runs ? 0x0100007Fu : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    NetworkWaitTest, CommitDuringLookup,
    testing::Values(CommitRow{"the run starts before the name is known", false, true},
                    CommitRow{"a quit leaves a run starting behind it", true, false}));

// The random search waits for each entry's lookup by handling events; a stop
// meanwhile ends it at once, with no notice and no test.
struct SearchRow {
    const char* fault;
    void (TestController::*press)();
};

class SearchDuringLookup : public NetworkWaitTest, public testing::WithParamInterface<SearchRow> {};

TEST_P(SearchDuringLookup, EndsAtOnceAndDropsTheAnswer) {
    const SearchRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    TempDir dir;
    controller.LoadServerList(dir.Write("random.lst", "localhost\n"));
    resolver.answerDelayMs = 5000;
    // The press comes 1 s into the lookup, which starts after the 100 ms pause.
    const auto press = timers.Watch(-1, 1100, {}, [this, &row] { (controller.*row.press)(); });

    controller.OnRandom();

    EXPECT_LE(clock.nowMs, 1100u + 300u) << "the search outlived the stop";
    EXPECT_EQ(controller.testState(), TestState::Idle);
    EXPECT_TRUE(view.told.empty());
    timers.RunFor(10000);
    EXPECT_FALSE(timers.IsRunning(TestController::kProbeTimerId));
    EXPECT_TRUE(echo.requests.empty());
    EXPECT_EQ(controller.serverList().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    NetworkWaitTest, SearchDuringLookup,
    testing::Values(SearchRow{"RUN waits for the lookup", &TestController::OnRun},
                    SearchRow{"QT waits for the lookup", &TestController::OnQuit}));

} // namespace
} // namespace lumet::test

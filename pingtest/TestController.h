#pragma once

#include "pingtest/PingSettings.h"
#include "pingtest/RandomGenerator.h"
#include "pingtest/SampleHistory.h"
#include "pingtest/ServerList.h"
#include "pingtest/TestState.h"
#include "pingtest/TestView.h"
#include "platform/clock/Clock.h"
#include "platform/events/MessagePump.h"
#include "platform/events/Timers.h"
#include "probe/ProbeEngine.h"
#include "probe/TargetResolver.h"
#include "probe/TargetStrings.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace lumet {

// The state machine behind RUN, RND, STA, QT, the address field's Enter and the
// address-entry double-click: it decides when probes go out, counts them, ends
// runs, keeps the mode buttons' lamps and asks the window to redraw on every tick.
// Everything runs on the window thread, paced by two window timers; a probe's
// answer comes back through the event loop, so the window stays alive meanwhile.
class TestController {
public:
    static constexpr int kProbeTimerId = 1;
    static constexpr int kBlinkTimerId = 2;
    static constexpr std::uint32_t kBlinkPeriodMs = 500;
    static constexpr std::uint32_t kStopPauseMs = 300;

    TestController(ProbeEngine& engine, TargetResolver& resolver, TargetStrings& target,
                   SampleHistory& history, PingSettings& settings, TestView& view, Timers& timers,
                   MessagePump& pump, Clock& clock);

    // A probe still out is abandoned: its answer must not reach a controller that
    // is gone.
    ~TestController();

    TestController(const TestController&) = delete;
    TestController& operator=(const TestController&) = delete;

    // Button and field handlers.
    void OnRun();
    void OnRandom();
    void OnStayAlive();
    void OnQuit();
    // Enter in the address field.
    void OnAddressCommit();
    // A left double-click in the window's address entry area. True when it opened
    // the address field; the window runs its default double-click handling either way.
    bool OnAddressEntry();
    // Window timer tick; ids other than the two timers above are ignored.
    void OnTimer(int id);

    void StartTest();
    void ResetTest();
    // Also abandons a probe in flight.
    void StopTest();
    // Sends the probe; its answer is recorded when it comes, and finishes the tick.
    void ProbeOnce();
    // Ends the REP blink and leaves REP with the steady RUN pictures.
    void StopRepBlink();
    // The settings and report panels end any test when they are used.
    void SetIdle() { testState_ = TestState::Idle; }

    // Reads the random server list; tells the user when it is missing or empty.
    void LoadServerList(const std::filesystem::path& path);
    // Draws hosts from the list until one resolves and starts the test with it;
    // drops every dead host, and goes back to idle when the list is used up.
    void PickRandomServer();

    // Handles every pending event, then returns.
    void PumpMessages();
    // Keeps handling events for 1000 - n ms; n > 999 returns at once.
    void WaitPumping(int n);

    TestState testState() const { return testState_; }
    // 0 before the first test tick of the process, then 1, 2, 3 (1 on the tick that
    // probes); never reset between tests.
    int tickPhase() const { return tickPhase_; }
    int repBlinkOn() const { return repBlinkOn_; }
    int cyclePeriodMs() const { return cyclePeriodMs_; }
    int plannedCount() const { return plannedCount_; }
    int probeCount() const { return probeCount_; }
    int errorCount() const { return errorCount_; }
    std::uint32_t lastStatus() const { return lastStatus_; }
    std::uint32_t rawRtt() const { return rawRtt_; }
    std::uint32_t shownRtt() const { return shownRtt_; }
    const std::string& testStartLocal() const { return testStartLocal_; }
    const std::string& testStartUtc() const { return testStartUtc_; }
    const ServerList& serverList() const { return serverList_; }
    RandomGenerator& randomGenerator() { return random_; }

private:
    void StartCommittedRun();
    // Resolves targetText with the loopback fallback, handling events until the
    // answer is in; false also when the search was superseded meanwhile.
    bool AwaitTargetResolution(const std::function<bool()>& superseded);
    void OnProbeTick();
    void OnProbeAnswered(std::uint32_t rtt);
    void OnProbeNotSent();
    // What starting RUN, RND and STA shares once each has set its own lamps: REP and
    // SET go dark, and the new test's rhythm and count are set.
    void BeginMode(int intervalSeconds, std::optional<int> plannedCount);
    void CancelProbe();
    void RefreshDisplays();
    std::uint32_t TickPeriodMs() const;
    void OnBlinkTick();
    void ClosePanels();
    // Disable, load the pictures, enable: the button redraws with its new face.
    void ChangeLamp(ControlId id, Lamp lamp);
    void Enable(ControlId id, bool enable);
    void ShowStatus(TestState state);
    void ListUsedUp();

    ProbeEngine& engine_;
    TargetResolver& resolver_;
    TargetStrings& target_;
    SampleHistory& history_;
    PingSettings& settings_;
    TestView& view_;
    Timers& timers_;
    MessagePump& pump_;
    Clock& clock_;

    ServerList serverList_;
    RandomGenerator random_;
    std::uint32_t searchSerial_ = 0;

    TestState testState_ = TestState::Idle;
    // A probe tick fell due while the probe was out.
    bool tickHeldByProbe_ = false;
    bool quitting_ = false;
    int tickPhase_ = 0;
    int repBlinkOn_ = 0;
    int cyclePeriodMs_ = 0;
    int plannedCount_;
    int probeCount_ = 0;
    int errorCount_ = 0;
    std::uint32_t lastStatus_ = 0;
    std::uint32_t rawRtt_ = 0;
    std::uint32_t shownRtt_ = 0;
    std::string testStartLocal_;
    std::string testStartUtc_;
};

} // namespace lumet

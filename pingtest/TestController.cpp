#include "pingtest/TestController.h"

#include "pingtest/StartTime.h"
#include "platform/icmp/IcmpStatus.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

namespace lumet {

namespace {

constexpr std::uint32_t kClampedRtt = 999;
constexpr std::uint32_t kMaxShownRtt = 1000;

// Window timers cannot run faster than this; a zero period read from a hand-edited
// profile would otherwise spin the processor.
constexpr std::uint32_t kMinTickPeriodMs = 10;

// Settings come from the profile unchecked, so the product may not fit an int.
int CyclePeriodMs(int intervalSeconds) {
    const long long period = static_cast<long long>(intervalSeconds) * 1000;
    return static_cast<int>(std::clamp<long long>(period, 0, INT_MAX));
}

} // namespace

TestController::TestController(ProbeEngine& engine, TargetResolver& resolver, TargetStrings& target,
                               SampleHistory& history, PingSettings& settings, TestView& view,
                               Timers& timers, MessagePump& pump, Clock& clock)
    : engine_(engine), resolver_(resolver), target_(target), history_(history), settings_(settings),
      view_(view), timers_(timers), pump_(pump), clock_(clock),
      random_(static_cast<std::uint32_t>(clock.Now())),
      // Stay-alive and StopTest read the planned count before any run has set it.
      // Starting from the configured count keeps it positive, so the loss penalty
      // never divides by zero and a stay-alive test stopped before its first probe
      // does not look complete (which would start the REP blink and offer a report
      // of zero probes).
      plannedCount_(std::max(settings.PingCount, 1)) {}

TestController::~TestController() {
    engine_.CancelEcho();
}

void TestController::OnRun() {
    StopRepBlink();
    ClosePanels();
    if (testState_ != TestState::Idle) {
        testState_ = TestState::Idle;
        StopTest();
        clock_.Sleep(kStopPauseMs);
    } else {
        if (!resolver_.CheckAddressToRun()) {
            return;
        }
        ChangeLamp(ControlId::Random, Lamp::Lit);
        Enable(ControlId::Random, false);
        ChangeLamp(ControlId::Run, Lamp::Lit);
        Enable(ControlId::StayAlive, false);
        BeginMode(settings_.PingInterval, settings_.PingCount);
        testState_ = TestState::Run;
        StartTest();
    }
    ShowStatus(testState_);
}

void TestController::BeginMode(int intervalSeconds, std::optional<int> plannedCount) {
    Enable(ControlId::Report, false);
    Enable(ControlId::Settings, false);
    cyclePeriodMs_ = CyclePeriodMs(intervalSeconds);
    if (plannedCount) {
        plannedCount_ = *plannedCount;
    }
    probeCount_ = 0;
}

void TestController::OnRandom() {
    StopRepBlink();
    ClosePanels();
    if (testState_ == TestState::Random) {
        return;
    }
    testState_ = TestState::Random;
    ChangeLamp(ControlId::Random, Lamp::Lit);
    ChangeLamp(ControlId::Run, Lamp::Idle);
    ChangeLamp(ControlId::StayAlive, Lamp::Idle);
    Enable(ControlId::StayAlive, false);
    BeginMode(settings_.PingInterval, settings_.PingCount);
    PickRandomServer();
}

void TestController::OnStayAlive() {
    if (testState_ == TestState::StayAlive || !resolver_.CheckAddressToRun()) {
        return;
    }
    StopRepBlink();
    ClosePanels();
    ChangeLamp(ControlId::StayAlive, Lamp::Lit);
    ChangeLamp(ControlId::Run, Lamp::Idle);
    Enable(ControlId::Random, false);
    // A stay-alive test has no count; it keeps the planned count of the last run.
    BeginMode(settings_.StayAliveInterval, std::nullopt);
    testState_ = TestState::StayAlive;
    StartTest();
}

void TestController::OnQuit() {
    quitting_ = true;
    resolver_.CancelResolveTarget();
    // No pause after the stop: it lets a stopped test's picture settle in a window
    // that stays, and this one is about to go.
    if (testState_ != TestState::Idle) {
        testState_ = TestState::Idle;
        StopTest();
    }
    view_.CloseSettingsPanelDiscarding();
    ClosePanels();
    view_.SaveAndExit();
}

void TestController::OnAddressCommit() {
    target_.addressText = view_.AddressFieldText();
    target_.targetText = target_.addressText;
    // A refused target has shown the wrong-address banner, which disables the
    // field; only a new double-click opens it again.
    resolver_.ResolveTarget(false, [this](bool resolved) {
        // A name's answer comes later; anything started meanwhile has the window.
        if (resolved && testState_ == TestState::Idle) {
            StartCommittedRun();
        }
    });
}

void TestController::StartCommittedRun() {
    Enable(ControlId::AddressField, false);
    view_.RestoreDisplayArea();
    view_.CaptureDisplayArea();
    ChangeLamp(ControlId::Random, Lamp::Lit);
    Enable(ControlId::Random, false);
    ChangeLamp(ControlId::Run, Lamp::Lit);
    Enable(ControlId::StayAlive, false);
    Enable(ControlId::Random, false);
    Enable(ControlId::Report, false);
    Enable(ControlId::Settings, false);
    cyclePeriodMs_ = CyclePeriodMs(settings_.PingInterval);
    plannedCount_ = settings_.PingCount;
    probeCount_ = 0;
    view_.SetAddressEntryMode(false);
    testState_ = TestState::Run;
    StartTest();
}

bool TestController::OnAddressEntry() {
    if (view_.IsSettingsPanelOpen() || testState_ != TestState::Idle) {
        return false;
    }
    StopRepBlink();
    ClosePanels();
    const bool wasDisabled = !view_.IsControlEnabled(ControlId::AddressField);
    Enable(ControlId::AddressField, true);
    if (wasDisabled) {
        Enable(ControlId::Run, false);
        Enable(ControlId::StayAlive, false);
        Enable(ControlId::Random, false);
        Enable(ControlId::Report, false);
        Enable(ControlId::Settings, false);
        timers_.KillTimer(kProbeTimerId);
        testState_ = TestState::Idle;
        view_.SetAddressEntryMode(true);
        // Restoring the display disables the field again.
        view_.RestoreDisplayArea();
        Enable(ControlId::AddressField, true);
        view_.FocusAddressField();
    }
    view_.SetAddressFieldText(target_.addressText);
    return true;
}

void TestController::OnTimer(int id) {
    if (id == kProbeTimerId) {
        OnProbeTick();
    } else if (id == kBlinkTimerId) {
        OnBlinkTick();
    }
}

void TestController::OnProbeTick() {
    if (engine_.EchoPending()) {
        // Window timers collapse the ticks that fall due while the thread is busy
        // into one; a probe in flight keeps that rhythm: whatever falls due while it
        // waits makes one tick right after its answer.
        tickHeldByProbe_ = true;
        return;
    }
    // A run that reached its count went idle when its last answer came; it ends
    // here, one tick after its last probe.
    if (testState_ == TestState::Idle) {
        StopTest();
        return;
    }
    const int phase = tickPhase_;
    tickPhase_ = phase % 3 + 1;
    if (phase % 3 == 0) {
        ProbeOnce();
        // The answer finishes this tick. Only a test's first probe has nothing on the
        // status line yet to show while it waits.
        if (probeCount_ != 0) {
            return;
        }
    }
    RefreshDisplays();
}

void TestController::RefreshDisplays() {
    view_.RefreshDisplays();
    view_.ShowProbeCount(probeCount_);
}

void TestController::OnBlinkTick() {
    if (repBlinkOn_ == 1) {
        ChangeLamp(ControlId::Report, Lamp::Idle);
        repBlinkOn_ = 0;
    } else {
        ChangeLamp(ControlId::Report, Lamp::Lit);
        repBlinkOn_ = 1;
    }
}

void TestController::StartTest() {
    ResetTest();
    const std::time_t now = clock_.Now();
    testStartLocal_ = StartTime::Format(now, StartTime::Zone::Local);
    testStartUtc_ = StartTime::Format(now, StartTime::Zone::Utc);
    settings_.LastIPAddr = target_.addressText;
    settings_.LastDNAddr = target_.domainName;
    timers_.SetTimer(kProbeTimerId, TickPeriodMs());
}

std::uint32_t TestController::TickPeriodMs() const {
    const auto tickPeriod = static_cast<std::uint32_t>(cyclePeriodMs_ / 3);
    return std::max(tickPeriod, kMinTickPeriodMs);
}

void TestController::ResetTest() {
    target_.targetAddress = ProbeEngine::ParseDottedAddress(target_.addressText);
    lastStatus_ = 0;
    probeCount_ = 0;
    errorCount_ = 0;
    shownRtt_ = 0;
    history_.ResetStatistics();
    history_.ResetHistory();
}

void TestController::StopTest() {
    timers_.KillTimer(kProbeTimerId);
    CancelProbe();
    ChangeLamp(ControlId::Run, Lamp::Idle);
    ChangeLamp(ControlId::Random, Lamp::Idle);
    ChangeLamp(ControlId::StayAlive, Lamp::Idle);
    Enable(ControlId::Settings, true);
    if (probeCount_ == plannedCount_) {
        timers_.SetTimer(kBlinkTimerId, kBlinkPeriodMs);
        Enable(ControlId::Report, true);
    }
    if (probeCount_ != 0) {
        Enable(ControlId::Report, true);
    }
    ShowStatus(testState_);
    view_.DrawFinalDisplays();
    // Nobody is left to see the blink when the program is about to end.
    if (!quitting_) {
        view_.BlinkAverageMarker();
    }
}

void TestController::ProbeOnce() {
    // RUN lights up while the probe is out.
    ChangeLamp(ControlId::Run, Lamp::Lit);
    engine_.SendEcho(target_.targetAddress, static_cast<std::uint32_t>(settings_.TimeOut),
                     [this](std::uint32_t rtt) { OnProbeAnswered(rtt); });
}

void TestController::OnProbeAnswered(std::uint32_t rtt) {
    if (engine_.ReplyStatus() == IcmpStatus::kNoIcmpSocket) {
        OnProbeNotSent();
        return;
    }
    rawRtt_ = rtt;
    shownRtt_ = rtt;
    lastStatus_ = engine_.ReplyStatus();
    if (lastStatus_ != 0) {
        ++errorCount_;
    }
    if (rtt > kMaxShownRtt) {
        shownRtt_ = kClampedRtt;
    }
    history_.AppendSample(shownRtt_, lastStatus_);
    history_.UpdateStatistics();
    ChangeLamp(ControlId::Run, Lamp::Idle);
    ++probeCount_;
    if (testState_ != TestState::StayAlive && probeCount_ >= plannedCount_) {
        testState_ = TestState::Idle;
    }
    // The rest of the tick that sent the probe.
    RefreshDisplays();
    if (std::exchange(tickHeldByProbe_, false)) {
        // The collapsed tick runs now and the next one a whole period after it.
        timers_.SetTimer(kProbeTimerId, TickPeriodMs());
        OnProbeTick();
    }
}

void TestController::OnProbeNotSent() {
    // Nothing left the host, so there is nothing to count, draw or rate, and every
    // further probe would fail the same way: the test ends with what was measured
    // and the user learns, once, how to allow ICMP. The box comes first, with the
    // ticks stopped, since the end of a test waits for the mouse to stop the
    // marker's blink.
    timers_.KillTimer(kProbeTimerId);
    tickHeldByProbe_ = false;
    ChangeLamp(ControlId::Run, Lamp::Idle);
    view_.Warn(TestProblem::IcmpNotPermitted);
    testState_ = TestState::Idle;
    StopTest();
}

void TestController::CancelProbe() {
    // A probe stopped in flight is neither counted nor drawn: the test ends with
    // the probes that were answered.
    engine_.CancelEcho();
    tickHeldByProbe_ = false;
}

void TestController::StopRepBlink() {
    timers_.KillTimer(kBlinkTimerId);
    view_.SetLamp(ControlId::Report, Lamp::Idle);
}

void TestController::LoadServerList(const std::filesystem::path& path) {
    if (!serverList_.Load(path)) {
        view_.Warn(TestProblem::ServerListUnreadable);
        testState_ = TestState::Idle;
        StopTest();
        return;
    }
    if (serverList_.empty()) {
        view_.Warn(TestProblem::ServerListUsedUp);
        testState_ = TestState::Idle;
    }
}

void TestController::PickRandomServer() {
    // Events handled during the pauses may stop this search (RUN, QT) or stop it and
    // start another (RUN, then RND); either way this one must not go on.
    const std::uint32_t search = ++searchSerial_;
    const auto superseded = [this, search] {
        return testState_ != TestState::Random || searchSerial_ != search;
    };
    for (;;) {
        const std::size_t count = serverList_.size();
        if (count == 0) {
            ListUsedUp();
            return;
        }
        // Every entry can be drawn: the list never holds more entries than the
        // generator has values.
        const std::size_t index = static_cast<std::size_t>(random_.Next()) % count;
        target_.targetText = serverList_[index];
        view_.SetStatusPicture(StatusPicture::SeekingTarget);
        view_.Paint();
        WaitPumping(900);
        if (superseded()) {
            return;
        }
        if (AwaitTargetResolution(superseded)) {
            break;
        }
        if (superseded()) {
            return;
        }
        serverList_.Remove(index);
        view_.NoticeDroppedServer(target_.targetText);
        if (superseded()) {
            return;
        }
        view_.SetStatusPicture(StatusPicture::Eliminated);
        view_.Paint();
        WaitPumping(0);
        if (superseded()) {
            return;
        }
    }
    view_.SetStatusPicture(StatusPicture::Run);
    // Setting the text enables the field for typing; it only shows the target here.
    Enable(ControlId::AddressField, true);
    view_.SetAddressFieldText(target_.addressText);
    Enable(ControlId::AddressField, false);
    view_.RestoreDisplayArea();
    view_.CaptureDisplayArea();
    StartTest();
}

bool TestController::AwaitTargetResolution(const std::function<bool()>& superseded) {
    // The search already waits by handling events; the lookup's answer is one of them.
    constexpr std::uint32_t kLookupWaitMs = 1000;
    std::optional<bool> resolved;
    resolver_.ResolveTarget(true, [&resolved](bool success) { resolved = success; });
    while (!resolved) {
        pump_.WaitForMessages(kLookupWaitMs);
        if (!resolved && superseded()) {
            resolver_.CancelResolveTarget();
            return false;
        }
    }
    return *resolved && !superseded();
}

void TestController::ListUsedUp() {
    view_.Warn(TestProblem::ServerListUsedUp);
    testState_ = TestState::Idle;
    StopTest();
}

void TestController::PumpMessages() {
    pump_.PumpMessages();
}

void TestController::WaitPumping(int n) {
    if (n > 999) {
        return;
    }
    const auto waitMs = static_cast<std::uint32_t>(1000 - n);
    const std::uint32_t start = clock_.MonotonicMs();
    for (;;) {
        PumpMessages();
        // Differences stay right when the millisecond counter wraps.
        const std::uint32_t elapsed = clock_.MonotonicMs() - start;
        if (elapsed >= waitMs) {
            return;
        }
        pump_.WaitForMessages(waitMs - elapsed);
    }
}

void TestController::ClosePanels() {
    view_.CloseAboutPanel();
    view_.CloseReportPanel();
}

void TestController::ChangeLamp(ControlId id, Lamp lamp) {
    // Disabled around the change, so that the button redraws with its new faces.
    view_.EnableControl(id, false);
    view_.SetLamp(id, lamp);
    view_.EnableControl(id, true);
}

void TestController::Enable(ControlId id, bool enable) {
    view_.EnableControl(id, enable);
}

void TestController::ShowStatus(TestState state) {
    view_.SetStatusPicture(static_cast<StatusPicture>(state));
}

} // namespace lumet

#include "tools/lumet-cli/TestCommand.h"

#include "app/SettingsStore.h"
#include "app/Version.h"
#include "pingtest/TestController.h"
#include "platform/icmp/IcmpStatus.h"
#include "report/BitmapReport.h"
#include "report/ReportFonts.h"
#include "report/ReportInputs.h"
#include "report/TextReport.h"
#include "tools/lumet-cli/ConsoleTestView.h"
#include "tools/lumet-cli/ExitStatus.h"

#include <csignal>

namespace lumet::cli {

namespace {

void ApplyOverrides(const CommandLine& line, PingSettings& settings) {
    settings.PingCount = line.count.value_or(settings.PingCount);
    settings.PingInterval = line.intervalSeconds.value_or(settings.PingInterval);
    settings.StayAliveInterval = line.stayIntervalSeconds.value_or(settings.StayAliveInterval);
    settings.TimeOut = line.timeoutMs.value_or(settings.TimeOut);
}

} // namespace

int RunTestCommand(const CommandLine& line, ProbeEngine& engine, ConsoleEventLoop& loop,
                   Clock& clock, Profile& profile, MessageBoxes& messages,
                   const std::filesystem::path& reportFile, std::ostream& out, std::ostream& err) {
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    ApplyOverrides(line, settings);

    TargetStrings target;
    target.addressText = settings.LastIPAddr;
    target.domainName = settings.LastDNAddr;
    SampleHistory history;
    history.ResetHistory();
    ConsoleTestView view(engine, history, target, out, err);
    TargetResolver resolver(engine, target, view, messages);
    TestController controller(engine, resolver, target, history, settings, view, loop, loop, clock,
                              messages);
    view.Attach(controller);
    loop.OnTick([&controller](int id) { controller.OnTimer(id); });
    int interruptedBy = 0;
    loop.OnInterrupt([&](int signal) {
        interruptedBy = interruptedBy != 0 ? interruptedBy : signal;
        // RUN stops every mode, the random search included.
        if (controller.testState() != TestState::Idle ||
            loop.IsTimerRunning(TestController::kProbeTimerId)) {
            controller.OnRun();
        }
    });

    if (line.command == "run") {
        view.SetAddressFieldText(line.argument);
        controller.OnAddressCommit();
        loop.RunWhile([&resolver] { return resolver.Resolving(); });
    } else if (line.command == "stay") {
        target.targetText = line.argument;
        resolver.ResolveTarget(false, [&](bool resolved) {
            if (resolved) {
                view.SetAddressFieldText(target.addressText);
                controller.OnStayAlive();
            }
        });
        loop.RunWhile([&resolver] { return resolver.Resolving(); });
    } else {
        controller.LoadServerList(line.argument);
        if (!controller.serverList().empty()) {
            controller.OnRandom();
        }
    }
    CommandOutcome outcome;
    if (!loop.IsTimerRunning(TestController::kProbeTimerId)) {
        // Stopped by a signal during the lookup or the random search, or the target
        // was refused or the list held no live host (already told): nothing was sent.
        outcome.signal = interruptedBy;
        outcome.failed = true;
        return ExitStatus(outcome);
    }
    if (line.command == "stay") {
        out << "stay-alive: press Ctrl+C to stop" << std::endl;
    }
    loop.RunWhile([&] { return loop.IsTimerRunning(TestController::kProbeTimerId); });

    // Ctrl+C is how a stay-alive test ends; a run or random test it cuts short, and
    // SIGTERM or SIGHUP cut any test short.
    outcome.signal = interruptedBy;
    outcome.signalIsTheWayToStop = line.command == "stay" && interruptedBy == SIGINT;
    // The controller ends a test whose probe could not be sent, and has told why.
    outcome.notPermitted = engine.ReplyStatus() == IcmpStatus::kNoIcmpSocket;
    outcome.replies = controller.probeCount() - controller.errorCount();
    if (controller.probeCount() > 0) {
        out << "min/avg/max = " << history.minimumRtt() << '/' << history.averageRtt() << '/'
            << history.maximumRtt() << " ms\n";
        bool localAddressKnown = false;
        resolver.GetLocalAddress([&localAddressKnown] { localAddressKnown = true; });
        loop.RunWhile([&localAddressKnown] { return !localAddressKnown; });
        const ReportData report =
            CollectReportData(controller, history, target, settings, engine, view.averageMarkerX());
        out << "rated " << report.verdict << " (" << report.score << "/100)\n";
        if (WriteTextReport(report, reportFile, messages)) {
            out << "report written to " << std::filesystem::absolute(reportFile).string() << '\n';
        } else {
            outcome.failed = true;
        }
        const std::filesystem::path pictureFile = reportFile.parent_path() / "_report.bmp";
        if (WriteBitmapReport(report, ReportFonts::Create(), VersionString, pictureFile,
                              messages)) {
            out << "picture written to " << std::filesystem::absolute(pictureFile).string() << '\n';
        } else {
            outcome.failed = true;
        }
    }
    if (line.save && !SettingsStore::SaveSettings(profile, settings, std::nullopt)) {
        err << "lumet-cli: the settings could not be saved\n";
        outcome.failed = true;
    }
    return ExitStatus(outcome);
}

} // namespace lumet::cli

#include "tools/lumet-cli/TestCommand.h"

#include "app/SettingsStore.h"
#include "pingtest/Rating.h"
#include "pingtest/ServerList.h"
#include "pingtest/TestController.h"
#include "platform/icmp/IcmpStatus.h"
#include "report/ReportInputs.h"
#include "report/TextReport.h"
#include "tools/lumet-cli/ConsoleTestView.h"
#include "tools/lumet-cli/ExitStatus.h"
#include "tools/lumet-cli/PathText.h"
#include "tools/lumet-cli/TerminalText.h"

#include <csignal>
#include <memory>

namespace lumet::cli {

namespace {

void ApplyOverrides(const CommandLine& line, PingSettings& settings) {
    settings.PingCount = line.count.value_or(settings.PingCount);
    settings.PingInterval = line.intervalSeconds.value_or(settings.PingInterval);
    settings.StayAliveInterval = line.stayIntervalSeconds.value_or(settings.StayAliveInterval);
    settings.TimeOut = line.timeoutMs.value_or(settings.TimeOut);
}

// A report that was not written: where, and why, when a file operation says.
void SayWhy(std::ostream& err, const std::filesystem::path& file, const std::error_code& why) {
    if (why) {
        err << "lumet-cli: " << Printable(PathText(std::filesystem::absolute(file))) << ": "
            << why.message() << '\n';
    }
}

} // namespace

int RunTestCommand(const CommandLine& line, ProbeEngine& engine, ConsoleLoop& loop, Clock& clock,
                   Profile& profile, MessageBoxes& messages, PictureReportWriter& picture,
                   const std::filesystem::path& reportFile, std::ostream& out, std::ostream& err) {
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    ApplyOverrides(line, settings);

    TargetStrings target;
    target.addressText = settings.LastIPAddr;
    target.domainName = settings.LastDNAddr;
    SampleHistory history;
    history.ResetHistory();
    const std::unique_ptr<ProbeOutput> output = MakeProbeOutput(line.format, out, err);
    ConsoleTestView view(engine, history, target, *output, err,
                         line.command == "random" ? line.argument : "");
    TargetResolver resolver(engine, target, view);
    TestController controller(engine, resolver, target, history, settings, view, loop, loop, clock);
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
        const std::filesystem::path listFile = PathFromText(line.argument);
        std::string unusable;
        ServerList list;
        if (!list.Load(listFile, &unusable)) {
            err << "lumet-cli: cannot use the list " << Printable(line.argument) << ": " << unusable
                << '\n';
            return ExitStatus({.failed = true});
        }
        if (list.empty()) {
            err << "lumet-cli: the list " << Printable(line.argument) << " holds no entries\n";
            return ExitStatus({.failed = true});
        }
        controller.LoadServerList(listFile);
        controller.OnRandom();
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
        output->Hint("stay-alive: press Ctrl+C to stop");
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
        bool localAddressKnown = false;
        resolver.GetLocalAddress([&localAddressKnown] { localAddressKnown = true; });
        loop.RunWhile([&localAddressKnown] { return !localAddressKnown; });
        const ReportData report =
            CollectReportData(controller, history, target, settings, engine, view.averageMarkerX());
        output->Summary({controller.probeCount(), outcome.replies, history.minimumRtt(),
                         history.averageRtt(), history.maximumRtt(),
                         Rating::LossPenalty(controller.errorCount(), controller.plannedCount()),
                         report.verdict, report.score});
        std::error_code why;
        if (WriteTextReport(report, reportFile, messages, &why)) {
            output->ReportWritten("text", PathText(std::filesystem::absolute(reportFile)));
        } else {
            SayWhy(err, reportFile, why);
            outcome.failed = true;
        }
        const std::filesystem::path pictureFile = reportFile.parent_path() / "_report.bmp";
        why.clear();
        if (picture.Write(report, pictureFile, messages, why)) {
            output->ReportWritten("picture", PathText(std::filesystem::absolute(pictureFile)));
        } else {
            SayWhy(err, pictureFile, why);
            outcome.failed = true;
        }
    }
    if (line.save && !SettingsStore::SaveSettings(profile, settings, std::nullopt)) {
        err << "lumet-cli: the settings could not be saved to " << Printable(profile.Location())
            << ": it is not writable\n";
        outcome.failed = true;
    }
    return ExitStatus(outcome);
}

} // namespace lumet::cli

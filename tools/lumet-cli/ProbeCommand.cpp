#include "tools/lumet-cli/ProbeCommand.h"

#include "pingtest/Rating.h"
#include "pingtest/SampleHistory.h"
#include "platform/icmp/IcmpStatus.h"
#include "probe/IcmpStatusTexts.h"
#include "probe/TargetResolver.h"
#include "tools/lumet-cli/ExitStatus.h"
#include "tools/lumet-cli/ProbeOutput.h"
#include "tools/lumet-cli/TerminalText.h"

#include <memory>
#include <optional>

namespace lumet::cli {

namespace {

constexpr std::uint32_t kProbeSpacingMs = 1000;
// The longest the loop sleeps between looks at what it waits for.
constexpr std::uint32_t kIdleWaitMs = 1000;

// A console has no address field: a refused target is reported once by the caller.
class SilentAddressField final : public AddressFieldView {
public:
    void ShowWrongAddress() override {}
    void ShowResolvedAddress(const std::string&) override {}
    void ShowLocalAddressUnknown(const std::string&) override {}
};

// The time a test keeps for a probe: anything above 1000 ms, and "no time", is 999.
std::uint32_t StoredTime(std::uint32_t rtt) {
    return rtt > 1000 ? 999 : rtt;
}

// Sends one probe and handles events until its answer is in.
std::uint32_t AwaitEcho(ProbeEngine& engine, MessagePump& loop, std::uint32_t address,
                        std::uint32_t timeoutMs) {
    std::optional<std::uint32_t> rtt;
    engine.SendEcho(address, timeoutMs, [&rtt](std::uint32_t answer) { rtt = answer; });
    while (!rtt) {
        loop.WaitForMessages(kIdleWaitMs);
    }
    return *rtt;
}

} // namespace

int RunProbeCommand(const ProbeOptions& options, ProbeEngine& engine, MessagePump& loop,
                    Clock& clock, std::ostream& out, std::ostream& err) {
    TargetStrings target;
    target.targetText = options.target;
    SilentAddressField field;
    TargetResolver resolver(engine, target, field);
    std::optional<bool> resolved;
    resolver.ResolveTarget(false, [&resolved](bool success) { resolved = success; });
    while (!resolved) {
        loop.WaitForMessages(kIdleWaitMs);
    }
    if (!*resolved) {
        err << WrongAddressMessage(options.target);
        return ExitStatus({.failed = true});
    }
    const std::unique_ptr<ProbeOutput> output = MakeProbeOutput(options.format, out, err);
    output->Target(target.addressText, target.domainName);

    SampleHistory history;
    history.ResetHistory();
    CommandOutcome outcome;
    int measured = 0;
    int errorCount = 0;
    for (int sequence = 1; sequence <= options.count; ++sequence) {
        const std::uint32_t started = clock.MonotonicMs();
        const std::uint32_t rtt = AwaitEcho(engine, loop, target.targetAddress, options.timeoutMs);
        const std::uint32_t status = engine.ReplyStatus();
        if (status == IcmpStatus::kNoIcmpSocket) {
            // Nothing went out, and nothing will until ICMP is allowed.
            err << IcmpPermissionAdvice();
            outcome.notPermitted = true;
            break;
        }
        const std::uint32_t stored = StoredTime(rtt);
        ++measured;
        (status == 0 ? outcome.replies : errorCount) += 1;
        history.AppendSample(stored, status);
        history.UpdateStatistics();
        output->Probe({sequence, status, stored, engine.ReplyTtl(), engine.ReplyDataSize()});
        const std::uint32_t spent = clock.MonotonicMs() - started;
        if (sequence < options.count && spent < kProbeSpacingMs) {
            clock.Sleep(kProbeSpacingMs - spent);
        }
    }

    if (measured > 0) {
        const int penalty = Rating::LossPenalty(errorCount, measured);
        const int markerX = Rating::AverageMarkerX(penalty, history.averageRtt());
        output->Summary({measured, outcome.replies, history.minimumRtt(), history.averageRtt(),
                         history.maximumRtt(), penalty,
                         std::string(Rating::RatingVerdict(markerX, errorCount, measured)),
                         Rating::RatingScore(markerX, errorCount, measured)});
    }
    return ExitStatus(outcome);
}

} // namespace lumet::cli

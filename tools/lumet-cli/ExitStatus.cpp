#include "tools/lumet-cli/ExitStatus.h"

namespace lumet::cli {

namespace {
constexpr int kReplied = 0;
constexpr int kNoReply = 1;
constexpr int kError = 2;
constexpr int kNotPermitted = 77;
constexpr int kSignalBase = 128;
} // namespace

int ExitStatus(const CommandOutcome& outcome) {
    if (outcome.signal != 0 && !outcome.signalIsTheWayToStop) {
        return kSignalBase + outcome.signal;
    }
    if (outcome.notPermitted) {
        return kNotPermitted;
    }
    if (outcome.failed) {
        return kError;
    }
    return outcome.replies > 0 ? kReplied : kNoReply;
}

} // namespace lumet::cli

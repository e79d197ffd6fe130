#include "tools/lumet-cli/ConsoleTestView.h"

#include "pingtest/Rating.h"
#include "probe/IcmpStatusTexts.h"
#include "tools/lumet-cli/TerminalText.h"

namespace lumet::cli {

ConsoleTestView::ConsoleTestView(const ProbeEngine& engine, const SampleHistory& history,
                                 const TargetStrings& target, ProbeOutput& output,
                                 std::ostream& err, std::string listFile)
    : engine_(engine), history_(history), target_(target), output_(output), err_(err),
      listFile_(std::move(listFile)) {}

bool ConsoleTestView::IsControlEnabled(ControlId id) const {
    const auto found = enabled_.find(id);
    // Controls start enabled, as a dialog's controls do.
    return found == enabled_.end() || found->second;
}

void ConsoleTestView::SetStatusPicture(StatusPicture picture) {
    if (picture == StatusPicture::SeekingTarget) {
        output_.Trying(target_.targetText);
    }
}

void ConsoleTestView::Warn(TestProblem problem) {
    switch (problem) {
    case TestProblem::ServerListUnreadable:
        err_ << "lumet-cli: cannot read the list " << Printable(listFile_) << '\n';
        return;
    case TestProblem::ServerListUsedUp:
        err_ << "lumet-cli: no entry of the list " << Printable(listFile_) << " is left to try\n";
        return;
    case TestProblem::IcmpNotPermitted:
        err_ << IcmpPermissionAdvice();
        return;
    }
}

void ConsoleTestView::NoticeDroppedServer(const std::string& entry) {
    err_ << "lumet-cli: " << Printable(entry) << ": no address found, dropped from the list "
         << Printable(listFile_) << '\n';
}

void ConsoleTestView::ShowLocalAddressUnknown(const std::string& hostName) {
    if (hostName.empty()) {
        err_ << "lumet-cli: this host's name cannot be read; the reports keep the last address\n";
    } else {
        err_ << "lumet-cli: no address found for this host, " << Printable(hostName)
             << "; the reports keep the last address\n";
    }
}

void ConsoleTestView::RefreshDisplays() {
    PrintHeaderOnce();
    UpdateRatingPosition();
    if (controller_ == nullptr || controller_->probeCount() == printedProbes_) {
        return;
    }
    printedProbes_ = controller_->probeCount();
    output_.Probe({printedProbes_, controller_->lastStatus(), controller_->shownRtt(),
                   engine_.ReplyTtl(), engine_.ReplyDataSize()});
}

void ConsoleTestView::DrawFinalDisplays() {
    UpdateRatingPosition();
}

void ConsoleTestView::ShowWrongAddress() {
    err_ << WrongAddressMessage(target_.targetText);
}

void ConsoleTestView::ShowResolvedAddress(const std::string& dottedAddress) {
    addressField_ = dottedAddress;
}

void ConsoleTestView::UpdateRatingPosition() {
    if (controller_ == nullptr) {
        return;
    }
    const int penalty = Rating::LossPenalty(controller_->errorCount(), controller_->plannedCount());
    averageMarkerX_ = Rating::AverageMarkerX(penalty, history_.averageRtt());
}

void ConsoleTestView::PrintHeaderOnce() {
    if (headerPrinted_) {
        return;
    }
    headerPrinted_ = true;
    output_.Target(target_.addressText, target_.domainName);
}

} // namespace lumet::cli

#pragma once

#include "pingtest/SampleHistory.h"
#include "pingtest/TestController.h"
#include "pingtest/TestView.h"
#include "probe/AddressFieldView.h"
#include "probe/ProbeEngine.h"
#include "probe/TargetStrings.h"
#include "tools/lumet-cli/ProbeOutput.h"

#include <map>
#include <ostream>
#include <string>
#include <utility>

namespace lumet::cli {

// The test's window on a console: a line per probe instead of the graph, the
// rating position kept the way the scale markers keep it, and problems told on the
// error stream naming `listFile`, the server list the user gave (if any).
class ConsoleTestView final : public TestView, public AddressFieldView {
public:
    ConsoleTestView(const ProbeEngine& engine, const SampleHistory& history,
                    const TargetStrings& target, ProbeOutput& output, std::ostream& err,
                    std::string listFile);

    // The controller is created after its view; it must be attached before any test.
    void Attach(const TestController& controller) { controller_ = &controller; }

    int averageMarkerX() const { return averageMarkerX_; }

    void EnableControl(ControlId id, bool enable) override { enabled_[id] = enable; }
    bool IsControlEnabled(ControlId id) const override;
    void SetLamp(ControlId, Lamp) override {}
    std::string AddressFieldText() const override { return addressField_; }
    void SetAddressFieldText(const std::string& text) override { addressField_ = text; }
    void FocusAddressField() override {}
    void SetAddressEntryMode(bool) override {}
    void RestoreDisplayArea() override {}
    void CaptureDisplayArea() override {}
    void SetStatusPicture(StatusPicture picture) override;
    void RefreshDisplays() override;
    void DrawFinalDisplays() override;
    void BlinkAverageMarker() override {}
    void Paint() override {}
    void ShowProbeCount(int) override {}
    void Warn(TestProblem problem) override;
    void NoticeDroppedServer(const std::string& entry) override;
    void CloseAboutPanel() override {}
    void CloseReportPanel() override {}
    void CloseSettingsPanelDiscarding() override {}
    bool IsSettingsPanelOpen() const override { return false; }
    void SaveAndExit() override {}

    void ShowWrongAddress() override;
    void ShowResolvedAddress(const std::string& dottedAddress) override;
    void ShowLocalAddressUnknown(const std::string& hostName) override;

private:
    void UpdateRatingPosition();
    void PrintHeaderOnce();

    const ProbeEngine& engine_;
    const SampleHistory& history_;
    const TargetStrings& target_;
    ProbeOutput& output_;
    std::ostream& err_;
    std::string listFile_;
    const TestController* controller_ = nullptr;
    std::map<ControlId, bool> enabled_;
    std::string addressField_;
    bool headerPrinted_ = false;
    int printedProbes_ = 0;
    int averageMarkerX_ = 0;
};

} // namespace lumet::cli

#pragma once

#include "display/DrawingObjects.h"
#include "display/WrongAddressWindow.h"
#include "pingtest/SampleHistory.h"
#include "pingtest/TestView.h"
#include "platform/clock/Clock.h"
#include "platform/events/MessagePump.h"
#include "probe/AddressFieldView.h"
#include "probe/TargetStrings.h"
#include "ui/AddressZone.h"
#include "ui/ClientWindowCanvas.h"
#include "ui/DialogExchange.h"
#include "ui/DisplayBuffers.h"
#include "ui/DisplayPanels.h"
#include "ui/MainDialogControls.h"
#include "ui/TestMessages.h"
#include "ui/WindowUserActivity.h"

#include <functional>

namespace lumet {

class DialogWindow;
class TestController;

// The main window as the test controller and target resolution see it: the displays
// drawn into the display buffers, the buttons and the address field, the panels'
// closing, and the way out.
class MainDialogView final : public TestView, public AddressFieldView, public WrongAddressWindow {
public:
    struct Parts {
        DialogWindow& window;
        MainDialogControls& controls;
        DisplayBuffers& buffers;
        const DrawingObjects& objects;
        DisplayPanels& panels;
        AddressZone& addressZone;
        DialogExchange& exchange;
        const SampleHistory& history;
        const TargetStrings& target;
        MessagePump& pump;
        const Clock& clock;
        MessageBoxes& messages;
        // Writes the settings and ends the program.
        std::function<void()> saveAndExit;
    };

    explicit MainDialogView(Parts parts);

    // The controller is made after its view; it must be attached before any test.
    void Attach(const TestController& controller) { controller_ = &controller; }

    // The rating position the scale markers last stored.
    int averageMarkerX() const { return averageMarkerX_; }
    bool AddressEntryMode() const { return parts_.addressZone.AddressEntryMode(); }

    // TestView.
    void EnableControl(ControlId id, bool enable) override;
    bool IsControlEnabled(ControlId id) const override;
    void SetLamp(ControlId id, Lamp lamp) override;
    std::string AddressFieldText() const override;
    void SetAddressFieldText(const std::string& text) override;
    void FocusAddressField() override;
    void SetAddressEntryMode(bool on) override { parts_.addressZone.SetAddressEntryMode(on); }
    void RestoreDisplayArea() override;
    void CaptureDisplayArea() override;
    void SetStatusPicture(StatusPicture picture) override;
    void RefreshDisplays() override;
    void DrawFinalDisplays() override;
    void BlinkAverageMarker() override;
    void Paint() override;
    void ShowProbeCount(int probes) override;
    void Warn(TestProblem problem) override { messages_.Warn(problem); }
    void NoticeDroppedServer(const std::string& entry) override {
        messages_.NoticeDroppedServer(entry);
    }
    void CloseAboutPanel() override;
    void CloseReportPanel() override;
    void CloseSettingsPanelDiscarding() override;
    bool IsSettingsPanelOpen() const override;
    void SaveAndExit() override;

    // AddressFieldView.
    void ShowWrongAddress() override;
    void ShowResolvedAddress(const std::string& dottedAddress) override;
    void ShowLocalAddressUnknown(const std::string& hostName) override {
        messages_.LocalAddressUnknown(hostName);
    }

    // WrongAddressWindow.
    void DisableAddressField() override;
    void Beep() override;

private:
    Control* Find(ControlId id) const;

    Parts parts_;
    const TestController* controller_ = nullptr;
    TestMessages messages_;
    ClientWindowCanvas canvas_;
    WindowUserActivity activity_;
    int averageMarkerX_ = 0;
};

} // namespace lumet

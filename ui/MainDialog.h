#pragma once

#include "app/DialogTemplate.h"
#include "app/SettingsFields.h"
#include "display/DrawingObjects.h"
#include "pingtest/PingSettings.h"
#include "pingtest/SampleHistory.h"
#include "pingtest/TestController.h"
#include "platform/window/DialogHandler.h"
#include "platform/window/DialogWindow.h"
#include "probe/ProbeEngine.h"
#include "probe/TargetResolver.h"
#include "probe/TargetStrings.h"
#include "report/ReportFonts.h"
#include "ui/AddressZone.h"
#include "ui/AddressZoneHost.h"
#include "ui/DialogExchange.h"
#include "ui/DisplayBuffers.h"
#include "ui/DisplayOverlay.h"
#include "ui/DisplayPanels.h"
#include "ui/HoverState.h"
#include "ui/MainDialogControls.h"
#include "ui/MainDialogServices.h"
#include "ui/MainDialogView.h"
#include "ui/ReportCommand.h"
#include "ui/ReportSource.h"
#include "ui/ReportWindow.h"
#include "ui/SkinButtonHost.h"
#include "ui/TitleStatic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumet {

// The program's only window: the skinned dialog of template 102 with its buttons,
// the display area and the panels. It owns everything the window shows and the test
// works on, wires the controls to the test controller and runs modally until the
// user leaves it.
class MainDialog final : public DialogHandler,
                         public SkinButtonHost,
                         public AddressZoneHost,
                         public ReportWindow,
                         public ReportSource {
public:
    static constexpr int kDeferredInitMessage = kWmApp + 1;
    static constexpr int kOverlayMessage = kWmApp + 2;
    static constexpr int kToggleAboutMessage = TitleStatic::kToggleAboutMessage;

    // dialogTemplate: the template bytes as the display check left them; bytes that
    // do not hold the main dialog's template give way to the built-in one.
    MainDialog(MainDialogServices services, const std::vector<std::uint8_t>& dialogTemplate);

    ~MainDialog() override;

    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    // Runs the dialog until it ends; returns kIdOk, kIdCancel or kModalAborted.
    int RunModal() { return window_.RunModal(); }

    // Writes the settings with the window's position and ends the modal run with
    // Cancel. Only the first call writes; later ones just end the run.
    void SaveAndExit();
    // The program's exit code: 0, or 1 when the settings could not be written.
    int ExitCode() const { return exitCode_; }

    DialogWindow& Window() { return window_; }
    const MainDialogControls& Controls() const { return controls_; }
    const TestController& Controller() const { return controller_; }
    const PingSettings& Settings() const { return settings_; }
    const TargetStrings& Target() const { return target_; }
    const DisplayBuffers& Buffers() const { return buffers_; }
    const DisplayPanels& Panels() const { return panels_; }
    const DisplayOverlay& Overlay() const { return overlay_; }
    const ReportCommand& Report() const { return report_; }
    const AddressZone& Zone() const { return addressZone_; }
    const HoverState& Hover() const { return hover_; }
    int AverageMarkerX() const { return view_.averageMarkerX(); }

    // Window commands: MI and QM.
    void MinimizeWindow();
    void ShowHelp();

    // DialogHandler.
    bool OnInitDialog() override;
    bool OnEraseBackground(DeviceContext& dc) override;
    void OnPaint(DeviceContext& dc, const Rect& invalid) override;
    void OnTimer(int id) override;
    void OnCommand(int controlId, Notification notification) override;
    bool OnOk() override;
    bool OnCancel() override;
    void OnLeftButtonDoubleClick(Point client) override;
    std::intptr_t OnMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) override;
    bool PreTranslateMessage(const InputMessage& message) override;
    ControlColors OnControlColor(const Control& control) override;
    bool OnSetCursor(Point client, int controlId) override;

    // SkinButtonHost and AddressZoneHost.
    const DeviceContext& HoverBackdrop() const override { return buffers_.hoverBackdrop; }
    TestState CurrentTestState() const override;
    bool DisplayAreaCovered() const override;
    const DeviceContext& DisplaySnapshot() const override { return buffers_.displaySnapshot; }
    void UpdateControls() override { exchange_.ToControls(); }
    bool SettingsPanelOpen() const override { return panels_.SettingsPanelOpen(); }

    // ReportWindow.
    void SetTestIdle() override { controller_.SetIdle(); }
    void StopRepBlink() override { controller_.StopRepBlink(); }
    void EnableReportButtonIfProbed() override;
    void SlideReportPanelOpen() override { panels_.SlideReportPanelOpen(); }
    void SlideReportPanelClosed() override { panels_.SlideReportPanelClosed(); }
    void ShowExportButtons(bool shown) override;
    void RepaintWindow() override;
    Rect WindowRect() const override { return window_.WindowRect(); }
    Resolution ScreenResolution() const override;
    std::string ProgramDirectory() const override { return programDirectory_; }

    // ReportSource.
    void GetLocalAddress(std::function<void()> done) override {
        resolver_.GetLocalAddress(std::move(done));
    }
    void CancelLocalAddress() override { resolver_.CancelLocalAddress(); }
    ReportData CollectReportData() const override;
    const ReportFonts& ReportFontSet() const override { return reportFonts_; }
    const DeviceContext& ReportPanelBackground() const override {
        return buffers_.reportPanelBackground;
    }
    DeviceContext& ReportPanelBuffer() override { return buffers_.reportPanel; }

private:
    // The deferred initialisation: runs once the skin is on the screen.
    void InitializeDisplayArea();
    void LoadSettings();
    void AttachButtons();
    void PrepareFields();
    void OnClicked(int controlId);
    void EnableControl(int id, bool enable);

    MainDialogServices services_;
    DialogTemplate template_;
    PingSettings settings_;
    TargetStrings target_;
    SampleHistory history_;
    SettingsFields fields_;
    HoverState hover_;
    DrawingObjects objects_;
    ReportFonts reportFonts_;
    DisplayBuffers buffers_;
    DialogWindow window_;
    MainDialogControls controls_;
    DialogExchange exchange_;
    ProbeEngine engine_;
    ReportCommand report_;
    DisplayPanels panels_;
    AddressZone addressZone_;
    MainDialogView view_;
    TargetResolver resolver_;
    TestController controller_;
    DisplayOverlay overlay_;
    // The window's widget, for its screen's pixel density.
    // Decoded once: every paint of the dialog lays it.
    const DeviceContext skin_;
    std::string programDirectory_;
    bool settingsSaved_ = false;
    int exitCode_ = 0;
};

} // namespace lumet

#pragma once

#include "app/SettingsFields.h"
#include "pingtest/PingSettings.h"
#include "platform/clock/Clock.h"
#include "ui/DialogExchange.h"
#include "ui/DisplayBuffers.h"
#include "ui/HoverState.h"
#include "ui/MainDialogControls.h"
#include "ui/ReportCommand.h"

namespace lumet {

class DialogWindow;
class TestController;

// The three panels of the main window and their state: the settings panel (SET)
// with its six fields and RESET, the about panel (double-click on the logo corner),
// both sliding over the display area, and the report panel below the skin, whose
// opening belongs to the report command.
class DisplayPanels {
public:
    DisplayPanels(DialogWindow& window, DisplayBuffers& buffers, MainDialogControls& controls,
                  DialogExchange& exchange, HoverState& hover, PingSettings& settings,
                  SettingsFields& fields, Clock& clock, ReportCommand& report)
        : window_(window), buffers_(buffers), controls_(controls), exchange_(exchange),
          hover_(hover), settings_(settings), fields_(fields), clock_(clock), report_(report) {}

    DisplayPanels(const DisplayPanels&) = delete;
    DisplayPanels& operator=(const DisplayPanels&) = delete;

    // The controller is made after the panels; it must be attached before any panel
    // is used.
    void Attach(TestController& controller) { controller_ = &controller; }

    bool SettingsPanelOpen() const { return settingsPanelOpen_; }
    bool AboutPanelOpen() const { return aboutPanelOpen_; }

    // SET: opens the panel with the current settings in its fields, or closes it and
    // takes the fields over into the settings. Either way no test runs afterwards.
    void ToggleSettingsPanel();
    // The way out: closes the panel, if open, without taking the fields over.
    void CloseSettingsPanel();

    // Opens or closes the about panel; refused with a beep while a test runs.
    // Returns 0 when refused, else 1.
    int ToggleAboutPanel();
    void CloseAboutPanel();

    void SlideReportPanelOpen();
    void SlideReportPanelClosed();
    // Closes the report panel, if open, for every command other than REP; the report
    // command keeps whether it is.
    void CloseReportPanel();

    // A settings field lost the focus: reads all fields, brings them into their
    // ranges and shows them again.
    void ClampSettingsFields();
    // RESET: the initial settings (with a ping count of 16) into the settings and the
    // fields at once.
    void ResetSettings();

private:
    // A closed panel has shown the address field again, whose black ground would
    // cover the graph if the field painted after the overlay pass. Painting what is
    // invalid now and then asking for a skin paint makes that pass come last and put
    // the displays back over the field.
    void RepaintUnderDisplays();
    void SetSettingsFace(const char* up);
    void EnableButton(int id, bool enable);
    void ShowSettingsFields(bool show);

    DialogWindow& window_;
    DisplayBuffers& buffers_;
    MainDialogControls& controls_;
    DialogExchange& exchange_;
    HoverState& hover_;
    PingSettings& settings_;
    SettingsFields& fields_;
    Clock& clock_;
    ReportCommand& report_;
    TestController* controller_ = nullptr;

    bool settingsPanelOpen_ = false;
    bool aboutPanelOpen_ = false;
};

} // namespace lumet

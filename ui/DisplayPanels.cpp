#include "ui/DisplayPanels.h"

#include "app/MainDialogTemplate.h"
#include "pingtest/TestController.h"
#include "platform/window/DialogWindow.h"
#include "ui/PanelSlides.h"

namespace lumet {

namespace {

using Id = MainDialogTemplate::ControlId;

} // namespace

void DisplayPanels::ToggleSettingsPanel() {
    CloseAboutPanel();
    CloseReportPanel();
    controller_->SetIdle();
    if (!settingsPanelOpen_) {
        controls_.AddressField().ShowWindow(false);
        hover_.hoverWordsEnabled = false;
        controller_->StopRepBlink();
        SetSettingsFace("SETR");
        for (const int id :
             {Id::kRunButton, Id::kStayAliveButton, Id::kRandomButton, Id::kReportButton}) {
            EnableButton(id, false);
        }
        SlidePanelOpen(window_, buffers_.settingsPanel, buffers_.settingsSave, clock_);
        fields_ = SettingsFieldsFromSettings(settings_);
        exchange_.ToControls();
        ShowSettingsFields(true);
        settingsPanelOpen_ = true;
        return;
    }
    // What the fields hold as they stand; a field without a number keeps its value.
    static_cast<void>(exchange_.FromControls());
    CopySettingsFieldsToSettings(fields_, settings_);
    ShowSettingsFields(false);
    settingsPanelOpen_ = false;
    controls_.AddressField().ShowWindow(true);
    SlidePanelClosed(window_, buffers_.settingsSave, clock_);
    SetSettingsFace("SETU");
    for (const int id : {Id::kRunButton, Id::kStayAliveButton, Id::kRandomButton}) {
        EnableButton(id, true);
    }
    if (controller_->probeCount() != 0) {
        EnableButton(Id::kReportButton, true);
    }
    hover_.hoverWordsEnabled = true;
    RepaintUnderDisplays();
}

void DisplayPanels::CloseSettingsPanel() {
    if (!settingsPanelOpen_) {
        return;
    }
    controller_->SetIdle();
    ShowSettingsFields(false);
    settingsPanelOpen_ = false;
    controls_.AddressField().ShowWindow(true);
    SlidePanelClosed(window_, buffers_.settingsSave, clock_);
    RepaintUnderDisplays();
}

int DisplayPanels::ToggleAboutPanel() {
    if (controller_->testState() != TestState::Idle) {
        window_.GetBeep().Play();
        return 0;
    }
    CloseReportPanel();
    if (!aboutPanelOpen_) {
        controls_.AddressField().ShowWindow(false);
        hover_.hoverWordsEnabled = false;
        SlidePanelOpen(window_, buffers_.aboutPanel, buffers_.aboutSave, clock_);
        aboutPanelOpen_ = true;
    } else {
        aboutPanelOpen_ = false;
        controls_.AddressField().ShowWindow(true);
        SlidePanelClosed(window_, buffers_.aboutSave, clock_);
        hover_.hoverWordsEnabled = true;
        RepaintUnderDisplays();
    }
    return 1;
}

void DisplayPanels::CloseAboutPanel() {
    if (!aboutPanelOpen_) {
        return;
    }
    controls_.AddressField().ShowWindow(true);
    SlidePanelClosed(window_, buffers_.aboutSave, clock_);
    hover_.hoverWordsEnabled = true;
    aboutPanelOpen_ = false;
    RepaintUnderDisplays();
}

void DisplayPanels::SlideReportPanelOpen() {
    lumet::SlideReportPanelOpen(window_, buffers_.reportPanel, clock_);
}

void DisplayPanels::SlideReportPanelClosed() {
    lumet::SlideReportPanelClosed(window_, buffers_.reportPanel, clock_);
}

void DisplayPanels::CloseReportPanel() {
    report_.CloseReportPanel();
}

void DisplayPanels::ClampSettingsFields() {
    static_cast<void>(exchange_.FromControls());
    lumet::ClampSettingsFields(fields_);
    exchange_.ToControls();
}

void DisplayPanels::ResetSettings() {
    lumet::ResetSettings(settings_, fields_);
    exchange_.ToControls();
    for (const int id : MainDialogControls::kSettingsFieldIds) {
        if (Control* const field = controls_.Find(id)) {
            field->Invalidate();
        }
    }
    if (Control* const reset = controls_.Find(Id::kResetButton)) {
        reset->Invalidate();
    }
}

void DisplayPanels::RepaintUnderDisplays() {
    window_.PaintAll();
    window_.SendPaint();
}

void DisplayPanels::SetSettingsFace(const char* up) {
    BitmapButton* const button = controls_.FindButton(Id::kSettingsButton);
    if (button == nullptr) {
        return;
    }
    button->EnableWindow(false);
    button->LoadBitmaps(up, "SETD", "", "SETX");
    button->EnableWindow(true);
}

void DisplayPanels::EnableButton(int id, bool enable) {
    if (Control* const control = controls_.Find(id)) {
        control->EnableWindow(enable);
    }
}

void DisplayPanels::ShowSettingsFields(bool show) {
    std::vector<Control*> panelControls;
    for (const int id : MainDialogControls::kSettingsFieldIds) {
        panelControls.push_back(controls_.Find(id));
    }
    panelControls.push_back(controls_.Find(Id::kResetButton));
    for (Control* const control : panelControls) {
        if (control != nullptr) {
            control->EnableWindow(show);
        }
    }
    for (Control* const control : panelControls) {
        if (control != nullptr) {
            control->ShowWindow(show);
        }
    }
}

} // namespace lumet

#include "ui/MainDialogView.h"

#include "app/MainDialogTemplate.h"
#include "display/AverageMarkerBlink.h"
#include "display/HistoryGraph.h"
#include "display/QualityScale.h"
#include "display/StatusLine.h"
#include "display/WrongAddressBanner.h"
#include "pingtest/TestController.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"

namespace lumet {

namespace {

ScaleInputs ScaleInputsOf(const TestController& controller, const SampleHistory& history) {
    ScaleInputs inputs;
    inputs.shownRtt = controller.shownRtt();
    inputs.minimumRtt = history.minimumRtt();
    inputs.averageRtt = history.averageRtt();
    inputs.maximumRtt = history.maximumRtt();
    inputs.errorCount = controller.errorCount();
    inputs.plannedCount = controller.plannedCount();
    return inputs;
}

int DialogIdOf(ControlId id) {
    switch (id) {
    case ControlId::AddressField:
        return MainDialogTemplate::kAddressField;
    case ControlId::Run:
        return MainDialogTemplate::kRunButton;
    case ControlId::Random:
        return MainDialogTemplate::kRandomButton;
    case ControlId::StayAlive:
        return MainDialogTemplate::kStayAliveButton;
    case ControlId::Report:
        return MainDialogTemplate::kReportButton;
    case ControlId::Settings:
        return MainDialogTemplate::kSettingsButton;
    }
    return 0;
}

} // namespace

MainDialogView::MainDialogView(Parts parts)
    : parts_(std::move(parts)), messages_(parts_.messages), canvas_(parts_.window),
      activity_(parts_.window) {}

Control* MainDialogView::Find(ControlId id) const {
    return parts_.controls.Find(DialogIdOf(id));
}

void MainDialogView::EnableControl(ControlId id, bool enable) {
    if (Control* const control = Find(id)) {
        control->EnableWindow(enable);
    }
}

bool MainDialogView::IsControlEnabled(ControlId id) const {
    const Control* const control = Find(id);
    return control != nullptr && control->IsEnabled();
}

void MainDialogView::SetLamp(ControlId id, Lamp lamp) {
    // Each mode button's pictures: RUNU, RUND and RUNX up, down and disabled, RUNR
    // up and lit. REP has pictures of its own only until its first blink, which
    // gives it RUN's.
    const char* prefix = nullptr;
    switch (id) {
    case ControlId::Run:
    case ControlId::Report:
        prefix = "RUN";
        break;
    case ControlId::Random:
        prefix = "RND";
        break;
    case ControlId::StayAlive:
        prefix = "STA";
        break;
    case ControlId::AddressField:
    case ControlId::Settings:
        return;
    }
    if (BitmapButton* const button = parts_.controls.FindButton(DialogIdOf(id))) {
        const std::string name(prefix);
        button->LoadBitmaps(name + (lamp == Lamp::Lit ? "R" : "U"), name + "D", "", name + "X");
    }
}

std::string MainDialogView::AddressFieldText() const {
    return parts_.controls.AddressField().GetWindowText();
}

void MainDialogView::SetAddressFieldText(const std::string& text) {
    parts_.controls.AddressField().SetWindowText(text);
}

void MainDialogView::FocusAddressField() {
    parts_.controls.AddressField().SetFocus();
}

void MainDialogView::RestoreDisplayArea() {
    parts_.addressZone.RestoreDisplayArea();
}

void MainDialogView::CaptureDisplayArea() {
    ClientDc dc(parts_.window);
    parts_.buffers.CaptureDisplayArea(*dc);
}

void MainDialogView::SetStatusPicture(StatusPicture picture) {
    DrawModeCaption(parts_.buffers.lowerDisplay, parts_.objects, picture);
}

void MainDialogView::RefreshDisplays() {
    DisplayBuffers& buffers = parts_.buffers;
    const ScaleInputs inputs = ScaleInputsOf(*controller_, parts_.history);
    DrawLiveScaleBar(buffers.upperDisplay, buffers.displayBackground, parts_.objects, inputs);
    DrawScaleMarkers(buffers.upperDisplay, parts_.objects, inputs, averageMarkerX_);
    DrawHistoryGraph(buffers.lowerDisplay, buffers.displayBackground, parts_.objects,
                     parts_.history, controller_->tickPhase());
    DrawProbeCount(buffers.lowerDisplay, parts_.objects, controller_->probeCount());
    DrawProbeStatus(buffers.lowerDisplay, buffers.displayBackground, parts_.objects,
                    controller_->lastStatus(), controller_->testState());
    DrawHostName(buffers.lowerDisplay, parts_.objects, parts_.target.domainName,
                 controller_->probeCount());
    Paint();
}

void MainDialogView::DrawFinalDisplays() {
    DisplayBuffers& buffers = parts_.buffers;
    const ScaleInputs inputs = ScaleInputsOf(*controller_, parts_.history);
    DrawFinalScaleBar(buffers.upperDisplay, buffers.displayBackground, parts_.objects, inputs);
    DrawScaleMarkers(buffers.upperDisplay, parts_.objects, inputs, averageMarkerX_);
    Paint();
}

void MainDialogView::BlinkAverageMarker() {
    lumet::BlinkAverageMarker(averageMarkerX_, parts_.objects, canvas_, parts_.pump, parts_.clock,
                              activity_);
}

void MainDialogView::Paint() {
    parts_.window.SendPaint();
}

void MainDialogView::ShowProbeCount(int probes) {
    parts_.window.SetWindowText(std::to_string(probes) + " Ping");
}

void MainDialogView::CloseAboutPanel() {
    parts_.panels.CloseAboutPanel();
}

void MainDialogView::CloseReportPanel() {
    parts_.panels.CloseReportPanel();
}

void MainDialogView::CloseSettingsPanelDiscarding() {
    parts_.panels.CloseSettingsPanel();
}

bool MainDialogView::IsSettingsPanelOpen() const {
    return parts_.panels.SettingsPanelOpen();
}

void MainDialogView::SaveAndExit() {
    parts_.saveAndExit();
}

void MainDialogView::ShowWrongAddress() {
    ClientDc dc(parts_.window);
    lumet::ShowWrongAddress(*dc, parts_.buffers.displaySnapshot, *this);
}

void MainDialogView::ShowResolvedAddress(const std::string& dottedAddress) {
    // The field still has the host name's layout; the address needs the dotted one.
    parts_.controls.AddressField().LayOutDottedAddress();
    SetAddressFieldText(dottedAddress);
}

void MainDialogView::DisableAddressField() {
    AddressEditControl& field = parts_.controls.AddressField();
    field.EnableWindow(false);
    field.Invalidate();
    field.SendPaint();
}

void MainDialogView::Beep() {
    parts_.window.GetBeep().Play();
}

} // namespace lumet

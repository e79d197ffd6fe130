#include "ui/MainDialog.h"

#include "app/MainDialogTemplate.h"
#include "app/SettingsStore.h"
#include "platform/gdi/Font.h"
#include "platform/window/ClientDc.h"
#include "report/ReportInputs.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"
#include "ui/ProgramDirectory.h"

#include <algorithm>

namespace lumet {

namespace {

using Id = MainDialogTemplate::ControlId;

constexpr const char* kSaveFailedCaption = "Lumet Warning";
constexpr const char* kSaveFailedText = "The settings could not be saved.\n";

// The order the bitmap buttons are attached and take their faces.
constexpr Id kButtonOrder[] = {
    Id::kQuitButton,     Id::kMinimizeButton, Id::kHelpButton,   Id::kEmailButton,
    Id::kCopyButton,     Id::kPrintButton,    Id::kRunButton,    Id::kStayAliveButton,
    Id::kSettingsButton, Id::kRandomButton,   Id::kReportButton, Id::kResetButton,
};

// Template bytes that do not parse or lack the address field cannot make this
// window; the built-in template can.
DialogTemplate UsableTemplate(const std::vector<std::uint8_t>& bytes) {
    std::optional<DialogTemplate> parsed = DialogTemplate::Parse(bytes);
    const auto hasAddressField = [](const DialogTemplate& dialog) {
        return std::any_of(dialog.items.begin(), dialog.items.end(), [](const DialogItem& item) {
            return item.id == Id::kAddressField && item.Class() == ControlClass::Edit;
        });
    };
    if (parsed && hasAddressField(*parsed)) {
        return std::move(*parsed);
    }
    return MainDialogTemplate::Description();
}

std::vector<std::span<const std::uint8_t>> WindowIcon() {
    std::vector<std::span<const std::uint8_t>> sizes;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        sizes.push_back(FindResource("icons/128-" + std::to_string(size) + ".png"));
    }
    return sizes;
}

} // namespace

MainDialog::MainDialog(MainDialogServices services, const std::vector<std::uint8_t>& dialogTemplate)
    : services_(std::move(services)), template_(UsableTemplate(dialogTemplate)),
      window_(*this, services_.beep, services_.timers, services_.windows),
      controls_(window_, template_, hover_, *this),
      exchange_(controls_, target_, fields_, services_.messages),
      engine_(services_.echo, services_.resolver),
      report_(*this, *this, services_.messages, services_.exports),
      panels_(window_, buffers_, controls_, exchange_, hover_, settings_, fields_, services_.clock,
              report_),
      addressZone_(window_, controls_.AddressField(), *this),
      view_(MainDialogView::Parts{window_, controls_, buffers_, objects_, panels_, addressZone_,
                                  exchange_, history_, target_, services_.pump, services_.clock,
                                  services_.messages, [this] { SaveAndExit(); }}),
      resolver_(engine_, target_, view_),
      controller_(engine_, resolver_, target_, history_, settings_, view_, window_.GetTimers(),
                  services_.pump, services_.clock),
      overlay_(window_, buffers_, panels_, report_, hover_, controls_.AddressField(), controller_),
      skin_(Bitmap::LoadResource(ResourceId::kSkin)) {
    panels_.Attach(controller_);
    view_.Attach(controller_);
}

MainDialog::~MainDialog() = default;

void MainDialog::SaveAndExit() {
    if (!settingsSaved_) {
        settingsSaved_ = true;
        const Rect placed = window_.WindowRect();
        if (!SettingsStore::SaveSettings(services_.profile, settings_,
                                         WindowPosition{placed.left, placed.top})) {
            services_.messages.ShowMessage(kSaveFailedCaption, MessageIcon::Warning,
                                           kSaveFailedText);
            exitCode_ = 1;
        }
    }
    window_.EndDialog(kIdCancel);
}

void MainDialog::MinimizeWindow() {
    window_.Minimize();
}

void MainDialog::ShowHelp() {
    services_.help.Open(services_.helpFile, &window_.Host());
}

bool MainDialog::OnInitDialog() {
    exchange_.ToControls();
    programDirectory_ = LocateProgramDirectory();
    LoadSettings();
    controls_.AddressField().CreateFonts(services_.fonts);
    window_.SetIcon(WindowIcon());
    controller_.ResetTest();
    target_.localAddressText.clear();
    window_.SetWindowText("Ping");
    AttachButtons();
    for (const int id : {Id::kEmailButton, Id::kCopyButton, Id::kPrintButton, Id::kResetButton}) {
        EnableControl(id, false);
    }
    PrepareFields();
    objects_ = DrawingObjects::Create(services_.fonts);
    reportFonts_ =
        ReportFonts{objects_.smallTahomaFont, objects_.largeArialFont, objects_.mediumArialFont};
    history_.ResetHistory();
    // The display area can be captured only once the skin is on the screen.
    window_.PostMessage(kDeferredInitMessage);
    return true;
}

void MainDialog::LoadSettings() {
    SettingsStore::LoadSettings(services_.profile, settings_);
    const Rect screen = window_.Host().ScreenRect();
    if (screen.IsEmpty()) {
        return;
    }
    if (const std::optional<WindowPosition> position =
            SettingsStore::InitialWindowPosition(settings_, screen.Width(), screen.Height())) {
        window_.MoveTo(Point{position->left, position->top});
    }
}

void MainDialog::AttachButtons() {
    for (const Id id : kButtonOrder) {
        if (BitmapButton* const button = controls_.FindButton(id)) {
            button->AutoLoad();
        }
    }
}

void MainDialog::PrepareFields() {
    controls_.AddressField().SetFont(Font::Create(services_.fonts, "Arial", 42, 700), true);
    for (const int id : MainDialogControls::kSettingsFieldIds) {
        if (EditControl* const field = controls_.FindEdit(id)) {
            field->SetMargins(0, 0);
            field->ShowWindow(false);
            field->SetFont(Font::Create(services_.fonts, "Arial", 12), true);
        }
    }
}

void MainDialog::InitializeDisplayArea() {
    buffers_.Create();
    {
        ClientDc screen(window_);
        buffers_.displaySnapshot.BitBlt(
            0, 0, DisplayBuffers::kDisplayWidth, DisplayBuffers::kDisplayHeight, *screen,
            DisplayBuffers::kDisplayOrigin.x, DisplayBuffers::kDisplayOrigin.y, Rop::SrcCopy);
    }
    target_.addressText = settings_.LastIPAddr;
    target_.domainName = settings_.LastDNAddr;
    EnableControl(Id::kReportButton, false);
    view_.RestoreDisplayArea();
    view_.CaptureDisplayArea();
    controller_.LoadServerList(services_.serverListFile);
}

bool MainDialog::OnEraseBackground(DeviceContext& dc) {
    static_cast<void>(dc);
    // While the report panel shrinks the uncovered rows must be erased.
    return !report_.reportPanelClosing();
}

void MainDialog::OnPaint(DeviceContext& dc, const Rect& invalid) {
    static_cast<void>(invalid);
    dc.BitBlt(0, 0, DialogWindow::kClientWidth, DialogWindow::kCollapsedHeight, skin_, 0, 0,
              Rop::SrcCopy);
    window_.PostMessage(kOverlayMessage);
}

void MainDialog::OnTimer(int id) {
    controller_.OnTimer(id);
}

void MainDialog::OnCommand(int controlId, Notification notification) {
    switch (notification) {
    case Notification::Clicked:
        OnClicked(controlId);
        break;
    case Notification::KillFocus:
        if (std::find(MainDialogControls::kSettingsFieldIds.begin(),
                      MainDialogControls::kSettingsFieldIds.end(),
                      controlId) != MainDialogControls::kSettingsFieldIds.end()) {
            panels_.ClampSettingsFields();
        }
        break;
    default:
        break;
    }
}

void MainDialog::OnClicked(int controlId) {
    switch (controlId) {
    case Id::kQuitButton:
        controller_.OnQuit();
        break;
    case Id::kRunButton:
        controller_.OnRun();
        break;
    case Id::kRandomButton:
        controller_.OnRandom();
        break;
    case Id::kStayAliveButton:
        controller_.OnStayAlive();
        break;
    case Id::kMinimizeButton:
        MinimizeWindow();
        break;
    case Id::kSettingsButton:
        panels_.ToggleSettingsPanel();
        break;
    case Id::kHelpButton:
        ShowHelp();
        break;
    case Id::kResetButton:
        panels_.ResetSettings();
        break;
    case Id::kReportButton:
        report_.OnReport();
        break;
    case Id::kPrintButton:
        report_.OnPrint();
        break;
    case Id::kEmailButton:
        report_.OnMail();
        break;
    case Id::kCopyButton:
        report_.OnCopy();
        break;
    default:
        break;
    }
}

bool MainDialog::OnOk() {
    // Enter anywhere but in the address field (which starts a run) does nothing: it
    // must not end the program with the test and the settings thrown away.
    return true;
}

bool MainDialog::OnCancel() {
    // Escape and the window's close leave like QT: a test or lookup still running
    // stops at once instead of holding the end of the program.
    controller_.OnQuit();
    return true;
}

void MainDialog::OnLeftButtonDoubleClick(Point client) {
    if (AddressZone::InEntryArea(client)) {
        controller_.OnAddressEntry();
    }
}

std::intptr_t MainDialog::OnMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    static_cast<void>(wParam);
    static_cast<void>(lParam);
    switch (message) {
    case kDeferredInitMessage:
        InitializeDisplayArea();
        return 0;
    case kOverlayMessage:
        return overlay_.OverlayDisplayArea(view_.AddressEntryMode());
    case kToggleAboutMessage:
        return panels_.ToggleAboutPanel();
    default:
        return 0;
    }
}

bool MainDialog::PreTranslateMessage(const InputMessage& message) {
    // F1 is the application's help command; its viewer has no owner.
    if (message.kind == InputKind::KeyDown && message.key == Key::F1) {
        services_.help.Open(services_.helpFile, nullptr);
        return true;
    }
    if (message.kind == InputKind::KeyDown && message.key == Key::Return &&
        message.targetId == Id::kAddressField) {
        controller_.OnAddressCommit();
        return true;
    }
    return false;
}

ControlColors MainDialog::OnControlColor(const Control& control) {
    static_cast<void>(control);
    return ControlColors{kLightCyan, kBlack, Brush::Solid(kBlack)};
}

bool MainDialog::OnSetCursor(Point client, int controlId) {
    static_cast<void>(controlId);
    return addressZone_.OnSetCursor(client);
}

TestState MainDialog::CurrentTestState() const {
    return controller_.testState();
}

bool MainDialog::DisplayAreaCovered() const {
    return panels_.SettingsPanelOpen() || panels_.AboutPanelOpen() ||
           addressZone_.AddressEntryMode();
}

void MainDialog::EnableReportButtonIfProbed() {
    if (controller_.probeCount() != 0) {
        EnableControl(Id::kReportButton, true);
    }
}

void MainDialog::ShowExportButtons(bool shown) {
    for (const int id : {Id::kEmailButton, Id::kCopyButton, Id::kPrintButton}) {
        Control* const button = controls_.Find(id);
        if (button == nullptr) {
            continue;
        }
        // Hidden buttons are disabled first so none keeps the focus out of sight.
        if (shown) {
            button->ShowWindow(true);
            button->EnableWindow(true);
        } else {
            button->EnableWindow(false);
            button->ShowWindow(false);
        }
    }
}

void MainDialog::RepaintWindow() {
    window_.InvalidateClient(true);
    window_.PaintAll();
}

Resolution MainDialog::ScreenResolution() const {
    return Resolution{window_.Host().LogicalDpiX(), window_.Host().LogicalDpiY()};
}

ReportData MainDialog::CollectReportData() const {
    return lumet::CollectReportData(controller_, history_, target_, settings_, engine_,
                                    AverageMarkerX());
}

void MainDialog::EnableControl(int id, bool enable) {
    if (Control* const control = controls_.Find(id)) {
        control->EnableWindow(enable);
    }
}

} // namespace lumet

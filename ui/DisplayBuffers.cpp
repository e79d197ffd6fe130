#include "ui/DisplayBuffers.h"

#include "res/ResourceIds.h"

namespace lumet {

namespace {

Bitmap LoadPanel(int resource) {
    return Bitmap::LoadResource(resource);
}

} // namespace

void DisplayBuffers::Create() {
    displayBackground = DeviceContext(Bitmap(kDisplayWidth, kDisplayHeight));
    displaySnapshot = DeviceContext(Bitmap(kDisplayWidth, kDisplayHeight));
    upperDisplay = DeviceContext(Bitmap(kDisplayWidth, kUpperHeight));
    lowerDisplay = DeviceContext(Bitmap(kDisplayWidth, kLowerHeight));
    hoverBackdrop = DeviceContext(Bitmap(kDisplayWidth, kLowerHeight));
    reportPanelBackground = DeviceContext(LoadPanel(ResourceId::kReportPanel));
    reportPanel = DeviceContext(LoadPanel(ResourceId::kReportPanel));
    settingsPanel = DeviceContext(LoadPanel(ResourceId::kSettingsPanel));
    settingsSave = DeviceContext(LoadPanel(ResourceId::kSettingsPanel));
    aboutPanel = DeviceContext(LoadPanel(ResourceId::kAboutPanel));
    aboutSave = DeviceContext(LoadPanel(ResourceId::kAboutPanel));
}

void DisplayBuffers::CaptureDisplayArea(const DeviceContext& screen) {
    displayBackground.BitBlt(0, 0, kDisplayWidth, kDisplayHeight, screen, kDisplayOrigin.x,
                             kDisplayOrigin.y, Rop::SrcCopy);
    upperDisplay.BitBlt(0, 0, kDisplayWidth, kUpperHeight, screen, kUpperOrigin.x, kUpperOrigin.y,
                        Rop::SrcCopy);
    lowerDisplay.BitBlt(0, 0, kDisplayWidth, kLowerHeight, screen, kLowerOrigin.x, kLowerOrigin.y,
                        Rop::SrcCopy);
    hoverBackdrop.BitBlt(0, 0, kDisplayWidth, kLowerHeight, screen, kLowerOrigin.x, kLowerOrigin.y,
                         Rop::SrcCopy);
}

} // namespace lumet

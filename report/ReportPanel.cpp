#include "report/ReportPanel.h"

#include "report/ReportLayout.h"
#include "res/ResourceIds.h"

namespace lumet {

namespace {

constexpr Color kLightCyan{204, 255, 255};
constexpr Color kBlack{0, 0, 0};

} // namespace

Bitmap LoadReportPanelBackground() {
    return Bitmap::LoadResource(ResourceId::kReportPanel);
}

void RenderReportPanel(const DeviceContext& panelBackground, DeviceContext& panelBuffer,
                       const ReportData& data, const ReportFonts& fonts) {
    DeviceContext panel{Bitmap(kReportPanelWidth, kReportPanelHeight)};
    panel.SetTextColor(kLightCyan);
    panel.SetBkColor(kBlack);
    panel.BitBlt(0, 0, kReportPanelWidth, kReportPanelHeight, panelBackground, 0, 0, Rop::SrcCopy);
    DrawReportLayout(panel, kLightCyan, data, fonts);
    panelBuffer.BitBlt(0, 0, kReportPanelWidth, kReportPanelHeight, panel, 0, 0, Rop::SrcCopy);
}

} // namespace lumet

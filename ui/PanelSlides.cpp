#include "ui/PanelSlides.h"

#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"
#include "ui/DisplayBuffers.h"

namespace lumet {

namespace {

constexpr int kPanelX = DisplayBuffers::kDisplayOrigin.x;
constexpr int kPanelY = DisplayBuffers::kDisplayOrigin.y;
constexpr int kPanelWidth = DisplayBuffers::kPanelWidth;
constexpr int kPanelHeight = DisplayBuffers::kPanelHeight;
constexpr std::uint32_t kPanelFrameMs = 3;

constexpr int kReportY = DisplayBuffers::kReportOrigin.y;
constexpr int kReportWidth = DisplayBuffers::kReportWidth;
constexpr int kReportSteps = 100;
constexpr int kReportStepRows = 3;
constexpr std::uint32_t kReportFrameMs = 1;

} // namespace

void SlidePanelOpen(DialogWindow& window, const DeviceContext& panel, DeviceContext& save,
                    Clock& clock) {
    {
        ClientDc screen(window);
        save.BitBlt(0, 0, kPanelWidth, kPanelHeight, *screen, kPanelX, kPanelY, Rop::SrcCopy);
    }
    for (int k = 0; k <= kPanelHeight; ++k) {
        {
            ClientDc frame(window);
            frame->BitBlt(kPanelX, kPanelY, kPanelWidth, kPanelHeight - k, save, 0, k,
                          Rop::SrcCopy);
            frame->BitBlt(kPanelX, kPanelY + kPanelHeight - k, kPanelWidth, k, panel, 0,
                          kPanelHeight - k, Rop::SrcCopy);
        }
        clock.Sleep(kPanelFrameMs);
    }
}

void SlidePanelClosed(DialogWindow& window, const DeviceContext& save, Clock& clock) {
    for (int k = kPanelHeight; k >= 0; --k) {
        {
            ClientDc frame(window);
            frame->BitBlt(kPanelX, kPanelY, kPanelWidth, kPanelHeight, save, 0, k, Rop::SrcCopy);
        }
        clock.Sleep(kPanelFrameMs);
    }
}

void SlideReportPanelOpen(DialogWindow& window, const DeviceContext& reportPanel, Clock& clock) {
    const int startHeight = window.ClientHeight();
    for (int k = 0; k <= kReportSteps; ++k) {
        const int rows = kReportStepRows * k;
        window.SetClientHeight(startHeight + rows, false);
        {
            ClientDc frame(window);
            frame->BitBlt(0, kReportY, kReportWidth, rows, reportPanel, 0,
                          DisplayBuffers::kReportHeight - rows, Rop::SrcCopy);
        }
        clock.Sleep(kReportFrameMs);
    }
}

void SlideReportPanelClosed(DialogWindow& window, const DeviceContext& reportPanel, Clock& clock) {
    const int startHeight = window.ClientHeight();
    for (int k = 0; k <= kReportSteps; ++k) {
        const int rows = kReportStepRows * k;
        window.SetClientHeight(startHeight - rows, true);
        {
            ClientDc frame(window);
            frame->BitBlt(0, kReportY, kReportWidth, DisplayBuffers::kReportHeight - rows,
                          reportPanel, 0, rows, Rop::SrcCopy);
        }
        clock.Sleep(kReportFrameMs);
    }
}

} // namespace lumet

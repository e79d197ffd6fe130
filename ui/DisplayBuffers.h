#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Point.h"

namespace lumet {

// The off-screen images behind the display area and the panels. The displays draw
// only into these; the overlay pass and the panel slides put them on the window.
struct DisplayBuffers {
    // Where the display area and its two bands lie on the client area.
    static constexpr Point kDisplayOrigin{6, 30};
    static constexpr int kDisplayWidth = 320;
    static constexpr int kDisplayHeight = 80;
    static constexpr Point kUpperOrigin{6, 30};
    static constexpr int kUpperHeight = 24;
    static constexpr Point kLowerOrigin{6, 56};
    static constexpr int kLowerHeight = 54;
    // The settings and about panels, two columns wider than the display area.
    static constexpr int kPanelWidth = 322;
    static constexpr int kPanelHeight = 80;
    // The report panel below the skin.
    static constexpr Point kReportOrigin{0, 116};
    static constexpr int kReportWidth = 360;
    static constexpr int kReportHeight = 300;

    DeviceContext displayBackground;
    DeviceContext displaySnapshot;
    DeviceContext upperDisplay;
    DeviceContext lowerDisplay;
    DeviceContext hoverBackdrop;
    DeviceContext reportPanelBackground;
    DeviceContext reportPanel;
    DeviceContext settingsPanel;
    DeviceContext settingsSave;
    DeviceContext aboutPanel;
    DeviceContext aboutSave;

    // CreateDisplayBuffers: the five display images (black until something is copied
    // in) and the panel images from bitmaps 164, 165 and 197. Needs the resources.
    void Create();
    bool IsCreated() const { return !displayBackground.CurrentBitmap().IsNull(); }

    // CaptureDisplayArea: takes the display area of screen as the displays'
    // background, the upper and lower bands and the hover backdrop.
    void CaptureDisplayArea(const DeviceContext& screen);
};

} // namespace lumet

#pragma once

#include "app/DialogTemplate.h"

#include <cstdint>
#include <vector>

namespace lumet {

// Dialog template 102, the main window: a captionless pop-up of 180 × 58 dialog
// units in "Courier New" 8 points, and its controls in tab order.
class MainDialogTemplate {
public:
    static constexpr std::uint16_t kResourceId = 102;
    static constexpr std::uint16_t kPointSize = 8;

    enum ControlId : std::uint16_t {
        kAddressField = 1000,
        kQuitButton = 1003,
        kMinimizeButton = 1004,
        kHelpButton = 1009,
        kRunButton = 1010,
        kRandomButton = 1011,
        kStayAliveButton = 1012,
        kReportButton = 1013,
        kSettingsButton = 1014,
        kCaptionStrip = 1016,
        kIntervalField = 1017,
        kPingLimitField = 1018,
        kStayAliveField = 1019,
        kPacketSizeField = 1020,
        kTtlField = 1021,
        kTimeoutField = 1022,
        kResetButton = 1023,
        kLogoCorner = 1026,
        kEmailButton = 1027,
        kCopyButton = 1028,
        kPrintButton = 1029,
    };

    static DialogTemplate Description();
    // The resource's bytes, as the display check adjusts them.
    static std::vector<std::uint8_t> Bytes() { return Description().Encode(); }
};

} // namespace lumet

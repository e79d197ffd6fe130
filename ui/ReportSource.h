#pragma once

#include "platform/gdi/DeviceContext.h"
#include "report/ReportData.h"
#include "report/ReportFonts.h"

#include <functional>

namespace lumet {

// What the reports are made from and drawn into, as the main window holds it.
class ReportSource {
public:
    virtual ~ReportSource() = default;

    // Refreshes the target strings' localAddressText; `done` runs when that is over,
    // possibly later, from the event loop.
    virtual void GetLocalAddress(std::function<void()> done) = 0;
    // Abandons a refresh still out: its `done` never runs.
    virtual void CancelLocalAddress() = 0;
    // The last test as the reports show it, read now.
    virtual ReportData CollectReportData() const = 0;

    virtual const ReportFonts& ReportFontSet() const = 0;
    // The report panel's background (360 × 300) and the buffer its slide shows.
    virtual const DeviceContext& ReportPanelBackground() const = 0;
    virtual DeviceContext& ReportPanelBuffer() = 0;
};

} // namespace lumet

#pragma once

#include "platform/export/Printer.h"
#include "platform/gdi/Rect.h"

#include <string>

namespace lumet {

// What the report command needs of the main window.
class ReportWindow {
public:
    virtual ~ReportWindow() = default;

    // Ends any test: the test state becomes idle.
    virtual void SetTestIdle() = 0;
    // Ends the REP button's blinking after a run.
    virtual void StopRepBlink() = 0;
    // Enables REP when the last test sent at least one probe.
    virtual void EnableReportButtonIfProbed() = 0;

    // The report panel's animations: the window grows by the 300-row panel, or
    // shrinks back to its skin, showing the panel buffer meanwhile.
    virtual void SlideReportPanelOpen() = 0;
    virtual void SlideReportPanelClosed() = 0;

    // Shows and enables EMAIL, COPY and PRINT; or disables and hides them.
    virtual void ShowExportButtons(bool shown) = 0;
    // Repaints at once, erasing first, everything inside the window's rectangle.
    virtual void RepaintWindow() = 0;

    // The main window in screen coordinates.
    virtual Rect WindowRect() const = 0;
    // The pixel density of the screen the main window is on.
    virtual Resolution ScreenResolution() const = 0;
    // The directory holding the program file, with a trailing separator.
    virtual std::string ProgramDirectory() const = 0;
};

} // namespace lumet

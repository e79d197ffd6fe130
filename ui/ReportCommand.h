#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "ui/ExportServices.h"
#include "ui/ReportSource.h"
#include "ui/ReportWindow.h"

namespace lumet {

// REP and the report panel's export buttons. REP opens the panel with both reports
// made afresh, and closes it again leaving the report files in place; EMAIL, COPY
// and PRINT, shown and enabled only while the panel is open, act on those files.
class ReportCommand {
public:
    ReportCommand(ReportWindow& window, ReportSource& source, MessageBoxes& messages,
                  ExportServices services)
        : window_(window), source_(source), messages_(messages), services_(services) {}

    ReportCommand(const ReportCommand&) = delete;
    ReportCommand& operator=(const ReportCommand&) = delete;

    // REP (1013).
    void OnReport();
    // PRINT (1029), EMAIL (1027), COPY (1028).
    void OnPrint();
    void OnMail();
    void OnCopy();

    // The other commands close the panel before they act; nothing when it is closed.
    void CloseReportPanel();

    // Whether the window is extended by the open report panel.
    bool ReportPanelOpen() const { return reportPanelOpen_; }
    // Set while REP shrinks the window: the window's erase then reports the
    // background as not erased.
    bool reportPanelClosing() const { return reportPanelClosing_; }

private:
    // Writes both reports with the local address just found and slides the panel open.
    void OpenReportPanel();

    ReportWindow& window_;
    ReportSource& source_;
    MessageBoxes& messages_;
    ExportServices services_;
    bool reportPanelOpen_ = false;
    bool reportPanelClosing_ = false;
    bool localAddressPending_ = false;
};

} // namespace lumet

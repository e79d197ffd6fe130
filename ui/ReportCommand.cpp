#include "ui/ReportCommand.h"

#include "ui/CopyReport.h"
#include "ui/GenerateReports.h"
#include "ui/MailReport.h"
#include "ui/PrintReport.h"

namespace lumet {

void ReportCommand::OnReport() {
    window_.SetTestIdle();
    window_.StopRepBlink();
    if (!reportPanelOpen_) {
        if (localAddressPending_) {
            return; // the first press is still finding the local address
        }
        localAddressPending_ = true;
        source_.GetLocalAddress([this] {
            localAddressPending_ = false;
            OpenReportPanel();
        });
        return;
    }
    window_.ShowExportButtons(false);
    reportPanelClosing_ = true;
    window_.SlideReportPanelClosed();
    window_.RepaintWindow();
    reportPanelClosing_ = false;
    reportPanelOpen_ = false;
}

void ReportCommand::OpenReportPanel() {
    if (!GenerateReports(source_, messages_)) {
        return;
    }
    window_.SlideReportPanelOpen();
    window_.ShowExportButtons(true);
    reportPanelOpen_ = true;
}

void ReportCommand::OnPrint() {
    PrintReport(services_.printer, window_.ScreenResolution(), messages_, services_.viewer,
                window_.WindowRect());
}

void ReportCommand::OnMail() {
    MailReport(services_.mail, window_.ProgramDirectory(), messages_);
}

void ReportCommand::OnCopy() {
    CopyReport(services_.clipboard);
}

void ReportCommand::CloseReportPanel() {
    if (localAddressPending_) {
        // Whatever closes the panel also cancels the REP that was about to open it.
        source_.CancelLocalAddress();
        localAddressPending_ = false;
    }
    if (!reportPanelOpen_) {
        return;
    }
    window_.StopRepBlink();
    window_.EnableReportButtonIfProbed();
    // Left enabled, the buttons would still take the keyboard below the shrunken window.
    window_.ShowExportButtons(false);
    window_.SlideReportPanelClosed();
    reportPanelOpen_ = false;
}

} // namespace lumet

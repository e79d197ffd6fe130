#include "ui/GenerateReports.h"

#include "app/Version.h"
#include "report/BitmapReport.h"
#include "report/ReportPanel.h"
#include "report/TextReport.h"
#include "ui/ReportFiles.h"

#include <filesystem>
#include <system_error>

namespace lumet {

bool GenerateReports(ReportSource& source, MessageBoxes& messages) {
    const ReportData data = source.CollectReportData();

    // A picture that fails to be written must not leave the previous run's picture
    // behind for the export buttons to send.
    for (const char* name : {kReportPictureFile, kReportTextFile}) {
        std::error_code ignored;
        std::filesystem::remove(name, ignored);
    }
    WriteBitmapReport(data, source.ReportFontSet(), VersionString, kReportPictureFile, messages);
    if (!WriteTextReport(data, kReportTextFile, messages)) {
        return false;
    }
    RenderReportPanel(source.ReportPanelBackground(), source.ReportPanelBuffer(), data,
                      source.ReportFontSet());
    return true;
}

} // namespace lumet

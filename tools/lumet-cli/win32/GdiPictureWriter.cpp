#include "tools/lumet-cli/win32/GdiPictureWriter.h"

#include "app/Version.h"
#include "platform/wingdi/GdiFontEngine.h"
#include "report/BitmapReport.h"
#include "report/ReportFonts.h"

namespace lumet::cli {

bool GdiPictureWriter::Write(const ReportData& data, const std::filesystem::path& file,
                             MessageBoxes& messages, std::error_code& why) {
    return WriteBitmapReport(data, ReportFonts::Create(GdiFontEngine{}), VersionString, file,
                             messages, &why);
}

} // namespace lumet::cli

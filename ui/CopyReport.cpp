#include "ui/CopyReport.h"

#include "ui/ReportFiles.h"

namespace lumet {

void CopyReport(Clipboard& clipboard) {
    const Bitmap picture = Bitmap::Load(kReportPictureFile);
    if (picture.IsNull()) {
        clipboard.Clear();
        return;
    }
    clipboard.SetPicture(picture);
}

} // namespace lumet

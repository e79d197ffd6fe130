#include "ui/CopyReport.h"

#include "ui/ReportFiles.h"

#include <QImage>
#include <QString>

namespace lumet {

void CopyReport(Clipboard& clipboard) {
    const QImage picture(QString::fromLatin1(kReportPictureFile));
    if (picture.isNull()) {
        clipboard.Clear();
        return;
    }
    clipboard.SetImage(picture);
}

} // namespace lumet

#include "platform/export/QtPrinter.h"

#include "platform/qtgdi/BitmapImage.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>

namespace lumet {

bool QtPrinter::ShowPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, nullptr);
    return dialog.exec() == QDialog::Accepted;
}

QtPrinter::QtPrinter(Chooser chooser)
    : chooser_(std::move(chooser)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::ChoosePrinter() {
    return chooser_(*printer_);
}

PrinterPage QtPrinter::Page() const {
    // As a paint device the printer measures its printable area in device pixels.
    return PrinterPage{Resolution{printer_->logicalDpiX(), printer_->logicalDpiY()},
                       printer_->width(), printer_->height()};
}

bool QtPrinter::CanPrintPictures() const {
    const QPaintEngine* engine = printer_->paintEngine();
    return printer_->isValid() && engine != nullptr &&
           engine->hasFeature(QPaintEngine::PixmapTransform);
}

bool QtPrinter::PrintPicture(const std::string& documentName, const Bitmap& picture,
                             const Rect& target) {
    printer_->setDocName(QString::fromStdString(documentName));
    QPainter painter;
    if (!painter.begin(printer_.get())) {
        return false;
    }
    // A PDF or PostScript job would otherwise be free to store the picture as a
    // JPEG, blurring the report's one-pixel lines.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRect(target.left, target.top, target.Width(), target.Height()),
                      ImageView(picture), QRect(0, 0, picture.Width(), picture.Height()));
    return painter.end();
}

} // namespace lumet

#pragma once

#include "platform/export/Printer.h"

#include <QPrinter>
#include <functional>
#include <memory>

namespace lumet {

// Printing through Qt: the print dialog chooses the printer, QPainter draws the page.
class QtPrinter final : public Printer {
public:
    // Sets up the printer the next job goes to; false when the user cancelled.
    using Chooser = std::function<bool(QPrinter& printer)>;

    // The standard print dialog, without a parent window.
    static bool ShowPrintDialog(QPrinter& printer);

    explicit QtPrinter(Chooser chooser = ShowPrintDialog);
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    bool ChoosePrinter() override;
    PrinterPage Page() const override;
    bool CanPrintPictures() const override;
    bool PrintPicture(const std::string& documentName, const Bitmap& picture,
                      const Rect& target) override;

private:
    Chooser chooser_;
    // Kept across jobs so the dialog offers the user's last choices again.
    std::unique_ptr<QPrinter> printer_;
};

} // namespace lumet

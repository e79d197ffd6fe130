#pragma once

#include "platform/export/Printer.h"
#include "platform/win32/UniqueGlobal.h"

#include <functional>
#include <memory>
#include <type_traits>
// clang-format off
#include "platform/win32/Win32Api.h"
#include <commdlg.h>
// clang-format on

namespace lumet {

// Printing through GDI: the common print dialog chooses the printer and returns its
// device context, StretchDIBits puts the picture on the page.
class Win32Printer final : public Printer {
public:
    // Runs the print dialog that `dialog` describes, as PrintDlgW does; false when
    // the user cancelled or the dialog failed.
    using Chooser = std::function<bool(PRINTDLGW& dialog)>;

    // The standard print dialog, without owner window.
    static bool ShowPrintDialog(PRINTDLGW& dialog);

    explicit Win32Printer(Chooser chooser = ShowPrintDialog);

    bool ChoosePrinter() override;
    PrinterPage Page() const override;
    bool CanPrintPictures() const override;
    bool PrintPicture(const std::string& documentName, const Bitmap& picture,
                      const Rect& target) override;

private:
    struct DcDeleter {
        void operator()(HDC dc) const { DeleteDC(dc); }
    };
    using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

    Chooser chooser_;
    // The DEVMODE and DEVNAMES of the last choice, kept so the dialog offers the
    // user's printer and settings again.
    UniqueGlobal devMode_;
    UniqueGlobal devNames_;
    UniqueDc printer_;
};

} // namespace lumet

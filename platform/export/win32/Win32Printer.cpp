#include "platform/export/win32/Win32Printer.h"

#include "platform/export/win32/PackedDib.h"
#include "platform/win32/Utf16.h"

namespace lumet {

namespace {

// One print job on a printer's DC; a job not finished is aborted, so a failure
// part-way leaves nothing half-printed in the spooler.
class PrintJob {
public:
    PrintJob(HDC printer, const std::wstring& name) : printer_(printer) {
        DOCINFOW info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name.c_str();
        // StartDocW returns the job's identifier, positive, or SP_ERROR (-1); some
        // drivers report a failure as 0.
        started_ = StartDocW(printer_, &info) > 0;
    }
    ~PrintJob() {
        if (started_) {
            AbortDoc(printer_);
        }
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool Started() const { return started_; }

    // Hands the job to the spooler; false when it refused it (the job is then gone).
    bool Finish() {
        started_ = false;
        return EndDoc(printer_) > 0;
    }

private:
    HDC printer_;
    bool started_ = false;
};

} // namespace

bool Win32Printer::ShowPrintDialog(PRINTDLGW& dialog) {
    // Without a printer installed the dialog tells the user so itself (no
    // PD_NOWARNING) and then returns false like a cancel.
    return PrintDlgW(&dialog) != 0;
}

Win32Printer::Win32Printer(Chooser chooser) : chooser_(std::move(chooser)) {}

bool Win32Printer::ChoosePrinter() {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    // The dialog frees or reallocates the settings it is given and returns the
    // ones to keep, whether the user printed or cancelled.
    dialog.hDevMode = devMode_.Release();
    dialog.hDevNames = devNames_.Release();
    // One page of one picture: no page ranges or selection to offer. Copies and
    // collation go to the driver, which greys them out when it cannot make them.
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    const bool chosen = chooser_(dialog);
    devMode_ = UniqueGlobal(dialog.hDevMode);
    devNames_ = UniqueGlobal(dialog.hDevNames);
    UniqueDc printer(dialog.hDC);
    if (!chosen || printer == nullptr) {
        // A cancel keeps the printer chosen before.
        return false;
    }
    printer_ = std::move(printer);
    return true;
}

PrinterPage Win32Printer::Page() const {
    if (printer_ == nullptr) {
        return PrinterPage{};
    }
    HDC dc = printer_.get();
    // HORZRES and VERTRES measure the printable area, the area the DC's origin is
    // the top-left corner of.
    return PrinterPage{Resolution{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)},
                       GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}

bool Win32Printer::CanPrintPictures() const {
    if (printer_ == nullptr) {
        return false;
    }
    // The picture is stretched to the page: either the driver stretches DIBs itself
    // or GDI does it through the driver's StretchBlt. Text-only printers have neither.
    const int caps = GetDeviceCaps(printer_.get(), RASTERCAPS);
    return (caps & (RC_STRETCHDIB | RC_STRETCHBLT)) != 0;
}

bool Win32Printer::PrintPicture(const std::string& documentName, const Bitmap& picture,
                                const Rect& target) {
    const std::vector<std::uint8_t> dib = PackDib(picture);
    if (printer_ == nullptr || dib.empty()) {
        return false;
    }
    HDC dc = printer_.get();
    PrintJob job(dc, Utf16(documentName));
    // StartPage and EndPage return a positive value on success and 0 or less on
    // failure (SP_ERROR, or the user deleted the job in the spooler).
    if (!job.Started() || StartPage(dc) <= 0) {
        return false;
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    // The number of rows drawn; 0 or GDI_ERROR when the driver drew nothing.
    const int rows = StretchDIBits(
        dc, target.left, target.top, target.Width(), target.Height(), 0, 0, picture.Width(),
        picture.Height(), dib.data() + kPackedDibRowsOffset, info, DIB_RGB_COLORS, SRCCOPY);
    if (rows == 0 || rows == static_cast<int>(GDI_ERROR) || EndPage(dc) <= 0) {
        return false;
    }
    return job.Finish();
}

} // namespace lumet

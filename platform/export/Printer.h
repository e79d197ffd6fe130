#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Rect.h"

#include <string>

namespace lumet {

// Logical pixels per inch, horizontally and vertically.
struct Resolution {
    int x = 0;
    int y = 0;

    friend bool operator==(Resolution, Resolution) = default;
};

// The printable area of a printer's page in device pixels, and those pixels' density.
struct PrinterPage {
    Resolution resolution;
    int width = 0;
    int height = 0;

    friend bool operator==(PrinterPage, PrinterPage) = default;
};

// A printer chosen by the user. Tests replace it with a recorder or a PDF printer.
class Printer {
public:
    virtual ~Printer() = default;

    // Lets the user choose a printer and its settings; false when the user cancelled.
    // The other calls act on the printer chosen last.
    virtual bool ChoosePrinter() = 0;

    virtual PrinterPage Page() const = 0;

    // Whether the printer can reproduce a picture, or only text.
    virtual bool CanPrintPictures() const = 0;

    // Prints one document of one page holding `picture` stretched to `target`, in
    // device pixels from the printable area's top-left corner. False when the job
    // could not be started.
    virtual bool PrintPicture(const std::string& documentName, const Bitmap& picture,
                              const Rect& target) = 0;
};

} // namespace lumet

#include "platform/export/win32/Win32Printer.h"

#include <gtest/gtest.h>
#include <vector>

// The printer with a recorder in the print dialog's place, and a memory DC standing
// in for a printer: it can take pictures, but no print job can start on it.

namespace lumet {
namespace {

struct ChoiceRow {
    const char* fault;
    std::vector<bool> answers; // the dialog's, one per ChoosePrinter: a DC or a cancel
    bool canPrintPictures;     // after the last
};

class PrinterChoice : public testing::TestWithParam<ChoiceRow> {};

TEST_P(PrinterChoice, KeepsTheLastPrinterChosen) {
    const ChoiceRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    std::vector<PRINTDLGW> seen;
    Win32Printer printer([&](PRINTDLGW& dialog) {
        seen.push_back(dialog);
        const bool chosen = row.answers[seen.size() - 1];
        if (chosen) {
            // PrintDlgW hands back the settings it was given when the user kept them.
            if (dialog.hDevMode == nullptr) {
                dialog.hDevMode = GlobalAlloc(GMEM_MOVEABLE, sizeof(DEVMODEW));
            }
            dialog.hDC = CreateCompatibleDC(nullptr);
        }
        return chosen;
    });
    for (const bool answer : row.answers) {
        EXPECT_EQ(printer.ChoosePrinter(), answer);
    }
    EXPECT_EQ(printer.CanPrintPictures(), row.canPrintPictures);
    EXPECT_EQ(printer.Page() == PrinterPage{}, !row.canPrintPictures);
    EXPECT_NE(seen[0].Flags & PD_RETURNDC, 0u) << "no DC asked for: nothing to print on";
    EXPECT_EQ(seen[0].Flags & PD_PRINTSETUP, 0u) << "the setup dialog has no Print button";
    if (row.answers[0] && seen.size() > 1) {
        EXPECT_NE(seen[1].hDevMode, nullptr) << "the user's settings not offered again";
    }
    // StartDocW fails on a memory DC as on a printer whose spooler is stopped.
    const PixelWord pixels[] = {0xFF000000, 0xFFFFFFFF};
    EXPECT_FALSE(printer.PrintPicture("Print Lumet Report", Bitmap::FromPixels(2, 1, pixels),
                                      Rect{0, 0, 20, 10}))
        << "a job that could not start reported as printed";
}

INSTANTIATE_TEST_SUITE_P(
    Win32Printer, PrinterChoice,
    testing::Values(ChoiceRow{"a cancel taken as a chosen printer", {false}, false},
                    ChoiceRow{"a raster printer taken for a text-only one", {true}, true},
                    ChoiceRow{"a cancel dropping the printer chosen before", {true, false}, true},
                    ChoiceRow{"the last choice's settings not offered to the next dialog",
                              {true, true},
                              true}));

} // namespace
} // namespace lumet

#include "ui/RunMainDialog.h"

#include "ui/MainDialog.h"

namespace lumet {

int RunMainDialog(MainDialog& dialog) {
    if (dialog.RunModal() == kIdCancel) {
        dialog.SaveAndExit();
    }
    return dialog.ExitCode();
}

} // namespace lumet

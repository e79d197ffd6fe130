#include "ui/win32/App.h"

#include "app/MainDialogTemplate.h"
#include "platform/clock/SystemClock.h"
#include "platform/dialogs/win32/Win32MessageBoxes.h"
#include "platform/events/win32/Win32EventLoop.h"
#include "platform/export/win32/MapiMailHandOff.h"
#include "platform/export/win32/ShellTextViewer.h"
#include "platform/export/win32/Win32Clipboard.h"
#include "platform/export/win32/Win32Printer.h"
#include "platform/icmp/win32/WinIcmpEcho.h"
#include "platform/net/win32/WinResolver.h"
#include "platform/profile/win32/RegistryProfile.h"
#include "platform/win32/Utf16.h"
#include "platform/window/win32/Win32Beep.h"
#include "platform/window/win32/Win32HelpViewer.h"
#include "platform/window/win32/Win32Timers.h"
#include "platform/window/win32/Win32WindowSystem.h"
#include "platform/wingdi/GdiFontEngine.h"
#include "ui/InstalledFiles.h"
#include "ui/MainDialog.h"
#include "ui/RunMainDialog.h"

#include <shlobj.h>

namespace lumet {

namespace {

constexpr int kPaletteDepth = 8;

std::filesystem::path DocumentsFolder() {
    PWSTR path = nullptr;
    std::filesystem::path documents;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path))) {
        documents = std::filesystem::path(path);
    }
    // Freed whether or not the call succeeded, as the shell asks.
    CoTaskMemFree(path);
    return documents;
}

} // namespace

int App::Run() {
    Win32MessageBoxes messages(applicationName_);
    RegistryProfile profile(applicationName_);
    const std::vector<std::uint8_t> dialogTemplate =
        CheckDisplay(MainDialogTemplate::Bytes(), ScreenMetrics(), messages);

    Win32EventLoop loop;
    WinIcmpEcho echo(loop);
    WinResolver resolver(loop);
    SystemClock clock;
    Win32TimerSource timers;
    const GdiFontEngine fonts;
    Win32Beep beep;
    Win32HelpViewer help(messages);
    const FilePlaces places = PrepareFilePlaces(messages, DocumentsFolder());
    Win32WindowSystem windows(loop);
    Win32Printer printer;
    MapiMailHandOff mail;
    Win32Clipboard clipboard;
    ShellTextViewer viewer;
    MainDialog dialog(MainDialogServices{echo, resolver, clock, loop, timers, windows, fonts,
                                         profile, messages, beep, help,
                                         ExportServices{printer, mail, clipboard, viewer},
                                         places.serverListFile, places.helpFile},
                      dialogTemplate);
    messages.SetOwner(static_cast<Win32HostWindow&>(dialog.Window().Host()).Handle());
    return RunMainDialog(dialog);
}

DisplayMetrics App::ScreenMetrics() {
    DisplayMetrics metrics;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return metrics;
    }
    metrics.logPixelsX = GetDeviceCaps(screen, LOGPIXELSX);
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    metrics.numColors = depth > kPaletteDepth ? -1 : 1 << depth;
    ReleaseDC(nullptr, screen);
    return metrics;
}

} // namespace lumet

#include "platform/export/win32/ShellTextViewer.h"

#include "platform/files/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace lumet {

namespace {

// How long Show waits for the started viewer to put up its window, so that Place
// finds it. Notepad needs a fraction of this; a viewer that takes longer is shown
// where it places itself.
constexpr DWORD kWindowWaitMs = 2000;

bool IsReadableFile(const std::filesystem::path& file) {
    // Opening a directory fails without FILE_FLAG_BACKUP_SEMANTICS, as it should here.
    const UniqueHandle handle(CreateFileW(file.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return handle.Valid() && GetFileType(handle.Get()) == FILE_TYPE_DISK;
}

} // namespace

bool ShellTextViewer::OpenWithShell(const std::filesystem::path& file) {
    // ShellExecuteExW rather than ShellExecuteW for the process handle: waiting for
    // the viewer to be idle beats guessing how long its window takes to come up.
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    request.lpVerb = L"open";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    const bool started = ShellExecuteExW(&request) != 0;
    const UniqueHandle process(request.hProcess);
    // hInstApp holds ShellExecute's result: above 32 on success, else an SE_ERR_ code
    // (no program for the file type, out of memory, ...).
    if (!started || reinterpret_cast<INT_PTR>(request.hInstApp) <= 32) {
        return false;
    }
    // No handle when the file went to a program that was already running (by DDE).
    if (process.Valid()) {
        WaitForInputIdle(process.Get(), kWindowWaitMs);
    }
    return true;
}

bool ShellTextViewer::Show(const std::filesystem::path& file, const std::string& title) {
    // Notepad reads the file once, so a window already showing it may show an older
    // text; it is reused all the same rather than piling up windows of one report.
    if (HWND window = FindWindowW(nullptr, Utf16(title).c_str())) {
        if (IsIconic(window) != 0) {
            ShowWindow(window, SW_RESTORE);
        }
        SetForegroundWindow(window);
        return true;
    }
    // The shell would start Notepad on a missing or locked file all the same, to
    // show an empty window or an error of its own.
    return IsReadableFile(file) && open_(file);
}

void ShellTextViewer::Place(const std::string& title, const Rect& screenRect) {
    if (HWND window = FindWindowW(nullptr, Utf16(title).c_str())) {
        MoveWindow(window, screenRect.left, screenRect.top, screenRect.Width(), screenRect.Height(),
                   TRUE);
    }
}

} // namespace lumet

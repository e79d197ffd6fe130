#include "platform/dialogs/win32/Win32MessageBoxes.h"

#include "platform/win32/Utf16.h"

namespace lumet {

namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return 0;
    case MessageIcon::Information:
        return MB_ICONINFORMATION;
    case MessageIcon::Warning:
        return MB_ICONWARNING;
    }
    return 0;
}

// MB_TASKMODAL for a box without owner: it disables the thread's windows while the
// box is up, as an owner's box does to its owner, so no second command can start
// from behind it.
void Show(HWND owner, const std::wstring& caption, const std::string& text, UINT icon) {
    const UINT modality = owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL;
    MessageBoxW(owner, Utf16(text).c_str(), caption.c_str(), MB_OK | icon | modality);
}

} // namespace

Win32MessageBoxes::Win32MessageBoxes(const std::string& applicationName)
    : applicationName_(Utf16(applicationName)) {}

void Win32MessageBoxes::ShowApplicationMessage(const std::string& text) {
    Show(owner_, applicationName_, text, MB_ICONWARNING);
}

void Win32MessageBoxes::ShowMessage(const std::string& caption, MessageIcon icon,
                                    const std::string& text) {
    Show(nullptr, Utf16(caption), text, IconStyle(icon));
}

} // namespace lumet

#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "platform/win32/Win32Api.h"

namespace lumet {

// Modal MessageBoxW boxes with an OK button. The application's own boxes carry the
// application's name as caption and the warning icon and are owned by the main
// window once one is set; the others have no owner.
class Win32MessageBoxes final : public MessageBoxes {
public:
    explicit Win32MessageBoxes(const std::string& applicationName);

    void SetOwner(HWND owner) { owner_ = owner; }

    void ShowApplicationMessage(const std::string& text) override;
    void ShowMessage(const std::string& caption, MessageIcon icon,
                     const std::string& text) override;

private:
    std::wstring applicationName_;
    HWND owner_ = nullptr;
};

} // namespace lumet

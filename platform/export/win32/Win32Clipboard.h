#pragma once

#include "platform/export/Clipboard.h"
#include "platform/win32/Win32Api.h"

namespace lumet {

// The system clipboard, holding pictures as CF_DIB; the system offers them as
// CF_BITMAP too. When another program has the clipboard open at that moment, the
// clipboard is left as it was.
class Win32Clipboard final : public Clipboard {
public:
    // `owner` is the window the contents are put there for, the main window; none
    // is needed, as nothing is rendered on request.
    explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}

    void SetPicture(const Bitmap& picture) override;
    void Clear() override;

private:
    HWND owner_;
};

} // namespace lumet

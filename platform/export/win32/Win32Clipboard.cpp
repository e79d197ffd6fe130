#include "platform/export/win32/Win32Clipboard.h"

#include "platform/export/win32/PackedDib.h"
#include "platform/win32/UniqueGlobal.h"

namespace lumet {

namespace {

// The clipboard opened by this thread for one scope and emptied; other programs
// cannot read or change it until it is closed again.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != 0) {
        if (open_) {
            EmptyClipboard();
        }
    }
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool IsOpen() const { return open_; }

private:
    bool open_;
};

} // namespace

void Win32Clipboard::SetPicture(const Bitmap& picture) {
    // Packed before the clipboard is opened: other programs wait while it is open.
    UniqueGlobal dib = UniqueGlobal::Holding(PackDib(picture));
    const OpenedClipboard clipboard(owner_);
    // A picture that could not be packed leaves the clipboard empty rather than
    // holding what was copied before.
    if (!clipboard.IsOpen() || !dib) {
        return;
    }
    // On success the clipboard owns the memory; on failure it is still ours to free.
    if (SetClipboardData(CF_DIB, dib.Get()) != nullptr) {
        dib.Release();
    }
}

void Win32Clipboard::Clear() {
    // Opening it empties it.
    const OpenedClipboard clipboard(owner_);
}

} // namespace lumet

#include "platform/window/win32/Win32Beep.h"

#include "platform/win32/Win32Api.h"

namespace lumet {

void Win32Beep::Play() {
    // MB_OK plays what the user's sound scheme names "Default Beep", the sound
    // Windows itself makes when it refuses an action, or nothing when the user
    // silenced it there. 0xFFFFFFFF asks for a simple beep, a tone the scheme has no
    // say in. The sound plays asynchronously; there is nothing to do when it cannot.
    MessageBeep(MB_OK);
}

} // namespace lumet

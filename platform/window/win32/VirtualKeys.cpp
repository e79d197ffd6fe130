#include "platform/window/win32/VirtualKeys.h"

#include "platform/win32/Win32Api.h"

namespace lumet {

Key KeyFromVirtualKey(unsigned virtualKey) {
    switch (virtualKey) {
    case VK_RETURN:
        return Key::Return;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_TAB:
        return Key::Tab;
    case VK_BACK:
        return Key::Backspace;
    case VK_DELETE:
        return Key::Delete;
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    case VK_HOME:
        return Key::Home;
    case VK_END:
        return Key::End;
    case VK_SPACE:
        return Key::Space;
    case VK_F1:
        return Key::F1;
    default:
        return Key::Other;
    }
}

} // namespace lumet

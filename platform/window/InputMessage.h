#pragma once

#include "platform/gdi/Point.h"

namespace lumet {

enum class InputKind {
    MouseMove,
    LeftButtonDown,
    LeftButtonUp,
    LeftButtonDoubleClick,
    KeyDown,
    KeyUp,
    Char, // a character produced by a key press, after translation
};

// The keys the dialogs act on; every other key is Other.
enum class Key {
    None,
    Return,
    Escape,
    Tab,
    Backspace,
    Delete,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    Space,
    // The help key.
    F1,
    Other,
};

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// One input message as the window delivers it: to the input filters and the
// dialog's pre-translation first, then to its target.
struct InputMessage {
    InputKind kind = InputKind::MouseMove;
    // Mouse: the pointer in dialog client coordinates and on the screen.
    Point point;
    Point screenPoint;
    // Keys: the key (KeyDown, KeyUp) or the character (Char), e.g. 8 for backspace.
    Key key = Key::None;
    char32_t character = 0;
    KeyModifiers modifiers;
    // The control the message goes to (the keyboard focus, the mouse capture or the
    // control under the pointer); 0 for the dialog itself.
    int targetId = 0;

    bool IsMouse() const {
        return kind == InputKind::MouseMove || kind == InputKind::LeftButtonDown ||
               kind == InputKind::LeftButtonUp || kind == InputKind::LeftButtonDoubleClick;
    }
};

} // namespace lumet

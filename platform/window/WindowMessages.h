#pragma once

namespace lumet {

// First application-defined message number (WM_APP); the dialog's own messages are
// kWmApp + n.
inline constexpr int kWmApp = 0x8000;

// Results a modal dialog ends with. kModalAborted is returned when the application
// quit the event loop without the dialog being ended.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kModalAborted = -1;

// What a control tells the dialog about itself (BN_CLICKED, STN_DBLCLK, EN_CHANGE, ...).
enum class Notification {
    Clicked,       // button released over itself, or a notify static pressed
    DoubleClicked, // second click of a double-click on a button or notify static
    SetFocus,      // the control received the keyboard focus
    KillFocus,     // the control lost the keyboard focus
    Changed,       // an edit's text changed (typed or set by the program)
};

} // namespace lumet

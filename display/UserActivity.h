#pragma once

namespace lumet {

// What the user does with the mouse while a loop waits for it, and whether the
// window is going away. While it is watched, the window keeps mouse moves (over any
// of its windows, child controls included) and left-button presses for itself: they
// reach no control and no handler. Every other event is handled as usual.
class UserActivity {
public:
    virtual ~UserActivity() = default;

    // Forgets what happened before and starts watching.
    virtual void StartWatching() = 0;
    virtual void StopWatching() = 0;

    // Since StartWatching.
    virtual bool MouseMoved() const = 0;
    virtual bool LeftButtonPressed() const = 0;

    // The window is closing or the application quitting: a waiting loop must return.
    virtual bool QuitRequested() const = 0;
};

} // namespace lumet

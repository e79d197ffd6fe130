#include "ui/WindowUserActivity.h"

#include "platform/window/DialogWindow.h"

namespace lumet {

void WindowUserActivity::StartWatching() {
    mouseMoved_ = false;
    leftButtonPressed_ = false;
    filter_.reset();
    filter_.emplace(window_.PushInputFilter([this](const InputMessage& message) {
        // Only the event that ends the wait is kept; a click that comes right
        // behind the move (a quick user, a test tool) is the user's next action.
        if (mouseMoved_ || leftButtonPressed_) {
            return false;
        }
        switch (message.kind) {
        case InputKind::MouseMove:
            mouseMoved_ = true;
            return true;
        case InputKind::LeftButtonDown:
        case InputKind::LeftButtonDoubleClick:
            leftButtonPressed_ = true;
            return true;
        default:
            return false;
        }
    }));
}

void WindowUserActivity::StopWatching() {
    filter_.reset();
}

bool WindowUserActivity::QuitRequested() const {
    return !window_.IsModalRunning() || window_.HasEnded();
}

} // namespace lumet

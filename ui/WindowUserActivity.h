#pragma once

#include "display/UserActivity.h"
#include "platform/window/InputFilterScope.h"

#include <optional>

namespace lumet {

class DialogWindow;

// The user's mouse over the dialog, watched through an input filter: while watching,
// the first mouse move or left-button press is noted and kept from the controls and
// the dialog; what follows it reaches them as usual. The window counts as closing once its modal
// run has ended or is not running.
class WindowUserActivity final : public UserActivity {
public:
    explicit WindowUserActivity(DialogWindow& window) : window_(window) {}

    void StartWatching() override;
    void StopWatching() override;
    bool MouseMoved() const override { return mouseMoved_; }
    bool LeftButtonPressed() const override { return leftButtonPressed_; }
    bool QuitRequested() const override;

private:
    DialogWindow& window_;
    std::optional<InputFilterScope> filter_;
    bool mouseMoved_ = false;
    bool leftButtonPressed_ = false;
};

} // namespace lumet

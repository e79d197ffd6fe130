#pragma once

#include "display/UserActivity.h"

namespace lumet::test {

// Mouse input and close requests as a test sets them, with a count of the watches.
class FakeUserActivity final : public UserActivity {
public:
    bool mouseMoved = false;
    bool leftButtonPressed = false;
    bool quitRequested = false;
    bool watching = false;
    int watchesStarted = 0;
    int watchesStopped = 0;

    void StartWatching() override {
        ++watchesStarted;
        watching = true;
        mouseMoved = false;
        leftButtonPressed = false;
    }
    void StopWatching() override {
        ++watchesStopped;
        watching = false;
    }
    bool MouseMoved() const override { return mouseMoved; }
    bool LeftButtonPressed() const override { return leftButtonPressed; }
    bool QuitRequested() const override { return quitRequested; }
};

} // namespace lumet::test

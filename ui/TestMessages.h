#pragma once

#include "pingtest/TestView.h"
#include "platform/dialogs/MessageBoxes.h"

#include <string>

namespace lumet {

// The boxes in which the window tells the user what kept a test from starting or
// going on. Each waits until the user has read it.
class TestMessages {
public:
    explicit TestMessages(MessageBoxes& messages) : messages_(messages) {}

    void Warn(TestProblem problem);
    void NoticeDroppedServer(const std::string& entry);

private:
    MessageBoxes& messages_;
};

} // namespace lumet

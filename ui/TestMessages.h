#pragma once

#include "pingtest/TestView.h"
#include "platform/dialogs/MessageBoxes.h"

#include <string>

namespace lumet {

// The boxes in which the window tells the user what kept a test from starting or
// going on, or its report from naming this host. Each waits until the user has
// read it.
class TestMessages {
public:
    explicit TestMessages(MessageBoxes& messages) : messages_(messages) {}

    void Warn(TestProblem problem);
    void NoticeDroppedServer(const std::string& entry);
    // The reports' local address: no host name (hostName empty) or no address for it.
    void LocalAddressUnknown(const std::string& hostName);

private:
    MessageBoxes& messages_;
};

} // namespace lumet

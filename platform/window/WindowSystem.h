#pragma once

#include "platform/window/HostWindow.h"

#include <memory>

namespace lumet {

class DialogWindow;

// Makes the host windows of one window system: Qt's on Linux, Win32's on Windows.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual std::unique_ptr<HostWindow> CreateHost(DialogWindow& window) = 0;
};

} // namespace lumet

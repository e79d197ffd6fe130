#pragma once

#include "platform/events/win32/Win32EventLoop.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/win32/Win32HostWindow.h"

#include <memory>

namespace lumet {

// Host windows on Win32, whose modal loops run the thread's event loop.
class Win32WindowSystem final : public WindowSystem {
public:
    explicit Win32WindowSystem(Win32EventLoop& loop) : loop_(loop) {}

    std::unique_ptr<HostWindow> CreateHost(DialogWindow& window) override {
        return std::make_unique<Win32HostWindow>(window, loop_);
    }

private:
    Win32EventLoop& loop_;
};

} // namespace lumet

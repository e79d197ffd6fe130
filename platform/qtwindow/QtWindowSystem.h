#pragma once

#include "platform/qtwindow/HostWidget.h"
#include "platform/window/WindowSystem.h"

#include <memory>

namespace lumet {

// Host windows as frameless Qt widgets. A QApplication must exist.
class QtWindowSystem final : public WindowSystem {
public:
    std::unique_ptr<HostWindow> CreateHost(DialogWindow& window) override {
        return std::make_unique<HostWidget>(window);
    }
};

} // namespace lumet

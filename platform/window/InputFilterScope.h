#pragma once

#include "platform/window/InputMessage.h"

#include <functional>
#include <utility>

namespace lumet {

// Sees an input message before the dialog does; true consumes it.
using InputFilter = std::function<bool(const InputMessage&)>;

// Keeps an input filter installed for its lifetime (DialogWindow::PushInputFilter).
class InputFilterScope {
public:
    explicit InputFilterScope(std::function<void()> remove) : remove_(std::move(remove)) {}
    ~InputFilterScope() { Reset(); }

    InputFilterScope(InputFilterScope&& other) noexcept
        : remove_(std::exchange(other.remove_, {})) {}
    InputFilterScope& operator=(InputFilterScope&& other) noexcept {
        if (this != &other) {
            Reset();
            remove_ = std::exchange(other.remove_, {});
        }
        return *this;
    }
    InputFilterScope(const InputFilterScope&) = delete;
    InputFilterScope& operator=(const InputFilterScope&) = delete;

    // Removes the filter now.
    void Reset() {
        if (remove_) {
            std::exchange(remove_, {})();
        }
    }

private:
    std::function<void()> remove_;
};

} // namespace lumet

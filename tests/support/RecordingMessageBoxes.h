#pragma once

#include "platform/dialogs/MessageBoxes.h"

#include <string>
#include <vector>

namespace lumet::test {

// Keeps every message box instead of showing it.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        bool application = false; // the application's own box (caption = application name)
        std::string caption;
        MessageIcon icon = MessageIcon::None;
        std::string text;
    };
    std::vector<Shown> shown;

    void ShowApplicationMessage(const std::string& text) override {
        shown.push_back({true, {}, MessageIcon::None, text});
    }

    void ShowMessage(const std::string& caption, MessageIcon icon,
                     const std::string& text) override {
        shown.push_back({false, caption, icon, text});
    }
};

} // namespace lumet::test

#pragma once

#include <string>

namespace lumet {

enum class MessageIcon { None, Information, Warning };

// Modal message boxes with an OK button. Tests replace it with a recorder.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // The application's own box: its caption is the application's name.
    virtual void ShowApplicationMessage(const std::string& text) = 0;

    // A box without owner window, with its own caption and icon.
    virtual void ShowMessage(const std::string& caption, MessageIcon icon,
                             const std::string& text) = 0;
};

} // namespace lumet

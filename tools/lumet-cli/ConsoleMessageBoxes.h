#pragma once

#include "platform/dialogs/MessageBoxes.h"

#include <ostream>

namespace lumet::cli {

// Message boxes as lines on the error stream: "caption: text".
class ConsoleMessageBoxes final : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& out) : out_(out) {}

    void ShowApplicationMessage(const std::string& text) override;
    void ShowMessage(const std::string& caption, MessageIcon icon,
                     const std::string& text) override;

private:
    std::ostream& out_;
};

} // namespace lumet::cli

#pragma once

#include "platform/dialogs/MessageBoxes.h"

#include <string>
#include <utility>

namespace lumet::cli {

// The window's list warnings name RANDOM.LST, the list in the program's folder;
// lumet-cli reads the file the user named, so its messages name that file.
class ListNamingMessages final : public MessageBoxes {
public:
    // An empty `listFile` passes every text on as it is.
    ListNamingMessages(MessageBoxes& messages, std::string listFile)
        : messages_(messages), listFile_(std::move(listFile)) {}

    void ShowApplicationMessage(const std::string& text) override;
    void ShowMessage(const std::string& caption, MessageIcon icon,
                     const std::string& text) override;

private:
    std::string Named(std::string text) const;

    MessageBoxes& messages_;
    std::string listFile_;
};

} // namespace lumet::cli

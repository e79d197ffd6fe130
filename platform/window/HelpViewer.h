#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "platform/window/HostWindow.h"

#include <filesystem>
#include <string>

namespace lumet {

// The program's help window: a small reader for the plain-text help file. It stays
// open beside the main window and is reused by the next request. Each window
// system shows the text its own way.
class HelpViewer {
public:
    static constexpr const char* kCaption = "Lumet Help";

    explicit HelpViewer(MessageBoxes& messages) : messages_(messages) {}
    virtual ~HelpViewer() = default;

    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows the file's text from its beginning; with an owner the viewer stays above
    // it and closes with it. A file that cannot be read is reported in a message box
    // that names the file and the directory it was looked for in. Returns whether the
    // viewer shows the file.
    bool Open(const std::filesystem::path& file, HostWindow* owner);

protected:
    // The text is UTF-8 with lines ending in "\n". The window shown before is
    // reused when its owner is the same.
    virtual void Show(const std::string& text, HostWindow* owner) = 0;

private:
    MessageBoxes& messages_;
};

} // namespace lumet

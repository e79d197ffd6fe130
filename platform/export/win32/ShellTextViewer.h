#pragma once

#include "platform/export/TextViewer.h"

#include <functional>

namespace lumet {

// Text files shown by the program the shell opens them with, Notepad, whose window
// is then known by the title it gives itself ("_report.txt - Notepad"). A window
// already showing the file is brought to the front rather than a second one opened.
class ShellTextViewer final : public TextViewer {
public:
    // Opens the file in a viewer of its own, as OpenWithShell does; false when none
    // could be started. Tests put a recorder in its place.
    using Opener = std::function<bool(const std::filesystem::path& file)>;

    // The shell's "open" verb, waiting until the viewer is ready for input.
    static bool OpenWithShell(const std::filesystem::path& file);

    explicit ShellTextViewer(Opener open = OpenWithShell) : open_(std::move(open)) {}

    bool Show(const std::filesystem::path& file, const std::string& title) override;
    void Place(const std::string& title, const Rect& screenRect) override;

private:
    Opener open_;
};

} // namespace lumet

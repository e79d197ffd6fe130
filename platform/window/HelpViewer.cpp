#include "platform/window/HelpViewer.h"

#include "platform/files/ReadRegularFile.h"

namespace lumet {

namespace {

// Far more than any help text; a larger file is not one.
constexpr std::uintmax_t kLargestHelpFile = 4 * 1024 * 1024;

std::string MissingFileText(const std::filesystem::path& file) {
    const std::filesystem::path absolute = std::filesystem::absolute(file);
    return "The help file " + absolute.filename().string() +
           " could not be opened.\n"
           "It is looked for in the current directory:\n" +
           absolute.parent_path().string() + "\n";
}

// Help files written on Windows end their lines in "\r\n".
std::string WithNewlines(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            lines += text[i];
        }
    }
    return lines;
}

} // namespace

bool HelpViewer::Open(const std::filesystem::path& file, HostWindow* owner) {
    const std::optional<std::string> text = ReadRegularFile(file, kLargestHelpFile);
    if (!text) {
        messages_.ShowMessage(kCaption, MessageIcon::Warning, MissingFileText(file));
        return false;
    }
    Show(WithNewlines(*text), owner);
    return true;
}

} // namespace lumet

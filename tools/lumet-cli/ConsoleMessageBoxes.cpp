#include "tools/lumet-cli/ConsoleMessageBoxes.h"

#include "tools/lumet-cli/TerminalText.h"

#include <algorithm>
#include <string_view>

namespace lumet::cli {

namespace {

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Box texts are laid out in lines for a dialog; on a console one line reads better,
// unless the text holds indented lines: commands, which must stay whole to be
// pasted. Each line stays printable.
std::string ForConsole(const std::string& text) {
    if (text.find("\n    ") == std::string::npos) {
        return Printable(OneLine(text));
    }
    std::string lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines += Printable(std::string_view(text).substr(start, end - start)) + '\n';
        start = end + 1;
    }
    return lines.substr(0, lines.size() - 1);
}

} // namespace

void ConsoleMessageBoxes::ShowApplicationMessage(const std::string& text) {
    out_ << "lumet-cli: " << ForConsole(text) << '\n';
}

void ConsoleMessageBoxes::ShowMessage(const std::string& caption, MessageIcon /*icon*/,
                                      const std::string& text) {
    out_ << Printable(caption) << ": " << ForConsole(text) << '\n';
}

} // namespace lumet::cli

#include "tools/lumet-cli/ConsoleMessageBoxes.h"

#include "tools/lumet-cli/TerminalText.h"

#include <algorithm>

namespace lumet::cli {

namespace {

// Box texts are laid out in lines for a dialog; on a console one line reads better.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

} // namespace

void ConsoleMessageBoxes::ShowApplicationMessage(const std::string& text) {
    out_ << "lumet-cli: " << Printable(OneLine(text)) << '\n';
}

void ConsoleMessageBoxes::ShowMessage(const std::string& caption, MessageIcon /*icon*/,
                                      const std::string& text) {
    out_ << Printable(caption) << ": " << Printable(OneLine(text)) << '\n';
}

} // namespace lumet::cli

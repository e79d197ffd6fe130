#include "tools/lumet-cli/HelpColumns.h"

namespace lumet::cli {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::string HelpColumns::Entry(std::string_view names, std::string_view description) const {
    std::size_t nameAt = 0;
    std::string text;
    const auto line = [&](std::string_view part) {
        std::string section(names.substr(nameAt, nameWidth_));
        nameAt += section.size();
        section.resize(std::max(section.size(), nameWidth_), ' ');
        text += "  " + section + " " + std::string(part) + "\n";
    };

    // The columns a description line may take beside the names; the line breaks
    // past that at its last space, or at the width when it has none. The first
    // character of a continued line is neither counted nor a place to break: the
    // layout lumet-cli's help has always had.
    const auto room = static_cast<std::ptrdiff_t>(79 - (2 + nameWidth_ + 1));
    std::ptrdiff_t column = 0;
    std::size_t lineStart = 0;
    std::size_t lastSpace = kNone;
    const std::size_t length = description.size();
    for (std::size_t i = 0; i < length; ++i) {
        ++column;
        const char c = description[i];
        if (IsSpace(c)) {
            lastSpace = i;
        }
        std::size_t breakAt = kNone;
        std::size_t next = kNone;
        if (column > room && lastSpace != kNone) {
            breakAt = lastSpace;
            next = lastSpace + 1;
        } else if ((column > room - 1 && lastSpace == kNone) || i == length - 1) {
            breakAt = i + 1;
            next = breakAt;
        } else if (c == '\n') {
            breakAt = i;
            next = i + 1;
        }
        if (breakAt == kNone) {
            continue;
        }
        line(description.substr(lineStart, breakAt - lineStart));
        column = 0;
        lastSpace = kNone;
        lineStart = next < length && IsSpace(description[next]) ? next + 1 : next;
        i = lineStart;
    }
    if (lineStart < length && !IsSpace(description[lineStart])) {
        // The last character, right after a break, was skipped like any first one.
        line(description.substr(lineStart));
    }
    while (nameAt < names.size()) {
        const std::string_view section = names.substr(nameAt, nameWidth_);
        nameAt += section.size();
        text += "  " + std::string(section) + "\n";
    }
    return text;
}

} // namespace lumet::cli

#include "tools/lumet-cli/TerminalText.h"

#include <array>
#include <cstdio>

namespace lumet::cli {

std::string Printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte <= 0x7E) {
            shown.push_back(c);
            continue;
        }
        std::array<char, 5> escaped{};
        std::snprintf(escaped.data(), escaped.size(), "\\x%02X", byte);
        shown += escaped.data();
    }
    return shown;
}

std::string WrongAddressMessage(std::string_view target) {
    return "lumet-cli: wrong address '" + Printable(target) +
           "': give a host name that starts with a lowercase letter and resolves, or a dotted "
           "IPv4 address\n";
}

} // namespace lumet::cli

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumet {

// IPv4 addresses in the text forms inet_aton reads, in network byte order, parsed
// and written by our own code so that every system reads them alike.
class DottedAddress {
public:
    // One to four parts separated by dots, each decimal, octal (leading 0) or hex
    // (leading 0x): "a.b.c.d", "a.b.c" (c fills 16 bits), "a.b" (b fills 24 bits) or
    // "a" (all 32 bits). Text after the address is allowed only after white space,
    // as inet_aton allows it. Nothing for anything else.
    static std::optional<std::uint32_t> Parse(std::string_view text);

    // Four decimal parts, as inet_ntoa writes them.
    static std::string Format(std::uint32_t networkOrder);
};

} // namespace lumet

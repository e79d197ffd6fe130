#pragma once

#include <cstdint>
#include <string>

namespace lumet {

// What the user asked to test and what it resolved to.
struct TargetStrings {
    std::string targetText;          // the target before resolution
    std::string addressText;         // the address field's text; the dotted address once resolved
    std::string domainName;          // the resolved host name; empty for a dotted target
    std::uint32_t targetAddress = 0; // network byte order
    std::string localAddressText;    // the local host's dotted address, empty until first found
};

} // namespace lumet

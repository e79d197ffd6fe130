#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumet {

// Name lookups; blocking, like the system resolver behind it.
class Resolver {
public:
    virtual ~Resolver() = default;

    // First IPv4 address of the name in network byte order, or 0 when the lookup fails.
    virtual std::uint32_t ResolveHostName(const std::string& name) = 0;

    // The local host's name, or nothing when it cannot be read.
    virtual std::optional<std::string> LocalHostName() = 0;
};

} // namespace lumet

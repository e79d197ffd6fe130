#pragma once

#include <cstdint>
#include <string>

namespace lumet {

// The blocking lookup a resolver's thread runs: the first IPv4 address getaddrinfo
// gives for the name, in network byte order; 0 when there is none. An empty name
// names no host (Windows would answer it with the machine's own addresses).
std::uint32_t FirstIpv4Address(const std::string& name);

} // namespace lumet

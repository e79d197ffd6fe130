#include "probe/ProbeEngine.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace lumet {

ProbeEngine::ProbeEngine(IcmpEcho& echo, Resolver& resolver) : echo_(echo), resolver_(resolver) {}

std::uint32_t ProbeEngine::SendEcho(std::uint32_t address, std::uint32_t timeoutMs) {
    const ProbeResult result = echo_.Echo(address, timeoutMs);
    replyStatus_ = result.status;
    replyTtl_ = result.ttl;
    replyDataSize_ = result.dataSize;
    return result.roundTripMs;
}

std::uint32_t ProbeEngine::ParseDottedAddress(const std::string& text) {
    return inet_addr(text.c_str());
}

std::uint32_t ProbeEngine::ResolveHostName(const std::string& name) {
    return resolver_.ResolveHostName(name);
}

std::string ProbeEngine::FormatDottedAddress(std::uint32_t address) {
    in_addr in{};
    in.s_addr = address;
    char text[INET_ADDRSTRLEN] = {};
    // inet_ntop instead of inet_ntoa: the same text without a shared static buffer.
    inet_ntop(AF_INET, &in, text, sizeof text);
    return text;
}

} // namespace lumet

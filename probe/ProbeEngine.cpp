#include "probe/ProbeEngine.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace lumet {

ProbeEngine::ProbeEngine(IcmpEcho& echo, Resolver& resolver) : echo_(echo), resolver_(resolver) {}

ProbeEngine::~ProbeEngine() {
    // The answer must not reach an engine, or a test, that is gone.
    CancelEcho();
}

void ProbeEngine::SendEcho(std::uint32_t address, std::uint32_t timeoutMs, EchoDone done) {
    echoPending_ = true;
    echo_.Start(address, timeoutMs, [this, done = std::move(done)](const ProbeResult& result) {
        echoPending_ = false;
        replyStatus_ = result.status;
        replyTtl_ = result.ttl;
        replyDataSize_ = result.dataSize;
        done(result.roundTripMs);
    });
}

void ProbeEngine::CancelEcho() {
    if (echoPending_) {
        echo_.Cancel();
        echoPending_ = false;
    }
}

std::uint32_t ProbeEngine::ParseDottedAddress(const std::string& text) {
    return inet_addr(text.c_str());
}

std::optional<std::uint32_t> ProbeEngine::TryParseDottedAddress(const std::string& text) {
    in_addr address{};
    if (inet_aton(text.c_str(), &address) == 0) {
        return std::nullopt;
    }
    return address.s_addr;
}

std::unique_ptr<IoWait> ProbeEngine::ResolveHostName(const std::string& name, Resolver::Done done) {
    return resolver_.ResolveHostName(name, std::move(done));
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

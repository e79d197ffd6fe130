#include "probe/ProbeEngine.h"

#include "probe/DottedAddress.h"

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
    return DottedAddress::Parse(text).value_or(0xFFFFFFFFu);
}

std::optional<std::uint32_t> ProbeEngine::TryParseDottedAddress(const std::string& text) {
    return DottedAddress::Parse(text);
}

std::unique_ptr<IoWait> ProbeEngine::ResolveHostName(const std::string& name, Resolver::Done done) {
    return resolver_.ResolveHostName(name, std::move(done));
}

std::string ProbeEngine::FormatDottedAddress(std::uint32_t address) {
    return DottedAddress::Format(address);
}

} // namespace lumet

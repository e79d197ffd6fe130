#include "probe/TargetResolver.h"

#include <algorithm>

namespace lumet {

namespace {

constexpr const char* kLoopbackText = "127.0.0.1";

bool StartsWithLowercaseLetter(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    // Compared as an unsigned byte, so characters above 0x7F count as "dotted" and get refused.
    const auto first = static_cast<unsigned char>(text.front());
    return first > 0x60 && first < 0x7B;
}

bool IsDigitsAndDots(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

} // namespace

TargetResolver::TargetResolver(ProbeEngine& engine, TargetStrings& target, AddressFieldView& field)
    : engine_(engine), target_(target), field_(field) {}

void TargetResolver::ResolveTarget(bool fallbackToLoopback, Resolved done) {
    targetLookup_.reset();
    target_.domainName.clear();
    if (StartsWithLowercaseLetter(target_.targetText)) {
        ResolveHostTarget(fallbackToLoopback, std::move(done));
        return;
    }
    done(ResolveDottedTarget(fallbackToLoopback));
}

void TargetResolver::ResolveHostTarget(bool fallbackToLoopback, Resolved done) {
    target_.domainName = target_.targetText;
    targetLookup_ = engine_.ResolveHostName(
        target_.targetText,
        [this, fallbackToLoopback, done = std::move(done)](std::uint32_t address) {
            OnHostResolved(address, fallbackToLoopback, done);
        });
}

void TargetResolver::OnHostResolved(std::uint32_t address, bool fallbackToLoopback,
                                    const Resolved& done) {
    // Everything a later lookup may need is taken before the answer is handed on.
    const Resolved then = done;
    targetLookup_.reset();
    target_.targetAddress = address;
    if (address == 0) {
        Refuse(fallbackToLoopback);
        target_.domainName.clear();
        then(false);
        return;
    }
    target_.addressText = ProbeEngine::FormatDottedAddress(address);
    field_.ShowResolvedAddress(target_.addressText);
    then(true);
}

bool TargetResolver::ResolveDottedTarget(bool fallbackToLoopback) {
    // Text such as "300.1", "1.2.3.4.5" or "" is refused like a name that does not
    // resolve: taken as it stands, inet_addr would make it the broadcast address.
    const std::optional<std::uint32_t> address =
        IsDigitsAndDots(target_.targetText) ? ProbeEngine::TryParseDottedAddress(target_.targetText)
                                            : std::nullopt;
    if (!address) {
        Refuse(fallbackToLoopback);
        target_.targetAddress = 0;
        return false;
    }
    target_.addressText = target_.targetText;
    target_.targetAddress = *address;
    return true;
}

bool TargetResolver::CheckAddressToRun() {
    if (ProbeEngine::TryParseDottedAddress(target_.addressText)) {
        return true;
    }
    Refuse(false);
    return false;
}

void TargetResolver::Refuse(bool fallbackToLoopback) {
    field_.ShowWrongAddress();
    if (fallbackToLoopback) {
        target_.addressText = kLoopbackText;
    }
}

void TargetResolver::GetLocalAddress(std::function<void()> done) {
    localLookup_.reset();
    const std::optional<std::string> hostName = engine_.resolver().LocalHostName();
    if (!hostName) {
        field_.ShowLocalAddressUnknown("");
        done();
        return;
    }
    localLookup_ = engine_.ResolveHostName(
        *hostName, [this, name = *hostName, done = std::move(done)](std::uint32_t address) {
            const std::function<void()> then = done;
            localLookup_.reset();
            if (address == 0) {
                field_.ShowLocalAddressUnknown(name);
            } else {
                target_.localAddressText = ProbeEngine::FormatDottedAddress(address);
            }
            then();
        });
}

} // namespace lumet

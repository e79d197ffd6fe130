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

TargetResolver::TargetResolver(ProbeEngine& engine, TargetStrings& target,
                               AddressFieldView& field, MessageBoxes& messages)
    : engine_(engine), target_(target), field_(field), messages_(messages) {}

bool TargetResolver::ResolveTarget(bool fallbackToLoopback) {
    target_.domainName.clear();
    if (StartsWithLowercaseLetter(target_.targetText)) {
        return ResolveHostTarget(fallbackToLoopback);
    }
    return ResolveDottedTarget(fallbackToLoopback);
}

bool TargetResolver::ResolveHostTarget(bool fallbackToLoopback) {
    target_.domainName = target_.targetText;
    target_.targetAddress = engine_.ResolveHostName(target_.targetText);
    if (target_.targetAddress == 0) {
        field_.ShowWrongAddress();
        if (fallbackToLoopback) {
            target_.addressText = kLoopbackText;
        }
        target_.domainName.clear();
        return false;
    }
    target_.addressText = ProbeEngine::FormatDottedAddress(target_.targetAddress);
    field_.ShowResolvedAddress(target_.addressText);
    return true;
}

bool TargetResolver::ResolveDottedTarget(bool fallbackToLoopback) {
    if (!IsDigitsAndDots(target_.targetText)) {
        field_.ShowWrongAddress();
        if (fallbackToLoopback) {
            target_.addressText = kLoopbackText;
        }
        target_.targetAddress = 0;
        return false;
    }
    // Text such as "300.1" or "" passes here on purpose: it is tested, and its probes fail.
    target_.addressText = target_.targetText;
    target_.targetAddress = ProbeEngine::ParseDottedAddress(target_.addressText);
    return true;
}

void TargetResolver::GetLocalAddress() {
    const std::optional<std::string> hostName = engine_.resolver().LocalHostName();
    if (!hostName) {
        messages_.ShowApplicationMessage("\nFailed to get Host Name\n");
        return;
    }
    const std::uint32_t address = engine_.ResolveHostName(*hostName);
    if (address == 0) {
        messages_.ShowApplicationMessage("\nFailed to get IP Address [" + *hostName + "]\n");
        return;
    }
    target_.localAddressText = ProbeEngine::FormatDottedAddress(address);
}

} // namespace lumet

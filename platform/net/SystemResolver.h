#pragma once

#include "platform/net/Resolver.h"

namespace lumet {

// The system resolver (getaddrinfo, gethostname): /etc/hosts, DNS and whatever
// else the name service switch is set up to ask.
class SystemResolver final : public Resolver {
public:
    std::uint32_t ResolveHostName(const std::string& name) override;
    std::optional<std::string> LocalHostName() override;
};

} // namespace lumet

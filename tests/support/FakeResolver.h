#pragma once

#include "platform/net/Resolver.h"

#include <map>
#include <string>
#include <vector>

namespace lumet::test {

// Answers from a fixed table; records every name it was asked for.
class FakeResolver final : public Resolver {
public:
    std::map<std::string, std::uint32_t> addresses; // network byte order
    std::optional<std::string> hostName = "testhost";
    std::vector<std::string> lookups;

    std::uint32_t ResolveHostName(const std::string& name) override {
        lookups.push_back(name);
        const auto found = addresses.find(name);
        return found == addresses.end() ? 0 : found->second;
    }

    std::optional<std::string> LocalHostName() override { return hostName; }
};

} // namespace lumet::test

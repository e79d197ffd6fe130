#pragma once

#include "platform/net/Resolver.h"

#include <map>
#include <string>
#include <vector>

namespace lumet::test {

// Answers from a fixed table, answerDelayMs after each question, through the
// loop's IoWatcher; records every name it was asked for.
class FakeResolver final : public Resolver {
public:
    std::map<std::string, std::uint32_t> addresses; // network byte order
    std::optional<std::string> hostName = "testhost";
    std::uint32_t answerDelayMs = 0;
    std::vector<std::string> lookups;

    explicit FakeResolver(IoWatcher& loop) : loop_(loop) {}

    std::unique_ptr<IoWait> ResolveHostName(const std::string& name, Done done) override {
        lookups.push_back(name);
        const auto found = addresses.find(name);
        const std::uint32_t address = found == addresses.end() ? 0 : found->second;
        return loop_.Watch(-1, answerDelayMs, {},
                           [address, done = std::move(done)] { done(address); });
    }

    std::optional<std::string> LocalHostName() override { return hostName; }

private:
    IoWatcher& loop_;
};

} // namespace lumet::test

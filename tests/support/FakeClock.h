#pragma once

#include "platform/clock/Clock.h"

#include <vector>

namespace lumet::test {

// A clock that moves only when told to, or when something sleeps on it.
class FakeClock final : public Clock {
public:
    std::uint32_t nowMs = 0;
    std::time_t startSeconds = 315626635; // Wed Jan 02 02:03:55 1980 UTC
    std::vector<std::uint32_t> sleeps;

    std::uint32_t MonotonicMs() const override { return nowMs; }
    std::time_t Now() const override { return startSeconds + nowMs / 1000; }
    void Sleep(std::uint32_t ms) override {
        sleeps.push_back(ms);
        Advance(ms);
    }

    void Advance(std::uint32_t ms) { nowMs += ms; }
};

} // namespace lumet::test

#pragma once

#include <cstdint>
#include <ctime>

namespace lumet {

// Time as an input, so that code driven by it runs on a fake clock in tests.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds from an arbitrary start; never goes backwards. Wraps at 2^32 like
    // a 32-bit millisecond counter, so compare differences, not values.
    virtual std::uint32_t MonotonicMs() const = 0;

    // Calendar time in seconds since the epoch.
    virtual std::time_t Now() const = 0;

    // Blocks for the given time without handling any events.
    virtual void Sleep(std::uint32_t ms) = 0;
};

} // namespace lumet

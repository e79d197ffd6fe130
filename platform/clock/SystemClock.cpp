#include "platform/clock/SystemClock.h"

#include <chrono>
#include <thread>

namespace lumet {

std::uint32_t SystemClock::MonotonicMs() const {
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count();
    // Deliberate wrap-around: callers work with differences of a 32-bit counter.
    return static_cast<std::uint32_t>(ms);
}

std::time_t SystemClock::Now() const {
    return std::time(nullptr);
}

void SystemClock::Sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace lumet

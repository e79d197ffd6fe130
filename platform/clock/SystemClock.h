#pragma once

#include "platform/clock/Clock.h"

namespace lumet {

class SystemClock final : public Clock {
public:
    std::uint32_t MonotonicMs() const override;
    std::time_t Now() const override;
    void Sleep(std::uint32_t ms) override;
};

} // namespace lumet

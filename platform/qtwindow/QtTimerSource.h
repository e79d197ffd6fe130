#pragma once

#include "platform/events/TimerSource.h"

namespace lumet {

// Timer sets on Qt's precise timers (WindowTimers).
class QtTimerSource final : public TimerSource {
public:
    std::unique_ptr<TimerSet> MakeTimers(TickHandler onTick) override;
};

} // namespace lumet

#pragma once

#include "platform/events/TimerSet.h"

#include <functional>
#include <memory>

namespace lumet {

// Makes the timer sets of a window and its controls: the window system's in the
// program, sets on a fake clock in tests.
class TimerSource {
public:
    using TickHandler = std::function<void(int id)>;

    virtual ~TimerSource() = default;

    // Ticks of the new set's timers go to onTick with the timer's id.
    [[nodiscard]] virtual std::unique_ptr<TimerSet> MakeTimers(TickHandler onTick) = 0;
};

} // namespace lumet

#pragma once

#include "platform/events/Timers.h"

namespace lumet {

// The timers of one window or control. Destroying the set stops them all.
class TimerSet : public Timers {
public:
    virtual void KillAll() = 0;
    virtual bool IsRunning(int id) const = 0;
};

} // namespace lumet

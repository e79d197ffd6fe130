#include "platform/window/QtTimerSource.h"

#include "platform/window/WindowTimers.h"

#include <utility>

namespace lumet {

std::unique_ptr<TimerSet> QtTimerSource::MakeTimers(TickHandler onTick) {
    return std::make_unique<WindowTimers>(std::move(onTick));
}

} // namespace lumet

#include "platform/qtwindow/QtTimerSource.h"

#include "platform/qtwindow/WindowTimers.h"

#include <utility>

namespace lumet {

std::unique_ptr<TimerSet> QtTimerSource::MakeTimers(TickHandler onTick) {
    return std::make_unique<WindowTimers>(std::move(onTick));
}

} // namespace lumet

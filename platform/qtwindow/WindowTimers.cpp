#include "platform/qtwindow/WindowTimers.h"

#include <QTimerEvent>
#include <algorithm>
#include <chrono>
#include <utility>

namespace lumet {

namespace {

constexpr std::uint32_t kMinimumPeriodMs = 10;
// Qt takes an int of milliseconds.
constexpr std::uint32_t kMaximumPeriodMs = 0x7FFFFFFF;

} // namespace

WindowTimers::WindowTimers(TickHandler onTick) : onTick_(std::move(onTick)) {}

WindowTimers::~WindowTimers() {
    KillAll();
}

void WindowTimers::SetTimer(int id, std::uint32_t periodMs) {
    KillTimer(id);
    const std::uint32_t period = std::clamp(periodMs, kMinimumPeriodMs, kMaximumPeriodMs);
    const int qtId =
        startTimer(std::chrono::milliseconds(static_cast<int>(period)), Qt::PreciseTimer);
    if (qtId != 0) {
        qtIds_[id] = qtId;
    }
}

void WindowTimers::KillTimer(int id) {
    const auto found = qtIds_.find(id);
    if (found == qtIds_.end()) {
        return;
    }
    killTimer(found->second);
    qtIds_.erase(found);
}

void WindowTimers::KillAll() {
    for (const auto& [id, qtId] : qtIds_) {
        killTimer(qtId);
    }
    qtIds_.clear();
}

void WindowTimers::timerEvent(QTimerEvent* event) {
    const auto found = std::find_if(qtIds_.begin(), qtIds_.end(), [event](const auto& entry) {
        return entry.second == event->timerId();
    });
    if (found != qtIds_.end() && onTick_) {
        onTick_(found->first);
    }
}

} // namespace lumet

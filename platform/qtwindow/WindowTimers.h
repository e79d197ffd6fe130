#pragma once

#include "platform/events/TimerSet.h"

#include <QObject>
#include <functional>
#include <map>

namespace lumet {

// The timers of one window (the dialog or a control), by id, on Qt's precise timers.
// Qt gives them the window system's timer behaviour: when ticks fall due while the
// thread is blocked, the timer fires once when the thread is free again and its next
// tick is one period after that, so the missed ticks collapse into one. A timer's
// tick is never delivered again while its own handler is still running (for example
// inside a message loop that the handler runs).
class WindowTimers final : public QObject, public TimerSet {
public:
    using TickHandler = std::function<void(int id)>;

    explicit WindowTimers(TickHandler onTick);
    ~WindowTimers() override;

    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;

    // A period below 10 ms runs at 10 ms, the window system's minimum.
    void SetTimer(int id, std::uint32_t periodMs) override;
    void KillTimer(int id) override;
    void KillAll() override;
    bool IsRunning(int id) const override { return qtIds_.contains(id); }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    TickHandler onTick_;
    std::map<int, int> qtIds_; // our id → Qt's timer id
};

} // namespace lumet

#pragma once

#include "platform/events/TimerSet.h"
#include "platform/events/TimerSource.h"
#include "platform/win32/Win32Api.h"

#include <set>

namespace lumet {

// The timers of one window or control on the system's WM_TIMER timers, which give
// the dialog its tick behaviour for free: ticks that fall due while the thread is
// busy collapse into one, and a period below USER_TIMER_MINIMUM (10 ms) runs at it.
// A tick is not delivered again while its own handler still runs (a message box
// inside it runs a message loop). Each set owns a message-only window, so ids of
// different sets never meet.
class Win32Timers final : public TimerSet {
public:
    explicit Win32Timers(TimerSource::TickHandler onTick);
    ~Win32Timers() override;

    Win32Timers(const Win32Timers&) = delete;
    Win32Timers& operator=(const Win32Timers&) = delete;

    void SetTimer(int id, std::uint32_t periodMs) override;
    void KillTimer(int id) override;
    void KillAll() override;
    bool IsRunning(int id) const override { return running_.count(id) != 0; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    TimerSource::TickHandler onTick_;
    HWND window_ = nullptr;
    std::set<int> running_;
    std::set<int> ticking_;
};

// Timer sets for the windows of the program on Windows.
class Win32TimerSource final : public TimerSource {
public:
    std::unique_ptr<TimerSet> MakeTimers(TickHandler onTick) override {
        return std::make_unique<Win32Timers>(std::move(onTick));
    }
};

} // namespace lumet

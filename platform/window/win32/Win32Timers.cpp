#include "platform/window/win32/Win32Timers.h"

namespace lumet {

namespace {

constexpr wchar_t kClassName[] = L"LumetTimers";

ATOM RegisterTimerClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
}

} // namespace

Win32Timers::Win32Timers(TimerSource::TickHandler onTick) : onTick_(std::move(onTick)) {
    static const ATOM registered = RegisterTimerClass(&Win32Timers::WindowProc);
    static_cast<void>(registered);
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

Win32Timers::~Win32Timers() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Win32Timers::SetTimer(int id, std::uint32_t periodMs) {
    // Without its window a set has no timers; nothing ticks rather than anything crashing.
    if (window_ != nullptr &&
        ::SetTimer(window_, static_cast<UINT_PTR>(id), periodMs, nullptr) != 0) {
        running_.insert(id);
    }
}

void Win32Timers::KillTimer(int id) {
    if (running_.erase(id) != 0) {
        ::KillTimer(window_, static_cast<UINT_PTR>(id));
    }
}

void Win32Timers::KillAll() {
    for (const int id : running_) {
        ::KillTimer(window_, static_cast<UINT_PTR>(id));
    }
    running_.clear();
}

LRESULT CALLBACK Win32Timers::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* const self = reinterpret_cast<Win32Timers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && self != nullptr) {
        const int id = static_cast<int>(wParam);
        // A tick already queued when its timer was killed still arrives.
        if (self->IsRunning(id) && self->onTick_ && self->ticking_.insert(id).second) {
            self->onTick_(id);
            // The handler may have destroyed the set (its window is then gone too).
            if (IsWindow(window) && GetWindowLongPtrW(window, GWLP_USERDATA) != 0) {
                self->ticking_.erase(id);
            }
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace lumet

#include "platform/events/win32/Win32EventLoop.h"

#include <algorithm>

namespace lumet {

class Win32EventLoop::Wait final : public IoWait {
public:
    explicit Wait(std::shared_ptr<Entry> entry) : entry_(std::move(entry)) {}
    ~Wait() override { entry_->active = false; }

private:
    std::shared_ptr<Entry> entry_;
};

std::unique_ptr<IoWait> Win32EventLoop::Watch(HANDLE handle, std::uint32_t timeoutMs,
                                              std::function<void()> signaled,
                                              std::function<void()> expired) {
    auto entry = std::make_shared<Entry>();
    entry->handle = handle;
    entry->forever = timeoutMs == kForever;
    entry->deadline = GetTickCount64() + timeoutMs;
    entry->signaled = std::move(signaled);
    entry->expired = std::move(expired);
    entries_.push_back(entry);
    return std::make_unique<Wait>(std::move(entry));
}

void Win32EventLoop::PumpMessages() {
    RunOnce(0);
}

void Win32EventLoop::WaitForMessages(std::uint32_t maxWaitMs) {
    RunOnce(maxWaitMs);
}

void Win32EventLoop::RunOnce(std::uint32_t maxWaitMs) {
    std::erase_if(entries_, [](const auto& entry) { return !entry->active; });
    // One wait call takes at most MAXIMUM_WAIT_OBJECTS - 1 handles besides the
    // message queue; the rest are still tested below, at the next time-out.
    std::vector<HANDLE> handles;
    const ULONGLONG now = GetTickCount64();
    ULONGLONG timeout = maxWaitMs;
    for (const auto& entry : entries_) {
        if (entry->handle != nullptr && handles.size() < MAXIMUM_WAIT_OBJECTS - 1) {
            handles.push_back(entry->handle);
        }
        if (!entry->forever) {
            timeout = std::min(timeout, entry->deadline > now ? entry->deadline - now : 0);
        }
    }
    MsgWaitForMultipleObjectsEx(static_cast<DWORD>(handles.size()), handles.data(),
                                static_cast<DWORD>(timeout), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // A callback may end any wait, its own included, and start new ones: work on a
    // copy and skip what has ended meanwhile.
    const std::vector<std::shared_ptr<Entry>> current = entries_;
    const ULONGLONG after = GetTickCount64();
    for (const auto& entry : current) {
        if (!entry->active) {
            continue;
        }
        if (entry->handle != nullptr && WaitForSingleObject(entry->handle, 0) == WAIT_OBJECT_0) {
            entry->active = false;
            if (entry->signaled) {
                entry->signaled();
            }
        } else if (!entry->forever && after >= entry->deadline) {
            entry->active = false;
            if (entry->expired) {
                entry->expired();
            }
        }
    }
}

} // namespace lumet

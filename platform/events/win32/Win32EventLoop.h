#pragma once

#include "platform/events/MessagePump.h"
#include "platform/events/win32/HandleWatcher.h"

#include <memory>
#include <vector>

namespace lumet {

// The thread's event loop on Windows: window messages and the waits of
// HandleWatcher, in one MsgWaitForMultipleObjectsEx call, so the window stays
// responsive while probes and lookups are pending.
class Win32EventLoop final : public HandleWatcher, public MessagePump {
public:
    Win32EventLoop() = default;
    Win32EventLoop(const Win32EventLoop&) = delete;
    Win32EventLoop& operator=(const Win32EventLoop&) = delete;

    [[nodiscard]] std::unique_ptr<IoWait> Watch(HANDLE handle, std::uint32_t timeoutMs,
                                                std::function<void()> signaled,
                                                std::function<void()> expired) override;

    void PumpMessages() override;
    void WaitForMessages(std::uint32_t maxWaitMs) override;

private:
    struct Entry {
        HANDLE handle = nullptr;
        ULONGLONG deadline = 0;
        bool forever = false;
        bool active = true;
        std::function<void()> signaled;
        std::function<void()> expired;
    };
    class Wait;

    void RunOnce(std::uint32_t maxWaitMs);

    std::vector<std::shared_ptr<Entry>> entries_;
};

} // namespace lumet

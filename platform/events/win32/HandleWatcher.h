#pragma once

#include "platform/events/IoWatcher.h"
#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace lumet {

// The Windows counterpart of IoWatcher: waits for a kernel object (an event, a
// thread) without blocking the thread; the event loop calls back when the wait ends.
class HandleWatcher {
public:
    static constexpr std::uint32_t kForever = 0xFFFFFFFFu;

    virtual ~HandleWatcher() = default;

    // From the event loop of the calling thread: `signaled` once when handle is
    // signaled, or `expired` once when timeoutMs have passed (kForever: never),
    // whichever comes first; then the wait is over. A null handle only times out.
    // Neither runs from within Watch. The loop tests the handle itself, so an
    // auto-reset event is reset by it.
    [[nodiscard]] virtual std::unique_ptr<IoWait> Watch(HANDLE handle, std::uint32_t timeoutMs,
                                                        std::function<void()> signaled,
                                                        std::function<void()> expired) = 0;
};

} // namespace lumet

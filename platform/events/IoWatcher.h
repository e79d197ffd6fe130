#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace lumet {

// A wait that the thread's event loop runs for us. Destroying it ends it, also from
// within its own callbacks: no call comes after that, not even one the loop had
// already seen due.
class IoWait {
public:
    virtual ~IoWait() = default;
};

// Lets code wait for a file descriptor or a time-out without blocking the thread:
// the event loop keeps handling everything else and calls back when the wait ends.
class IoWatcher {
public:
    virtual ~IoWatcher() = default;

    // From the event loop of the calling thread: `readable` each time fd has data
    // or an error pending (level-triggered, so the callback must read it; fd -1
    // watches nothing), and `expired` once when timeoutMs have passed. Neither
    // runs from within Watch, so a time-out of 0 defers `expired` to the loop.
    [[nodiscard]] virtual std::unique_ptr<IoWait> Watch(int fd, std::uint32_t timeoutMs,
                                                        std::function<void()> readable,
                                                        std::function<void()> expired) = 0;
};

} // namespace lumet

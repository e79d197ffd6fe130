#pragma once

#include "platform/events/IoWatcher.h"

namespace lumet {

// Waits on Qt's event loop: a socket notifier for the descriptor and a precise
// timer for the time-out.
class QtIoWatcher final : public IoWatcher {
public:
    std::unique_ptr<IoWait> Watch(int fd, std::uint32_t timeoutMs, std::function<void()> readable,
                                  std::function<void()> expired) override;
};

} // namespace lumet

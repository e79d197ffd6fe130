#pragma once

#include "platform/events/IoWatcher.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumet {

// Name lookups that leave the calling thread free: the answer comes back through
// the thread's event loop.
class Resolver {
public:
    using Done = std::function<void(std::uint32_t address)>;

    virtual ~Resolver() = default;

    // Starts looking the name up and returns at once. `done` runs from the event
    // loop with the name's first IPv4 address in network byte order, or 0 when the
    // lookup fails; never from within this call. Destroying the returned handle
    // abandons the lookup: `done` never runs then.
    [[nodiscard]] virtual std::unique_ptr<IoWait> ResolveHostName(const std::string& name,
                                                                  Done done) = 0;

    // The local host's name, or nothing when it cannot be read. It asks nobody, so
    // it answers at once.
    virtual std::optional<std::string> LocalHostName() = 0;
};

} // namespace lumet

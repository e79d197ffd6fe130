#pragma once

#include <cstdint>

namespace lumet {

// Lets long operations keep the window alive by handling its pending events.
class MessagePump {
public:
    virtual ~MessagePump() = default;

    // Handles every event already queued, then returns.
    virtual void PumpMessages() = 0;

    // Sleeps until an event arrives or maxWaitMs pass, handles what came, and
    // returns; the processor stays idle while nothing happens.
    virtual void WaitForMessages(std::uint32_t maxWaitMs) = 0;
};

} // namespace lumet

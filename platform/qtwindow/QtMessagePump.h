#pragma once

#include "platform/events/MessagePump.h"

namespace lumet {

// Pumps the GUI thread's Qt event queue. Events posted while pumping wait for the
// next PumpMessages call. A close request handled while pumping ends the dialog's
// modal run as soon as control returns to it.
class QtMessagePump final : public MessagePump {
public:
    void PumpMessages() override;

    // Blocks in the event dispatcher (no polling) until an event arrives or
    // maxWaitMs pass, then handles what is pending.
    void WaitForMessages(std::uint32_t maxWaitMs) override;
};

} // namespace lumet

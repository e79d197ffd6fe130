#pragma once

#include "platform/events/MessagePump.h"
#include "platform/events/Timers.h"

#include <functional>

namespace lumet::cli {

// The console's stand-in for a window's event queue, as the commands use it: timers
// by id whose missed ticks collapse into one, and an interrupt (Ctrl+C, or the
// system asking the program to end) delivered as an event. Each system has its own
// loop, which also runs the waits of its echo requests and lookups.
class ConsoleLoop : public Timers, public MessagePump {
public:
    using TickHandler = std::function<void(int id)>;
    // Gets the signal number: SIGINT for Ctrl+C; SIGTERM or, on Linux, SIGHUP when
    // the system or a closed terminal asks the program to end.
    using InterruptHandler = std::function<void(int signal)>;

    virtual void OnTick(TickHandler handler) = 0;
    virtual void OnInterrupt(InterruptHandler handler) = 0;
    virtual bool IsTimerRunning(int id) const = 0;

    // Handles events until `keepGoing` turns false.
    virtual void RunWhile(const std::function<bool()>& keepGoing) = 0;
};

} // namespace lumet::cli

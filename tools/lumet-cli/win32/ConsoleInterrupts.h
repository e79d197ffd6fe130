#pragma once

#include "platform/files/win32/UniqueHandle.h"

#include <windows.h>

namespace lumet::cli {

// The console's control events as interrupts a loop waits for: Ctrl+C and
// Ctrl+Break, the console window closing, the user logging off and the system
// shutting down. While this lives none of them ends the process by itself. Windows
// ends the process as soon as the handler returns from the last three, so the
// handler holds on until this is destroyed: a test still writes its reports, in the
// few seconds Windows allows. One at a time: the handler can reach only
// process-wide state.
class ConsoleInterrupts {
public:
    ConsoleInterrupts();
    ~ConsoleInterrupts();

    ConsoleInterrupts(const ConsoleInterrupts&) = delete;
    ConsoleInterrupts& operator=(const ConsoleInterrupts&) = delete;

    // Signaled when an interrupt comes, until Take().
    HANDLE Event() const { return event_.Get(); }
    // The first interrupt since the last call as a signal number, or 0: later ones
    // do not change the outcome.
    int Take();

    // SIGINT for Ctrl+C and Ctrl+Break, SIGTERM for the system ending the program,
    // 0 for an event that is no interrupt.
    static int SignalFor(DWORD controlEvent);

    // The handler Windows calls on a thread of its own; tests call it in its place.
    // TRUE when a loop takes the event, FALSE to leave it to the system.
    static BOOL WINAPI OnControlEvent(DWORD controlEvent);

private:
    UniqueHandle event_;
};

} // namespace lumet::cli

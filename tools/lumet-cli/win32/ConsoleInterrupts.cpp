#include "tools/lumet-cli/win32/ConsoleInterrupts.h"

#include <csignal>

namespace lumet::cli {

namespace {

// What the control handler shares with the loop. Windows runs the handler on a
// thread of its own, with no way to pass it an object: it reaches the loop's event
// through this, under a lock and a condition variable that need no cleanup.
struct Shared {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE released = CONDITION_VARIABLE_INIT;
    HANDLE event = nullptr; // null while no loop listens
    int signal = 0;         // the first interrupt not taken yet
};
Shared shared;

bool EndsTheProcess(DWORD controlEvent) {
    return controlEvent == CTRL_CLOSE_EVENT || controlEvent == CTRL_LOGOFF_EVENT ||
           controlEvent == CTRL_SHUTDOWN_EVENT;
}

} // namespace

BOOL WINAPI ConsoleInterrupts::OnControlEvent(DWORD controlEvent) {
    const int signal = SignalFor(controlEvent);
    AcquireSRWLockExclusive(&shared.lock);
    const bool listened = shared.event != nullptr && signal != 0;
    if (listened) {
        shared.signal = shared.signal != 0 ? shared.signal : signal;
        SetEvent(shared.event);
        while (EndsTheProcess(controlEvent) && shared.event != nullptr) {
            SleepConditionVariableSRW(&shared.released, &shared.lock, INFINITE, 0);
        }
    }
    ReleaseSRWLockExclusive(&shared.lock);
    // Unhandled, the next handler runs: the system's, which ends the process.
    return listened ? TRUE : FALSE;
}

// Manual reset: a wait for several objects would reset an auto-reset event before
// the loop could see which one it was.
ConsoleInterrupts::ConsoleInterrupts() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (!event_.Valid()) {
        return; // without the event Ctrl+C simply ends the process as usual
    }
    AcquireSRWLockExclusive(&shared.lock);
    shared.event = event_.Get();
    shared.signal = 0;
    ReleaseSRWLockExclusive(&shared.lock);
    SetConsoleCtrlHandler(OnControlEvent, TRUE);
}

ConsoleInterrupts::~ConsoleInterrupts() {
    if (!event_.Valid()) {
        return;
    }
    SetConsoleCtrlHandler(OnControlEvent, FALSE);
    AcquireSRWLockExclusive(&shared.lock);
    shared.event = nullptr;
    ReleaseSRWLockExclusive(&shared.lock);
    WakeAllConditionVariable(&shared.released);
}

int ConsoleInterrupts::Take() {
    AcquireSRWLockExclusive(&shared.lock);
    const int signal = shared.signal;
    shared.signal = 0;
    ResetEvent(event_.Get());
    ReleaseSRWLockExclusive(&shared.lock);
    return signal;
}

int ConsoleInterrupts::SignalFor(DWORD controlEvent) {
    switch (controlEvent) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        return SIGINT;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        return SIGTERM;
    default:
        return 0;
    }
}

} // namespace lumet::cli

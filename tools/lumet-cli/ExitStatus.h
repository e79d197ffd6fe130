#pragma once

namespace lumet::cli {

// How a command ended, in the order the exit status weighs it.
struct CommandOutcome {
    int signal = 0;                    // the signal that stopped the command, 0 for none
    bool signalIsTheWayToStop = false; // Ctrl+C ending a stay-alive test
    bool notPermitted = false;         // a probe could not be sent: no ICMP socket opens
    bool failed = false;               // a wrong target, no live host, a file not written
    int replies = 0;                   // probes that came back with status 0
};

// ping's convention where one fits: 0 when replies came, 1 when none did, 2 for
// errors. A missing ICMP permission is EX_NOPERM from sysexits.h, so a script can
// tell "not allowed" from "no answer"; a signal that cuts a command short gives the
// shell's 128 + N.
int ExitStatus(const CommandOutcome& outcome);

} // namespace lumet::cli

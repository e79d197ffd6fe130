#pragma once

#include "platform/posix/UniqueFd.h"

#include <string>

namespace lumet {

// What is left after GiveUpGrantedPrivileges.
struct PrivilegeDrop {
    // A raw ICMP socket opened with the granted CAP_NET_RAW, for a user whose group
    // may not open ping sockets; invalid when ping sockets work or nothing was granted.
    UniqueFd rawSocket;
    // The program was started with privileges its user does not have. Its command
    // line is the user's too: options that make Qt load code must not reach Qt.
    bool granted = false;
    // Why the privileges could not be given up; empty on success. The program must
    // not go on when this is set.
    std::string failure;
};

// A program given CAP_NET_RAW through file capabilities (setcap), or made set-id,
// runs with privileges its user does not have, while Qt loads plugins from
// directories that user names in the environment. This keeps only what probing
// needs, one raw ICMP socket, and then gives every granted privilege up for good:
// the user's own ids come back, all capabilities go, and the environment that
// names plugin directories is removed. Call it first thing in main, before any
// library can load code. A program started normally is left as it is (root
// included: those privileges are the user's own).
PrivilegeDrop GiveUpGrantedPrivileges();

} // namespace lumet

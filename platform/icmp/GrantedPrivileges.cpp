#include "platform/icmp/GrantedPrivileges.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <linux/capability.h>
#include <netinet/in.h>
#include <sys/auxv.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lumet {

namespace {

// Variables that make Qt or the toolkits below it load code from a directory or
// module list of the user's choosing. With the capability gone they could reach
// only the raw socket, but that socket sees the host's ICMP traffic.
constexpr std::array kCodeLoadingVariables = {
    "QT_PLUGIN_PATH",
    "QT_QPA_PLATFORM_PLUGIN_PATH",
    "QT_QPA_GENERIC_PLUGINS",
    "QT_QPA_PLATFORMTHEME",
    "QT_STYLE_OVERRIDE",
    "QT_IM_MODULE",
    "QT_XCB_GL_INTEGRATION",
    "QT_ACCESSIBILITY",
    "GTK_MODULES",
    "GTK3_MODULES",
    "GIO_EXTRA_MODULES",
    "GIO_MODULE_DIR",
};

std::string Failed(const char* what) {
    return std::string("could not give up the privileges granted to this program (") + what + ": " +
           std::strerror(errno) + ")";
}

// capset(2) through the system call: no libcap needed for "nothing at all".
bool ClearCapabilities() {
    __user_cap_header_struct header{};
    header.version = _LINUX_CAPABILITY_VERSION_3;
    header.pid = 0;
    std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> none{};
    return syscall(SYS_capset, &header, none.data()) == 0;
}

bool HoldsAnyCapability() {
    __user_cap_header_struct header{};
    header.version = _LINUX_CAPABILITY_VERSION_3;
    std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> held{};
    if (syscall(SYS_capget, &header, held.data()) != 0) {
        return true;
    }
    for (const __user_cap_data_struct& word : held) {
        if (word.permitted != 0 || word.effective != 0 || word.inheritable != 0) {
            return true;
        }
    }
    return false;
}

// Opened with the user's own credentials, a ping socket works after the drop too.
bool PingSocketsAllowed() {
    const UniqueFd probe(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
    return probe.Valid();
}

} // namespace

PrivilegeDrop GiveUpGrantedPrivileges() {
    PrivilegeDrop result;
    // The kernel sets AT_SECURE when exec granted capabilities or changed ids.
    if (getauxval(AT_SECURE) == 0) {
        return result;
    }
    result.granted = true;
    for (const char* name : kCodeLoadingVariables) {
        unsetenv(name);
    }
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    // The ping-socket check runs with the group the user will have afterwards.
    if (setresgid(gid, gid, gid) != 0) {
        result.failure = Failed("setresgid");
        return result;
    }
    if (!PingSocketsAllowed()) {
        // EPERM here: nothing granted the capability (a set-gid build); the probes
        // then report that ICMP is not permitted.
        result.rawSocket.Reset(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
    }
    if (setresuid(uid, uid, uid) != 0) {
        result.failure = Failed("setresuid");
        return result;
    }
    if (!ClearCapabilities()) {
        result.failure = Failed("capset");
        return result;
    }
    if (HoldsAnyCapability()) {
        errno = EPERM;
        result.failure = Failed("capget");
    }
    return result;
}

} // namespace lumet

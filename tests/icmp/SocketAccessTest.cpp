#include "platform/icmp/GrantedPrivileges.h"
#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "platform/posix/UniqueFd.h"
#include "tests/icmp/CraftedPackets.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Which status a probe gets when its socket will not open, and the raw socket a
// program keeps when it gives its capability up. Each case runs in a child
// process, since it takes away what the rest of the suite needs.

namespace lumet::test {
namespace {

using Kind = LinuxIcmpEcho::SocketKind;

void DropAllCapabilities() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> none{};
    syscall(SYS_capset, &header, none.data());
}

UniqueFd KeepNothing() {
    return {};
}

UniqueFd KeepRawSocket() {
    return UniqueFd(socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
}

void UseUpDescriptors() {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = 64;
    setrlimit(RLIMIT_NOFILE, &limit);
    while (dup(STDERR_FILENO) >= 0) {
    }
}

// The statuses of `probes` loopback probes, made in a child whose echo keeps what
// `keep` opened, after `then` took something away.
std::vector<std::uint32_t> StatusesInChild(UniqueFd (*keep)(), void (*then)(), Kind kind,
                                           int probes) {
    int channel[2];
    if (pipe(channel) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        LinuxIcmpEcho echo(kind, nullptr, keep());
        then();
        for (int probe = 0; probe < probes; ++probe) {
            const std::uint32_t status = echo.Echo(Address("127.0.0.1"), 1000).status;
            if (write(channel[1], &status, sizeof status) != sizeof status) {
                _exit(1);
            }
        }
        _exit(0);
    }
    close(channel[1]);
    std::vector<std::uint32_t> statuses;
    std::uint32_t status = 0;
    while (read(channel[0], &status, sizeof status) == sizeof status) {
        statuses.push_back(status);
    }
    close(channel[0]);
    int exitStatus = 0;
    waitpid(child, &exitStatus, 0);
    EXPECT_TRUE(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0);
    return statuses;
}

struct AccessRow {
    const char* fault;
    UniqueFd (*keep)();
    void (*then)();
    Kind kind;
    std::uint32_t status; // of each of three probes
};

class SocketAccess : public testing::TestWithParam<AccessRow> {};

TEST_P(SocketAccess, StatusSaysWhetherTheUserMustAct) {
    const AccessRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const UniqueFd raw(socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (!raw.Valid()) {
        GTEST_SKIP() << "needs CAP_NET_RAW to take it away: " << std::strerror(errno);
    }
    EXPECT_EQ(StatusesInChild(row.keep, row.then, row.kind, 3),
              std::vector<std::uint32_t>(3, row.status));
}

INSTANTIATE_TEST_SUITE_P(
    LinuxIcmpEcho, SocketAccess,
    testing::Values(
        AccessRow{"a missing capability not reported as missing ICMP permission", KeepNothing,
                  DropAllCapabilities, Kind::RawOnly, IcmpStatus::kNoIcmpSocket},
        AccessRow{"running out of descriptors taken for a missing permission, which ends "
                  "the test",
                  KeepNothing, UseUpDescriptors, Kind::RawOnly, IcmpStatus::kGeneralFailure},
        AccessRow{"the kept raw socket not used, or closed after the first probe", KeepRawSocket,
                  DropAllCapabilities, Kind::RawOnly, IcmpStatus::kSuccess}));

// Privileges the user started the program with are the user's own: a test run as
// root, like this one, keeps them, and nothing is kept open for it.
TEST(GrantedPrivileges, AProgramStartedNormallyKeepsWhatItWasStartedWith) {
    const bool rawBefore = UniqueFd(socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP)).Valid();
    const PrivilegeDrop drop = GiveUpGrantedPrivileges();
    EXPECT_TRUE(drop.failure.empty()) << drop.failure;
    EXPECT_FALSE(drop.granted);
    EXPECT_FALSE(drop.rawSocket.Valid());
    EXPECT_EQ(UniqueFd(socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP)).Valid(), rawBefore);
}

} // namespace
} // namespace lumet::test

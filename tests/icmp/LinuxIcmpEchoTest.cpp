#include "platform/icmp/LinuxIcmpEcho.h"

#include "platform/icmp/IcmpStatus.h"
#include "platform/posix/UniqueFd.h"
#include "tests/icmp/CraftedPackets.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <sys/socket.h>

namespace lumet::test {
namespace {

using Kind = LinuxIcmpEcho::SocketKind;

const std::uint32_t kLoopback = Address("127.0.0.1");

// Why a raw ICMP socket cannot be opened here, or empty.
std::string RawSocketUnavailable() {
    const UniqueFd fd(socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
    return fd.Valid() ? std::string{} : std::string("no raw ICMP socket: ") + std::strerror(errno);
}

TEST(LinuxIcmpEchoLoopback, RawSocketEchoOfLocalhost) {
    if (const std::string reason = RawSocketUnavailable(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    LinuxIcmpEcho echo(Kind::RawOnly);
    for (int probe = 0; probe < 3; ++probe) {
        const ProbeResult result = echo.Echo(kLoopback, 1000);
        EXPECT_EQ(result.status, IcmpStatus::kSuccess);
        EXPECT_LT(result.roundTripMs, 1000u);
        EXPECT_EQ(result.dataSize, 0);
        EXPECT_EQ(result.ttl, 64);
        EXPECT_TRUE(echo.LastAnswerDelay().has_value());
    }
}

} // namespace
} // namespace lumet::test

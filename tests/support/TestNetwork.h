#pragma once

#include "tests/support/NetworkNamespace.h"
#include "tests/support/ResponderPackets.h"
#include "tests/support/TunResponder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

namespace lumet::test {

// A private network for probe tests, in a namespace of the calling thread's own:
// loopback up, the TUN device kDevice at 10.200.0.1/24 answered by a TunResponder,
// the simulated hosts of 198.51.100.0/24 routed into it, 203.0.113.0/24 routed as
// unreachable, and no default route. Sockets for it must be opened on the thread
// that built it. Nothing outside the namespace changes.
class TestNetwork {
public:
    struct Options {
        // Lets every group open ping sockets (net.ipv4.ping_group_range of the namespace).
        bool pingSockets = true;
    };

    static constexpr const char* kDevice = "lumet0";
    static constexpr std::uint32_t kLocalAddress = Ipv4Address(10, 200, 0, 1);
    static constexpr std::uint32_t kRouter = Ipv4Address(10, 200, 0, 254);
    static constexpr std::uint32_t kHost = Ipv4Address(198, 51, 100, 7);
    static constexpr std::uint32_t kOtherHost = Ipv4Address(198, 51, 100, 8);
    static constexpr std::uint32_t kUnreachableHost = Ipv4Address(203, 0, 113, 9);
    static constexpr std::uint32_t kNoRouteHost = Ipv4Address(192, 0, 2, 1);
    static constexpr std::uint32_t kLoopback = Ipv4Address(127, 0, 0, 1);
    static constexpr const char* kPingGroupRange = "/proc/sys/net/ipv4/ping_group_range";
    static constexpr const char* kNeedsPrivilege =
        "needs root (CAP_SYS_ADMIN and CAP_NET_ADMIN) to create a network namespace";

    // Throws std::system_error.
    explicit TestNetwork(Options options);

    // The network, or null with `skipReason` set when the process may not build
    // one. Other failures throw std::system_error.
    static std::unique_ptr<TestNetwork> Create(Options options, std::string& skipReason);

    TunResponder& Responder() { return responder_; }

private:
    NetworkNamespace namespace_; // first: everything below lives inside it
    TunResponder responder_;
};

} // namespace lumet::test

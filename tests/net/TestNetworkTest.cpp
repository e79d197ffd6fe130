#include "tests/support/TestNetwork.h"

#include <gtest/gtest.h>
#include <memory>
#include <net/if.h>
#include <string>

namespace lumet::test {
namespace {

// The namespace must stay private to the test: nothing it sets may show outside.
TEST(TestNetworkTest, LeavesTheHostsNamespaceAsItWas) {
    const std::string hostRange = NetworkNamespace::ReadSysctl(TestNetwork::kPingGroupRange);
    std::string skipReason;
    auto network = TestNetwork::Create({}, skipReason);
    if (!network) {
        GTEST_SKIP() << skipReason;
    }

    EXPECT_EQ(NetworkNamespace::ReadSysctl(TestNetwork::kPingGroupRange), "0\t2147483647");
    EXPECT_NE(if_nametoindex(TestNetwork::kDevice), 0u);
    network.reset();

    EXPECT_EQ(NetworkNamespace::ReadSysctl(TestNetwork::kPingGroupRange), hostRange);
    EXPECT_EQ(if_nametoindex(TestNetwork::kDevice), 0u);
}

TEST(TestNetworkTest, KeepsTheKernelsPingGroupRangeWhenAsked) {
    std::string skipReason;
    const auto network = TestNetwork::Create({.pingSockets = false}, skipReason);
    if (!network) {
        GTEST_SKIP() << skipReason;
    }

    EXPECT_EQ(NetworkNamespace::ReadSysctl(TestNetwork::kPingGroupRange), "1\t0");
}

} // namespace
} // namespace lumet::test

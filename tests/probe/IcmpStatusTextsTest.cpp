#include "probe/IcmpStatusTexts.h"

#include "platform/icmp/IcmpStatus.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

TEST(IcmpStatusTexts, CoversTheWholeRangeByOffset) {
    EXPECT_EQ(IcmpStatusText(11000), "Error Base");
    EXPECT_EQ(IcmpStatusText(11002), "Destination net unreachable.");
    EXPECT_EQ(IcmpStatusText(11010), "Request timed out.");
    EXPECT_EQ(IcmpStatusText(11013), "TTL expired in transit.");
    EXPECT_EQ(IcmpStatusText(11020), "Spec MNU change.");
    EXPECT_EQ(IcmpStatusText(11022), "Unload.");
    for (const auto& text : IcmpStatusTexts) {
        EXPECT_FALSE(text.empty());
    }
}

TEST(IcmpStatusTexts, CodesOutsideTheTableHaveTheirOwnTexts) {
    EXPECT_EQ(IcmpStatusText(10999), "General failure.");
    EXPECT_EQ(IcmpStatusText(11023), "General failure.");
    EXPECT_EQ(IcmpStatusText(IcmpStatus::kGeneralFailure), "General failure.");
    EXPECT_EQ(IcmpStatusText(IcmpStatus::kTruncatedReply), "Reply truncated.");
}

TEST(IcmpStatusTexts, MissingSocketTextSaysHowToAllowIcmp) {
    const std::string_view text = IcmpStatusText(IcmpStatus::kNoIcmpSocket);
    EXPECT_NE(text.find("net.ipv4.ping_group_range"), std::string_view::npos);
    EXPECT_NE(text.find("setcap cap_net_raw+ep /"), std::string_view::npos)
        << "names the program by its absolute path: " << text;
}

} // namespace
} // namespace lumet

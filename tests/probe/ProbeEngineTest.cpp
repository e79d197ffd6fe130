#include "probe/ProbeEngine.h"
#include "tests/support/FakeResolver.h"
#include "tests/support/ScriptedIcmpEcho.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

TEST(ProbeEngine, SendEchoKeepsTheNewestReplyFields) {
    test::ScriptedIcmpEcho echo;
    test::FakeResolver resolver;
    ProbeEngine engine(echo, resolver);
    echo.queued = {{12, 0, 57, 0}, {kNoRoundTrip, 11010, 0, 0}};

    EXPECT_EQ(engine.SendEcho(0x0100007F, 1000), 12u);
    EXPECT_EQ(engine.ReplyStatus(), 0u);
    EXPECT_EQ(engine.ReplyTtl(), 57);

    EXPECT_EQ(engine.SendEcho(0x0100007F, 2500), kNoRoundTrip);
    EXPECT_EQ(engine.ReplyStatus(), 11010u);
    EXPECT_EQ(engine.ReplyTtl(), 0);
    ASSERT_EQ(echo.requests.size(), 2u);
    EXPECT_EQ(echo.requests[1].timeoutMs, 2500u);
}

struct DottedCase {
    const char* text;
    std::uint32_t address; // network byte order
};

class ParseDottedAddress : public testing::TestWithParam<DottedCase> {};

// inet_addr's own rules: short forms, octal and hex parts, all ones on error.
TEST_P(ParseDottedAddress, MatchesInetAddr) {
    EXPECT_EQ(ProbeEngine::ParseDottedAddress(GetParam().text), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDottedAddress,
                         testing::Values(DottedCase{"127.0.0.1", 0x0100007F},
                                         DottedCase{"10.0.0.1", 0x0100000A},
                                         DottedCase{"127.1", 0x0100007F},
                                         DottedCase{"010.0.0.1", 0x01000008},
                                         DottedCase{"255.255.255.255", 0xFFFFFFFF},
                                         DottedCase{"256.0.0.1", 0xFFFFFFFF},
                                         DottedCase{"1.2.3.4.5", 0xFFFFFFFF},
                                         DottedCase{"", 0xFFFFFFFF}));

TEST(ProbeEngine, FormatDottedAddressWritesFourDecimalParts) {
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(0x0100007F), "127.0.0.1");
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(0), "0.0.0.0");
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(0xFFFFFFFF), "255.255.255.255");
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(ProbeEngine::ParseDottedAddress("010.0.0.1")),
              "8.0.0.1");
}

} // namespace
} // namespace lumet

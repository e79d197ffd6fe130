#include "probe/ProbeEngine.h"

#include "tests/support/FakeResolver.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/ScriptedIcmpEcho.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumet {
namespace {

class ProbeEngineTest : public testing::Test {
protected:
    // Sends one probe; the answer, when it comes, lands in `answers`.
    void Send(std::uint32_t timeoutMs) {
        engine.SendEcho(0x0100007F, timeoutMs,
                        [this](std::uint32_t rtt) { answers.push_back(rtt); });
    }

    test::FakeClock clock;
    test::FakeTimers loop{clock};
    test::ScriptedIcmpEcho echo{loop};
    test::FakeResolver resolver{loop};
    ProbeEngine engine{echo, resolver};
    std::vector<std::uint32_t> answers;
};

TEST_F(ProbeEngineTest, TheAnswerComesThroughTheLoopWithTheNewestReplyFields) {
    struct Row {
        const char* fault;
        ProbeResult result;
    };
    const Row rows[] = {
        {"a reply's fields are lost", {12, 0, 57, 0}},
        {"a time-out keeps the previous reply's TTL", {kNoRoundTrip, 11010, 0, 0}},
        {"the data size is not passed on", {0, 0, 255, 56}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        answers.clear();
        echo.queued = {row.result};
        echo.answerDelayMs = 40;

        Send(2500);
        EXPECT_TRUE(answers.empty()) << "answered from within SendEcho";
        EXPECT_TRUE(engine.EchoPending());
        loop.RunFor(40);

        EXPECT_EQ(answers, std::vector<std::uint32_t>{row.result.roundTripMs});
        EXPECT_FALSE(engine.EchoPending());
        EXPECT_EQ(engine.ReplyStatus(), row.result.status);
        EXPECT_EQ(engine.ReplyTtl(), row.result.ttl);
        EXPECT_EQ(engine.ReplyDataSize(), row.result.dataSize);
    }
    EXPECT_EQ(echo.requests.back().timeoutMs, 2500u);
}

TEST_F(ProbeEngineTest, ACancelledProbeNeverAnswersAndLeavesTheFieldsAlone) {
    echo.queued = {{7, 0, 60, 0}, {kNoRoundTrip, 11003, 9, 0}};
    Send(1000);
    loop.RunFor(0);
    Send(1000);

    engine.CancelEcho();
    loop.RunFor(5000);

    EXPECT_EQ(answers, std::vector<std::uint32_t>{7});
    EXPECT_FALSE(engine.EchoPending());
    EXPECT_EQ(engine.ReplyStatus(), 0u);
    EXPECT_EQ(engine.ReplyTtl(), 60);
}

TEST_F(ProbeEngineTest, AnEngineThatGoesAwayAbandonsItsProbe) {
    {
        ProbeEngine shortLived(echo, resolver);
        shortLived.SendEcho(0x0100007F, 1000,
                            [this](std::uint32_t rtt) { answers.push_back(rtt); });
    }
    loop.RunFor(1000);
    EXPECT_TRUE(answers.empty());
    EXPECT_FALSE(echo.InFlight());
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

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDottedAddress,
    testing::Values(DottedCase{"127.0.0.1", 0x0100007F}, DottedCase{"10.0.0.1", 0x0100000A},
                    DottedCase{"127.1", 0x0100007F}, DottedCase{"010.0.0.1", 0x01000008},
                    DottedCase{"255.255.255.255", 0xFFFFFFFF}, DottedCase{"256.0.0.1", 0xFFFFFFFF},
                    DottedCase{"1.2.3.4.5", 0xFFFFFFFF}, DottedCase{"", 0xFFFFFFFF}));

TEST(ProbeEngine, FormatDottedAddressWritesFourDecimalParts) {
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(0x0100007F), "127.0.0.1");
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(0), "0.0.0.0");
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(0xFFFFFFFF), "255.255.255.255");
    EXPECT_EQ(ProbeEngine::FormatDottedAddress(ProbeEngine::ParseDottedAddress("010.0.0.1")),
              "8.0.0.1");
}

} // namespace
} // namespace lumet

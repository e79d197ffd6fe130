#include "tools/lumet-cli/CommandLine.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

TEST(CommandLine, ProbeTakesCountTimeoutAndOneTarget) {
    const ParseOutcome parsed =
        ParseCommandLine({"probe", "--count", "7", "localhost", "--timeout", "2500"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(parsed.commandLine->command, "probe");
    EXPECT_EQ(parsed.commandLine->argument, "localhost");
    EXPECT_EQ(parsed.commandLine->count, 7);
    EXPECT_EQ(parsed.commandLine->timeoutMs, 2500);
}

struct BadLine {
    std::vector<std::string> arguments;
    const char* errorPart;
};

class RefusedCommandLine : public testing::TestWithParam<BadLine> {};

TEST_P(RefusedCommandLine, SaysWhatIsWrong) {
    const ParseOutcome parsed = ParseCommandLine(GetParam().arguments);
    EXPECT_FALSE(parsed.commandLine);
    EXPECT_NE(parsed.error.find(GetParam().errorPart), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedCommandLine,
    testing::Values(BadLine{{}, "no command"}, BadLine{{"ping", "x"}, "unknown command 'ping'"},
                    BadLine{{"probe"}, "no target"},
                    BadLine{{"probe", "a", "b"}, "more than one target"},
                    BadLine{{"probe", "--count"}, "--count needs a value"},
                    BadLine{{"probe", "--count", "0", "a"}, "from 1 to 999"},
                    BadLine{{"probe", "--count", "1000", "a"}, "from 1 to 999"},
                    BadLine{{"probe", "--count", "5x", "a"}, "not '5x'"},
                    BadLine{{"probe", "--count", "-3", "a"}, "from 1 to 999"},
                    BadLine{{"probe", "--timeout", "999", "a"}, "from 1000 to 10000"},
                    BadLine{{"probe", "--verbose", "a"}, "unknown option '--verbose'"}));

} // namespace
} // namespace lumet::cli

#include "tools/lumet-cli/CommandLine.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

using Action = ParseOutcome::Action;

struct GoodLine {
    const char* fault;
    std::vector<std::string> arguments;
    CommandLine expected;
};

class AcceptedCommandLine : public testing::TestWithParam<GoodLine> {};

TEST_P(AcceptedCommandLine, GivesWhatWasAskedFor) {
    const GoodLine& row = GetParam();
    SCOPED_TRACE(row.fault);
    const ParseOutcome parsed = ParseCommandLine(row.arguments);
    ASSERT_EQ(parsed.action, Action::Run) << parsed.text;
    ASSERT_TRUE(parsed.commandLine);
    const CommandLine& line = *parsed.commandLine;
    EXPECT_EQ(line.command, row.expected.command);
    EXPECT_EQ(line.argument, row.expected.argument);
    EXPECT_EQ(line.count, row.expected.count);
    EXPECT_EQ(line.timeoutMs, row.expected.timeoutMs);
    EXPECT_EQ(line.intervalSeconds, row.expected.intervalSeconds);
    EXPECT_EQ(line.stayIntervalSeconds, row.expected.stayIntervalSeconds);
    EXPECT_EQ(line.save, row.expected.save);
    EXPECT_EQ(line.format, row.expected.format);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AcceptedCommandLine,
    testing::Values(
        GoodLine{"options after the target ignored",
                 {"probe", "--count", "7", "localhost", "--timeout", "2500"},
                 {"probe", "localhost", 7, 2500}},
        GoodLine{"the --name=value form refused",
                 {"probe", "--count=3", "127.0.0.1"},
                 {"probe", "127.0.0.1", 3}},
        GoodLine{"json taken for text",
                 {"probe", "--format", "json", "127.0.0.1"},
                 {.command = "probe", .argument = "127.0.0.1", .format = OutputFormat::Json}},
        GoodLine{"--save or the interval lost",
                 {"run", "--save", "--interval", "5", "gw.test"},
                 {.command = "run", .argument = "gw.test", .intervalSeconds = 5, .save = true}},
        GoodLine{"the stay-alive interval put in the wrong field",
                 {"stay", "--stay-interval", "60", "gw.test"},
                 {.command = "stay", .argument = "gw.test", .stayIntervalSeconds = 60}},
        GoodLine{"a file name that is not UTF-8 changed by decoding",
                 {"random", "caf\xe9.lst"},
                 {.command = "random", .argument = "caf\xe9.lst"}},
        GoodLine{"a lone dash (a file named -) taken for an option",
                 {"random", "-"},
                 {.command = "random", .argument = "-"}}));

struct BadLine {
    std::vector<std::string> arguments;
    const char* errorPart;
};

class RefusedCommandLine : public testing::TestWithParam<BadLine> {};

TEST_P(RefusedCommandLine, SaysWhatIsWrong) {
    const ParseOutcome parsed = ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(parsed.action, Action::Refuse);
    EXPECT_FALSE(parsed.commandLine);
    EXPECT_NE(parsed.text.find(GetParam().errorPart), std::string::npos) << parsed.text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedCommandLine,
    testing::Values(BadLine{{}, "no command"}, BadLine{{"ping", "x"}, "unknown command 'ping'"},
                    BadLine{{"probe"}, "no target"}, BadLine{{"random"}, "no list file"},
                    BadLine{{"probe", "a", "b"}, "more than one target"},
                    BadLine{{"probe", "--count"}, "--count"},
                    BadLine{{"probe", "--count", "0", "a"}, "from 1 to 999"},
                    BadLine{{"probe", "--count", "1000", "a"}, "from 1 to 999"},
                    BadLine{{"probe", "--count", "5x", "a"}, "not '5x'"},
                    BadLine{{"probe", "--count", "-3", "a"}, "from 1 to 999"},
                    BadLine{{"probe", "--timeout", "999", "a"}, "from 1000 to 10000"},
                    BadLine{{"probe", "--verbose", "a"}, "verbose"},
                    BadLine{{"probe", "--save", "a"}, "save"},
                    BadLine{{"run", "--stay-interval", "60", "a"}, "stay-interval"},
                    BadLine{{"stay", "--count", "3", "a"}, "count"},
                    BadLine{{"probe", "--format", "xml", "a"}, "text or json, not 'xml'"},
                    BadLine{{"--count", "3", "probe", "a"}, "count"}));

struct HelpRow {
    const char* fault;
    std::vector<std::string> arguments;
    Action action;
    std::vector<std::string> mentions;
    std::vector<std::string> omits;
};

class HelpAndVersion : public testing::TestWithParam<HelpRow> {};

TEST_P(HelpAndVersion, AnswerOnStdoutWithSuccess) {
    const HelpRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const ParseOutcome parsed = ParseCommandLine(row.arguments);
    EXPECT_EQ(parsed.action, row.action);
    for (const std::string& word : row.mentions) {
        EXPECT_NE(parsed.text.find(word), std::string::npos) << word << " in\n" << parsed.text;
    }
    for (const std::string& word : row.omits) {
        EXPECT_EQ(parsed.text.find(word), std::string::npos) << word << " in\n" << parsed.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HelpAndVersion,
    testing::Values(
        HelpRow{"--help taken for an unknown command",
                {"--help"},
                Action::ShowHelp,
                {"Usage: lumet-cli", "probe", "run", "stay", "random", "--version", "77"},
                {"<executable_name>"}},
        HelpRow{"-h not the short form of --help", {"-h"}, Action::ShowHelp, {"Usage:"}, {}},
        HelpRow{"a command's help without its options, or with another's",
                {"probe", "--help"},
                Action::ShowHelp,
                {"Usage: lumet-cli probe", "--count", "--timeout", "--format", "TARGET"},
                {"--save", "--stay-interval", "--interval "}},
        HelpRow{"the stay-alive help offering a count it refuses",
                {"stay", "-h"},
                Action::ShowHelp,
                {"lumet-cli stay", "--stay-interval", "--save", "_report.txt"},
                {"--count"}},
        HelpRow{"the random help naming a target instead of the list",
                {"random", "--help"},
                Action::ShowHelp,
                {"LISTFILE"},
                {"TARGET"}},
        HelpRow{"no --version", {"--version"}, Action::ShowVersion, {"lumet-cli 1.0\n"}, {}},
        HelpRow{"-V not the short form of --version", {"-V"}, Action::ShowVersion, {"1.0"}, {}}));

} // namespace
} // namespace lumet::cli

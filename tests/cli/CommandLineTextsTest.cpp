#include "tools/lumet-cli/CommandLine.h"

#include <gtest/gtest.h>

// What lumet-cli says about its command line, word for word, and the option forms
// people and scripts have come to use.

namespace lumet::cli {
namespace {

using Action = ParseOutcome::Action;

struct TextRow {
    const char* fault;
    std::vector<std::string> arguments;
    Action action;
    std::string text;
};

class CommandLineText : public testing::TestWithParam<TextRow> {};

TEST_P(CommandLineText, IsWhatLumetCliHasAlwaysSaid) {
    const TextRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const ParseOutcome parsed = ParseCommandLine(row.arguments);
    EXPECT_EQ(parsed.action, row.action);
    EXPECT_EQ(parsed.text, row.text);
}

const std::string kProgramHelp =
    "Usage: lumet-cli [options] COMMAND [options]\n"
    "Measures a connection's quality with ICMP echo requests.\n"
    "\n"
    "Commands:\n"
    "  probe   sends N probes one second apart (default 4) and rates them\n"
    "  run     a test of PingCount probes, one every PingInterval seconds\n"
    "  stay    probes every StayAliveInterval seconds until Ctrl+C\n"
    "  random  tests the first host of LISTFILE that resolves\n"
    "\n"
    "'lumet-cli COMMAND --help' describes a command.\n"
    "\n"
    "Exit status: 0 when replies came, 1 when none did, 2 for an error, 77 when ICMP\n"
    "is not permitted, 128 + N when signal N cut the command short.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Shows this help.\n"
    "  -V, --version  Shows the version.\n"
    "\n"
    "Arguments:\n"
    "  command        probe, run, stay or random\n";

const std::string kStayHelp =
    "Usage: lumet-cli stay [options] TARGET\n"
    "Probes every StayAliveInterval seconds until Ctrl+C, as STA in the window. Writes "
    "_report.txt and _report.bmp in the current directory.\n"
    "\n"
    "Options:\n"
    "  -h, --help           Shows this help.\n"
    "  --timeout <MS>       Time-out of each probe, 1000 to 10000 ms.\n"
    "  --stay-interval <S>  Seconds between stay-alive probes, 10 to 999.\n"
    "  --save               Keeps the settings used in the profile.\n"
    "  --format <FORMAT>    text (the default), or json: one object a line.\n"
    "\n"
    "Arguments:\n"
    "  target               a host name starting with a lowercase letter, or a\n"
    "                       dotted IPv4 address\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandLineText,
    testing::Values(
        TextRow{"the program's help laid out anew", {"--help"}, Action::ShowHelp, kProgramHelp},
        TextRow{
            "'help' not a way to ask for it", {"help", "probe"}, Action::ShowHelp, kProgramHelp},
        TextRow{"a command's help laid out anew, its target help not wrapped",
                {"stay", "-help"},
                Action::ShowHelp,
                kStayHelp},
        TextRow{"-hV not read as -h -V, the version winning",
                {"-hV"},
                Action::ShowVersion,
                "lumet-cli 1.0\n"},
        TextRow{"an unknown option not named",
                {"probe", "--bogus", "a"},
                Action::Refuse,
                "Unknown option 'bogus'."},
        TextRow{"only the first of several unknown options named",
                {"probe", "--bogus", "-x", "a"},
                Action::Refuse,
                "Unknown options: bogus, x."},
        TextRow{"an unknown program option accepted with --version",
                {"--version", "--bogus"},
                Action::Refuse,
                "Unknown option 'bogus'."},
        TextRow{"an unknown letter before the command accepted",
                {"-x", "probe", "a"},
                Action::Refuse,
                "Unknown option 'x'."},
        TextRow{"a missing value not said",
                {"run", "a", "--interval"},
                Action::Refuse,
                "Missing value after '--interval'."},
        TextRow{"a value for --save ignored",
                {"run", "--save=no", "a"},
                Action::Refuse,
                "Unexpected value after '--save'."},
        TextRow{"the option after --format taken for an option",
                {"probe", "--format", "--count", "3", "a"},
                Action::Refuse,
                "--format takes text or json, not '--count'"},
        TextRow{"an empty count taken for the default",
                {"probe", "--count=", "a"},
                Action::Refuse,
                "--count takes a whole number from 1 to 999, not ''"},
        TextRow{"a count with a plus sign or spaces accepted",
                {"probe", "--count", "+3", "a"},
                Action::Refuse,
                "--count takes a whole number from 1 to 999, not '+3'"},
        TextRow{"the options after -- still parsed",
                {"probe", "--", "a", "--count", "3"},
                Action::Refuse,
                "more than one target given"}));

struct FormRow {
    const char* fault;
    std::vector<std::string> arguments;
    std::string argument;
    std::optional<int> count;
    OutputFormat format;
};

class OptionForm : public testing::TestWithParam<FormRow> {};

TEST_P(OptionForm, IsTaken) {
    const FormRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const ParseOutcome parsed = ParseCommandLine(row.arguments);
    ASSERT_EQ(parsed.action, Action::Run) << parsed.text;
    EXPECT_EQ(parsed.commandLine->argument, row.argument);
    EXPECT_EQ(parsed.commandLine->count, row.count);
    EXPECT_EQ(parsed.commandLine->format, row.format);
}

INSTANTIATE_TEST_SUITE_P(Forms, OptionForm,
                         testing::Values(FormRow{"a repeated option keeping its first value",
                                                 {"probe", "--count", "2", "--count", "5", "a"},
                                                 "a",
                                                 5,
                                                 OutputFormat::Text},
                                         FormRow{"single-dash words not read as long options",
                                                 {"probe", "-count", "3", "-format=json", "a"},
                                                 "a",
                                                 3,
                                                 OutputFormat::Json},
                                         FormRow{
                                             "a list file named like an option after -- refused",
                                             {"random", "--", "--help"},
                                             "--help",
                                             std::nullopt,
                                             OutputFormat::Text}));

} // namespace
} // namespace lumet::cli

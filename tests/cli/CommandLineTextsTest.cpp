#include "tools/lumet-cli/CommandLine.h"

#include <gtest/gtest.h>

// What lumet-cli says about its command line, word for word.

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

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandLineText,
    testing::Values(
        TextRow{"the program's help laid out anew", {"--help"}, Action::ShowHelp, kProgramHelp},
        TextRow{
            "'help' not a way to ask for it", {"help", "probe"}, Action::ShowHelp, kProgramHelp},
        TextRow{"-hV not read as -h -V, the version winning",
                {"-hV"},
                Action::ShowVersion,
                "lumet-cli 1.0\n"},
        TextRow{"an unknown program option accepted with --version",
                {"--version", "--bogus"},
                Action::Refuse,
                "Unknown option 'bogus'."},
        TextRow{"an unknown letter before the command accepted",
                {"-x", "probe", "a"},
                Action::Refuse,
                "Unknown option 'x'."},
        TextRow{"the option after --format taken for an option",
                {"probe", "--format", "--count", "3", "a"},
                Action::Refuse,
                "--format takes text or json, not '--count'"},
        TextRow{"an empty count taken for the default",
                {"probe", "--count=", "a"},
                Action::Refuse,
                "--count takes a whole number from 1 to 999, not ''"},
        TextRow{"a count with a plus sign accepted",
                {"probe", "--count", "+3", "a"},
                Action::Refuse,
                "--count takes a whole number from 1 to 999, not '+3'"},
        TextRow{"the options after -- still parsed",
                {"probe", "--", "a", "--count", "3"},
                Action::Refuse,
                "more than one target given"}));

} // namespace
} // namespace lumet::cli

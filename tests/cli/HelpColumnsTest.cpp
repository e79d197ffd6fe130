#include "tools/lumet-cli/HelpColumns.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

struct ColumnsRow {
    const char* fault;
    std::size_t nameWidth;
    std::string names;
    std::string description;
    std::string text;
};

class HelpEntry : public testing::TestWithParam<ColumnsRow> {};

TEST_P(HelpEntry, KeepsNamesAndDescriptionInTheirColumns) {
    const ColumnsRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    EXPECT_EQ(HelpColumns(row.nameWidth).Entry(row.names, row.description), row.text);
}

const std::string kTargetHelp =
    "a host name starting with a lowercase letter, or a dotted IPv4 address";

INSTANTIATE_TEST_SUITE_P(
    HelpColumns, HelpEntry,
    testing::Values(
        ColumnsRow{"the description not in its column", 12, "--count <N>",
                   "Probes of a test, 1 to 999.", "  --count <N>  Probes of a test, 1 to 999.\n"},
        ColumnsRow{"a line wrapped past 79 columns or not at its last space", 20, "target",
                   kTargetHelp,
                   "  target               a host name starting with a lowercase letter, or a\n"
                   "                       dotted IPv4 address\n"},
        ColumnsRow{"a continued line wrapped one character earlier than the help always was", 10,
                   "-x", "a " + std::string(67, 'b') + " cd",
                   "  -x         a\n"
                   "             " +
                       std::string(67, 'b') +
                       "\n"
                       "             cd\n"},
        ColumnsRow{"a word longer than the line running past 79 columns", 3, "-x",
                   std::string(80, 'z'),
                   "  -x  " + std::string(73, 'z') +
                       "\n"
                       "      " +
                       std::string(7, 'z') + "\n"},
        ColumnsRow{"names wider than their column pushing the description aside", 10,
                   "--stay-interval <S>", "Seconds.",
                   "  --stay-int Seconds.\n"
                   "  erval <S>\n"},
        ColumnsRow{"a line break in the description leaving the column", 4, "-a", "first\nsecond",
                   "  -a   first\n"
                   "       second\n"},
        ColumnsRow{"the last character after a line break dropped", 4, "-a", "ab\nc",
                   "  -a   ab\n"
                   "       c\n"},
        ColumnsRow{"an option without a description padded with spaces", 8, "--save", "",
                   "  --save\n"}));

} // namespace
} // namespace lumet::cli

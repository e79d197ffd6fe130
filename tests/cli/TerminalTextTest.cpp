#include "tools/lumet-cli/TerminalText.h"

#include "tools/lumet-cli/ConsoleMessageBoxes.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace lumet::cli {
namespace {

struct PrintableCase {
    const char* name;
    std::string raw;
    std::string shown;
};

class PrintableText : public testing::TestWithParam<PrintableCase> {};

TEST_P(PrintableText, ReachesTheTerminalWithoutControlBytes) {
    const PrintableCase& c = GetParam();
    const std::string shown = Printable(c.raw);
    EXPECT_EQ(shown, c.shown);
    for (const char byte : shown) {
        EXPECT_TRUE(byte >= 0x20 && byte <= 0x7E) << static_cast<int>(byte);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrintableText,
    testing::Values(PrintableCase{"HostName", "gw-1.example.test", "gw-1.example.test"},
                    // A list entry that would clear the screen and retitle the terminal.
                    PrintableCase{"EscapeSequences", "a\x1b[2J\x1b]0;owned\x07",
                                  "a\\x1B[2J\\x1B]0;owned\\x07"},
                    // A line end inside an entry would forge an output line of its own.
                    PrintableCase{"LineEnds", "x\r\ny\tz", "x\\x0D\\x0Ay\\x09z"},
                    PrintableCase{"Delete", "a\x7f", "a\\x7F"},
                    // The one-byte CSI of 8-bit terminals, and a stray Latin-1 byte.
                    PrintableCase{"HighBytes",
                                  "\x9b"
                                  "31m\xe9",
                                  "\\x9B31m\\xE9"},
                    PrintableCase{"NulInside", std::string("a\0b", 3), "a\\x00b"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(TerminalTextTest, MessagesWithAListEntryArePrintedEscaped) {
    std::ostringstream out;
    ConsoleMessageBoxes boxes(out);
    boxes.ShowApplicationMessage("\nCould not resolve bad\x1b[2Jentry\n");
    EXPECT_EQ(out.str(), "lumet-cli: Could not resolve bad\\x1B[2Jentry\n");
    EXPECT_EQ(WrongAddressMessage("\x1b[1m").find('\x1b'), std::string::npos);
}

} // namespace
} // namespace lumet::cli

#include "probe/IcmpStatusTexts.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tools/lumet-cli/ConsoleMessageBoxes.h"
#include "tools/lumet-cli/PictureModule.h"

#include <gtest/gtest.h>
#include <sstream>

// How the window's messages read on a terminal.

namespace lumet::cli {
namespace {

struct ConsoleRow {
    const char* fault;
    std::string text;
    std::string printed;
};

class ConsoleMessage : public testing::TestWithParam<ConsoleRow> {};

TEST_P(ConsoleMessage, ReadsAsLinesOnATerminal) {
    SCOPED_TRACE(GetParam().fault);
    std::ostringstream err;
    ConsoleMessageBoxes messages(err);
    messages.ShowMessage("Lumet Warning", MessageIcon::Warning, GetParam().text);
    EXPECT_EQ(err.str(), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    ConsoleMessageBoxes, ConsoleMessage,
    testing::Values(ConsoleRow{"a dialog's line breaks kept on the terminal",
                               "The file\nwas not\nfound. \n",
                               "Lumet Warning: The file was not found.\n"},
                    ConsoleRow{"commands joined into one line that cannot be pasted",
                               "Allow it with:\n    sudo a\nor:\n    sudo b\n",
                               "Lumet Warning: Allow it with:\n    sudo a\nor:\n    sudo b\n"},
                    ConsoleRow{"an escape sequence in a command line reaching the terminal",
                               "Run:\n    cmd \x1b[2J\n",
                               "Lumet Warning: Run:\n    cmd \\x1B[2J\n"}));

TEST(ConsoleMessageBoxes, TheIcmpAdviceKeepsEachCommandWhole) {
    std::ostringstream err;
    ConsoleMessageBoxes messages(err);
    messages.ShowMessage("Lumet Warning", MessageIcon::Warning, IcmpPermissionAdvice());
    EXPECT_NE(err.str().find("\n    sudo sysctl -w net.ipv4.ping_group_range=\"0 2147483647\"\n"),
              std::string::npos)
        << err.str();
}

TEST(PictureModule, AMissingModuleFailsTheWriteWithItsPath) {
    test::RecordingMessageBoxes messages;
    PictureModule module("/nonexistent/lumet-cli-picture.so");
    std::error_code why;
    EXPECT_FALSE(module.Write(ReportData{}, "/tmp/never-written.bmp", messages, why));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("/nonexistent/lumet-cli-picture.so"), std::string::npos)
        << messages.shown[0].text;
    // Asked again, it says so again rather than crash on the half-loaded module.
    EXPECT_FALSE(module.Write(ReportData{}, "/tmp/never-written.bmp", messages, why));
    EXPECT_EQ(messages.shown.size(), 2u);
}

} // namespace
} // namespace lumet::cli

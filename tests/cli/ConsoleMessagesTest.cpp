#include "probe/IcmpStatusTexts.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tools/lumet-cli/ConsoleMessageBoxes.h"
#include "tools/lumet-cli/ListNamingMessages.h"
#include "tools/lumet-cli/PictureModule.h"

#include <gtest/gtest.h>
#include <sstream>

// How the window's messages read on a terminal, and which file they name.

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

struct NamingRow {
    const char* fault;
    std::string listFile;
    std::string text;
    std::string shown;
};

class ListNaming : public testing::TestWithParam<NamingRow> {};

TEST_P(ListNaming, NamesTheFileTheUserGave) {
    const NamingRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    test::RecordingMessageBoxes recorded;
    ListNamingMessages messages(recorded, row.listFile);
    messages.ShowMessage("Lumet Warning", MessageIcon::Warning, row.text);
    messages.ShowApplicationMessage(row.text);
    ASSERT_EQ(recorded.shown.size(), 2u);
    EXPECT_EQ(recorded.shown[0].text, row.shown);
    EXPECT_EQ(recorded.shown[0].caption, "Lumet Warning");
    EXPECT_EQ(recorded.shown[1].text, row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    ListNamingMessages, ListNaming,
    testing::Values(NamingRow{"a warning about RANDOM.LST for a list the user named",
                              "/srv/lists/eu.lst", "The file RANDOM.LST does not\ncontains",
                              "The file /srv/lists/eu.lst does not\ncontains"},
                    NamingRow{"a name containing RANDOM.LST replaced again and again",
                              "RANDOM.LST.old", "RANDOM.LST and RANDOM.LST",
                              "RANDOM.LST.old and RANDOM.LST.old"},
                    NamingRow{"texts changed in a command without a list", "",
                              "The file RANDOM.LST", "The file RANDOM.LST"},
                    NamingRow{"other texts touched", "x.lst", "The address a.test\nseems dead",
                              "The address a.test\nseems dead"}));

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

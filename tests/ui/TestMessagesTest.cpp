#include "ui/TestMessages.h"

#include "tests/support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>
#include <optional>

// The boxes in which the window tells what kept a test from starting or going on.

namespace lumet {
namespace {

struct MessageRow {
    const char* fault;
    std::optional<TestProblem> problem; // none: the dropped-server notice for "deadhost"
    const char* caption;
    MessageIcon icon;
    std::vector<const char*> passages; // each found in the text, in this order
};

class TestMessage : public testing::TestWithParam<MessageRow> {};

TEST_P(TestMessage, TellsWhatHappenedInItsBox) {
    const MessageRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    test::RecordingMessageBoxes boxes;
    TestMessages messages(boxes);
    if (row.problem) {
        messages.Warn(*row.problem);
    } else {
        messages.NoticeDroppedServer("deadhost");
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    const test::RecordingMessageBoxes::Shown& box = boxes.shown[0];
    EXPECT_FALSE(box.application);
    EXPECT_EQ(box.caption, row.caption);
    EXPECT_EQ(box.icon, row.icon);
    std::size_t at = 0;
    for (const char* passage : row.passages) {
        at = box.text.find(passage, at);
        EXPECT_NE(at, std::string::npos) << passage << " in\n" << box.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TestMessages, TestMessage,
    testing::Values(MessageRow{"a missing list told as a used-up one, or in a notice box",
                               TestProblem::ServerListUnreadable,
                               "Lumet Warning",
                               MessageIcon::Warning,
                               {"The file RANDOM.LST which should\n",
                                "not found, or file is corrupted.\n", "missing file.\n"}},
                    MessageRow{"a used-up list told as a missing one",
                               TestProblem::ServerListUsedUp,
                               "Lumet Warning",
                               MessageIcon::Warning,
                               {"The file RANDOM.LST does not\n",
                                "contains enough valid entries.\n",
                                "Please recreate server list. \n"}},
                    // Each way to allow ICMP on a line of its own, whole, so it can be read and
                    // pasted: the status line cut these commands off.
                    MessageRow{"the ICMP commands cut off or run together",
                               TestProblem::IcmpNotPermitted,
                               "Lumet Warning",
                               MessageIcon::Warning,
                               {"\n    sudo sysctl -w net.ipv4.ping_group_range=",
                                "\n    sudo setcap cap_net_raw+ep /"}},
                    MessageRow{"the dropped entry not named, or told as a warning",
                               std::nullopt,
                               "Lumet Notice",
                               MessageIcon::Information,
                               {"The address deadhost\n", "seems to be pretty dead, and\n",
                                "should be removed from the list. \n"}}));

struct LocalAddressRow {
    const char* fault;
    std::string hostName;
    std::string text;
};

class LocalAddressMessage : public testing::TestWithParam<LocalAddressRow> {};

TEST_P(LocalAddressMessage, TellsWhichStepFailedInTheApplicationsBox) {
    const LocalAddressRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    test::RecordingMessageBoxes boxes;
    TestMessages(boxes).LocalAddressUnknown(row.hostName);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].application);
    EXPECT_EQ(boxes.shown[0].text, row.text);
}

INSTANTIATE_TEST_SUITE_P(
    TestMessages, LocalAddressMessage,
    testing::Values(LocalAddressRow{"a missing host name told as a failed lookup", "",
                                    "\nFailed to get Host Name\n"},
                    LocalAddressRow{"the host whose lookup failed not named", "unknown-host",
                                    "\nFailed to get IP Address [unknown-host]\n"}));

} // namespace
} // namespace lumet

#include "platform/window/win32/Win32HelpViewer.h"

#include "res/Resources.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace lumet::test {
namespace {

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Each row: the help file's bytes, what the viewer must show, and the fault.
struct HelpCase {
    const char* fault;
    std::string bytes;
    std::string shown;
};

TEST(Win32HelpViewerTest, ShowsTheFileAsTextWithItsLines) {
    const HelpCase cases[] = {
        {"lines lost or joined", "LUMET HELP\nline two\n", "LUMET HELP\nline two\n"},
        {"a help file written on Windows showing doubled line breaks", "LUMET HELP\r\nline two\r\n",
         "LUMET HELP\nline two\n"},
        {"UTF-8 shown as code page characters", "Vitesse \xC3\xA9lev\xC3\xA9\x65\n",
         "Vitesse \xC3\xA9lev\xC3\xA9\x65\n"},
    };
    TemporaryDirectory directory;
    RecordingMessageBoxes messages;
    Win32HelpViewer viewer(messages);
    HWND first = nullptr;
    for (const HelpCase& c : cases) {
        const std::filesystem::path file = directory.path() / "lumet.hlp";
        Write(file, c.bytes);
        ASSERT_TRUE(viewer.Open(file, nullptr)) << c.fault;
        EXPECT_EQ(viewer.Text(), c.shown) << c.fault;
        ASSERT_NE(viewer.Window(), nullptr) << c.fault;
        // Catches a viewer that opens a new window on every request.
        first = first == nullptr ? viewer.Window() : first;
        EXPECT_EQ(viewer.Window(), first) << c.fault;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Win32HelpViewerTest, AFileThatCannotBeReadIsNamedInAWarning) {
    TemporaryDirectory directory;
    RecordingMessageBoxes messages;
    Win32HelpViewer viewer(messages);
    // A folder where the file should be: it opens, but is no help text.
    std::filesystem::create_directory(directory.path() / "lumet.hlp");
    for (const char* name : {"missing.hlp", "lumet.hlp"}) {
        EXPECT_FALSE(viewer.Open(directory.path() / name, nullptr)) << name;
        ASSERT_FALSE(messages.shown.empty()) << name;
        EXPECT_EQ(messages.shown.back().caption, HelpViewer::kCaption);
        EXPECT_EQ(messages.shown.back().icon, MessageIcon::Warning);
        EXPECT_NE(messages.shown.back().text.find(name), std::string::npos)
            << messages.shown.back().text;
    }
    EXPECT_EQ(viewer.Window(), nullptr);
}

} // namespace
} // namespace lumet::test

#include "platform/export/win32/ShellTextViewer.h"

#include "platform/files/win32/UniqueHandle.h"
#include "tests/support/TemporaryDirectory.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Which files the viewer hands to the shell, with a recorder in the shell's place:
// under a console test without a display no viewer window could come up anyway.

namespace lumet {
namespace {

struct ShowRow {
    const char* fault;
    // The file to show, in `dir`; `hold` may keep it open meanwhile.
    std::function<std::filesystem::path(const test::TemporaryDirectory& dir, UniqueHandle& hold)>
        file;
    bool shellStarts; // what the shell answers, if asked
    bool opened;      // whether the shell was asked
    bool shown;
};

std::filesystem::path Report(const test::TemporaryDirectory& dir, UniqueHandle&) {
    return dir.Write("_report.txt", "HISTORY\r\n");
}

class ShellTextViewerShow : public testing::TestWithParam<ShowRow> {};

TEST_P(ShellTextViewerShow, HandsTheShellOnlyFilesItCanRead) {
    const ShowRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const test::TemporaryDirectory folder;
    UniqueHandle hold;
    const std::filesystem::path file = row.file(folder, hold);
    std::vector<std::filesystem::path> opened;
    ShellTextViewer viewer([&](const std::filesystem::path& asked) {
        opened.push_back(asked);
        return row.shellStarts;
    });
    // A title no window has, so no open viewer is reused.
    EXPECT_EQ(viewer.Show(file, "lumet-test-no-such-window - Notepad"), row.shown);
    EXPECT_EQ(opened, row.opened ? std::vector{file} : std::vector<std::filesystem::path>{});
}

INSTANTIATE_TEST_SUITE_P(
    ShellTextViewer, ShellTextViewerShow,
    testing::Values(
        ShowRow{"a readable report never handed to the shell", Report, true, true, true},
        ShowRow{"a file the shell could not open reported as shown", Report, false, true, false},
        ShowRow{"a missing report opened as an empty new file",
                [](const test::TemporaryDirectory& dir, UniqueHandle&) {
                    return dir.path() / "_report.txt";
                },
                true, false, false},
        ShowRow{"a folder handed to the shell, which opens Explorer",
                [](const test::TemporaryDirectory& dir, UniqueHandle&) { return dir.path(); }, true,
                false, false},
        ShowRow{"a path through a missing folder handed to the shell",
                [](const test::TemporaryDirectory& dir, UniqueHandle&) {
                    return dir.path() / "gone" / "_report.txt";
                },
                true, false, false},
        ShowRow{"a report another program holds locked handed to the shell",
                [](const test::TemporaryDirectory& dir, UniqueHandle& hold) {
                    const std::filesystem::path file = Report(dir, hold);
                    hold = UniqueHandle(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr,
                                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
                    EXPECT_TRUE(hold.Valid());
                    return file;
                },
                true, false, false}));

} // namespace
} // namespace lumet

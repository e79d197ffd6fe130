#include "pingtest/ServerList.h"

#include "tests/controller/ControllerFixture.h"

#include <gmock/gmock.h>
#include <random>
#include <sys/stat.h>

namespace lumet::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

struct ListCase {
    const char* name;
    std::string content;
    std::vector<std::string> entries;
};

class ListLines : public testing::TestWithParam<ListCase> {};

TEST_P(ListLines, AreTakenAsWritten) {
    const TempDir dir;
    ServerList list;
    ASSERT_TRUE(list.Load(dir.Write("random.lst", GetParam().content)));
    EXPECT_THAT(list.entries(), ElementsAreArray(GetParam().entries));
}

const std::string k255(255, 'a');
const std::string k256(256, 'b');

INSTANTIATE_TEST_SUITE_P(
    ServerListTest, ListLines,
    testing::Values(ListCase{"LineFeeds", "a.test\n10.0.0.1\n", {"a.test", "10.0.0.1"}},
                    ListCase{"CrLf", "a.test\r\n10.0.0.1\r\n", {"a.test", "10.0.0.1"}},
                    ListCase{"EmptyLinesSkipped", "\na\n\r\n\nb", {"a", "b"}},
                    ListCase{"BlanksKept", " a \n\t\n", {" a ", "\t"}},
                    ListCase{"LoneCrKept", "a\rb\nc\r\r\nd\r", {"a\rb", "c\r", "d\r"}},
                    ListCase{"LongestLineKept", k255 + "\r\n" + k255, {k255, k255}},
                    ListCase{"LongerLineSkipped", k256 + "\nx\n" + k256 + "c\r\ny", {"x", "y"}},
                    ListCase{"Empty", "", {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ServerListTest, StopsAtTheLargestDrawableCount) {
    const TempDir dir;
    std::string content;
    for (int i = 0; i < 40000; ++i) {
        content += "h" + std::to_string(i) + "\n";
    }
    ServerList list;
    ASSERT_TRUE(list.Load(dir.Write("random.lst", content)));
    ASSERT_EQ(list.size(), ServerList::kMaxEntries);
    EXPECT_EQ(list[ServerList::kMaxEntries - 1], "h32767");
}

TEST(ServerListTest, BinaryFilesStayBounded) {
    const TempDir dir;
    ServerList list;
    ASSERT_TRUE(list.Load(dir.Write("line.lst", std::string(4'000'000, 'z') + "\nlocalhost\n")));
    EXPECT_THAT(list.entries(), ElementsAre("localhost"));

    std::mt19937 bits(7);
    std::string noise(8'000'000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(bits());
    }
    ASSERT_TRUE(list.Load(dir.Write("noise.lst", noise)));
    EXPECT_LE(list.size(), ServerList::kMaxEntries);
    for (const std::string& entry : list.entries()) {
        ASSERT_LE(entry.size(), ServerList::kMaxLineLength);
        ASSERT_FALSE(entry.empty());
    }
}

struct NotAListCase {
    const char* name;
    // Makes the path in the directory; empty when it cannot be made here.
    std::filesystem::path (*make)(const TempDir& dir);
    // Part of the reason given, so a user can tell a typo from a wrong kind of file.
    const char* reason;
};

class NotAList : public testing::TestWithParam<NotAListCase> {};

TEST_P(NotAList, IsRefusedAtOnceAndLeavesTheListAsItWas) {
    const TempDir dir;
    ServerList list;
    ASSERT_TRUE(list.Load(dir.Write("random.lst", "a\nb\n")));
    const std::filesystem::path path = GetParam().make(dir);
    ASSERT_FALSE(path.empty());
    // A FIFO or /dev/zero taken as a list would keep this from ever returning.
    std::string why;
    EXPECT_FALSE(list.Load(path, &why));
    EXPECT_THAT(list.entries(), ElementsAre("a", "b"));
    EXPECT_NE(why.find(GetParam().reason), std::string::npos) << why;
}

INSTANTIATE_TEST_SUITE_P(
    ServerListTest, NotAList,
    testing::Values(
        NotAListCase{"Missing", [](const TempDir& d) { return d.path() / "missing.lst"; },
                     "No such file"},
        NotAListCase{"Directory", [](const TempDir& d) { return d.path(); }, "not a regular file"},
        NotAListCase{"EndlessDevice",
                     [](const TempDir&) { return std::filesystem::path("/dev/zero"); },
                     "not a regular file"},
        NotAListCase{"LinkToEndlessDevice",
                     [](const TempDir& d) {
                         const std::filesystem::path link = d.path() / "random.lst.link";
                         std::filesystem::create_symlink("/dev/zero", link);
                         return link;
                     },
                     "not a regular file"},
        NotAListCase{"Fifo",
                     [](const TempDir& d) {
                         const std::filesystem::path fifo = d.path() / "fifo.lst";
                         return mkfifo(fifo.c_str(), 0600) == 0 ? fifo : std::filesystem::path();
                     },
                     "not a regular file"},
        NotAListCase{"LargerThanAnyList",
                     [](const TempDir& d) {
                         return d.Write("huge.lst", std::string(ServerList::kMaxFileBytes, 'z') +
                                                        "\nlocalhost\n");
                     },
                     "larger than 8 MiB"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ServerListTest, UnreadableFileLeavesTheListAsItWas) {
    const TempDir dir;
    ServerList list;
    ASSERT_TRUE(list.Load(dir.Write("random.lst", "a\nb\nc\n")));
    EXPECT_FALSE(list.Load(dir.path() / "missing.lst"));
    EXPECT_FALSE(list.Load(dir.path()));
    EXPECT_EQ(list.size(), 3u);

    list.Remove(1);
    list.Remove(7);
    EXPECT_THAT(list.entries(), ElementsAre("a", "c"));
}

} // namespace
} // namespace lumet::test

#include "platform/files/ReadRegularFile.h"

#include "tests/support/TemporaryDirectory.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace lumet {
namespace {

constexpr std::uintmax_t kMiB = 1024 * 1024;

struct ReadCase {
    const char* name;
    std::string contents;
    std::uintmax_t limit;
    const char* fault;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadRegularFileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRegularFileTest, GivesTheBytesExactly) {
    const ReadCase& c = GetParam();
    const test::TemporaryDirectory directory;
    std::string why = "untouched";
    const std::optional<std::string> read =
        ReadRegularFile(directory.Write("list.txt", c.contents), c.limit, &why);
    ASSERT_TRUE(read.has_value()) << c.fault << ": " << why;
    EXPECT_EQ(*read, c.contents) << c.fault;
    EXPECT_EQ(why, "untouched") << c.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRegularFileTest,
    ::testing::Values(ReadCase{"LineEndsAndNul", std::string("a\r\nb\n\0c\x1a", 8), kMiB,
                               "text-mode translation of line ends, or a stop at NUL or Ctrl+Z"},
                      ReadCase{"Empty", "", kMiB, "an empty file taken for an error"},
                      ReadCase{"ManyChunks", std::string(3 * 4096 + 17, 'x'), kMiB,
                               "only the first read's bytes kept"},
                      ReadCase{"ExactlyAtTheLimit", std::string(kMiB, 'y'), kMiB,
                               "a file of exactly the largest size refused"}),
    [](const auto& row) { return std::string(row.param.name); });

struct RefusedCase {
    const char* name;
    // Where, inside a fresh directory, the path to read points.
    std::filesystem::path (*make)(const test::TemporaryDirectory& directory);
    // Words the reason must hold; empty: any text from the system.
    std::string reason;
    const char* fault;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadRegularFileRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ReadRegularFileRefusedTest, GivesNothingAndSaysWhy) {
    const RefusedCase& c = GetParam();
    const test::TemporaryDirectory directory;
    std::string why;
    EXPECT_FALSE(ReadRegularFile(c.make(directory), kMiB, &why).has_value()) << c.fault;
    EXPECT_FALSE(why.empty()) << c.fault;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.fault << ": " << why;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReadRegularFileRefusedTest,
    ::testing::Values(
        RefusedCase{"Missing", [](const test::TemporaryDirectory& d) { return d.path() / "none"; },
                    "", "a missing file read as empty"},
        RefusedCase{"Directory", [](const test::TemporaryDirectory& d) { return d.path(); },
                    "not a regular file", "a directory read, or refused without a reason"},
        RefusedCase{"OneByteTooLarge",
                    [](const test::TemporaryDirectory& d) {
                        return d.Write("big.lst", std::string(kMiB + 1, 'z'));
                    },
                    "larger than 1 MiB", "a file over the limit read in part"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace lumet

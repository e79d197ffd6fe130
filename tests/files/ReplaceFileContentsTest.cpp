#include "platform/files/ReplaceFileContents.h"

#include "tests/support/TemporaryDirectory.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lumet {
namespace {

std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The names in the directory other than `keep`: a temporary left behind shows here.
std::vector<std::string> Others(const std::filesystem::path& directory, const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.path().filename() != keep) {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

struct ReplaceCase {
    const char* name;
    std::optional<std::string> before; // nothing: no file yet
    std::string after;
    const char* fault;
};

void PrintTo(const ReplaceCase& c, std::ostream* out) {
    *out << c.name;
}

class ReplaceFileContentsTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFileContentsTest, LeavesExactlyTheNewBytes) {
    const ReplaceCase& c = GetParam();
    const test::TemporaryDirectory directory;
    const std::filesystem::path file = directory.path() / "_report.txt";
    if (c.before) {
        directory.Write("_report.txt", *c.before);
    }
    std::error_code why;
    ASSERT_TRUE(ReplaceFileContents(file, Bytes(c.after), &why))
        << c.fault << ": " << why.message();
    EXPECT_EQ(Contents(file), c.after) << c.fault;
    EXPECT_TRUE(Others(directory.path(), "_report.txt").empty()) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReplaceFileContentsTest,
    ::testing::Values(ReplaceCase{"NewFile", std::nullopt, "report\r\n",
                                  "a missing file not created"},
                      ReplaceCase{"LongerFileBefore", std::string(5000, 'o'), "short",
                                  "the old file's tail kept after the new bytes"},
                      ReplaceCase{"EmptyContents", "old", "", "an empty report not written"},
                      ReplaceCase{"BinaryBytes", "old", std::string("\n\r\n\0\x1a\xff", 6),
                                  "line ends translated or bytes dropped on the way"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReplaceFileContentsFailureTest, AMissingFolderFailsAndSaysWhy) {
    const test::TemporaryDirectory directory;
    std::error_code why;
    EXPECT_FALSE(ReplaceFileContents(directory.path() / "gone" / "_report.txt", Bytes("x"), &why));
    EXPECT_TRUE(why);
    EXPECT_TRUE(Others(directory.path(), "").empty());
}

TEST(ReplaceFileContentsFailureTest, ADirectoryInTheWayIsKeptAndNoTemporaryIsLeft) {
    const test::TemporaryDirectory directory;
    const std::filesystem::path target = directory.path() / "_report.txt";
    std::filesystem::create_directory(target);
    std::error_code why;
    EXPECT_FALSE(ReplaceFileContents(target, Bytes("x"), &why));
    EXPECT_TRUE(why);
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_TRUE(Others(directory.path(), "_report.txt").empty());
}

} // namespace
} // namespace lumet

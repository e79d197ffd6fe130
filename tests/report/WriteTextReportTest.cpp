#include "report/TextReport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace lumet {
namespace {

using test::Entries;

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

ReportData SomeReport() {
    ReportData data;
    data.addressText = "127.0.0.1";
    data.domainName = "localhost";
    data.testStartUtc = "Wed Jan 02 02:03:55 1980\n";
    data.probeCount = 3;
    data.errorCount = 1;
    data.returnedPercentage = 66;
    data.verdict = "GOOD";
    data.history[101] = 5;
    data.history[102] = 65535 + 999;
    data.history[103] = 7;
    return data;
}

class WriteTextReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() /
               ("lumet-report-test-" + std::to_string(random()) + std::to_string(random()));
        ASSERT_TRUE(fs::create_directory(dir_));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    void ExpectFailureShown() const {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_TRUE(messages_.shown[0].application);
        EXPECT_EQ(messages_.shown[0].text, "Failed to create TXT report");
    }

    fs::path dir_;
    test::RecordingMessageBoxes messages_;
};

TEST_F(WriteTextReportTest, WritesTheFormattedBytes) {
    const fs::path file = dir_ / "_report.txt";
    ASSERT_TRUE(WriteTextReport(SomeReport(), file, messages_));
    EXPECT_EQ(ReadBytes(file), FormatTextReport(SomeReport()));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.txt"}) << "no temporary left";
}

TEST_F(WriteTextReportTest, ReplacesALongerEarlierReportCompletely) {
    const fs::path file = dir_ / "_report.txt";
    WriteBytes(file, std::string(10000, 'x'));
    ASSERT_TRUE(WriteTextReport(SomeReport(), file, messages_));
    EXPECT_EQ(ReadBytes(file), FormatTextReport(SomeReport()));
}

TEST_F(WriteTextReportTest, StaleOrPlantedTemporariesNeverBlockAReport) {
    // Names left by interrupted writes, or made by another user of a shared
    // directory: every numbered name, and links pointing elsewhere.
    const fs::path file = dir_ / "_report.txt";
    std::vector<std::string> planted;
    for (int n = 0; n < 100; ++n) {
        const std::string name = "_report.txt." + std::to_string(n) + ".tmp";
        WriteBytes(dir_ / name, "stale");
        planted.push_back(name);
    }
    fs::create_symlink(dir_ / "elsewhere", dir_ / "_report.txt.tmp");
    planted.push_back("_report.txt.tmp");
    ASSERT_TRUE(WriteTextReport(SomeReport(), file, messages_));
    EXPECT_EQ(ReadBytes(file), FormatTextReport(SomeReport()));
    EXPECT_EQ(ReadBytes(dir_ / "_report.txt.42.tmp"), "stale");
    EXPECT_FALSE(fs::exists(dir_ / "elsewhere"));
    planted.push_back("_report.txt");
    std::sort(planted.begin(), planted.end());
    EXPECT_EQ(Entries(dir_), planted) << "no temporary of its own left";
}

TEST_F(WriteTextReportTest, UncreatableFileIsToldAndLeavesNothing) {
    const fs::path notADirectory = dir_ / "plain-file";
    WriteBytes(notADirectory, "keep");
    EXPECT_FALSE(WriteTextReport(SomeReport(), notADirectory / "_report.txt", messages_));
    ExpectFailureShown();
    EXPECT_EQ(ReadBytes(notADirectory), "keep");
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"plain-file"});
}

TEST_F(WriteTextReportTest, FailedRenameRemovesTheTemporary) {
    const fs::path occupied = dir_ / "_report.txt";
    ASSERT_TRUE(fs::create_directory(occupied));
    WriteBytes(occupied / "inside", "keep");
    EXPECT_FALSE(WriteTextReport(SomeReport(), occupied, messages_));
    ExpectFailureShown();
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.txt"});
    EXPECT_EQ(ReadBytes(occupied / "inside"), "keep");
}

using test::FileSizeLimit;

TEST_F(WriteTextReportTest, FailedWriteKeepsTheEarlierReport) {
    const fs::path file = dir_ / "_report.txt";
    const std::string earlier = "an earlier report\r\n";
    WriteBytes(file, earlier);
    bool written = true;
    {
        const FileSizeLimit limit(64);
        written = WriteTextReport(SomeReport(), file, messages_);
    }
    EXPECT_FALSE(written);
    ExpectFailureShown();
    EXPECT_EQ(ReadBytes(file), earlier);
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.txt"}) << "no temporary left";
}

struct FailureReasonRow {
    const char* fault;
    const char* reportName; // inside the test directory
    rlim_t sizeLimit;       // RLIM_INFINITY for none
    std::errc reason;
};

class FailureReason : public WriteTextReportTest,
                      public testing::WithParamInterface<FailureReasonRow> {};

TEST_P(FailureReason, IsGivenToTheCaller) {
    const FailureReasonRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const fs::path file = dir_ / row.reportName;
    if (std::string(row.reportName) == "occupied") {
        ASSERT_TRUE(fs::create_directory(file));
    }
    std::error_code why;
    {
        const FileSizeLimit limit(row.sizeLimit);
        EXPECT_FALSE(WriteTextReport(SomeReport(), file, messages_, &why));
    }
    EXPECT_EQ(why, std::make_error_code(row.reason)) << why.message();
}

INSTANTIATE_TEST_SUITE_P(
    WriteTextReportTest, FailureReason,
    testing::Values(FailureReasonRow{"a full disk reported without a reason", "_report.txt", 64,
                                     std::errc::file_too_large},
                    FailureReasonRow{"a directory in the report's place blamed on something else",
                                     "occupied", RLIM_INFINITY, std::errc::is_a_directory},
                    FailureReasonRow{"a missing folder blamed on the disk", "missing/_report.txt",
                                     RLIM_INFINITY, std::errc::no_such_file_or_directory}));

} // namespace
} // namespace lumet

#include "platform/gdi/DeviceContext.h"
#include "report/Dib.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"

#include <QImage>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace lumet {
namespace {

using test::Entries;
using test::ReadBytes;

namespace fs = std::filesystem;

void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
}

std::string ReadText(const fs::path& file) {
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    return {bytes.begin(), bytes.end()};
}

// A report-sized monochrome picture: white with a black frame and one black pixel.
Dib ReportDib() {
    DeviceContext dc(Bitmap::Monochrome(360, 320));
    dc.FillRect(Rect{0, 0, 360, 320}, Brush::Solid(Color{255, 255, 255}));
    dc.SelectBrush(Brush::Null());
    dc.Rectangle(2, 2, 358, 300);
    dc.SetPixel(100, 310, Color{0, 0, 0});
    return *BitmapToDib(dc.CurrentBitmap());
}

using test::FileSizeLimit;

class WriteDibFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() /
               ("lumet-dib-test-" + std::to_string(random()) + std::to_string(random()));
        ASSERT_TRUE(fs::create_directory(dir_));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    fs::path dir_;
};

TEST_F(WriteDibFileTest, WritesTheFileBytes) {
    const fs::path file = dir_ / "_report.bmp";
    const Dib dib = ReportDib();
    ASSERT_TRUE(WriteDibFile(dib, file));
    const std::vector<std::uint8_t> written = ReadBytes(file);
    EXPECT_EQ(written.size(), 15422u);
    EXPECT_EQ(written, dib.FileBytes());
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.bmp"}) << "no temporary left";
}

// An independent reader sees the same picture: one bit, black and white, upright.
TEST_F(WriteDibFileTest, FileReadsBackAsTheSamePicture) {
    const fs::path file = dir_ / "_report.bmp";
    ASSERT_TRUE(WriteDibFile(ReportDib(), file));
    const QImage image(QString::fromStdString(file.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 360);
    EXPECT_EQ(image.height(), 320);
    EXPECT_EQ(image.depth(), 1);
    EXPECT_EQ(image.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(2, 2), 0xFF000000u) << "frame corner";
    EXPECT_EQ(image.pixel(357, 299), 0xFF000000u) << "frame corner";
    EXPECT_EQ(image.pixel(3, 3), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(100, 310), 0xFF000000u);
    EXPECT_EQ(image.pixel(101, 310), 0xFFFFFFFFu);
}

TEST_F(WriteDibFileTest, ReplacesALongerEarlierFileCompletely) {
    const fs::path file = dir_ / "_report.bmp";
    WriteText(file, std::string(40000, 'x'));
    const Dib dib = ReportDib();
    ASSERT_TRUE(WriteDibFile(dib, file));
    EXPECT_EQ(ReadBytes(file), dib.FileBytes());
}

TEST_F(WriteDibFileTest, ParentThatIsAFileFailsAndKeepsIt) {
    const fs::path notADirectory = dir_ / "plain-file";
    WriteText(notADirectory, "keep");
    EXPECT_FALSE(WriteDibFile(ReportDib(), notADirectory / "_report.bmp"));
    EXPECT_EQ(ReadText(notADirectory), "keep");
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"plain-file"});
}

TEST_F(WriteDibFileTest, FailedRenameRemovesTheTemporary) {
    const fs::path occupied = dir_ / "_report.bmp";
    ASSERT_TRUE(fs::create_directory(occupied));
    WriteText(occupied / "inside", "keep");
    EXPECT_FALSE(WriteDibFile(ReportDib(), occupied));
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.bmp"});
    EXPECT_EQ(ReadText(occupied / "inside"), "keep");
}

TEST_F(WriteDibFileTest, FailedWriteKeepsTheEarlierPicture) {
    const fs::path file = dir_ / "_report.bmp";
    WriteText(file, "an earlier picture");
    bool written = true;
    {
        const FileSizeLimit limit(4096);
        written = WriteDibFile(ReportDib(), file);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadText(file), "an earlier picture");
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.bmp"}) << "no temporary left";
}

TEST_F(WriteDibFileTest, SkipsATemporaryLeftByAnInterruptedWrite) {
    const fs::path file = dir_ / "_report.bmp";
    WriteText(dir_ / "_report.bmp.0.tmp", "stale");
    const Dib dib = ReportDib();
    ASSERT_TRUE(WriteDibFile(dib, file));
    EXPECT_EQ(ReadBytes(file), dib.FileBytes());
    EXPECT_EQ(ReadText(dir_ / "_report.bmp.0.tmp"), "stale");
}

TEST_F(WriteDibFileTest, InconsistentDibIsNotWritten) {
    const fs::path file = dir_ / "_report.bmp";
    WriteText(file, "an earlier picture");
    Dib dib = ReportDib();
    dib.bits.resize(100);
    EXPECT_FALSE(WriteDibFile(dib, file));
    EXPECT_EQ(ReadText(file), "an earlier picture");
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"_report.bmp"});
}

} // namespace
} // namespace lumet

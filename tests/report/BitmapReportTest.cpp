#include "report/BitmapReport.h"

#include "tests/report/ReportPictureSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/SystemFontEngine.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <vector>

namespace lumet {
namespace {

using test::Le16;
using test::Le32;
using test::ReadBytes;

namespace fs = std::filesystem;

using test::BarColumn;
using test::HasInk;
using test::InkRows;
using test::kInk;
using test::kPaper;
using test::RowRange;

constexpr int kWidth = 360;
constexpr int kHeight = 320;

class BitmapReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() /
               ("lumet-bitmap-report-test-" + std::to_string(random()) + std::to_string(random()));
        ASSERT_TRUE(fs::create_directory(dir_));
        file_ = dir_ / "_report.bmp";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Writes the report of `data` and reads the picture back with a standard decoder.
    Bitmap WriteAndLoad(const ReportData& data) {
        EXPECT_TRUE(WriteBitmapReport(data, fonts_, "1.0", file_, messages_));
        EXPECT_TRUE(messages_.shown.empty());
        const Bitmap picture = Bitmap::Load(file_);
        EXPECT_TRUE(picture.IsMonochrome());
        EXPECT_EQ(picture.Width(), kWidth);
        EXPECT_EQ(picture.Height(), kHeight);
        return picture;
    }

    const ReportFonts fonts_ = ReportFonts::Create(*test::SystemFontEngine());
    fs::path dir_;
    fs::path file_;
    test::RecordingMessageBoxes messages_;
};

TEST_F(BitmapReportTest, FileIsAOneBitPictureOf360By320) {
    ASSERT_TRUE(WriteBitmapReport(test::ThirtyTwoProbeRun(), fonts_, "1.0", file_, messages_));
    const std::vector<std::uint8_t> file = ReadBytes(file_);
    ASSERT_EQ(file.size(), 15422u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le32(file, 2), 15422u);
    EXPECT_EQ(Le32(file, 10), 62u) << "offset of the pixel rows";
    EXPECT_EQ(Le32(file, 14), 40u);
    EXPECT_EQ(Le32(file, 18), 360u);
    EXPECT_EQ(Le32(file, 22), 320u) << "positive: bottom-up";
    EXPECT_EQ(Le16(file, 26), 1u);
    EXPECT_EQ(Le16(file, 28), 1u) << "one bit per pixel";
    EXPECT_EQ(Le32(file, 30), 0u) << "uncompressed";
    EXPECT_EQ(Le32(file, 34), 15360u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54, file.begin() + 62),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
    // The top row is stored last: white at column 0, so its first bit is 1.
    EXPECT_EQ(file[62 + 319 * 48] & 0x80, 0x80);
}

TEST_F(BitmapReportTest, FramesThePictureAboveTheCreditLine) {
    const Bitmap picture = WriteAndLoad(test::ThirtyTwoProbeRun());
    for (int x = 2; x <= 357; ++x) {
        EXPECT_EQ(picture.Pixel(x, 2), kInk) << "top, column " << x;
        EXPECT_EQ(picture.Pixel(x, 299), kInk) << "bottom, column " << x;
        EXPECT_EQ(picture.Pixel(x, 1), kPaper);
        EXPECT_EQ(picture.Pixel(x, 300), kPaper);
    }
    for (int y = 2; y <= 299; ++y) {
        EXPECT_EQ(picture.Pixel(2, y), kInk) << "left, row " << y;
        EXPECT_EQ(picture.Pixel(357, y), kInk) << "right, row " << y;
        EXPECT_EQ(picture.Pixel(1, y), kPaper);
        EXPECT_EQ(picture.Pixel(358, y), kPaper);
    }
    EXPECT_TRUE(HasInk(picture, Rect{10, 302, kWidth, 314}, kPaper)) << "credit line";
    EXPECT_FALSE(HasInk(picture, Rect{0, 314, kWidth, kHeight}, kPaper));
}

TEST_F(BitmapReportTest, InsideTheFrameIsTheLayoutInBlackPlusTheLocalAddress) {
    const ReportData run = test::ThirtyTwoProbeRun();
    const Bitmap picture = WriteAndLoad(run);
    const Bitmap layout = test::DrawOnPaper(run, fonts_);
    const Rect addressLine{180, 262, 357, 262 + fonts_.smallTahoma.CellHeight()};
    int mismatches = 0;
    for (int y = 3; y < 299; ++y) {
        for (int x = 3; x < 357; ++x) {
            if (!addressLine.Contains(x, y) && picture.Pixel(x, y) != layout.Pixel(x, y)) {
                ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(HasInk(picture, Rect{180, 262, 270, addressLine.bottom}, kPaper))
        << "\"Your IP Address:\"";
    EXPECT_FALSE(HasInk(layout, addressLine, kPaper)) << "not part of the panel's layout";

    ReportData unknown = run;
    unknown.localAddressText.clear();
    EXPECT_TRUE(HasInk(picture, Rect{272, 262, 357, addressLine.bottom}, kPaper));
    EXPECT_FALSE(HasInk(WriteAndLoad(unknown), Rect{272, 262, 357, addressLine.bottom}, kPaper))
        << "an address not yet found leaves the field empty";
}

TEST_F(BitmapReportTest, LocalAddressStaysClearOfItsLabelAndInsideTheFrame) {
    // The label's glyphs with the blank column either side that keeps words apart.
    const Rect label = test::LoneInk("Your IP Address:", fonts_.smallTahoma, {180, 262});
    const Rect labelAndGap{label.left - 1, label.top, label.right + 1, label.bottom};
    const struct {
        const char* address;
        bool onTheLabelsRow;
    } cases[] = {
        {"10.0.0.1", true},
        {"192.168.1.20", true},
        // The longest address still fits after the label; only a longer text wraps.
        {"255.255.255.255", true},
        {"2001:db8::1234:5678", false},
    };
    for (const auto& c : cases) {
        ReportData data = test::ThirtyTwoProbeRun();
        data.localAddressText = c.address;
        ReportData unknown = data;
        unknown.localAddressText.clear();
        const Bitmap shown = WriteAndLoad(data);
        const Rect address = test::DifferenceBox(shown, WriteAndLoad(unknown));
        ASSERT_FALSE(address.IsEmpty()) << c.address;
        EXPECT_FALSE(test::Overlap(address, labelAndGap)) << c.address;
        EXPECT_LT(address.right, 357) << c.address << ": inside the frame";
        EXPECT_LT(address.bottom, 299) << c.address;
        if (c.onTheLabelsRow) {
            EXPECT_LT(address.top, label.bottom) << c.address;
            EXPECT_GT(address.left, label.right) << c.address;
        } else {
            EXPECT_GE(address.top, label.bottom) << c.address << ": on the row below";
            EXPECT_EQ(address.left, test::LoneInk(c.address, fonts_.smallTahoma, {180, 0}).left)
                << c.address << ": under the label";
        }
    }
}

TEST_F(BitmapReportTest, ChartOfA32ProbeRunFillsOnlyItsRightHalf) {
    const Bitmap picture = WriteAndLoad(test::ThirtyTwoProbeRun());
    for (int x = 94; x <= 156; x += 2) {
        EXPECT_EQ(InkRows(picture, x, 157, 185, kPaper), RowRange(170, 184)) << "column " << x;
    }
    EXPECT_FALSE(HasInk(picture, Rect{31, 157, 94, 185}, kPaper));
    EXPECT_FALSE(HasInk(picture, Rect{95, 157, 96, 185}, kPaper)) << "odd columns stay empty";
}

TEST_F(BitmapReportTest, FailedAndSlowSamplesInTheFile) {
    ReportData data = test::ThirtyTwoProbeRun();
    data.history[103] = 65535 + 1000;
    data.history[102] = 1000;
    data.history[101] = 100;
    data.history[100] = 5;
    data.history[99] = 0;
    const Bitmap picture = WriteAndLoad(data);
    EXPECT_EQ(InkRows(picture, BarColumn(102), 157, 185, kPaper), RowRange(157, 184));
    EXPECT_EQ(InkRows(picture, BarColumn(101), 157, 185, kPaper), RowRange(182, 184));
    EXPECT_EQ(InkRows(picture, BarColumn(100), 157, 185, kPaper), RowRange(184, 184));
    EXPECT_TRUE(InkRows(picture, BarColumn(99), 157, 185, kPaper).empty());
    const std::size_t dots = InkRows(picture, BarColumn(103), 157, 185, kPaper).size();
    EXPECT_GT(dots, 0u);
    EXPECT_LT(dots, 28u) << "dotted";
}

TEST_F(BitmapReportTest, FailureIsReportedAndWritesNothing) {
    const fs::path missing = dir_ / "no-such-directory" / "_report.bmp";
    EXPECT_FALSE(WriteBitmapReport(test::ThirtyTwoProbeRun(), fonts_, "1.0", missing, messages_));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].application);
    EXPECT_EQ(messages_.shown[0].text, "Failed to create BMP report");
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace lumet

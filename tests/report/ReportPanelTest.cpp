#include "report/ReportPanel.h"

#include "tests/report/ReportPictureSupport.h"
#include "tests/support/SystemFontEngine.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

using test::BarColumn;
using test::kLightCyan;

constexpr Color kBlack{0, 0, 0};
// A colour neither the background nor the picture has, to see what a render replaced.
constexpr Color kStale{250, 0, 250};

class ReportPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(background_.CurrentBitmap().Width(), kReportPanelWidth);
        ASSERT_EQ(background_.CurrentBitmap().Height(), kReportPanelHeight);
        panel_.FillRect(Rect{0, 0, kReportPanelWidth, kReportPanelHeight}, Brush::Solid(kStale));
    }

    const Bitmap& Background() const { return background_.CurrentBitmap(); }
    const Bitmap& Panel() const { return panel_.CurrentBitmap(); }

    // Pixels of rect where the panel differs from its background.
    int ChangedIn(const Rect& rect) const {
        int changed = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                changed += Panel().Pixel(x, y) != Background().Pixel(x, y) ? 1 : 0;
            }
        }
        return changed;
    }

    void Render(const ReportData& data) { RenderReportPanel(background_, panel_, data, fonts_); }

    const ReportFonts fonts_ = ReportFonts::Create(*test::SystemFontEngine());
    DeviceContext background_{LoadReportPanelBackground()};
    DeviceContext panel_{Bitmap(kReportPanelWidth, kReportPanelHeight)};
};

TEST_F(ReportPanelTest, PictureIsLightCyanOverTheBackground) {
    Render(test::ThirtyTwoProbeRun());
    int pictured = 0;
    for (int y = 0; y < kReportPanelHeight; ++y) {
        for (int x = 0; x < kReportPanelWidth; ++x) {
            const Color pixel = Panel().Pixel(x, y);
            if (pixel != Background().Pixel(x, y)) {
                ++pictured;
                ASSERT_TRUE(pixel == kLightCyan || pixel == kBlack)
                    << "(" << x << ", " << y << ") is neither picture nor background";
            }
        }
    }
    EXPECT_GT(pictured, 1000);
    EXPECT_EQ(Panel().Pixel(29, 170), kLightCyan) << "the box's left edge";
    EXPECT_EQ(Panel().Pixel(BarColumn(72), 184), kLightCyan) << "the oldest bar of the run";
}

TEST_F(ReportPanelTest, BackgroundShowsWhereThePictureDrawsNothing) {
    Render(test::ThirtyTwoProbeRun());
    EXPECT_EQ(ChangedIn(Rect{0, 0, 28, kReportPanelHeight}), 0) << "left of the picture";
    EXPECT_EQ(ChangedIn(Rect{0, 280, kReportPanelWidth, kReportPanelHeight}), 0)
        << "below the picture, with the export captions";
    EXPECT_EQ(ChangedIn(Rect{32, 160, 92, 184}), 0) << "the chart's empty columns";
}

TEST_F(ReportPanelTest, TextCellsAreOpaqueBlack) {
    Render(test::ThirtyTwoProbeRun());
    const int width = fonts_.smallTahoma.TextWidth("LUMET REPORT");
    const Rect cell{30, 10, 30 + width, 10 + fonts_.smallTahoma.CellHeight()};
    int black = 0;
    int cyan = 0;
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            black += Panel().Pixel(x, y) == kBlack ? 1 : 0;
            cyan += Panel().Pixel(x, y) == kLightCyan ? 1 : 0;
        }
    }
    EXPECT_GT(cyan, 0);
    EXPECT_EQ(black + cyan, cell.Width() * cell.Height());
}

TEST_F(ReportPanelTest, NeitherTheLocalAddressNorTheCreditLineIsShown) {
    Render(test::ThirtyTwoProbeRun());
    EXPECT_EQ(ChangedIn(Rect{170, 258, kReportPanelWidth, 280}), 0);
}

} // namespace
} // namespace lumet

#include "platform/wingdi/GdiFontEngine.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "tests/gdi/PixelMap.h"

#include <gtest/gtest.h>
#include <ostream>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;

struct FontCase {
    const char* face;
    int height;
    int weight;
};

void PrintTo(const FontCase& c, std::ostream* out) {
    *out << c.face << ' ' << c.height << ' ' << c.weight;
}

class GdiFontCellTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(GdiFontCellTest, TheCellIsTheRequestedHeightWithTheAscentAboveTheDescent) {
    const FontCase c = GetParam();
    const Font font = Font::Create(GdiFontEngine{}, c.face, c.height, c.weight);
    ASSERT_FALSE(font.IsNull());
    EXPECT_EQ(font.Ascent() + font.Descent(), c.height);
    EXPECT_GT(font.Ascent(), font.Descent());
    EXPECT_GT(font.Descent(), 0);
}

TEST_P(GdiFontCellTest, GlyphsLandInsideTheirCellInTheTextColorOnly) {
    const FontCase c = GetParam();
    DeviceContext dc = FilledContext(400, 3 * c.height, kBlack);
    dc.SelectFont(Font::Create(GdiFontEngine{}, c.face, c.height, c.weight));
    dc.SetTextColor(kLightCyan);
    dc.SetBkMode(BackgroundMode::Transparent);
    const int top = c.height;
    dc.TextOut(4, top, "Hgy0123AQ");
    const Size extent = dc.GetTextExtent("Hgy0123AQ");
    const Rect all{0, 0, 400, 3 * c.height};
    const Rect cell{4, top, 4 + extent.width, top + c.height};
    EXPECT_GT(CountPixels(dc, cell, kLightCyan), 0);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 400, top}, kLightCyan), 0);
    EXPECT_EQ(CountPixels(dc, Rect{0, top + c.height, 400, 3 * c.height}, kLightCyan), 0);
    // Two levels only: every pixel is the background or the text color.
    EXPECT_EQ(CountPixels(dc, all, kLightCyan) + CountPixels(dc, all, kBlack),
              all.Width() * all.Height());
}

INSTANTIATE_TEST_SUITE_P(DisplayAndReportFonts, GdiFontCellTest,
                         ::testing::Values(FontCase{"Tahoma", 12, 0}, FontCase{"Arial", 12, 0},
                                           FontCase{"Arial", 18, 700}, FontCase{"Arial", 42, 700}));

TEST(GdiFontTest, SmallTahomaDigitsTakeFiveColumns) {
    const Font font = Font::Create(GdiFontEngine{}, "Tahoma", 12);
    EXPECT_EQ(font.Family(), "Tahoma");
    EXPECT_EQ(font.TextWidth("000"), 15);
    EXPECT_EQ(font.TextWidth("999"), 15);
}

TEST(GdiFontTest, WidthsAddUpAndBoldLightsMorePixels) {
    const Font regular = Font::Create(GdiFontEngine{}, "Arial", 18, 0);
    const Font bold = Font::Create(GdiFontEngine{}, "Arial", 18, 700);
    EXPECT_EQ(regular.TextWidth("00"), 2 * regular.TextWidth("0"));
    EXPECT_EQ(regular.TextWidth(""), 0);
    const auto ink = [](const Font& font) {
        DeviceContext dc = FilledContext(200, 40, kBlack);
        dc.SelectFont(font);
        dc.SetTextColor(kLightCyan);
        dc.SetBkMode(BackgroundMode::Transparent);
        dc.TextOut(10, 10, "Lumet");
        return CountPixels(dc, Rect{0, 0, 200, 40}, kLightCyan);
    };
    EXPECT_GT(ink(bold), ink(regular) * 5 / 4);
}

TEST(GdiFontTest, NonPositiveHeightGivesANullFont) {
    EXPECT_TRUE(Font::Create(GdiFontEngine{}, "Arial", 0).IsNull());
    EXPECT_TRUE(Font::Create(GdiFontEngine{}, "Arial", -12).IsNull());
}

} // namespace
} // namespace lumet

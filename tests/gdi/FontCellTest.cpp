#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "tests/gdi/PixelMap.h"
#include "tests/support/SystemFontEngine.h"

#include <gtest/gtest.h>
#include <ostream>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;

// What every font engine must give the drawing layer, whichever system draws.
struct FontCase {
    const char* face;
    int height;
    int weight;
};

void PrintTo(const FontCase& c, std::ostream* out) {
    *out << c.face << ' ' << c.height << ' ' << c.weight;
}

class FontCellTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontCellTest, AscentPlusDescentIsTheRequestedCellHeight) {
    const FontCase c = GetParam();
    const Font font = Font::Create(*test::SystemFontEngine(), c.face, c.height, c.weight);
    ASSERT_FALSE(font.IsNull());
    EXPECT_EQ(font.CellHeight(), c.height);
    EXPECT_EQ(font.Ascent() + font.Descent(), c.height);
    EXPECT_GT(font.Ascent(), font.Descent());
    EXPECT_GT(font.Descent(), 0);
}

TEST_P(FontCellTest, GlyphsStayInsideTheCellInTheTextColorOnly) {
    const FontCase c = GetParam();
    DeviceContext dc = FilledContext(400, 3 * c.height, kBlack);
    dc.SelectFont(Font::Create(*test::SystemFontEngine(), c.face, c.height, c.weight));
    dc.SetTextColor(kLightCyan);
    dc.SetBkMode(BackgroundMode::Transparent);
    const int top = c.height;
    // Letters and digits; a few glyphs such as '|' and 'j' may reach a pixel past
    // the cell, as in GDI, which does not clip glyphs to their cells either.
    dc.TextOut(4, top, "Hgy0123AQ");
    const Size extent = dc.GetTextExtent("Hgy0123AQ");
    const Rect all{0, 0, 400, 3 * c.height};
    EXPECT_EQ(extent.height, c.height);
    EXPECT_GT(CountPixels(dc, Rect{4, top, 4 + extent.width, top + c.height}, kLightCyan), 0);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 400, top}, kLightCyan), 0);
    EXPECT_EQ(CountPixels(dc, Rect{0, top + c.height, 400, 3 * c.height}, kLightCyan), 0);
    // Two levels only: every pixel is the background or the text color.
    EXPECT_EQ(CountPixels(dc, all, kLightCyan) + CountPixels(dc, all, kBlack),
              all.Width() * all.Height());
}

INSTANTIATE_TEST_SUITE_P(DisplayAndReportFonts, FontCellTest,
                         ::testing::Values(FontCase{"Tahoma", 12, 0}, FontCase{"Arial", 12, 0},
                                           FontCase{"Arial", 18, 700}, FontCase{"Arial", 21, 700},
                                           FontCase{"Arial", 42, 700}));

} // namespace
} // namespace lumet

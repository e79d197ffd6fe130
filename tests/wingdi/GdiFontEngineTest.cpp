#include "platform/wingdi/GdiFontEngine.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "tests/gdi/PixelMap.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;

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

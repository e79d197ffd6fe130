#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "tests/gdi/PixelMap.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace lumet {
namespace {

using test::CountPixels;
using test::FilledContext;
using test::kBlack;
using test::kLightCyan;
using test::kRed;
using test::kSkin;

struct EmCase {
    const char* face;
    int height;
    int weight;
    // Cell × unitsPerEm ÷ (usWinAscent + usWinDescent), rounded: Tahoma 2048 ÷ 2472,
    // Liberation Sans 2048 ÷ 2288.
    int pixelSize;
};

class FontEmTest : public ::testing::TestWithParam<EmCase> {};

TEST_P(FontEmTest, GlyphsAreDrawnAtTheEmTheWindowsCellGives) {
    const EmCase c = GetParam();
    const std::unique_ptr<QtGlyphRenderer> glyphs =
        QtFontEngine{}.OpenQt(c.face, c.height, c.weight);
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(glyphs->QtFont().pixelSize(), c.pixelSize);
}

INSTANTIATE_TEST_SUITE_P(EveryFontTheProgramUses, FontEmTest,
                         ::testing::Values(EmCase{"Tahoma", 12, 0, 10}, EmCase{"Arial", 12, 0, 11},
                                           EmCase{"Arial", 18, 700, 16},
                                           EmCase{"Arial", 21, 700, 19},
                                           EmCase{"Arial", 42, 700, 38}));

TEST(FontTest, SmallTahomaDigitsTakeFiveColumns) {
    // Three digits fill exactly the 15 columns the probe count is given.
    const Font font = Font::Create(QtFontEngine{}, "Tahoma", 12);
    ASSERT_EQ(font.Family(), "Tahoma");
    EXPECT_EQ(font.TextWidth("000"), 15);
    EXPECT_EQ(font.TextWidth("999"), 15);
}

TEST(FontTest, TahomaIsWinesTahomaWhenInstalled) {
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
        GTEST_SKIP() << "Wine's Tahoma (package fonts-wine) is not installed";
    }
    EXPECT_EQ(Font::Create(QtFontEngine{}, "Tahoma", 12).Family(), "Tahoma");
}

TEST(FontTest, ArialResolvesToLiberationSans) {
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        GTEST_SKIP() << "Liberation Sans (package fonts-liberation2) is not installed";
    }
    EXPECT_EQ(Font::Create(QtFontEngine{}, "Arial", 42, 700).Family(), "Liberation Sans");
}

TEST(FontTest, AnUnknownFaceFallsBackToDejaVuSans) {
    if (!QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"))) {
        GTEST_SKIP() << "DejaVu Sans (package fonts-dejavu-core) is not installed";
    }
    const Font font = Font::Create(QtFontEngine{}, "No Such Face Anywhere", 12);
    EXPECT_EQ(font.Family(), "DejaVu Sans");
    EXPECT_EQ(font.Ascent() + font.Descent(), 12);
}

TEST(FontTest, WeightSevenHundredIsBold) {
    EXPECT_TRUE(QFontInfo(QtFontEngine{}.OpenQt("Arial", 18, 700)->QtFont()).bold());
    EXPECT_FALSE(QFontInfo(QtFontEngine{}.OpenQt("Arial", 18, 0)->QtFont()).bold());
}

TEST(FontTest, NonPositiveHeightGivesANullFont) {
    EXPECT_TRUE(Font::Create(QtFontEngine{}, "Arial", 0).IsNull());
    EXPECT_TRUE(Font::Create(QtFontEngine{}, "Arial", -12).IsNull());
}

TEST(FontTest, TextWidthIsTheSumOfTheCharacterAdvances) {
    const Font font = Font::Create(QtFontEngine{}, "Tahoma", 12);
    EXPECT_GT(font.TextWidth("0"), 0);
    EXPECT_EQ(font.TextWidth("000"), 3 * font.TextWidth("0"));
    EXPECT_EQ(font.TextWidth("AVA"), 2 * font.TextWidth("A") + font.TextWidth("V"));
}

TEST(TextOutTest, OpaqueModeFillsTheWholeCellWithTheBackgroundColor) {
    DeviceContext dc = FilledContext(60, 20, kRed);
    dc.SelectFont(Font::Create(QtFontEngine{}, "Tahoma", 12));
    dc.SetTextColor(kLightCyan);
    dc.SetBkColor(kBlack);
    dc.TextOut(5, 3, "007");
    const Size cell = dc.GetTextExtent("007");
    const Rect cellRect{5, 3, 5 + cell.width, 3 + cell.height};
    const int text = CountPixels(dc, cellRect, kLightCyan);
    const int background = CountPixels(dc, cellRect, kBlack);
    EXPECT_GT(text, 0);
    EXPECT_GT(background, text);
    EXPECT_EQ(text + background, cell.width * cell.height);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 60, 20}, kRed), 60 * 20 - cell.width * cell.height);
}

TEST(TextOutTest, TransparentModeChangesOnlyGlyphPixels) {
    DeviceContext dc = FilledContext(60, 20, kRed);
    dc.SelectFont(Font::Create(QtFontEngine{}, "Tahoma", 12));
    dc.SetTextColor(kLightCyan);
    dc.SetBkColor(kBlack);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.TextOut(5, 3, "007");
    const int text = CountPixels(dc, Rect{0, 0, 60, 20}, kLightCyan);
    EXPECT_GT(text, 0);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 60, 20}, kBlack), 0);
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 60, 20}, kRed), 60 * 20 - text);
}

TEST(TextOutTest, TextIgnoresTheMixMode) {
    DeviceContext dc = FilledContext(40, 14, kSkin);
    dc.SelectFont(Font::Create(QtFontEngine{}, "Tahoma", 12));
    dc.SetTextColor(kLightCyan);
    dc.SetBkColor(kBlack);
    dc.SetROP2(Rop2::XorPen);
    dc.TextOut(0, 0, "88");
    const Size cell = dc.GetTextExtent("88");
    const Rect cellRect{0, 0, cell.width, cell.height};
    EXPECT_EQ(CountPixels(dc, cellRect, kLightCyan) + CountPixels(dc, cellRect, kBlack),
              cell.width * cell.height);
}

TEST(TextOutTest, LabelIsKeptInsideItsClipBox) {
    // The graph's label: box (p, 31)–(p + 18, 40), inverted, then " 000 " drawn
    // opaque from (p − 1, 30), clipped to the box.
    const int p = 150;
    DeviceContext graph = FilledContext(316, 42, kSkin);
    const Region box(p, 31, p + 18, 40);
    graph.SelectFont(Font::Create(QtFontEngine{}, "Arial", 12));
    graph.SetTextColor(kBlack);
    graph.SelectClipRgn(box);
    graph.InvertRgn(box);
    graph.SetBkColor(kRed);
    graph.TextOut(p - 1, 30, " 000 ");
    ASSERT_GE(graph.GetTextExtent(" 000 ").width, 19);
    const int inside = 18 * 9;
    EXPECT_EQ(CountPixels(graph, box.Bounds(), kRed) + CountPixels(graph, box.Bounds(), kBlack),
              inside);
    EXPECT_GT(CountPixels(graph, box.Bounds(), kBlack), 0);
    EXPECT_EQ(CountPixels(graph, Rect{0, 0, 316, 42}, kSkin), 316 * 42 - inside);
}

TEST(TextOutTest, OnlyTheDrawnCellsChangeAndTheImageEdgeCutsTheText) {
    // The host name: a short name over a longer earlier one leaves its tail.
    DeviceContext line = FilledContext(140, 11, kSkin);
    line.SelectFont(Font::Create(QtFontEngine{}, "Tahoma", 12));
    line.SetTextColor(kLightCyan);
    line.SetBkColor(kBlack);
    line.TextOut(0, 0, "a.very.long.host.name.example.org.and.more");
    EXPECT_EQ(CountPixels(line, Rect{0, 0, 140, 11}, kSkin), 0);
    line.FillRect(Rect{0, 0, 140, 11}, Brush::Solid(kSkin));
    line.TextOut(0, 0, "ab");
    const int width = line.GetTextExtent("ab").width;
    EXPECT_EQ(CountPixels(line, Rect{width, 0, 140, 11}, kSkin), (140 - width) * 11);
    EXPECT_EQ(CountPixels(line, Rect{0, 0, width, 11}, kSkin), 0);
}

TEST(TextOutTest, EmptyTextAndNullFontPaintNothing) {
    DeviceContext dc = FilledContext(20, 20, kSkin);
    dc.SelectFont(Font::Create(QtFontEngine{}, "Tahoma", 12));
    dc.TextOut(2, 2, "");
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 20, 20}, kSkin), 400);
    dc.SelectFont(Font());
    dc.TextOut(2, 2, "x");
    EXPECT_EQ(CountPixels(dc, Rect{0, 0, 20, 20}, kSkin), 400);
    EXPECT_EQ(dc.GetTextExtent("x"), (Size{0, 0}));
}

} // namespace
} // namespace lumet

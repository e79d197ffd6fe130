#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "tests/gdi/PixelMap.h"
#include "tests/support/SystemFontEngine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet {
namespace {

using test::FilledContext;
using test::kBlack;
using test::kLightCyan;
using test::PixelMap;

constexpr int kWidth = 120;
constexpr int kHeight = 40;

std::vector<std::string> Picture(const Font& font, const std::string& text) {
    DeviceContext dc = FilledContext(kWidth, kHeight, kBlack);
    dc.SelectFont(font);
    dc.SetTextColor(kLightCyan);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.TextOut(10, 10, text);
    return PixelMap(dc, Rect{0, 0, kWidth, kHeight}, {{'.', kBlack}, {'#', kLightCyan}});
}

// The text as a font that has drawn nothing before draws it.
std::vector<std::string> FreshPicture(const char* face, int height, const std::string& text) {
    return Picture(Font::Create(*test::SystemFontEngine(), face, height), text);
}

struct HistoryCase {
    const char* name;
    const char* face;
    int height;
    // Drawn in turn by one font (and its copies); each must look as if drawn fresh.
    std::vector<std::string> texts;
};

class RememberedTextTest : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(RememberedTextTest, EachTextLooksAsIfDrawnFresh) {
    const HistoryCase& c = GetParam();
    const Font font = Font::Create(*test::SystemFontEngine(), c.face, c.height);
    for (const std::string& text : c.texts) {
        EXPECT_EQ(Picture(font, text), FreshPicture(c.face, c.height, text)) << text;
        EXPECT_EQ(font.TextWidth(text),
                  Font::Create(*test::SystemFontEngine(), c.face, c.height).TextWidth(text))
            << text;
    }
}

std::vector<std::string> ManyCounts() {
    // More different strings than are kept, then the first again.
    std::vector<std::string> texts;
    for (int i = 0; i < 600; i += 7) {
        texts.push_back(std::to_string(i));
    }
    texts.push_back("0");
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Histories, RememberedTextTest,
    ::testing::Values(
        // A cache keyed on length or on the characters as a set would draw "21" as "12".
        HistoryCase{"SameCharactersOtherOrder", "Tahoma", 12, {"12", "21", "12"}},
        // The count going up: a string measured before is drawn at its own width.
        HistoryCase{"CountGoingUp", "Tahoma", 12, {"009", "010", "009", "999", "1000"}},
        // A blank cell is remembered with nothing inked.
        HistoryCase{"BlankAfterText", "Arial", 12, {"AVA", " ", "AVA"}},
        // Forgetting must not leave a drawn string pointing at freed pixels.
        HistoryCase{"MoreThanAreKept", "Arial", 12, ManyCounts()}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RememberedTextTest, FontsOfOtherSizesKeepTheirOwnPictures) {
    // Two fonts of one face: the second must not get the first's remembered glyphs.
    const std::vector<std::string> small =
        Picture(Font::Create(*test::SystemFontEngine(), "Arial", 12), "042");
    EXPECT_NE(Picture(Font::Create(*test::SystemFontEngine(), "Arial", 18), "042"), small);
}

} // namespace
} // namespace lumet

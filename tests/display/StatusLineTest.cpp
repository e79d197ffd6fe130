#include "display/StatusLine.h"

#include "probe/IcmpStatusTexts.h"
#include "tests/gdi/PixelMap.h"
#include "tests/support/SystemFontEngine.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace lumet {
namespace {

using test::CountPixels;
using test::PatternContext;

constexpr Color kOrange = Color::FromHex(0xFF9966);
constexpr Color kRed = Color::FromHex(0xFF0000);
constexpr std::uint32_t kTimedOut = 11010;
constexpr std::uint32_t kHostUnreachable = 11003;
constexpr std::uint32_t kNoIcmpSocket = 11051;

constexpr int kLowerWidth = 320;
constexpr int kLowerHeight = 54;
constexpr int kCountFieldRight = 318;
constexpr int kHostNameX = 162;

// Patterns whose blue channel (0x40, 0x80) no drawn colour has, so every pixel the
// status line paints can be told from the one it replaced.
Color LowerPattern(int x, int y) {
    return Color{static_cast<std::uint8_t>(x % 251), static_cast<std::uint8_t>(4 * y), 0x40};
}

Color BackgroundPattern(int x, int y) {
    return Color{static_cast<std::uint8_t>((3 * x) % 256), static_cast<std::uint8_t>(3 * y), 0x80};
}

DeviceContext CopyOf(const DeviceContext& source) {
    const Bitmap& bitmap = source.CurrentBitmap();
    DeviceContext copy{Bitmap(bitmap.Width(), bitmap.Height())};
    copy.BitBlt(0, 0, bitmap.Width(), bitmap.Height(), source, 0, 0, Rop::SrcCopy);
    return copy;
}

DeviceContext LoadResource(int number) {
    return DeviceContext{Bitmap::LoadResource(number)};
}

// The smallest rectangle holding every pixel that differs between a and b (empty
// when none does).
Rect ChangedBounds(const DeviceContext& a, const DeviceContext& b) {
    Rect bounds{kLowerWidth, kLowerHeight, 0, 0};
    for (int y = 0; y < kLowerHeight; ++y) {
        for (int x = 0; x < kLowerWidth; ++x) {
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
                bounds = Rect{std::min(bounds.left, x), std::min(bounds.top, y),
                              std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds.IsEmpty() ? Rect{} : bounds;
}

// Pixels of rect in dc that differ from source's pixels at rect moved by (dx, dy).
int Mismatches(const DeviceContext& dc, const Rect& rect, const DeviceContext& source, int dx,
               int dy) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (dc.GetPixel(x, y) != source.GetPixel(x + dx, y + dy)) {
                ++count;
            }
        }
    }
    return count;
}

// Pixels of rect that are neither of the two colours of a text cell.
int ForeignPixels(const DeviceContext& dc, const Rect& rect, Color ink) {
    return rect.Width() * rect.Height() - CountPixels(dc, rect, ink) -
           CountPixels(dc, rect, Color{0, 0, 0});
}

class StatusLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        objects_ = DrawingObjects::Create(*test::SystemFontEngine());
        ASSERT_FALSE(objects_.smallTahomaFont.IsNull());
    }

    int TextWidth(std::string_view text) const { return objects_.smallTahomaFont.TextWidth(text); }

    // Where a count's text starts: 7 columns into the 22-column image at 296, or
    // right-aligned at its edge when it has more digits than fit there.
    int CountTextLeft(std::string_view shown) const {
        return shown.size() <= 3 ? 303 : kCountFieldRight - TextWidth(shown);
    }

    // Where text drawn with its cell's top left at (x, y) would put ink, as a text-coloured
    // mask over black; compared pixel for pixel it tells which text was drawn, whatever the
    // glyphs look like.
    int InkMismatches(const DeviceContext& dc, int x, int y, int width, int height,
                      std::string_view text, Color ink) const {
        DeviceContext reference{Bitmap(width, height)};
        reference.SelectFont(objects_.smallTahomaFont);
        reference.SetTextColor(ink);
        reference.SetBkColor(Color{0, 0, 0});
        reference.TextOut(0, 0, text);
        int count = 0;
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                const bool inked = dc.GetPixel(x + column, y + row) == ink;
                const bool expected = reference.GetPixel(column, row) == ink;
                count += inked != expected ? 1 : 0;
            }
        }
        return count;
    }

    DrawingObjects objects_;
    DeviceContext lower_ = PatternContext(kLowerWidth, kLowerHeight, LowerPattern);
    const DeviceContext background_ = PatternContext(320, 80, BackgroundPattern);
};

struct CaptionCase {
    StatusPicture mode;
    int bitmap;
};

class ModeCaptionTest : public StatusLineTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(ModeCaptionTest, CopiesTheLeftPartOfTheModesCaptionTo3And1) {
    const CaptionCase c = GetParam();
    const DeviceContext before = CopyOf(lower_);
    const DeviceContext caption = LoadResource(c.bitmap);
    ASSERT_FALSE(caption.CurrentBitmap().IsNull());

    DrawModeCaption(lower_, objects_, c.mode);

    EXPECT_EQ(Mismatches(lower_, Rect{3, 1, 158, 11}, caption, -3, -1), 0);
    EXPECT_GT(CountPixels(lower_, Rect{3, 1, 158, 11}, kOrange), 0);
    const Rect changed = ChangedBounds(before, lower_);
    EXPECT_EQ(changed.Intersected(Rect{3, 1, 158, 11}), changed);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ModeCaptionTest,
                         ::testing::Values(CaptionCase{StatusPicture::Ready, 167},
                                           CaptionCase{StatusPicture::Run, 166},
                                           CaptionCase{StatusPicture::Random, 168},
                                           CaptionCase{StatusPicture::StayAlive, 171},
                                           CaptionCase{StatusPicture::SeekingTarget, 170},
                                           CaptionCase{StatusPicture::Eliminated, 212}));

TEST_F(StatusLineTest, AModeWithoutACaptionChangesNothing) {
    const DeviceContext before = CopyOf(lower_);
    DrawModeCaption(lower_, objects_, static_cast<StatusPicture>(6));
    DrawModeCaption(lower_, objects_, static_cast<StatusPicture>(-1));
    EXPECT_TRUE(ChangedBounds(before, lower_).IsEmpty());
}

struct SuccessCase {
    TestState state;
    int bitmap;
};

class SuccessfulProbeTest : public StatusLineTest,
                            public ::testing::WithParamInterface<SuccessCase> {};

TEST_P(SuccessfulProbeTest, ShowsTheCaptionOfTheTestState) {
    const SuccessCase c = GetParam();
    const DeviceContext before = CopyOf(lower_);

    DrawProbeStatus(lower_, background_, objects_, 0, c.state);

    EXPECT_EQ(Mismatches(lower_, Rect{3, 1, 158, 11}, LoadResource(c.bitmap), -3, -1), 0);
    const Rect changed = ChangedBounds(before, lower_);
    EXPECT_EQ(changed.Intersected(Rect{3, 1, 158, 11}), changed);
}

INSTANTIATE_TEST_SUITE_P(EveryTestState, SuccessfulProbeTest,
                         ::testing::Values(SuccessCase{TestState::Idle, 167},
                                           SuccessCase{TestState::Run, 166},
                                           SuccessCase{TestState::Random, 168},
                                           SuccessCase{TestState::StayAlive, 171}));

TEST_F(StatusLineTest, AFailedProbeShowsTheErrorIconAndItsStatusText) {
    const DeviceContext before = CopyOf(lower_);
    const DeviceContext icon = LoadResource(169);
    const std::string_view text = IcmpStatusText(kTimedOut);
    ASSERT_EQ(text, "Request timed out.");
    const int width = TextWidth(text);
    ASSERT_LT(width, 240);

    DrawProbeStatus(lower_, background_, objects_, kTimedOut, TestState::Run);

    // The icon bitmap shows left of the text and in the two rows below it.
    EXPECT_EQ(Mismatches(lower_, Rect{2, 2, 15, 12}, icon, -2, -2), 0);
    EXPECT_GT(CountPixels(lower_, Rect{2, 2, 15, 12}, kRed), 0);
    EXPECT_EQ(Mismatches(lower_, Rect{15, 10, 202, 12}, icon, -2, -2), 0);
    // The text cell: light cyan on black from (15, 0), ten rows high.
    const Rect cell{15, 0, 15 + width, 10};
    EXPECT_EQ(ForeignPixels(lower_, cell, kLightCyan), 0);
    EXPECT_EQ(InkMismatches(lower_, 15, 0, width, 10, text, kLightCyan), 0);
    // The rest of the text image is clean background from (15, 28) of the display
    // background buffer.
    EXPECT_EQ(Mismatches(lower_, Rect{15 + width, 0, 255, 10}, background_, 0, 28), 0);

    const Rect changed = ChangedBounds(before, lower_);
    EXPECT_EQ(changed, (Rect{2, 0, 255, 12}));
    EXPECT_EQ(Mismatches(lower_, Rect{2, 0, 15, 2}, before, 0, 0), 0);
    EXPECT_EQ(Mismatches(lower_, Rect{202, 10, 255, 12}, before, 0, 0), 0);
}

TEST_F(StatusLineTest, AStatusTextWiderThanItsImageIsCutAtColumn255) {
    const std::string_view text = IcmpStatusText(kNoIcmpSocket);
    ASSERT_GT(TextWidth(text), 240);
    const DeviceContext before = CopyOf(lower_);

    DrawProbeStatus(lower_, background_, objects_, kNoIcmpSocket, TestState::Run);

    EXPECT_EQ(ChangedBounds(before, lower_).right, 255);
    EXPECT_EQ(ForeignPixels(lower_, Rect{15, 0, 255, 10}, kLightCyan), 0);
}

TEST_F(StatusLineTest, TheNextSuccessRestoresTheCaptionAndLeavesTheTextTail) {
    // A text long enough to reach past the caption's columns.
    DrawProbeStatus(lower_, background_, objects_, kNoIcmpSocket, TestState::StayAlive);
    const DeviceContext failed = CopyOf(lower_);
    ASSERT_GT(CountPixels(failed, Rect{158, 0, 255, 10}, kLightCyan), 0);

    DrawProbeStatus(lower_, background_, objects_, 0, TestState::StayAlive);

    EXPECT_EQ(Mismatches(lower_, Rect{3, 1, 158, 11}, LoadResource(171), -3, -1), 0);
    const Rect changed = ChangedBounds(failed, lower_);
    EXPECT_EQ(changed.Intersected(Rect{3, 1, 158, 11}), changed);
    // Column 2 keeps the icon's edge, row 0 and columns 158 on keep the old text.
    EXPECT_EQ(Mismatches(lower_, Rect{158, 0, 255, 12}, failed, 0, 0), 0);
    EXPECT_EQ(Mismatches(lower_, Rect{2, 2, 3, 12}, LoadResource(169), -2, -2), 0);
}

TEST_F(StatusLineTest, NoStatusTextLeavesInkInTheCaptionsColumns) {
    // The caption covers rows 1 to 10 only: a glyph reaching row 0 would stay there as
    // a stray pixel after the next success.
    std::vector<std::uint32_t> codes;
    for (std::uint32_t code = 11000; code <= 11022; ++code) {
        codes.push_back(code);
    }
    codes.push_back(kNoIcmpSocket);
    for (const std::uint32_t code : codes) {
        lower_ = PatternContext(kLowerWidth, kLowerHeight, LowerPattern);
        DrawProbeStatus(lower_, background_, objects_, code, TestState::Run);
        DrawProbeStatus(lower_, background_, objects_, 0, TestState::Run);
        EXPECT_EQ(CountPixels(lower_, Rect{3, 0, 158, 12}, kLightCyan), 0) << code;
    }
}

struct CountCase {
    int count;
    const char* shown;
};

class ProbeCountTest : public StatusLineTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ProbeCountTest, ShowsEveryDigitFromItsPlaceInTheField) {
    const CountCase c = GetParam();
    const DeviceContext before = CopyOf(lower_);
    const int textLeft = CountTextLeft(c.shown);
    const int width = TextWidth(c.shown);

    DrawProbeCount(lower_, objects_, c.count);

    // Only the text's cells change.
    const Rect cells{textLeft, 0, textLeft + width, 11};
    EXPECT_EQ(ChangedBounds(before, lower_).Intersected(cells), ChangedBounds(before, lower_));
    EXPECT_EQ(cells.right, kCountFieldRight) << "the last digit ends the field";
    EXPECT_EQ(ForeignPixels(lower_, cells, kOrange), 0);
    EXPECT_EQ(InkMismatches(lower_, textLeft, 0, width, 11, c.shown, kOrange), 0);
    // Every character cell carries ink: no digit is cut off.
    const std::string shown = c.shown;
    int cellLeft = textLeft;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int cellWidth = TextWidth(shown.substr(i, 1));
        EXPECT_GT(CountPixels(lower_, Rect{cellLeft, 0, cellLeft + cellWidth, 11}, kOrange), 0)
            << "character " << i;
        cellLeft += cellWidth;
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, ProbeCountTest,
                         ::testing::Values(CountCase{0, "000"}, CountCase{7, "007"},
                                           CountCase{42, "042"}, CountCase{999, "999"},
                                           CountCase{1000, "1000"}, CountCase{12345, "12345"},
                                           CountCase{9999999, "9999999"}));

TEST_F(StatusLineTest, AShorterCountLeavesNoDigitOfALongerOne) {
    DrawProbeCount(lower_, objects_, 1234567);
    DrawProbeCount(lower_, objects_, 7);

    EXPECT_EQ(
        CountPixels(lower_, Rect{kCountFieldRight - TextWidth("1234567"), 0, 303, 11}, kOrange), 0);
    EXPECT_EQ(InkMismatches(lower_, 303, 0, TextWidth("007"), 11, "007", kOrange), 0);
}

TEST_F(StatusLineTest, TheHostNameIsDrawnFrom162InLightCyanOnBlack) {
    const std::string_view name = "localhost.localdomain";
    const int width = TextWidth(name);
    const DeviceContext before = CopyOf(lower_);

    DrawHostName(lower_, objects_, name, 0);

    const Rect cell{kHostNameX, 0, kHostNameX + width, 11};
    EXPECT_EQ(ChangedBounds(before, lower_).Intersected(cell), ChangedBounds(before, lower_));
    EXPECT_EQ(ForeignPixels(lower_, cell, kLightCyan), 0);
    EXPECT_EQ(InkMismatches(lower_, kHostNameX, 0, width, 11, name, kLightCyan), 0);
}

TEST_F(StatusLineTest, AnEmptyHostNameOfADottedTargetDrawsNothing) {
    const DeviceContext before = CopyOf(lower_);
    DrawHostName(lower_, objects_, "", 0);
    EXPECT_TRUE(ChangedBounds(before, lower_).IsEmpty());
}

TEST_F(StatusLineTest, AShorterHostNameLeavesTheTailOfTheLongerOne) {
    const std::string_view longer = "somewhere.example";
    const std::string_view shorter = "here";
    DrawHostName(lower_, objects_, longer, 0);
    const DeviceContext afterLonger = CopyOf(lower_);

    DrawHostName(lower_, objects_, shorter, 0);

    const int shortWidth = TextWidth(shorter);
    const Rect tail{kHostNameX + shortWidth, 0, kHostNameX + TextWidth(longer), 11};
    EXPECT_EQ(Mismatches(lower_, tail, afterLonger, 0, 0), 0);
    EXPECT_GT(CountPixels(lower_, tail, kLightCyan), 0);
    EXPECT_EQ(InkMismatches(lower_, kHostNameX, 0, shortWidth, 11, shorter, kLightCyan), 0);
}

TEST_F(StatusLineTest, TheHostNameCoversALongStatusTextButNeverTheCount) {
    const struct {
        int count;
        const char* shown;
        int nameEnd;
    } cases[] = {
        {7, "007", kHostNameX + 140},                             // its own 140 columns
        {1234, "1234", kCountFieldRight - TextWidth("1234") - 1}, // a blank column before
        {123456, "123456", kCountFieldRight - TextWidth("123456") - 1},
    };
    const std::string_view name = "a-rather-long-host-name.in-a-long-domain.example";
    ASSERT_GT(TextWidth(name), 140);
    for (const auto& c : cases) {
        lower_ = PatternContext(kLowerWidth, kLowerHeight, LowerPattern);
        DrawProbeCount(lower_, objects_, c.count);
        DrawProbeStatus(lower_, background_, objects_, kNoIcmpSocket, TestState::StayAlive);
        const DeviceContext before = CopyOf(lower_);

        DrawHostName(lower_, objects_, name, c.count);

        const Rect changed = ChangedBounds(before, lower_);
        EXPECT_GE(changed.left, kHostNameX) << c.count;
        EXPECT_EQ(changed.right, c.nameEnd) << c.count;
        EXPECT_EQ(ForeignPixels(lower_, Rect{kHostNameX, 0, c.nameEnd, 11}, kLightCyan), 0);
        EXPECT_EQ(
            InkMismatches(lower_, kHostNameX, 0, c.nameEnd - kHostNameX, 10, name, kLightCyan), 0)
            << c.count;
        const int textLeft = CountTextLeft(c.shown);
        EXPECT_EQ(
            InkMismatches(lower_, textLeft, 0, kCountFieldRight - textLeft, 11, c.shown, kOrange),
            0)
            << c.count;
    }
}

} // namespace
} // namespace lumet

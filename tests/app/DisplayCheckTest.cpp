#include "app/DisplayCheck.h"

#include "app/MainDialogTemplate.h"
#include "app/WindowStyles.h"
#include "tests/app/TemplateBytes.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

using test::RecordingMessageBoxes;
using test::TemplateBytes;

const std::string kPaletteWarning = "Your display is set to 256 (or less) colors.\n"
                                    "This application deliberately is stripped off\n"
                                    "indexed color support, and unless you will\n"
                                    "provide a valid reason to do otherwise - it\n"
                                    "is going to stay that way.\n"
                                    "Meanwhile, do yourself a favor and switch \n"
                                    "the display to Hi-Color or True-Color Mode.\n";

std::string FontSizeWarning(int logPixelsX) {
    return "Your display is set to unsupported font size,\n"
           "(i.e. other than Small Fonts or Large Fonts).\n"
           "It may cause, that this application will not\n"
           "show on the screen properly.\n\n"
           "LOGPIXELSX = " +
           std::to_string(logPixelsX);
}

constexpr std::size_t kMainPointSizeOffset = 32;

std::uint16_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

// The bytes with the word at `offset` replaced.
std::vector<std::uint8_t> WithWord(std::vector<std::uint8_t> bytes, std::size_t offset,
                                   std::uint16_t value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFFu);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
    return bytes;
}

void ExpectWarning(const RecordingMessageBoxes::Shown& shown, const std::string& text) {
    EXPECT_FALSE(shown.application) << "a box of its own, not the application's";
    EXPECT_EQ(shown.caption, "Warning");
    EXPECT_EQ(shown.icon, MessageIcon::Warning);
    EXPECT_EQ(shown.text, text);
}

struct DensityCase {
    int logPixelsX;
    std::uint16_t pointSize;
};

class PointSizeTest : public ::testing::TestWithParam<DensityCase> {};

TEST_P(PointSizeTest, OnlyThePointSizeChanges) {
    const std::vector<std::uint8_t> original = MainDialogTemplate::Bytes();
    RecordingMessageBoxes messages;
    const std::vector<std::uint8_t> checked =
        CheckDisplay(original, DisplayMetrics{GetParam().logPixelsX, -1}, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(checked, WithWord(original, kMainPointSizeOffset, GetParam().pointSize));

    DialogTemplate expected = MainDialogTemplate::Description();
    expected.pointSize = GetParam().pointSize;
    EXPECT_EQ(DialogTemplate::Parse(checked), expected);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLargeFonts, PointSizeTest,
                         ::testing::Values(DensityCase{96, 10}, DensityCase{120, 8}));

TEST(CheckDisplayTest, LargeFontsSetEightPointsEvenWhenTheTemplateSaysOtherwise) {
    const std::vector<std::uint8_t> twelve =
        WithWord(MainDialogTemplate::Bytes(), kMainPointSizeOffset, 12);
    RecordingMessageBoxes messages;
    const std::vector<std::uint8_t> checked = CheckDisplay(twelve, {120, -1}, messages);
    EXPECT_EQ(WordAt(checked, kMainPointSizeOffset), 8u);
}

TEST(CheckDisplayTest, OtherDensitiesWarnAndKeepTheTemplate) {
    for (const int logPixelsX : {144, 72, 97, 0, -1}) {
        const std::vector<std::uint8_t> original = MainDialogTemplate::Bytes();
        RecordingMessageBoxes messages;
        const std::vector<std::uint8_t> checked =
            CheckDisplay(original, DisplayMetrics{logPixelsX, -1}, messages);
        EXPECT_EQ(checked, original) << logPixelsX;
        ASSERT_EQ(messages.shown.size(), 1u) << logPixelsX;
        ExpectWarning(messages.shown[0], FontSizeWarning(logPixelsX));
    }
}

TEST(CheckDisplayTest, PaletteDisplayIsWarnedAboutAndStillAdjusted) {
    RecordingMessageBoxes messages;
    const std::vector<std::uint8_t> checked =
        CheckDisplay(MainDialogTemplate::Bytes(), DisplayMetrics{96, 256}, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    ExpectWarning(messages.shown[0], kPaletteWarning);
    EXPECT_EQ(WordAt(checked, kMainPointSizeOffset), 10u);
}

TEST(CheckDisplayTest, BothWarningsComePaletteFirst) {
    RecordingMessageBoxes messages;
    const std::vector<std::uint8_t> original = MainDialogTemplate::Bytes();
    const std::vector<std::uint8_t> checked =
        CheckDisplay(original, DisplayMetrics{144, 16}, messages);
    ASSERT_EQ(messages.shown.size(), 2u);
    ExpectWarning(messages.shown[0], kPaletteWarning);
    ExpectWarning(messages.shown[1], FontSizeWarning(144));
    EXPECT_EQ(checked, original);
}

TEST(CheckDisplayTest, OnlyAPositiveColourCountIsAPaletteDisplay) {
    for (const int numColors : {-1, 0}) {
        RecordingMessageBoxes messages;
        CheckDisplay(MainDialogTemplate::Bytes(), DisplayMetrics{96, numColors}, messages);
        EXPECT_TRUE(messages.shown.empty()) << numColors;
    }
    RecordingMessageBoxes messages;
    CheckDisplay(MainDialogTemplate::Bytes(), DisplayMetrics{96, 1}, messages);
    EXPECT_EQ(messages.shown.size(), 1u);
}

constexpr std::uint32_t kFontDialog =
    window_style::kPopup | window_style::kVisible | dialog_style::kSetFont;

struct WalkCase {
    const char* name;
    TemplateBytes head; // everything before the point size
};

TEST(CheckDisplayTest, PointSizeIsFoundBehindAnyMenuClassAndTitle) {
    auto header = [] { return TemplateBytes().Header(kFontDialog, 0); };
    const WalkCase cases[] = {
        {"ordinal menu", header().Word(0xFFFF).Word(300).Word(0).Word(0)},
        {"ordinal class", header().Word(0).Word(0xFFFF).Word(0x8002).Word(0)},
        {"string title", header().Word(0).Word(0).String(u"Ping")},
        {"all strings", header().String(u"Menu").String(u"Class").String(u"A title")},
        {"title starting with U+4E00", header().Word(0).Word(0).String(u"\u4E00\u4E01")},
    };
    for (const WalkCase& c : cases) {
        const std::size_t offset = c.head.Size();
        TemplateBytes full = c.head;
        full.Word(8).Word(0).Byte(0).Byte(1).String(u"Courier New");
        RecordingMessageBoxes messages;
        const std::vector<std::uint8_t> checked = CheckDisplay(full.Bytes(), {96, -1}, messages);
        EXPECT_EQ(checked, WithWord(full.Bytes(), offset, 10)) << c.name;
        const std::optional<DialogTemplate> parsed = DialogTemplate::Parse(checked);
        ASSERT_TRUE(parsed) << c.name;
        EXPECT_EQ(parsed->pointSize, 10u) << c.name;
        EXPECT_EQ(parsed->typeface, u"Courier New") << c.name;
    }
}

TEST(CheckDisplayTest, MalformedTemplatesComeBackUntouched) {
    auto header = [] { return TemplateBytes().Header(kFontDialog, 0); };
    const WalkCase cases[] = {
        {"empty", TemplateBytes()},
        {"short header", TemplateBytes().Word(1).Word(0xFFFF).Dword(0)},
        {"unterminated title", header().Word(0).Word(0).Chars(u"Ping")},
        {"unterminated menu", header().Chars(u"Menu")},
        {"ordinal cut off", header().Word(0).Word(0xFFFF)},
        {"point size cut off", header().Word(0).Word(0).Word(0).Byte(8)},
        {"no font",
         TemplateBytes().Header(window_style::kPopup, 0).Word(0).Word(0).Word(0).Word(8).Word(0)},
        {"not extended", TemplateBytes()
                             .Word(0)
                             .Word(0)
                             .Dword(0)
                             .Dword(kFontDialog)
                             .Word(0)
                             .Word(0)
                             .Word(0)
                             .Word(0)
                             .Word(0)
                             .Word(0)
                             .Word(0)
                             .Word(8)},
    };
    for (const WalkCase& c : cases) {
        RecordingMessageBoxes messages;
        EXPECT_EQ(CheckDisplay(c.head.Bytes(), {96, -1}, messages), c.head.Bytes()) << c.name;
    }
}

TEST(CheckDisplayTest, EveryTruncationOfTheMainTemplateIsSafe) {
    const std::vector<std::uint8_t> full = MainDialogTemplate::Bytes();
    for (std::size_t length = 0; length <= full.size(); ++length) {
        const std::vector<std::uint8_t> prefix(full.begin(),
                                               full.begin() + static_cast<std::ptrdiff_t>(length));
        RecordingMessageBoxes messages;
        const std::vector<std::uint8_t> checked = CheckDisplay(prefix, {96, -1}, messages);
        if (length < kMainPointSizeOffset + 2) {
            EXPECT_EQ(checked, prefix) << length;
        } else {
            // The point size is all there, which is all the check needs.
            EXPECT_EQ(checked, WithWord(prefix, kMainPointSizeOffset, 10)) << length;
        }
    }
}

} // namespace
} // namespace lumet

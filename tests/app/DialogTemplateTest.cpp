#include "app/DialogTemplate.h"

#include "app/WindowStyles.h"
#include "tests/app/TemplateBytes.h"

#include <gtest/gtest.h>
#include <random>

namespace lumet {
namespace {

using test::TemplateBytes;

constexpr std::uint32_t kFontDialog =
    window_style::kPopup | window_style::kVisible | dialog_style::kSetFont;

struct OffsetCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::optional<std::size_t> offset;
};

std::vector<OffsetCase> OffsetCases() {
    auto header = [] { return TemplateBytes().Header(kFontDialog, 0); };
    return {
        {"all three empty", header().Word(0).Word(0).Word(0).Word(8).Bytes(), 32},
        {"ordinal menu, string title",
         header().Word(0xFFFF).Word(101).Word(0).String(u"Hi").Word(8).Bytes(), 26 + 4 + 2 + 6},
        {"string menu, ordinal class, empty title",
         header().String(u"MENU").Word(0xFFFF).Word(7).Word(0).Word(8).Bytes(), 26 + 10 + 4 + 2},
        {"string class, ordinal title",
         header().Word(0).String(u"MyClass").Word(0xFFFF).Word(3).Word(8).Bytes(), 26 + 2 + 16 + 4},
        // A character whose low byte is 0 or 0xFF still starts a string.
        {"title starting with U+4E00", header().Word(0).Word(0).String(u"\u4E00x").Word(8).Bytes(),
         26 + 4 + 6},
        {"title starting with U+00FF", header().Word(0).Word(0).String(u"\u00FFx").Word(8).Bytes(),
         26 + 4 + 6},
        {"menu starting with U+0100", header().String(u"\u0100").Word(0).Word(0).Word(8).Bytes(),
         26 + 4 + 4},
        {"no font style",
         TemplateBytes().Header(window_style::kPopup, 0).Word(0).Word(0).Word(0).Word(8).Bytes(),
         std::nullopt},
        {"point size cut off", header().Word(0).Word(0).Word(0).Byte(8).Bytes(), std::nullopt},
        {"unterminated title", header().Word(0).Word(0).Chars(u"Title").Bytes(), std::nullopt},
        {"ordinal without its value", header().Word(0xFFFF).Bytes(), std::nullopt},
        {"header only", header().Bytes(), std::nullopt},
        {"plain template, not extended",
         TemplateBytes()
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
             .Word(8)
             .Bytes(),
         std::nullopt},
        {"empty", {}, std::nullopt},
    };
}

TEST(DialogTemplateTest, PointSizeOffsetWalksTheVariableFields) {
    for (const OffsetCase& c : OffsetCases()) {
        EXPECT_EQ(DialogTemplate::PointSizeOffset(c.bytes), c.offset) << c.name;
    }
}

TEST(DialogTemplateTest, ParseReadsEveryFieldOfAHandBuiltTemplate) {
    TemplateBytes bytes;
    bytes.Word(1)
        .Word(0xFFFF)
        .Dword(77)
        .Dword(extended_style::kAppWindow)
        .Dword(kFontDialog)
        .Word(2)
        .Word(5)
        .Word(6)
        .Word(180)
        .Word(58)
        .Word(0xFFFF)
        .Word(200) // menu ordinal
        .String(u"Cls")
        .String(u"Title")
        .Word(9)   // point size
        .Word(700) // weight
        .Byte(1)   // italic
        .Byte(1)   // charset
        .String(u"Arial");
    ASSERT_EQ(bytes.Size(), 26u + 4 + 8 + 12 + 6 + 12);
    bytes.Dword(5)
        .Dword(extended_style::kTransparent)
        .Dword(window_style::kChild | window_style::kVisible)
        .Word(1)
        .Word(2)
        .Word(3)
        .Word(4)
        .Dword(1000)
        .Word(0xFFFF)
        .Word(0x0081)
        .Word(0)
        .Word(3)
        .Byte(0xA)
        .Byte(0xB)
        .Byte(0xC);
    bytes.Byte(0); // align the second item
    ASSERT_EQ(bytes.Size(), 104u);
    bytes.Dword(0)
        .Dword(0)
        .Dword(window_style::kChild)
        .Word(static_cast<std::uint16_t>(-1))
        .Word(0)
        .Word(10)
        .Word(10)
        .Dword(70000)
        .String(u"STATIC")
        .Word(0xFFFF)
        .Word(129)
        .Word(0);

    const std::optional<DialogTemplate> dialog = DialogTemplate::Parse(bytes.Bytes());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->helpId, 77u);
    EXPECT_EQ(dialog->exStyle, extended_style::kAppWindow);
    EXPECT_EQ(dialog->style, kFontDialog);
    EXPECT_EQ(dialog->rect, (DialogRect{5, 6, 180, 58}));
    EXPECT_EQ(dialog->menu, ResourceName::Ordinal(200));
    EXPECT_EQ(dialog->windowClass, ResourceName::Text(u"Cls"));
    EXPECT_EQ(dialog->title, ResourceName::Text(u"Title"));
    EXPECT_EQ(dialog->pointSize, 9u);
    EXPECT_EQ(dialog->weight, 700u);
    EXPECT_EQ(dialog->italic, 1u);
    EXPECT_EQ(dialog->charset, 1u);
    EXPECT_EQ(dialog->typeface, u"Arial");
    ASSERT_EQ(dialog->items.size(), 2u);

    const DialogItem& first = dialog->items[0];
    EXPECT_EQ(first.helpId, 5u);
    EXPECT_EQ(first.id, 1000u);
    EXPECT_EQ(first.rect, (DialogRect{1, 2, 3, 4}));
    EXPECT_EQ(first.Class(), ControlClass::Edit);
    EXPECT_TRUE(first.title.IsEmpty());
    EXPECT_TRUE(first.IsTransparent());
    EXPECT_EQ(first.creationData, (std::vector<std::uint8_t>{0xA, 0xB, 0xC}));

    const DialogItem& second = dialog->items[1];
    EXPECT_EQ(second.id, 70000u);
    EXPECT_EQ(second.rect.x, -1);
    EXPECT_EQ(second.Class(), ControlClass::Static) << "class named by string";
    EXPECT_EQ(second.title, ResourceName::Ordinal(129));
    EXPECT_TRUE(second.IsHidden());

    EXPECT_EQ(dialog->Encode(), bytes.Bytes()) << "encoding gives the same bytes back";
}

DialogTemplate SampleTemplate() {
    DialogTemplate dialog;
    dialog.helpId = 3;
    dialog.exStyle = extended_style::kAppWindow;
    dialog.style = kFontDialog;
    dialog.rect = {1, 2, 100, 50};
    dialog.menu = ResourceName::Text(u"M");
    dialog.windowClass = ResourceName::Ordinal(0x8002);
    dialog.title = ResourceName::Text(u"Odd");
    dialog.pointSize = 12;
    dialog.weight = 400;
    dialog.typeface = u"Tahoma";
    for (std::uint32_t i = 0; i < 4; ++i) {
        DialogItem item;
        item.id = 100 + i;
        item.style = window_style::kChild | i;
        item.rect = {static_cast<std::int16_t>(i), 0, 10, 10};
        item.windowClass = i % 2 == 0 ? ResourceName::Ordinal(kButtonClassOrdinal)
                                      : ResourceName::Text(u"SysLink");
        item.title = ResourceName::Text(std::u16string(i, u'x'));
        item.creationData.assign(i, static_cast<std::uint8_t>(i));
        dialog.items.push_back(item);
    }
    return dialog;
}

TEST(DialogTemplateTest, EncodeAndParseRoundTrip) {
    const DialogTemplate dialog = SampleTemplate();
    const std::vector<std::uint8_t> bytes = dialog.Encode();
    const std::optional<DialogTemplate> parsed = DialogTemplate::Parse(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, dialog);
}

TEST(DialogTemplateTest, TemplateWithoutFontHasNoFontFields) {
    DialogTemplate dialog = SampleTemplate();
    dialog.style = window_style::kPopup;
    dialog.pointSize = 0;
    dialog.weight = 0;
    dialog.typeface.clear();
    const std::vector<std::uint8_t> bytes = dialog.Encode();
    EXPECT_EQ(bytes.size(), SampleTemplate().Encode().size() - 2 - 2 - 2 - 14)
        << "no point size, weight, italic, charset or typeface";
    const std::optional<DialogTemplate> parsed = DialogTemplate::Parse(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, dialog);
}

TEST(DialogTemplateTest, EveryItemStartsOnAFourByteBoundary) {
    // An item ends after a 16-bit word; with captions of 0 to 3 characters and 0 to 3
    // bytes of creation data, items end at every remainder modulo 4.
    const std::vector<std::uint8_t> bytes = SampleTemplate().Encode();
    std::size_t offset = *DialogTemplate::PointSizeOffset(bytes) + 2 + 2 + 1 + 1 + 14;
    for (std::uint32_t i = 0; i < 4; ++i) {
        offset = (offset + 3) / 4 * 4;
        // The item's id lies 20 bytes into it.
        ASSERT_LT(offset + 24, bytes.size());
        EXPECT_EQ(bytes[offset + 20], 100 + i) << "item " << i << " at " << offset;
        const std::size_t classSize = i % 2 == 0 ? 4 : 16;
        offset += 24 + classSize + 2 * (i + 1) + 2 + i;
    }
    EXPECT_EQ(offset, bytes.size());
}

TEST(DialogTemplateTest, EveryTruncationFailsToParse) {
    const std::vector<std::uint8_t> bytes = SampleTemplate().Encode();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_FALSE(DialogTemplate::Parse(std::span(bytes.data(), length)).has_value())
            << length << " of " << bytes.size() << " bytes";
    }
}

TEST(DialogTemplateTest, ItemCountBeyondTheBytesFailsToParse) {
    std::vector<std::uint8_t> bytes = SampleTemplate().Encode();
    bytes[16] = 5; // item count
    EXPECT_FALSE(DialogTemplate::Parse(bytes).has_value());
}

TEST(DialogTemplateTest, CreationDataBeyondTheBytesFailsToParse) {
    DialogTemplate dialog = SampleTemplate();
    dialog.items.resize(1);
    std::vector<std::uint8_t> bytes = dialog.Encode();
    bytes[bytes.size() - 2] = 0xFF; // extra count of the last item
    EXPECT_FALSE(DialogTemplate::Parse(bytes).has_value());
}

// Corrupted bytes must never be read past their end (the sanitizer build watches),
// and whatever parses must survive re-encoding.
TEST(DialogTemplateTest, CorruptedTemplatesParseSafely) {
    const std::vector<std::uint8_t> original = SampleTemplate().Encode();
    std::mt19937 random(102);
    std::uniform_int_distribution<std::size_t> position(0, original.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    int parsedCount = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bytes = original;
        for (int flips = round % 4 + 1; flips > 0; --flips) {
            bytes[position(random)] = static_cast<std::uint8_t>(byte(random));
        }
        bytes.resize(position(random) + 1 + (round % 2 == 0 ? original.size() : 0));
        (void)DialogTemplate::PointSizeOffset(bytes);
        const std::optional<DialogTemplate> parsed = DialogTemplate::Parse(bytes);
        if (parsed) {
            ++parsedCount;
            EXPECT_EQ(DialogTemplate::Parse(parsed->Encode()), parsed) << "round " << round;
        }
    }
    EXPECT_GT(parsedCount, 0) << "some corruptions leave a readable template";
}

DialogItem ItemOf(std::uint16_t classOrdinal, std::uint32_t style, std::uint32_t exStyle = 0) {
    DialogItem item;
    item.windowClass = ResourceName::Ordinal(classOrdinal);
    item.style = style;
    item.exStyle = exStyle;
    return item;
}

TEST(DialogItemTest, ClassComesFromOrdinalOrName) {
    DialogItem item;
    item.windowClass = ResourceName::Text(u"Button");
    EXPECT_EQ(item.Class(), ControlClass::Button);
    item.windowClass = ResourceName::Text(u"EDIT");
    EXPECT_EQ(item.Class(), ControlClass::Edit);
    item.windowClass = ResourceName::Text(u"Edits");
    EXPECT_EQ(item.Class(), ControlClass::Other);
    item.windowClass = ResourceName::Ordinal(0x0083);
    EXPECT_EQ(item.Class(), ControlClass::Other) << "list box";
    EXPECT_EQ(ItemOf(0x0082, 0).Class(), ControlClass::Static);
}

TEST(DialogItemTest, AlignmentFollowsEachClassesBits) {
    struct Case {
        std::uint16_t classOrdinal;
        std::uint32_t style;
        TextAlignment alignment;
    };
    const Case cases[] = {
        {kEditClassOrdinal, 0, TextAlignment::Left},
        {kEditClassOrdinal, edit_style::kCenter, TextAlignment::Center},
        {kEditClassOrdinal, edit_style::kRight, TextAlignment::Right},
        {kEditClassOrdinal, edit_style::kRight | edit_style::kCenter, TextAlignment::Right},
        {kStaticClassOrdinal, static_style::kCenter, TextAlignment::Center},
        {kStaticClassOrdinal, static_style::kRight, TextAlignment::Right},
        // Static types are values, not bits: 3 is an icon, 0xE a bitmap.
        {kStaticClassOrdinal, 0x3, TextAlignment::Left},
        {kStaticClassOrdinal, static_style::kBitmap, TextAlignment::Left},
        {kButtonClassOrdinal, 0, TextAlignment::Center},
        {kButtonClassOrdinal, button_style::kLeft, TextAlignment::Left},
        {kButtonClassOrdinal, button_style::kRight, TextAlignment::Right},
        {kButtonClassOrdinal, button_style::kCenter, TextAlignment::Center},
        // Bit 1 of a button is a type, not alignment.
        {kButtonClassOrdinal, edit_style::kRight, TextAlignment::Center},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemOf(c.classOrdinal, c.style).Alignment(), c.alignment)
            << "class " << c.classOrdinal << " style " << c.style;
    }
}

TEST(DialogItemTest, StyleBitsOfOneClassMeanNothingOnAnother) {
    // 0x2000 is "digits only" on an edit but "multi-line" on a button.
    EXPECT_TRUE(ItemOf(kEditClassOrdinal, edit_style::kNumber).IsDigitsOnly());
    EXPECT_FALSE(ItemOf(kButtonClassOrdinal, edit_style::kNumber).IsDigitsOnly());
    // 0x100 is "notify" on a static but not on an edit or a button.
    EXPECT_TRUE(ItemOf(kStaticClassOrdinal, static_style::kNotify).IsNotify());
    EXPECT_FALSE(ItemOf(kEditClassOrdinal, static_style::kNotify).IsNotify());
    EXPECT_FALSE(ItemOf(kButtonClassOrdinal, static_style::kNotify).IsNotify());
    EXPECT_TRUE(ItemOf(kButtonClassOrdinal, button_style::kNotify).IsNotify());
    // Owner drawing is a type value: 0xF (a split button's type) is not 0xB.
    EXPECT_TRUE(ItemOf(kButtonClassOrdinal, button_style::kOwnerDraw).IsOwnerDrawn());
    EXPECT_FALSE(ItemOf(kButtonClassOrdinal, 0xF).IsOwnerDrawn());
    EXPECT_FALSE(ItemOf(kEditClassOrdinal, button_style::kOwnerDraw).IsOwnerDrawn());
    EXPECT_TRUE(ItemOf(kStaticClassOrdinal, static_style::kOwnerDraw).IsOwnerDrawn());
    EXPECT_FALSE(ItemOf(kStaticClassOrdinal, static_style::kBitmap).IsOwnerDrawn());
    EXPECT_TRUE(ItemOf(kStaticClassOrdinal, static_style::kBitmap).IsBitmap());
    EXPECT_FALSE(ItemOf(kStaticClassOrdinal, 0x1E).IsBitmap());
}

TEST(DialogItemTest, WindowBitsAreReadForEveryClass) {
    const DialogItem item = ItemOf(0x0083,
                                   window_style::kVisible | window_style::kTabStop |
                                       window_style::kBorder | window_style::kDisabled,
                                   extended_style::kTransparent);
    EXPECT_TRUE(item.IsVisible());
    EXPECT_FALSE(item.IsHidden());
    EXPECT_TRUE(item.IsTabStop());
    EXPECT_TRUE(item.HasBorder());
    EXPECT_TRUE(item.IsDisabled());
    EXPECT_TRUE(item.IsTransparent());
    const DialogItem plain = ItemOf(0x0083, window_style::kChild);
    EXPECT_TRUE(plain.IsHidden());
    EXPECT_FALSE(plain.IsTabStop());
    EXPECT_FALSE(plain.HasBorder());
    EXPECT_FALSE(plain.IsDisabled());
    EXPECT_FALSE(plain.IsTransparent());
}

} // namespace
} // namespace lumet

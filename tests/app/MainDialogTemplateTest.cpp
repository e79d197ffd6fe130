#include "app/MainDialogTemplate.h"

#include "app/WindowStyles.h"

#include <gtest/gtest.h>
#include <string>

namespace lumet {
namespace {

enum Flag : unsigned {
    kVisible = 1u << 0,
    kTabStop = 1u << 1,
    kTransparent = 1u << 2,
    kBorder = 1u << 3,
    kDigitsOnly = 1u << 4,
    kOwnerDrawn = 1u << 5,
    kNotify = 1u << 6,
    kBitmap = 1u << 7,
};

struct Row {
    std::uint32_t id;
    ControlClass controlClass;
    std::u16string caption;
    DialogRect rect;
    unsigned flags;
    TextAlignment alignment;
};

unsigned FlagsOf(const DialogItem& item) {
    return (item.IsVisible() ? kVisible : 0u) | (item.IsTabStop() ? kTabStop : 0u) |
           (item.IsTransparent() ? kTransparent : 0u) | (item.HasBorder() ? kBorder : 0u) |
           (item.IsDigitsOnly() ? kDigitsOnly : 0u) | (item.IsOwnerDrawn() ? kOwnerDrawn : 0u) |
           (item.IsNotify() ? kNotify : 0u) | (item.IsBitmap() ? kBitmap : 0u);
}

constexpr auto kButton = ControlClass::Button;
constexpr auto kEdit = ControlClass::Edit;
constexpr auto kStatic = ControlClass::Static;
constexpr auto kCentre = TextAlignment::Center;
constexpr auto kRight = TextAlignment::Right;
constexpr unsigned kWindowButton = kVisible | kOwnerDrawn | kTransparent;
constexpr unsigned kModeButton = kWindowButton | kTabStop;
constexpr unsigned kZone = kVisible | kNotify | kBitmap | kTransparent;
constexpr unsigned kField = kBorder | kTabStop | kDigitsOnly;

// The main window's controls in template order.
const Row kRows[] = {
    {1000, kEdit, u"", {6, 31, 151, 16}, kVisible | kTabStop | kTransparent, kCentre},
    {1003, kButton, u"QT", {167, 2, 9, 9}, kWindowButton, kCentre},
    {1004, kButton, u"MI", {156, 2, 9, 9}, kWindowButton, kCentre},
    {1009, kButton, u"QM", {145, 2, 9, 9}, kWindowButton, kCentre},
    {1010, kButton, u"RUN", {167, 17, 13, 6}, kModeButton, kCentre},
    {1011, kButton, u"RND", {167, 24, 13, 6}, kModeButton, kCentre},
    {1012, kButton, u"STA", {167, 31, 13, 6}, kModeButton, kCentre},
    {1013, kButton, u"REP", {167, 45, 13, 6}, kModeButton, kCentre},
    {1014, kButton, u"SET", {167, 38, 13, 6}, kModeButton, kCentre},
    {1016, kStatic, u"", {24, 0, 116, 12}, kZone, TextAlignment::Left},
    {1017, kEdit, u"", {41, 31, 16, 8}, kField, kRight},
    {1018, kEdit, u"", {41, 19, 16, 8}, kField, kRight},
    {1019, kEdit, u"", {41, 43, 16, 8}, kField, kRight},
    {1020, kEdit, u"", {105, 19, 22, 8}, kField, kRight},
    {1021, kEdit, u"", {105, 31, 16, 8}, kField, kRight},
    {1022, kEdit, u"", {94, 43, 20, 8}, kField, kRight},
    {1023, kButton, u"RESET", {138, 46, 22, 8}, kOwnerDrawn, kCentre},
    {1026, kStatic, u"", {0, 0, 28, 12}, kZone, TextAlignment::Left},
    {1027, kButton, u"EMAIL", {116, 196, 18, 8}, kOwnerDrawn, kCentre},
    {1028, kButton, u"COPY", {136, 196, 18, 8}, kOwnerDrawn, kCentre},
    {1029, kButton, u"PRINT", {156, 196, 18, 8}, kOwnerDrawn, kCentre},
};

DialogTemplate ParsedMainTemplate() {
    const std::optional<DialogTemplate> parsed = DialogTemplate::Parse(MainDialogTemplate::Bytes());
    if (!parsed) {
        ADD_FAILURE() << "template 102 does not parse";
        return {};
    }
    return *parsed;
}

TEST(MainDialogTemplateTest, ControlsReadBackInTemplateOrder) {
    const DialogTemplate dialog = ParsedMainTemplate();
    ASSERT_EQ(dialog.items.size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        const DialogItem& item = dialog.items[i];
        SCOPED_TRACE("control " + std::to_string(row.id));
        EXPECT_EQ(item.id, row.id);
        EXPECT_EQ(item.Class(), row.controlClass);
        EXPECT_EQ(item.Caption(), row.caption);
        EXPECT_EQ(item.rect, row.rect);
        EXPECT_EQ(FlagsOf(item), row.flags);
        EXPECT_EQ(item.IsHidden(), (row.flags & kVisible) == 0);
        EXPECT_EQ(item.Alignment(), row.alignment);
        EXPECT_TRUE(item.style & window_style::kChild);
        EXPECT_FALSE(item.IsDisabled());
        EXPECT_TRUE(item.creationData.empty());
    }
}

TEST(MainDialogTemplateTest, DialogIsACaptionlessPopUpInCourierNew) {
    const DialogTemplate dialog = ParsedMainTemplate();
    EXPECT_EQ(dialog.style, window_style::kPopup | window_style::kVisible | dialog_style::kSetFont);
    EXPECT_EQ(dialog.exStyle, extended_style::kAppWindow);
    EXPECT_EQ(dialog.rect.width, 180);
    EXPECT_EQ(dialog.rect.height, 58);
    EXPECT_TRUE(dialog.menu.IsEmpty());
    EXPECT_TRUE(dialog.windowClass.IsEmpty());
    EXPECT_TRUE(dialog.title.IsEmpty());
    EXPECT_EQ(dialog.pointSize, 8u);
    EXPECT_EQ(dialog.typeface, u"Courier New");
    EXPECT_EQ(dialog.italic, 0u);
}

TEST(MainDialogTemplateTest, BytesFollowTheExtendedTemplateLayout) {
    const std::vector<std::uint8_t> bytes = MainDialogTemplate::Bytes();
    auto word = [&](std::size_t at) {
        return static_cast<unsigned>(bytes.at(at) | bytes.at(at + 1) << 8);
    };
    auto dword = [&](std::size_t at) { return word(at) | word(at + 2) << 16; };
    EXPECT_EQ(word(0), 1u) << "version";
    EXPECT_EQ(word(2), 0xFFFFu) << "signature";
    EXPECT_EQ(dword(8), 0x00040000u) << "application window";
    EXPECT_EQ(dword(12), 0x90000040u) << "pop-up, visible, set font";
    EXPECT_EQ(word(16), 21u) << "item count";
    EXPECT_EQ(word(22), 180u);
    EXPECT_EQ(word(24), 58u);
    EXPECT_EQ(word(26), 0u) << "no menu";
    EXPECT_EQ(word(28), 0u) << "no class";
    EXPECT_EQ(word(30), 0u) << "no title";
    EXPECT_EQ(word(32), 8u) << "point size";
    const std::u16string face = u"Courier New";
    for (std::size_t i = 0; i < face.size(); ++i) {
        EXPECT_EQ(word(38 + 2 * i), static_cast<unsigned>(face[i]));
    }
    EXPECT_EQ(word(38 + 2 * face.size()), 0u);
    // The first item (the address field) starts at the next 4-byte boundary, 64.
    EXPECT_EQ(dword(64), 0u) << "help id";
    EXPECT_EQ(dword(68), 0x20u) << "transparent";
    EXPECT_EQ(dword(72), 0x50010001u) << "child, visible, tab stop, centred";
    EXPECT_EQ(word(76), 6u);
    EXPECT_EQ(word(78), 31u);
    EXPECT_EQ(word(80), 151u);
    EXPECT_EQ(word(82), 16u);
    EXPECT_EQ(dword(84), 1000u);
    EXPECT_EQ(word(88), 0xFFFFu);
    EXPECT_EQ(word(90), 0x0081u) << "edit class";
    EXPECT_EQ(word(92), 0u) << "no caption";
    EXPECT_EQ(word(94), 0u) << "no creation data";
    // The QT button follows at 96.
    EXPECT_EQ(dword(96 + 20), 1003u);
    EXPECT_EQ(word(96 + 26), 0x0080u) << "button class";
    EXPECT_EQ(word(96 + 28), u'Q');
    EXPECT_EQ(word(96 + 30), u'T');
    EXPECT_EQ(word(96 + 32), 0u);
}

} // namespace
} // namespace lumet

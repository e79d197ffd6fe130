#include "ui/AddressEdit.h"

#include "platform/qtgdi/QtFontEngine.h"
#include "tests/window/WindowFixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumet::test {
namespace {

constexpr Rect kFieldRect{12, 62, 314, 94};

class AddressEditTest : public WindowTest {
protected:
    AddressEdit field{1000, kFieldRect, ControlStyle{true, false, true},
                      EditStyle{EditAlignment::Center}};
    AddressEdit pingLimit{1018, Rect{82, 38, 114, 54}, ControlStyle{true, false, true},
                          EditStyle{EditAlignment::Right, true, true}};

    AddressEditTest() {
        window.AddControl(field);
        window.AddControl(pingLimit);
        field.CreateFonts(QtFontEngine{});
        field.SetFont(Font::Create(QtFontEngine{}, "Arial", 42, 700));
        pingLimit.SetFont(Font::Create(QtFontEngine{}, "Arial", 12));
        field.SetFocus();
    }

    void TypeText(const std::u32string& text) {
        for (const char32_t character : text) {
            Type(character);
        }
    }

    Point Origin(const Control& control) const {
        return Point{control.WindowRect().left, control.WindowRect().top};
    }
};

struct CharacterCase {
    char32_t typed;
    const char* text; // what the empty field holds afterwards
    int beeps;
};

const CharacterCase kCharacterCases[] = {
    {U'0', "0", 0},     {U'9', "9", 0}, {U'.', ".", 0}, {U'-', "-", 0}, {U'a', "a", 0},
    {U'v', "v", 0},     {U'w', "w", 0}, {U'z', "z", 0}, {U'A', "a", 0}, {U'Q', "q", 0},
    {U'Z', "z", 0},     {U'_', "", 1},  {U' ', "", 1},  {U'+', "", 1},  {U'/', "", 1},
    {U'@', "", 1},      {U':', "", 1},  {U'[', "", 1},  {U'`', "", 1},  {U'{', "", 1},
    {U'\u00e9', "", 1}, {3, "", 1},     {22, "", 1},    {24, "", 1},    {1, "", 1},
    {9, "", 1},         {13, "", 1},    {127, "", 1},
};

class CharacterFilterTest : public AddressEditTest,
                            public ::testing::WithParamInterface<CharacterCase> {};

TEST_P(CharacterFilterTest, AcceptsAddressCharactersLowersCapitalsAndBeepsAtTheRest) {
    const CharacterCase& c = GetParam();
    Type(c.typed);
    EXPECT_EQ(field.GetWindowText(), c.text);
    EXPECT_EQ(beep.count, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Characters, CharacterFilterTest, ::testing::ValuesIn(kCharacterCases));

TEST_F(AddressEditTest, ANameTypedWithShiftHeldArrivesInLowerCase) {
    for (const char32_t character : std::u32string(U"HOST-A")) {
        window.DeliverKeyPress(Key::Other, character, KeyModifiers{true, false, false});
        window.DeliverKeyRelease(Key::Other, KeyModifiers{true, false, false});
    }
    EXPECT_EQ(field.GetWindowText(), "host-a");
    EXPECT_EQ(beep.count, 0);
}

TEST_F(AddressEditTest, BackspaceDeletesAndRejectedCharactersChangeNothing) {
    TypeText(U"10.0.0.12");
    Press(Key::End);
    Type(8, Key::Backspace);
    EXPECT_EQ(field.GetWindowText(), "10.0.0.1");
    TypeText(U"_ +/");
    EXPECT_EQ(field.GetWindowText(), "10.0.0.1");
    EXPECT_EQ(beep.count, 4);
}

TEST_F(AddressEditTest, KeyboardCopyCutAndPasteBeepAndDoNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    TypeText(U"abc");
    field.SetSel(0, -1);
    Type(3);
    Type(24);
    Type(22);
    EXPECT_EQ(field.GetWindowText(), "abc");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("pasted"));
    EXPECT_EQ(beep.count, 3);
}

struct LayoutCase {
    const char* text;
    Point origin;
    int fontHeight;
};

const LayoutCase kLayoutCases[] = {
    {"", {12, 62}, 42},
    {"192.168.1.10", {12, 62}, 42},
    {"127", {12, 62}, 42},
    {"...", {12, 62}, 42},
    {"localhost", {18, 70}, 21},
    {"a", {18, 70}, 21},
    {"-", {18, 70}, 21},
    {"10.0.0.1x", {18, 70}, 21},
    // Text set by the program is not filtered; its capitals still make a name.
    {"HOST", {18, 70}, 21},
    {"1_2", {12, 62}, 42},
};

class RelayoutTest : public AddressEditTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(RelayoutTest, TheTextChoosesFontAndPlaceKeepingTheSize) {
    const LayoutCase& c = GetParam();
    // Start from the other layout, so that every case has to move the field.
    field.SetWindowText(c.fontHeight == 42 ? "name" : "1.2.3.4");
    field.SetWindowText(c.text);
    EXPECT_EQ(field.GetWindowText(), c.text);
    EXPECT_EQ(Origin(field), c.origin);
    EXPECT_EQ(field.WindowRect().Width(), 302);
    EXPECT_EQ(field.WindowRect().Height(), 32);
    EXPECT_EQ(field.GetFont().CellHeight(), c.fontHeight);
    EXPECT_EQ(field.GetFont().Weight(), 700);
    EXPECT_EQ(field.GetFont().Face(), "Arial");
}

INSTANTIATE_TEST_SUITE_P(Texts, RelayoutTest, ::testing::ValuesIn(kLayoutCases));

TEST_F(AddressEditTest, TypingALetterSwitchesToTheNameLayoutAndDeletingItSwitchesBack) {
    TypeText(U"10");
    EXPECT_EQ(Origin(field), (Point{12, 62}));
    Press(Key::End);
    Type(U'x');
    EXPECT_EQ(Origin(field), (Point{18, 70}));
    EXPECT_EQ(field.GetFont().CellHeight(), 21);
    // The re-layout gave the focus back, so typing goes on.
    Type(8, Key::Backspace);
    EXPECT_EQ(field.GetWindowText(), "10");
    EXPECT_EQ(Origin(field), (Point{12, 62}));
    EXPECT_EQ(field.GetFont().CellHeight(), 42);
}

TEST_F(AddressEditTest, AResolvedNamePushedAsDottedTextEndsInTheDottedLayout) {
    field.SetWindowText("localhost");
    ASSERT_EQ(Origin(field), (Point{18, 70}));
    field.LayOutDottedAddress();
    EXPECT_EQ(Origin(field), (Point{12, 63}));
    EXPECT_EQ(field.GetFont().CellHeight(), 42);
    EXPECT_TRUE(field.HasFocus());
    field.SetWindowText("127.0.0.1");
    EXPECT_EQ(Origin(field), (Point{12, 62}));
    EXPECT_EQ(field.GetFont().CellHeight(), 42);
    EXPECT_EQ(field.WindowRect().Width(), 302);
}

TEST_F(AddressEditTest, ATextChangeLeavesTheShownFieldEnabledAndFocused) {
    field.EnableWindow(false);
    ASSERT_EQ(window.GetFocus(), nullptr);
    field.SetWindowText("10.1.1.1");
    EXPECT_TRUE(field.IsEnabled());
    EXPECT_TRUE(field.HasFocus());
}

TEST_F(AddressEditTest, AHiddenFieldDoesNotTakeTheKeyboard) {
    // Under the settings panel the exchange sets the address text too.
    field.ShowWindow(false);
    field.EnableWindow(false);
    pingLimit.SetFocus();
    field.SetWindowText("localhost");
    EXPECT_EQ(Origin(field), (Point{18, 70}));
    EXPECT_TRUE(pingLimit.HasFocus());
    Type(U'5');
    EXPECT_EQ(pingLimit.GetWindowText(), "5");
    EXPECT_EQ(field.GetWindowText(), "localhost");
}

TEST_F(AddressEditTest, SettingsFieldsAreDigitOnlyEditsThatNeverMove) {
    pingLimit.SetFocus();
    Type(U'a');
    Type(U'A');
    Type(U'-');
    EXPECT_EQ(beep.count, 3);
    Type(U'3');
    Type(U'2');
    EXPECT_EQ(pingLimit.GetWindowText(), "32");
    pingLimit.EnableWindow(false);
    pingLimit.SetWindowText("abc");
    EXPECT_EQ(pingLimit.WindowRect(), (Rect{82, 38, 114, 54}));
    EXPECT_FALSE(pingLimit.IsEnabled());
    EXPECT_EQ(pingLimit.GetFont().CellHeight(), 12);
    EXPECT_TRUE(pingLimit.NameFont().IsNull());
    EXPECT_TRUE(pingLimit.DottedFont().IsNull());
}

} // namespace
} // namespace lumet::test

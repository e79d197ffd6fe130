#include "platform/window/EditControl.h"

#include "WindowFixture.h"
#include "platform/gdi/Font.h"
#include "platform/qtgdi/QtFontEngine.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumet::test {
namespace {

constexpr ControlStyle kTabStop{true, false, true};

// An address-style field: upper case becomes lower case, only host-name characters
// pass, everything else beeps; it records its text updates.
class FilteredEdit final : public EditControl {
public:
    using EditControl::EditControl;
    std::vector<std::string> updates;

    void OnChar(char32_t character) override {
        if (character >= U'A' && character <= U'Z') {
            character += 32;
        }
        const std::u32string allowed = U"0123456789.-abcdefghijklmnopqrstuvwxyz";
        if (allowed.find(character) != std::u32string::npos || character == 8) {
            DefaultChar(character);
        } else {
            PlayBeep();
        }
    }
    void OnUpdate() override { updates.push_back(GetWindowText()); }
};

class EditTest : public WindowTest {
protected:
    Font font = Font::Create(QtFontEngine{}, "Arial", 12);
    EditControl edit{1017, Rect{82, 62, 114, 78}, kTabStop};

    EditTest() {
        edit.SetFont(font);
        window.AddControl(edit);
    }

    void TypeText(std::u32string_view text) {
        for (const char32_t c : text) {
            Type(c);
        }
    }
};

TEST_F(EditTest, TypedCharactersGoIntoTheFocusedEdit) {
    edit.SetFocus();
    TypeText(U"12a");
    EXPECT_EQ(edit.GetWindowText(), "12a");
    EXPECT_EQ(edit.CaretIndex(), 3);
    EXPECT_EQ(handler.Lines("command 1017 changed").size(), 3u);
}

TEST_F(EditTest, WithoutFocusTypingReachesNoEdit) {
    TypeText(U"12");
    EXPECT_EQ(edit.GetWindowText(), "");
}

TEST_F(EditTest, EditingKeysMoveTheCaretAndDelete) {
    edit.SetFocus();
    TypeText(U"1234");
    Press(Key::Left);
    Press(Key::Left);
    Type(8, Key::Backspace);
    EXPECT_EQ(edit.GetWindowText(), "134");
    Press(Key::Delete);
    EXPECT_EQ(edit.GetWindowText(), "14");
    Press(Key::Home);
    Type(U'0');
    Press(Key::End);
    Type(U'9');
    EXPECT_EQ(edit.GetWindowText(), "0149");
    Press(Key::Home, KeyModifiers{true, false, false});
    EXPECT_EQ(edit.SelectionStart(), 0);
    EXPECT_EQ(edit.SelectionEnd(), 4);
    Type(U'5');
    EXPECT_EQ(edit.GetWindowText(), "5");
}

TEST_F(EditTest, DigitsOnlyRefusesOtherCharactersWithABeep) {
    EditControl digits(1018, Rect{82, 38, 114, 54}, kTabStop,
                       EditStyle{EditAlignment::Right, true, true});
    digits.SetFont(font);
    window.AddControl(digits);
    digits.SetFocus();
    TypeText(U"4x-2");
    EXPECT_EQ(digits.GetWindowText(), "42");
    EXPECT_EQ(beep.count, 2);
    Type(8, Key::Backspace);
    EXPECT_EQ(digits.GetWindowText(), "4");
    EXPECT_EQ(beep.count, 2);
}

TEST_F(EditTest, TheFieldTakesOnlyWhatFitsItsWidth) {
    edit.SetFocus();
    TypeText(U"1111111111111111111111111111111111111111");
    const std::string text = edit.GetWindowText();
    EXPECT_LT(text.size(), 40u);
    EXPECT_LE(font.TextWidth(text), 32);
    EXPECT_GT(beep.count, 0);
    // The program may set a longer text.
    edit.SetWindowText("123456789012");
    EXPECT_EQ(edit.GetWindowText(), "123456789012");
}

TEST_F(EditTest, AFilterCanChangeOrRefuseCharacters) {
    FilteredEdit address(1000, Rect{12, 62, 314, 94}, kTabStop, EditStyle{EditAlignment::Center});
    address.SetFont(font);
    window.AddControl(address);
    address.SetFocus();
    TypeText(U"Ab_c +1");
    EXPECT_EQ(address.GetWindowText(), "abc1");
    EXPECT_EQ(beep.count, 3);
    EXPECT_EQ(address.updates, (std::vector<std::string>{"a", "ab", "abc", "abc1"}));
    // Copy, cut and paste shortcuts are control characters: the filter refuses them.
    Type(22);
    EXPECT_EQ(address.GetWindowText(), "abc1");
    EXPECT_EQ(beep.count, 4);
}

TEST_F(EditTest, SettingTheTextNotifiesOnceAndPutsTheCaretFirst) {
    FilteredEdit address(1000, Rect{12, 62, 314, 94});
    window.AddControl(address);
    address.SetWindowText("127.0.0.1");
    EXPECT_EQ(address.updates, (std::vector<std::string>{"127.0.0.1"}));
    EXPECT_EQ(handler.Lines("command 1000"), (std::vector<std::string>{"command 1000 changed"}));
    EXPECT_EQ(address.CaretIndex(), 0);
}

TEST_F(EditTest, AChangeMadeWhileNotifyingIsReportedOnceMoreWithoutNesting) {
    int depth = 0;
    int maximumDepth = 0;
    handler.command = [&](int id, Notification notification) {
        if (id != 1017 || notification != Notification::Changed) {
            return;
        }
        ++depth;
        maximumDepth = std::max(maximumDepth, depth);
        if (edit.GetWindowText() == "abc") {
            edit.SetWindowText("ABC");
        }
        --depth;
    };
    edit.SetWindowText("abc");
    EXPECT_EQ(edit.GetWindowText(), "ABC");
    EXPECT_EQ(maximumDepth, 1);
    EXPECT_EQ(handler.Lines("command 1017 changed").size(), 2u);
}

TEST_F(EditTest, AHandlerThatAlwaysChangesTheTextDoesNotLoopForever) {
    int count = 0;
    handler.command = [&](int, Notification notification) {
        if (notification == Notification::Changed) {
            edit.SetWindowText(std::to_string(++count));
        }
    };
    edit.SetWindowText("x");
    EXPECT_LT(count, 20);
}

TEST_F(EditTest, LosingTheFocusNotifiesKillFocus) {
    EditControl other(1019, Rect{82, 86, 114, 102}, kTabStop);
    window.AddControl(other);
    edit.SetFocus();
    other.SetFocus();
    EXPECT_EQ(handler.Lines("command 1017"),
              (std::vector<std::string>{"command 1017 setfocus", "command 1017 killfocus"}));
}

TEST_F(EditTest, DisablingTheFocusedEditTakesItsFocusAway) {
    edit.SetFocus();
    edit.EnableWindow(false);
    EXPECT_EQ(window.GetFocus(), nullptr);
    EXPECT_EQ(handler.Lines("command 1017").back(), "command 1017 killfocus");
    edit.SetFocus();
    EXPECT_EQ(window.GetFocus(), nullptr);
}

TEST_F(EditTest, TabIntoTheEditSelectsAllItsText) {
    edit.SetWindowText("300");
    Press(Key::Tab);
    EXPECT_TRUE(edit.HasFocus());
    EXPECT_EQ(edit.SelectionStart(), 0);
    EXPECT_EQ(edit.SelectionEnd(), 3);
    Type(U'5');
    EXPECT_EQ(edit.GetWindowText(), "5");
}

TEST_F(EditTest, AClickPlacesTheCaretAndADragSelects) {
    edit.SetWindowText("1234");
    const int left = edit.WindowRect().left;
    const int y = edit.WindowRect().top + 4;
    window.DeliverMouse(InputKind::LeftButtonDown, Point{left, y}, Point{left, y});
    EXPECT_TRUE(edit.HasFocus());
    EXPECT_EQ(edit.CaretIndex(), 0);
    const int end = left + font.TextWidth("1234");
    Move(Point{end + 20, y});
    window.DeliverMouse(InputKind::LeftButtonUp, Point{end + 20, y}, Point{end + 20, y});
    EXPECT_EQ(edit.SelectionStart(), 0);
    EXPECT_EQ(edit.SelectionEnd(), 4);
    EXPECT_EQ(window.GetCapture(), nullptr);
}

TEST_F(EditTest, CopyAndPasteGoThroughTheClipboard) {
    edit.SetWindowText("12");
    edit.SetFocus();
    edit.SetSel(0, -1);
    Type(3);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "12");
    Press(Key::End);
    Type(22);
    EXPECT_EQ(edit.GetWindowText(), "1212");
}

TEST_F(EditTest, PaintsTheTextInTheControlColoursOverItsBrush) {
    edit.SetWindowText("88");
    {
        ClientDc dc(window);
        dc->FillRect(edit.WindowRect(), Brush::Solid(Color{200, 0, 0}));
    }
    Drain();
    const Rect& r = edit.WindowRect();
    int cyan = 0;
    int other = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const Color pixel = SurfacePixel(window, x, y);
            cyan += pixel == kCyan ? 1 : 0;
            other += pixel != kCyan && pixel != kBlack ? 1 : 0;
        }
    }
    EXPECT_GT(cyan, 10);
    EXPECT_EQ(other, 0);
}

TEST_F(EditTest, ABorderFramesTheFieldInBlack) {
    EditControl boxed(1020, Rect{200, 20, 240, 36}, kTabStop,
                      EditStyle{EditAlignment::Right, true});
    window.AddControl(boxed);
    handler.colors.brush = Brush::Solid(kCyan);
    Drain();
    EXPECT_EQ(SurfacePixel(window, 200, 20), kBlack);
    EXPECT_EQ(SurfacePixel(window, 239, 35), kBlack);
    EXPECT_EQ(SurfacePixel(window, 201, 21), kCyan);
}

TEST_F(EditTest, TheCaretShowsOnlyWhileTheEditHasTheFocus) {
    EXPECT_FALSE(window.Caret().has_value());
    edit.SetFocus();
    ASSERT_TRUE(window.Caret().has_value());
    EXPECT_EQ(window.Caret()->left, edit.WindowRect().left);
    TypeText(U"1");
    EXPECT_EQ(window.Caret()->left, edit.WindowRect().left + font.TextWidth("1"));
    window.SetFocus(nullptr);
    EXPECT_FALSE(window.Caret().has_value());
}

TEST_F(EditTest, CentredTextStartsHalfTheFreeWidthIn) {
    EditControl centred(1000, Rect{12, 62, 314, 94}, {}, EditStyle{EditAlignment::Center});
    centred.SetFont(font);
    window.AddControl(centred);
    centred.SetWindowText("1");
    centred.SetFocus();
    const int width = font.TextWidth("1");
    EXPECT_EQ(window.Caret()->left, 12 + (302 - width) / 2);
}

TEST_F(EditTest, TheCaretAtTheEndOfRightAlignedDigitsCoversNoInk) {
    // A settings field: right-aligned, no margins; the caret must not eat into the last
    // digit's rightmost column.
    for (const char* text : {"9", "1000", "10000"}) {
        EditControl field(1021, Rect{200, 62, 240, 78}, kTabStop, EditStyle{EditAlignment::Right});
        field.SetFont(font);
        field.SetMargins(0, 0);
        window.AddControl(field);
        field.SetWindowText(text);
        window.PaintAll();
        const Color ground = SurfacePixel(window, 201, 70);
        field.SetFocus();
        Press(Key::End);
        ASSERT_TRUE(window.Caret().has_value()) << text;
        const Rect caret = *window.Caret();
        EXPECT_LE(caret.right, 240) << text << ": inside the field";
        for (int y = caret.top; y < caret.bottom; ++y) {
            for (int x = caret.left; x < caret.right; ++x) {
                EXPECT_EQ(SurfacePixel(window, x, y), ground) << text << " at " << x << ", " << y;
            }
        }
        window.SetFocus(nullptr);
        window.RemoveControl(field);
    }
}

TEST_F(EditTest, TheSelectionOnTheBigAddressCoversTheDigitsFullHeight) {
    // The address field: 302 × 32, with a font whose cell (42) is taller than it.
    EditControl address(1000, Rect{12, 62, 314, 94}, kTabStop);
    address.SetFont(Font::Create(QtFontEngine{}, "Arial", 42, 700));
    window.AddControl(address);
    address.SetWindowText("127.0.0.1");
    window.PaintAll();
    const Color ground = SurfacePixel(window, 300, 64);
    std::vector<int> inkRows;
    for (int y = 62; y < 94; ++y) {
        for (int x = 12; x < 314; ++x) {
            if (SurfacePixel(window, x, y) != ground) {
                inkRows.push_back(y);
                break;
            }
        }
    }
    ASSERT_FALSE(inkRows.empty());
    address.SetFocus();
    Press(Key::End);
    Press(Key::Home, KeyModifiers{true, false, false});
    window.PaintAll();
    // Every row with a glyph pixel has the selection's fill in it, left of the text's end.
    for (const int y : inkRows) {
        int filled = 0;
        for (int x = 12; x < 200; ++x) {
            filled += SurfacePixel(window, x, y) != ground ? 1 : 0;
        }
        EXPECT_GT(filled, 0) << "row " << y;
    }
    window.SetFocus(nullptr);
    window.RemoveControl(address);
}

} // namespace
} // namespace lumet::test

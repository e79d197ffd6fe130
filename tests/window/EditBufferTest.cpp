#include "platform/window/EditBuffer.h"

#include "platform/window/Utf16Text.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace lumet::test {
namespace {

struct EditCase {
    const char* name;
    const char* text;
    int anchor;
    int caret;
    std::function<void(EditBuffer&)> step;
    const char* expectedText;
    int expectedAnchor;
    int expectedCaret;
};

const EditCase kCases[] = {
    {"typing inserts at the caret", "abcd", 2, 2, [](EditBuffer& b) { b.ReplaceSelection(u"X"); },
     "abXcd", 3, 3},
    {"typing replaces the selection", "abcd", 3, 1, [](EditBuffer& b) { b.ReplaceSelection(u"X"); },
     "aXd", 2, 2},
    {"backspace removes the character before", "abcd", 2, 2, [](EditBuffer& b) { b.Backspace(); },
     "acd", 1, 1},
    {"backspace at the start does nothing", "abcd", 0, 0, [](EditBuffer& b) { b.Backspace(); },
     "abcd", 0, 0},
    {"backspace removes the selection only", "abcd", 1, 3, [](EditBuffer& b) { b.Backspace(); },
     "ad", 1, 1},
    {"delete removes the character after", "abcd", 2, 2, [](EditBuffer& b) { b.DeleteForward(); },
     "abd", 2, 2},
    {"delete at the end does nothing", "abcd", 4, 4, [](EditBuffer& b) { b.DeleteForward(); },
     "abcd", 4, 4},
    {"delete removes the selection", "abcd", 3, 0, [](EditBuffer& b) { b.DeleteForward(); }, "d", 0,
     0},
    {"left moves and collapses", "abcd", 1, 3, [](EditBuffer& b) { b.MoveLeft(false); }, "abcd", 2,
     2},
    {"shift+left extends from the anchor", "abcd", 3, 3, [](EditBuffer& b) { b.MoveLeft(true); },
     "abcd", 3, 2},
    {"left stops at the start", "abcd", 0, 0, [](EditBuffer& b) { b.MoveLeft(false); }, "abcd", 0,
     0},
    {"right stops at the end", "abcd", 4, 4, [](EditBuffer& b) { b.MoveRight(false); }, "abcd", 4,
     4},
    {"shift+right extends", "abcd", 1, 1, [](EditBuffer& b) { b.MoveRight(true); }, "abcd", 1, 2},
    {"home goes to the start", "abcd", 3, 3, [](EditBuffer& b) { b.MoveHome(false); }, "abcd", 0,
     0},
    {"shift+end selects to the end", "abcd", 1, 1, [](EditBuffer& b) { b.MoveEnd(true); }, "abcd",
     1, 4},
    {"select all ends with the caret at the end", "abcd", 2, 2,
     [](EditBuffer& b) { b.SelectAll(); }, "abcd", 0, 4},
    {"a selection is clamped into the text", "abcd", -5, 99,
     [](EditBuffer& b) { b.SetSelection(b.Anchor(), b.Caret()); }, "abcd", 0, 4},
    {"set text puts the caret at the start", "abcd", 4, 4, [](EditBuffer& b) { b.SetText(u"xy"); },
     "xy", 0, 0},
    {"a word is the run of non-blanks", "ab cd ef", 0, 0, [](EditBuffer& b) { b.SelectWordAt(4); },
     "ab cd ef", 3, 5},
    {"blanks select as a run", "ab   cd", 0, 0, [](EditBuffer& b) { b.SelectWordAt(3); }, "ab   cd",
     2, 5},
    // Catches a blank test that knows only ASCII: U+3000 ends a word too.
    {"an ideographic space ends a word", "ab\u3000cd", 0, 0,
     [](EditBuffer& b) { b.SelectWordAt(4); }, "ab\u3000cd", 3, 5},
    // Positions count UTF-16 units: a character outside the BMP takes two.
    {"left from after an emoji stops between its two units", "a\U0001F600", 3, 3,
     [](EditBuffer& b) { b.MoveLeft(false); }, "a\U0001F600", 2, 2},
};

class EditBufferCaseTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditBufferCaseTest, StepLeavesTextCaretAndAnchor) {
    const EditCase& c = GetParam();
    EditBuffer buffer;
    buffer.SetText(Utf16FromUtf8(c.text));
    buffer.SetSelection(c.anchor, c.caret);
    c.step(buffer);
    EXPECT_EQ(Utf8FromUtf16(buffer.Text()), c.expectedText);
    EXPECT_EQ(buffer.Anchor(), c.expectedAnchor);
    EXPECT_EQ(buffer.Caret(), c.expectedCaret);
}

INSTANTIATE_TEST_SUITE_P(Steps, EditBufferCaseTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EditCase>& param) {
                             std::string name = param.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(EditBufferTest, SelectionReadsInTextOrderWhicheverEndTheCaretIsAt) {
    EditBuffer buffer;
    buffer.SetText(u"hello");
    buffer.SetSelection(4, 1);
    EXPECT_EQ(buffer.SelectionStart(), 1);
    EXPECT_EQ(buffer.SelectionEnd(), 4);
    EXPECT_EQ(buffer.SelectedText(), u"ell");
}

TEST(EditBufferTest, ReportsWhetherDeletingChangedTheText) {
    EditBuffer buffer;
    buffer.SetText(u"a");
    EXPECT_FALSE(buffer.Backspace());
    EXPECT_TRUE(buffer.DeleteForward());
    EXPECT_FALSE(buffer.DeleteForward());
}

} // namespace
} // namespace lumet::test

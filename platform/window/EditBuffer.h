#pragma once

#include <string>

namespace lumet {

// The text of a single-line edit with its caret and selection. The selection runs
// between the anchor and the caret, in either order; indices are between UTF-16
// units, 0 … length.
class EditBuffer {
public:
    const std::u16string& Text() const { return text_; }
    int Length() const { return static_cast<int>(text_.size()); }
    int Caret() const { return caret_; }
    int Anchor() const { return anchor_; }
    int SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    int SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::u16string SelectedText() const;

    // Replaces the whole text and puts the caret at its start, as WM_SETTEXT does.
    void SetText(const std::u16string& text);

    // Clamps both ends into the text.
    void SetSelection(int anchor, int caret);
    void SelectAll() { SetSelection(0, Length()); }
    // Selects the run of non-blank characters at index, or the blanks there.
    void SelectWordAt(int index);

    // Typing and pasting: the selection is replaced and the caret follows the insert.
    void ReplaceSelection(const std::u16string& text);
    // Each returns whether the text changed.
    bool Backspace();
    bool DeleteForward();

    // The caret moves from where it is; with extend the anchor stays, otherwise the
    // selection collapses onto the caret.
    void MoveLeft(bool extend) { MoveTo(caret_ - 1, extend); }
    void MoveRight(bool extend) { MoveTo(caret_ + 1, extend); }
    void MoveHome(bool extend) { MoveTo(0, extend); }
    void MoveEnd(bool extend) { MoveTo(Length(), extend); }
    void MoveTo(int index, bool extend);

private:
    int Clamp(int index) const;

    std::u16string text_;
    int caret_ = 0;
    int anchor_ = 0;
};

} // namespace lumet

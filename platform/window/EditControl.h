#pragma once

#include "platform/gdi/Font.h"
#include "platform/window/Control.h"
#include "platform/window/EditBuffer.h"

#include <string>
#include <string_view>

namespace lumet {

enum class EditAlignment { Left, Center, Right };

struct EditStyle {
    EditAlignment alignment = EditAlignment::Left;
    bool border = false;     // a one-pixel black frame inside the rectangle
    bool digitsOnly = false; // typed characters other than 0-9 are refused with a beep
};

// A single-line edit control (CEdit without automatic scrolling: it takes only as
// much text as fits its width in its font). It fills its area with the dialog's
// control-colour brush (a null brush leaves the background: a transparent field)
// and writes the text in the control-colour text colour, also while disabled; the
// selection shows in reversed colours while it has the focus. The caret is drawn
// over the surface by the screen copy, never into the surface.
//
// Keys: characters (OnChar), Backspace, Delete (Shift+Delete cuts), Left/Right and
// Up/Down, Home/End, each with Shift to select; Ctrl+C, Ctrl+X, Ctrl+V copy, cut and
// paste. The mouse places the caret, drags a selection, and a double-click selects
// a word. Tab into the control selects all its text.
//
// Every change of the text, typed or set with SetWindowText, calls OnUpdate and then
// notifies the dialog with Changed; a change made from inside those calls is
// reported by one more round after them instead of nesting.
class EditControl : public Control {
public:
    EditControl(int id, const Rect& rect, ControlStyle style = {}, EditStyle editStyle = {});

    ControlKind Kind() const override { return ControlKind::Edit; }
    const EditStyle& Style() const { return style_; }

    // UTF-8. Setting the text puts the caret at its start.
    std::string GetWindowText() const;
    void SetWindowText(std::string_view text);

    void SetFont(Font font, bool redraw = true);
    const Font& GetFont() const { return font_; }
    void SetMargins(int left, int right);

    // EM_SETSEL: from start (the anchor) to end (the caret); -1 for end means the end
    // of the text.
    void SetSel(int start, int end);
    int SelectionStart() const { return buffer_.SelectionStart(); }
    int SelectionEnd() const { return buffer_.SelectionEnd(); }
    int CaretIndex() const { return buffer_.Caret(); }
    // Replaces the selection as typing would, within the width.
    void ReplaceSel(std::string_view text);

    std::optional<Rect> CaretRect() const override;
    // The text index nearest to a client x.
    int IndexAt(int x) const;

    // WM_CHAR; the default is the edit's own processing (DefaultChar). A derived
    // control filters by calling DefaultChar with the character it accepts, possibly
    // changed, or PlayBeep instead.
    void OnChar(char32_t character) override;
    // The text has changed and is not yet shown (the reflected EN_UPDATE).
    virtual void OnUpdate() {}

    void OnKeyDown(const InputMessage& message) override;
    void OnLeftButtonDown(Point point) override;
    void OnMouseMove(Point point) override;
    void OnLeftButtonUp(Point point) override;
    void OnLeftButtonDoubleClick(Point point) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    void OnCaptureChanged() override;

protected:
    void DefaultChar(char32_t character);
    void Paint(DeviceContext& dc, const ControlColors& colors) override;
    Cursor ClassCursor() const override { return Cursor::IBeam(); }
    void SelectAllOnTabFocus() override;

private:
    // The area inside the border, and the part of it the text may use, in client
    // coordinates.
    Rect InnerRect() const;
    Rect TextArea() const;
    int TextX(const std::u16string& text) const;
    int TextWidth(const std::u16string& text) const;
    // Inserts text in place of the selection, dropping what does not fit; beeps and
    // returns false when nothing could go in.
    bool InsertWithinWidth(const std::u16string& text);
    void SelectionChanged(bool hadSelection);
    void TextChanged();
    void Copy() const;
    void Paste();

    EditBuffer buffer_;
    Font font_;
    EditStyle style_;
    int leftMargin_ = 0;
    int rightMargin_ = 0;
    bool dragging_ = false;
    bool notifying_ = false;
    bool changedWhileNotifying_ = false;
};

} // namespace lumet

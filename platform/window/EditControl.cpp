#include "platform/window/EditControl.h"

#include "platform/window/DialogWindow.h"
#include "platform/window/Utf16Text.h"

#include <algorithm>
#include <cstdlib>

namespace lumet {

namespace {

constexpr int kCaretWidth = 1;
constexpr char32_t kBackspace = 8;
constexpr char32_t kCopy = 3;   // Ctrl+C
constexpr char32_t kPaste = 22; // Ctrl+V
constexpr char32_t kCut = 24;   // Ctrl+X
constexpr char32_t kDeleteCharacter = 127;
// A dialog handler that changes the text on every notification stops being told
// after this many rounds.
constexpr int kMaximumNotifyRounds = 8;
constexpr Color kBorderColor{0, 0, 0};

std::u16string FromUtf8(std::string_view text) {
    return Utf16FromUtf8(text);
}

std::string ToUtf8(std::u16string_view text) {
    return Utf8FromUtf16(text);
}

std::u16string FirstLine(std::u16string text) {
    text.resize(std::min(text.size(), text.find_first_of(u"\r\n")));
    return text;
}

std::u16string OneCharacter(char32_t character) {
    if (character < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(character));
    }
    const char32_t offset = character - 0x10000;
    return {static_cast<char16_t>(0xD800 + (offset >> 10)),
            static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

std::u16string Left(const std::u16string& text, int count) {
    return text.substr(0, static_cast<std::size_t>(count));
}

} // namespace

EditControl::EditControl(int id, const Rect& rect, ControlStyle style, EditStyle editStyle)
    : Control(id, rect, style), style_(editStyle) {}

std::string EditControl::GetWindowText() const {
    return ToUtf8(buffer_.Text());
}

void EditControl::SetWindowText(std::string_view text) {
    buffer_.SetText(FromUtf8(text));
    TextChanged();
}

void EditControl::SetFont(Font font, bool redraw) {
    font_ = std::move(font);
    if (redraw) {
        Invalidate();
    }
    CaretChanged();
}

void EditControl::SetMargins(int left, int right) {
    leftMargin_ = std::max(0, left);
    rightMargin_ = std::max(0, right);
    Invalidate();
    CaretChanged();
}

void EditControl::SetSel(int start, int end) {
    const bool hadSelection = buffer_.HasSelection();
    if (start < 0) {
        buffer_.MoveTo(buffer_.Caret(), false);
    } else {
        buffer_.SetSelection(start, end < 0 ? buffer_.Length() : end);
    }
    SelectionChanged(hadSelection);
}

void EditControl::ReplaceSel(std::string_view text) {
    if (InsertWithinWidth(FromUtf8(text))) {
        TextChanged();
    }
}

Rect EditControl::InnerRect() const {
    const Rect client = ClientRect();
    if (!style_.border) {
        return client;
    }
    return Rect{client.left + 1, client.top + 1, std::max(client.left + 1, client.right - 1),
                std::max(client.top + 1, client.bottom - 1)};
}

Rect EditControl::TextArea() const {
    const Rect inner = InnerRect();
    const int left = inner.left + leftMargin_;
    return Rect{left, inner.top, std::max(left, inner.right - rightMargin_), inner.bottom};
}

int EditControl::TextWidth(const std::u16string& text) const {
    return font_.IsNull() ? 0 : font_.TextWidth(ToUtf8(text));
}

int EditControl::TextX(const std::u16string& text) const {
    const Rect area = TextArea();
    switch (style_.alignment) {
    case EditAlignment::Left:
        break;
    case EditAlignment::Center:
        return area.left + (area.Width() - TextWidth(text)) / 2;
    case EditAlignment::Right:
        // The last column is the caret's when it stands at the end, so that it never
        // hides the last character's edge.
        return area.right - kCaretWidth - TextWidth(text);
    }
    return area.left;
}

std::optional<Rect> EditControl::CaretRect() const {
    if (!HasFocus()) {
        return std::nullopt;
    }
    const Rect inner = InnerRect();
    const Rect area = TextArea();
    const std::u16string& text = buffer_.Text();
    const int x = std::clamp(TextX(text) + TextWidth(Left(text, buffer_.Caret())), inner.left,
                             std::max(inner.left, inner.right - 1));
    const int height =
        font_.IsNull() ? inner.Height() : std::min(font_.CellHeight(), inner.Height());
    const Rect& bounds = WindowRect();
    return Rect{x, area.top, x + kCaretWidth, area.top + height}.Translated(bounds.left,
                                                                            bounds.top);
}

int EditControl::IndexAt(int x) const {
    const std::u16string& text = buffer_.Text();
    const int origin = TextX(text);
    int best = 0;
    int bestDistance = std::abs(origin - x);
    for (int index = 1; index <= buffer_.Length(); ++index) {
        const int distance = std::abs(origin + TextWidth(Left(text, index)) - x);
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

void EditControl::OnChar(char32_t character) {
    DefaultChar(character);
}

void EditControl::DefaultChar(char32_t character) {
    switch (character) {
    case kBackspace:
        if (buffer_.Backspace()) {
            TextChanged();
        }
        return;
    case kCopy:
        Copy();
        return;
    case kCut:
        if (buffer_.HasSelection()) {
            Copy();
            buffer_.ReplaceSelection({});
            TextChanged();
        }
        return;
    case kPaste:
        Paste();
        return;
    default:
        break;
    }
    if (style_.digitsOnly && (character < U'0' || character > U'9')) {
        PlayBeep();
        return;
    }
    if (character < 0x20 || character == kDeleteCharacter) {
        return;
    }
    if (InsertWithinWidth(OneCharacter(character))) {
        TextChanged();
    }
}

bool EditControl::InsertWithinWidth(const std::u16string& text) {
    const int width = TextArea().Width();
    std::u16string insert = text;
    while (!insert.empty()) {
        EditBuffer trial = buffer_;
        trial.ReplaceSelection(insert);
        if (TextWidth(trial.Text()) <= width) {
            break;
        }
        insert.pop_back();
    }
    if (insert.empty() && !text.empty()) {
        PlayBeep();
        if (!buffer_.HasSelection()) {
            return false;
        }
    }
    buffer_.ReplaceSelection(insert);
    return true;
}

void EditControl::OnKeyDown(const InputMessage& message) {
    const bool extend = message.modifiers.shift;
    const bool hadSelection = buffer_.HasSelection();
    switch (message.key) {
    case Key::Left:
    case Key::Up:
        buffer_.MoveLeft(extend);
        break;
    case Key::Right:
    case Key::Down:
        buffer_.MoveRight(extend);
        break;
    case Key::Home:
        buffer_.MoveHome(extend);
        break;
    case Key::End:
        buffer_.MoveEnd(extend);
        break;
    case Key::Delete:
        if (extend && hadSelection) {
            Copy();
        }
        if (buffer_.DeleteForward()) {
            TextChanged();
        }
        return;
    default:
        return;
    }
    SelectionChanged(hadSelection);
}

void EditControl::OnLeftButtonDown(Point point) {
    SetFocus();
    if (!HasFocus()) {
        return;
    }
    const bool hadSelection = buffer_.HasSelection();
    buffer_.MoveTo(IndexAt(point.x), CurrentMessage().modifiers.shift);
    dragging_ = true;
    SetCapture();
    SelectionChanged(hadSelection);
}

void EditControl::OnMouseMove(Point point) {
    if (!dragging_ || !HasCapture()) {
        return;
    }
    const bool hadSelection = buffer_.HasSelection();
    buffer_.MoveTo(IndexAt(point.x), true);
    SelectionChanged(hadSelection);
}

void EditControl::OnLeftButtonUp(Point point) {
    static_cast<void>(point);
    if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
    }
}

void EditControl::OnLeftButtonDoubleClick(Point point) {
    SetFocus();
    if (!HasFocus()) {
        return;
    }
    const bool hadSelection = buffer_.HasSelection();
    buffer_.SelectWordAt(std::min(IndexAt(point.x), std::max(0, buffer_.Length() - 1)));
    SelectionChanged(hadSelection);
}

void EditControl::OnSetFocus() {
    if (buffer_.HasSelection()) {
        Invalidate();
    }
    CaretChanged();
    Notify(Notification::SetFocus);
}

void EditControl::OnKillFocus() {
    if (dragging_ && HasCapture()) {
        ReleaseCapture();
    }
    if (buffer_.HasSelection()) {
        Invalidate();
    }
    CaretChanged();
    Notify(Notification::KillFocus);
}

void EditControl::OnCaptureChanged() {
    dragging_ = false;
}

void EditControl::SelectAllOnTabFocus() {
    const bool hadSelection = buffer_.HasSelection();
    buffer_.SelectAll();
    SelectionChanged(hadSelection);
}

void EditControl::SelectionChanged(bool hadSelection) {
    if (hadSelection || buffer_.HasSelection()) {
        Invalidate();
    }
    CaretChanged();
}

void EditControl::TextChanged() {
    Invalidate();
    CaretChanged();
    if (notifying_) {
        changedWhileNotifying_ = true;
        return;
    }
    notifying_ = true;
    for (int round = 0; round < kMaximumNotifyRounds; ++round) {
        changedWhileNotifying_ = false;
        OnUpdate();
        Notify(Notification::Changed);
        if (!changedWhileNotifying_) {
            break;
        }
    }
    notifying_ = false;
}

void EditControl::Copy() const {
    if (buffer_.HasSelection() && Window() != nullptr) {
        Window()->Host().SetClipboardText(ToUtf8(buffer_.SelectedText()));
    }
}

void EditControl::Paste() {
    if (Window() == nullptr) {
        return;
    }
    const std::u16string text = FirstLine(FromUtf8(Window()->Host().ClipboardText()));
    if (!text.empty() && InsertWithinWidth(text)) {
        TextChanged();
    }
}

void EditControl::Paint(DeviceContext& dc, const ControlColors& colors) {
    const Rect& bounds = WindowRect();
    const Rect inner = InnerRect().Translated(bounds.left, bounds.top);
    if (style_.border) {
        const Brush frame = Brush::Solid(kBorderColor);
        dc.FillRect(Rect{bounds.left, bounds.top, bounds.right, inner.top}, frame);
        dc.FillRect(Rect{bounds.left, inner.bottom, bounds.right, bounds.bottom}, frame);
        dc.FillRect(Rect{bounds.left, inner.top, inner.left, inner.bottom}, frame);
        dc.FillRect(Rect{inner.right, inner.top, bounds.right, inner.bottom}, frame);
    }
    if (!colors.brush.IsNull()) {
        dc.FillRect(inner, colors.brush);
    }
    if (font_.IsNull()) {
        return;
    }
    // The text stays inside the border.
    const std::optional<Region> clip = dc.GetClipRgn();
    const Rect textClip = clip ? clip->Bounds().Intersected(inner) : inner;
    dc.SelectClipRgn(Region(textClip.IsEmpty() ? Rect{} : textClip));
    dc.SelectFont(font_);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.SetTextColor(colors.text);
    const std::u16string& text = buffer_.Text();
    const int x = TextX(text) + bounds.left;
    const int y = TextArea().top + bounds.top;
    if (!HasFocus() || !buffer_.HasSelection()) {
        dc.TextOut(x, y, ToUtf8(text));
    } else {
        const int start = buffer_.SelectionStart();
        const int end = buffer_.SelectionEnd();
        const std::u16string before = Left(text, start);
        const std::u16string selected =
            text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
        const int selectedX = x + TextWidth(before);
        const int afterX = selectedX + TextWidth(selected);
        dc.TextOut(x, y, ToUtf8(before));
        dc.FillRect(Rect{selectedX, y, afterX, y + font_.CellHeight()}, Brush::Solid(colors.text));
        dc.SetTextColor(colors.background);
        dc.TextOut(selectedX, y, ToUtf8(selected));
        dc.SetTextColor(colors.text);
        dc.TextOut(afterX, y,
                   ToUtf8(std::u16string_view(text).substr(static_cast<std::size_t>(end))));
    }
    dc.SelectClipRgn(clip);
}

} // namespace lumet

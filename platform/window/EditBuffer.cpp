#include "platform/window/EditBuffer.h"

#include <algorithm>
#include <cstddef>

namespace lumet {

namespace {

// Unicode's white space (the separators, tab to carriage return, next line).
bool IsBlank(char16_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::size_t Index(int position) {
    return static_cast<std::size_t>(position);
}

} // namespace

std::u16string EditBuffer::SelectedText() const {
    return text_.substr(Index(SelectionStart()), Index(SelectionEnd() - SelectionStart()));
}

void EditBuffer::SetText(const std::u16string& text) {
    text_ = text;
    caret_ = 0;
    anchor_ = 0;
}

int EditBuffer::Clamp(int index) const {
    return std::clamp(index, 0, Length());
}

void EditBuffer::SetSelection(int anchor, int caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

void EditBuffer::SelectWordAt(int index) {
    if (text_.empty()) {
        SetSelection(0, 0);
        return;
    }
    const int at = std::clamp(index, 0, Length() - 1);
    const bool blank = IsBlank(text_[Index(at)]);
    int start = at;
    while (start > 0 && IsBlank(text_[Index(start - 1)]) == blank) {
        --start;
    }
    int end = at + 1;
    while (end < Length() && IsBlank(text_[Index(end)]) == blank) {
        ++end;
    }
    SetSelection(start, end);
}

void EditBuffer::ReplaceSelection(const std::u16string& text) {
    const int start = SelectionStart();
    text_.replace(Index(start), Index(SelectionEnd() - start), text);
    caret_ = start + static_cast<int>(text.size());
    anchor_ = caret_;
}

bool EditBuffer::Backspace() {
    if (HasSelection()) {
        ReplaceSelection({});
        return true;
    }
    if (caret_ == 0) {
        return false;
    }
    text_.erase(Index(caret_ - 1), 1);
    --caret_;
    anchor_ = caret_;
    return true;
}

bool EditBuffer::DeleteForward() {
    if (HasSelection()) {
        ReplaceSelection({});
        return true;
    }
    if (caret_ == Length()) {
        return false;
    }
    text_.erase(Index(caret_), 1);
    return true;
}

void EditBuffer::MoveTo(int index, bool extend) {
    caret_ = Clamp(index);
    if (!extend) {
        anchor_ = caret_;
    }
}

} // namespace lumet

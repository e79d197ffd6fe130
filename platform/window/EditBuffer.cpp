#include "platform/window/EditBuffer.h"

#include <algorithm>

namespace lumet {

namespace {

bool IsBlank(QChar c) {
    return c.isSpace();
}

} // namespace

QString EditBuffer::SelectedText() const {
    return text_.mid(SelectionStart(), SelectionEnd() - SelectionStart());
}

void EditBuffer::SetText(const QString& text) {
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
    if (text_.isEmpty()) {
        SetSelection(0, 0);
        return;
    }
    const int at = std::clamp(index, 0, Length() - 1);
    const bool blank = IsBlank(text_[at]);
    int start = at;
    while (start > 0 && IsBlank(text_[start - 1]) == blank) {
        --start;
    }
    int end = at + 1;
    while (end < Length() && IsBlank(text_[end]) == blank) {
        ++end;
    }
    SetSelection(start, end);
}

void EditBuffer::ReplaceSelection(const QString& text) {
    const int start = SelectionStart();
    text_.replace(start, SelectionEnd() - start, text);
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
    text_.remove(caret_ - 1, 1);
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
    text_.remove(caret_, 1);
    return true;
}

void EditBuffer::MoveTo(int index, bool extend) {
    caret_ = Clamp(index);
    if (!extend) {
        anchor_ = caret_;
    }
}

} // namespace lumet

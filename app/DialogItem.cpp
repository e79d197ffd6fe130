#include "app/DialogItem.h"

#include "app/WindowStyles.h"

#include <algorithm>
#include <string_view>

namespace lumet {

namespace {

bool EqualsIgnoringAsciiCase(std::u16string_view text, std::string_view name) {
    auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    return std::equal(text.begin(), text.end(), name.begin(), name.end(),
                      [&](char16_t a, char b) { return lower(a) == static_cast<char16_t>(b); });
}

} // namespace

ControlClass DialogItem::Class() const {
    if (windowClass.ordinal) {
        switch (*windowClass.ordinal) {
        case kButtonClassOrdinal:
            return ControlClass::Button;
        case kEditClassOrdinal:
            return ControlClass::Edit;
        case kStaticClassOrdinal:
            return ControlClass::Static;
        default:
            return ControlClass::Other;
        }
    }
    if (EqualsIgnoringAsciiCase(windowClass.text, "button")) {
        return ControlClass::Button;
    }
    if (EqualsIgnoringAsciiCase(windowClass.text, "edit")) {
        return ControlClass::Edit;
    }
    if (EqualsIgnoringAsciiCase(windowClass.text, "static")) {
        return ControlClass::Static;
    }
    return ControlClass::Other;
}

bool DialogItem::IsVisible() const {
    return (style & window_style::kVisible) != 0;
}

bool DialogItem::IsDisabled() const {
    return (style & window_style::kDisabled) != 0;
}

bool DialogItem::IsTabStop() const {
    return (style & window_style::kTabStop) != 0;
}

bool DialogItem::HasBorder() const {
    return (style & window_style::kBorder) != 0;
}

bool DialogItem::IsTransparent() const {
    return (exStyle & extended_style::kTransparent) != 0;
}

bool DialogItem::IsDigitsOnly() const {
    return Class() == ControlClass::Edit && (style & edit_style::kNumber) != 0;
}

TextAlignment DialogItem::Alignment() const {
    switch (Class()) {
    case ControlClass::Edit:
        // An edit control gives right alignment precedence when both bits are set.
        if ((style & edit_style::kRight) != 0) {
            return TextAlignment::Right;
        }
        return (style & edit_style::kCenter) != 0 ? TextAlignment::Center : TextAlignment::Left;
    case ControlClass::Static:
        switch (style & static_style::kTypeMask) {
        case static_style::kCenter:
            return TextAlignment::Center;
        case static_style::kRight:
            return TextAlignment::Right;
        default:
            return TextAlignment::Left;
        }
    case ControlClass::Button:
        switch (style & button_style::kCenter) {
        case button_style::kLeft:
            return TextAlignment::Left;
        case button_style::kRight:
            return TextAlignment::Right;
        default: // push buttons centre their caption unless told otherwise
            return TextAlignment::Center;
        }
    case ControlClass::Other:
        break;
    }
    return TextAlignment::Left;
}

bool DialogItem::IsOwnerDrawn() const {
    switch (Class()) {
    case ControlClass::Button:
        return (style & button_style::kTypeMask) == button_style::kOwnerDraw;
    case ControlClass::Static:
        return (style & static_style::kTypeMask) == static_style::kOwnerDraw;
    default:
        return false;
    }
}

bool DialogItem::IsNotify() const {
    switch (Class()) {
    case ControlClass::Button:
        return (style & button_style::kNotify) != 0;
    case ControlClass::Static:
        return (style & static_style::kNotify) != 0;
    default:
        return false;
    }
}

bool DialogItem::IsBitmap() const {
    return Class() == ControlClass::Static &&
           (style & static_style::kTypeMask) == static_style::kBitmap;
}

} // namespace lumet

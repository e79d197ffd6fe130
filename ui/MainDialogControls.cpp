#include "ui/MainDialogControls.h"

#include "app/MainDialogTemplate.h"
#include "platform/window/DialogWindow.h"

#include <string>

namespace lumet {

namespace {

std::string Latin1(const std::u16string& text) {
    std::string result;
    result.reserve(text.size());
    for (const char16_t c : text) {
        result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return result;
}

ControlStyle StyleOf(const DialogItem& item) {
    return ControlStyle{item.IsVisible(), item.IsDisabled(), item.IsTabStop()};
}

EditStyle EditStyleOf(const DialogItem& item) {
    EditStyle style;
    switch (item.Alignment()) {
    case TextAlignment::Left:
        style.alignment = EditAlignment::Left;
        break;
    case TextAlignment::Center:
        style.alignment = EditAlignment::Center;
        break;
    case TextAlignment::Right:
        style.alignment = EditAlignment::Right;
        break;
    }
    style.border = item.HasBorder();
    style.digitsOnly = item.IsDigitsOnly();
    return style;
}

bool IsSkinButton(int id) {
    switch (id) {
    case MainDialogTemplate::kQuitButton:
    case MainDialogTemplate::kMinimizeButton:
    case MainDialogTemplate::kHelpButton:
    case MainDialogTemplate::kRunButton:
    case MainDialogTemplate::kRandomButton:
    case MainDialogTemplate::kStayAliveButton:
    case MainDialogTemplate::kReportButton:
    case MainDialogTemplate::kSettingsButton:
        return true;
    default:
        return false;
    }
}

} // namespace

MainDialogControls::MainDialogControls(DialogWindow& window, const DialogTemplate& dialogTemplate,
                                       HoverState& hover, SkinButtonHost& host) {
    for (const DialogItem& item : dialogTemplate.items) {
        std::unique_ptr<Control> control = Create(item, hover, host);
        if (!control) {
            continue;
        }
        window.AddControl(*control);
        byId_.emplace(control->Id(), control.get());
        controls_.push_back(std::move(control));
    }
}

Rect MainDialogControls::PixelRect(const DialogRect& rect) {
    const int left = rect.x * kPixelsPerUnit;
    const int top = rect.y * kPixelsPerUnit;
    return Rect{left, top, left + rect.width * kPixelsPerUnit, top + rect.height * kPixelsPerUnit};
}

std::unique_ptr<Control> MainDialogControls::Create(const DialogItem& item, HoverState& hover,
                                                    SkinButtonHost& host) {
    const int id = static_cast<int>(item.id);
    const Rect rect = PixelRect(item.rect);
    const ControlStyle style = StyleOf(item);
    switch (item.Class()) {
    case ControlClass::Button: {
        const std::string caption = Latin1(item.Caption());
        std::unique_ptr<BitmapButton> button;
        if (IsSkinButton(id)) {
            button = std::make_unique<SkinButtonControl>(id, rect, caption, hover, host, style);
        } else {
            button = std::make_unique<BitmapButton>(id, rect, caption, style);
        }
        buttons_.emplace(id, button.get());
        return button;
    }
    case ControlClass::Edit: {
        auto edit = std::make_unique<AddressEditControl>(id, rect, style, EditStyleOf(item));
        edits_.emplace(id, edit.get());
        if (id == MainDialogTemplate::kAddressField) {
            addressField_ = edit.get();
        }
        return edit;
    }
    case ControlClass::Static:
        return std::make_unique<TitleStaticControl>(id, rect, style);
    case ControlClass::Other:
        break;
    }
    return nullptr;
}

Control* MainDialogControls::Find(int id) const {
    const auto found = byId_.find(id);
    return found != byId_.end() ? found->second : nullptr;
}

BitmapButton* MainDialogControls::FindButton(int id) const {
    const auto found = buttons_.find(id);
    return found != buttons_.end() ? found->second : nullptr;
}

EditControl* MainDialogControls::FindEdit(int id) const {
    const auto found = edits_.find(id);
    return found != edits_.end() ? found->second : nullptr;
}

} // namespace lumet

#include "ui/DialogExchange.h"

#include <string>

namespace lumet {

void DialogExchange::ToControls() {
    controls_.AddressField().SetWindowText(target_.addressText);
    for (const int id : kSettingsFieldExchangeOrder) {
        EditControl* const field = controls_.FindEdit(id);
        const std::uint32_t* const value = SettingsFieldMember(fields_, id);
        if (field != nullptr && value != nullptr) {
            field->SetWindowText(std::to_string(*value));
        }
    }
}

bool DialogExchange::FromControls() {
    target_.addressText = controls_.AddressField().GetWindowText();
    const auto textOf = [this](int id) {
        const EditControl* const field = controls_.FindEdit(id);
        return field != nullptr ? field->GetWindowText() : std::string();
    };
    const std::optional<int> failed = ReadSettingsFieldTexts(fields_, textOf);
    if (!failed) {
        return true;
    }
    messages_.ShowApplicationMessage(std::string(kNotAPositiveIntegerMessage));
    return false;
}

} // namespace lumet

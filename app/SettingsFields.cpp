#include "app/SettingsFields.h"

#include <charconv>
#include <limits>

namespace lumet {

const SettingsFieldInfo* FindSettingsField(int controlId) {
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        if (info.controlId == controlId) {
            return &info;
        }
    }
    return nullptr;
}

std::uint32_t* SettingsFieldMember(SettingsFields& fields, int controlId) {
    const SettingsFieldInfo* info = FindSettingsField(controlId);
    return info == nullptr ? nullptr : &(fields.*(info->member));
}

void ClampSettingsFields(SettingsFields& fields) {
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        std::uint32_t& value = fields.*(info.member);
        if (value < info.minimum) {
            value = info.minimum;
        }
        if (value > info.maximum) {
            value = info.maximum;
        }
    }
}

std::optional<std::uint32_t> ParseSettingsFieldText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    std::uint32_t value = 0;
    const std::from_chars_result result =
        std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    return value;
}

std::optional<int> ReadSettingsFieldTexts(SettingsFields& fields,
                                          const std::function<std::string(int)>& textOf) {
    for (const int controlId : kSettingsFieldExchangeOrder) {
        const std::optional<std::uint32_t> value = ParseSettingsFieldText(textOf(controlId));
        if (!value) {
            return controlId;
        }
        *SettingsFieldMember(fields, controlId) = *value;
    }
    return std::nullopt;
}

SettingsFields SettingsFieldsFromSettings(const PingSettings& settings) {
    SettingsFields fields;
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        // Shown the way "%u" shows an int.
        fields.*(info.member) = static_cast<std::uint32_t>(settings.*(info.setting));
    }
    return fields;
}

void CopySettingsFieldsToSettings(const SettingsFields& fields, PingSettings& settings) {
    SettingsFields clamped = fields;
    ClampSettingsFields(clamped);
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        settings.*(info.setting) = static_cast<int>(clamped.*(info.member));
    }
}

void ResetSettings(PingSettings& settings, SettingsFields& fields) {
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        settings.*(info.setting) = info.resetValue;
    }
    fields = SettingsFieldsFromSettings(settings);
}

} // namespace lumet

#pragma once

#include "app/MainDialogTemplate.h"
#include "pingtest/PingSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumet {

// The values of the settings panel's six edit fields, held as the unsigned
// numbers the fields show. They become settings only when the panel closes.
struct SettingsFields {
    std::uint32_t pingInterval = 0;      // the interval field
    std::uint32_t pingCount = 0;         // the ping limit field
    std::uint32_t stayAliveInterval = 0; // the stay-alive field
    std::uint32_t packetSize = 0;        // the packet size field
    std::uint32_t ttl = 0;               // the TTL field
    std::uint32_t timeOut = 0;           // the time-out field

    friend bool operator==(const SettingsFields&, const SettingsFields&) = default;
};

// One settings field: its control, the setting behind it, its range and the value
// RESET puts in.
struct SettingsFieldInfo {
    int controlId;
    const char* key;
    std::uint32_t SettingsFields::*member;
    int PingSettings::*setting;
    std::uint32_t minimum;
    std::uint32_t maximum;
    int resetValue;
};

inline constexpr std::array<SettingsFieldInfo, 6> kSettingsFieldInfo{{
    {MainDialogTemplate::kIntervalField, "PingInterval", &SettingsFields::pingInterval,
     &PingSettings::PingInterval, 1, 999, 1},
    {MainDialogTemplate::kPingLimitField, "PingCount", &SettingsFields::pingCount,
     &PingSettings::PingCount, 1, 999, 16},
    {MainDialogTemplate::kStayAliveField, "StayAliveInterval", &SettingsFields::stayAliveInterval,
     &PingSettings::StayAliveInterval, 10, 999, 10},
    {MainDialogTemplate::kPacketSizeField, "PacketSize", &SettingsFields::packetSize,
     &PingSettings::PacketSize, 8, 65535, 248},
    {MainDialogTemplate::kTtlField, "TTL", &SettingsFields::ttl, &PingSettings::TTL, 1, 254, 32},
    {MainDialogTemplate::kTimeoutField, "TimeOut", &SettingsFields::timeOut, &PingSettings::TimeOut,
     1000, 10000, 1000},
}};

// The order in which the fields are read from and written to their controls.
inline constexpr std::array<int, 6> kSettingsFieldExchangeOrder{
    MainDialogTemplate::kPingLimitField, MainDialogTemplate::kStayAliveField,
    MainDialogTemplate::kIntervalField,  MainDialogTemplate::kPacketSizeField,
    MainDialogTemplate::kTimeoutField,   MainDialogTemplate::kTtlField};

// Shown when a field holds no number as it is read.
inline constexpr std::string_view kNotAPositiveIntegerMessage = "Please enter a positive integer.";

// The description of a field, nullptr for an id that is no settings field.
const SettingsFieldInfo* FindSettingsField(int controlId);

// The field member of a control id, nullptr for an id that is no settings field.
std::uint32_t* SettingsFieldMember(SettingsFields& fields, int controlId);

// Brings every member into its field's range, comparing as unsigned numbers.
void ClampSettingsFields(SettingsFields& fields);

// Text of a field as a number: decimal digits, surrounding blanks allowed; values
// beyond 32 bits saturate (the clamp brings them down). nullopt for anything else,
// an empty field included.
std::optional<std::uint32_t> ParseSettingsFieldText(std::string_view text);

// Reads the field texts into the members in exchange order. Reading stops at the
// first field without a number; that field and the ones after it keep their
// members. Returns the control id of that field, nullopt when all were read.
std::optional<int> ReadSettingsFieldTexts(SettingsFields& fields,
                                          const std::function<std::string(int)>& textOf);

SettingsFields SettingsFieldsFromSettings(const PingSettings& settings);

// Copies the fields into the settings, clamped first: a panel closed straight
// after typing never hands an out-of-range value such as a zero interval to a test.
void CopySettingsFieldsToSettings(const SettingsFields& fields, PingSettings& settings);

// RESET: the initial settings, except PingCount 16, into the settings and fields.
void ResetSettings(PingSettings& settings, SettingsFields& fields);

} // namespace lumet

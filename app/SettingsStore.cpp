#include "app/SettingsStore.h"

#include "app/SettingsFields.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

namespace lumet {

namespace {

constexpr const char* kLastIPAddrKey = "LastIPAddr";
constexpr const char* kLastDNAddrKey = "LastDNAddr";
constexpr const char* kLeftPosKey = "LeftPos";
constexpr const char* kTopPosKey = "TopPos";

std::optional<int> ReadPosition(const Profile& profile, const char* key) {
    const std::optional<long long> value = profile.ReadInt(SettingsStore::kSection, key);
    if (!value) {
        return std::nullopt;
    }
    // Saturating keeps the screen-edge test meaningful for absurd values.
    return static_cast<int>(std::clamp<long long>(*value, INT_MIN, INT_MAX));
}

} // namespace

void SettingsStore::LoadSettings(const Profile& profile, PingSettings& settings) {
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        if (const std::optional<long long> value = profile.ReadInt(kSection, info.key)) {
            settings.*(info.setting) =
                static_cast<int>(std::clamp<long long>(*value, info.minimum, info.maximum));
        }
    }
    if (std::optional<std::string> text = profile.ReadString(kSection, kLastIPAddrKey)) {
        settings.LastIPAddr = std::move(*text);
    }
    if (std::optional<std::string> text = profile.ReadString(kSection, kLastDNAddrKey)) {
        settings.LastDNAddr = std::move(*text);
    }
    settings.LeftPos = ReadPosition(profile, kLeftPosKey);
    settings.TopPos = ReadPosition(profile, kTopPosKey);
}

bool SettingsStore::SaveSettings(Profile& profile, const PingSettings& settings,
                                 std::optional<WindowPosition> windowPosition) {
    for (const SettingsFieldInfo& info : kSettingsFieldInfo) {
        profile.WriteInt(kSection, info.key, settings.*(info.setting));
    }
    profile.WriteString(kSection, kLastIPAddrKey, settings.LastIPAddr);
    profile.WriteString(kSection, kLastDNAddrKey, settings.LastDNAddr);
    if (windowPosition) {
        profile.WriteInt(kSection, kLeftPosKey, windowPosition->left);
        profile.WriteInt(kSection, kTopPosKey, windowPosition->top);
    }
    return profile.Commit();
}

std::optional<WindowPosition> SettingsStore::InitialWindowPosition(const PingSettings& settings,
                                                                   int screenWidth,
                                                                   int screenHeight) {
    const WindowPosition stored{settings.LeftPos.value_or(0), settings.TopPos.value_or(0)};
    if (stored.left < screenWidth && stored.top < screenHeight) {
        return stored;
    }
    return std::nullopt;
}

} // namespace lumet

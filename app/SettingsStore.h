#pragma once

#include "app/Version.h"
#include "pingtest/PingSettings.h"
#include "platform/profile/Profile.h"

#include <optional>
#include <string>

namespace lumet {

// Reads and writes PingSettings in the application profile, section "1.0".
class SettingsStore {
public:
    // Every value lives in the section named by the program version.
    static inline const std::string kSection{VersionString};

    // Replaces each setting present in the profile; missing or non-numeric values
    // keep the current ones. The six numbers are clamped to the ranges of their
    // settings fields, so a hand-edited profile cannot set a zero interval or an
    // endless time-out.
    static void LoadSettings(const Profile& profile, PingSettings& settings);

    // Writes the settings and, when given, the window position in one commit.
    // Without a position the stored LeftPos and TopPos stay as they are. Returns
    // false when the profile could not be written; it then keeps its old content.
    static bool SaveSettings(Profile& profile, const PingSettings& settings,
                             std::optional<WindowPosition> windowPosition);

    // Where the main window goes at start-up: the stored position (0 where a
    // coordinate is missing) unless it lies at or beyond the right or bottom edge
    // of the screen. Negative positions are accepted.
    static std::optional<WindowPosition> InitialWindowPosition(const PingSettings& settings,
                                                               int screenWidth, int screenHeight);
};

} // namespace lumet

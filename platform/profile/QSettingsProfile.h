#pragma once

#include "platform/profile/Profile.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>

class QSettings;

namespace lumet {

// Profile kept by QSettings: an INI file, or the registry where that is the
// platform's native store. Writes are staged in memory and reach the store in one
// atomic save on Commit.
class QSettingsProfile final : public Profile {
public:
    static constexpr const char* kOrganization = "Orbisk";

    // The per-user profile of the application, under the organization "Orbisk": an
    // INI file in the XDG config directory on Linux, the registry on Windows.
    static QSettingsProfile ForApplication(const std::string& applicationName);

    // A profile in the INI file at filePath; the file need not exist yet.
    explicit QSettingsProfile(const std::string& filePath);

    QSettingsProfile(QSettingsProfile&&) noexcept;
    QSettingsProfile& operator=(QSettingsProfile&&) noexcept;
    ~QSettingsProfile() override;

    // Where the values are kept: the file path, or the registry key.
    std::string Location() const override;

    // Staged values are read back before they are committed. A value that is not
    // a decimal integer reads as missing; integers beyond 64 bits saturate.
    std::optional<long long> ReadInt(const std::string& section,
                                     const std::string& key) const override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override;

    void WriteInt(const std::string& section, const std::string& key, long long value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    // Saves every staged value at once and clears the stage. The file is replaced
    // by a complete new one or not at all; on failure reads return the old values
    // again.
    bool Commit() override;

private:
    using StagedValue = std::variant<long long, std::string>;

    explicit QSettingsProfile(std::unique_ptr<QSettings> settings);
    const StagedValue* FindStaged(const std::string& section, const std::string& key) const;

    std::unique_ptr<QSettings> settings_;
    std::map<std::pair<std::string, std::string>, StagedValue> staged_;
};

} // namespace lumet

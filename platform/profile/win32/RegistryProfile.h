#pragma once

#include "platform/profile/Profile.h"

#include <map>
#include <string>
#include <utility>
#include <variant>

namespace lumet {

// The per-user profile in the registry: each section is a key under
// HKEY_CURRENT_USER\Software\Orbisk\<application>, integers are REG_DWORD values
// (REG_QWORD when they do not fit), strings REG_SZ. Writes are staged and reach
// the registry on Commit; when a value cannot be written, those already written are
// put back as they were.
class RegistryProfile final : public Profile {
public:
    static constexpr const char* kOrganization = "Orbisk";

    explicit RegistryProfile(const std::string& applicationName);

    std::string Location() const override;

    // Staged values are read back before they are committed. REG_SZ text that is a
    // decimal integer reads as one; values beyond 64 bits saturate.
    std::optional<long long> ReadInt(const std::string& section,
                                     const std::string& key) const override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override;
    void WriteInt(const std::string& section, const std::string& key, long long value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Commit() override;

private:
    using Value = std::variant<long long, std::string>;
    using Name = std::pair<std::string, std::string>; // section, key

    // The committed value, if the registry holds one of a type this reads.
    std::optional<Value> Stored(const std::string& section, const std::string& key) const;
    const Value* Staged(const std::string& section, const std::string& key) const;

    std::wstring keyPath_; // under HKEY_CURRENT_USER
    std::map<Name, Value> staged_;
};

} // namespace lumet

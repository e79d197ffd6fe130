#pragma once

#include <optional>
#include <string>

namespace lumet {

// Per-user key-value store with sections, integer and string values.
class Profile {
public:
    virtual ~Profile() = default;

    // nullopt when the key is missing or, for ReadInt, its value is no integer.
    virtual std::optional<long long> ReadInt(const std::string& section,
                                             const std::string& key) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& key) const = 0;

    // Writes are staged and reach the store only through Commit, all or nothing.
    virtual void WriteInt(const std::string& section, const std::string& key, long long value) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    // Returns false when the store could not be written; it then keeps its old content.
    virtual bool Commit() = 0;

    // Where the store is, for messages; empty when it has no place to name.
    virtual std::string Location() const { return {}; }
};

} // namespace lumet

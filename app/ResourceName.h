#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace lumet {

// A variable field of a dialog template: nothing, a resource ordinal, or a
// zero-terminated UTF-16 string.
struct ResourceName {
    std::optional<std::uint16_t> ordinal;
    std::u16string text; // used when there is no ordinal

    static ResourceName Ordinal(std::uint16_t value) { return ResourceName{value, {}}; }
    static ResourceName Text(std::u16string value) {
        return ResourceName{std::nullopt, std::move(value)};
    }

    bool IsEmpty() const { return !ordinal && text.empty(); }

    friend bool operator==(const ResourceName&, const ResourceName&) = default;
};

} // namespace lumet

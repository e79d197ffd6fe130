#pragma once

#include "app/DialogItem.h"
#include "app/ResourceName.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumet {

// An extended dialog template (DLGTEMPLATEEX followed by its DLGITEMTEMPLATEEX
// items), as a value and as the bytes a dialog resource holds: little-endian,
// UTF-16 strings, each item starting on a 4-byte boundary of the template.
struct DialogTemplate {
    static constexpr std::uint16_t kVersion = 1;
    static constexpr std::uint16_t kSignature = 0xFFFF;
    // Version, signature, help id, extended style, style, item count, x, y, cx, cy.
    static constexpr std::size_t kHeaderSize = 26;

    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    DialogRect rect;
    ResourceName menu;
    ResourceName windowClass;
    ResourceName title;
    // The font fields exist only when the style has the set-font bit.
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::u16string typeface;
    std::vector<DialogItem> items;

    bool HasFont() const;

    std::vector<std::uint8_t> Encode() const;

    // Reads a template back; nothing when the bytes are not an extended template
    // or end before it does.
    static std::optional<DialogTemplate> Parse(std::span<const std::uint8_t> bytes);

    // Where the font's point size lies: the word after the title field. Nothing
    // when the bytes are not an extended template with a font, or end before it.
    static std::optional<std::size_t> PointSizeOffset(std::span<const std::uint8_t> bytes);

    friend bool operator==(const DialogTemplate&, const DialogTemplate&) = default;
};

} // namespace lumet

#pragma once

#include "app/ResourceName.h"

#include <cstdint>
#include <vector>

namespace lumet {

// Position and size in dialog units.
struct DialogRect {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;

    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

enum class ControlClass { Button, Edit, Static, Other };

// Predefined window classes as the ordinals a template names them by.
inline constexpr std::uint16_t kButtonClassOrdinal = 0x0080;
inline constexpr std::uint16_t kEditClassOrdinal = 0x0081;
inline constexpr std::uint16_t kStaticClassOrdinal = 0x0082;

enum class TextAlignment { Left, Center, Right };

// One control of an extended dialog template (DLGITEMTEMPLATEEX). The queries
// read the style bits the way the control's class defines them.
struct DialogItem {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    DialogRect rect;
    std::uint32_t id = 0;
    ResourceName windowClass;
    ResourceName title;
    std::vector<std::uint8_t> creationData;

    ControlClass Class() const;
    const std::u16string& Caption() const { return title.text; }

    bool IsVisible() const;
    bool IsHidden() const { return !IsVisible(); }
    bool IsDisabled() const;
    bool IsTabStop() const;
    bool HasBorder() const;
    bool IsTransparent() const;
    // An edit control that takes digits only.
    bool IsDigitsOnly() const;
    // Horizontal text alignment of an edit, static or button control.
    TextAlignment Alignment() const;
    // A button or static that its owner draws.
    bool IsOwnerDrawn() const;
    // A static or button that reports clicks to its owner.
    bool IsNotify() const;
    // A static that shows a bitmap.
    bool IsBitmap() const;

    friend bool operator==(const DialogItem&, const DialogItem&) = default;
};

} // namespace lumet

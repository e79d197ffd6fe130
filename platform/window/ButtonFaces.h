#pragma once

#include "platform/gdi/Bitmap.h"

#include <array>

namespace lumet {

enum class ButtonFace { Up, Down, Focus, Disabled };

// The four pictures of a bitmap button, any of which may be missing, and the rule
// that picks the one to show.
class ButtonFaces {
public:
    ButtonFaces() = default;
    ButtonFaces(Bitmap up, Bitmap down, Bitmap focus, Bitmap disabled)
        : faces_{std::move(up), std::move(down), std::move(focus), std::move(disabled)} {}

    bool Has(ButtonFace face) const { return !Get(face).IsNull(); }
    const Bitmap& Get(ButtonFace face) const { return faces_[static_cast<std::size_t>(face)]; }

    // The down face if pressed and present; else the focus face if focused and
    // present; else the disabled face if disabled and present; else the up face.
    ButtonFace Choose(bool pressed, bool focused, bool disabled) const;

private:
    std::array<Bitmap, 4> faces_;
};

} // namespace lumet

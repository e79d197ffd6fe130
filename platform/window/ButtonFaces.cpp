#include "platform/window/ButtonFaces.h"

namespace lumet {

ButtonFace ButtonFaces::Choose(bool pressed, bool focused, bool disabled) const {
    if (pressed && Has(ButtonFace::Down)) {
        return ButtonFace::Down;
    }
    if (focused && Has(ButtonFace::Focus)) {
        return ButtonFace::Focus;
    }
    if (disabled && Has(ButtonFace::Disabled)) {
        return ButtonFace::Disabled;
    }
    return ButtonFace::Up;
}

} // namespace lumet

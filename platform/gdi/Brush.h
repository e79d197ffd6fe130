#pragma once

#include "platform/gdi/Color.h"

namespace lumet {

// A solid or a null (hollow) brush.
class Brush {
public:
    // The stock white brush every drawing context starts with.
    Brush() = default;

    static Brush Solid(Color color) { return Brush(false, color); }
    static Brush Null() { return Brush(true, Color{}); }

    bool IsNull() const { return null_; }
    Color GetColor() const { return color_; }

    friend bool operator==(const Brush&, const Brush&) = default;

private:
    Brush(bool null, Color color) : null_(null), color_(color) {}

    bool null_ = false;
    Color color_{255, 255, 255};
};

} // namespace lumet

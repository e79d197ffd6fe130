#pragma once

namespace lumet {

// An extent in device pixels.
struct Size {
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(Size, Size) = default;
};

} // namespace lumet

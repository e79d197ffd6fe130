#pragma once

#include "platform/gdi/Bitmap.h"

namespace lumet {

// The system clipboard. Tests use the offscreen platform's own clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Replaces the clipboard's contents with the picture.
    virtual void SetPicture(const Bitmap& picture) = 0;
    // Empties the clipboard.
    virtual void Clear() = 0;
};

} // namespace lumet

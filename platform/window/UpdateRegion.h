#pragma once

#include "platform/gdi/Rect.h"

namespace lumet {

// A window's invalid area (its update region) and whether it asks for erasing. A
// paint receives only the area's bounds, so the bounds are all that is kept.
class UpdateRegion {
public:
    void Add(const Rect& rect, bool erase) {
        const Rect ordered = rect.Normalized();
        if (ordered.IsEmpty()) {
            return;
        }
        bounds_ = bounds_.United(ordered);
        erase_ = erase_ || erase;
    }
    void Clear() { *this = UpdateRegion(); }

    bool IsEmpty() const { return bounds_.IsEmpty(); }
    bool NeedsErase() const { return erase_ && !IsEmpty(); }
    // The smallest rectangle holding the whole area; empty when nothing is invalid.
    Rect Bounds() const { return IsEmpty() ? Rect{} : bounds_; }

private:
    Rect bounds_;
    bool erase_ = false;
};

} // namespace lumet

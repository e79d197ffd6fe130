#pragma once

#include "platform/gdi/Rect.h"

#include <QRegion>

namespace lumet {

// A window's invalid area (its update region) and whether it asks for erasing.
class UpdateRegion {
public:
    void Add(const Rect& rect, bool erase);
    void Clear();

    bool IsEmpty() const { return region_.isEmpty(); }
    bool NeedsErase() const { return erase_ && !IsEmpty(); }
    // The smallest rectangle holding the whole area; empty when nothing is invalid.
    Rect Bounds() const;
    bool Contains(int x, int y) const { return region_.contains(QPoint(x, y)); }

private:
    QRegion region_;
    bool erase_ = false;
};

} // namespace lumet

#include "platform/window/UpdateRegion.h"

namespace lumet {

void UpdateRegion::Add(const Rect& rect, bool erase) {
    const Rect ordered = rect.Normalized();
    if (ordered.IsEmpty()) {
        return;
    }
    region_ += QRect(ordered.left, ordered.top, ordered.Width(), ordered.Height());
    erase_ = erase_ || erase;
}

void UpdateRegion::Clear() {
    region_ = QRegion();
    erase_ = false;
}

Rect UpdateRegion::Bounds() const {
    if (region_.isEmpty()) {
        return {};
    }
    const QRect bounds = region_.boundingRect();
    return Rect{bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                bounds.top() + bounds.height()};
}

} // namespace lumet

#pragma once

#include "platform/gdi/Point.h"

namespace lumet {

// Moves a window by hand with the pointer, for window systems that cannot move it
// themselves: the window keeps its offset from the pointer where the drag began.
class ManualMove {
public:
    void Start(Point pointer, Point windowTopLeft) {
        active_ = true;
        startPointer_ = pointer;
        startWindow_ = windowTopLeft;
    }
    void Stop() { active_ = false; }
    bool IsActive() const { return active_; }

    // Where the window's top-left corner goes for the pointer at pointer.
    Point WindowPositionFor(Point pointer) const {
        return Point{startWindow_.x + pointer.x - startPointer_.x,
                     startWindow_.y + pointer.y - startPointer_.y};
    }

private:
    bool active_ = false;
    Point startPointer_;
    Point startWindow_;
};

} // namespace lumet

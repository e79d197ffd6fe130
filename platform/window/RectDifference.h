#pragma once

#include "platform/gdi/Rect.h"

#include <vector>

namespace lumet {

// The pixels of `from` outside `removed`, as at most four disjoint rectangles, top
// to bottom: the band above `removed`, the parts left and right of it, the band below.
std::vector<Rect> RectDifference(const Rect& from, const Rect& removed);

} // namespace lumet

#include "platform/window/RectDifference.h"

namespace lumet {

std::vector<Rect> RectDifference(const Rect& from, const Rect& removed) {
    const Rect source = from.Normalized();
    if (source.IsEmpty()) {
        return {};
    }
    const Rect cut = source.Intersected(removed.Normalized());
    if (cut.IsEmpty()) {
        return {source};
    }
    std::vector<Rect> parts;
    const auto keep = [&parts](const Rect& part) {
        if (!part.IsEmpty()) {
            parts.push_back(part);
        }
    };
    keep(Rect{source.left, source.top, source.right, cut.top});
    keep(Rect{source.left, cut.top, cut.left, cut.bottom});
    keep(Rect{cut.right, cut.top, source.right, cut.bottom});
    keep(Rect{source.left, cut.bottom, source.right, source.bottom});
    return parts;
}

} // namespace lumet

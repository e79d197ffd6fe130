#pragma once

#include "platform/gdi/Point.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumet {

// One entry of cursors/cursors.json: the picture's file name and its hot spot.
struct CursorEntry {
    std::string image;
    Point hotSpot;

    friend bool operator==(const CursorEntry&, const CursorEntry&) = default;
};

// The entry named `id` in a manifest of the form
//   {"160": {"image": "160.png", "hotSpot": [7, 1]}, ...}
// Nothing when the text is not such a manifest or has no usable entry for id.
std::optional<CursorEntry> FindCursorEntry(std::string_view manifest, std::string_view id);

} // namespace lumet

#include "ui/CursorResource.h"

#include "res/Resources.h"
#include "ui/CursorManifest.h"

#include <string>

namespace lumet {

Cursor LoadCursorResource(int id) {
    const std::span<const std::uint8_t> manifest = FindResource("cursors/cursors.json");
    const std::optional<CursorEntry> entry = FindCursorEntry(
        std::string_view(reinterpret_cast<const char*>(manifest.data()), manifest.size()),
        std::to_string(id));
    if (!entry) {
        return Cursor::Arrow();
    }
    return Cursor::FromPng(FindResource("cursors/" + entry->image), entry->hotSpot);
}

} // namespace lumet

#include "platform/window/Cursor.h"

#include <algorithm>
#include <cstddef>

namespace lumet {

Cursor Cursor::FromPicture(Picture picture, Point hotSpot) {
    const bool filled = picture.width > 0 && picture.height > 0 &&
                        picture.argb.size() == static_cast<std::size_t>(picture.width) *
                                                   static_cast<std::size_t>(picture.height);
    if (!filled) {
        return Arrow();
    }
    Cursor cursor(Shape::Picture);
    cursor.hotSpot_ = Point{std::clamp(hotSpot.x, 0, picture.width - 1),
                            std::clamp(hotSpot.y, 0, picture.height - 1)};
    cursor.picture_ = std::make_shared<const Picture>(std::move(picture));
    return cursor;
}

} // namespace lumet

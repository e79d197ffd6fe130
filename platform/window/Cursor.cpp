#include "platform/window/Cursor.h"

#include <QPixmap>
#include <algorithm>

namespace lumet {

Cursor Cursor::FromImage(const QImage& image, Point hotSpot) {
    if (image.isNull()) {
        return Arrow();
    }
    const int x = std::clamp(hotSpot.x, 0, image.width() - 1);
    const int y = std::clamp(hotSpot.y, 0, image.height() - 1);
    return Cursor(QCursor(QPixmap::fromImage(image), x, y));
}

Point Cursor::HotSpot() const {
    const QPoint hot = cursor_.hotSpot();
    return Point{hot.x(), hot.y()};
}

bool Cursor::SameAs(const Cursor& other) const {
    if (cursor_.shape() != other.cursor_.shape()) {
        return false;
    }
    if (cursor_.shape() != Qt::BitmapCursor) {
        return true;
    }
    return cursor_.pixmap().cacheKey() == other.cursor_.pixmap().cacheKey() &&
           cursor_.hotSpot() == other.cursor_.hotSpot();
}

} // namespace lumet

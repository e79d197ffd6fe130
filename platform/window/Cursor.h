#pragma once

#include "platform/gdi/Point.h"

#include <QCursor>
#include <QImage>

namespace lumet {

// A mouse pointer shape: a system one or one made from a 32 x 32 picture with its
// hot spot (LoadCursor of a cursor resource).
class Cursor {
public:
    static Cursor Arrow() { return Cursor(QCursor(Qt::ArrowCursor)); }
    static Cursor IBeam() { return Cursor(QCursor(Qt::IBeamCursor)); }

    // Transparent pixels of image are outside the pointer. A hot spot outside the
    // picture is moved onto its nearest edge.
    static Cursor FromImage(const QImage& image, Point hotSpot);

    const QCursor& QtCursor() const { return cursor_; }
    Point HotSpot() const;

    // Same shape, picture and hot spot.
    bool SameAs(const Cursor& other) const;

private:
    explicit Cursor(QCursor cursor) : cursor_(std::move(cursor)) {}

    QCursor cursor_;
};

} // namespace lumet

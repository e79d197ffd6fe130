#pragma once

#include "platform/gdi/Point.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace lumet {

// A mouse pointer shape: a system one or one made from a picture with its hot spot
// (LoadCursor of a cursor resource). The host window turns it into the window
// system's own cursor.
class Cursor {
public:
    enum class Shape { Arrow, IBeam, Picture };

    // A cursor picture: rows of 0xAARRGGBB words, top row first; pixels with alpha 0
    // are outside the pointer.
    struct Picture {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> argb;
    };

    static Cursor Arrow() { return Cursor(Shape::Arrow); }
    static Cursor IBeam() { return Cursor(Shape::IBeam); }

    // A hot spot outside the picture is moved onto its nearest edge; the arrow when
    // the picture is empty or its pixels do not fill it.
    static Cursor FromPicture(Picture picture, Point hotSpot);

    Shape GetShape() const { return shape_; }
    // Null unless the shape is Picture.
    const Picture* GetPicture() const { return picture_.get(); }
    Point HotSpot() const { return hotSpot_; }

    // Same shape, picture and hot spot; copies of one FromPicture cursor share the
    // picture, so this is what a host compares before asking the system again.
    bool SameAs(const Cursor& other) const {
        return shape_ == other.shape_ && picture_ == other.picture_ && hotSpot_ == other.hotSpot_;
    }

private:
    explicit Cursor(Shape shape) : shape_(shape) {}

    Shape shape_;
    std::shared_ptr<const Picture> picture_;
    Point hotSpot_{};
};

} // namespace lumet

#pragma once

#include "platform/gdi/Point.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumet {

// A mouse pointer shape: a system one or one made from a picture with its hot spot
// (LoadCursor of a cursor resource). The picture is a PNG file, whose transparent
// pixels are outside the pointer; the host window decodes it into the window
// system's own cursor.
class Cursor {
public:
    enum class Shape { Arrow, IBeam, Picture };

    static Cursor Arrow() { return Cursor(Shape::Arrow); }
    static Cursor IBeam() { return Cursor(Shape::IBeam); }

    // A hot spot outside the picture is moved onto its nearest edge; the arrow when
    // the bytes are not a PNG file.
    static Cursor FromPng(std::span<const std::uint8_t> png, Point hotSpot);

    Shape GetShape() const { return shape_; }
    // The PNG file; empty unless the shape is Picture.
    std::span<const std::uint8_t> Png() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    Point HotSpot() const { return hotSpot_; }

    // Same shape, picture and hot spot; copies of one FromPng cursor share the
    // picture, so this is what a host compares before asking the system again.
    bool SameAs(const Cursor& other) const {
        return shape_ == other.shape_ && png_ == other.png_ && hotSpot_ == other.hotSpot_;
    }

private:
    explicit Cursor(Shape shape) : shape_(shape) {}

    Shape shape_;
    std::shared_ptr<const std::vector<std::uint8_t>> png_;
    int width_ = 0;
    int height_ = 0;
    Point hotSpot_{};
};

} // namespace lumet

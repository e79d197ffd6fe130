#pragma once

namespace lumet {

// Raster operations of BitBlt and StretchBlt, with their GDI codes.
enum class Rop : unsigned {
    SrcCopy = 0x00CC0020,   // D = S
    SrcAnd = 0x008800C6,    // D = S & D
    SrcInvert = 0x00660046, // D = S ^ D
    SrcPaint = 0x00EE0086,  // D = S | D
};

// Mix modes of SetROP2 for pens and brushes, with their GDI values.
enum class Rop2 {
    XorPen = 7,   // D = P ^ D
    CopyPen = 13, // D = P
};

// SetBkMode: whether text cells and the gaps of dotted lines are painted.
enum class BackgroundMode {
    Transparent = 1,
    Opaque = 2,
};

} // namespace lumet

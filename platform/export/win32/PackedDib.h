#pragma once

#include "platform/gdi/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumet {

// The bitmap as a packed device-independent bitmap, the block CF_DIB and
// StretchDIBits take: a BITMAPINFOHEADER, then the pixel rows bottom row first,
// three bytes a pixel (blue, green, red), each row padded with zeros to a whole
// number of 32-bit words. Empty for a null bitmap or one too large for the format.
//
// 24 bits rather than the Bitmap's own 32: a 32-bit DIB's fourth byte is taken for
// alpha by some of the programs a picture is pasted into, and would leave it
// transparent there.
std::vector<std::uint8_t> PackDib(const Bitmap& bitmap);

// Where the pixel rows start in PackDib's block: right after the header, as there
// is no colour table.
inline constexpr std::size_t kPackedDibRowsOffset = 40;

} // namespace lumet

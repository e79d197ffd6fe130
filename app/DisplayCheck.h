#pragma once

#include "platform/dialogs/MessageBoxes.h"

#include <cstdint>
#include <vector>

namespace lumet {

// What the display check needs to know about the screen.
struct DisplayMetrics {
    int logPixelsX = 96; // horizontal logical pixels per inch
    int numColors = -1;  // palette colours; -1 for displays of more than 256 colours
};

// Warns about a palette display and about a pixel density other than 96 or 120 per
// inch, and sets the main dialog template's font to the point size that makes one
// dialog unit two pixels: 10 points at 96, 8 at 120. Any other density, and a
// template that is not a complete extended template with a font, come back unchanged.
std::vector<std::uint8_t> CheckDisplay(std::vector<std::uint8_t> dialogTemplate,
                                       const DisplayMetrics& display, MessageBoxes& messages);

} // namespace lumet

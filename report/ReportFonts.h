#pragma once

#include "platform/gdi/Font.h"

namespace lumet {

// The three fonts the report picture is drawn with. The dialog fills it from the
// fonts it shares with the displays; a program without the dialog makes its own.
struct ReportFonts {
    Font smallTahoma; // labels and small values
    Font largeArial;  // verdict and average
    Font mediumArial; // target address, counts, minimum and maximum

    // The same requests the dialog makes for its shared fonts. Those the engine
    // cannot make are null and draw no text.
    static ReportFonts Create(const FontEngine& engine);
};

} // namespace lumet

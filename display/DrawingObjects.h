#pragma once

#include "display/StatusPictures.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

namespace lumet {

// Colours of the window: text is light cyan on black throughout.
inline constexpr Color kLightCyan{0xCC, 0xFF, 0xFF};
inline constexpr Color kBlack{0x00, 0x00, 0x00};

// The brushes, pens, fonts and status pictures the displays and the report share,
// made once when the main dialog initialises and kept for its lifetime.
struct DrawingObjects {
    Brush blackBrush;
    Brush lightCyanBrush;
    Brush redBrush;
    Brush greenBrush;
    Brush orangeBrush;
    Pen lightCyanPen;
    Pen wideLightCyanPen;
    Pen redPen;
    Font smallTahomaFont;
    Font largeArialFont;
    Font mediumArialFont;
    Font smallArialFont;
    StatusPictures statusPictures;

    // The fonts come from engine; those it cannot make are null and draw no text.
    static DrawingObjects Create(const FontEngine& engine);
};

} // namespace lumet

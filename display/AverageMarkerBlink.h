#pragma once

#include "display/DrawingObjects.h"
#include "display/UserActivity.h"
#include "display/WindowCanvas.h"
#include "platform/clock/Clock.h"
#include "platform/events/MessagePump.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Point.h"

#include <cstdint>

namespace lumet {

// The two faces of the blinking average pointer: the red of the static marker and a
// dark red.
enum class BlinkImage {
    Red,
    DarkRed,
};

inline constexpr int kBlinkImageWidth = 7;
inline constexpr int kBlinkImageHeight = 6;
inline constexpr std::uint32_t kBlinkPeriodMs = 200;

// A 7 × 6 image on black: the pointer's pentagon outlined in light cyan and filled
// with the face's colour.
DeviceContext MakeBlinkImage(const DrawingObjects& objects, BlinkImage image);

// Client position of the blink image's top left corner for a pointer at
// averageMarkerX.
Point BlinkMarkerOrigin(int averageMarkerX);

// After a test: blinks the average pointer on the window, red and dark red every
// 200 ms starting with red at once, until the user moves the mouse or presses the
// left button (the red face is left on the window) or the window closes (the window
// is left alone). Events are handled meanwhile; between blinks the loop sleeps in
// pump.WaitForMessages until an event arrives or the next blink is due.
void BlinkAverageMarker(int averageMarkerX, const DrawingObjects& objects, WindowCanvas& window,
                        MessagePump& pump, const Clock& clock, UserActivity& activity);

} // namespace lumet

#pragma once

#include "display/WrongAddressWindow.h"
#include "platform/gdi/DeviceContext.h"

namespace lumet {

// Tells the user that the target cannot be used: puts the display area's first look
// (the 320 × 80 display snapshot buffer) back at client (6, 30), lets the window
// disable and repaint the address field, ORs the 311 × 47 WRONG ADDRESS banner onto
// the window at (8, 60) so the restored area shows through its near-black ground,
// and beeps once. screen stands for the window's client area.
void ShowWrongAddress(DeviceContext& screen, const DeviceContext& displaySnapshot,
                      WrongAddressWindow& window);

} // namespace lumet

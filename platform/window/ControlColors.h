#pragma once

#include "platform/gdi/Brush.h"
#include "platform/gdi/Color.h"

namespace lumet {

// What the dialog's control-colour handler (WM_CTLCOLOR) hands a control for
// painting: text and background colours and the brush its background is filled with.
// The default is the system's window colours, black on white.
struct ControlColors {
    Color text{0, 0, 0};
    Color background{255, 255, 255};
    Brush brush;
};

} // namespace lumet

#pragma once

#include "platform/window/Cursor.h"

namespace lumet {

// A cursor resource by number (160, 161, 162): the embedded picture cursors/<id>.png with
// the hot spot that cursors/cursors.json gives it. The arrow when the resource or
// its entry is missing.
Cursor LoadCursorResource(int id);

} // namespace lumet

#pragma once

#include "platform/window/InputMessage.h"

namespace lumet {

// The dialog's name for a Windows virtual-key code.
Key KeyFromVirtualKey(unsigned virtualKey);

} // namespace lumet

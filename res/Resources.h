#pragma once

namespace lumet {

// Registers the embedded artwork with Qt's resource system. The resources live in a static
// library, whose registration code a linker would otherwise drop; call this once at start-up,
// before the first ":/" path is opened. Calling it again does no harm.
void InitResources();

} // namespace lumet

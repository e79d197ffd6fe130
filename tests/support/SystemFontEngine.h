#pragma once

#include "platform/gdi/FontEngine.h"

#include <memory>

namespace lumet::test {

// The font engine the program uses on this system: Qt's on Linux, GDI's on
// Windows. The build picks the source that makes it, so drawing tests run
// unchanged on both.
std::unique_ptr<FontEngine> SystemFontEngine();

} // namespace lumet::test

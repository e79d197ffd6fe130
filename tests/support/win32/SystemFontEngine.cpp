#include "tests/support/SystemFontEngine.h"

#include "platform/wingdi/GdiFontEngine.h"

namespace lumet::test {

std::unique_ptr<FontEngine> SystemFontEngine() {
    return std::make_unique<GdiFontEngine>();
}

} // namespace lumet::test

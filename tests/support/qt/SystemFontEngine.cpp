#include "tests/support/SystemFontEngine.h"

#include "platform/qtgdi/QtFontEngine.h"

namespace lumet::test {

std::unique_ptr<FontEngine> SystemFontEngine() {
    return std::make_unique<QtFontEngine>();
}

} // namespace lumet::test

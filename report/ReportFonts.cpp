#include "report/ReportFonts.h"

namespace lumet {

ReportFonts ReportFonts::Create(const FontEngine& engine) {
    constexpr int kBold = 700;
    return ReportFonts{Font::Create(engine, "Tahoma", 12), Font::Create(engine, "Arial", 42, kBold),
                       Font::Create(engine, "Arial", 18, kBold)};
}

} // namespace lumet

#include "report/ReportFonts.h"

namespace lumet {

ReportFonts ReportFonts::Create() {
    constexpr int kBold = 700;
    return ReportFonts{Font::Create("Tahoma", 12), Font::Create("Arial", 42, kBold),
                       Font::Create("Arial", 18, kBold)};
}

} // namespace lumet

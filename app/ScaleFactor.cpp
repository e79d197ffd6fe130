#include "app/ScaleFactor.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lumet {

std::string WholeScaleFactorSetting(std::string_view setting) {
    double factor = 0;
    const char* const end = setting.data() + setting.size();
    const auto [stop, error] = std::from_chars(setting.data(), end, factor);
    if (error != std::errc() || stop != end || !std::isfinite(factor) || factor <= 0) {
        return std::string(setting);
    }
    return std::to_string(std::max(1L, std::lround(factor)));
}

} // namespace lumet

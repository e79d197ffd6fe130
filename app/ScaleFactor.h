#pragma once

#include <string>
#include <string_view>

namespace lumet {

// The window is a pixel drawing: at a fractional scale its one-pixel lines would blur
// or vary in width, so it is shown at whole factors only. A QT_SCALE_FACTOR setting
// ("1.6") rounded to the nearest whole factor, never below 1 ("2"); a value that is
// not a number stays as it is, for Qt to refuse.
std::string WholeScaleFactorSetting(std::string_view setting);

} // namespace lumet

#include "platform/clock/CalendarTime.h"

namespace lumet {

std::optional<std::tm> UtcCalendarTime(std::time_t when) {
    std::tm parts{};
    return gmtime_r(&when, &parts) != nullptr ? std::optional<std::tm>(parts) : std::nullopt;
}

std::optional<std::tm> LocalCalendarTime(std::time_t when) {
    std::tm parts{};
    return localtime_r(&when, &parts) != nullptr ? std::optional<std::tm>(parts) : std::nullopt;
}

} // namespace lumet

#include "platform/clock/CalendarTime.h"

namespace lumet {

// The C runtime's _s variants fill the caller's struct and return an error number,
// where POSIX's _r variants return a pointer.
std::optional<std::tm> UtcCalendarTime(std::time_t when) {
    std::tm parts{};
    return gmtime_s(&parts, &when) == 0 ? std::optional<std::tm>(parts) : std::nullopt;
}

std::optional<std::tm> LocalCalendarTime(std::time_t when) {
    std::tm parts{};
    return localtime_s(&parts, &when) == 0 ? std::optional<std::tm>(parts) : std::nullopt;
}

} // namespace lumet

#include "pingtest/StartTime.h"

#include "platform/clock/CalendarTime.h"

#include <array>
#include <climits>
#include <cstdio>

namespace lumet {

namespace {

constexpr std::array<const char*, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

std::string StartTime::Format(std::time_t when, Zone zone) {
    const std::optional<std::tm> broken =
        zone == Zone::Utc ? UtcCalendarTime(when) : LocalCalendarTime(when);
    if (!broken) {
        return {};
    }
    const std::tm& parts = *broken;
    if (parts.tm_wday < 0 || parts.tm_wday > 6 || parts.tm_mon < 0 || parts.tm_mon > 11 ||
        parts.tm_year > INT_MAX - 1900) {
        return {};
    }
    // Formatted by hand: strftime's names follow the locale.
    std::array<char, 64> text{};
    const int length =
        std::snprintf(text.data(), text.size(), "%s %s %02d %02d:%02d:%02d %d\n",
                      kDayNames[static_cast<std::size_t>(parts.tm_wday)],
                      kMonthNames[static_cast<std::size_t>(parts.tm_mon)], parts.tm_mday,
                      parts.tm_hour, parts.tm_min, parts.tm_sec, parts.tm_year + 1900);
    if (length < 0 || static_cast<std::size_t>(length) >= text.size()) {
        return {};
    }
    return std::string(text.data(), static_cast<std::size_t>(length));
}

} // namespace lumet

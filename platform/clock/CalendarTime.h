#pragma once

#include <ctime>
#include <optional>

namespace lumet {

// A point in time broken into calendar fields, in UTC or in the user's time zone;
// nothing when the system cannot represent it. Safe to call from any thread.
std::optional<std::tm> UtcCalendarTime(std::time_t when);
std::optional<std::tm> LocalCalendarTime(std::time_t when);

} // namespace lumet

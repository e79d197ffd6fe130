#pragma once

#include <ctime>
#include <string>

namespace lumet {

// The start-of-test stamps the reports print.
struct StartTime {
    enum class Zone { Local, Utc };

    // "Www Mmm dd hh:mm:ss yyyy\n": English day and month abbreviations whatever the
    // locale, the day of the month with a leading zero. Empty when the time cannot
    // be broken down.
    static std::string Format(std::time_t when, Zone zone);
};

} // namespace lumet

#include "pingtest/StartTime.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace lumet {
namespace {

struct TimeCase {
    std::time_t when;
    const char* text;
};

class UtcStartTime : public testing::TestWithParam<TimeCase> {};

TEST_P(UtcStartTime, HasTheFixedWidthForm) {
    const std::string text = StartTime::Format(GetParam().when, StartTime::Zone::Utc);
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(text.size(), 25u);
}

INSTANTIATE_TEST_SUITE_P(StartTimeTest, UtcStartTime,
                         testing::Values(TimeCase{315626635, "Wed Jan 02 02:03:55 1980\n"},
                                         TimeCase{0, "Thu Jan 01 00:00:00 1970\n"},
                                         TimeCase{1000000000, "Sun Sep 09 01:46:40 2001\n"},
                                         TimeCase{1234567890, "Fri Feb 13 23:31:30 2009\n"}));

// Sets TZ for one test and puts the previous value back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* previous = std::getenv("TZ")) {
            previous_ = previous;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (previous_) {
            setenv("TZ", previous_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

TEST(StartTimeTest, LocalTimeFollowsTheTimeZone) {
    const ScopedTimeZone zone("EST5");
    EXPECT_EQ(StartTime::Format(315626635, StartTime::Zone::Local), "Tue Jan 01 21:03:55 1980\n");
    EXPECT_EQ(StartTime::Format(315626635, StartTime::Zone::Utc), "Wed Jan 02 02:03:55 1980\n");
}

} // namespace
} // namespace lumet

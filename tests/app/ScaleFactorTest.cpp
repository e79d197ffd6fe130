#include "app/ScaleFactor.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

struct ScaleRow {
    const char* fault;
    const char* setting;
    const char* whole;
};

class WholeScale : public testing::TestWithParam<ScaleRow> {};

TEST_P(WholeScale, RoundsToTheNearestWholeFactor) {
    SCOPED_TRACE(GetParam().fault);
    EXPECT_EQ(WholeScaleFactorSetting(GetParam().setting), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(
    ScaleFactor, WholeScale,
    testing::Values(ScaleRow{"a whole factor changed", "2", "2"},
                    ScaleRow{"1.6 shown blurred, or cut down to 1", "1.6", "2"},
                    ScaleRow{"1.25 blown up to 2", "1.25", "1"},
                    ScaleRow{"a half not rounded up", "1.5", "2"},
                    ScaleRow{"a factor below 1 making the window a stamp", "0.6", "1"},
                    ScaleRow{"a large factor clipped", "3.4", "3"},
                    ScaleRow{"text that is no number turned into a factor", "big", "big"},
                    ScaleRow{"a negative factor accepted", "-2", "-2"}));

} // namespace
} // namespace lumet

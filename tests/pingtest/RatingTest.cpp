#include "pingtest/Rating.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string_view>

namespace lumet {
namespace {

struct ScaleCase {
    std::uint32_t v;
    int x;
};

class ScaleXTable : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleXTable, MapsTimeToScalePosition) {
    EXPECT_EQ(Rating::ScaleX(GetParam().v), GetParam().x) << "v = " << GetParam().v;
}

INSTANTIATE_TEST_SUITE_P(
    RatingTest, ScaleXTable,
    ::testing::Values(ScaleCase{0, 1}, ScaleCase{1, 1}, ScaleCase{3, 2}, ScaleCase{187, 74},
                      ScaleCase{200, 80}, ScaleCase{201, 79}, ScaleCase{203, 80},
                      ScaleCase{400, 158}, ScaleCase{401, 158}, ScaleCase{600, 237},
                      ScaleCase{601, 236}, ScaleCase{620, 239}, ScaleCase{999, 314},
                      ScaleCase{1000, 315}, ScaleCase{1001, 317}, ScaleCase{65535, 317},
                      ScaleCase{65536, 0}, ScaleCase{UINT32_MAX, 0}));

// Cross-check against the floating-point form of the four segments.
TEST(RatingTest, ScaleXFollowsItsSegmentFormulasEverywhere) {
    for (std::uint32_t v = 0; v <= 1000; ++v) {
        double expected = 0;
        if (v <= 200) {
            expected = 1 + std::floor(0.395 * v);
        } else if (v <= 400) {
            expected = 79 + std::floor(0.395 * (v - 200));
        } else if (v <= 600) {
            expected = 158 + std::floor(0.395 * (v - 400));
        } else {
            expected = 236 + std::floor(0.1975 * (v - 600));
        }
        ASSERT_EQ(Rating::ScaleX(v), static_cast<int>(expected)) << "v = " << v;
        ASSERT_LE(Rating::ScaleX(v), 317);
    }
}

struct PenaltyCase {
    int errorCount;
    int plannedCount;
    int penalty;
};

class LossPenaltyTable : public ::testing::TestWithParam<PenaltyCase> {};

TEST_P(LossPenaltyTable, ThousandthsOfPlannedCount) {
    const PenaltyCase& c = GetParam();
    EXPECT_EQ(Rating::LossPenalty(c.errorCount, c.plannedCount), c.penalty);
}

INSTANTIATE_TEST_SUITE_P(RatingTest, LossPenaltyTable,
                         ::testing::Values(PenaltyCase{0, 32, 0}, PenaltyCase{4, 32, 125},
                                           PenaltyCase{1, 3, 333}, PenaltyCase{2, 3, 666},
                                           PenaltyCase{32, 32, 1000}, PenaltyCase{5, 0, 0},
                                           PenaltyCase{0, 0, 0}, PenaltyCase{1, 999, 1},
                                           PenaltyCase{64, 32, 2000},
                                           PenaltyCase{INT_MAX, 1, INT_MAX}));

TEST(RatingTest, LossPenaltyIsExactTruncationWithinARun) {
    for (int planned = 1; planned <= 999; ++planned) {
        for (int errors = 0; errors <= planned; ++errors) {
            ASSERT_EQ(Rating::LossPenalty(errors, planned), errors * 1000 / planned)
                << errors << " of " << planned;
        }
    }
}

TEST(RatingTest, FourFailuresInThirtyTwoAddOneHundredTwentyFiveMilliseconds) {
    EXPECT_EQ(Rating::AverageMarkerX(Rating::LossPenalty(4, 32), 75),
              Rating::AverageMarkerX(0, 200));
    EXPECT_EQ(Rating::AverageMarkerX(Rating::LossPenalty(4, 32), 75), 86);
}

struct AverageCase {
    std::uint32_t averageRtt;
    int x;
    std::string_view verdict;
};

class VerdictByAverage : public ::testing::TestWithParam<AverageCase> {};

TEST_P(VerdictByAverage, WithoutFailures) {
    const AverageCase& c = GetParam();
    const int x = Rating::AverageMarkerX(Rating::LossPenalty(0, 32), c.averageRtt);
    EXPECT_EQ(x, c.x) << "average " << c.averageRtt;
    EXPECT_EQ(Rating::RatingVerdict(x, 0, 32), c.verdict) << "average " << c.averageRtt;
}

INSTANTIATE_TEST_SUITE_P(
    RatingTest, VerdictByAverage,
    ::testing::Values(AverageCase{0, 7, "PERFECT"}, AverageCase{187, 80, "PERFECT"},
                      AverageCase{188, 81, "PERFECT"}, AverageCase{199, 85, "PERFECT"},
                      AverageCase{200, 86, "GOOD"}, AverageCase{201, 85, "PERFECT"},
                      AverageCase{202, 85, "PERFECT"}, AverageCase{203, 86, "GOOD"},
                      AverageCase{405, 165, "GOOD"}, AverageCase{406, 166, "POOR"},
                      AverageCase{620, 245, "POOR"}, AverageCase{621, 246, "BAD"},
                      AverageCase{999, 320, "BAD"}));

// Every average a run can have, against the bands: up to 187 PERFECT, 200 and
// 203...405 GOOD, 406...620 POOR, 621...999 BAD; the gap positions 81...85
// (188...199, 201, 202) read PERFECT.
TEST(RatingTest, VerdictBandsOverAllAverages) {
    for (std::uint32_t average = 0; average <= 999; ++average) {
        std::string_view expected = "BAD";
        if (average <= 202 && average != 200) {
            expected = "PERFECT";
        } else if (average <= 405) {
            expected = "GOOD";
        } else if (average <= 620) {
            expected = "POOR";
        }
        const int x = Rating::AverageMarkerX(0, average);
        ASSERT_EQ(Rating::RatingVerdict(x, 0, 10), expected) << "average " << average;
    }
}

struct PositionCase {
    int x;
    std::string_view verdict;
    int score;
};

class RatingByPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(RatingByPosition, VerdictAndScore) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(Rating::RatingVerdict(c.x, 1, 32), c.verdict) << "x = " << c.x;
    EXPECT_EQ(Rating::RatingScore(c.x, 1, 32), c.score) << "x = " << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    RatingTest, RatingByPosition,
    ::testing::Values(PositionCase{6, "PERFECT", 97}, PositionCase{7, "PERFECT", 97},
                      PositionCase{80, "PERFECT", 74}, PositionCase{81, "PERFECT", 74},
                      PositionCase{85, "PERFECT", 73}, PositionCase{86, "GOOD", 72},
                      PositionCase{165, "GOOD", 48}, PositionCase{166, "POOR", 47},
                      PositionCase{245, "POOR", 23}, PositionCase{246, "BAD", 23},
                      PositionCase{320, "BAD", 0}, PositionCase{321, "UNUSABLE", 0},
                      PositionCase{323, "UNUSABLE", 0}, PositionCase{400, "UNUSABLE", 0}));

TEST(RatingTest, AllProbesFailedIsUnusableWithScoreZeroWhereverTheMarkerIs) {
    for (const int x : {7, 80, 165, 323}) {
        EXPECT_EQ(Rating::RatingVerdict(x, 5, 5), "UNUSABLE");
        EXPECT_EQ(Rating::RatingScore(x, 5, 5), 0);
    }
    EXPECT_EQ(Rating::RatingVerdict(7, 0, 0), "UNUSABLE");
}

TEST(RatingTest, ScoreAgreesWithExactFormulaForEveryPosition) {
    for (int x = 0; x <= 400; ++x) {
        // floor(100 - (x + 1) * 100 / 321) in exact integers, clipped at 0.
        const int numerator = 32100 - (x + 1) * 100;
        const int expected = numerator <= 0 ? 0 : numerator / 321;
        ASSERT_EQ(Rating::RatingScore(x, 0, 1), expected) << "x = " << x;
    }
}

TEST(RatingTest, HeavyLossNeverWrapsMarkerToLeftEnd) {
    // A long stay-alive test piles up errors far beyond the planned count.
    const int penalty = Rating::LossPenalty(3000, 32);
    EXPECT_EQ(penalty, 93750);
    const int x = Rating::AverageMarkerX(penalty, 120);
    EXPECT_EQ(x, 323);
    EXPECT_EQ(Rating::RatingVerdict(x, 3000, 5000), "UNUSABLE");
    EXPECT_EQ(Rating::RatingScore(x, 3000, 5000), 0);
    EXPECT_EQ(Rating::AverageMarkerX(INT_MAX, 999), 323);
    EXPECT_EQ(Rating::AverageMarkerX(64536, 999), 323);
}

struct ReturnedCase {
    int probeCount;
    int errorCount;
    int percentage;
};

class ReturnedPercentageTable : public ::testing::TestWithParam<ReturnedCase> {};

TEST_P(ReturnedPercentageTable, TruncatedShareOfAnsweredProbes) {
    const ReturnedCase& c = GetParam();
    EXPECT_EQ(Rating::ReturnedPercentage(c.probeCount, c.errorCount), c.percentage)
        << c.errorCount << " failed of " << c.probeCount;
}

INSTANTIATE_TEST_SUITE_P(RatingTest, ReturnedPercentageTable,
                         ::testing::Values(ReturnedCase{0, 0, 0}, ReturnedCase{32, 0, 100},
                                           ReturnedCase{32, 4, 87}, ReturnedCase{3, 1, 66},
                                           ReturnedCase{32, 32, 0}, ReturnedCase{100, 71, 29},
                                           ReturnedCase{100, 42, 58}, ReturnedCase{50, 21, 58}));

} // namespace
} // namespace lumet

#include "pingtest/SampleHistory.h"

#include "pingtest/Rating.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet {
namespace {

constexpr std::uint32_t kTimedOut = 11010;

void AppendAll(SampleHistory& history, const std::vector<std::uint32_t>& times) {
    for (const std::uint32_t time : times) {
        history.AppendSample(time, 0);
    }
}

TEST(SampleHistoryTest, StartsAsWindowOfEmptySlotsWithZeroStatistics) {
    const SampleHistory history;
    ASSERT_EQ(history.entries().size(), 104u);
    for (const std::uint32_t entry : history.entries()) {
        EXPECT_EQ(entry, 0u);
    }
    EXPECT_EQ(history.minimumRtt(), 0u);
    EXPECT_EQ(history.averageRtt(), 0u);
    EXPECT_EQ(history.maximumRtt(), 0u);
}

TEST(SampleHistoryTest, OneSuccessfulProbeSetsAllThreeStatistics) {
    SampleHistory history;
    history.AppendSample(50, 0);
    history.UpdateStatistics();
    EXPECT_EQ(history[103], 50u);
    EXPECT_EQ(history.minimumRtt(), 50u);
    EXPECT_EQ(history.averageRtt(), 50u);
    EXPECT_EQ(history.maximumRtt(), 50u);
}

TEST(SampleHistoryTest, ResetHistoryEmptiesWindowButKeepsStatistics) {
    SampleHistory history;
    AppendAll(history, {40, 60});
    history.UpdateStatistics();

    history.ResetHistory();
    EXPECT_EQ(history.entries().size(), 104u);
    for (const std::uint32_t entry : history.entries()) {
        EXPECT_EQ(entry, 0u);
    }
    EXPECT_EQ(history.minimumRtt(), 40u);
    EXPECT_EQ(history.averageRtt(), 50u);
    EXPECT_EQ(history.maximumRtt(), 60u);

    history.ResetStatistics();
    EXPECT_EQ(history.minimumRtt(), 0u);
    EXPECT_EQ(history.averageRtt(), 0u);
    EXPECT_EQ(history.maximumRtt(), 0u);
}

TEST(SampleHistoryTest, FailedProbeIsStoredAboveFailureBase) {
    SampleHistory history;
    history.AppendSample(999, kTimedOut);
    history.AppendSample(0, 1);
    history.AppendSample(1000, 11003);
    EXPECT_EQ(history[101], 65535u + 999u);
    EXPECT_EQ(history[102], 65535u);
    EXPECT_EQ(history[103], 66535u);
    EXPECT_TRUE(SampleHistory::IsFailure(history[102]));
    EXPECT_FALSE(SampleHistory::IsFailure(1000));
}

TEST(SampleHistoryTest, OnlyFailedProbesLeaveStatisticsAtZeroAndRateUnusable) {
    SampleHistory history;
    for (int probe = 0; probe < 32; ++probe) {
        history.AppendSample(999, kTimedOut);
        history.UpdateStatistics();
    }
    EXPECT_EQ(history.minimumRtt(), 0u);
    EXPECT_EQ(history.averageRtt(), 0u);
    EXPECT_EQ(history.maximumRtt(), 0u);

    const int x = Rating::AverageMarkerX(Rating::LossPenalty(32, 32), history.averageRtt());
    EXPECT_EQ(Rating::RatingVerdict(x, 32, 32), "UNUSABLE");
    EXPECT_EQ(Rating::RatingScore(x, 32, 32), 0);
}

TEST(SampleHistoryTest, WindowWithoutSuccessesKeepsPreviousStatistics) {
    SampleHistory history;
    AppendAll(history, {20, 30});
    history.UpdateStatistics();
    for (std::size_t probe = 0; probe < SampleHistory::kLength; ++probe) {
        history.AppendSample(999, kTimedOut);
    }
    history.UpdateStatistics();
    EXPECT_EQ(history.minimumRtt(), 20u);
    EXPECT_EQ(history.averageRtt(), 25u);
    EXPECT_EQ(history.maximumRtt(), 30u);
}

struct StatisticsCase {
    const char* name;
    std::vector<std::uint32_t> times;
    std::uint32_t minimum;
    std::uint32_t average;
    std::uint32_t maximum;
};

class StatisticsTable : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(StatisticsTable, MatchesExpected) {
    const StatisticsCase& c = GetParam();
    SampleHistory history;
    AppendAll(history, c.times);
    history.UpdateStatistics();
    EXPECT_EQ(history.minimumRtt(), c.minimum);
    EXPECT_EQ(history.averageRtt(), c.average);
    EXPECT_EQ(history.maximumRtt(), c.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    SampleHistoryTest, StatisticsTable,
    ::testing::Values(
        // Loopback replies of 0 ms look like empty slots and stay out of the sum.
        StatisticsCase{"LoopbackZeros", {0, 0, 0, 10}, 10, 10, 10},
        StatisticsCase{"AllLoopback", {0, 0, 0}, 0, 0, 0},
        StatisticsCase{"AverageTruncates", {10, 11}, 10, 10, 11},
        StatisticsCase{"ExactlyThousandNotInSum", {1000, 10}, 10, 10, 10},
        // 999 enters the sum but never becomes the maximum.
        StatisticsCase{"NineNinetyNineNotMaximum", {999, 10}, 10, 504, 504},
        StatisticsCase{"SpreadOfTimes", {5, 100, 300, 998}, 5, 350, 998},
        StatisticsCase{"OneMillisecond", {1, 1, 4}, 1, 2, 4}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SampleHistoryTest, FailuresStayOutOfSumMinimumAndMaximum) {
    SampleHistory history;
    AppendAll(history, {100, 200});
    history.AppendSample(3, kTimedOut);
    history.AppendSample(500, kTimedOut);
    history.UpdateStatistics();
    EXPECT_EQ(history.minimumRtt(), 100u);
    EXPECT_EQ(history.averageRtt(), 150u);
    EXPECT_EQ(history.maximumRtt(), 200u);
}

TEST(SampleHistoryTest, OldestEntryDropsOutAfter104Probes) {
    SampleHistory history;
    for (std::uint32_t time = 1; time <= 104; ++time) {
        history.AppendSample(time, 0);
    }
    EXPECT_EQ(history[0], 1u);
    EXPECT_EQ(history[103], 104u);

    history.AppendSample(105, 0);
    EXPECT_EQ(history.entries().size(), 104u);
    EXPECT_EQ(history[0], 2u);
    EXPECT_EQ(history[102], 104u);
    EXPECT_EQ(history[103], 105u);

    history.UpdateStatistics();
    EXPECT_EQ(history.minimumRtt(), 2u);
    EXPECT_EQ(history.maximumRtt(), 105u);
}

TEST(SampleHistoryTest, FailureThatLeftWindowStillCountsInRating) {
    SampleHistory history;
    int errorCount = 0;
    history.AppendSample(999, kTimedOut);
    ++errorCount;
    for (std::size_t probe = 0; probe < SampleHistory::kLength; ++probe) {
        history.AppendSample(100, 0);
    }
    history.UpdateStatistics();
    for (const std::uint32_t entry : history.entries()) {
        EXPECT_FALSE(SampleHistory::IsFailure(entry));
    }
    EXPECT_EQ(history.averageRtt(), 100u);

    const int plannedCount = 105;
    const int clean = Rating::AverageMarkerX(Rating::LossPenalty(0, plannedCount), 100);
    const int withLoss = Rating::AverageMarkerX(Rating::LossPenalty(errorCount, plannedCount), 100);
    EXPECT_GT(withLoss, clean);
}

} // namespace
} // namespace lumet

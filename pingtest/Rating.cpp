#include "pingtest/Rating.h"

#include <algorithm>
#include <climits>

namespace lumet {

namespace {

// Largest sum placed on the scale: anything above would wrap to the left end (0),
// so a long stay-alive test with heavy loss would read as a perfect one.
constexpr std::uint32_t kScaleCeiling = 65535;

} // namespace

int Rating::LossPenalty(int errorCount, int plannedCount) {
    if (errorCount <= 0 || plannedCount <= 0) {
        return 0;
    }
    const double penalty = static_cast<double>(errorCount) / plannedCount * 1000.0;
    // Only a stay-alive test can run up errors far beyond its planned count.
    if (penalty >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(penalty);
}

int Rating::ScaleX(std::uint32_t v) {
    // Slopes 0.395 = 79/200 and 0.1975 = 79/400, in integers so that the floor is
    // exact at every segment end.
    if (v <= 200) {
        return static_cast<int>(1 + v * 79 / 200);
    }
    if (v <= 400) {
        return static_cast<int>(79 + (v - 200) * 79 / 200);
    }
    if (v <= 600) {
        return static_cast<int>(158 + (v - 400) * 79 / 200);
    }
    if (v <= 1000) {
        return static_cast<int>(236 + (v - 600) * 79 / 400);
    }
    if (v <= 65535) {
        return 317;
    }
    return 0;
}

int Rating::AverageMarkerX(int lossPenalty, std::uint32_t averageRtt) {
    const std::uint64_t sum =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(lossPenalty)) + averageRtt;
    const auto onScale = static_cast<std::uint32_t>(std::min<std::uint64_t>(sum, kScaleCeiling));
    return ScaleX(onScale) + 6;
}

std::string_view Rating::RatingVerdict(int averageMarkerX, int errorCount, int probeCount) {
    if (errorCount == probeCount) {
        return "UNUSABLE";
    }
    // 81...85 lie between the PERFECT band (up to 80) and the GOOD band (from 86).
    // The marker there is still left of the GOOD boundary drawn on the scale, so
    // the word agrees with what the user sees: PERFECT.
    if (averageMarkerX <= 85) {
        return "PERFECT";
    }
    if (averageMarkerX <= 165) {
        return "GOOD";
    }
    if (averageMarkerX <= 245) {
        return "POOR";
    }
    if (averageMarkerX <= 320) {
        return "BAD";
    }
    return "UNUSABLE";
}

int Rating::RatingScore(int averageMarkerX, int errorCount, int probeCount) {
    if (errorCount == probeCount) {
        return 0;
    }
    // Single precision throughout: 0.0031152647f is 1/321 rounded to float, and the
    // float result truncated is what the scores 97, 74, 48, 23 and 0 come from.
    const float position = static_cast<float>(averageMarkerX) + 1.0f;
    const float score = 100.0f - position * 0.0031152647f * 100.0f;
    // Positions beyond the scale's right end would truncate to negative scores.
    if (score <= 0.0f) {
        return 0;
    }
    if (score >= 100.0f) {
        return 100;
    }
    return static_cast<int>(score);
}

int Rating::ReturnedPercentage(int probeCount, int errorCount) {
    // Before the first probe there is nothing returned: 0 rather than a division
    // by zero.
    if (probeCount <= 0) {
        return 0;
    }
    // Integer arithmetic truncates the exact quotient; (29.0 / 100) * 100 in
    // floating point is 28.999..., which would print 28 % for 29 of 100.
    const long long returned = static_cast<long long>(probeCount) - errorCount;
    return static_cast<int>(returned * 100 / probeCount);
}

} // namespace lumet

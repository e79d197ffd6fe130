#pragma once

#include <cstdint>
#include <string_view>

namespace lumet {

// The quality rating of a test: where its average lands on the 320-pixel quality
// scale, the verdict word and the score out of 100.
struct Rating {
    // Failed probes as thousandths of the planned count; 0 without failures or
    // without a planned count.
    static int LossPenalty(int errorCount, int plannedCount);

    // Position of a time in ms on the quality scale: 1...317 for 0...65535 ms, 0
    // above. The four segments do not join exactly (200 -> 80, 201 -> 79).
    static int ScaleX(std::uint32_t v);

    // The rating position: the scale position of the loss penalty plus the average,
    // shifted by 6.
    static int AverageMarkerX(int lossPenalty, std::uint32_t averageRtt);

    // "PERFECT", "GOOD", "POOR", "BAD" or "UNUSABLE".
    static std::string_view RatingVerdict(int averageMarkerX, int errorCount, int probeCount);

    // 0...100; 0 when every probe failed.
    static int RatingScore(int averageMarkerX, int errorCount, int probeCount);

    // Share of answered probes in percent, truncated; 0 before the first probe.
    static int ReturnedPercentage(int probeCount, int errorCount);
};

} // namespace lumet

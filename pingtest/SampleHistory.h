#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lumet {

// The newest 104 probe outcomes of a test and the round-trip statistics over them.
//
// Entry encoding: 0 is an empty slot (or a 0 ms reply), 1...1000 a successful
// probe's round-trip time in ms, kFailureBase + t a failed probe with time t.
class SampleHistory {
public:
    static constexpr std::size_t kLength = 104;
    static constexpr std::uint32_t kFailureBase = 65535;

    SampleHistory() = default;

    // Fills the window with empty slots. The statistics are left alone: after a
    // test stops, the reports still read them.
    void ResetHistory();
    // Drops the oldest entry and appends the newest. shownRtt is the round-trip
    // time already capped to 1000 ms or 999; lastStatus 0 means success.
    void AppendSample(std::uint32_t shownRtt, std::uint32_t lastStatus);
    // Recomputes minimum, average and maximum from the successful times 1...999
    // in the window; with none of them the previous statistics stay.
    void UpdateStatistics();
    void ResetStatistics();

    // Index 0 is the oldest entry, kLength - 1 the newest.
    std::uint32_t operator[](std::size_t index) const { return entries_[index]; }
    const std::array<std::uint32_t, kLength>& entries() const { return entries_; }
    static constexpr std::size_t size() { return kLength; }

    static constexpr bool IsFailure(std::uint32_t entry) { return entry >= kFailureBase; }

    std::uint32_t minimumRtt() const { return minimumRtt_; }
    std::uint32_t averageRtt() const { return averageRtt_; }
    std::uint32_t maximumRtt() const { return maximumRtt_; }

private:
    std::array<std::uint32_t, kLength> entries_{};
    std::uint32_t minimumRtt_ = 0;
    std::uint32_t averageRtt_ = 0;
    std::uint32_t maximumRtt_ = 0;
};

} // namespace lumet

#include "pingtest/SampleHistory.h"

#include <algorithm>

namespace lumet {

void SampleHistory::ResetHistory() {
    entries_.fill(0);
}

void SampleHistory::AppendSample(std::uint32_t shownRtt, std::uint32_t lastStatus) {
    std::uint32_t entry = shownRtt;
    if (lastStatus != 0) {
        entry += kFailureBase;
    }
    std::shift_left(entries_.begin(), entries_.end(), 1);
    entries_.back() = entry;
}

void SampleHistory::UpdateStatistics() {
    std::uint32_t count = 0;
    std::uint32_t sum = 0;
    for (const std::uint32_t entry : entries_) {
        if (entry >= 1 && entry <= 999) {
            ++count;
            sum += entry;
        }
    }
    if (count == 0) {
        return;
    }
    averageRtt_ = sum / count;
    minimumRtt_ = averageRtt_;
    maximumRtt_ = averageRtt_;
    // 999 also stands for "above 1000 ms", so it never counts as the maximum.
    for (const std::uint32_t entry : entries_) {
        if (entry > 0 && entry < minimumRtt_) {
            minimumRtt_ = entry;
        }
        if (entry > maximumRtt_ && entry < 999) {
            maximumRtt_ = entry;
        }
    }
}

void SampleHistory::ResetStatistics() {
    minimumRtt_ = 0;
    averageRtt_ = 0;
    maximumRtt_ = 0;
}

} // namespace lumet

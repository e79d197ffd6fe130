#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lumet {

// Everything the text and bitmap reports show, copied from the dialog at the moment
// the reports are made. Keeping it a plain value lets both reports be produced and
// tested without a window, a probe or a running test.
struct ReportData {
    std::string addressText;      // the dotted address that was tested
    std::string domainName;       // the resolved host name; empty for a dotted target
    std::string localAddressText; // this host's dotted address; empty until found
    std::string testStartUtc;     // 25 characters ending in a newline; empty before any run

    int probeCount = 0;
    int errorCount = 0;
    // Filled by the caller from the ping test's own returned-percentage rule, so
    // the reports never carry a second copy of that formula.
    int returnedPercentage = 0;

    int averageRtt = 0;
    int minimumRtt = 0;
    int maximumRtt = 0;

    std::string verdict;
    int score = 0;

    int pingInterval = 0; // seconds
    int timeOut = 0;      // milliseconds

    std::uint8_t replyTtl = 0;
    std::uint16_t replyDataSize = 0; // bytes of echo data, without the ICMP header

    // Sample history: slot 0 the oldest, slot 103 the newest; 0 an empty slot,
    // 65535 + t a failed probe with time t.
    std::array<std::uint32_t, 104> history{};

    // A history value at or above this marks a failed probe.
    static constexpr std::uint32_t kFailedSample = 65535;

    // The start time as the reports print it, without its trailing newline.
    std::string StartTimeText() const {
        return testStartUtc.empty() ? std::string{}
                                    : testStartUtc.substr(0, testStartUtc.size() - 1);
    }
};

} // namespace lumet

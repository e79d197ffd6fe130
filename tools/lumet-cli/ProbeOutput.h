#pragma once

#include "tools/lumet-cli/CommandLine.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

namespace lumet::cli {

// One probe as a test keeps it.
struct ProbeRecord {
    int sequence = 0;
    std::uint32_t status = 0;
    std::uint32_t storedTime = 0; // ms; 999 for a time-out or anything above 1000 ms
    std::uint8_t ttl = 0;
    std::uint16_t dataSize = 0; // bytes after the 8-byte ICMP header
};

// The closing numbers of a probe or a test.
struct ProbeSummary {
    int sent = 0;
    int returned = 0;
    std::uint32_t minimum = 0;
    std::uint32_t average = 0;
    std::uint32_t maximum = 0;
    int penalty = 0; // the loss penalty in ms the rating adds to the average
    std::string verdict;
    int score = 0;
};

// What lumet-cli prints on stdout while it measures, in one format: lines for
// people, or one JSON object a line for scripts. Errors and the ICMP advice go to
// stderr in both.
class ProbeOutput {
public:
    virtual ~ProbeOutput() = default;

    virtual void Target(const std::string& address, const std::string& name) = 0;
    // A list entry the random search tries.
    virtual void Trying(const std::string& entry) = 0;
    virtual void Probe(const ProbeRecord& probe) = 0;
    virtual void Summary(const ProbeSummary& summary) = 0;
    // kind: "text" or "picture".
    virtual void ReportWritten(const std::string& kind, const std::string& path) = 0;
    // A hint for the person at the terminal.
    virtual void Hint(const std::string& text) = 0;
};

std::unique_ptr<ProbeOutput> MakeProbeOutput(OutputFormat format, std::ostream& out,
                                             std::ostream& err);

} // namespace lumet::cli

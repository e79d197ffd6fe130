#pragma once

#include "tools/lumet-cli/ProbeOutput.h"

namespace lumet::cli {

// "seq=1 status=0 time=12 ms ttl=64 bytes=8", followed by the status text when
// the probe failed; everything from a list or a target printable (TerminalText).
class TextProbeOutput final : public ProbeOutput {
public:
    explicit TextProbeOutput(std::ostream& out) : out_(out) {}

    void Target(const std::string& address, const std::string& name) override;
    void Trying(const std::string& entry) override;
    void Probe(const ProbeRecord& probe) override;
    void Summary(const ProbeSummary& summary) override;
    void ReportWritten(const std::string& kind, const std::string& path) override;
    void Hint(const std::string& text) override;

private:
    std::ostream& out_;
};

} // namespace lumet::cli

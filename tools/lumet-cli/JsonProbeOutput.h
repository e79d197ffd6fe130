#pragma once

#include "tools/lumet-cli/JsonObject.h"
#include "tools/lumet-cli/ProbeOutput.h"

namespace lumet::cli {

// JSON Lines: one compact object a line, told apart by "type" ("target",
// "trying", "probe", "summary", "report"). Hints go to stderr, so stdout holds
// nothing but objects. Text that is not UTF-8 arrives with U+FFFD in its place.
class JsonProbeOutput final : public ProbeOutput {
public:
    JsonProbeOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void Target(const std::string& address, const std::string& name) override;
    void Trying(const std::string& entry) override;
    void Probe(const ProbeRecord& probe) override;
    void Summary(const ProbeSummary& summary) override;
    void ReportWritten(const std::string& kind, const std::string& path) override;
    void Hint(const std::string& text) override;

private:
    void Emit(const JsonObject& object);

    std::ostream& out_;
    std::ostream& err_;
};

} // namespace lumet::cli

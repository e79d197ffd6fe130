#include "tools/lumet-cli/JsonProbeOutput.h"

#include "probe/IcmpStatusTexts.h"
#include "tools/lumet-cli/JsonObject.h"

namespace lumet::cli {

void JsonProbeOutput::Emit(const JsonObject& object) {
    out_ << object.Text() << std::endl;
}

void JsonProbeOutput::Target(const std::string& address, const std::string& name) {
    JsonObject object;
    object.Set("type", "target").Set("address", address);
    if (!name.empty()) {
        object.Set("name", name);
    }
    Emit(object);
}

void JsonProbeOutput::Trying(const std::string& entry) {
    Emit(JsonObject().Set("type", "trying").Set("entry", entry));
}

void JsonProbeOutput::Probe(const ProbeRecord& probe) {
    Emit(JsonObject()
             .Set("type", "probe")
             .Set("sequence", probe.sequence)
             .Set("status", probe.status)
             .Set("status_text",
                  probe.status == 0 ? std::string_view() : IcmpStatusText(probe.status))
             .Set("time", probe.storedTime)
             .Set("ttl", probe.ttl)
             .Set("bytes", probe.dataSize + 8));
}

void JsonProbeOutput::Summary(const ProbeSummary& summary) {
    Emit(JsonObject()
             .Set("type", "summary")
             .Set("sent", summary.sent)
             .Set("returned", summary.returned)
             .Set("min", summary.minimum)
             .Set("avg", summary.average)
             .Set("max", summary.maximum)
             .Set("penalty", summary.penalty)
             .Set("verdict", summary.verdict)
             .Set("score", summary.score));
}

void JsonProbeOutput::ReportWritten(const std::string& kind, const std::string& path) {
    Emit(JsonObject().Set("type", "report").Set("kind", kind).Set("path", path));
}

void JsonProbeOutput::Hint(const std::string& text) {
    err_ << text << std::endl;
}

} // namespace lumet::cli

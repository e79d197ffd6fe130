#include "tools/lumet-cli/TextProbeOutput.h"

#include "probe/IcmpStatusTexts.h"
#include "tools/lumet-cli/TerminalText.h"

namespace lumet::cli {

void TextProbeOutput::Target(const std::string& address, const std::string& name) {
    out_ << "probing " << Printable(address);
    if (!name.empty()) {
        out_ << " (" << Printable(name) << ")";
    }
    out_ << std::endl;
}

void TextProbeOutput::Trying(const std::string& entry) {
    out_ << "trying " << Printable(entry) << std::endl;
}

void TextProbeOutput::Probe(const ProbeRecord& probe) {
    out_ << "seq=" << probe.sequence << " status=" << probe.status << " time=" << probe.storedTime
         << " ms ttl=" << static_cast<unsigned>(probe.ttl) << " bytes=" << probe.dataSize + 8;
    if (probe.status != 0) {
        out_ << ' ' << IcmpStatusText(probe.status);
    }
    out_ << std::endl;
}

void TextProbeOutput::Summary(const ProbeSummary& summary) {
    out_ << "min/avg/max = " << summary.minimum << '/' << summary.average << '/' << summary.maximum
         << " ms\n"
         << "rated " << summary.verdict << " (" << summary.score << "/100)" << std::endl;
}

void TextProbeOutput::ReportWritten(const std::string& kind, const std::string& path) {
    out_ << (kind == "picture" ? "picture" : "report") << " written to " << Printable(path)
         << std::endl;
}

void TextProbeOutput::Hint(const std::string& text) {
    out_ << text << std::endl;
}

} // namespace lumet::cli

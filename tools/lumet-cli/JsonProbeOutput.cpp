#include "tools/lumet-cli/JsonProbeOutput.h"

#include "probe/IcmpStatusTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace lumet::cli {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void JsonProbeOutput::Emit(const QJsonObject& object) {
    out_ << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() << std::endl;
}

void JsonProbeOutput::Target(const std::string& address, const std::string& name) {
    QJsonObject object{{"type", "target"}, {"address", Utf8(address)}};
    if (!name.empty()) {
        object.insert("name", Utf8(name));
    }
    Emit(object);
}

void JsonProbeOutput::Trying(const std::string& entry) {
    Emit({{"type", "trying"}, {"entry", Utf8(entry)}});
}

void JsonProbeOutput::Probe(const ProbeRecord& probe) {
    const std::string_view text =
        probe.status == 0 ? std::string_view() : IcmpStatusText(probe.status);
    Emit({{"type", "probe"},
          {"sequence", probe.sequence},
          {"status", static_cast<qint64>(probe.status)},
          {"status_text", QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))},
          {"time", static_cast<qint64>(probe.storedTime)},
          {"ttl", probe.ttl},
          {"bytes", probe.dataSize + 8}});
}

void JsonProbeOutput::Summary(const ProbeSummary& summary) {
    Emit({{"type", "summary"},
          {"sent", summary.sent},
          {"returned", summary.returned},
          {"min", static_cast<qint64>(summary.minimum)},
          {"avg", static_cast<qint64>(summary.average)},
          {"max", static_cast<qint64>(summary.maximum)},
          {"penalty", summary.penalty},
          {"verdict", Utf8(summary.verdict)},
          {"score", summary.score}});
}

void JsonProbeOutput::ReportWritten(const std::string& kind, const std::string& path) {
    Emit({{"type", "report"}, {"kind", Utf8(kind)}, {"path", Utf8(path)}});
}

void JsonProbeOutput::Hint(const std::string& text) {
    err_ << text << std::endl;
}

} // namespace lumet::cli

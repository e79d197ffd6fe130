#include "report/ReportInputs.h"

#include "pingtest/Rating.h"

namespace lumet {

ReportData CollectReportData(const TestController& controller, const SampleHistory& history,
                             const TargetStrings& target, const PingSettings& settings,
                             const ProbeEngine& engine, int averageMarkerX) {
    const int probes = controller.probeCount();
    const int errors = controller.errorCount();
    ReportData data;
    data.addressText = target.addressText;
    data.domainName = target.domainName;
    data.localAddressText = target.localAddressText;
    data.testStartUtc = controller.testStartUtc();
    data.probeCount = probes;
    data.errorCount = errors;
    data.returnedPercentage = Rating::ReturnedPercentage(probes, errors);
    // The statistics never exceed 1000 ms, so they fit the report's signed fields.
    data.averageRtt = static_cast<int>(history.averageRtt());
    data.minimumRtt = static_cast<int>(history.minimumRtt());
    data.maximumRtt = static_cast<int>(history.maximumRtt());
    data.verdict = std::string(Rating::RatingVerdict(averageMarkerX, errors, probes));
    data.score = Rating::RatingScore(averageMarkerX, errors, probes);
    data.pingInterval = settings.PingInterval;
    data.timeOut = settings.TimeOut;
    data.replyTtl = engine.ReplyTtl();
    data.replyDataSize = engine.ReplyDataSize();
    data.history = history.entries();
    return data;
}

} // namespace lumet

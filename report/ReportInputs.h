#pragma once

#include "pingtest/PingSettings.h"
#include "pingtest/SampleHistory.h"
#include "pingtest/TestController.h"
#include "probe/ProbeEngine.h"
#include "probe/TargetStrings.h"
#include "report/ReportData.h"

namespace lumet {

// Gathers what the reports print from the state of the last test. The verdict and
// score are rated from averageMarkerX, the rating position the scale markers
// stored last.
ReportData CollectReportData(const TestController& controller, const SampleHistory& history,
                             const TargetStrings& target, const PingSettings& settings,
                             const ProbeEngine& engine, int averageMarkerX);

} // namespace lumet

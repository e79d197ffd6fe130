#include "display/DrawingObjects.h"
#include "display/HistoryGraph.h"
#include "display/QualityScale.h"
#include "display/StatusLine.h"
#include "pingtest/SampleHistory.h"
#include "platform/qtgdi/QtFontEngine.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

// One display refresh as a test tick does it, without the copy to the screen: the
// live scale bar, the markers, the graph, the count, the status and the host name,
// on a full history with a failure in it and a failed newest probe.
namespace {

using namespace lumet;

void BM_RefreshDisplays(benchmark::State& state) {
    const DrawingObjects objects = DrawingObjects::Create(QtFontEngine{});
    DeviceContext background(Bitmap(320, 80));
    DeviceContext upper(Bitmap(320, 24));
    DeviceContext lower(Bitmap(320, 54));

    SampleHistory history;
    history.ResetHistory();
    for (std::uint32_t probe = 0; probe < SampleHistory::kLength; ++probe) {
        history.AppendSample(20 + (probe * 37) % 400, probe % 17 == 0 ? 11010u : 0u);
        history.UpdateStatistics();
    }
    const ScaleInputs inputs{
        420, history.minimumRtt(), history.averageRtt(), history.maximumRtt(), 7, 32};
    int averageMarkerX = 0;
    int tickPhase = 1;
    for (auto _ : state) {
        DrawLiveScaleBar(upper, background, objects, inputs);
        DrawScaleMarkers(upper, objects, inputs, averageMarkerX);
        DrawHistoryGraph(lower, background, objects, history, tickPhase);
        DrawProbeCount(lower, objects, 104);
        DrawProbeStatus(lower, background, objects, 11010, TestState::Run);
        DrawHostName(lower, objects, "gateway.example.test", 42);
        tickPhase = tickPhase % 3 + 1;
        benchmark::DoNotOptimize(averageMarkerX);
    }
}
BENCHMARK(BM_RefreshDisplays)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

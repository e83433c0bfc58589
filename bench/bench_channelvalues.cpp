// The measured channel takes a reading every 500 ms and the views redraw its
// texts each time; both must stay in the microseconds and must not grow with
// the graph history, which a long scan keeps full at 3600 points.

#include "channel.h"
#include "deviceroot.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

using namespace Electrical_temperature_units;

namespace
{
// The longest averaging window the user can set.
constexpr int WINDOW = 100;

// A resistance channel with full averaging windows and, when recording, a full
// graph history.
std::unique_ptr<TPRTChannel> filledChannel(bool pRecordGraph)
{
    auto channel = std::make_unique<TPRTChannel>(nullptr, WINDOW, 1, "1",
                                                 zelk::vector<Probe_enums::EnWiring>{Probe_enums::w4wire});
    if (pRecordGraph)
        channel->startRecordingGraphValues();
    for (int i = 0; i < TAbstractChannel::MAX_GRAPH_VALUES + WINDOW; ++i)
        channel->setNewValue(100.0 + std::sin(i) * 0.01, std::sin(i) * 0.025);
    return channel;
}

void takeReading(benchmark::State& pState)
{
    auto channel = filledChannel(pState.range(0) != 0);
    int i = 0;
    for (auto _ : pState) {
        channel->setNewValue(100.0 + (i % 17) * 0.001, (i % 17) * 0.0025);
        ++i;
    }
    pState.SetItemsProcessed(pState.iterations());
    pState.SetLabel(pState.range(0) ? "graph history full" : "no graph recording");
}
BENCHMARK(takeReading)->Arg(0)->Arg(1);

void takeReadingAndShowIt(benchmark::State& pState)
{
    auto channel = filledChannel(pState.range(0) != 0);
    const QString separator(",");
    QString temperature, electrical, mean, stability, minimum, maximum;
    EnUnit temperatureUnit, electricalUnit;
    EnUnitType mainValue;
    int i = 0;
    for (auto _ : pState) {
        channel->setNewValue(100.0 + (i % 17) * 0.001, (i % 17) * 0.0025);
        channel->currentValue(temperature, temperatureUnit, electrical, electricalUnit, separator, mainValue, false);
        channel->avgValue(mean, stability);
        channel->peakValues(minimum, maximum, separator);
        benchmark::DoNotOptimize(temperature.constData());
        benchmark::DoNotOptimize(mean.constData());
        ++i;
    }
    pState.SetItemsProcessed(pState.iterations());
    pState.SetLabel(pState.range(0) ? "graph history full" : "no graph recording");
}
BENCHMARK(takeReadingAndShowIt)->Arg(0)->Arg(1);
} // namespace

int main(int argc, char** argv)
{
    // Channels read their settings; keep the settings file out of the host's /home.
    const std::unique_ptr<QTemporaryDir> root = makeTemporaryRoot();
    qputenv(TDeviceRoot::ROOT_VARIABLE, root->path().toLocal8Bit());
    QCoreApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// One whole poll with a channel view on the screen: the read timer's tick,
// the "meas:curr?" exchange with the simulated board, the reading stored in
// the channel and the current view redrawn from it (value block with its font
// size, style sheets, peaks, the probe name fitted into its button, the
// information bar; the difference in the two-channel view). Offscreen, so the
// cost of painting the screen is not in it. Goal: under 1 % of the 500 ms
// cycle (5 ms CPU per poll) here, leaving room on the slower core of the device.

#include "benchsupport.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewfixture.h"
#include "deviceroot.h"
#include "intcommcontroller.h"
#include "probecontroller.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace
{
constexpr double CYCLE_SECONDS = 0.5;

TChannelViewFixture* gViews = nullptr;

TChannelViewFixture& views()
{
    return *gViews;
}

void prepare(TChannelViewFixture& pViews)
{
    if (pViews.hasController())
        return;
    pViews.buildViews();
    TChannelController& channels = pViews.controller();
    for (int number : {1, 2}) {
        TPhysicalChannel* channel = channels.physical_channel(number);
        pViews.probes().assignProbeToChannel(pViews.probes().defaultProbe(channel), channel, false);
    }
    channels.measureChannel(channels.channel(1));
}

void runPolls(benchmark::State& pState, TChannelViewFixture& pViews)
{
    const double perPoll = cpuSecondsPerPoll(pState, pViews.controller());
    pState.counters["cycle_percent"] = benchmark::Counter(perPoll / CYCLE_SECONDS * 100.0);
}

void BM_PollWithHomeView(benchmark::State& pState)
{
    TChannelViewFixture& fixture = views();
    prepare(fixture);
    fixture.manager().activateHomeView();
    runPolls(pState, fixture);
}
BENCHMARK(BM_PollWithHomeView)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_PollWithTwoChannelView(benchmark::State& pState)
{
    TChannelViewFixture& fixture = views();
    prepare(fixture);
    TChannelController& channels = fixture.controller();
    fixture.manager().attachChannelConfigurationToView({channels.channel(1), channels.channel(2)}, channels.channel(1));
    fixture.manager().activateScanView();
    runPolls(pState, fixture);
}
BENCHMARK(BM_PollWithTwoChannelView)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);
} // namespace

// The board and the views, built once for the whole run.
struct TBenchViews
{
    TBenchViews() { gViews = &mFixture; }
    ~TBenchViews() { gViews = nullptr; }
    TChannelViewFixture mFixture;
};

int main(int argc, char** argv)
{
    return runWidgetBenchmarks<TBenchViews>(argc, argv);
}

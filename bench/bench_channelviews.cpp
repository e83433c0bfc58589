// One whole poll with a channel view on the screen: the read timer's tick,
// the "meas:curr?" exchange with the simulated board, the reading stored in
// the channel and the current view redrawn from it (value block with its font
// size, style sheets, peaks, the probe name fitted into its button, the
// information bar; the difference in the two-channel view), and the screen
// painted offscreen, the value labels with their drop shadows as the main
// window gives them. Painting is most of a poll's cost. Goals on the
// device's core, counted in instructions with callgrind on the real program:
// 2 M with a steady reading, 6 M with one that changes every cycle; here
// under 1 % of the 500 ms cycle (5 ms CPU per poll).

#include "benchsupport.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewfixture.h"
#include "deviceroot.h"
#include "intcommcontroller.h"
#include "probecontroller.h"
#include "valueshadoweffect.h"

#include <QApplication>
#include <QLabel>
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
    Ui_TTamarindMainForm& ui = pViews.ui();
    for (QLabel* label : {ui.lblSingleViewMainVal, ui.Lbl2ChanViewMainValue_Top, ui.Lbl2ChanViewMainValue_Btm}) {
        auto* shadow = new TValueShadowEffect(label);
        shadow->setOffset(2, 2);
        label->setGraphicsEffect(shadow);
    }
    pViews.form().resize(800, 480);
    pViews.form().show();
}

// Input 1 reads with noise: a new value on every poll.
void changingReading(TChannelViewFixture& pViews, bool pChanging)
{
    pViews.board().board().withState([pChanging](TBoardState& pState) {
        pState.setSignal(1, pChanging ? TTemperatureSignal::noise(23.0, 0.5) : TTemperatureSignal::constant(23.0));
    });
}

void runPolls(benchmark::State& pState, TChannelViewFixture& pViews)
{
    const double perPoll = cpuSecondsPerPoll(pState, pViews.controller());
    pState.counters["cycle_percent"] = benchmark::Counter(perPoll / CYCLE_SECONDS * 100.0);
}

// Argument 0: a steady reading, which repaints nothing; 1: a reading that changes every cycle.
void BM_PollWithHomeView(benchmark::State& pState)
{
    TChannelViewFixture& fixture = views();
    prepare(fixture);
    changingReading(fixture, pState.range(0) != 0);
    fixture.manager().activateHomeView();
    runPolls(pState, fixture);
}
BENCHMARK(BM_PollWithHomeView)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);

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

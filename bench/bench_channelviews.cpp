// One whole poll with a channel view on the screen: the read timer's tick,
// the "meas:curr?" exchange with the simulated board, the reading stored in
// the channel and the current view redrawn from it (value block with its font
// size, style sheets, peaks, the probe name fitted into its button, the
// information bar; the difference in the two-channel view), and the screen
// painted offscreen, the value labels with their drop shadows as the main
// window gives them. Painting is most of a poll's cost. The views of one, two
// and four channels, the scan views with scan mode running, each with a
// steady reading, one that changes every cycle, and (scan views) the poll that
// ends a hold time and switches the measured channel, with steady readings
// and with readings that change every cycle. Goals on the device's core,
// counted in instructions with callgrind (--toggle-collect='measured*'): 2 M
// with a steady reading, 6 M with one that changes every cycle, 8 M for a
// switch with changing readings; here under 1 % of the 500 ms cycle (5 ms CPU
// per poll). The switch costs about 5.4 M (steady) and 5.9 M (changing) in
// the two-channel view, 3.7 M and 3.9 M in the four-channel view.// The same switch on the program's own main window:
// bench_mainwindowviews.

#include "benchsupport.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewfixture.h"
#include "deviceroot.h"
#include "intcommcontroller.h"
#include "mainwindowbench.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "simulatedinput.h"
#include "tamarindsettings.h"
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
constexpr int READ_INTERVAL = 500;
// Polls that only count towards scan mode's default hold time of 7 s.
constexpr int POLLS_PER_HOLD = 14;
// Polls before the timing, which show every character of a changing reading
// at its places once: later readings are put together from those. A steady
// reading needs them only for the view's first painting after it was shown.
constexpr int WARM_UP_POLLS = 80;
constexpr int STEADY_WARM_UP_POLLS = 2;

// A switch comes with the reading steady or changing every cycle.
enum EnReading { rSteady, rChanging, rSwitching, rSwitchingChanging };

bool changes(EnReading pReading)
{
    return pReading == rChanging || pReading == rSwitchingChanging;
}

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
    pViews.board().board().withState([](TBoardState& pState) {
        pState.plugSensor(4, ssThermocoupleK);
        for (int input : {2, 3, 4})
            pState.setSignal(input, TTemperatureSignal::constant(20.0 + input));
    });
    channels.measureChannel(channels.channel(1));
    Ui_TTamarindMainForm& ui = pViews.ui();
    for (QLabel* label : {ui.lblSingleViewMainVal, ui.Lbl2ChanViewMainValue_Top, ui.Lbl2ChanViewMainValue_Btm,
                          ui.Lbl4ChanViewMainValue_TopLeft, ui.Lbl4ChanViewMainValue_TopRight,
                          ui.Lbl4ChanViewMainValue_BtmLeft, ui.Lbl4ChanViewMainValue_BtmRight}) {
        auto* shadow = new TValueShadowEffect(label);
        shadow->setOffset(2, 2);
        label->setGraphicsEffect(shadow);
    }
    pViews.form().resize(800, 480);
    pViews.form().show();
}

// Inputs 1 and 2 read with noise: a new value on every poll, whichever of them is measured.
void changingReading(TChannelViewFixture& pViews, bool pChanging)
{
    pViews.board().board().withState([pChanging](TBoardState& pState) {
        pState.setSignal(1, pChanging ? TTemperatureSignal::noise(23.0, 0.5) : TTemperatureSignal::constant(23.0));
        pState.setSignal(2, pChanging ? TTemperatureSignal::noise(22.0, 0.5) : TTemperatureSignal::constant(22.0));
    });
}

// The home view, or scan mode running over the first channels with their scan view on the screen.
void showView(TChannelViewFixture& pViews, int pChannelCount)
{
    TChannelController& channels = pViews.controller();
    TScanModeController& scan = pViews.scanMode();
    TChannelViewControllerManager& manager = pViews.manager();
    if (scan.isScanModeActive())
        scan.stopScanMode(channels.channel(1));
    if (pChannelCount == 1) {
        manager.activateHomeView();
        manager.showHomeView();
        return;
    }
    zelk::vector<TAbstractChannel*> scanned;
    for (int number = 1; number <= pChannelCount; ++number)
        scanned << channels.channel(number);
    scan.setChannelConfiguration(scanned);
    manager.attachChannelConfigurationToView(scanned, scanned.front());
    scan.startScanMode();
    manager.activateScanView();
    manager.showScanView();
}

// Arguments: the view's channel count, and the reading (EnReading).
void BM_PollWithChannelView(benchmark::State& pState)
{
    TChannelViewFixture& fixture = views();
    prepare(fixture);
    const auto reading = EnReading(pState.range(1));
    changingReading(fixture, changes(reading));
    showView(fixture, int(pState.range(0)));
    TChannelController& channels = fixture.controller();
    TScanModeController& scan = fixture.scanMode();
    std::function<void()> countHold;
    std::function<void()> endHold;
    if (reading == rSwitching || reading == rSwitchingChanging) {
        countHold = [&scan] {
            for (int poll = 1; poll < POLLS_PER_HOLD; ++poll)
                scan.afterMeasBoardPolled(READ_INTERVAL);
        };
        endHold = [&scan] { scan.afterMeasBoardPolled(READ_INTERVAL); };
    }
    const int warmUpPolls = changes(reading) ? WARM_UP_POLLS : STEADY_WARM_UP_POLLS;
    for (int poll = 0; poll < warmUpPolls; ++poll) {
        if (countHold)
            countHold();
        std::this_thread::sleep_for(std::chrono::milliseconds(TIntCommController::PAUSE_BETWEEN_COMMANDS + 1));
        channels.onChannelReadTimer();
        if (endHold)
            endHold();
        QApplication::processEvents();
    }
    const double perPoll = cpuSecondsPerPoll(pState, channels, countHold, endHold);
    pState.counters["cycle_percent"] = benchmark::Counter(perPoll / CYCLE_SECONDS * 100.0);
}
BENCHMARK(BM_PollWithChannelView)
    ->Args({1, rSteady})
    ->Args({1, rChanging})
    ->Args({2, rSteady})
    ->Args({2, rChanging})
    ->Args({2, rSwitching})
    ->Args({2, rSwitchingChanging})
    ->Args({4, rSteady})
    ->Args({4, rChanging})
    ->Args({4, rSwitching})
    ->Args({4, rSwitchingChanging})
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

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
// and with readings that change every cycle; and on the views of one to four
// channels, readings that cross a boundary of their length or sign every
// cycle, where a thermometer is checked most: the ice point at four decimals,
// 100 °C at three, steady and with noise, and 1000 °C; and on the home view a
// reading that alternates among three lengths (9.9999, 10.0001, -10.0001),
// each of which takes another font size. Goals on the device's
// core, counted in instructions with callgrind (--toggle-collect='measured*'):
// 2 M with a steady reading, 6 M with one that changes every cycle or crosses
// a boundary, 8 M for a switch with changing readings; here under 1 % of the
// 500 ms cycle (5 ms CPU per poll). The switch costs about 5.4 M (steady) and
// 5.9 M (changing) in the two-channel view, 3.7 M and 3.9 M in the
// four-channel view; a crossing 1.7 to 1.9 M in the home view, under 1.2 M in
// the others; the three lengths in turn 2.1 M. The same switch on the
// program's own main window: bench_mainwindowviews.

#include "benchsupport.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
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

#include <array>
#include <chrono>
#include <ctime>
#include <map>
#include <memory>
#include <thread>
#include <vector>

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

// A switch comes with the reading steady or changing every cycle. The crossings change the main value's length
// or sign on every cycle, where the view gives the value another font size.
enum EnReading {
    rSteady,
    rChanging,
    rSwitching,
    rSwitchingChanging,
    rIcePoint,
    rAroundHundred,
    rNoisyHundred,
    rAroundThousand,
    rThreeLengths
};

// A crossing at the decimals the channel shows: its readings in turn, or noise around a single one, on the
// measured channel and the one after it (the thermocouple channels 3 and 4 reach 1000 °C).
struct TCrossing
{
    int mDecimals;
    std::vector<double> mReadings;
    double mNoise;
    int mChannel;
};

const std::map<EnReading, TCrossing>& crossings()
{
    static const std::map<EnReading, TCrossing> table{{rIcePoint, {4, {-0.0002, 0.0003}, 0.0, 1}},
                                                      {rAroundHundred, {3, {99.999, 100.001}, 0.0, 1}},
                                                      {rNoisyHundred, {3, {100.0}, 0.003, 1}},
                                                      {rAroundThousand, {2, {999.99, 1000.01}, 0.0, 3}},
                                                      // Three lengths, each a font size of its own on the home view.
                                                      {rThreeLengths, {4, {9.9999, 10.0001, -10.0001}, 0.0, 1}}};
    return table;
}

// Sets the channel's decimals and gives those it had before.
int setDecimals(TAbstractChannel* pChannel, int pDecimals)
{
    int before = 0;
    while (pChannel->decreasePrecision())
        ++before;
    for (int i = 0; i < pDecimals; ++i)
        pChannel->increasePrecision();
    return before;
}

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
    for (int number : {1, 2, 3, 4}) {
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
                          ui.Lbl3ChanViewMainValue_Top, ui.Lbl3ChanViewMainValue_Mid, ui.Lbl3ChanViewMainValue_Btm,
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

// The home view, or scan mode running over channels of the board's four with their scan view on the screen; the
// first channel measured.
void showView(TChannelViewFixture& pViews, int pChannelCount, int pFirstChannel = 1)
{
    TChannelController& channels = pViews.controller();
    TScanModeController& scan = pViews.scanMode();
    TChannelViewControllerManager& manager = pViews.manager();
    TAbstractChannel* first = channels.channel(pFirstChannel);
    if (scan.isScanModeActive())
        scan.stopScanMode(first);
    if (pChannelCount == 1) {
        channels.measureChannel(first);
        pViews.homeView().setChannels({first}, first);
        manager.activateHomeView();
        manager.showHomeView();
        return;
    }
    zelk::vector<TAbstractChannel*> scanned;
    for (int place = 0; place < pChannelCount; ++place)
        scanned << channels.channel((pFirstChannel - 1 + place) % 4 + 1);
    scan.setChannelConfiguration(scanned);
    manager.attachChannelConfigurationToView(scanned, scanned.front());
    scan.startScanMode();
    // Scan mode measures the channels in the order of their numbers, from the lowest on.
    for (int poll = 0; scan.activeChannel() != first && poll < POLLS_PER_HOLD * pChannelCount; ++poll)
        scan.afterMeasBoardPolled(READ_INTERVAL);
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
    const auto crossing = crossings().find(reading);
    const bool crosses = crossing != crossings().end();
    const TCrossing readings = crosses ? crossing->second : TCrossing{0, {}, 0.0, 1};
    showView(fixture, int(pState.range(0)), readings.mChannel);
    TChannelController& channels = fixture.controller();
    TScanModeController& scan = fixture.scanMode();
    // Off the clock before each poll: the hold time counted, or the next reading of a crossing.
    std::function<void()> beforePoll;
    std::function<void()> endHold;
    std::map<TAbstractChannel*, int> decimalsBefore;
    const std::array<int, 2> inputs{readings.mChannel, readings.mChannel + 1};
    if (crosses) {
        for (int number : inputs)
            decimalsBefore[channels.channel(number)] = setDecimals(channels.channel(number), readings.mDecimals);
        auto next = std::make_shared<std::size_t>(0);
        beforePoll = [&fixture, readings, inputs, next] {
            const double value = readings.mReadings.at((*next)++ % readings.mReadings.size());
            fixture.board().board().withState([&readings, &inputs, value](TBoardState& pState) {
                for (int input : inputs)
                    pState.setSignal(input, readings.mNoise != 0.0 ? TTemperatureSignal::noise(value, readings.mNoise)
                                                                   : TTemperatureSignal::constant(value));
            });
        };
    }
    if (reading == rSwitching || reading == rSwitchingChanging) {
        beforePoll = [&scan] {
            for (int poll = 1; poll < POLLS_PER_HOLD; ++poll)
                scan.afterMeasBoardPolled(READ_INTERVAL);
        };
        endHold = [&scan] { scan.afterMeasBoardPolled(READ_INTERVAL); };
    }
    const int warmUpPolls = changes(reading) || crosses ? WARM_UP_POLLS : STEADY_WARM_UP_POLLS;
    for (int poll = 0; poll < warmUpPolls; ++poll) {
        if (beforePoll)
            beforePoll();
        std::this_thread::sleep_for(std::chrono::milliseconds(TIntCommController::PAUSE_BETWEEN_COMMANDS + 1));
        channels.onChannelReadTimer();
        if (endHold)
            endHold();
        QApplication::processEvents();
    }
    const double perPoll = cpuSecondsPerPoll(pState, channels, beforePoll, endHold);
    pState.counters["cycle_percent"] = benchmark::Counter(perPoll / CYCLE_SECONDS * 100.0);
    for (const auto& [channel, decimals] : decimalsBefore)
        setDecimals(channel, decimals);
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
    ->ArgsProduct({{1, 2, 3, 4}, {rIcePoint, rAroundHundred, rNoisyHundred, rAroundThousand}})
    ->Args({1, rThreeLengths})
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

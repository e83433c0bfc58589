// The cycle that switches the measured channel, on the program's own main
// window as the user meets it, offscreen against the simulated board: scan
// mode started over channels 1 and 2 from its page and its view shown, the
// two-channel view with the window's own value shadows and information bar,
// readings that change every cycle, and the poll that completes the hold
// time, counted by the window's listeners as on the device. The poll is
// counted from the read timer's tick to the screen painted, in instructions
// with callgrind (--toggle-collect='measured*'); the polls within the hold
// time run off the clock. Goal on the device's core: 8 M for a switch with
// changing readings; measured 6.8 to 7.1 M, and from the scan's start on a
// window just built 9.5 M and 9.4 M for the first two switches, while the
// value labels take images of characters they have not shown yet.

#include "benchsupport.h"
#include "boardstate.h"
#include "channel.h"
#include "intcommcontroller.h"
#include "mainwindowbench.h"
#include "scanmodecontroller.h"
#include "simulatedinput.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <thread>

namespace
{
// Polls before the timing, which show every character of a changing reading
// at its places once: later readings are put together from those.
constexpr int WARM_UP_POLLS = 80;
// More polls than scan mode's default hold time of 7 s takes.
constexpr int MAX_HOLD_POLLS = 30;

// One poll on the window's cycle: the board's pause off the clock, the poll on it when pCounted. True when the poll
// switched the measured channel, as the information bar names it.
bool pollMainWindow(TMainWindowFixture& pMain, bool pCounted)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(TIntCommController::PAUSE_BETWEEN_COMMANDS + 1));
    const QString before = pMain.text("lblInfoBarLeft");
    const auto poll = [&pMain] {
        pMain.channels().onChannelReadTimer();
        QApplication::processEvents();
    };
    if (pCounted)
        measured(poll);
    else
        poll();
    return pMain.text("lblInfoBarLeft") != before;
}

// The polls to the next switch; 0 when none came.
int pollsToSwitch(TMainWindowFixture& pMain)
{
    for (int poll = 1; poll <= MAX_HOLD_POLLS; ++poll) {
        if (pollMainWindow(pMain, false))
            return poll;
    }
    return 0;
}

// Argument: the polls before the first counted switch. With none, the switches
// are counted from the scan's start on a window just built, while the value
// labels take their characters' images for the first time.
void BM_SwitchOnMainWindow(benchmark::State& pState)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(QStringLiteral("scan"), QStringLiteral("channels"), QStringLiteral("1,2"));
    settings.setValue(QStringLiteral("scan"), QStringLiteral("hold_time"),
                      QString::number(TScanModeController::DEFAULT_INTERVAL));
    settings.store();
    const int holdPolls = TScanModeController::DEFAULT_INTERVAL * 1000 / TTamarindMainForm::CHANNEL_READ_INTERVAL;
    TMainWindowFixture& main = *TMainWindowBench::gMain;
    main.board().withState([](TBoardState& pState) {
        for (int input : {1, 2})
            pState.plugSensor(input, ssPt100);
        pState.setSignal(1, TTemperatureSignal::noise(23.0, 0.5));
        pState.setSignal(2, TTemperatureSignal::noise(22.0, 0.5));
    });
    TMainWindowBench::openWindow();
    for (int number : {1, 2}) {
        TPhysicalChannel* channel = main.channels().physical_channel(number);
        main.probes().assignProbeToChannel(main.probes().defaultProbe(channel), channel, false);
    }
    main.click("BtnScan_Start");
    main.click("BtnScan_ShowView");
    const int warmUpPolls = int(pState.range(0));
    for (int poll = 0; poll < warmUpPolls; ++poll)
        pollMainWindow(main, false);
    if (warmUpPolls > 0 && pollsToSwitch(main) == 0)
        pState.SkipWithError("scan mode does not switch the channels");
    for (auto _ : pState) {
        pState.PauseTiming();
        for (int poll = 1; poll < holdPolls; ++poll)
            pollMainWindow(main, false);
        pState.ResumeTiming();
        const double start = threadCpuSeconds();
        const bool switched = pollMainWindow(main, true);
        const double cpuSeconds = threadCpuSeconds() - start;
        pState.counters["host_cpu_us"] += benchmark::Counter(cpuSeconds * 1e6);
        if (!switched) {
            pState.SkipWithError("the counted poll did not switch the channel");
            break;
        }
    }
    pState.counters["host_cpu_us"] = benchmark::Counter(pState.counters["host_cpu_us"] / double(pState.iterations()));
    main.close();
}
BENCHMARK(BM_SwitchOnMainWindow)
    ->Arg(WARM_UP_POLLS)
    ->Arg(0)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);

// Scan mode over channels 1 to 4 with the home view on the screen, which
// follows the measured channel: an ordinary check at four decimals, steady
// readings of three lengths ("0.0100", "29.7646", "-38.8300", "100.0000"), so
// that the value label takes three font sizes in turn. Counted after a round
// of the scan has shown each reading once. Goal on the device's core: 8 M a
// switch, as above; measured 3.4 to 5.1 M.
void BM_SwitchLengthOnHomeView(benchmark::State& pState)
{
    constexpr std::array<double, 4> readings{0.01, 29.7646, -38.83, 100.0};
    constexpr int channelCount = int(readings.size());
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(QStringLiteral("scan"), QStringLiteral("channels"), QStringLiteral("1,2,3,4"));
    settings.store();
    TMainWindowFixture& main = *TMainWindowBench::gMain;
    main.board().withState([&readings](TBoardState& pState) {
        for (int input = 1; input <= channelCount; ++input) {
            pState.plugSensor(input, input < 4 ? ssPt100 : ssThermocoupleK);
            pState.setSignal(input, TTemperatureSignal::constant(readings.at(std::size_t(input - 1))));
        }
    });
    TMainWindowBench::openWindow();
    std::array<int, channelCount> decimalsBefore{};
    for (int number = 1; number <= channelCount; ++number) {
        TPhysicalChannel* channel = main.channels().physical_channel(number);
        main.probes().assignProbeToChannel(main.probes().defaultProbe(channel), channel, false);
        while (channel->decreasePrecision())
            ++decimalsBefore.at(std::size_t(number - 1));
        while (channel->increasePrecision())
            ;
    }
    main.click("BtnScan_Start");
    main.click("BtnHome");
    for (int channel = 0; channel <= channelCount; ++channel) {
        if (pollsToSwitch(main) == 0)
            pState.SkipWithError("scan mode does not switch the channels");
    }
    // The hold time's polls off the clock; each counted poll must have switched the channel.
    const int holdPolls = TScanModeController::DEFAULT_INTERVAL * 1000 / TTamarindMainForm::CHANNEL_READ_INTERVAL;
    QString shownBefore;
    bool switched = true;
    const auto hold = [&main, &shownBefore, &switched, holdPolls] {
        switched = switched && main.text("lblInfoBarLeft") != shownBefore;
        for (int poll = 1; poll < holdPolls; ++poll)
            pollMainWindow(main, false);
        shownBefore = main.text("lblInfoBarLeft");
    };
    cpuSecondsPerPoll(pState, main.channels(), hold);
    if (!switched || main.text("lblInfoBarLeft") == shownBefore)
        pState.SkipWithError("a counted poll did not switch the channel");
    for (int number = 1; number <= channelCount; ++number) {
        TAbstractChannel* channel = main.channels().channel(number);
        while (channel->decreasePrecision())
            ;
        for (int step = 0; step < decimalsBefore.at(std::size_t(number - 1)); ++step)
            channel->increasePrecision();
    }
    main.close();
}
BENCHMARK(BM_SwitchLengthOnHomeView)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks<TMainWindowBench>(argc, argv);
}

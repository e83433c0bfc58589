// The scan views while a scan runs, offscreen, CPU time of the program only
// (the board's answers arrive off the clock):
// - the poll that ends a channel's hold time in the four-channel view: scan
//   mode counts it, tells the board "conf:chan", the view recolours its places
//   and redraws; goal under 2 % of the 500 ms cycle (10 ms);
// - a configuration of 84 channels (four 20-channel boxes and the board's own
//   four) handed to the views, with the first paint of the multi-channel page:
//   84 tiles built and drawn; once per configuration, goal under 10 % (50 ms);
// - the same configuration stored while the home view is on screen, as at start
//   with a stored scan: no tile is built until the view is shown, so it costs
//   neither time nor memory (counters: widgets on the page, resident growth);
// - a switch inside those 84 tiles (two recolours, the scroll to the new
//   tile, its redraw) and a poll's redraw of the measured tile; goal under 1 %.

#include "benchsupport.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcomponents.h"
#include "channelviewcontrollermanager.h"
#include "channelviewfixture.h"
#include "scanmodecontroller.h"
#include "switchbox.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <unistd.h>

namespace
{
constexpr double CYCLE_SECONDS = 0.5;
constexpr int READ_INTERVAL = 500;
constexpr int BOX_PORTS = 4;
constexpr std::size_t MOST_SCANNED_CHANNELS = 84;
// Polls a channel is held for: the default hold time of 7 s.
constexpr int POLLS_PER_HOLD = 14;

TChannelViewFixture* gViews = nullptr;

void setCyclePercent(benchmark::State& pState, double pCpuSeconds)
{
    const double perIteration = pCpuSeconds / double(pState.iterations());
    pState.counters["host_cpu_us"] = benchmark::Counter(perIteration * 1e6);
    pState.counters["cycle_percent"] = benchmark::Counter(perIteration / CYCLE_SECONDS * 100.0);
}

// The board's own four inputs and every position of the boxes, in channel order.
zelk::vector<TAbstractChannel*> allScannableChannels(TChannelController& pChannels)
{
    zelk::vector<TAbstractChannel*> list;
    for (const auto& channel : pChannels.channels()) {
        if (channel.first <= TChannelController::MAX_CHANNEL_ZTM8800 ||
            channel.first >= TChannelController::SWITCHBOX_FIRST_CHANNEL)
            list << channel.second.get();
    }
    return list;
}

void BM_SwitchingPollInFourChannelView(benchmark::State& pState)
{
    TChannelViewFixture& views = *gViews;
    TChannelController& channels = views.controller();
    TScanModeController& scan = views.scanMode();
    scan.setChannelConfiguration({channels.channel(1), channels.channel(2), channels.channel(3), channels.channel(4)});
    scan.startScanMode();
    views.manager().activateScanView();
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        pState.PauseTiming();
        // The polls that only count, up to the one that ends the hold time.
        for (int poll = 1; poll < POLLS_PER_HOLD; ++poll)
            scan.afterMeasBoardPolled(READ_INTERVAL);
        std::this_thread::sleep_for(std::chrono::milliseconds(TIntCommController::PAUSE_BETWEEN_COMMANDS + 1));
        TAbstractChannel* before = scan.activeChannel();
        pState.ResumeTiming();
        const double start = threadCpuSeconds();
        scan.afterMeasBoardPolled(READ_INTERVAL);
        cpuSeconds += threadCpuSeconds() - start;
        if (scan.activeChannel() == before) {
            pState.SkipWithError("the poll did not switch the channel");
            break;
        }
    }
    setCyclePercent(pState, cpuSeconds);
    scan.stopScanMode(channels.channel(1));
}

void BM_AttachEightyFourChannels(benchmark::State& pState)
{
    TChannelViewFixture& views = *gViews;
    const zelk::vector<TAbstractChannel*> channels = allScannableChannels(views.controller());
    pState.counters["channels"] = double(channels.size());
    if (channels.size() != MOST_SCANNED_CHANNELS)
        pState.SkipWithError("the boxes did not give the largest scan");
    views.manager().activateScanView();
    QWidget* page = views.ui().PageMultiChannelView;
    double cpuSeconds = 0.0;
    double paintSeconds = 0.0;
    for (auto _ : pState) {
        const double start = threadCpuSeconds();
        views.manager().attachChannelConfigurationToView(channels, channels.front());
        views.manager().activateScanView();
        views.manager().showScanView();
        const double painting = threadCpuSeconds();
        benchmark::DoNotOptimize(page->grab());
        paintSeconds += threadCpuSeconds() - painting;
        cpuSeconds += threadCpuSeconds() - start;
    }
    pState.counters["paint_us"] = benchmark::Counter(paintSeconds / double(pState.iterations()) * 1e6);
    setCyclePercent(pState, cpuSeconds);
}

double residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(::sysconf(_SC_PAGESIZE)) / 1024.0 : 0.0;
}

void BM_StoreEightyFourChannelsUnseen(benchmark::State& pState)
{
    TChannelViewFixture& views = *gViews;
    const zelk::vector<TAbstractChannel*> channels = allScannableChannels(views.controller());
    views.manager().activateHomeView();
    views.manager().showHomeView();
    QWidget* page = views.ui().PageMultiChannelView;
    const double residentBefore = residentKiB();
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        const double start = threadCpuSeconds();
        views.manager().attachChannelConfigurationToView(channels, channels.front());
        cpuSeconds += threadCpuSeconds() - start;
    }
    pState.counters["widgets_on_page"] = double(page->findChildren<QWidget*>().size());
    pState.counters["resident_growth_kib"] = residentKiB() - residentBefore;
    setCyclePercent(pState, cpuSeconds);
}

void BM_SwitchInEightyFourTiles(benchmark::State& pState)
{
    TChannelViewFixture& views = *gViews;
    const zelk::vector<TAbstractChannel*> channels = allScannableChannels(views.controller());
    views.manager().attachChannelConfigurationToView(channels, channels.front());
    views.manager().activateScanView();
    views.manager().showScanView();
    std::size_t next = 0;
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        next = (next + 1) % channels.size();
        TAbstractChannel* measured = channels.at(next);
        const double start = threadCpuSeconds();
        emit views.scanMode().channelSwitched(measured);
        measured->setNewValue(109.73516, 25.12345);
        cpuSeconds += threadCpuSeconds() - start;
    }
    setCyclePercent(pState, cpuSeconds);
}

BENCHMARK(BM_SwitchingPollInFourChannelView)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);
BENCHMARK(BM_AttachEightyFourChannels)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_StoreEightyFourChannelsUnseen)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(10);
BENCHMARK(BM_SwitchInEightyFourTiles)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);
} // namespace

// The board with four 20-channel boxes and the views, built once for the whole run.
struct TBenchScanViews
{
    TBenchScanViews()
    {
        for (int port = 1; port <= BOX_PORTS; ++port) {
            TSimulatedSwitchBox box;
            box.mType = sbtSWX6100_10;
            box.mSerialNumber = QStringLiteral("SB-%1").arg(port);
            box.mDate = QDate(2023, 6, 1);
            mFixture.board().board().fitSwitchBox(port, box);
        }
        mFixture.buildViews(false);
        mFixture.form().resize(800, 480);
        gViews = &mFixture;
    }
    ~TBenchScanViews() { gViews = nullptr; }
    TChannelViewFixture mFixture;
};

int main(int argc, char** argv)
{
    return runWidgetBenchmarks<TBenchScanViews>(argc, argv);
}

// The graph of a running scan with its ten curves full: 3600 points each, the
// plot shown at its page size (offscreen), and the CPU time of the paint that
// each replot asks for counted in. Goals, of the 500 ms measuring cycle:
// - one poll's graph work (the reading drawn, the window moved, the plot
//   painted): under 2 % (10 ms), and at most 3 M instructions, which the
//   device's core runs in 10 to 20 ms, whatever the history length. Count
//   them with callgrind over this program, filtered to the benchmark, with
//   --toggle-collect='*TGraphBench::poll*', and divide by the iterations;
//   1.7 M here with 3600 points a curve, 1.6 M with the curves empty when
//   the polls begin;
// - the graph page hidden (a scan shown as channel views still records and
//   replots): under 0.2 % (1 ms);
// - every curve drawn again in a new unit: under 20 % (100 ms).

#include "benchsupport.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channelviewfixture.h"
#include "graphviewcontroller.h"
#include "graphviewfixture.h"
#include "scanmodecontroller.h"

#include <QApplication>
#include <QStackedWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
constexpr double CYCLE_SECONDS = 0.5;
// Ten positions of a 16-position PRT box on port 1.
const QList<int> SCANNED{16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

class TGraphBench
{
public:
    TGraphBench()
    {
        TSimulatedSwitchBox box;
        box.mType = sbtSWX6300_PRT16;
        box.mSerialNumber = QStringLiteral("SB-1");
        mFixture.board().board().fitSwitchBox(1, box);
        mFixture.build();
        mScanMode = buildScanModeOnForm(mFixture);
        mGraph = buildGraphViewOnForm(mFixture, *mScanMode);
        zelk::vector<TAbstractChannel*> channels;
        for (int number : SCANNED)
            channels << mFixture.controller().channel(number);
        mScanMode->setChannelConfiguration(channels);
        fillCurves(TAbstractChannel::MAX_GRAPH_VALUES);
        mFixture.form().resize(800, 480);
        mFixture.form().show();
        showGraph(true);
    }

    ~TGraphBench()
    {
        mGraph.reset();
        mScanMode.reset();
    }

    void showGraph(bool pShown)
    {
        Ui_TTamarindMainForm& f = mFixture.ui();
        f.stackedWidget->setCurrentWidget(pShown ? f.Page2DPlot : f.PageHome);
        QApplication::processEvents();
    }

    // A reading of the measured channel, drawn and painted. Kept out of line
    // so that callgrind can count it alone (--toggle-collect on its name).
    [[gnu::noinline]] void poll()
    {
        mFixture.controller().channel(SCANNED.first())->setNewValue(107.8, 20.0 + (++mReading % 100) * 0.01);
        QApplication::processEvents();
    }

    // Every curve with pSamples readings, as a scan that ran that long has them.
    void fillCurves(int pSamples)
    {
        for (int number : SCANNED) {
            TAbstractChannel* channel = mFixture.controller().channel(number);
            channel->startRecordingGraphValues();
            for (int i = 0; i < pSamples; ++i)
                channel->setNewValue(100.0 + i * 0.001, 20.0 + i * 0.0001);
        }
    }

    void reloadCurves()
    {
        mGraph->channelTypeChanged(mFixture.controller().channel(SCANNED.first()));
        QApplication::processEvents();
    }

private:
    TChannelControllerFixture mFixture;
    std::unique_ptr<TScanModeController> mScanMode;
    std::unique_ptr<TGraphViewController> mGraph;
    int mReading = 0;
};

TGraphBench* gBench = nullptr;

struct TBenchState
{
    TBenchState()
    {
        mBench = std::make_unique<TGraphBench>();
        gBench = mBench.get();
    }
    ~TBenchState() { gBench = nullptr; }
    std::unique_ptr<TGraphBench> mBench;
};

template <class TWork> void measure(benchmark::State& pState, TWork pWork)
{
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        const double start = threadCpuSeconds();
        pWork();
        cpuSeconds += threadCpuSeconds() - start;
    }
    const double perRun = cpuSeconds / double(pState.iterations());
    pState.counters["host_cpu_us"] = benchmark::Counter(perRun * 1e6);
    pState.counters["cycle_percent"] = benchmark::Counter(perRun / CYCLE_SECONDS * 100.0);
}

// Argument: the readings of each curve before the polls; the curves are full again afterwards.
void BM_PollWithGraphShown(benchmark::State& pState)
{
    gBench->fillCurves(int(pState.range(0)));
    gBench->reloadCurves();
    gBench->showGraph(true);
    measure(pState, [] { gBench->poll(); });
    gBench->fillCurves(TAbstractChannel::MAX_GRAPH_VALUES);
    gBench->reloadCurves();
}
BENCHMARK(BM_PollWithGraphShown)
    ->Arg(TAbstractChannel::MAX_GRAPH_VALUES)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);

void BM_PollWithGraphHidden(benchmark::State& pState)
{
    gBench->showGraph(false);
    measure(pState, [] { gBench->poll(); });
}
BENCHMARK(BM_PollWithGraphHidden)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_UnitChangeRedrawsEveryCurve(benchmark::State& pState)
{
    gBench->showGraph(true);
    measure(pState, [] { gBench->reloadCurves(); });
}
BENCHMARK(BM_UnitChangeRedrawsEveryCurve)->Unit(benchmark::kMillisecond)->Iterations(20);
} // namespace

int main(int pArgc, char** pArgv)
{
    return runWidgetBenchmarks<TBenchState>(pArgc, pArgv);
}

// The start of the program, offscreen against the simulated board, CPU time
// of the program only, with two end points: the main window built as main
// builds it, every page of both stacks made and styled, which ends with the
// first reading of the measured channel, taken in the constructor; and that
// window shown and run by the event loop until its first screen is painted,
// which is what the user waits for. On the device's core the start to the
// first reading is to stay under 0.5 G instructions (about 2 to 3 s), counted
// with callgrind (--toggle-collect='measured*'). One start per run of the
// program, as on the device: a second window in the same process finds the
// fonts, images and style sheets of the first already loaded and costs less.
// Measured: about 0.41 G to the first reading, 0.64 G to the first screen.

#include "benchsupport.h"
#include "mainwindowbench.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace
{
// More rounds of the event loop than the first painting takes.
constexpr int MAX_EVENT_ROUNDS = 100;

// Counts the paintings of the window it watches.
class TWindowPaints : public QObject
{
public:
    int mPaints = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint && pWatched == TMainWindowBench::gMain->window())
            ++mPaints;
        return false;
    }
};

// Argument: whether the window is shown and painted (else built only).
void BM_StartMainWindow(benchmark::State& pState)
{
    const bool painted = pState.range(0) != 0;
    TMainWindowFixture& main = *TMainWindowBench::gMain;
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        TWindowPaints paints;
        qApp->installEventFilter(&paints);
        const double start = threadCpuSeconds();
        measured([&] {
            if (painted)
                main.openAsTheProgram();
            else
                main.open(false);
            for (int round = 0; painted && paints.mPaints == 0 && round < MAX_EVENT_ROUNDS; ++round)
                QApplication::processEvents();
        });
        cpuSeconds += threadCpuSeconds() - start;
        qApp->removeEventFilter(&paints);
        if (painted && paints.mPaints == 0) {
            pState.SkipWithError("the window was not painted");
            break;
        }
        pState.PauseTiming();
        main.close();
        QApplication::processEvents();
        pState.ResumeTiming();
    }
    pState.counters["host_cpu_ms"] = benchmark::Counter(cpuSeconds / double(pState.iterations()) * 1e3);
}

BENCHMARK(BM_StartMainWindow)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks<TMainWindowBench>(argc, argv);
}

// The start of the program, offscreen, CPU time of the program only: the main
// window built as main builds it against the simulated board, every page of
// both stacks made and styled, up to the window shown and painted once. On the
// device's core the whole start to the first poll is to stay under 0.5 G
// instructions (about 2 to 3 s); counted with callgrind over the real program
// it is 0.43 G.

#include "benchsupport.h"
#include "mainwindowfixture.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace
{
TMainWindowFixture* gMain = nullptr;

void BM_BuildAndShowMainWindow(benchmark::State& pState)
{
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        const double start = threadCpuSeconds();
        gMain->open(true);
        benchmark::DoNotOptimize(gMain->window()->grab());
        QApplication::processEvents();
        cpuSeconds += threadCpuSeconds() - start;
        pState.PauseTiming();
        gMain->close();
        QApplication::processEvents();
        pState.ResumeTiming();
    }
    pState.counters["host_cpu_ms"] = benchmark::Counter(cpuSeconds / double(pState.iterations()) * 1e3);
}

BENCHMARK(BM_BuildAndShowMainWindow)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
} // namespace

// The simulated board, started once for the whole run.
struct TBenchStartup
{
    TBenchStartup()
    {
        mMain.startBoard();
        gMain = &mMain;
    }
    ~TBenchStartup() { gMain = nullptr; }
    TMainWindowFixture mMain;
};

int main(int argc, char** argv)
{
    return runWidgetBenchmarks<TBenchStartup>(argc, argv);
}

// One wait of a calibration run between two samples of the reference: the run
// lasts hours and waits 2 s at a time on the GUI thread, with the window's
// events processed. The thread's CPU time over a wait with no events must stay
// a small share of the wait (goal: under 2 %; a spinning wait takes 100 %).

#include "benchsupport.h"
#include "calibrationroutine.h"
#include "routineclock.h"

namespace
{
void BM_SampleWaitWithoutEvents(benchmark::State& pState)
{
    TRealRoutineClock clock;
    bool abort = false;
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        const double start = threadCpuSeconds();
        clock.wait(TCalibrationRoutine::READ_INTERVAL_MS, &abort, QEventLoop::AllEvents);
        cpuSeconds += threadCpuSeconds() - start;
    }
    const double perWait = cpuSeconds / double(pState.iterations());
    pState.counters["cpu_ms_per_wait"] = benchmark::Counter(perWait * 1e3);
    pState.counters["percent_of_wait"] =
        benchmark::Counter(perWait * 100.0 / (TCalibrationRoutine::READ_INTERVAL_MS / 1000.0));
}
BENCHMARK(BM_SampleWaitWithoutEvents)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

#pragma once

// What the benchmarks share: a menu area that shows nothing, the thread's CPU
// clock, the timing of one poll and a main that runs them as a widget
// application offscreen, under a device root of their own.

#include "channelcontroller.h"
#include "deviceroot.h"
#include "intcommcontroller.h"
#include "memoryallocator.h"
#include "submenucontroller.h"
#include "testsupport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <thread>

// A menu area that shows nothing: the benchmarks run controllers without a window.
class TNoSubMenu : public ISubMenuController
{
public:
    void showSubMenu(const QString&, QWidget*, ISubMenuConfirmationReceiver*, EnSubMenuType) override {}
    void cancelSubMenu(ISubMenuConfirmationReceiver*) override {}
    void setSubMenuCaption(const QString&) override {}
    void restoreSubMenuCaption() override {}
    void setMainMenuCaption() override {}
};

inline double threadCpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Work on the clock, kept out of line under a name of its own: callgrind
// counts it alone with --toggle-collect='measured*'.
[[gnu::noinline]] inline void measured(const std::function<void()>& pWork)
{
    pWork();
}

// The program's CPU time of one whole poll of the measuring cycle, from the
// read timer's tick on to the screen painted (when widgets are shown),
// averaged over the iterations. The board's pause between commands passes
// off the clock, as the time between two ticks would. pBeforePoll runs off
// the clock before each poll, pAfterRead on it after the reading.
inline double cpuSecondsPerPoll(benchmark::State& pState, TChannelController& pChannels,
                                const std::function<void()>& pBeforePoll = {},
                                const std::function<void()>& pAfterRead = {})
{
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        pState.PauseTiming();
        if (pBeforePoll)
            pBeforePoll();
        std::this_thread::sleep_for(std::chrono::milliseconds(TIntCommController::PAUSE_BETWEEN_COMMANDS + 1));
        pState.ResumeTiming();
        const double start = threadCpuSeconds();
        measured([&pChannels, &pAfterRead] {
            pChannels.onChannelReadTimer();
            if (pAfterRead)
                pAfterRead();
            QApplication::processEvents();
        });
        cpuSeconds += threadCpuSeconds() - start;
    }
    const double perPoll = cpuSeconds / double(pState.iterations());
    pState.counters["host_cpu_us"] = benchmark::Counter(perPoll * 1e6);
    return perPoll;
}

// No state of its own to keep for the run.
struct TNoBenchState
{
};

// Runs the benchmarks of a program that builds widgets: offscreen unless a
// platform is given, with the simulated board's link and the settings under a
// device root of its own and the allocator set up as the program's. TState is
// built inside the application and goes before it: what the benchmarks use
// for the whole run lives there.
template <class TState = TNoBenchState> int runWidgetBenchmarks(int pArgc, char** pArgv)
{
    TMemoryAllocator::setUpAsTheProgram();
    const std::unique_ptr<QTemporaryDir> root = makeTemporaryRoot();
    qputenv(TDeviceRoot::ROOT_VARIABLE, root->path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(pArgc, pArgv);
    [[maybe_unused]] TState state;
    benchmark::Initialize(&pArgc, pArgv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// One "meas:curr?" exchange with the simulated board over a pseudo-terminal, as
// the measuring cycle polls it. On the device the wire at 57600 baud needs about
// 6.5 ms for the exchange; the program's own CPU work must stay far below that
// (goal: under 1 %, 65 us).

#include "boardsimulator.h"
#include "deviceroot.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace
{
// CPU time of the calling thread in seconds, the kernel's work for its
// system calls (the wake-ups of a blocking wait among them) included.
double threadCpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct TBenchBoard
{
    TBenchBoard()
    {
        board.start();
        link = std::make_unique<TIntCommController>(QStringLiteral("/dev/ttyO2"), QSerialPort::Baud57600,
                                                    QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop);
        handler = std::make_unique<TInternalSCPIHandler>(link.get());
        handler->setConfChan(1);
    }

    bool measure()
    {
        double electrical = 0.0;
        double temperature = 0.0;
        Probe_enums::EnSmartProbeStatus smart;
        Probe_enums::EnTemperatureAccuracyStatus accuracy;
        short error = 0;
        return handler->getMeasCurr(electrical, temperature, smart, accuracy, error);
    }

    TBoardSimulator board;
    std::unique_ptr<TIntCommController> link;
    std::unique_ptr<TInternalSCPIHandler> handler;
};

TBenchBoard& benchBoard()
{
    static TBenchBoard board;
    return board;
}

// The CPU time of the program's side of the exchanges (the simulated board's
// thread not counted), per exchange.
class THostCost
{
public:
    template <class TAction> void measure(TAction pAction)
    {
        const double start = threadCpuSeconds();
        pAction();
        mCpuSeconds += threadCpuSeconds() - start;
    }

    void report(benchmark::State& pState) const
    {
        pState.counters["host_cpu_us"] = benchmark::Counter(mCpuSeconds * 1e6 / double(pState.iterations()));
    }

private:
    double mCpuSeconds = 0.0;
};

// Polling back to back: wall time is the board's 20 ms pause between commands
// plus the exchange; CPU time is that of the whole process, simulated board
// included.
void BM_MeasCurrPolling(benchmark::State& pState)
{
    TBenchBoard& board = benchBoard();
    THostCost host;
    for (auto _ : pState) {
        host.measure([&]() {
            if (!board.measure())
                pState.SkipWithError("meas:curr? failed");
        });
    }
    host.report(pState);
}
BENCHMARK(BM_MeasCurrPolling)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

// Lets the link's pause between commands pass off the clock.
void waitOutThePause(benchmark::State& pState)
{
    pState.PauseTiming();
    std::this_thread::sleep_for(std::chrono::milliseconds(TIntCommController::PAUSE_BETWEEN_COMMANDS + 1));
    pState.ResumeTiming();
}

// The exchange alone: the pause is waited out before the clock runs, so wall
// time is one round trip over the pseudo-terminal.
void BM_MeasCurrRoundTrip(benchmark::State& pState)
{
    TBenchBoard& board = benchBoard();
    THostCost host;
    for (auto _ : pState) {
        waitOutThePause(pState);
        host.measure([&]() {
            if (!board.measure())
                pState.SkipWithError("meas:curr? failed");
        });
    }
    host.report(pState);
}
BENCHMARK(BM_MeasCurrRoundTrip)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond)->Iterations(300);

// The least any program pays for the same exchange: plain system calls on the
// pseudo-terminal, no serial port class and no code of ours. The program's
// host_cpu_us above this floor is its own work.
void BM_RawExchangeFloor(benchmark::State& pState)
{
    static TBoardSimulator board;
    static int port = -1;
    if (port < 0) {
        QString error;
        const QString path = TDeviceRoot::path(QStringLiteral("/dev/ttyFLOOR"));
        if (!board.start(path, error)) {
            pState.SkipWithError(qPrintable(error));
            return;
        }
        port = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios settings{};
        ::tcgetattr(port, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(port, TCSANOW, &settings);
    }
    const QByteArray frame = TIntCommController::frame("meas:curr?");
    const char ack = TIntCommController::ACK;
    THostCost host;
    for (auto _ : pState) {
        waitOutThePause(pState);
        host.measure([&]() {
            [[maybe_unused]] ssize_t written = ::write(port, frame.constData(), size_t(frame.size()));
            // The board's ACK, then its reply up to CR LF.
            char received[256];
            int count = 0;
            while (count < 3 || received[count - 2] != '\r' || received[count - 1] != '\n') {
                pollfd readable{port, POLLIN, 0};
                if (::poll(&readable, 1, TIntCommController::TIMEOUT) <= 0)
                    break;
                const ssize_t got = ::read(port, received + count, sizeof received - size_t(count));
                if (got > 0)
                    count += int(got);
            }
            written = ::write(port, &ack, 1);
        });
    }
    host.report(pState);
}
BENCHMARK(BM_RawExchangeFloor)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond)->Iterations(300);
} // namespace

int main(int argc, char** argv)
{
    // The simulated board links its pseudo-terminal under a root of its own.
    const std::unique_ptr<QTemporaryDir> root = makeTemporaryRoot();
    qputenv(TDeviceRoot::ROOT_VARIABLE, root->path().toLocal8Bit());
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

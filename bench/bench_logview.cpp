// Opening the content view of a log file: its last hundred lines read and
// laid out as labels, as a tap on the file's row in the list does. The view
// reads the file back from its end, so the cost does not grow with the file:
// the same for a short log and for a day's log of 100,000 lines. Goal on the
// device's core: at most 5 M instructions (callgrind) per opening.

#include "benchsupport.h"
#include "logfilecontroller.h"
#include "loggerfixture.h"

#include <QLayout>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
constexpr double CYCLE_SECONDS = 0.5;

QByteArray logfileWithLines(int pCount)
{
    QByteArray content = "ZTM8800\r\nSerial number: 1\r\nStart time: 01/01/2026 08:00:00\r\n\r\n"
                         "Date;Time;Channel;Temperature value;Unit;Raw value;Unit;Temperature difference;Unit;"
                         "Raw value difference;Unit\r\n";
    for (int n = 1; n <= pCount; ++n)
        content += "01/01/2026;08:00:00;Channel 1;" + QByteArray::number(n) +
                   ".0000;\xC2\xB0"
                   "C;100.00000;R;;;;\r\n";
    return content;
}

void BM_OpenLogfileContent(benchmark::State& pState)
{
    const int lines = int(pState.range(0));
    auto fixture = std::make_unique<TLoggerFixture>();
    fixture->putLogfile(QStringLiteral("01012026_080000000"), logfileWithLines(lines));
    fixture->buildLogger();
    QWidget* row = fixture->ui().scrollAreaLoggerContents->layout()->itemAt(0)->widget();
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        const double start = threadCpuSeconds();
        QTest::mouseClick(row, Qt::LeftButton);
        cpuSeconds += threadCpuSeconds() - start;
    }
    const double perOpening = cpuSeconds / double(pState.iterations());
    pState.counters["host_cpu_us"] = benchmark::Counter(perOpening * 1e6);
    pState.counters["cycle_percent"] = benchmark::Counter(perOpening / CYCLE_SECONDS * 100.0);
}
BENCHMARK(BM_OpenLogfileContent)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Iterations(20);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

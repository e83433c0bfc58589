// Opening the content view of a log file, from the tap on the file's row in
// the list to the view painted: its last hundred lines read, shown as two
// hundred labels, the page put into the menu area as the main window does,
// laid out and painted by the event loop. Before the first opening after the
// start the list has been painted and the program left idle, as it is while
// the user looks at the list: the labels are made then, ahead of the tap, and
// the first opening gives them their texts and shows them; a later one gives
// them new texts. The view reads the file back from its end, so the cost does
// not grow with the file: the same for a short log and for a day's log of
// 100,000 lines. Goals on the device's core, counted in instructions with
// callgrind (--toggle-collect='measured*'): at most 40 M for the first
// opening and 15 M for a later one. Measured: about 14 M and 12 M. The list's
// own painting is measured beside them (5.1 M), so that the labels made ahead
// are seen not to delay it.

#include "benchsupport.h"
#include "logfilecontroller.h"
#include "loggerfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace
{
constexpr double CYCLE_SECONDS = 0.5;
// More rounds of the event loop than a tap to a painted view takes.
constexpr int MAX_EVENT_ROUNDS = 100;

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

// Counts the paintings of the widget it watches.
class TPaintCounter : public QObject
{
public:
    int mPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            ++mPaints;
        return false;
    }
};

// The lines of the content view, shown or made ahead.
int contentLines(Ui_TTamarindMainForm& pUi)
{
    return int(pUi.scrollAreaLogfileContentWidget->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size());
}

// The logger page's list holding the one log file, on the screen when pListShown (else the download page), and
// the menu area showing the main menu.
std::unique_ptr<TLoggerFixture> loggerOnScreen(int pLines, bool pListShown = true)
{
    auto fixture = std::make_unique<TLoggerFixture>();
    fixture->putLogfile(QStringLiteral("01012026_080000000"), logfileWithLines(pLines));
    fixture->buildLogger();
    Ui_TTamarindMainForm& ui = fixture->ui();
    ui.stackedWidget->setCurrentWidget(pListShown ? ui.PageLogger : ui.PageDownload);
    ui.stackedWidgetMenu->setCurrentWidget(ui.PageMenu);
    fixture->form().resize(800, 480);
    fixture->form().show();
    if (!QTest::qWaitForWindowExposed(&fixture->form()))
        qWarning("the window was not shown");
    QApplication::processEvents();
    // The list painted, then the program idle, as it is before the user taps a row: the content view's lines are
    // made ahead then.
    for (int round = 0;
         pListShown && round < MAX_EVENT_ROUNDS && contentLines(ui) < 2 * TLogfileController::MAX_DISPLAYED_LINES;
         ++round)
        QApplication::processEvents();
    return fixture;
}

// Return from the content view: the menu area shows the main menu again.
void returnToMenu(TLoggerFixture& pFixture)
{
    pFixture.ui().stackedWidgetMenu->setCurrentWidget(pFixture.ui().PageMenu);
    QApplication::processEvents();
}

// The tap on the file's row, the page shown in the menu area, and the event
// loop run until the view has been painted; on the clock when pCounted. False
// when the view was never painted.
bool openContentView(TLoggerFixture& pFixture, bool pCounted = true)
{
    Ui_TTamarindMainForm& ui = pFixture.ui();
    TPaintCounter painted;
    ui.scrollAreaLogfileContentWidget->installEventFilter(&painted);
    QWidget* row = ui.scrollAreaLoggerContents->layout()->itemAt(0)->widget();
    int rounds = 0;
    const std::function<void()> open = [&] {
        QTest::mouseClick(row, Qt::LeftButton);
        ui.LblMenuCaption->setText(pFixture.subMenu().mCaption);
        ui.stackedWidgetMenu->setCurrentWidget(pFixture.subMenu().mShownPage);
        while (painted.mPaints == 0 && rounds++ < MAX_EVENT_ROUNDS)
            QApplication::processEvents();
    };
    if (pCounted)
        measured(open);
    else
        open();
    return painted.mPaints > 0 && ui.stackedWidgetMenu->currentWidget() == ui.PageLogfile;
}

enum EnOpening { oFirst, oLater };

// Arguments: the file's data lines, and which opening (EnOpening).
void BM_OpenLogfileContent(benchmark::State& pState)
{
    const int lines = int(pState.range(0));
    const bool first = pState.range(1) == oFirst;
    std::unique_ptr<TLoggerFixture> fixture = first ? nullptr : loggerOnScreen(lines);
    if (fixture && !openContentView(*fixture, false))
        pState.SkipWithError("the content view was not painted");
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        pState.PauseTiming();
        if (first)
            fixture = loggerOnScreen(lines);
        else
            returnToMenu(*fixture);
        pState.ResumeTiming();
        const double start = threadCpuSeconds();
        if (!openContentView(*fixture)) {
            pState.SkipWithError("the content view was not painted");
            break;
        }
        cpuSeconds += threadCpuSeconds() - start;
    }
    const double perOpening = cpuSeconds / double(pState.iterations());
    pState.counters["host_cpu_us"] = benchmark::Counter(perOpening * 1e6);
    pState.counters["cycle_percent"] = benchmark::Counter(perOpening / CYCLE_SECONDS * 100.0);
}
BENCHMARK(BM_OpenLogfileContent)
    ->Args({1000, oFirst})
    ->Args({100000, oFirst})
    ->Args({1000, oLater})
    ->Args({100000, oLater})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(5);

// The logger page's list shown in the main area, from another page, until it
// is painted: the lines made ahead for the content view must come after it.
void BM_ShowLogfileList(benchmark::State& pState)
{
    double cpuSeconds = 0.0;
    for (auto _ : pState) {
        pState.PauseTiming();
        std::unique_ptr<TLoggerFixture> fixture = loggerOnScreen(1000, false);
        Ui_TTamarindMainForm& ui = fixture->ui();
        TPaintCounter painted;
        ui.scrollAreaLoggerContents->installEventFilter(&painted);
        pState.ResumeTiming();
        const double start = threadCpuSeconds();
        measured([&] {
            ui.stackedWidget->setCurrentWidget(ui.PageLogger);
            for (int rounds = 0; painted.mPaints == 0 && rounds < MAX_EVENT_ROUNDS; ++rounds)
                QApplication::processEvents();
        });
        cpuSeconds += threadCpuSeconds() - start;
        if (painted.mPaints == 0) {
            pState.SkipWithError("the list was not painted");
            break;
        }
        ui.scrollAreaLoggerContents->removeEventFilter(&painted);
    }
    pState.counters["host_cpu_us"] = benchmark::Counter(cpuSeconds / double(pState.iterations()) * 1e6);
}
BENCHMARK(BM_ShowLogfileList)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond)->Iterations(5);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

// One whole poll of the measuring cycle, from the read timer's tick until the
// listeners were told: the "meas:curr?" exchange with the simulated board over
// a pseudo-terminal, the reading stored in the channel (averaging, stability,
// peaks, graph history), the probe's range check and three listeners. The
// instrument polls twice a second; the program's CPU time for it must stay a
// negligible share of one core (goal: under 0.1 %, 500 us per poll).

#include "benchsupport.h"
#include "boardsimulator.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerlistener.h"
#include "clickablewidgetcontroller.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "probe.h"

#include <QLabel>
#include <QVBoxLayout>

#include <chrono>
#include <ctime>
#include <thread>

namespace
{
constexpr int POLLS_PER_SECOND = 2;

// Takes what the graph view, the logger and scan mode take from a poll.
class TCountingListener : public IChannelControllerListener
{
public:
    void channelRead(TAbstractChannel* pChannel) override
    {
        TElectricalTemperatureValue temperature;
        TElectricalTemperatureValue electrical;
        pChannel->currentValueNumeric(temperature, electrical);
        mSum += temperature.value();
    }
    void afterMeasBoardPolled(int pIntervallMilliseconds) override { mPolled += pIntervallMilliseconds; }

    double mSum = 0.0;
    long mPolled = 0;
};

struct TBenchInstrument
{
    TBenchInstrument()
    {
        board.start();
        board.withState([](TBoardState& pState) { pState.setSignal(1, TTemperatureSignal::noise(23.0, 0.01)); });
        link = std::make_unique<TIntCommController>(QStringLiteral("/dev/ttyO2"), QSerialPort::Baud57600,
                                                    QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop);
        handler = std::make_unique<TInternalSCPIHandler>(link.get());

        auto* column = new QVBoxLayout(&page);
        QWidget* buttons[11];
        for (QWidget*& button : buttons) {
            button = new QWidget(&page);
            column->addWidget(button);
        }
        controller = std::make_unique<TChannelController>(
            &subMenu, handler.get(), std::make_unique<TClickableWidgetController>(), &page, buttons[0], buttons[1],
            buttons[2], buttons[3], buttons[4], buttons[5], buttons[6], buttons[7], buttons[8], buttons[9], buttons[10],
            &labelX, &labelY, 10, 500);
        probe = std::make_unique<TPRTProbe>(1, "PT100", Probe_enums::prttPT100, false, 1, -200.0, 450.0, QDate(), false,
                                            Probe_enums::w4wire, false, false, Probe_enums::OneMilliAmp,
                                            Probe_enums::rprtAuto, Probe_enums::cprtEN60751, 100.0, 3.9083e-3,
                                            -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0);
        controller->physical_channel(1)->assignProbe(probe.get());
        controller->measureChannel(controller->channel(1));
        controller->channel(1)->startRecordingGraphValues();
        for (TCountingListener& listener : listeners)
            controller->addListener(&listener);
    }

    TBoardSimulator board;
    std::unique_ptr<TIntCommController> link;
    std::unique_ptr<TInternalSCPIHandler> handler;
    TNoSubMenu subMenu;
    QWidget page;
    QLabel labelX;
    QLabel labelY;
    std::unique_ptr<TChannelController> controller;
    std::unique_ptr<TPRTProbe> probe;
    TCountingListener listeners[3];
};

TBenchInstrument& instrument()
{
    static TBenchInstrument bench;
    return bench;
}

void BM_WholePoll(benchmark::State& pState)
{
    TBenchInstrument& bench = instrument();
    const double perPoll = cpuSecondsPerPoll(pState, *bench.controller);
    pState.counters["core_percent_at_2_polls_per_s"] = benchmark::Counter(perPoll * POLLS_PER_SECOND * 100.0);
}
BENCHMARK(BM_WholePoll)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond)->Iterations(300);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

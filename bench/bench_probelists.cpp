// The rebuild of the probe menu and the probe selection list with 80 custom
// probes, as it runs after every stored probe and for every line of a
// coefficient import: the old rows go, one row per probe is made, fitted and
// registered on both lists, and the rows left behind are deleted. Storing a
// probe takes about 50 ms on the wire at 57,600 baud; the rebuild must stay
// under 5 % of that on the device (goal here: under 2.5 ms).

#include "benchsupport.h"
#include "boardsimulator.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "instrumentinfo.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "probecontroller.h"
#include "tamarindmainform_ui.h"

namespace
{
// A board with all 80 custom places taken, and the probe pages of the form.
struct TBenchProbes
{
    TBenchProbes()
    {
        board.withState([](TBoardState& pState) {
            for (int number = 1; number <= TProbeController::MAX_PROBE_NUMBER; ++number)
                pState.mProbeMemory.fillSlot(
                    number, QStringLiteral("1,Probe %1 of the bath,450.0,-200.0,1,100,3.9083e-03,-5.775e-07,"
                                           "-4.183e-12,0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,2,1,0,2")
                                .arg(number));
        });
        board.start();
        link = std::make_unique<TIntCommController>(QStringLiteral("/dev/ttyO2"), QSerialPort::Baud57600,
                                                    QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop);
        handler = std::make_unique<TInternalSCPIHandler>(link.get());
        // The records have the layout of the board's model.
        TInstrumentInfo::instance()->initialize(handler.get());
        ui.setupUi(&form);
        channels = std::make_unique<TChannelController>(
            &subMenu, handler.get(), std::make_unique<TClickableWidgetController>(), ui.PageChannelSelection,
            ui.BtnChanSel_1, ui.BtnChanSel_2, ui.BtnChanSel_3, ui.BtnChanSel_4, ui.BtnChanSel_Reciprocal,
            ui.BtnChanSel_Sum, ui.BtnChanSel_Diff, ui.BtnChanSel_Product, ui.BtnChanSel_Quotient, ui.BtnChanSel_X,
            ui.BtnChanSel_Y, ui.LblChanSel_X, ui.LblChanSel_Y, 10, 500);
        probes = std::make_unique<TProbeController>(
            &subMenu, channels.get(), handler.get(), nullptr, nullptr, std::make_unique<TClickableWidgetController>(),
            std::make_unique<TClickableWidgetController>(), ui.PageProbeSelection, ui.BtnDefProbe_3w_prt,
            ui.BtnDefProbe_4w_prt, ui.BtnDefProbe_sprt, ui.BtnDefProbe_thermistor, ui.BtnDefProbe_thermocouple,
            ui.BtnProbe_NewPRT, ui.BtnProbe_NewTC, ui.BtnProbe_NewTherm, ui.WgtFilter, ui.LblProbeFilterValue,
            ui.BtnDeleteProbe, ui.BtnProbe_ListSmartProbes, ui.scrollAreaProbeMenu, ui.scrollAreaProbeSel);
        probes->loadProbesFromDevice();
    }

    TBoardSimulator board;
    std::unique_ptr<TIntCommController> link;
    std::unique_ptr<TInternalSCPIHandler> handler;
    TNoSubMenu subMenu;
    QWidget form;
    Ui_TTamarindMainForm ui;
    std::unique_ptr<TChannelController> channels;
    std::unique_ptr<TProbeController> probes;
};

void BM_ProbeListRebuild(benchmark::State& pState)
{
    TBenchProbes bench;
    pState.counters["custom_probes"] = benchmark::Counter(double(bench.probes->customProbes().size()));
    for (auto _ : pState) {
        bench.probes->updateProbeListViews();
        // The event loop takes what the rebuild left: the old rows' deletion and the layouts' requests.
        QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(BM_ProbeListRebuild)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

// Opening a stored calibration setup of 100 set points in the editor, again
// and again, as a user going through the setups does. Each opening builds a
// row per point. The time of one opening must not grow with the openings
// before it: a grid never gives up a row, and its layout works through all of
// them (goal here: under 50 ms per opening after 200 openings, grid_rows
// constant). Measured: 37 ms and 115 rows after 200 openings; before, the
// grid grew by 100 rows per opening and the 200th took 630 ms.

#include "benchsupport.h"
#include "calibrationfilestore.h"
#include "calibrationroutinesguicontroller.h"
#include "calibrationsetup.h"
#include "channel.h"
#include "channelcontrollerfixture.h"
#include "routinescontrollerfixture.h"
#include "tamarindmainform_ui.h"
#include "zelkcontainerradiobutton.h"

#include <QGridLayout>

namespace
{
struct TBenchEditor
{
    TBenchEditor()
    {
        TChannelController& channels = fixture.build();
        zelk::vector<TElectricalTemperatureValue> points;
        for (int point = 1; point <= TCalibrationSetup::MAX_CALIBRATION_POINTS; ++point)
            points.push_back(TElectricalTemperatureValue(point, Electrical_temperature_units::uCelsius));
        const TCalibrationSetup setup(QStringLiteral("Bath"), EnCalibratorType::ctDWK4400_165,
                                      channels.physical_channel(1), {TChannelDescription(3, QStringLiteral("3"))}, 1,
                                      0.1, 1, points, QString(), 0);
        TCalibrationFileStore(channels).storeSetup(&setup);
        controller = buildRoutinesController(fixture);
        setupButton = fixture.ui().WgtCalibrationSetupsParent->findChild<QZELKContainerRadioButton*>();
    }

    TChannelControllerFixture fixture;
    std::unique_ptr<TCalibrationRoutinesGUIController> controller;
    QZELKContainerRadioButton* setupButton = nullptr;
};

void BM_OpenSetupOf100Points(benchmark::State& pState)
{
    TBenchEditor bench;
    if (!bench.setupButton) {
        pState.SkipWithError("no stored setup listed");
        return;
    }
    for (auto _ : pState) {
        bench.setupButton->setChecked(true);
        bench.controller->cancelClicked();
        // What the event loop would do between two taps: the layout requests,
        // then the deletion of the rows taken away.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    auto* grid = qobject_cast<QGridLayout*>(bench.fixture.ui().scrollAreaCallRoutineEditWidget->layout());
    pState.counters["grid_rows"] = benchmark::Counter(grid ? double(grid->rowCount()) : 0.0);
}
BENCHMARK(BM_OpenSetupOf100Points)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_OpenSetupOf100Points)->Unit(benchmark::kMillisecond)->Iterations(200);
} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

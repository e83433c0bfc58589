#include "calibrationroutine.h"
#include "calibrationroutineobserver.h"
#include "calibrationsetup.h"
#include "calibratorfixture.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channeldescription.h"
#include "ftdi_usb_serial_device.h"
#include "routineclock.h"
#include "testsupport.h"

using namespace Calibrationroutine;
using namespace Electrical_temperature_units;

namespace
{
class TStatusLog : public ICalibrationRoutineObserver
{
public:
    void calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                         const TElectricalTemperatureValue&) override
    {
        mStatuses << int(pRoutine.status());
    }
    void referenceValueUpdated(const TElectricalTemperatureValue&, const TElectricalTemperatureValue&, double) override
    {
        mStatuses << -1;
    }
    void dutValueUpdated(const TElectricalTemperatureValue&, const TChannelDescription&,
                         const TElectricalTemperatureValue&) override
    {
        mStatuses << -2;
    }
    void calPointComplete(const TElectricalTemperatureValue&) override { mStatuses << -3; }

    QList<int> mStatuses;
};
} // namespace

Q_DECLARE_METATYPE(EnCalibratorType)

// A run on an instrument whose converter library is missing: the program
// gives up before it touches any calibrator, the network ones too, which
// need no converter but come with the same option.
class tst_CalibrationRoutineWithoutConverter : public QObject
{
    Q_OBJECT

private slots:
    void runEndsAtOnce_data();
    void runEndsAtOnce();
};

void tst_CalibrationRoutineWithoutConverter::runEndsAtOnce_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::newRow("modbus dry well") << EnCalibratorType::ctDWK4400_165;
    QTest::newRow("network bath") << EnCalibratorType::ctMBK2800;
}

void tst_CalibrationRoutineWithoutConverter::runEndsAtOnce()
{
    QFETCH(EnCalibratorType, type);
    IRoutineClock::replace(std::make_unique<TFastForwardRoutineClock>());
    QVERIFY(!TFTDI_Usb_Serial_Device::instance()->isLibraryAvailable());
    TCalibratorFixture calibrator;
    QVERIFY(calibrator.start(type));
    TChannelControllerFixture fixture;
    fixture.build(500);
    fixture.controller().setReadingActive(true);
    const TCalibrationSetup setup(
        QStringLiteral("bench"), type, fixture.controller().physical_channel(1), {TChannelDescription(2, "2")}, 1, 0.1,
        1, {TElectricalTemperatureValue(50.0, uCelsius)}, QStringLiteral("127.0.0.1"), calibrator.simulator().port());
    TCalibrationRoutine routine(&setup);
    TStatusLog log;
    routine.addObserver(&log);

    QString message;
    QCOMPARE(routine.startRoutine(&fixture.controller(), nullptr, message), rrLibraryUnavailable);
    QCOMPARE(log.mStatuses, QList<int>{int(rsCompleted)});
    QVERIFY(routine.calibrationPointsResults().empty());
    QVERIFY(fixture.controller().isReadingActive());
    QCOMPARE(calibrator.simulator().model().setPointCount(), 0ul);
    IRoutineClock::replace(nullptr);
}

TAMARIND_TEST_MAIN(tst_CalibrationRoutineWithoutConverter)
#include "tst_calibrationroutinewithoutconverter.moc"

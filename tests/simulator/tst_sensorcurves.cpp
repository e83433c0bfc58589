#include "sensorcurves.h"
#include "simulatedinput.h"
#include "testsupport.h"

#include <random>

// Expected values from the EN 60751 and ITS-90 thermocouple reference tables.
class tst_SensorCurves : public QObject
{
    Q_OBJECT

private slots:
    void platinum_data();
    void platinum();
    void thermocouples_data();
    void thermocouples();
    void signalShapes_data();
    void signalShapes();
    void inputRanges_data();
    void inputRanges();
};

void tst_SensorCurves::platinum_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("r0");
    QTest::addColumn<double>("ohm");
    QTest::newRow("Pt100 at 0") << 0.0 << 100.0 << 100.0;
    QTest::newRow("Pt100 at 100") << 100.0 << 100.0 << 138.5055;
    QTest::newRow("Pt100 at -100") << -100.0 << 100.0 << 60.2558;
    QTest::newRow("Pt100 at -200") << -200.0 << 100.0 << 18.5201;
    QTest::newRow("Pt100 at 850") << 850.0 << 100.0 << 390.4811;
    QTest::newRow("Pt25 at 100") << 100.0 << 25.0 << 34.626375;
}

void tst_SensorCurves::platinum()
{
    QFETCH(double, temperature);
    QFETCH(double, r0);
    QFETCH(double, ohm);
    QVERIFY2(qAbs(TSensorCurves::standardPlatinum(temperature, r0) - ohm) < 1e-4,
             qPrintable(QString::number(TSensorCurves::standardPlatinum(temperature, r0), 'f', 6)));
}

void tst_SensorCurves::thermocouples_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("millivolt");
    QTest::newRow("K at 0") << int(TSensorCurves::tcK) << 0.0 << 0.0;
    QTest::newRow("K at 100") << int(TSensorCurves::tcK) << 100.0 << 4.096;
    QTest::newRow("K at 1000") << int(TSensorCurves::tcK) << 1000.0 << 41.276;
    QTest::newRow("K at -100") << int(TSensorCurves::tcK) << -100.0 << -3.554;
    QTest::newRow("J at 100") << int(TSensorCurves::tcJ) << 100.0 << 5.269;
    QTest::newRow("J at 500") << int(TSensorCurves::tcJ) << 500.0 << 27.393;
    QTest::newRow("T at 200") << int(TSensorCurves::tcT) << 200.0 << 9.288;
    QTest::newRow("T at -100") << int(TSensorCurves::tcT) << -100.0 << -3.379;
}

void tst_SensorCurves::thermocouples()
{
    QFETCH(int, type);
    QFETCH(double, temperature);
    QFETCH(double, millivolt);
    const double value = TSensorCurves::thermocoupleVoltage(TSensorCurves::EnThermocouple(type), temperature);
    QVERIFY2(qAbs(value - millivolt) < 0.0006, qPrintable(QString::number(value, 'f', 5)));
}

void tst_SensorCurves::signalShapes_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<double>("now");
    QTest::addColumn<double>("expected");
    // All signals are set at second 10.
    QTest::newRow("constant") << int(TTemperatureSignal::tsConstant) << 1000.0 << 25.0;
    QTest::newRow("ramp when it starts") << int(TTemperatureSignal::tsRamp) << 10.0 << 25.0;
    QTest::newRow("ramp two minutes later") << int(TTemperatureSignal::tsRamp) << 130.0 << 26.0;
    QTest::newRow("step before") << int(TTemperatureSignal::tsStep) << 39.9 << 25.0;
    QTest::newRow("step after") << int(TTemperatureSignal::tsStep) << 40.0 << 80.0;
}

void tst_SensorCurves::signalShapes()
{
    QFETCH(int, shape);
    QFETCH(double, now);
    QFETCH(double, expected);
    TTemperatureSignal signal = TTemperatureSignal::constant(25.0);
    if (shape == TTemperatureSignal::tsRamp)
        signal = TTemperatureSignal::ramp(25.0, 0.5, 10.0);
    else if (shape == TTemperatureSignal::tsStep)
        signal = TTemperatureSignal::step(25.0, 80.0, 30.0, 10.0);
    std::mt19937 random(1);
    QCOMPARE(signal.valueAt(now, random), expected);
}

void tst_SensorCurves::inputRanges_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<int>("status");
    QTest::newRow("Pt100 in range") << int(ssPt100) << 0.0 << 0;
    QTest::newRow("Pt100 below") << int(ssPt100) << -210.0 << 1;
    QTest::newRow("Pt25 above") << int(ssPt25) << 970.0 << 2;
    QTest::newRow("type T above 400") << int(ssThermocoupleT) << 401.0 << 2;
    QTest::newRow("type K at 1200") << int(ssThermocoupleK) << 1200.0 << 0;
}

void tst_SensorCurves::inputRanges()
{
    QFETCH(int, sensor);
    QFETCH(double, temperature);
    QFETCH(int, status);
    TSimulatedInput input;
    input.mSensor = EnSimulatedSensor(sensor);
    QCOMPARE(input.rangeStatus(temperature), status);
}

TAMARIND_TEST_MAIN(tst_SensorCurves)
#include "tst_sensorcurves.moc"

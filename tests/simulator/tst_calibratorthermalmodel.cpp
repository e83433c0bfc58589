#include "calibratorcontrolinterpreter.h"
#include "calibratorsimulator.h"
#include "calibratorthermalmodel.h"
#include "testsupport.h"

#include <cmath>

// The simulated calibrator's block on a virtual clock: full rate until a
// kelvin short of the set point, exponential after, stable after 30 s in the
// 0.01 K band.
class tst_CalibratorThermalModel : public QObject
{
    Q_OBJECT

private slots:
    void temperatureFollowsTheSetPoint_data();
    void temperatureFollowsTheSetPoint();
    void stableAfterThirtySecondsInTheBand();
    void readingsCarryAFewMillikelvinOfNoise();
    void controlInterfaceShowsStability();

private:
    double mNow = 1000.0;
    TCalibratorThermalModel::TClock clock()
    {
        return [this]() { return mNow; };
    }
};

void tst_CalibratorThermalModel::temperatureFollowsTheSetPoint_data()
{
    QTest::addColumn<double>("setPoint");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("expected");
    QTest::newRow("heating a minute at 20 K/min") << 63.0 << 60.0 << 43.0;
    QTest::newRow("one kelvin short after 117 s") << 63.0 << 117.0 << 62.0;
    QTest::newRow("one time constant into the last kelvin") << 63.0 << 120.0 << 63.0 - std::exp(-1.0);
    QTest::newRow("cooling a minute at 10 K/min") << 3.0 << 60.0 << 13.0;
    QTest::newRow("cooling, one time constant into the last kelvin") << 3.0 << 120.0 << 3.0 + std::exp(-1.0);
    QTest::newRow("a set point within the last kelvin") << 23.5 << 1.5 << 23.5 - 0.5 * std::exp(-0.5);
}

void tst_CalibratorThermalModel::temperatureFollowsTheSetPoint()
{
    QFETCH(double, setPoint);
    QFETCH(double, seconds);
    QFETCH(double, expected);
    TCalibratorThermalModel model(23.0, clock());
    model.setSetPoint(setPoint);
    // Asked on the way or only at the end: the same curve.
    TCalibratorThermalModel sampled(23.0, clock());
    sampled.setSetPoint(setPoint);
    const double start = mNow;
    for (double step = 0.0; step < seconds; step += 0.7) {
        mNow = start + step;
        sampled.temperature();
    }
    mNow = start + seconds;
    QVERIFY2(std::fabs(model.temperature() - expected) < 1e-9, qPrintable(QString::number(model.temperature())));
    QVERIFY(std::fabs(sampled.temperature() - expected) < 1e-9);
}

void tst_CalibratorThermalModel::stableAfterThirtySecondsInTheBand()
{
    TCalibratorThermalModel model(23.0, clock());
    const double start = mNow;
    model.setSetPoint(63.0);
    QVERIFY(!model.isStable());
    // In the band 3 s x ln(100) after the last kelvin began at 117 s.
    const double inBand = 117.0 + 3.0 * std::log(100.0);
    mNow = start + inBand - 0.1;
    QCOMPARE(model.secondsInBand(), 0.0);
    mNow = start + inBand + 29.9;
    QVERIFY(!model.isStable());
    mNow = start + inBand + 30.1;
    QVERIFY(model.isStable());
    model.setSetPoint(64.0);
    QVERIFY(!model.isStable());
}

void tst_CalibratorThermalModel::readingsCarryAFewMillikelvinOfNoise()
{
    TCalibratorThermalModel model(23.0, clock());
    double lowest = 100.0;
    double highest = -100.0;
    for (int sample = 0; sample < 200; ++sample) {
        const double reading = model.reading();
        lowest = std::min(lowest, reading);
        highest = std::max(highest, reading);
    }
    QVERIFY(highest - lowest > 0.001);
    QVERIFY(lowest > 23.0 - 0.02 && highest < 23.0 + 0.02);
    model.setNoise(0.0);
    QCOMPARE(model.reading(), 23.0);
}

void tst_CalibratorThermalModel::controlInterfaceShowsStability()
{
    TCalibratorSimulator simulator(EnCalibratorType::ctDWK4400_165, clock());
    TCalibratorControlInterpreter interpreter(simulator);
    QCOMPARE(interpreter.execute(QStringLiteral("setpoint 30")).last(), QStringLiteral("OK"));
    QVERIFY(interpreter.execute(QStringLiteral("status")).contains(QStringLiteral("stable no (0.0 s within 0.01 K)")));
    mNow += 600.0;
    const QStringList status = interpreter.execute(QStringLiteral("status"));
    QVERIFY(status.contains(QStringLiteral("setpoint 30.000 degC")));
    QVERIFY(status.contains(QStringLiteral("temperature 30.000 degC")));
    QVERIFY2(status.filter(QStringLiteral("stable yes")).size() == 1, qPrintable(status.join(QLatin1Char('\n'))));
    QVERIFY(interpreter.execute(QStringLiteral("setpoint hot")).first().startsWith(QStringLiteral("ERR")));
}

TAMARIND_TEST_MAIN(tst_CalibratorThermalModel)
#include "tst_calibratorthermalmodel.moc"

#include "testsupport.h"
#include "twopointcalibration.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace
{
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double UNTOUCHED = -777.0;
} // namespace

// The linear correction through two measured points.
class tst_TwoPointCalibration : public QObject
{
    Q_OBJECT

private slots:
    void correction_data();
    void correction();
    void clearingOnePointKeepsTheOther();
};

void tst_TwoPointCalibration::correction_data()
{
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<double>("slope");
    QTest::addColumn<double>("offset");

    QTest::newRow("lower point first") << 10.0 << 0.0 << 110.0 << 100.0 << true << 1.0 << -10.0;
    QTest::newRow("upper point first") << 110.0 << 100.0 << 10.0 << 0.0 << true << 1.0 << -10.0;
    QTest::newRow("gain and offset") << 0.05 << 0.0 << 400.85 << 400.0 << true << 400.0 / 400.8
                                     << -0.05 * 400.0 / 400.8;
    QTest::newRow("same raw value, different nominal values") << 10.0 << 0.0 << 10.0 << 100.0 << false << 0.0 << 0.0;
    QTest::newRow("first point without nominal value") << 10.0 << NaN << 110.0 << 100.0 << false << 0.0 << 0.0;
    QTest::newRow("second point without raw value") << 10.0 << 0.0 << NaN << 100.0 << false << 0.0 << 0.0;
}

void tst_TwoPointCalibration::correction()
{
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(bool, computed);

    TTwoPointCalibration calibration;
    double gotSlope = UNTOUCHED;
    double gotOffset = UNTOUCHED;
    QVERIFY(!calibration.calcSlopeAndOffset(gotSlope, gotOffset));
    QCOMPARE(gotSlope, UNTOUCHED);
    QCOMPARE(gotOffset, UNTOUCHED);

    calibration.setFirstPoint(x1, y1);
    calibration.setSecondPoint(x2, y2);
    QCOMPARE(calibration.isFirstPointValid(), !std::isnan(x1) && !std::isnan(y1));
    QCOMPARE(calibration.isSecondPointValid(), !std::isnan(x2) && !std::isnan(y2));
    QCOMPARE(calibration.calcSlopeAndOffset(gotSlope, gotOffset), computed);
    if (computed) {
        QFETCH(double, slope);
        QFETCH(double, offset);
        QVERIFY2(std::fabs(gotSlope - slope) < 1e-12, qPrintable(QString::number(gotSlope, 'g', 17)));
        QVERIFY2(std::fabs(gotOffset - offset) < 1e-12, qPrintable(QString::number(gotOffset, 'g', 17)));
    } else {
        QCOMPARE(gotSlope, UNTOUCHED);
        QCOMPARE(gotOffset, UNTOUCHED);
    }
}

void tst_TwoPointCalibration::clearingOnePointKeepsTheOther()
{
    TTwoPointCalibration calibration;
    calibration.setFirstPoint(10.0, 0.0);
    calibration.setSecondPoint(110.0, 100.0);
    QVERIFY(calibration.isPointsComplete());

    calibration.clearFirstPoint();
    QVERIFY(!calibration.isPointsComplete());
    QVERIFY(!calibration.isFirstPointValid());
    QVERIFY(calibration.isSecondPointValid());
    QVERIFY(std::isnan(calibration.firstPoint().first) && std::isnan(calibration.firstPoint().second));

    calibration.setFirstPoint(10.0, 0.0);
    calibration.clearSecondPoint();
    QVERIFY(calibration.isFirstPointValid());
    QVERIFY(!calibration.isSecondPointValid());
}

TAMARIND_TEST_MAIN(tst_TwoPointCalibration)
#include "tst_twopointcalibration.moc"

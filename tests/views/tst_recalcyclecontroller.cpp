#include "recalcyclecontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QTest>

namespace
{
const QString SECTION = QStringLiteral("recalibration_cycle");
const QString KEY = QStringLiteral("months");
} // namespace

// The recalibration cycle as stored in the settings and the dates it gives.
class tst_RecalCycleController : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void storedCycle_data();
    void storedCycle();
    void nextDateIsCalendarMonths();
    void dueOnlyAfterTheNextDate_data();
    void dueOnlyAfterTheNextDate();
    void setCycleIsInTheFileAtOnce();
};

void tst_RecalCycleController::init()
{
    TTamarindSettings::instance().removeSection(SECTION);
}

void tst_RecalCycleController::storedCycle_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("months");

    QTest::newRow("nothing stored") << QString() << 12;
    QTest::newRow("24") << "24" << 24;
    QTest::newRow("no number") << "abc" << 0;
}

void tst_RecalCycleController::storedCycle()
{
    QFETCH(QString, stored);
    QFETCH(int, months);
    if (!stored.isNull())
        TTamarindSettings::instance().setValue(SECTION, KEY, stored);

    const TRecalCycleController controller;
    QCOMPARE(int(controller.recalMonths()), months);
}

void tst_RecalCycleController::nextDateIsCalendarMonths()
{
    TRecalCycleController controller;
    controller.setRecalibrationCycle(1);
    QCOMPARE(controller.nextCalDate(QDate(2024, 1, 31)), QDate(2024, 2, 29));
    QCOMPARE(controller.nextCalDate(QDate(2023, 1, 31)), QDate(2023, 2, 28));
    controller.setRecalibrationCycle(12);
    QCOMPARE(controller.nextCalDate(QDate(2024, 2, 29)), QDate(2025, 2, 28));
    controller.setRecalibrationCycle(0);
    QCOMPARE(controller.nextCalDate(QDate(2024, 5, 17)), QDate(2024, 5, 17));
}

void tst_RecalCycleController::dueOnlyAfterTheNextDate_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("lastCalibration");
    QTest::addColumn<bool>("due");

    const QDate today = QDate::currentDate();
    QTest::newRow("next date is today") << 12 << today.addMonths(-12) << false;
    QTest::newRow("next date was yesterday") << 12 << today.addDays(-1).addMonths(-12) << true;
    QTest::newRow("calibrated today with a cycle of 0") << 0 << today << false;
    QTest::newRow("calibrated yesterday with a cycle of 0") << 0 << today.addDays(-1) << true;
    QTest::newRow("never calibrated") << 12 << QDate() << true;
}

void tst_RecalCycleController::dueOnlyAfterTheNextDate()
{
    QFETCH(int, months);
    QFETCH(QDate, lastCalibration);
    QFETCH(bool, due);

    TRecalCycleController controller;
    controller.setRecalibrationCycle(short(months));
    QCOMPARE(controller.isCalibrationDue(lastCalibration), due);
}

void tst_RecalCycleController::setCycleIsInTheFileAtOnce()
{
    TRecalCycleController controller;
    controller.setRecalibrationCycle(36);
    QCOMPARE(int(controller.recalMonths()), 36);

    TTamarindSettings reread(QStringLiteral("/home/Settings/ZELK/settings.xml"));
    QCOMPARE(reread.value(SECTION, KEY), QStringLiteral("36"));
    QCOMPARE(int(TRecalCycleController().recalMonths()), 36);
}

TAMARIND_TEST_MAIN(tst_RecalCycleController)
#include "tst_recalcyclecontroller.moc"

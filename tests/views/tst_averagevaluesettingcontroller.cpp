#include "averagevaluesettingcontroller.h"
#include "padkeys.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkdialogbutton.h"

#include <QLabel>
#include <QSignalSpy>

namespace
{
QString countInSettings()
{
    return TTamarindSettings::instance().value(QStringLiteral("avg_value"), QStringLiteral("sample_count"),
                                               QStringLiteral("<none>"));
}
} // namespace

// The averaging count as read from the settings, entered on the pad, stored and announced.
class tst_AverageValueSettingController : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void storedCount_data();
    void storedCount();
    void entry_data();
    void entry();
    void factoryResetAnnouncesTen();

private:
    QZELKDialogButton mButton;
    QLabel mLabel;
};

void tst_AverageValueSettingController::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("avg_value"));
}

void tst_AverageValueSettingController::storedCount_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("count");

    QTest::newRow("nothing stored") << QString() << 10;
    QTest::newRow("25") << "25" << 25;
    QTest::newRow("the smallest count") << "1" << 1;
    QTest::newRow("the largest count") << "100" << 100;
    QTest::newRow("0 would leave every average empty") << "0" << 10;
    QTest::newRow("a negative count") << "-5" << 10;
    QTest::newRow("above the largest count") << "101" << 10;
    QTest::newRow("no number") << "abc" << 10;
}

void tst_AverageValueSettingController::storedCount()
{
    QFETCH(QString, stored);
    QFETCH(int, count);

    if (!stored.isNull())
        TTamarindSettings::instance().setValue(QStringLiteral("avg_value"), QStringLiteral("sample_count"), stored);
    TAverageValueSettingController setting(&mButton, &mLabel);
    QCOMPARE(int(setting.averageValueSampleCount()), count);
    QCOMPARE(mButton.text(), QString::number(count));
    QCOMPARE(mLabel.text(), QString::number(count));
    TAverageValueSettingController withoutWidgets(nullptr, nullptr);
    QCOMPARE(int(withoutWidgets.averageValueSampleCount()), count);
}

void tst_AverageValueSettingController::entry_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("count");

    QTest::newRow("25") << QStringList{"Btn2", "Btn5"} << 25;
    QTest::newRow("1") << QStringList{"Btn1"} << 1;
    QTest::newRow("100") << QStringList{"Btn1", "Btn0", "Btn0"} << 100;
    QTest::newRow("0 is not offered") << QStringList{"Btn0"} << 0;
    QTest::newRow("101 is not offered") << QStringList{"Btn1", "Btn0", "Btn1"} << 0;
    QTest::newRow("cancelled") << QStringList() << 0;
}

void tst_AverageValueSettingController::entry()
{
    QFETCH(QStringList, keys);
    QFETCH(int, count);

    TAverageValueSettingController setting(&mButton, &mLabel);
    QSignalSpy announced(&setting, &TAverageValueSettingController::sampleCountChanged);
    TModalAnswer::onNextModal([keys](QWidget* pPad) {
        pressKeys(pPad, keys);
        const bool acceptable = !keys.isEmpty() && childOf<QWidget>(pPad, "BtnAccept")->isVisible();
        pressKeys(pPad, {acceptable ? "BtnAccept" : "BtnCancel"});
    });
    mButton.click();

    if (count == 0) {
        QVERIFY(announced.isEmpty());
        QCOMPARE(countInSettings(), QStringLiteral("<none>"));
        QCOMPARE(int(setting.averageValueSampleCount()), 10);
        return;
    }
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().first().toInt(), count);
    QCOMPARE(countInSettings(), QString::number(count));
    QCOMPARE(mLabel.text(), QString::number(count));
    QCOMPARE(TAverageValueSettingController(nullptr, nullptr).averageValueSampleCount(), short(count));
}

void tst_AverageValueSettingController::factoryResetAnnouncesTen()
{
    TTamarindSettings::instance().setValue(QStringLiteral("avg_value"), QStringLiteral("sample_count"), "40");
    TAverageValueSettingController setting(&mButton, &mLabel);
    QSignalSpy announced(&setting, &TAverageValueSettingController::sampleCountChanged);
    setting.factoryReset();
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().first().toInt(), 10);
    QCOMPARE(countInSettings(), QStringLiteral("10"));
    QCOMPARE(mButton.text(), QStringLiteral("10"));
}

TAMARIND_TEST_MAIN(tst_AverageValueSettingController)
#include "tst_averagevaluesettingcontroller.moc"

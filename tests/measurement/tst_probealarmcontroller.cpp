#include "buzzercontroller.h"
#include "clickablewidgetcontroller.h"
#include "messagerecorder.h"
#include "probealarmcontroller.h"
#include "tamarindsettings.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QLabel>
#include <QWidget>

namespace
{
const char* const BUZZER = "/sys/class/gpio/gpio7/value";

QString storedSetting()
{
    return TTamarindSettings::instance().value("probe_alarms", "alarms", "unset");
}

// The setting page: the two buttons in one clickable group.
struct TAlarmPage
{
    TAlarmPage()
    {
        widgets.addWidget(&on, &onLabel, false);
        widgets.addWidget(&off, &offLabel, false);
    }

    QWidget on;
    QWidget off;
    QLabel onLabel;
    QLabel offLabel;
    TClickableWidgetController widgets;
};
} // namespace

class tst_ProbeAlarmController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void storedSettingRead_data();
    void storedSettingRead();
    void buttonsStoreTheSetting();
    void factoryResetSwitchesAlarmsOn();
    void alarm_data();
    void alarm();
};

void tst_ProbeAlarmController::initTestCase()
{
    TAMARIND_WRITE_DEVICE_FILE(BUZZER, "0");
    TBuzzerController::instance().initialize(BUZZER);
    TBuzzerController::instance().setAlarmsActive(true);
}

void tst_ProbeAlarmController::storedSettingRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");

    QTest::newRow("nothing stored") << QString() << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("an empty text") << "" << false;
    QTest::newRow("another text") << "yes" << false;
}

void tst_ProbeAlarmController::storedSettingRead()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);

    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.removeSection("probe_alarms");
    if (!stored.isNull())
        settings.setValue("probe_alarms", "alarms", stored);
    TProbeAlarmController controller;
    TAlarmPage page;
    controller.initializeGUIComponents(&page.on, &page.off, &page.widgets);

    QCOMPARE(page.widgets.activeWidget(), on ? &page.on : &page.off);
}

void tst_ProbeAlarmController::buttonsStoreTheSetting()
{
    TProbeAlarmController controller;
    TAlarmPage page;
    controller.initializeGUIComponents(&page.on, &page.off, &page.widgets);

    QTest::mouseClick(&page.off, Qt::LeftButton);
    QCOMPARE(storedSetting(), QStringLiteral("0"));
    QCOMPARE(page.widgets.activeWidget(), &page.off);
    // What a later start reads.
    QCOMPARE(TTamarindSettings(TTamarindSettings::SETTINGS_FILE_PATH).value("probe_alarms", "alarms"),
             QStringLiteral("0"));
    QTest::mouseClick(&page.on, Qt::LeftButton);
    QCOMPARE(storedSetting(), QStringLiteral("1"));
}

void tst_ProbeAlarmController::factoryResetSwitchesAlarmsOn()
{
    TTamarindSettings::instance().setValue("probe_alarms", "alarms", "0");
    TProbeAlarmController controller;
    TAlarmPage page;
    controller.initializeGUIComponents(&page.on, &page.off, &page.widgets);
    QCOMPARE(page.widgets.activeWidget(), &page.off);

    controller.factoryReset();
    QCOMPARE(storedSetting(), QStringLiteral("1"));
    QCOMPARE(page.widgets.activeWidget(), &page.on);
}

void tst_ProbeAlarmController::alarm_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("probeGone");
    QTest::addColumn<QByteArray>("buzzerOnRaise");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("buzzerWhileShown");

    QTest::newRow("alarms on") << "1" << false << QByteArray("1")
                               << QStringList{"CAUTION! Probe PT100-A is operating outside the defined temperature "
                                              "range!"}
                               << QByteArray("1");
    QTest::newRow("alarms off") << "0" << false << QByteArray("0") << QStringList() << QByteArray();
    // Deleted while its caution waited for a remote command: the buzzer must not sound on for good.
    QTest::newRow("probe gone before its caution") << "1" << true << QByteArray("1") << QStringList() << QByteArray();
}

void tst_ProbeAlarmController::alarm()
{
    QFETCH(QString, stored);
    QFETCH(bool, probeGone);
    QFETCH(QByteArray, buzzerOnRaise);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, buzzerWhileShown);

    TTamarindSettings::instance().setValue("probe_alarms", "alarms", stored);
    TProbeAlarmController controller;
    QByteArray buzzer;
    TMessageRecorder recorder([&]() { buzzer = TTestEnvironment::readDeviceFile(BUZZER); });
    auto probe = TestProbes::prt();

    controller.raiseAlarm();
    QCOMPARE(TTestEnvironment::readDeviceFile(BUZZER), buzzerOnRaise);
    // Returns only when the caution was closed.
    controller.doProbeAlarm(probeGone ? nullptr : probe.get());
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(buzzer, buzzerWhileShown);
    QCOMPARE(TTestEnvironment::readDeviceFile(BUZZER), QByteArray("0"));
}

TAMARIND_TEST_MAIN(tst_ProbeAlarmController)
#include "tst_probealarmcontroller.moc"

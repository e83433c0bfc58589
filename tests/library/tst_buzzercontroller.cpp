#include "buzzercontroller.h"
#include "deviceroot.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The GPIO value file is a named pipe under the root, held open for reading by
// the test, so every single write of the controller can be seen in order: a
// plain file would show only the last one.
class tst_BuzzerController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void nothingIsWrittenBeforeInitialize();
    void keystroke_data();
    void keystroke();
    void alarmOffWritesNothing();
    void alarmForAWhile();
    void newAlarmLastsFromNow();
    void alarmUntilMuted();
    void muteLeavesTheRunningTimer();

private:
    QByteArray received();
    QTimer* alarmTimer() const { return TBuzzerController::instance().findChild<QTimer*>(); }

    int mPipe = -1;
    QByteArray mReceived;
};

void tst_BuzzerController::initTestCase()
{
    const QString valueFile = TDeviceRoot::path("/sys/class/gpio/gpio7/value");
    QVERIFY(QDir().mkpath(TDeviceRoot::path("/sys/class/gpio/gpio7")));
    QCOMPARE(::mkfifo(QFile::encodeName(valueFile).constData(), 0600), 0);
    mPipe = ::open(QFile::encodeName(valueFile).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(mPipe != -1);
    QVERIFY(alarmTimer());
}

void tst_BuzzerController::cleanupTestCase()
{
    ::close(mPipe);
}

void tst_BuzzerController::init()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    QTRY_VERIFY(!alarmTimer()->isActive());
    buzzer.setKeystrokesActive(false);
    buzzer.setAlarmsActive(false);
    received();
    mReceived.clear();
}

QByteArray tst_BuzzerController::received()
{
    char buffer[64];
    ssize_t count;
    while ((count = ::read(mPipe, buffer, sizeof buffer)) > 0)
        mReceived.append(buffer, static_cast<int>(count));
    return mReceived;
}

void tst_BuzzerController::nothingIsWrittenBeforeInitialize()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setKeystrokesActive(true);
    buzzer.setAlarmsActive(true);
    buzzer.soundKeystroke();
    buzzer.soundAlarm();
    buzzer.soundAlarm(10);
    buzzer.mute();
    QTRY_VERIFY(!alarmTimer()->isActive());
    QCOMPARE(QDir(TDeviceRoot::path("/sys/class/gpio/gpio7"))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
             QStringList{"value"});
    QCOMPARE(received(), QByteArray());

    buzzer.initialize("/sys/class/gpio/gpio7/value");
}

void tst_BuzzerController::keystroke_data()
{
    QTest::addColumn<bool>("keystrokesActive");
    QTest::addColumn<bool>("alarmSounding");
    QTest::addColumn<QByteArray>("writes");
    QTest::newRow("key click on") << true << false << QByteArray("10");
    QTest::newRow("key click off") << false << false << QByteArray();
    // A probe alarm sounds before its caution opens: a tap meanwhile must not end it.
    QTest::newRow("key click while an alarm sounds") << true << true << QByteArray("1");
}

void tst_BuzzerController::keystroke()
{
    QFETCH(bool, keystrokesActive);
    QFETCH(bool, alarmSounding);
    QFETCH(QByteArray, writes);

    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setAlarmsActive(true);
    buzzer.setKeystrokesActive(keystrokesActive);
    QCOMPARE(buzzer.keystrokesActive(), keystrokesActive);
    if (alarmSounding)
        buzzer.soundAlarm();
    buzzer.soundKeystroke();
    QCOMPARE(received(), writes);
    buzzer.mute();
}

void tst_BuzzerController::alarmOffWritesNothing()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setKeystrokesActive(true);
    buzzer.soundAlarm(5000);
    buzzer.soundAlarm();
    QVERIFY(!alarmTimer()->isActive());
    QCOMPARE(received(), QByteArray());
}

void tst_BuzzerController::alarmForAWhile()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setAlarmsActive(true);
    buzzer.soundAlarm(50);
    QCOMPARE(received(), QByteArray("1"));
    QTRY_COMPARE(received(), QByteArray("10"));
}

void tst_BuzzerController::newAlarmLastsFromNow()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setAlarmsActive(true);
    buzzer.soundAlarm(600);
    QTRY_VERIFY(alarmTimer()->remainingTime() < 300);

    QElapsedTimer sinceSecondAlarm;
    sinceSecondAlarm.start();
    buzzer.soundAlarm(600);
    QCOMPARE(received(), QByteArray("11"));
    QTRY_COMPARE_WITH_TIMEOUT(received(), QByteArray("110"), 3000);
    // The first alarm alone would have ended less than 300 ms after the second began.
    QVERIFY(sinceSecondAlarm.elapsed() >= 500);
}

void tst_BuzzerController::alarmUntilMuted()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setAlarmsActive(true);
    buzzer.soundAlarm();
    QVERIFY(!alarmTimer()->isActive());
    QCOMPARE(received(), QByteArray("1"));
    buzzer.mute();
    QCOMPARE(received(), QByteArray("10"));
}

void tst_BuzzerController::muteLeavesTheRunningTimer()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setAlarmsActive(true);
    buzzer.soundAlarm(50);
    buzzer.mute();
    QVERIFY(alarmTimer()->isActive());
    QTRY_COMPARE(received(), QByteArray("100"));
}

TAMARIND_TEST_MAIN(tst_BuzzerController)
#include "tst_buzzercontroller.moc"

#include "formchecks.h"
#include "mainwindowfixture.h"
#include "padkeys.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainerradiobutton.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// The data logger in the real main window, against the simulated board: its
// page, the title bar's "LOG", the long press of Logger in manual mode, and
// remote mode, which ends a running log.
class tst_MainWindowLogger : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startFromThePageLogsOnTheReadCycle();
    void pressOnLogger_data();
    void pressOnLogger();
    void remoteModeEndsTheLog();
    void settingsPagesAsTheUserSeesThem();
    void factoryResetEndsTheLog();

private:
    QByteArray ask(const QByteArray& pLine, int pReplySize);
    QStringList logfiles() const;
    QWidget* logRow(int pIndex) const;
    int contentLabels() const;

    TMainWindowFixture mMain;
    quint16 mPort = 0;
    std::unique_ptr<QTcpSocket> mClient;
};

void tst_MainWindowLogger::initTestCase()
{
    QVERIFY(mMain.startBoard());
    TAMARIND_USE_FREE_REMOTE_PORT(mPort, TTamarindSettings::instance());
}

void tst_MainWindowLogger::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("logger"));
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home/Logfiles"));
}

void tst_MainWindowLogger::cleanup()
{
    mClient.reset();
    mMain.close();
}

QByteArray tst_MainWindowLogger::ask(const QByteArray& pLine, int pReplySize)
{
    mClient->write(pLine);
    QByteArray reply;
    QElapsedTimer waited;
    waited.start();
    while (reply.size() < pReplySize && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        mClient->waitForReadyRead(10);
        reply += mClient->readAll();
    }
    return reply;
}

QStringList tst_MainWindowLogger::logfiles() const
{
    return QDir(TTestEnvironment::root() + QStringLiteral("/home/Logfiles")).entryList(QDir::Files, QDir::Time);
}

QWidget* tst_MainWindowLogger::logRow(int pIndex) const
{
    QLayoutItem* item = mMain.child("scrollAreaLoggerContents")->layout()->itemAt(pIndex);
    return item ? item->widget() : nullptr;
}

int tst_MainWindowLogger::contentLabels() const
{
    return mMain.child("scrollAreaLogfileContentWidget")
        ->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)
        .size();
}

// Start adds a row at the top, opens its content view, which grows with the
// measuring cycle, and "LOG" shows; Stop ends it all.
void tst_MainWindowLogger::startFromThePageLogsOnTheReadCycle()
{
    mMain.open(true);
    mMain.click("BtnLogger");
    QCOMPARE(mMain.mainPage(), mMain.child("PageLogger"));
    QVERIFY(mMain.child("BtnLogger_Start")->isEnabled());
    QVERIFY(!mMain.child("BtnLogger_Stop")->isEnabled());
    mMain.click("BtnLogger_Start");
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("LOG"));
    QCOMPARE(logfiles().size(), 1);
    QCOMPARE(logRow(0)->findChild<QLabel*>()->text(), logfiles().first());
    QCOMPARE(mMain.menuPage(), mMain.child("PageLogfile"));
    QCOMPARE(mMain.text("LblMenuCaption"), logfiles().first());
    QVERIFY(!mMain.child("BtnLogger_Start")->isEnabled());
    QVERIFY(mMain.child("BtnLogger_Stop")->isEnabled());
    // A line each second: two labels per line.
    QTRY_VERIFY_WITH_TIMEOUT(contentLabels() >= 4, 5000);
    mMain.snapshot(QStringLiteral("logger_content_view"));

    mMain.click("BtnLogger_Stop");
    QCOMPARE(mMain.text("LblTitleRight"), QString());
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    mMain.snapshot(QStringLiteral("logger_list"));
}

void tst_MainWindowLogger::pressOnLogger_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("lines");
    QTest::newRow("manual mode, logging: one line, the page stays") << true << true << 1;
    QTest::newRow("automatic mode: the logger page opens") << false << true << 0;
    QTest::newRow("manual mode, stopped: the logger page opens") << true << false << 0;
}

// The long press is told by the window's own timer; the test shortens it instead of holding for a second.
void tst_MainWindowLogger::pressOnLogger()
{
    QFETCH(bool, manual);
    QFETCH(bool, started);
    QFETCH(int, lines);
    mMain.open(true);
    mMain.click("BtnLogger");
    mMain.click("BtnLogger_Mode");
    mMain.click(manual ? "BtnLogModeManual" : "BtnLogModeAutomatic");
    mMain.click("BtnReturnToMainMenu");
    if (started)
        mMain.click("BtnLogger_Start");
    mMain.click("BtnSettings");
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(mMain.mainPage(), mMain.child("PageSettings"));
    const QString name = started ? logfiles().value(0) : QString();
    const auto dataLines = [this, name]() {
        QFile file(TTestEnvironment::root() + QStringLiteral("/home/Logfiles/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray content = file.readAll();
        return int(content.mid(content.indexOf("\r\n\r\n") + 4).count("\r\n")) - 1;
    };

    auto* longPress = mMain.window()->findChild<QTimer*>(QStringLiteral("mLogfileManModeTimer"));
    QVERIFY(longPress);
    QWidget* logger = mMain.child("BtnLogger");
    QTest::mousePress(logger, Qt::LeftButton);
    QCOMPARE(longPress->isActive(), manual && started);
    if (longPress->isActive()) {
        QCOMPARE(longPress->interval(), 1000);
        longPress->setInterval(0);
        // The confirmation flash closes itself.
        QTRY_COMPARE_WITH_TIMEOUT(dataLines(), 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
    }
    QTest::mouseRelease(logger, Qt::LeftButton);
    QCOMPARE(mMain.mainPage(), lines ? mMain.child("PageSettings") : mMain.child("PageLogger"));
    if (started && manual)
        QCOMPARE(dataLines(), lines);
}

// The client finds no log running: the logger stops, "LOG" goes and "REM" comes.
void tst_MainWindowLogger::remoteModeEndsTheLog()
{
    mMain.open(true);
    mMain.click("BtnLogger");
    mMain.click("BtnLogger_Start");
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("LOG"));
    mClient = std::make_unique<QTcpSocket>();
    mClient->connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(mClient->waitForConnected(5000));
    QCOMPARE(ask("syst:ackn 1\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(ask("syst:remo\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("REM"));
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    QCOMPARE(ask("logg:runn?\r", 3), QByteArray("0\r\n"));

    // The client's own log shows as well.
    QCOMPARE(ask("logg:runn 1\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("LOG REM"));
    QCOMPARE(ask("logg:runn 0\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("REM"));
    const QByteArray list = ask("logg:file?\r", 39);
    QCOMPARE(list, (logfiles().join(',') + "\r\n").toLatin1());
}

void tst_MainWindowLogger::settingsPagesAsTheUserSeesThem()
{
    mMain.open(true);
    mMain.click("BtnLogger");
    mMain.click("BtnLogger_Mode");
    QCOMPARE(mMain.menuPage(), mMain.child("PageLoggerMode"));
    mMain.snapshot(QStringLiteral("logger_mode_page"));
    mMain.click("BtnReturnToMainMenu");

    mMain.click("BtnLogger_Interval");
    QCOMPARE(mMain.menuPage(), mMain.child("PageLogInterval"));
    mMain.snapshot(QStringLiteral("logger_interval_page"));
    mMain.click("BtnCancel");

    mMain.click("BtnLogger_StartTime");
    QCOMPARE(mMain.menuPage(), mMain.child("PageLoggerStartTime"));
    mMain.click("BtnLog_StartTime_On");
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn2", "Btn4", "BtnAccept"}); });
    mMain.click("BtnLog_StartTime_DateVal1");
    QCOMPARE(mMain.child<QPushButton>("BtnLog_StartTime_DateVal1")->text(), QStringLiteral("24"));
    for (const char* field : {"BtnLog_StartTime_DateVal2", "BtnLog_StartTime_Hours", "BtnLog_StartTime_Minutes"}) {
        TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn1", "Btn2", "BtnAccept"}); });
        mMain.click(field);
    }
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn2", "Btn0", "Btn3", "Btn0", "BtnAccept"}); });
    mMain.click("BtnLog_StartTime_DateYear");
    mMain.snapshot(QStringLiteral("logger_start_time_page"));
    mMain.click("BtnSave");
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(mMain.text("LblLogger_StartTime_Val"), QStringLiteral("24/12/2030 12:12"));

    mMain.click("BtnLogger_Duration");
    QCOMPARE(mMain.menuPage(), mMain.child("PageLogDuration"));
    mMain.click("BtnLog_DurationOn");
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn2", "BtnAccept"}); });
    mMain.click("BtnLog_DurationHours");
    mMain.snapshot(QStringLiteral("logger_duration_page"));
    mMain.click("BtnSave");
    QCOMPARE(mMain.text("LblLogger_Duration_Val"), QStringLiteral("00d02h00min"));
    mMain.snapshot(QStringLiteral("logger_page_with_settings"));
}

void tst_MainWindowLogger::factoryResetEndsTheLog()
{
    mMain.open(true);
    mMain.click("BtnLogger");
    mMain.click("BtnLogger_Start");
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("LOG"));
    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.window()->factoryReset();
    QCOMPARE(mMain.text("LblTitleRight"), QString());
    QCOMPARE(TTamarindSettings::instance().value("logger", "interval"), QStringLiteral("1000"));
    QCOMPARE(TTamarindSettings::instance().value("logger", "mode"), QStringLiteral("1"));
}

TAMARIND_TEST_MAIN(tst_MainWindowLogger)
#include "tst_mainwindowlogger.moc"

#include "boardcontrolserver.h"
#include "deviceroot.h"
#include "localsocketaddress.h"
#include "probe.h"
#include "simulatedboardlink.h"
#include "testsupport.h"

#include <QDir>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

// The control interface as a user of ./run.sh or an acceptance test drives it:
// line commands on the local socket, their effect seen through the program's
// own board command layer.
class tst_BoardControlServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void temperaturesAndProbes();
    void switchBoxes();
    void smartProbes();
    void identity();
    void faults();
    void commandFaults();
    void probeSlots();
    void statusListsWhatIsSet();
    void restartWithoutItsLineSaysSoUntilItLinksAgain();
    void servesAtAnyPath_data();
    void servesAtAnyPath();

private:
    // Sends one line and returns the answer lines up to "OK" or "ERR ...".
    QStringList ask(const QString& pLine);
    double temperatureOf(int pChannel, short& oError);

    std::unique_ptr<TSimulatedBoardLink> mBoard;
    std::unique_ptr<TBoardControlServer> mServer;
    std::unique_ptr<QLocalSocket> mClient;
};

void tst_BoardControlServer::init()
{
    TAMARIND_MAKE_FIXTURE(mBoard);
    mServer = std::make_unique<TBoardControlServer>(mBoard->board());
    QString error;
    const QString path = TDeviceRoot::path("/var/run/boardsim.sock");
    QVERIFY2(mServer->listen(path, error), qPrintable(error));
    mClient = std::make_unique<QLocalSocket>();
    QVERIFY2(TLocalSocketAddress::connect(*mClient, path, 2000, &error), qPrintable(error));
}

void tst_BoardControlServer::cleanup()
{
    mClient.reset();
    mServer.reset();
    mBoard.reset();
}

QStringList tst_BoardControlServer::ask(const QString& pLine)
{
    mClient->write(pLine.toUtf8() + '\n');
    mClient->flush();
    QStringList lines;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        while (mClient->canReadLine()) {
            lines << QString::fromUtf8(mClient->readLine()).trimmed();
            if (lines.last() == QLatin1String("OK") || lines.last().startsWith(QLatin1String("ERR")))
                return lines;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    lines << QStringLiteral("(no answer)");
    return lines;
}

double tst_BoardControlServer::temperatureOf(int pChannel, short& oError)
{
    double electrical = 0.0;
    double temperature = 0.0;
    Probe_enums::EnSmartProbeStatus smart;
    Probe_enums::EnTemperatureAccuracyStatus accuracy;
    mBoard->handler().setConfChan(pChannel);
    mBoard->handler().getMeasCurr(electrical, temperature, smart, accuracy, oError);
    return temperature;
}

void tst_BoardControlServer::answers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    QTest::newRow("constant temperature") << "temp 1 55.5"
                                          << "OK";
    QTest::newRow("ramp") << "ramp 2 20 1.5"
                          << "OK";
    QTest::newRow("noise") << "noise 3 100 0.1"
                           << "OK";
    QTest::newRow("step") << "step 1 20 80 30"
                          << "OK";
    QTest::newRow("thermocouple on a thermocouple input") << "probe 4 tc-j"
                                                          << "OK";
    QTest::newRow("platinum sensor on a thermocouple input") << "probe 3 pt100"
                                                             << "ERR";
    QTest::newRow("channel that is no input") << "temp 7 20"
                                              << "ERR";
    QTest::newRow("temperature that is no number") << "temp 1 warm"
                                                   << "ERR";
    QTest::newRow("unknown sensor") << "probe 1 pt1000"
                                    << "ERR";
    QTest::newRow("box type out of range") << "box 1 6"
                                           << "ERR";
    QTest::newRow("box port out of range") << "box 5 3"
                                           << "ERR";
    QTest::newRow("fault count that is no number") << "fault nak many"
                                                   << "ERR";
    QTest::newRow("unknown fault") << "fault fire 1"
                                   << "ERR";
    QTest::newRow("command fault without a kind") << "fault on prob:save"
                                                  << "ERR";
    QTest::newRow("command fault with an open quote") << "fault on \"prob:read? 1 error 1"
                                                      << "ERR";
    QTest::newRow("command fault of an unknown kind") << "fault on prob:save boom"
                                                      << "ERR";
    QTest::newRow("probe slot outside the memory") << "slot 86 empty"
                                                   << "ERR";
    QTest::newRow("probe slot with a short record") << "slot 5 1,Bath,450.0"
                                                    << "ERR";
    QTest::newRow("unknown command") << "explode"
                                     << "ERR";
    QTest::newRow("commands in any letter case") << "TEMP 1 20"
                                                 << "OK";
    QTest::newRow("SMART probe on a resistance input") << "smart 1 cvd"
                                                       << "OK";
    QTest::newRow("SMART probe on a thermocouple input") << "smart 3 cvd"
                                                         << "ERR";
    QTest::newRow("unknown SMART probe") << "smart 1 pt1000"
                                         << "ERR";
    QTest::newRow("SMART probe change where there is none") << "smartset 2 name Bath"
                                                            << "ERR";
}

void tst_BoardControlServer::answers()
{
    QFETCH(QString, line);
    QFETCH(QString, answer);
    const QStringList lines = ask(line);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.at(0).startsWith(answer), qPrintable(lines.at(0)));
}

void tst_BoardControlServer::temperaturesAndProbes()
{
    short error = 0;
    QCOMPARE(ask("temp 1 -38.8344"), QStringList{"OK"});
    QCOMPARE(temperatureOf(1, error), -38.8344);

    QCOMPARE(ask("unplug 1"), QStringList{"OK"});
    QVERIFY(std::isnan(temperatureOf(1, error)));
    QCOMPARE(error, TInternalSCPIHandler::ERROR_CODE_NO_PROBE_CONNECTED);

    QCOMPARE(ask("probe 1 pt25"), QStringList{"OK"});
    QCOMPARE(temperatureOf(1, error), -38.8344);
    QCOMPARE(error, short(0));

    // An open sensor is measured without an error, to no value; closing it brings the reading back.
    QCOMPARE(ask("open 1 1"), QStringList{"OK"});
    QVERIFY(std::isnan(temperatureOf(1, error)));
    QCOMPARE(error, short(0));
    QCOMPARE(ask("open 1 0"), QStringList{"OK"});
    QCOMPARE(temperatureOf(1, error), -38.8344);
    QVERIFY(ask("open 5 1").last().startsWith(QLatin1String("ERR")));

    // A step that has not come yet, then one that has.
    QCOMPARE(ask("step 1 10 90 3600"), QStringList{"OK"});
    QCOMPARE(temperatureOf(1, error), 10.0);
    QCOMPARE(ask("step 1 10 90 0"), QStringList{"OK"});
    QCOMPARE(temperatureOf(1, error), 90.0);
}

void tst_BoardControlServer::switchBoxes()
{
    QCOMPARE(ask("box 2 4 SN-77 PCB-78 3.01 2017-06-30"), QStringList{"OK"});
    EnSwitchBoxType type = sbtNotFitted;
    QVERIFY(mBoard->handler().getSystemSwitchboxType(2, type));
    QCOMPARE(type, sbtSWX6300_PRT16);
    QString text;
    QVERIFY(mBoard->handler().getSystemSwitchboxSerialNumber(2, text));
    QCOMPARE(text, QString("SN-77"));
    QVERIFY(mBoard->handler().getSystemSwitchboxPCBSerialNumber(2, text));
    QCOMPARE(text, QString("PCB-78"));
    QVERIFY(mBoard->handler().getSystemSwitchboxFirmwareVersion(2, text));
    QCOMPARE(text, QString("3.01"));
    QDate date;
    QVERIFY(mBoard->handler().getSystemSwitchboxDate(2, date));
    QCOMPARE(date, QDate(2017, 6, 30));

    // Box 2 of 16 positions holds channels 32 to 47.
    QCOMPARE(ask("probe 47 pt100"), QStringList{"OK"});
    QVERIFY(ask("probe 48 pt100").at(0).startsWith("ERR"));
    QCOMPARE(ask("temp 47 12.5"), QStringList{"OK"});
    short error = 0;
    QCOMPARE(temperatureOf(47, error), 12.5);

    QCOMPARE(ask("box 2 0"), QStringList{"OK"});
    QVERIFY(mBoard->handler().getSystemSwitchboxType(2, type));
    QCOMPARE(type, sbtNotFitted);
    temperatureOf(47, error);
    QCOMPARE(error, TInternalSCPIHandler::ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE);
}

void tst_BoardControlServer::smartProbes()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    const auto smartStatus = [&handler] {
        double electrical = 0.0;
        double temperature = 0.0;
        Probe_enums::EnSmartProbeStatus status = Probe_enums::spsNotFitted;
        Probe_enums::EnTemperatureAccuracyStatus accuracy;
        short error = 0;
        return handler.getMeasCurr(electrical, temperature, status, accuracy, error) ? int(status) : -error;
    };
    QCOMPARE(ask("smart 2 its90"), QStringList{"OK"});
    QVERIFY(handler.setConfChan(2));
    const QDateTime change = QDateTime::currentDateTime();
    QCOMPARE(smartStatus(), int(Probe_enums::spsChanged));
    QCOMPARE(smartStatus(), int(Probe_enums::spsPresent));
    const std::unique_ptr<TSmartProbePRT> probe = handler.createSmartProbeFromCurrentChannel(nullptr, change);
    QVERIFY(probe);
    QCOMPARE(probe->conversion(), Probe_enums::cprtITS90);
    QCOMPARE(probe->internalResistor(), Probe_enums::rprt25);
    QVERIFY(probe->isReference());

    QCOMPARE(ask("smartset 2 name Bath SPRT 4"), QStringList{"OK"});
    QCOMPARE(ask("smartset 2 enabled 0"), QStringList{"OK"});
    QCOMPARE(ask("smartset 2 coef 2 -1.5e-4"), QStringList{"OK"});
    QCOMPARE(ask("smartset 2 calnext 2026-02-01"), QStringList{"OK"});
    QVERIFY(ask("smartset 2 locked yes").at(0).startsWith("ERR"));
    QVERIFY(ask("smartset 2 coef 9 1").at(0).startsWith("ERR"));
    QCOMPARE(smartStatus(), int(Probe_enums::spsChanged));
    QCOMPARE(smartStatus(), int(Probe_enums::spsDisabled));
    QString name;
    QCOMPARE(handler.smartProbe_Name(name, change), 0);
    QCOMPARE(name, QString("Bath SPRT 4"));
    double coefficient = 0.0;
    QCOMPARE(handler.smartProbe_Coefficient(2, coefficient, change), 0);
    QCOMPARE(coefficient, -1.5e-4);
    QDate next;
    QCOMPARE(handler.smartProbe_CalNext(next, change), 0);
    QCOMPARE(next, QDate(2026, 2, 1));
    QVERIFY(ask("status").contains("smart 2: \"Bath SPRT 4\", reference 1, calibrated 2023-06-01, next 2026-02-01, "
                                   "source \"National lab\", enabled 0, locked 1, resistor 1"));

    QCOMPARE(ask("smart 2 none"), QStringList{"OK"});
    QCOMPARE(smartStatus(), -int(TInternalSCPIHandler::ERROR_CODE_NO_PROBE_CONNECTED));
    bool failed = true;
    QVERIFY(!handler.getConfChanSmar(failed));
    QVERIFY(!failed);
}

void tst_BoardControlServer::identity()
{
    QCOMPARE(ask("idn ZELK,ZTM8800v2,MB-1,0.99,24/12/2016"), QStringList{"OK"});
    QCOMPARE(ask("calibrated 0"), QStringList{"OK"});
    QCOMPARE(ask("runtime 5000"), QStringList{"OK"});
    const auto info = mBoard->handler().getMeasurementBoardInfo();
    QVERIFY(info);
    QCOMPARE(info->serialNr(), QString("MB-1"));
    QCOMPARE(info->firmwareDate(), QDate(2016, 12, 24));
    QCOMPARE(info->instrumentType(), ZTM8800v2);
    bool calibrated = true;
    QVERIFY(mBoard->handler().getSystemCalibrated(calibrated));
    QVERIFY(!calibrated);
    unsigned int seconds = 0;
    QVERIFY(mBoard->handler().getSystemOperatingTime(seconds));
    QVERIFY(seconds >= 5000 && seconds < 5060);
}

void tst_BoardControlServer::faults()
{
    bool failed = false;
    QCOMPARE(ask("fault nak 5"), QStringList{"OK"});
    mBoard->link().sendCommand("syst:cali?", true, failed);
    QVERIFY(failed);

    QCOMPARE(ask("fault error 14"), QStringList{"OK"});
    short error = 0;
    temperatureOf(1, error);
    QCOMPARE(error, TInternalSCPIHandler::ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE);

    QCOMPARE(ask("fault reply 1.5,nan,0,1"), QStringList{"OK"});
    QVERIFY(std::isnan(temperatureOf(1, error)));

    QCOMPARE(ask("fault badcrc always"), QStringList{"OK"});
    const int naksBefore = mBoard->board().hostNaks();
    mBoard->link().sendCommand("syst:cali?", true, failed);
    QVERIFY(failed);
    // The board resends the reply the link NAKed last; in before the next command, it cannot pass for its answer.
    QTRY_COMPARE(mBoard->board().hostNaks(), naksBefore + TIntCommController::RETRIES);
    QCOMPARE(ask("fault clear"), QStringList{"OK"});
    QCOMPARE(mBoard->link().sendCommand("syst:cali?", true, failed), QString("1"));
    QVERIFY(!failed);

    QCOMPARE(ask("fault silence 1"), QStringList{"OK"});
    mBoard->link().sendCommand("syst:cali?", true, failed);
    QVERIFY(failed);

    QCOMPARE(ask("fault stray 1 41"), QStringList{"OK"});
    mBoard->link().sendCommand("syst:cali?", true, failed);
    QVERIFY(failed);

    QCOMPARE(ask("fault zero 1 2"), QStringList{"OK"});
    QCOMPARE(mBoard->link().sendCommand("*idn?", true, failed), QString("ZE"));

    QCOMPARE(ask("fault pieces 1 1 1"), QStringList{"OK"});
    QCOMPARE(ask("fault together 1"), QStringList{"OK"});
    QCOMPARE(mBoard->link().sendCommand("syst:cali?", true, failed), QString("1"));
    QCOMPARE(mBoard->link().sendCommand("syst:cali?", true, failed), QString("1"));
    QVERIFY(!failed);

    QCOMPARE(ask("fault late 1 10"), QStringList{"OK"});
    mBoard->board().withFaults([](TBoardFaults& pFaults) {
        QCOMPARE(pFaults.mLateReplies, 1);
        QCOMPARE(pFaults.mLateReplyDelayMs, 10);
        QCOMPARE(pFaults.mPieceReplies, 0);
        QCOMPARE(pFaults.mJoinedReplies, 0);
    });
}

// A fault bound to a command prefix refuses only those commands, the given
// number of times, and leaves the board's state as it was.
void tst_BoardControlServer::commandFaults()
{
    TIntCommController& link = mBoard->link();
    bool failed = false;
    QCOMPARE(ask("fault on \"prob:read? 81\" error 1 2"), QStringList{"OK"});
    QCOMPARE(ask("status").filter("faults").join(QString()),
             QStringLiteral("faults on 2 \"prob:read? 81\" reply \"E1\""));
    QVERIFY(link.sendCommand("prob:read? 82", true, failed).startsWith("1,PT100 4-wire,"));
    QCOMPARE(link.sendCommand("prob:read? 81", true, failed), QString("E1"));
    QCOMPARE(link.sendCommand("prob:read? 81", true, failed), QString("E1"));
    QVERIFY(link.sendCommand("prob:read? 81", true, failed).startsWith("1,PT100 3-wire,"));

    const QString record =
        QStringLiteral("1,Bath,450.0,-200.0,1,100,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,2,1,0,2");
    QCOMPARE(ask("fault on prob:save error 5"), QStringList{"OK"});
    QCOMPARE(link.sendCommand("prob:save 3," + record, true, failed), QString("E5"));
    QVERIFY(link.sendCommand("prob:read? 3", true, failed).startsWith("0,,"));

    // A command answered with ACK alone is refused with NAK, each time it is sent.
    QCOMPARE(ask("fault on prob:assi error 1 always"), QStringList{"OK"});
    link.sendCommand("prob:assi 82,1", false, failed);
    QVERIFY(failed);
    link.sendCommand("prob:kwc 82,1", false, failed);
    QVERIFY(!failed);
    QCOMPARE(ask("fault clear"), QStringList{"OK"});
    link.sendCommand("prob:assi 82,1", false, failed);
    QVERIFY(!failed);

    QCOMPARE(ask("fault on prob:curr silence"), QStringList{"OK"});
    link.sendCommand("prob:curr 82,1", false, failed);
    QVERIFY(failed);
    link.sendCommand("prob:curr 82,1", false, failed);
    QVERIFY(!failed);

    QCOMPARE(ask("fault on \"prob:read? 84\" reply 2,Odd name,1"), QStringList{"OK"});
    QCOMPARE(link.sendCommand("prob:read? 84", true, failed), QString("2,Odd name,1"));
}

void tst_BoardControlServer::probeSlots()
{
    TIntCommController& link = mBoard->link();
    bool failed = false;
    const QString record =
        QStringLiteral("1,Bath 2,450.0,-200.0,1,100,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,2,1,0,2");
    QCOMPARE(ask("slot 5 " + record), QStringList{"OK"});
    QVERIFY(link.sendCommand("prob:read? 5", true, failed).startsWith("1,Bath 2,450.0,"));
    QCOMPARE(ask("slot 82 empty"), QStringList{"OK"});
    QVERIFY(link.sendCommand("prob:read? 82", true, failed).startsWith("0,,"));
}

void tst_BoardControlServer::statusListsWhatIsSet()
{
    ask("box 4 5 SWB-4");
    ask("fault nak 2");
    const QStringList lines = ask("status");
    QCOMPARE(lines.last(), QString("OK"));
    QVERIFY(lines.contains("input 1: pt100, constant 23"));
    QVERIFY(lines.contains("faults nak 2"));
    QVERIFY(std::any_of(lines.begin(), lines.end(),
                        [](const QString& pLine) { return pLine.startsWith("box 4: type 5, serial SWB-4"); }));

    // The commands the program sent are there to look at.
    mBoard->handler().setConfChan(3);
    QCOMPARE(ask("commands 1"), (QStringList{"conf:chan 03", "OK"}));
}

// A board whose line cannot come back at a restart is gone for the program, as a dead one is; the one who
// restarted it learns why, and a restart once the path is free brings the line back where the program looks.
void tst_BoardControlServer::restartWithoutItsLineSaysSoUntilItLinksAgain()
{
    const QString line = TBoardSimulator::defaultLinkPath();
    // The new link is made beside the line: a folder there stops it.
    const QString blocked = line + ".next";
    const auto free = qScopeGuard([&] { TTestEnvironment::removeUnderRoot(blocked); });
    QVERIFY(QDir().mkpath(blocked));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^simulated board: .* not a symbolic link"));
    const QStringList refused = ask("restart");
    QCOMPARE(refused.size(), 1);
    QVERIFY2(refused.at(0).startsWith("ERR ") && refused.at(0).contains(blocked + " exists and is not a symbolic link"),
             qPrintable(refused.at(0)));
    QVERIFY(ask("status").contains(refused.at(0).mid(4)));
    bool failed = false;
    mBoard->link().sendCommand("syst:cali?", true, failed);
    QVERIFY(failed);

    TTestEnvironment::removeUnderRoot(blocked);
    QCOMPARE(ask("restart"), QStringList{"OK"});
    QVERIFY(ask("status").contains("line linked at " + line));
    QCOMPARE(mBoard->link().sendCommand("syst:cali?", true, failed), QString("1"));
    QVERIFY(!failed);
}

void tst_BoardControlServer::servesAtAnyPath_data()
{
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("socketPath");
    const QString root = TTestEnvironment::root();
    // The way the README starts it from the checkout: "--control run-root/var/run/boardsim.sock".
    QTest::newRow("relative: in the working directory")
        << root << "var/run/relative.sock" << root + "/var/run/relative.sock";
    // A checkout or temporary directory a few folders deep: longer than a socket's address holds (107 bytes).
    const QString deep = root + '/' + QString(std::max(1, 99 - root.size()), QLatin1Char('d'));
    QTest::newRow("under a root whose path is 100 characters long")
        << root << deep + "/var/run/boardsim.sock" << deep + "/var/run/boardsim.sock";
}

void tst_BoardControlServer::servesAtAnyPath()
{
    QFETCH(QString, workingDirectory);
    QFETCH(QString, given);
    QFETCH(QString, socketPath);
    const QString startedIn = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDirectory));
    auto server = std::make_unique<TBoardControlServer>(mBoard->board());
    QString error;
    const bool listening = server->listen(given, error);
    QDir::setCurrent(startedIn);
    QVERIFY2(listening, qPrintable(error));
    QCOMPARE(server->socketPath(), socketPath);

    // Reached as the calibrator simulator reaches the board's socket, and answered.
    mClient = std::make_unique<QLocalSocket>();
    QVERIFY2(TLocalSocketAddress::connect(*mClient, socketPath, 2000, &error), qPrintable(error));
    QCOMPARE(ask("temp 1 55.5"), QStringList{"OK"});
    // A second server finds the first serving there, and leaves the socket to it.
    TBoardControlServer second(mBoard->board());
    QVERIFY(!second.listen(socketPath, error));
    // The socket goes with the server that served it.
    server.reset();
    QVERIFY(!QFileInfo::exists(socketPath));
}

TAMARIND_TEST_MAIN(tst_BoardControlServer)
#include "tst_boardcontrolserver.moc"

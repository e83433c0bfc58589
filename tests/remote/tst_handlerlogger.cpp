#include "channelcontroller.h"
#include "externalcommunicationhandler.h"
#include "loggerfixture.h"
#include "pacedclient.h"
#include "recordinginterface.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>

#include <memory>

namespace
{
// Also keeps the largest single write, as a transport would have to hold it.
class TPieceRecordingInterface : public TRecordingInterface
{
public:
    using TRecordingInterface::TRecordingInterface;
    void sendRawData(const QByteArray& pData) override
    {
        mLargestWrite = qMax(mLargestWrite, qint64(pData.size()));
        TRecordingInterface::sendRawData(pData);
    }
    qint64 mLargestWrite = 0;
};
} // namespace

// The logger commands of the remote handler in remote mode and acknowledgement
// mode, on the logger of the simulated board and its log directory; and the
// bound a download shares with the transports for clients that read slowly.
class tst_HandlerLogger : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void interval_data();
    void interval();
    void mode_data();
    void mode();
    void runningAndItsRefusedStart();
    void writeOnlyInManualMode_data();
    void writeOnlyInManualMode();
    void fileList();
    void download();
    void downloadJoinsTheLinesInPieces_data();
    void downloadJoinsTheLinesInPieces();
    void eraseOnlyPlainNamesOfTheLogDirectory_data();
    void eraseOnlyPlainNamesOfTheLogDirectory();
    void downloadOnlyPlainNamesOfTheLogDirectory();
    void downloadReachesASlowClientWholeWhilePollsGoOn_data();
    void downloadReachesASlowClientWholeWhilePollsGoOn();
    void longCommandEndsWhenTheClientHangsUp_data();
    void longCommandEndsWhenTheClientHangsUp();
    void downloadCutByTheLocalUserLeavesTheClientInStep_data();
    void downloadCutByTheLocalUserLeavesTheClientInStep();
    void aClientThatReadsNothingIsSlowedNotHeld_data();
    void aClientThatReadsNothingIsSlowedNotHeld();
    void aBatchSentDuringAScanIsAnsweredWhole_data();
    void aBatchSentDuringAScanIsAnsweredWhole();

private:
    QByteArray ask(const QByteArray& pCommand);
    TLogfileController& logger() { return mFixture->logger(); }

    std::unique_ptr<TLoggerFixture> mFixture;
    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TPieceRecordingInterface> mClient;
};

void tst_HandlerLogger::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("logger"));
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home/Logfiles"));
    TAMARIND_MAKE_FIXTURE(mFixture);
    mFixture->buildLogger();
    mHandler = std::make_unique<TExternalCommunicationHandler>(&mFixture->board().handler(), &mFixture->controller(),
                                                               &mFixture->probes(), nullptr, &logger());
    mClient = std::make_unique<TPieceRecordingInterface>(mHandler.get());
    QCOMPARE(ask("syst:ackn 1"), QByteArray("ACK\r\n"));
    QCOMPARE(ask("syst:remo"), QByteArray("ACK\r\n"));
}

void tst_HandlerLogger::cleanup()
{
    mClient.reset();
    mHandler.reset();
    mFixture.reset();
}

QByteArray tst_HandlerLogger::ask(const QByteArray& pCommand)
{
    mClient->receive(pCommand + "\r");
    return mClient->takeSent();
}

void tst_HandlerLogger::interval_data()
{
    QTest::addColumn<QByteArray>("parameter");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("interval");
    QTest::newRow("lowest") << QByteArray("0.5") << QByteArray("ACK\r\n") << 500;
    QTest::newRow("highest") << QByteArray("3600") << QByteArray("ACK\r\n") << 3600000;
    QTest::newRow("a fraction of a millisecond is cut off") << QByteArray("1.0004") << QByteArray("ACK\r\n") << 1000;
    QTest::newRow("below the lowest") << QByteArray("0.4") << QByteArray("E5\r\n") << 1000;
    QTest::newRow("above the highest") << QByteArray("3600.5") << QByteArray("E5\r\n") << 1000;
    QTest::newRow("not a step of half a second") << QByteArray("0.75") << QByteArray("E5\r\n") << 1000;
    QTest::newRow("a text") << QByteArray("'two'") << QByteArray("E5\r\n") << 1000;
    QTest::newRow("no parameter") << QByteArray() << QByteArray("E5\r\n") << 1000;
}

// Not stored: the device keeps what its user set.
void tst_HandlerLogger::interval()
{
    QFETCH(QByteArray, parameter);
    QFETCH(QByteArray, reply);
    QFETCH(int, interval);
    QCOMPARE(ask("logg:inte " + parameter), reply);
    QCOMPARE(logger().interval(), interval);
    QCOMPARE(TTamarindSettings::instance().value("logger", "interval", "<none>"), QStringLiteral("<none>"));
}

void tst_HandlerLogger::mode_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("modeAfter");
    QTest::newRow("manual") << QByteArray("logg:mode 2") << QByteArray("ACK\r\n") << QByteArray("2\r\n");
    QTest::newRow("automatic, long form")
        << QByteArray("logger:mode 1") << QByteArray("ACK\r\n") << QByteArray("1\r\n");
    QTest::newRow("3") << QByteArray("logg:mode 3") << QByteArray("E5\r\n") << QByteArray("1\r\n");
    QTest::newRow("258, which is 2 in one byte")
        << QByteArray("logg:mode 258") << QByteArray("E5\r\n") << QByteArray("1\r\n");
    QTest::newRow("a real number") << QByteArray("logg:mode 2.0") << QByteArray("E5\r\n") << QByteArray("1\r\n");
}

void tst_HandlerLogger::mode()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, modeAfter);
    QCOMPARE(ask(command), reply);
    QCOMPARE(ask("logg:mode?"), modeAfter);
    QCOMPARE(TTamarindSettings::instance().value("logger", "mode", "<none>"), QStringLiteral("<none>"));
}

void tst_HandlerLogger::runningAndItsRefusedStart()
{
    QCOMPARE(ask("logg:runn?"), QByteArray("0\r\n"));
    QCOMPARE(ask("logg:runn 2"), QByteArray("E5\r\n"));
    QCOMPARE(ask("logg:runn 1"), QByteArray("ACK\r\n"));
    QCOMPARE(ask("logger:running?"), QByteArray("1\r\n"));
    // The same moment: a file of that name exists already.
    QCOMPARE(ask("logg:runn 1"), QByteArray("E15\r\n"));
    QCOMPARE(ask("logg:runn?"), QByteArray("0\r\n"));
    QCOMPARE(ask("logg:inte 0.5"), QByteArray("ACK\r\n"));
    logger().setInterval(0, false);
    QCOMPARE(ask("logg:runn 1"), QByteArray("E15\r\n"));
    QCOMPARE(ask("logg:runn 0"), QByteArray("ACK\r\n"));
}

void tst_HandlerLogger::writeOnlyInManualMode_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("stopped") << false << int(TLogfileController::lmManual) << QByteArray("E15\r\n");
    QTest::newRow("automatic mode while logging")
        << true << int(TLogfileController::lmAutomatic) << QByteArray("E15\r\n");
    QTest::newRow("manual mode while logging") << true << int(TLogfileController::lmManual) << QByteArray("ACK\r\n");
}

void tst_HandlerLogger::writeOnlyInManualMode()
{
    QFETCH(bool, started);
    QFETCH(int, mode);
    QFETCH(QByteArray, reply);
    logger().setLogMode(TLogfileController::EnLogMode(mode), false);
    if (started)
        QCOMPARE(logger().startLogger(), TLogfileController::lsrSuccess);
    QCOMPARE(ask("logg:writ"), reply);
    if (started)
        QCOMPARE(mFixture->dataLines(QFileInfo(logger().currentLogfile()).fileName()).size(),
                 reply == "ACK\r\n" ? 1 : 0);
}

void tst_HandlerLogger::fileList()
{
    QCOMPARE(ask("logg:file?"), QByteArray("E12\r\n"));
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), "a\r\n", 60);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("02012026_080000000"), "b\r\n", 30);
    QCOMPARE(ask("logger:files?"), QByteArray("02012026_080000000,01012026_080000000\r\n"));
    // The logger's list page shows fewer files than there are; the remote list names them all.
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("03012026_080000000"), "c\r\n", 10);
    logger().setMaximumListedLogfiles(1);
    logger().refreshLogfileList();
    QCOMPARE(ask("logg:file?"), QByteArray("03012026_080000000,02012026_080000000,01012026_080000000\r\n"));
}

void tst_HandlerLogger::download()
{
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), "first\r\nsecond\r\nthird\r\n", 0);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("02012026_080000000"), "", 0);
    QCOMPARE(ask("logg:down '01012026_080000000'"), QByteArray("first\x1esecond\x1ethird\r\n"));
    QCOMPARE(ask("logg:down '02012026_080000000'"), QByteArray("E12\r\n"));
    QCOMPARE(ask("logg:down '03012026_080000000'"), QByteArray("E12\r\n"));
    QCOMPARE(ask("logg:down"), QByteArray("E5\r\n"));

    QCOMPARE(logger().startLogger(), TLogfileController::lsrSuccess);
    const QByteArray running = QFileInfo(logger().currentLogfile()).fileName().toLatin1();
    QCOMPARE(ask("logg:down " + running), QByteArray("E16\r\n"));
    QCOMPARE(ask("logg:eras " + running), QByteArray("E16\r\n"));
    logger().stopLogger();
    const QByteArray log = ask("logger:download " + running);
    QVERIFY(log.startsWith("ZTM8800\x1eSerial number: SN-4711\x1e"));
    QVERIFY(log.endsWith("\x1e\x1e"
                         "Date;Time;Channel;Temperature value;Unit;Raw value;Unit;Temperature difference;"
                         "Unit;Raw value difference;Unit\r\n"));
    QCOMPARE(ask("logg:eras " + running), QByteArray("ACK\r\n"));
    QVERIFY(!mFixture->logfileNames().contains(QString::fromLatin1(running)));
}

void tst_HandlerLogger::downloadJoinsTheLinesInPieces_data()
{
    const qint64 piece = TExternalCommunicationHandler::LOGFILE_DOWNLOAD_PIECE_LENGTH;
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("line feeds alone") << QByteArray("a\nb\n")
                                      << QByteArray("a\x1e"
                                                    "b\r\n");
    QTest::newRow("no line end after the last line") << QByteArray("a\r\nb")
                                                     << QByteArray("a\x1e"
                                                                   "b\r\n");
    QTest::newRow("blank lines") << QByteArray("a\r\n\r\nb\r\n\r\n")
                                 << QByteArray("a\x1e\x1e"
                                               "b\x1e\r\n");
    QTest::newRow("a carriage return inside a line") << QByteArray("a\rb\r\n") << QByteArray("a\rb\r\n");
    QTest::newRow("a line end across two pieces") << QByteArray(int(piece) - 1, 'x') + "\r\nb\r\n"
                                                  << QByteArray(int(piece) - 1, 'x') + "\x1e"
                                                                                       "b\r\n";
    // A character of two bytes at every third byte: the file is read in
    // parts, and some part ends between a character's two bytes.
    QTest::newRow("characters across the parts the file is read in")
        << QByteArray("x\xc2\xb0").repeated(int(piece)) << QByteArray("x\xb0").repeated(int(piece)) + "\r\n";
    // Many pieces: a file of any size is never held whole.
    QByteArray lines;
    QByteArray joined;
    for (int line = 0; lines.size() < 3 * piece; ++line) {
        const QByteArray text = QByteArray::number(line) + ";23.4567;\xc2\xb0"
                                                           "C";
        lines += text + "\r\n";
        joined += (line ? "\x1e" : "") + QByteArray::number(line) +
                  ";23.4567;\xb0"
                  "C";
    }
    QTest::newRow("a file of many pieces") << lines << joined + "\r\n";
}

void tst_HandlerLogger::downloadJoinsTheLinesInPieces()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, reply);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), content, 0);
    QCOMPARE(ask("logg:down '01012026_080000000'"), reply);
    QVERIFY(mClient->mLargestWrite <= TExternalCommunicationHandler::LOGFILE_DOWNLOAD_PIECE_LENGTH + 2);
}

void tst_HandlerLogger::eraseOnlyPlainNamesOfTheLogDirectory_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("a log file") << QByteArray("'01012026_080000000'") << QByteArray("ACK\r\n");
    QTest::newRow("unquoted") << QByteArray("01012026_080000000") << QByteArray("ACK\r\n");
    QTest::newRow("not in the log directory") << QByteArray("'09012026_080000000'") << QByteArray("E12\r\n");
    QTest::newRow("the identity file beside it") << QByteArray("'../serialnumber'") << QByteArray("E12\r\n");
    QTest::newRow("the log directory itself") << QByteArray("'.'") << QByteArray("E12\r\n");
    QTest::newRow("its parent") << QByteArray("'..'") << QByteArray("E12\r\n");
    QTest::newRow("an absolute path") << QByteArray("'/home/serialnumber'") << QByteArray("E12\r\n");
    QTest::newRow("a backslash") << QByteArray("'..\\serialnumber'") << QByteArray("E12\r\n");
    QTest::newRow("empty") << QByteArray("''") << QByteArray("E12\r\n");
    QTest::newRow("a number") << QByteArray("42") << QByteArray("E5\r\n");
}

void tst_HandlerLogger::eraseOnlyPlainNamesOfTheLogDirectory()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, reply);
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/serialnumber"), "4711");
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), "a\r\n", 0);
    QCOMPARE(ask("logg:eras " + name), reply);
    QCOMPARE(TTestEnvironment::readDeviceFile(QStringLiteral("/home/serialnumber")), QByteArray("4711"));
    QCOMPARE(mFixture->logfileNames().isEmpty(), reply == "ACK\r\n");
    QVERIFY(QDir(mFixture->logfileDir()).exists());
}

void tst_HandlerLogger::downloadOnlyPlainNamesOfTheLogDirectory()
{
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/serialnumber"), "4711");
    QDir().mkpath(mFixture->logfileDir());
    QCOMPARE(ask("logg:down '../serialnumber'"), QByteArray("E12\r\n"));
}

namespace
{
// Far more than a row takes when the instrument serves its client.
constexpr int TRANSFER_DEADLINE = 60000;

// A log file of numbered lines of about pSize bytes.
QByteArray numberedLogfile(int pSize)
{
    QByteArray content;
    for (int line = 0; content.size() < pSize; ++line)
        content += QByteArray::number(line).rightJustified(8, '0') + ";Channel 1;22.6503;\xc2\xb0"
                                                                     "C\r\n";
    return content;
}

// The reply that downloads a log file of pContent.
QByteArray downloadOf(QByteArray pContent)
{
    return pContent.left(pContent.size() - 2).replace("\r\n", "\x1e").replace("\xc2\xb0", "\xb0") + "\r\n";
}
} // namespace

void tst_HandlerLogger::downloadReachesASlowClientWholeWhilePollsGoOn_data()
{
    QTest::addColumn<bool>("tcp");
    // Bytes the client takes each turn; 0 for a client that takes nothing
    // until the instrument has polled twice with the reply held up, then all.
    QTest::addColumn<int>("pace");
    QTest::addColumn<int>("size");
    QTest::newRow("USB host reading slowly") << false << 2048 << 640 * 1024;
    QTest::newRow("USB host pausing") << false << 0 << 640 * 1024;
    // The system takes a few MiB into its buffers before the instrument holds anything.
    QTest::newRow("TCP client reading slowly") << true << 16 * 1024 << 8 * 1024 * 1024;
    QTest::newRow("TCP client pausing") << true << 0 << 8 * 1024 * 1024;
}

// The file arrives whole and in order, the instrument goes on polling the
// board meanwhile and holds at most the limit and one piece for the client,
// and a command sent in the middle is answered after the file.
void tst_HandlerLogger::downloadReachesASlowClientWholeWhilePollsGoOn()
{
    QFETCH(bool, tcp);
    QFETCH(int, pace);
    QFETCH(int, size);
    const QByteArray content = numberedLogfile(size);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), content, 0);
    const QByteArray expected = downloadOf(content) + "0\r\n";
    mHandler->abortRemoteMode();
    QString problem;
    const std::unique_ptr<TPacedClient> client = remoteClient(tcp, mHandler.get(), problem);
    QVERIFY2(client, qPrintable(problem));
    QByteArray received;

    const auto polls = [this] { return mFixture->board().commands().count("meas:curr?"); };
    mFixture->controller().setReadingActive(true);
    auto stopPolling = qScopeGuard([this] { mFixture->controller().setReadingActive(false); });
    qint64 mostHeld = 0;
    int pollsAtHold = -1;
    int pollsWhileArriving = 0;
    int pollsAtFirstBytes = -1;
    bool asked = false;
    bool paused = false;
    QTimer turn;
    turn.setInterval(5);
    connect(&turn, &QTimer::timeout, [&] {
        const qint64 held = client->transport().pendingBytes();
        mostHeld = qMax(mostHeld, held);
        if (!asked && (held > 0 || !received.isEmpty())) {
            client->send("logg:runn?\r");
            asked = true;
        }
        int taking = pace;
        if (pace == 0) {
            if (pollsAtHold < 0 && held > 0)
                pollsAtHold = polls();
            if (pollsAtHold >= 0 && polls() - pollsAtHold >= 2)
                taking = -1;
            paused = pollsAtHold >= 0 && taking == 0;
        }
        received += client->take(taking);
        // Counted from a turn that came early in the reply: a transport that
        // held the event loop until most of it had gone out shows none.
        if (pollsAtFirstBytes < 0 && !received.isEmpty() && received.size() < expected.size() / 4)
            pollsAtFirstBytes = polls();
        if (pollsAtFirstBytes >= 0 && received.size() < expected.size())
            pollsWhileArriving = polls() - pollsAtFirstBytes;
    });
    // A client the instrument never serves gives up by a deadline of its
    // own, and the local user takes the instrument back, so that the row
    // fails and the next ones run. A serial line is not read while the file
    // waits for the host: a hang-up alone would be seen only by a write path
    // that works.
    QElapsedTimer running;
    running.start();
    bool gaveUp = false;
    connect(&turn, &QTimer::timeout, [&] {
        if (!gaveUp && running.hasExpired(TRANSFER_DEADLINE)) {
            gaveUp = true;
            client->hangUp();
            mHandler->abortRemoteMode();
        }
    });
    received += client->take(pace);
    turn.start();
    client->send("logg:down '01012026_080000000'\r");
    // The file waits for a client that pauses outside any command: the
    // test's own wait goes on meanwhile, as a calibration run's does.
    int looksWhilePaused = 0;
    const auto arrived = [&] {
        looksWhilePaused += paused ? 1 : 0;
        return gaveUp || received.size() >= expected.size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(arrived(), 2 * TRANSFER_DEADLINE);
    turn.stop();
    QVERIFY2(!gaveUp, qPrintable(QStringLiteral("%1 of %2 bytes").arg(received.size()).arg(expected.size())));
    QCOMPARE(received.size(), expected.size());
    QVERIFY(received == expected);
    QVERIFY2(mostHeld <= TExternalCommunicationInterface::PENDING_OUTPUT_LIMIT +
                             TExternalCommunicationHandler::LOGFILE_DOWNLOAD_PIECE_LENGTH,
             qPrintable(QString::number(mostHeld)));
    if (pace > 0)
        QVERIFY2(pollsWhileArriving >= 2, qPrintable(QString::number(pollsWhileArriving)));
    else
        QVERIFY(looksWhilePaused > 0);
}

void tst_HandlerLogger::longCommandEndsWhenTheClientHangsUp_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<bool>("scan");
    // More lines behind the long command than the handler queues: the line
    // is not read while they wait.
    QTest::addColumn<bool>("fullQueue");
    QTest::newRow("download, USB host") << false << false << false;
    QTest::newRow("download, TCP client") << true << false << false;
    QTest::newRow("scan, USB host") << false << true << false;
    QTest::newRow("scan, TCP client") << true << true << false;
    QTest::newRow("scan with a full queue behind it, USB host") << false << true << true;
}

// The rest of the file or of the scan is meant for the client that asked: the
// next one on the line or port gets the answers to its own commands only, and
// at once. A serial host that unplugs leaves no word of it to the handler but
// the line's closing; the line keeps remote access and remote mode.
void tst_HandlerLogger::longCommandEndsWhenTheClientHangsUp()
{
    QFETCH(bool, tcp);
    QFETCH(bool, scan);
    QFETCH(bool, fullQueue);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), numberedLogfile(8 * 1024 * 1024), 0);
    mHandler->abortRemoteMode();
    QString problem;
    const std::unique_ptr<TPacedClient> client = remoteClient(tcp, mHandler.get(), problem);
    QVERIFY2(client, qPrintable(problem));
    client->take(0);
    bool hungUp = false;
    bool back = false;
    const auto hangUpAndComeBack = [&] {
        const quint64 connection = client->transport().connectionNumber();
        client->hangUp();
        // What the first client read before it went is not the second one's.
        client->take(-1);
        hungUp = true;
        // Until the transport has seen it: a serial line closes, a TCP client is replaced.
        back = client->comeBack() &&
               QTest::qWaitFor([&] { return client->transport().connectionNumber() != connection; }, 10000);
    };
    // A scan of a hundred channels at 600 s each, its settle times passing at
    // once; the client goes during the second.
    qint64 now = 0;
    int waits = 0;
    mHandler->setScanClock({[&now] { return now; },
                            [&](int pMilliseconds) {
                                now += pMilliseconds;
                                if (++waits == 2)
                                    hangUpAndComeBack();
                            }});
    QByteArray scanCommand = "meas:scan? 600,(@1";
    for (int entry = 1; entry < 100; ++entry)
        scanCommand += entry % 2 ? ",2" : ",1";
    QTimer turn;
    turn.setInterval(5);
    connect(&turn, &QTimer::timeout, [&] {
        if (!hungUp && client->transport().pendingBytes() > 0)
            hangUpAndComeBack();
    });
    if (!scan)
        turn.start();
    // A command behind the long one is the first client's too: it does not act.
    const QByteArray behind(fullQueue ? 2 * TExternalCommunicationHandler::MAX_QUEUED_COMMANDS : 0, '\r');
    client->send((scan ? scanCommand + ")" : QByteArray("logg:down '01012026_080000000'")) + "\rlogg:mode 2\r" +
                 behind);
    QTRY_VERIFY_WITH_TIMEOUT(hungUp, 30000);
    turn.stop();
    QVERIFY(back);
    client->send("syst:remo\rlogg:runn?\r");
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT((received += client->take(-1)).size() >= 8, 10000);
    QCOMPARE(received, QByteArray("ACK\r\n0\r\n"));
    QCOMPARE(logger().logMode(), TLogfileController::lmAutomatic);
    if (scan)
        QCOMPARE(waits, 2);
}

void tst_HandlerLogger::downloadCutByTheLocalUserLeavesTheClientInStep_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("TCP client") << true;
    // The line is not read while the file waits for the host: the second
    // command is still in it at the takeback.
    QTest::newRow("USB host") << false;
}

// The local user takes the instrument back in the middle of a download, while
// the client has sent more: one command with the download's, one while the
// file goes out. The client reads the cut file ended as a reply is, and its
// next reply on a line of its own; what it sent before the takeback is
// cancelled, as the question on the screen says.
void tst_HandlerLogger::downloadCutByTheLocalUserLeavesTheClientInStep()
{
    QFETCH(bool, tcp);
    const QByteArray content = numberedLogfile(8 * 1024 * 1024);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), content, 0);
    const QByteArray file = downloadOf(content);
    mHandler->abortRemoteMode();
    QString problem;
    const std::unique_ptr<TPacedClient> client = remoteClient(tcp, mHandler.get(), problem);
    QVERIFY2(client, qPrintable(problem));
    client->take(0);
    int turnsSinceAsked = -1;
    bool takenBack = false;
    QTimer turn;
    turn.setInterval(5);
    connect(&turn, &QTimer::timeout, [&] {
        if (turnsSinceAsked < 0 && client->transport().pendingBytes() > 0) {
            client->send("*idn?\r");
            turnsSinceAsked = 0;
        } else if (turnsSinceAsked >= 0 && !takenBack && ++turnsSinceAsked == 10) {
            // The user's Yes, some turns of the event loop after the text came.
            mHandler->abortRemoteMode();
            takenBack = true;
        }
    });
    turn.start();
    client->send("logg:down '01012026_080000000'\r*idn?\r");
    QTRY_VERIFY_WITH_TIMEOUT(takenBack, 30000);
    turn.stop();
    QVERIFY(!mHandler->isInRemoteMode());
    // The client's text counts as sent before until its connection or line has been quiet for a while.
    QTRY_VERIFY(!client->transport().isDroppingInput());
    client->send("syst:ackn 1\r");
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT((received += client->take(-1)).endsWith("ACK\r\n"), 10000);
    const QByteArray cut = received.left(received.size() - 7);
    QVERIFY2(received.endsWith("\r\nACK\r\n") && received.count("\r\n") == 2,
             received.right(80).toPercentEncoding().constData());
    QVERIFY(cut.size() < file.size() - 2);
    QVERIFY(file.startsWith(cut));
}

void tst_HandlerLogger::aClientThatReadsNothingIsSlowedNotHeld_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<int>("pairs");
    // 0: the second command of a pair is "syst:date?", else "logg:file?"
    // with this many logs, a reply of 19 bytes each.
    QTest::addColumn<int>("logs");
    // The system takes a few MiB of replies into its buffers before the
    // instrument holds anything, a pseudo-terminal a few KiB.
    QTest::newRow("USB host") << false << 20000 << 0;
    QTest::newRow("TCP client") << true << 100000 << 0;
    // One piece of text asks for a few MiB of these.
    QTest::newRow("USB host, long replies") << false << 200 << 1000;
    QTest::newRow("TCP client, long replies") << true << 300 << 1000;
}

// A client sends pairs of "*idn?" and a second command and reads nothing until
// it has sent nothing for some turns: the instrument holds no more of its
// replies than the bound and one reply. When the client reads at last, it gets
// every reply in order, those to the text that waited too, without sending
// anything more. Each "syst:date?" finds one day more gone; each "logg:file?"
// names every log.
void tst_HandlerLogger::aClientThatReadsNothingIsSlowedNotHeld()
{
    QFETCH(bool, tcp);
    QFETCH(int, pairs);
    QFETCH(int, logs);
    const QDate firstDay(2000, 1, 1);
    int days = 0;
    mHandler->setCurrentDateTime([&] { return QDateTime(firstDay.addDays(days++), QTime(12, 0)); });
    QStringList logNames;
    for (int log = 0; log < logs; ++log) {
        logNames << QStringLiteral("01012026_%1").arg(log, 9, 10, QLatin1Char('0'));
        TAMARIND_PUT_LOGFILE(*mFixture, logNames.last(), QByteArray(), 0);
    }
    mHandler->abortRemoteMode();
    QString problem;
    const std::unique_ptr<TPacedClient> client = remoteClient(tcp, mHandler.get(), problem);
    QVERIFY2(client, qPrintable(problem));
    client->take(0);
    const QByteArray commands = QByteArray("*idn?\r").append(logs ? "logg:file?\r" : "syst:date?\r").repeated(pairs);

    int sent = 0;
    int turnsWithoutSending = 0;
    qint64 mostHeld = 0;
    QByteArray received;
    // The client's turns come from the event loop, between the handler's
    // turns of commands.
    QTimer turn;
    turn.setInterval(5);
    connect(&turn, &QTimer::timeout, [&] {
        const int taken = sent < commands.size() ? client->offer(commands.mid(sent, 64 * 1024)) : 0;
        sent += taken;
        turnsWithoutSending = taken > 0 ? 0 : turnsWithoutSending + 1;
        mostHeld = qMax(mostHeld, client->transport().pendingBytes());
        if (turnsWithoutSending >= 40)
            received += client->take(-1);
    });
    turn.start();
    QTRY_VERIFY_WITH_TIMEOUT(sent == commands.size() && received.count('\n') >= 2 * pairs, 30000);
    turn.stop();

    const QList<QByteArray> lines = received.split('\n');
    QCOMPARE(lines.size(), 2 * pairs + 1);
    QVERIFY2(lines.first().startsWith("ZELK,"), lines.first().constData());
    QByteArray second = lines.at(1);
    if (logs) {
        QStringList listed = QString::fromLatin1(second.chopped(1)).split(QLatin1Char(','));
        listed.sort();
        QCOMPARE(listed, logNames);
    }
    for (int pair = 0; pair < pairs; ++pair) {
        if (!logs) {
            const QDate day = firstDay.addDays(pair);
            second = QByteArray::number(day.day()) + ',' + QByteArray::number(day.month()) + ',' +
                     QByteArray::number(day.year()) + '\r';
        }
        QVERIFY2(lines.at(2 * pair) == lines.first() && lines.at(2 * pair + 1) == second,
                 qPrintable(QStringLiteral("pair %1: %2 %3")
                                .arg(pair)
                                .arg(QString::fromLatin1(lines.at(2 * pair)),
                                     QString::fromLatin1(lines.at(2 * pair + 1).left(80)))));
    }
    const qint64 longestReply = qMax(lines.first().size(), second.size()) + 1;
    QVERIFY2(mostHeld <= TExternalCommunicationInterface::PENDING_OUTPUT_LIMIT + longestReply,
             qPrintable(QString::number(mostHeld)));
}

void tst_HandlerLogger::aBatchSentDuringAScanIsAnsweredWhole_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<bool>("acknowledged");
    QTest::newRow("USB host") << false << true;
    QTest::newRow("TCP client") << true << true;
    // No reply drains the line: the queue's own room must let it read on.
    QTest::newRow("USB host, setters unacknowledged") << false << false;
}

// A client sends a scan, twice as many setters as the handler queues and
// "*idn?" at once, and reads as the replies come: the setters arrive while
// the scan runs. What the queue cannot take waits in the line or connection,
// and every line is answered in its turn.
void tst_HandlerLogger::aBatchSentDuringAScanIsAnsweredWhole()
{
    QFETCH(bool, tcp);
    QFETCH(bool, acknowledged);
    mHandler->abortRemoteMode();
    QString problem;
    const std::unique_ptr<TPacedClient> client = remoteClient(tcp, mHandler.get(), problem);
    QVERIFY2(client, qPrintable(problem));
    const int setters = 2 * TExternalCommunicationHandler::MAX_QUEUED_COMMANDS;
    const QByteArray setter = acknowledged ? "syst:ackn 1\r" : "conf:chan 1\r";
    const QByteArray batch =
        QByteArray(acknowledged ? "" : "syst:ackn 0\r") + "meas:scan? 3,(@1)\r" + setter.repeated(setters) + "*idn?\r";
    const int replies = acknowledged ? setters + 2 : 3;
    // The settle time passes in steps, each a short turn of the event loop, in
    // which more of the batch arrives.
    qint64 now = 0;
    const auto turnOfTheLoop = TExternalCommunicationHandler::systemScanClock().mWait;
    mHandler->setScanClock({[&now] { return now; },
                            [&](int pMilliseconds) {
                                now += qMin(pMilliseconds, 10);
                                turnOfTheLoop(5);
                            }});
    int sent = 0;
    QByteArray received;
    QTimer turn;
    turn.setInterval(5);
    connect(&turn, &QTimer::timeout, [&] {
        sent += client->offer(batch.mid(sent));
        received += client->take(-1);
    });
    turn.start();
    QTRY_VERIFY_WITH_TIMEOUT(received.count('\n') >= replies, 30000);
    turn.stop();
    if (!acknowledged) {
        QVERIFY2(received.startsWith("ACK\r\n"), received.left(80).constData());
        received.remove(0, 5);
    }
    const int scanned = received.indexOf('\n') + 1;
    QVERIFY2(received.left(scanned).endsWith("\xb0"
                                             "C\r\n"),
             received.left(scanned).constData());
    const QByteArray acks = QByteArray("ACK\r\n").repeated(acknowledged ? setters : 0);
    QVERIFY2(received.mid(scanned, acks.size()) == acks,
             qPrintable(QStringLiteral("%1 ACK, %2 E17").arg(received.count("ACK")).arg(received.count("E17"))));
    QVERIFY2(received.mid(scanned + acks.size()).startsWith("ZELK,"), received.right(80).constData());
}

TAMARIND_TEST_MAIN(tst_HandlerLogger)
#include "tst_handlerlogger.moc"

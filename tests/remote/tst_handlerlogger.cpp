#include "channelcontroller.h"
#include "externalcommunicationhandler.h"
#include "loggerfixture.h"
#include "recordinginterface.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>

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
// mode, on the logger of the simulated board and its log directory.
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
    QDir(TTestEnvironment::root() + QStringLiteral("/home/Logfiles")).removeRecursively();
    mFixture = std::make_unique<TLoggerFixture>();
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
    mFixture->putLogfile(QStringLiteral("01012026_080000000"), "a\r\n", 60);
    mFixture->putLogfile(QStringLiteral("02012026_080000000"), "b\r\n", 30);
    QCOMPARE(ask("logger:files?"), QByteArray("02012026_080000000,01012026_080000000\r\n"));
    // The logger's list page shows fewer files than there are; the remote list names them all.
    mFixture->putLogfile(QStringLiteral("03012026_080000000"), "c\r\n", 10);
    logger().setMaximumListedLogfiles(1);
    logger().refreshLogfileList();
    QCOMPARE(ask("logg:file?"), QByteArray("03012026_080000000,02012026_080000000,01012026_080000000\r\n"));
}

void tst_HandlerLogger::download()
{
    mFixture->putLogfile(QStringLiteral("01012026_080000000"), "first\r\nsecond\r\nthird\r\n");
    mFixture->putLogfile(QStringLiteral("02012026_080000000"), "");
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
    mFixture->putLogfile(QStringLiteral("01012026_080000000"), content);
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
    QVERIFY(TTestEnvironment::writeDeviceFile(QStringLiteral("/home/serialnumber"), "4711"));
    mFixture->putLogfile(QStringLiteral("01012026_080000000"), "a\r\n");
    QCOMPARE(ask("logg:eras " + name), reply);
    QCOMPARE(TTestEnvironment::readDeviceFile(QStringLiteral("/home/serialnumber")), QByteArray("4711"));
    QCOMPARE(mFixture->logfileNames().isEmpty(), reply == "ACK\r\n");
    QVERIFY(QDir(mFixture->logfileDir()).exists());
}

void tst_HandlerLogger::downloadOnlyPlainNamesOfTheLogDirectory()
{
    QVERIFY(TTestEnvironment::writeDeviceFile(QStringLiteral("/home/serialnumber"), "4711"));
    QDir().mkpath(mFixture->logfileDir());
    QCOMPARE(ask("logg:down '../serialnumber'"), QByteArray("E12\r\n"));
}

TAMARIND_TEST_MAIN(tst_HandlerLogger)
#include "tst_handlerlogger.moc"

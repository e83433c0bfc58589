#include "authorizationcontroller.h"
#include "externalcommunicationhandler.h"
#include "fileversionreader.h"
#include "instrumentinfo.h"
#include "messagerecorder.h"
#include "pacedclient.h"
#include "recordinginterface.h"
#include "rs232configurationcontroller.h"
#include "scpiparser.h"
#include "screenshotcontroller.h"
#include "serialcommunicationinterface.h"
#include "simulatedboardlink.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QSocketNotifier>

#include <algorithm>
#include <memory>

#include <sys/ioctl.h>
#include <unistd.h>

// The remote command handler between transports and commands: how received
// text becomes command lines, which transport holds access, which mode answers
// what, and the system commands it answers itself.
class tst_ExternalCommunicationHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void linesAreCutFromChunks_data();
    void linesAreCutFromChunks();
    void anOverlongLineIsDiscardedWithE5();
    void textArrivingDuringACommandIsQueuedUpToTheLimit();
    void storageWarningWaitsUntilItsCommandIsAnswered();
    void secondTransportIsIgnoredInRemoteMode();
    void anotherTransportTakesOverInLocalMode_data();
    void anotherTransportTakesOverInLocalMode();
    void textHeldAsRemoteModeBeginsIsDropped_data();
    void textHeldAsRemoteModeBeginsIsDropped();
    void textAcrossTheTakebackIsDroppedForABoundedTime_data();
    void textAcrossTheTakebackIsDroppedForABoundedTime();
    void losingAccessEndsRemoteMode_data();
    void losingAccessEndsRemoteMode();
    void modeChangesAreSignalledOnce();
    void acknowledgementRules_data();
    void acknowledgementRules();
    void systemCommands_data();
    void systemCommands();
    void identificationHasNineFields();
    void identificationWithoutBoardLeavesBoardFieldsEmpty();
    void identityCommandsWriteTheFiles();
    void touchscreenCalibrationIsReplacedWhole();
    void repliesLeaveAsLatin1Bytes_data();
    void repliesLeaveAsLatin1Bytes();
    void unitTexts_data();
    void unitTexts();
    void parameterReaders_data();
    void parameterReaders();

private:
    QByteArray exchange(const QByteArray& pText);
    void enterRemoteMode();

    std::unique_ptr<TSimulatedBoardLink> mBoard;
    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TRecordingInterface> mClient;
    std::unique_ptr<TRecordingInterface> mOtherClient;
};

namespace
{
const QString LEVEL1_PASSWORD = QStringLiteral("service4711");
const QString LEVEL2_PASSWORD = QStringLiteral("factory2357");
} // namespace

void tst_ExternalCommunicationHandler::initTestCase()
{
    TAuthorizationController& authorization = TAuthorizationController::instance();
    authorization.addLevel(QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL1));
    authorization.addLevel(QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL2));
    TAMARIND_MAKE_FIXTURE(mBoard);
    TInstrumentInfo::instance()->initialize(&mBoard->handler());
}

void tst_ExternalCommunicationHandler::init()
{
    TAuthorizationController::instance().resetLevel();
    // The identity files as each test writes them, not as an earlier identity query found them.
    TInstrumentInfo::instance()->forgetLocalIdentity();
    mHandler = std::make_unique<TExternalCommunicationHandler>(&mBoard->handler(), nullptr, nullptr, nullptr, nullptr);
    mHandler->setCurrentDateTime([] { return QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30)); });
    mClient = std::make_unique<TRecordingInterface>(mHandler.get());
    mOtherClient = std::make_unique<TRecordingInterface>(mHandler.get());
}

void tst_ExternalCommunicationHandler::cleanup()
{
    mClient.reset();
    mOtherClient.reset();
    mHandler.reset();
}

QByteArray tst_ExternalCommunicationHandler::exchange(const QByteArray& pText)
{
    mClient->receive(pText);
    return mClient->takeSent();
}

void tst_ExternalCommunicationHandler::enterRemoteMode()
{
    exchange("syst:remo\r");
    QVERIFY(mHandler->isInRemoteMode());
}

void tst_ExternalCommunicationHandler::linesAreCutFromChunks_data()
{
    QTest::addColumn<bool>("remote");
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QByteArray>("replies");
    using Chunks = QList<QByteArray>;
    QTest::newRow("CR LF in one chunk") << false << Chunks{"syst:ackn 0\r\n"} << QByteArray("ACK\r\n");
    QTest::newRow("two lines in one chunk")
        << false << Chunks{"syst:ackn 0\rsyst:ackn 1\r"} << QByteArray("ACK\r\nACK\r\n");
    QTest::newRow("line over two chunks") << false << Chunks{"syst:ac", "kn 0\r"} << QByteArray("ACK\r\n");
    QTest::newRow("no line end yet") << false << Chunks{"syst:ackn 0"} << QByteArray();
    QTest::newRow("LF alone ends a line") << false << Chunks{"syst:ackn 0\n"} << QByteArray("ACK\r\n");
    QTest::newRow("LF of a CR LF in the next chunk")
        << true << Chunks{"syst:ackn 0\r", "\nfoo\r"} << QByteArray("ACK\r\nE4\r\n");
    QTest::newRow("LF LF make no empty line") << true << Chunks{"syst:ackn 0\n\n\n"} << QByteArray("ACK\r\n");
    QTest::newRow("CR CR is an empty line in remote mode")
        << true << Chunks{"syst:ackn 0\r\r"} << QByteArray("ACK\r\nE4\r\n");
    QTest::newRow("empty line in local mode") << false << Chunks{"\r"} << QByteArray();
    QTest::newRow("zero byte cuts the chunk")
        << false << Chunks{QByteArray("syst:ackn 0\r\0syst:ackn 1\r", 25)} << QByteArray("ACK\r\n");
    QTest::newRow("unknown header in remote mode") << true << Chunks{"meas:nothing\r"} << QByteArray("E4\r\n");
    QTest::newRow("other commands dropped in local mode") << false << Chunks{"meas:curr? 1\r"} << QByteArray();
    QTest::newRow("malformed list in local mode") << false << Chunks{"meas:curr? (@1,x)\r"} << QByteArray("E5\r\n");
    QTest::newRow("board calibration in local mode") << false << Chunks{"system:calibrated?\r"} << QByteArray("1\r\n");
    QTest::newRow("remote-only query in local mode") << false << Chunks{"syst:date?\r"} << QByteArray();
    QTest::newRow("password in local mode") << false << Chunks{"syst:pass:cen 'guess'\r"} << QByteArray();
    QTest::newRow("switch-box header in local mode") << false << Chunks{"syst:swit:type? 1\r"} << QByteArray();
    QTest::newRow("header followed by a tab") << true << Chunks{"syst:ackn\t1\r"} << QByteArray("E4\r\n");
    // Its error in its turn: sent at once, it would land inside a long
    // command's reply or ahead of the replies to the lines before it.
    QTest::newRow("overlong line after a command")
        << false << Chunks{"syst:ackn 0\r" + QByteArray(TExternalCommunicationHandler::MAX_LINE_LENGTH + 1, 'x') + "\r"}
        << QByteArray("ACK\r\nE5\r\n");
    const int many = 2 * TExternalCommunicationHandler::MAX_QUEUED_COMMANDS;
    QTest::newRow("more lines in one read than the queue holds")
        << false << Chunks{QByteArray("syst:ackn 0\r").repeated(many)} << QByteArray("ACK\r\n").repeated(many);
}

void tst_ExternalCommunicationHandler::linesAreCutFromChunks()
{
    QFETCH(bool, remote);
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QByteArray, replies);
    if (remote)
        enterRemoteMode();
    QByteArray sent;
    for (const QByteArray& chunk : chunks)
        sent += exchange(chunk);
    QCOMPARE(sent, replies);
}

void tst_ExternalCommunicationHandler::anOverlongLineIsDiscardedWithE5()
{
    const QByteArray line(TExternalCommunicationHandler::MAX_LINE_LENGTH, 'x');
    QCOMPARE(exchange(line), QByteArray());
    QCOMPARE(exchange("y"), QByteArray("E5\r\n"));
    // The rest of that line goes too; the next line is served again.
    QCOMPARE(exchange(line + "syst:ackn 0\rsyst:ackn 0\r"), QByteArray("ACK\r\n"));
}

void tst_ExternalCommunicationHandler::textArrivingDuringACommandIsQueuedUpToTheLimit()
{
    // A client that floods the line while the first command is still being
    // answered, as text arrives while a long command processes events.
    class TFloodingClient : public TRecordingInterface
    {
    public:
        using TRecordingInterface::TRecordingInterface;
        void sendRawData(const QByteArray& pData) override
        {
            TRecordingInterface::sendRawData(pData);
            if (mFlooded)
                return;
            mFlooded = true;
            QByteArray flood;
            for (int i = 0; i < 2 * TExternalCommunicationHandler::MAX_QUEUED_COMMANDS; ++i)
                flood += "syst:ackn " + QByteArray::number(i % 2) + '\r';
            deliver(flood);
            // Nothing of the flood is answered before the command that was running.
            mRepliesDuringFlood = takeSent();
        }
        bool mFlooded = false;
        QByteArray mRepliesDuringFlood;
    };
    TFloodingClient client(mHandler.get());
    client.receive("syst:ackn 0\r");
    QCOMPARE(client.mRepliesDuringFlood, QByteArray("ACK\r\n"));
    // Each line beyond the limit is answered, after the last one queued.
    const int limit = TExternalCommunicationHandler::MAX_QUEUED_COMMANDS;
    QCOMPARE(client.takeSent(), QByteArray("ACK\r\n").repeated(limit) + QByteArray("E17\r\n").repeated(limit));
}

// Remote screenshots that cannot be saved on a full disk: the storage
// message opens once the first one's command is answered, not in the middle
// of it, where it would hold every client until somebody at the instrument
// closed it, nor after the commands queued behind it, which a client may
// never let run out. The screenshots that fail while it is open do not stack
// copies of it, each needing its OK.
void tst_ExternalCommunicationHandler::storageWarningWaitsUntilItsCommandIsAnswered()
{
    // A file where the directory should be.
    TAMARIND_WRITE_DEVICE_FILE("/home/blocked", "a file");
    TFullDisk fullDisk;
    QVERIFY(fullDisk.isReady());
    TScreenshotController::instance().init("/home/blocked/Screenshots");
    TMessageRecorder messages;
    QList<int> openMessages;
    mClient->setOnSent([&] { openMessages << TMessageRecorder::openMessages(); });

    mClient->deliver("syst:ackn 1\r" + QByteArray("syst:scre\r").repeated(5) + "syst:ackn 1\r");

    QByteArray replies;
    QTRY_COMPARE(replies += mClient->takeSent(), QByteArray("ACK\r\n").repeated(7));
    QCOMPARE(openMessages.mid(0, 2), (QList<int>{0, 0}));
    QCOMPARE(*std::max_element(openMessages.cbegin(), openMessages.cend()), 1);
    QTRY_VERIFY(messages.count() >= 1 && TMessageRecorder::openMessages() == 0);
    QVERIFY2(messages.texts().count(QStringLiteral("100 % storage used")) == messages.count(),
             qPrintable(messages.texts().join(QLatin1Char('\n'))));
    TScreenshotController::instance().init(QString());
}

void tst_ExternalCommunicationHandler::secondTransportIsIgnoredInRemoteMode()
{
    enterRemoteMode();
    QVERIFY(!mHandler->processIncomingString(mOtherClient.get(), QStringLiteral("syst:ackn 0\r")));
    QCOMPARE(mOtherClient->takeSent(), QByteArray());
    QCOMPARE(exchange("syst:ackn 0\r"), QByteArray("ACK\r\n"));
}

Q_DECLARE_METATYPE(EnPacedTransport)

void tst_ExternalCommunicationHandler::anotherTransportTakesOverInLocalMode_data()
{
    QTest::addColumn<EnPacedTransport>("first");
    QTest::addColumn<EnPacedTransport>("second");
    QTest::addColumn<QByteArray>("firstText");
    QTest::addColumn<QByteArray>("firstReplies");
    // Sent once the first client has its first reply.
    QTest::addColumn<QByteArray>("secondText");
    QTest::addColumn<QByteArray>("secondReplies");
    // Sent by the first client when both have their replies.
    QTest::addColumn<QByteArray>("firstLater");
    QTest::addColumn<QByteArray>("firstLaterReplies");
    // The first client reads nothing and hangs up once the instrument holds
    // more of its replies than it keeps, its lines waiting for room.
    QTest::addColumn<bool>("firstHangsUp");
    // A host that only probed one port must not lock the others out; what
    // it had begun is its own when it goes on.
    QTest::newRow("unfinished line, TCP then USB")
        << EnPacedTransport::ptTcp << EnPacedTransport::ptUsb << QByteArray("syst:ackn 0\rsyst:ac")
        << QByteArray("ACK\r\n") << QByteArray("syst:ackn 0\r") << QByteArray("ACK\r\n")
        << QByteArray("kn 0\rsyst:remo\r") << QByteArray("ACK\r\n") << false;
    // The second host's line comes while the first client's lines run: they
    // are all answered, and the first client is read on.
    const int setters = 3000;
    const QByteArray setter = "syst:ackn 1\r";
    const QByteArray ack = "ACK\r\n";
    for (const auto& pair : {qMakePair(EnPacedTransport::ptTcp, EnPacedTransport::ptUsb),
                             qMakePair(EnPacedTransport::ptUsb, EnPacedTransport::ptRs232)})
        QTest::newRow(pair.first == EnPacedTransport::ptTcp ? "queued lines, TCP then USB"
                                                            : "queued lines, USB then RS-232")
            << pair.first << pair.second << setter.repeated(setters) << ack.repeated(setters) << setter << ack
            << "syst:remo\r" + setter << ack.repeated(2) << false;
    // Nobody is left to read what waits: the line's closing ends its lines.
    QTest::newRow("USB host gone while its replies wait, then TCP")
        << EnPacedTransport::ptUsb << EnPacedTransport::ptTcp << QByteArray("*idn?\r").repeated(5000) << QByteArray()
        << setter << ack << QByteArray() << QByteArray() << true;
}

void tst_ExternalCommunicationHandler::anotherTransportTakesOverInLocalMode()
{
    QFETCH(EnPacedTransport, first);
    QFETCH(EnPacedTransport, second);
    QFETCH(QByteArray, firstText);
    QFETCH(QByteArray, firstReplies);
    QFETCH(QByteArray, secondText);
    QFETCH(QByteArray, secondReplies);
    QFETCH(QByteArray, firstLater);
    QFETCH(QByteArray, firstLaterReplies);
    QFETCH(bool, firstHangsUp);
    QString problem;
    const std::unique_ptr<TPacedClient> firstClient = pacedClient(first, mHandler.get(), problem);
    QVERIFY2(firstClient, qPrintable(problem));
    const std::unique_ptr<TPacedClient> secondClient = pacedClient(second, mHandler.get(), problem);
    QVERIFY2(secondClient, qPrintable(problem));
    // The batch goes as the line takes it: a serial line holds a few KiB.
    int firstSent = 0;
    QByteArray firstReceived;
    QByteArray secondReceived;
    const auto receivedAll = [&](const QByteArray& pFirst, const QByteArray& pSecond) {
        firstSent += firstClient->offer(firstText.mid(firstSent));
        firstReceived += firstClient->take(-1);
        secondReceived += secondClient->take(-1);
        return firstReceived.size() >= pFirst.size() && secondReceived.size() >= pSecond.size();
    };

    if (firstHangsUp) {
        firstClient->take(0);
        QTRY_VERIFY_WITH_TIMEOUT(
            (firstSent += firstClient->offer(firstText.mid(firstSent)),
             firstClient->transport().pendingBytes() >= TExternalCommunicationInterface::PENDING_OUTPUT_LIMIT),
            10000);
        firstClient->hangUp();
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(receivedAll("x", QByteArray()), 10000);
    }
    secondClient->send(secondText);
    QTRY_VERIFY_WITH_TIMEOUT(receivedAll(firstReplies, secondReplies), 30000);
    QCOMPARE(secondReceived, secondReplies);
    if (firstHangsUp)
        return;
    QCOMPARE(firstReceived.size(), firstReplies.size());
    QVERIFY(firstReceived == firstReplies);

    firstReceived.clear();
    firstClient->send(firstLater);
    QTRY_VERIFY_WITH_TIMEOUT(receivedAll(firstLaterReplies, QByteArray()), 10000);
    QCOMPARE(firstReceived, firstLaterReplies);
    // The remote-mode request after the acknowledged line may come in a read of its own.
    QTRY_VERIFY(mHandler->isInRemoteMode());
}

void tst_ExternalCommunicationHandler::textHeldAsRemoteModeBeginsIsDropped_data()
{
    QTest::addColumn<bool>("takenBack");
    // What the host sends while its text waits: the line holds it.
    QTest::addColumn<QByteArray>("more");
    // As if it had come in remote mode; lines a host in local mode gets no answer to.
    QTest::newRow("the queue runs out in remote mode") << false << QByteArray("meas:curr? 1\r").repeated(20000);
    // While the first client's lines still run: the held text and what the
    // line holds are pending too.
    QTest::newRow("the local user takes the instrument back") << true << QByteArray("*idn?\r").repeated(40000);
}

// A USB host's text comes while the first client's lines run in local mode,
// and waits for them; one of them takes remote mode. The host's text is never
// answered, and its line is read on: its next text in local mode is.
void tst_ExternalCommunicationHandler::textHeldAsRemoteModeBeginsIsDropped()
{
    QFETCH(bool, takenBack);
    QFETCH(QByteArray, more);
    QString problem;
    const std::unique_ptr<TPacedClient> host = pacedClient(EnPacedTransport::ptUsb, mHandler.get(), problem);
    QVERIFY2(host, qPrintable(problem));
    // The first client reads nothing after its first reply, and after the
    // remote mode's when the local user takes the instrument back: its lines
    // wait for room.
    int replies = 0;
    const qint64 full = TExternalCommunicationInterface::PENDING_OUTPUT_LIMIT;
    mClient->setOnSent([&] {
        if (++replies == 1 || (takenBack && replies == 2))
            mClient->setUnsent(full);
    });
    mClient->deliver("syst:ackn 1\rsyst:remo\r" + QByteArray("syst:ackn 1\r").repeated(10));
    host->send("*idn?\r");
    QTRY_VERIFY(mHandler->isRunningCommandsOf(&host->transport()));
    // Until the line takes no more.
    int moreSent = 0;
    const auto lineFull = [&] {
        const int taken = host->offer(more.mid(moreSent));
        moreSent += taken;
        return moreSent > 0 && taken == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(lineFull(), 10000);
    mClient->setUnsent(0);
    QTRY_VERIFY(mHandler->isInRemoteMode());
    if (takenBack) {
        QVERIFY(mHandler->isRunningCommandsOf(mClient.get()));
        mHandler->abortRemoteMode();
    } else {
        QTRY_VERIFY(!mHandler->isRunningCommandsOf(mClient.get()));
        mClient->receive("syst:loca\r");
    }
    QVERIFY(!mHandler->isInRemoteMode());
    // After the takeback the line counts as the host's old text until it has been quiet for a while.
    QTRY_VERIFY(!host->transport().isDroppingInput());
    // A line end first: the line took the rest of the host's text up to where it was full, which may end
    // within a line that the line end makes one unanswered in local mode.
    host->send("\rsyst:ackn 0\r");
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT((received += host->take(-1)).endsWith("\n"), 10000);
    QCOMPARE(received, QByteArray("ACK\r\n"));
}

namespace
{
// A serial line's settings; a rate of 0: the client's own.
struct TLineSettings
{
    int mBaudRate = 0;
    QSerialPort::Parity mParity = QSerialPort::NoParity;
    QSerialPort::StopBits mStopBits = QSerialPort::OneStop;
};

// The drop's clock moves on by mAfter, the user stores mStored on the
// RS-232 line (a rate of 0: nothing), then the client sends mBytes; one that
// hangs up then is followed by another once the instrument has seen it.
struct TClientStep
{
    int mAfter;
    QByteArray mBytes;
    TLineSettings mStored = {};
    bool mHangsUp = false;
    // The bytes reach the line, unread, before the setting is stored.
    bool mStoredOverUnreadText = false;
    // The client's replies so far have come; after the setting it takes
    // remote mode again, acknowledged, and the local user takes it back
    // before the bytes: a drop of its own begins.
    bool mTakesBack = false;
};
using TClientSteps = QList<TClientStep>;

// Waits, without running the event loop, until the serial line holds pCount
// bytes its instrument side has not read; false after 5 s.
bool bytesWaitIn(TExternalCommunicationInterface& pTransport, int pCount)
{
    const int descriptor = qobject_cast<TSerialCommunicationInterface*>(&pTransport)->port().descriptor();
    for (int waited = 0; waited < 5000; ++waited) {
        int waiting = 0;
        if (::ioctl(descriptor, FIONREAD, &waiting) == 0 && waiting >= pCount)
            return true;
        ::usleep(1000);
    }
    return false;
}

TClientSteps every(int pPeriod, int pCount, const QByteArray& pBytes)
{
    TClientSteps steps;
    for (int i = 0; i < pCount; ++i)
        steps << TClientStep{pPeriod, pBytes};
    return steps;
}
} // namespace

Q_DECLARE_METATYPE(TClientSteps)
Q_DECLARE_METATYPE(TLineSettings)

void tst_ExternalCommunicationHandler::textAcrossTheTakebackIsDroppedForABoundedTime_data()
{
    QTest::addColumn<EnPacedTransport>("transport");
    QTest::addColumn<TLineSettings>("line");
    // Sent before the Yes and not read yet.
    QTest::addColumn<QByteArray>("waiting");
    // The most dropped; 0: as built.
    QTest::addColumn<int>("dropLimit");
    // The client connects anew right after the Yes.
    QTest::addColumn<bool>("reconnects");
    QTest::addColumn<TClientSteps>("steps");
    // Identities answered before the client's last line.
    QTest::addColumn<int>("answered");
    const QByteArray identity = "*idn?\r";
    // A poll every 100 ms for 6 s: the 49 sent before 5 s are dropped, the
    // 11 from 5 s on (5.0 s to 6.0 s) answered.
    const TClientSteps polling = every(100, 60, identity);
    QTest::newRow("TCP client polling every 100 ms for 6 s")
        << EnPacedTransport::ptTcp << TLineSettings() << QByteArray() << 0 << false << polling << 11;
    QTest::newRow("USB host polling every 100 ms for 6 s")
        << EnPacedTransport::ptUsb << TLineSettings() << QByteArray() << 0 << false << polling << 11;
    QTest::newRow("RS-232 host polling every 100 ms for 6 s")
        << EnPacedTransport::ptRs232 << TLineSettings() << QByteArray() << 0 << false << polling << 11;
    // What its system and converter held at the Yes comes at 1200 baud,
    // twelve characters every 100 ms, until 38.3 s, a remote-mode request
    // last: all dropped, the line carries 4.5 KB in 38.4 s. Its 10 polls from
    // 38.4 s on are answered.
    const TClientSteps slowLine = every(100, 382, identity + identity)
                                  << TClientStep{100, "syst:remo\r"} << every(100, 10, identity);
    QTest::newRow("RS-232 host's 4.5 KB at 1200 baud, then polling")
        << EnPacedTransport::ptRs232 << TLineSettings{1200} << QByteArray() << 0 << false << slowLine << 10;
    // Twelve bits a character carry 4.5 KB at 9600 baud in 5.76 s: the polls
    // at 5.8 s, 5.9 s and 6.0 s are answered.
    // The same rate stored again 12 s after the Yes, and two stop bits: the
    // old text still comes over the line opened anew. Eleven bits a character
    // carry 4.5 KB at 1200 baud in 42.24 s: of the polls from 38.4 s to 43.0 s
    // those from 42.3 s on are answered.
    TClientSteps storedDuringTheDrop = slowLine;
    storedDuringTheDrop[120].mStored = TLineSettings{1200};
    storedDuringTheDrop[240].mStored = TLineSettings{1200, QSerialPort::NoParity, QSerialPort::TwoStop};
    storedDuringTheDrop << every(100, 37, identity);
    QTest::newRow("a setting stored during the drop")
        << EnPacedTransport::ptRs232 << TLineSettings{1200} << QByteArray() << 0 << false << storedDuringTheDrop << 8;
    // One stop bit stored 12 s after the Yes, 1½ at 24 s: the host still
    // sends with two, and the same polls are answered.
    TClientSteps shorterFrame = storedDuringTheDrop;
    shorterFrame[240].mStored = TLineSettings{1200, QSerialPort::NoParity, QSerialPort::OneAndHalfStop};
    QTest::newRow("a shorter frame stored during the drop")
        << EnPacedTransport::ptRs232 << TLineSettings{1200, QSerialPort::NoParity, QSerialPort::TwoStop} << QByteArray()
        << 0 << false << shorterFrame << 8;
    // Then 9600 baud with two stop bits stored and the instrument taken back
    // again: eleven bits a character carry 4.5 KB in 5.28 s, and the 42.24 s
    // of the first drop are no bound of this one. Of the polls every 100 ms
    // for 6 s after it, the 8 from 5.3 s on are answered, beside the first's 8.
    TClientStep takenBackAgain{100, identity, TLineSettings{9600, QSerialPort::NoParity, QSerialPort::TwoStop}};
    takenBackAgain.mTakesBack = true;
    QTest::newRow("taken back again at 9600 baud after a shorter frame stored during the first drop")
        << EnPacedTransport::ptRs232 << TLineSettings{1200, QSerialPort::NoParity, QSerialPort::TwoStop} << QByteArray()
        << 0 << false << (TClientSteps(shorterFrame) << takenBackAgain << polling) << 16;
    // Stored 200 ms after the last read, the host's last text unread in the
    // line: the line closed for the new settings empties it, but the host
    // still sends. The polls come 100 ms later: those from 42.3 s on are 9.
    TClientSteps storedOverUnreadText = storedDuringTheDrop;
    storedOverUnreadText[120].mAfter = 200;
    storedOverUnreadText[120].mStoredOverUnreadText = true;
    QTest::newRow("a setting stored over the host's unread text")
        << EnPacedTransport::ptRs232 << TLineSettings{1200} << QByteArray() << 0 << false << storedOverUnreadText << 9;
    QTest::newRow("RS-232 host polling at 9600 baud, even parity and two stop bits")
        << EnPacedTransport::ptRs232 << TLineSettings{9600, QSerialPort::EvenParity, QSerialPort::TwoStop}
        << QByteArray() << 0 << false << polling << 3;
    // Longer than the quiet period, but never quiet that long.
    TClientSteps writing = every(40, 10, identity)
                           << TClientStep{40, "syst:remo\r"}
                           << TClientStep{TExternalCommunicationInterface::INPUT_QUIET_PERIOD, {}};
    QTest::newRow("TCP client writing pieces 40 ms apart")
        << EnPacedTransport::ptTcp << TLineSettings() << QByteArray() << 0 << false << writing << 0;
    QTest::newRow("USB host writing pieces 40 ms apart")
        << EnPacedTransport::ptUsb << TLineSettings() << QByteArray() << 0 << false << writing << 0;
    // 0.3 s after the Yes, while it sends; the host that comes back polls.
    TClientSteps hangingUp = every(100, 3, identity) << every(100, 5, identity);
    hangingUp[2].mHangsUp = true;
    QTest::newRow("USB host hangs up after the Yes")
        << EnPacedTransport::ptUsb << TLineSettings() << QByteArray() << 0 << false << hangingUp << 5;
    QTest::newRow("RS-232 host hangs up after the Yes")
        << EnPacedTransport::ptRs232 << TLineSettings() << QByteArray() << 0 << false << hangingUp << 5;
    // The socket has taken none of it yet as the quiet period ends.
    const TClientStep quiet{TExternalCommunicationInterface::INPUT_QUIET_PERIOD, {}};
    QTest::newRow("TCP client's text still in the connection")
        << EnPacedTransport::ptTcp << TLineSettings() << identity.repeated(2000) << 0 << false
        << TClientSteps{quiet, quiet} << 0;
    // Its first line, on a clock that stands.
    QTest::newRow("TCP client connecting anew right after the Yes")
        << EnPacedTransport::ptTcp << TLineSettings() << QByteArray() << 0 << true << TClientSteps{} << 0;
    // The rest, which the socket has taken already, without more coming.
    QTest::newRow("TCP client's text going on past the most dropped")
        << EnPacedTransport::ptTcp << TLineSettings() << identity.repeated(1000) << 500 * identity.size() << false
        << TClientSteps{{0, {}}} << 500;
}

// A client in remote mode sends on after the local user's Yes, on the drop's
// clock. What it sent before the Yes is never answered; what comes once its
// text has paused, or once the drop's time is over, is.
void tst_ExternalCommunicationHandler::textAcrossTheTakebackIsDroppedForABoundedTime()
{
    QFETCH(EnPacedTransport, transport);
    QFETCH(TLineSettings, line);
    QFETCH(QByteArray, waiting);
    QFETCH(int, dropLimit);
    QFETCH(bool, reconnects);
    QFETCH(TClientSteps, steps);
    QFETCH(int, answered);
    QString problem;
    const std::unique_ptr<TPacedClient> client =
        line.mBaudRate > 0
            ? pacedClient(transport, mHandler.get(), problem, line.mBaudRate, line.mParity, line.mStopBits)
            : pacedClient(transport, mHandler.get(), problem);
    QVERIFY2(client, qPrintable(problem));
    client->send("syst:ackn 1\rsyst:remo\r");
    QByteArray received;
    QTRY_COMPARE(received += client->take(-1), QByteArray("ACK\r\nACK\r\n"));
    received.clear();
    TExternalCommunicationInterface& instrumentSide = client->transport();
    qint64 now = 0;
    instrumentSide.setInputClock([&now] { return now; });
    if (dropLimit > 0)
        instrumentSide.setDropLimit(dropLimit);
    // No events between: the instrument has read none of it at the Yes.
    qint64 sentInTheDrop = client->offer(waiting);
    mHandler->abortRemoteMode();
    if (reconnects) {
        client->hangUp();
        QVERIFY(client->comeBack());
    }
    // The client's replies so far come before the acknowledgement, which is not counted among them.
    const auto acknowledged = [&](const QByteArray& pLine) {
        client->send(pLine);
        const QByteArray ack = "ACK\r\n";
        if (!QTest::qWaitFor([&] { return (received += client->take(-1)).endsWith(ack); }))
            return false;
        received.chop(ack.size());
        return true;
    };
    TRS232ConfigurationController rs232;
    for (const TClientStep& step : qAsConst(steps)) {
        // The line closed for the settings stored before it would drop what it has not read yet.
        if (step.mTakesBack)
            QVERIFY(acknowledged("syst:ackn 1\r"));
        bool dropping = instrumentSide.isDroppingInput();
        now += step.mAfter;
        if (step.mStoredOverUnreadText) {
            // No events between: the line holds the bytes as the settings are stored.
            client->send(step.mBytes);
            QVERIFY2(bytesWaitIn(instrumentSide, step.mBytes.size()), "the host's bytes did not reach the line");
        } else {
            instrumentSide.inputClockMoved();
        }
        if (step.mStored.mBaudRate > 0) {
            rs232.setBaudRate(QSerialPort::BaudRate(step.mStored.mBaudRate));
            rs232.setParity(step.mStored.mParity);
            rs232.setStopBits(step.mStored.mStopBits);
            qobject_cast<TSerialCommunicationInterface*>(&instrumentSide)->onConfigurationChanged(&rs232);
        }
        if (step.mTakesBack) {
            QVERIFY(acknowledged("syst:remo\r"));
            mHandler->abortRemoteMode();
            sentInTheDrop = 0;
        }
        if (step.mStoredOverUnreadText) {
            instrumentSide.inputClockMoved();
        } else {
            dropping = instrumentSide.isDroppingInput();
            if (!step.mBytes.isEmpty())
                client->send(step.mBytes);
        }
        if (dropping) {
            // Taken at the time it came.
            sentInTheDrop += step.mBytes.size();
            QTRY_VERIFY(!instrumentSide.isDroppingInput() || instrumentSide.droppedInput() == sentInTheDrop);
        }
        if (step.mHangsUp) {
            // Seen at once, on a clock that stands, and the line not read again and again meanwhile.
            int wakings = 0;
            QObject counting;
            for (QSocketNotifier* notifier : instrumentSide.findChildren<QSocketNotifier*>())
                connect(notifier, &QSocketNotifier::activated, &counting, [&wakings] { ++wakings; });
            const quint64 connection = instrumentSide.connectionNumber();
            client->hangUp();
            const bool seen = QTest::qWaitFor([&] { return instrumentSide.connectionNumber() != connection; });
            QVERIFY2(wakings <= 2, qPrintable(QStringLiteral("%1 wakings for the hang-up").arg(wakings)));
            QVERIFY(seen);
            QVERIFY(!instrumentSide.isDroppingInput());
            QVERIFY(client->comeBack());
        }
    }
    QTRY_COMPARE((received += client->take(-1)).count("\r\n"), answered);
    QCOMPARE(received.count("ZELK,"), answered);
    client->send("syst:ackn 1\r");
    QTRY_VERIFY_WITH_TIMEOUT((received += client->take(-1)).endsWith("ACK\r\n"), 10000);
    QCOMPARE(received.count("\r\n"), answered + 1);
    QVERIFY(!mHandler->isInRemoteMode());
}

void tst_ExternalCommunicationHandler::losingAccessEndsRemoteMode_data()
{
    QTest::addColumn<bool>("byLocalUser");
    QTest::newRow("client gone") << false;
    QTest::newRow("local user") << true;
}

void tst_ExternalCommunicationHandler::losingAccessEndsRemoteMode()
{
    QFETCH(bool, byLocalUser);
    enterRemoteMode();
    exchange("syst:ack");
    QSignalSpy modes(mHandler.get(), &TExternalCommunicationHandler::remoteModeChanged);
    // Another transport's disconnection is none of the controlling one's business.
    mHandler->interfaceDisconnected(mOtherClient.get());
    QVERIFY(mHandler->isInRemoteMode());
    if (byLocalUser)
        mHandler->abortRemoteMode();
    else
        mHandler->interfaceDisconnected(mClient.get());
    QVERIFY(!mHandler->isInRemoteMode());
    QCOMPARE(modes.count(), 1);
    QCOMPARE(modes.at(0).at(0).toBool(), false);
    // Access is free again and the unfinished line was dropped.
    mOtherClient->receive("syst:ackn 0\r");
    QCOMPARE(mOtherClient->takeSent(), QByteArray("ACK\r\n"));
}

void tst_ExternalCommunicationHandler::modeChangesAreSignalledOnce()
{
    QSignalSpy modes(mHandler.get(), &TExternalCommunicationHandler::remoteModeChanged);
    exchange("syst:loca\rsyst:remo\rsystem:remote\rsyst:loca\rsystem:local\r");
    QCOMPARE(modes.count(), 2);
    QCOMPARE(modes.at(0).at(0).toBool(), true);
    QCOMPARE(modes.at(1).at(0).toBool(), false);
    // In local mode the local user has nothing to end.
    mHandler->abortRemoteMode();
    QCOMPARE(modes.count(), 2);
}

void tst_ExternalCommunicationHandler::acknowledgementRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("withoutAck");
    QTest::addColumn<QByteArray>("withAck");
    QTest::newRow("set command") << QByteArray("syst:remo") << QByteArray() << QByteArray("ACK\r\n");
    QTest::newRow("query") << QByteArray("syst:usb?") << QByteArray("0\r\n") << QByteArray("0\r\n");
    QTest::newRow("error") << QByteArray("syst:type 1") << QByteArray("E13\r\n") << QByteArray("E13\r\n");
    QTest::newRow("acknowledge off") << QByteArray("syst:ackn 0") << QByteArray("ACK\r\n") << QByteArray("ACK\r\n");
    QTest::newRow("acknowledge 2") << QByteArray("syst:ackn 2") << QByteArray("E5\r\n") << QByteArray("E5\r\n");
    QTest::newRow("acknowledge 1.0") << QByteArray("syst:ackn 1.0") << QByteArray("E5\r\n") << QByteArray("E5\r\n");
    QTest::newRow("acknowledge alone") << QByteArray("system:acknowledge") << QByteArray("E5\r\n")
                                       << QByteArray("E5\r\n");
}

void tst_ExternalCommunicationHandler::acknowledgementRules()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, withoutAck);
    QFETCH(QByteArray, withAck);
    enterRemoteMode();
    QCOMPARE(exchange(line + '\r'), withoutAck);
    exchange("syst:ackn 1\r");
    QCOMPARE(exchange(line + '\r'), withAck);
}

void tst_ExternalCommunicationHandler::systemCommands_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("wrong password without level")
        << QString() << QByteArray("syst:pass:cen 'guess'") << QByteArray("E13\r\n");
    QTest::newRow("wrong password keeps level 1")
        << LEVEL1_PASSWORD << QByteArray("syst:pass:cen 'guess'") << QByteArray("ACK\r\n");
    QTest::newRow("password as a bare number") << QString() << QByteArray("syst:pass:cen 1234") << QByteArray("E5\r\n");
    QTest::newRow("level 1 password") << QString() << QByteArray("system:password:cenable 'service4711'")
                                      << QByteArray("ACK\r\n");
    QTest::newRow("type without level 2") << LEVEL1_PASSWORD << QByteArray("syst:type 1") << QByteArray("E13\r\n");
    QTest::newRow("type 3") << LEVEL2_PASSWORD << QByteArray("syst:type 3") << QByteArray("E5\r\n");
    QTest::newRow("type without parameter") << QString() << QByteArray("syst:type") << QByteArray("E5\r\n");
    QTest::newRow("type 2 reaches the board")
        << LEVEL2_PASSWORD << QByteArray("system:type 2") << QByteArray("ACK\r\n");
    QTest::newRow("leap day") << LEVEL2_PASSWORD << QByteArray("syst:inst:mand 2024,2,29") << QByteArray("ACK\r\n");
    QTest::newRow("no leap day") << LEVEL2_PASSWORD << QByteArray("syst:inst:mand 2023,2,29") << QByteArray("E5\r\n");
    QTest::newRow("date without day at level 2")
        << LEVEL2_PASSWORD << QByteArray("syst:inst:mand 2024,2") << QByteArray("E5\r\n");
    QTest::newRow("date without day at level 0")
        << QString() << QByteArray("syst:inst:mand 2024,2") << QByteArray("E5\r\n");
    QTest::newRow("date at level 1") << LEVEL1_PASSWORD << QByteArray("syst:inst:mand 2024,2,29")
                                     << QByteArray("E13\r\n");
    QTest::newRow("serial number as a bare number")
        << LEVEL2_PASSWORD << QByteArray("syst:inst:seri 12345") << QByteArray("E5\r\n");
    QTest::newRow("serial number quoted")
        << LEVEL2_PASSWORD << QByteArray("system:instrument:serial '12345'") << QByteArray("ACK\r\n");
    QTest::newRow("date") << QString() << QByteArray("syst:date?") << QByteArray("6,12,2026\r\n");
    QTest::newRow("time") << QString() << QByteArray("system:time?") << QByteArray("9,5\r\n");
    QTest::newRow("touchscreen reset at level 0") << QString() << QByteArray("syst:touc:rese") << QByteArray("E13\r\n");
    QTest::newRow("touchscreen reset without file")
        << LEVEL1_PASSWORD << QByteArray("syst:touc:rese") << QByteArray("ACK\r\n");
    QTest::newRow("touchscreen factory reset without backup")
        << QString() << QByteArray("syst:touc:fact") << QByteArray("E12\r\n");
    QTest::newRow("touchscreen backup without calibration")
        << LEVEL2_PASSWORD << QByteArray("syst:touc:back") << QByteArray("E12\r\n");
    QTest::newRow("touchscreen test on platform 1")
        << LEVEL2_PASSWORD << QByteArray("syst:touc:test") << QByteArray("E4\r\n");
    QTest::newRow("SD card at level 1") << LEVEL1_PASSWORD << QByteArray("syst:sdca?") << QByteArray("E13\r\n");
    QTest::newRow("SD card missing") << LEVEL2_PASSWORD << QByteArray("system:sdcard?") << QByteArray("0\r\n");
    QTest::newRow("board calibrated") << QString() << QByteArray("syst:cali?") << QByteArray("1\r\n");
    QTest::newRow("no stick") << QString() << QByteArray("syst:usb?") << QByteArray("0\r\n");
    QTest::newRow("backup at level 1") << LEVEL1_PASSWORD << QByteArray("syst:user:back?") << QByteArray("E13\r\n");
    QTest::newRow("backup without stick") << LEVEL2_PASSWORD << QByteArray("syst:user:back?") << QByteArray("E12\r\n");
    QTest::newRow("restore checks the level first")
        << QString() << QByteArray("syst:user:rest?") << QByteArray("E13\r\n");
    QTest::newRow("restore without name") << LEVEL2_PASSWORD << QByteArray("syst:user:rest?") << QByteArray("E5\r\n");
    QTest::newRow("restore without stick")
        << LEVEL2_PASSWORD << QByteArray("syst:user:rest? 'x_backup.tar.gz'") << QByteArray("0\r\n");
}

void tst_ExternalCommunicationHandler::systemCommands()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    if (!password.isEmpty())
        QVERIFY(TAuthorizationController::instance().enterLevel(password) > 0);
    enterRemoteMode();
    exchange("syst:ackn 1\r");
    QCOMPARE(exchange(line + '\r'), reply);
}

void tst_ExternalCommunicationHandler::identificationHasNineFields()
{
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/serialnumber"), "ZT-1234");
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/manufacturingdate"), "20240229");
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/sys/class/net/eth0/address"), "00:1a:2b:3c:4d:5e\n");
    const QByteArray expected = "ZELK,ZTM9900,ZT-1234,29/02/2024,001A2B3C4D5E," +
                                TFileVersionReader::determineFileVersion().toString().toLatin1() +
                                ",MB19040017,1.32,15/03/2021\r\n";
    // Answered in local mode too.
    QCOMPARE(exchange("*idn?\r"), expected);
    QCOMPARE(exchange("*IDN?\n"), expected);
}

void tst_ExternalCommunicationHandler::identificationWithoutBoardLeavesBoardFieldsEmpty()
{
    mBoard->board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    TInstrumentInfo::instance()->initialize(&mBoard->handler());
    const QByteArray reply = exchange("*idn?\r");
    mBoard->board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 0; });
    QVERIFY2(reply.startsWith("ZELK,ZTM8800,"), reply.constData());
    QVERIFY2(reply.endsWith(",,,\r\n"), reply.constData());
    QCOMPARE(reply.count(','), 8);
    // A board that answers later fills the fields from the next query on.
    const QByteArray answered = exchange("*idn?\r");
    QVERIFY2(answered.startsWith("ZELK,ZTM9900,"), answered.constData());
    QVERIFY2(answered.endsWith(",MB19040017,1.32,15/03/2021\r\n"), answered.constData());
}

void tst_ExternalCommunicationHandler::identityCommandsWriteTheFiles()
{
    TAuthorizationController::instance().enterLevel(LEVEL2_PASSWORD);
    enterRemoteMode();
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/serialnumber"), "ZT-1234");
    TInstrumentInfo::instance()->forgetLocalIdentity();
    QVERIFY(exchange("*idn?\r").startsWith("ZELK,ZTM9900,ZT-1234,"));
    // The identity is kept between queries, yet each new field shows at once.
    QVERIFY(exchange("syst:inst:seri 'SN-77'\r*idn?\r").startsWith("ZELK,ZTM9900,SN-77,"));
    QVERIFY(exchange("syst:inst:mand 2025,3,4\r*idn?\r").startsWith("ZELK,ZTM9900,SN-77,04/03/2025,"));
    QCOMPARE(TInstrumentInfo::instance()->instrumentSerialNumber(), QStringLiteral("SN-77"));
    QCOMPARE(TInstrumentInfo::instance()->instrumentManufacturingDate(), QDate(2025, 3, 4));
    // Files do not change behind the program's back but through a restored backup, which reads them anew.
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/serialnumber"), "ZT-5678");
    QVERIFY(exchange("*idn?\r").startsWith("ZELK,ZTM9900,SN-77,"));
    TInstrumentInfo::instance()->forgetLocalIdentity();
    QVERIFY(exchange("*idn?\r").startsWith("ZELK,ZTM9900,ZT-5678,"));
}

void tst_ExternalCommunicationHandler::touchscreenCalibrationIsReplacedWhole()
{
    TAuthorizationController::instance().enterLevel(LEVEL2_PASSWORD);
    enterRemoteMode();
    exchange("syst:ackn 1\r");
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/etc/pointercal"), "1 2 3 4 5 6 65536\n");
    QCOMPARE(exchange("syst:touc:back\r"), QByteArray("ACK\r\n"));
    QCOMPARE(TTestEnvironment::readDeviceFile(QStringLiteral("/etc/pointercal_backup")),
             QByteArray("1 2 3 4 5 6 65536\n"));
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/etc/pointercal"), "9 9 9\n");
    QCOMPARE(exchange("syst:touc:fact\r"), QByteArray("ACK\r\n"));
    QCOMPARE(TTestEnvironment::readDeviceFile(QStringLiteral("/etc/pointercal")), QByteArray("1 2 3 4 5 6 65536\n"));
    QVERIFY(!QFileInfo::exists(TTestEnvironment::root() + QStringLiteral("/etc/pointercal.new")));
    QCOMPARE(exchange("syst:touc:rese\r"), QByteArray("ACK\r\n"));
    QVERIFY(!QFileInfo::exists(TTestEnvironment::root() + QStringLiteral("/etc/pointercal")));
    QCOMPARE(exchange("syst:touc:back\r"), QByteArray("E12\r\n"));
    // A failed backup keeps the backup there was.
    QCOMPARE(TTestEnvironment::readDeviceFile(QStringLiteral("/etc/pointercal_backup")),
             QByteArray("1 2 3 4 5 6 65536\n"));
}

void tst_ExternalCommunicationHandler::repliesLeaveAsLatin1Bytes_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ohm and degree") << QStringLiteral("109.12345\u2126,23.4567\u00B0C")
                                    << QByteArray("109.12345R,23.4567\xB0"
                                                  "C\r\n");
    QTest::newRow("beyond Latin-1") << QStringLiteral("\u20AC5") << QByteArray("?5\r\n");
}

void tst_ExternalCommunicationHandler::repliesLeaveAsLatin1Bytes()
{
    QFETCH(QString, reply);
    QFETCH(QByteArray, bytes);
    exchange("syst:ackn 0\r");
    mHandler->returnResponse(reply);
    QCOMPARE(mClient->takeSent(), bytes);
}

void tst_ExternalCommunicationHandler::unitTexts_data()
{
    using namespace Electrical_temperature_units;
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");
    QTest::newRow("Celsius") << int(uCelsius) << QStringLiteral("\u00B0C");
    QTest::newRow("Fahrenheit") << int(uFahrenheit) << QStringLiteral("\u00B0F");
    QTest::newRow("kelvin") << int(uKelvin) << QStringLiteral("K");
    QTest::newRow("ohm") << int(uOhm) << QStringLiteral("\u2126");
    QTest::newRow("millivolt") << int(uMilliVolt) << QStringLiteral("mV");
    QTest::newRow("undefined") << int(uUndefined) << QString();
    QTest::newRow("no unit") << 9 << QString();
}

void tst_ExternalCommunicationHandler::unitTexts()
{
    QFETCH(int, unit);
    QFETCH(QString, text);
    QCOMPARE(TExternalCommunicationHandler::unitToText(Electrical_temperature_units::EnUnit(unit)), text);
}

void tst_ExternalCommunicationHandler::parameterReaders_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<int>("integer");
    QTest::addColumn<int>("integerOrList");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("switchBox");
    // -1 where the reader refuses the parameter.
    QTest::newRow("integer 2") << "2" << 2 << 2 << QString() << 2;
    QTest::newRow("box 0") << "0" << 0 << 0 << QString() << -1;
    QTest::newRow("box 4") << "4" << 4 << 4 << QString() << 4;
    QTest::newRow("box 5") << "5" << 5 << 5 << QString() << -1;
    QTest::newRow("number 2.0") << "2.0" << -1 << -1 << QString() << -1;
    QTest::newRow("channel list") << "(@2,3)" << -1 << 2 << QString() << -1;
    QTest::newRow("bare number is no text") << "1234" << 1234 << 1234 << QString() << -1;
    QTest::newRow("quoted number is text") << "'1234'" << -1 << -1 << "1234" << -1;
}

void tst_ExternalCommunicationHandler::parameterReaders()
{
    QFETCH(QString, parameter);
    QFETCH(int, integer);
    QFETCH(int, integerOrList);
    QFETCH(QString, text);
    QFETCH(int, switchBox);
    bool valid = false;
    const TSCPICommand command = TSCPIParser().parseCommand(QStringLiteral("x ") + parameter, valid);
    const auto& param = command.parameters().at(0);
    int value = -1;
    QCOMPARE(mHandler->getIntParam(param, value, false), integer != -1);
    QCOMPARE(value, integer == -1 ? 0 : integer);
    QCOMPARE(mHandler->getIntParam(param, value, true), integerOrList != -1);
    QString read = QStringLiteral("old");
    QCOMPARE(mHandler->getStringParam(param, read), !text.isEmpty());
    QCOMPARE(read, text);

    exchange("syst:ackn 0\r");
    int box = 0;
    QCOMPARE(mHandler->getSwitchBoxNumber(param, box), switchBox != -1);
    QCOMPARE(box, switchBox);
    QCOMPARE(mClient->takeSent(), switchBox == -1 ? QByteArray("E5\r\n") : QByteArray());
}

TAMARIND_TEST_MAIN(tst_ExternalCommunicationHandler)
#include "tst_externalcommunicationhandler.moc"

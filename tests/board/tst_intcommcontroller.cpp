#include "intcommcontroller.h"
#include "simulatedboardlink.h"
#include "terminationsignals.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>

#include <atomic>
#include <csignal>
#include <functional>
#include <limits>
#include <optional>

using TFaultSetup = std::function<void(TBoardFaults&)>;
using TBoardCondition = std::function<bool(TBoardSimulator&)>;
Q_DECLARE_METATYPE(TFaultSetup)
Q_DECLARE_METATYPE(TBoardCondition)

namespace
{
const QByteArray IDENTIFICATION("ZELK,ZTM9900,MB19040017,1.32,15/03/2021");
constexpr qint64 MS = 1000 * 1000;
constexpr int SILENCE_WAITED_OUT = 300;

QString send(TIntCommController& pLink, const QString& pCommand, bool& oFailed, bool pResponseExpected = true)
{
    return pLink.sendCommand(pCommand, pResponseExpected, oFailed);
}
} // namespace

class tst_IntCommController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checksum_data();
    void checksum();
    void checksumOfShortInputs();
    void identificationFrameOnTheWire();
    void replyIsCollected_data();
    void replyIsCollected();
    void commandWithoutReplyEndsAtAck();
    void boardNaks_data();
    void boardNaks();
    void corruptedReplies_data();
    void corruptedReplies();
    void naksAndCorruptedRepliesShareTheTries_data();
    void naksAndCorruptedRepliesShareTheTries();
    void exchangeEndsWithinItsLimits_data();
    void exchangeEndsWithinItsLimits();
    void boardThatRestartsIsFoundAgain();
    void boardWhoseLineCannotBeLinkedFailsTheRow_data();
    void boardWhoseLineCannotBeLinkedFailsTheRow();
    void silentBoardIsNotAskedAgain();
    void strayByteInsteadOfAck();
    void zeroByteCutsTheReply();
    void staleInputIsNotTheNextAnswer_data();
    void staleInputIsNotTheNextAnswer();
    void firstCommandGoesOutAtOnce();
    void commandsKeepTheirPause();
    void portThatDoesNotOpenFails();
};

void tst_IntCommController::initTestCase()
{
    // The link's pacing is tested here: with the board's pause, not the short one of the other tests.
    TBoardLinkPacing::restoreBoardPause();
}

void tst_IntCommController::checksum_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<quint8>("crc");
    QTest::newRow("three letters") << QByteArray("abc") << quint8(0x3E);
    QTest::newRow("nine digits") << QByteArray("123456789") << quint8(0xD2);
    QTest::newRow("identification query") << QByteArray("*idn?") << quint8(0xC3);
}

void tst_IntCommController::checksum()
{
    QFETCH(QByteArray, text);
    QFETCH(quint8, crc);

    const QByteArray frame = TIntCommController::frame(text);
    QCOMPARE(frame, text + char(crc) + "\r\n");
    // The receiver's division of text and CRC leaves nothing.
    QCOMPARE(TIntCommController::calcChecksum(text + char(crc), TIntCommController::GENERATOR_POLYNOMIAL), char(0));
    QVERIFY(TIntCommController::calcChecksum(text + char(crc ^ 0x10), TIntCommController::GENERATOR_POLYNOMIAL) != 0);
}

void tst_IntCommController::checksumOfShortInputs()
{
    QCOMPARE(TIntCommController::calcChecksum(QByteArray(), TIntCommController::GENERATOR_POLYNOMIAL), char(0));
    QCOMPARE(TIntCommController::calcChecksum("\xA7", TIntCommController::GENERATOR_POLYNOMIAL), char(0xA7));
}

void tst_IntCommController::identificationFrameOnTheWire()
{
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    bool failed = true;
    QCOMPARE(send(board.link(), "*idn?", failed), QString::fromLatin1(IDENTIFICATION));
    QVERIFY(!failed);

    const QList<TReceivedFrame> frames = board.board().receivedFrames();
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.at(0).mBytes, QByteArray::fromHex("2A69646E3FC30D0A"));
    // The reply is confirmed with one lone ACK.
    QTRY_COMPARE(board.board().hostAcks(), 1);
    QCOMPARE(board.board().hostNaks(), 0);
}

void tst_IntCommController::replyIsCollected_data()
{
    QTest::addColumn<TFaultSetup>("fault");
    QTest::newRow("ACK and reply written one after the other") << TFaultSetup();
    QTest::newRow("ACK and reply in one write") << TFaultSetup([](TBoardFaults& f) { f.mJoinedReplies = 1; });
    QTest::newRow("reply in pieces of two bytes") << TFaultSetup([](TBoardFaults& f) {
        f.mPieceReplies = 1;
        f.mPieceBytes = 2;
        f.mPieceGapMs = 3;
    });
    QTest::newRow("CR LF arriving one byte at a time") << TFaultSetup([](TBoardFaults& f) {
        f.mPieceReplies = 1;
        f.mPieceBytes = 1;
        f.mPieceGapMs = 2;
    });
}

void tst_IntCommController::replyIsCollected()
{
    QFETCH(TFaultSetup, fault);
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    if (fault)
        board.board().withFaults(fault);

    bool failed = true;
    QCOMPARE(send(board.link(), "*idn?", failed), QString::fromLatin1(IDENTIFICATION));
    QVERIFY(!failed);
    QTRY_COMPARE(board.board().hostAcks(), 1);
    QCOMPARE(board.board().receivedFrames().size(), 1);
}

void tst_IntCommController::commandWithoutReplyEndsAtAck()
{
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    bool failed = true;
    QCOMPARE(send(board.link(), "conf:chan 02", failed, false), QString());
    QVERIFY(!failed);
    int measured = 0;
    board.board().withState([&](TBoardState& pState) { measured = pState.mMeasuredChannel; });
    QCOMPARE(measured, 2);
    // Nothing to confirm: the host sent its frame and nothing else.
    QCOMPARE(send(board.link(), "syst:cali?", failed), QString("1"));
    QTRY_COMPARE(board.board().hostAcks(), 1);
}

void tst_IntCommController::boardNaks_data()
{
    QTest::addColumn<int>("naks");
    QTest::addColumn<bool>("failed");
    QTest::newRow("four NAKs, the fifth try is answered") << 4 << false;
    QTest::newRow("five NAKs give up") << 5 << true;
}

void tst_IntCommController::boardNaks()
{
    QFETCH(int, naks);
    QFETCH(bool, failed);
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults([&](TBoardFaults& f) { f.mNakCommands = naks; });

    bool linkFailed = !failed;
    const QString reply = send(board.link(), "syst:cali?", linkFailed);
    QCOMPARE(linkFailed, failed);
    QCOMPARE(reply, failed ? QString() : QString("1"));

    // A marker command shows that no further try of the first one followed.
    bool markerFailed = true;
    send(board.link(), "*idn?", markerFailed);
    QVERIFY(!markerFailed);
    QList<QByteArray> expected;
    for (int i = 0; i < 5; ++i)
        expected << "syst:cali?";
    expected << "*idn?";
    QCOMPARE(board.commands(), expected);
}

void tst_IntCommController::corruptedReplies_data()
{
    QTest::addColumn<int>("corrupted");
    QTest::addColumn<bool>("failed");
    QTest::newRow("four corrupted replies, the fifth is good") << 4 << false;
    QTest::newRow("five corrupted replies give up") << 5 << true;
}

void tst_IntCommController::corruptedReplies()
{
    QFETCH(int, corrupted);
    QFETCH(bool, failed);
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults([&](TBoardFaults& f) { f.mBadReplyCrc = corrupted; });

    bool linkFailed = !failed;
    const QString reply = send(board.link(), "*idn?", linkFailed);
    QCOMPARE(linkFailed, failed);
    QCOMPARE(reply, failed ? QString() : QString::fromLatin1(IDENTIFICATION));
    QTRY_COMPARE(board.board().hostNaks(), corrupted);
    QTRY_COMPARE(board.board().hostAcks(), failed ? 0 : 1);
    // The command itself went out once; each NAK asked for the reply only.
    QCOMPARE(board.commands(), QList<QByteArray>{"*idn?"});
}

// The limit of five tries holds for NAKs and corrupted replies together.
void tst_IntCommController::naksAndCorruptedRepliesShareTheTries_data()
{
    QTest::addColumn<int>("naks");
    QTest::addColumn<int>("corrupted");
    QTest::addColumn<bool>("failed");
    QTest::newRow("three NAKs and one corrupted reply, the fifth try is good") << 3 << 1 << false;
    QTest::newRow("three NAKs and two corrupted replies give up") << 3 << 2 << true;
    QTest::newRow("one NAK and four corrupted replies give up") << 1 << 4 << true;
}

void tst_IntCommController::naksAndCorruptedRepliesShareTheTries()
{
    QFETCH(int, naks);
    QFETCH(int, corrupted);
    QFETCH(bool, failed);
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults([&](TBoardFaults& f) {
        f.mNakCommands = naks;
        f.mBadReplyCrc = corrupted;
    });

    bool linkFailed = !failed;
    const QString reply = send(board.link(), "*idn?", linkFailed);
    QCOMPARE(linkFailed, failed);
    QCOMPARE(reply, failed ? QString() : QString::fromLatin1(IDENTIFICATION));
    // The frame went out once per NAK and once more for the ACK; the corrupted replies cost NAKs of ours.
    QCOMPARE(board.commands().size(), naks + 1);
    QTRY_COMPARE(board.board().hostNaks(), corrupted);
    QTRY_COMPARE(board.board().hostAcks(), failed ? 0 : 1);
}

namespace
{
enum EnTerminate { tNone, tAsTheBoardTakesTheCommand, tBeforeTheCommand };
} // namespace

void tst_IntCommController::exchangeEndsWithinItsLimits_data()
{
    QTest::addColumn<TFaultSetup>("fault");
    QTest::addColumn<int>("exchangeTimeout");
    QTest::addColumn<int>("givenUpWithinMs");
    // With SIGTERM the link waits on the wall clock as the program's does,
    // without the board's silence notice.
    QTest::addColumn<int>("terminate");
    // A byte every 100 ms never lets the wait for the next bytes run out; the
    // identification would take over 4 s.
    QTest::newRow("reply trickling in past the exchange's limit") << TFaultSetup([](TBoardFaults& f) {
        f.mPieceReplies = 1;
        f.mPieceBytes = 1;
        f.mPieceGapMs = 100;
    }) << 1000 << 4000 << int(tNone);
    // Noise without CR LF is no reply: the full buffer ends the exchange, not
    // the wait for more bytes after it, which no load runs out.
    QTest::newRow("noise without an end of line")
        << TFaultSetup([](TBoardFaults& f) { f.mNoiseReplies = 1; }) << TSimulatedBoardLink::LOADED_MACHINE_TIMEOUT
        << TSimulatedBoardLink::LOADED_MACHINE_TIMEOUT / 2 << int(tNone);
    // The program ends at a terminate, not after the board's time-outs,
    // whatever the board does.
    const TFaultSetup trickling([](TBoardFaults& f) {
        f.mPieceReplies = 1;
        f.mPieceBytes = 3;
        f.mPieceGapMs = 1900;
    });
    QTest::newRow("a terminate while the board leaves the command unanswered")
        << TFaultSetup([](TBoardFaults& f) { f.mSilentCommands = 1; }) << TIntCommController::EXCHANGE_TIMEOUT
        << TIntCommController::TIMEOUT << int(tAsTheBoardTakesTheCommand);
    QTest::newRow("a terminate while the reply is late") << TFaultSetup([](TBoardFaults& f) {
        f.mLateReplies = 1;
        f.mLateReplyDelayMs = 2 * TIntCommController::EXCHANGE_TIMEOUT;
    }) << TIntCommController::EXCHANGE_TIMEOUT << TIntCommController::TIMEOUT
                                                         << int(tAsTheBoardTakesTheCommand);
    QTest::newRow("a terminate while the reply trickles in")
        << trickling << TIntCommController::EXCHANGE_TIMEOUT << TIntCommController::TIMEOUT
        << int(tAsTheBoardTakesTheCommand);
    // Asked on the way out, the board may take one wait for bytes, not the exchange's limit.
    QTest::newRow("a reply trickling in after a terminate")
        << trickling << TIntCommController::EXCHANGE_TIMEOUT << 2 * TIntCommController::TIMEOUT
        << int(tBeforeTheCommand);
}

void tst_IntCommController::exchangeEndsWithinItsLimits()
{
    QFETCH(TFaultSetup, fault);
    QFETCH(int, exchangeTimeout);
    QFETCH(int, givenUpWithinMs);
    QFETCH(int, terminate);
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.link().setExchangeTimeout(exchangeTimeout);
    board.board().withFaults(fault);
    std::atomic<bool> terminateAtTheCommand{terminate == tAsTheBoardTakesTheCommand};
    if (terminate != tNone) {
        board.link().setSilenceNotice(-1);
        board.link().setReplyTimeout(TIntCommController::TIMEOUT);
        TTerminationSignals::quitEventLoopOnTermination(*QCoreApplication::instance());
        board.board().watchCommands([&terminateAtTheCommand](const QByteArray&) {
            if (terminateAtTheCommand.exchange(false))
                std::raise(SIGTERM);
        });
    }
    const auto forget = qScopeGuard([&] {
        board.board().watchCommands(nullptr);
        if (terminate != tNone)
            TTestEnvironment::forgetTermination();
    });
    if (terminate == tBeforeTheCommand)
        TTestEnvironment::terminate();

    QElapsedTimer clock;
    clock.start();
    bool failed = false;
    QCOMPARE(send(board.link(), "*idn?", failed), QString());
    QVERIFY(failed);
    QVERIFY2(clock.elapsed() < givenUpWithinMs, qPrintable(QString("gave up after %1 ms").arg(clock.elapsed())));
    if (terminate != tNone) {
        // The program is ending and the board has failed: it is not asked again.
        send(board.link(), "syst:cali?", failed);
        QVERIFY(failed);
        QCOMPARE(board.commands(), QList<QByteArray>{"*idn?"});
    }
}

// The board's line hangs up when its end goes away (here the simulator's
// pseudo-terminal; on the device a board that restarts). The link gives up the
// dead line at once instead of writing into it and waiting, and finds the board
// at its device path when it is back.
void tst_IntCommController::boardThatRestartsIsFoundAgain()
{
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    bool failed = true;
    QCOMPARE(send(board.link(), "syst:cali?", failed), QString("1"));
    QVERIFY(!failed);

    board.board().stop();
    QElapsedTimer clock;
    clock.start();
    for (int command = 0; command < 3; ++command) {
        send(board.link(), "syst:cali?", failed);
        QVERIFY(failed);
    }
    // One wait for the board would take its whole time-out.
    QVERIFY2(clock.elapsed() < TSimulatedBoardLink::LOADED_MACHINE_TIMEOUT,
             qPrintable(QString("three commands to a gone board took %1 ms").arg(clock.elapsed())));

    QVERIFY(board.board().start());
    QCOMPARE(send(board.link(), "*idn?", failed), QString::fromLatin1(IDENTIFICATION));
    QVERIFY(!failed);
}

void tst_IntCommController::boardWhoseLineCannotBeLinkedFailsTheRow_data()
{
    QTest::addColumn<bool>("atRestart");
    QTest::addColumn<bool>("afterAnswering");
    QTest::newRow("at the start") << false << false;
    QTest::newRow("at a restart right after answering") << true << true;
    QTest::newRow("at a restart instead of answering") << true << false;
}

// A line the simulated board cannot link (on a full temporary directory; here a folder stands where its link goes)
// fails the row with the reason, at the start or at a restart, and the commands give up at once instead of each
// waiting out the line's bound on a terminal nobody reads.
void tst_IntCommController::boardWhoseLineCannotBeLinkedFailsTheRow()
{
    QFETCH(bool, atRestart);
    QFETCH(bool, afterAnswering);
    const QString taken = TBoardSimulator::defaultLinkPath() + (atRestart ? QStringLiteral(".next") : QString());
    const auto free = qScopeGuard([&] { TTestEnvironment::removeUnderRoot(taken); });
    std::optional<TSimulatedBoardLink> board;
    bool failed = false;
    if (atRestart) {
        board.emplace();
        TAMARIND_END_FAILED_ROW();
        QVERIFY(QDir().mkpath(taken));
        board->restartAt("syst:cali?", 2, afterAnswering);
        send(board->link(), "syst:cali?", failed);
        QVERIFY(!failed);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^simulated board: .* not a symbolic link")));
        send(board->link(), "syst:cali?", failed);
        QCOMPARE(failed, !afterAnswering);
    } else {
        QVERIFY(QDir().mkpath(taken));
        QEXPECT_FAIL("", "the board's line cannot be linked", Continue);
        board.emplace();
    }
    QVERIFY2(board->linkProblem().contains(taken + QStringLiteral(" exists and is not a symbolic link")),
             qPrintable(board->linkProblem()));
    QElapsedTimer clock;
    clock.start();
    for (int command = 0; command < 3; ++command) {
        send(board->link(), "*idn?", failed);
        QVERIFY(failed);
    }
    // One wait on the line would take its whole time-out.
    QVERIFY2(clock.elapsed() < TSimulatedBoardLink::LOADED_MACHINE_TIMEOUT,
             qPrintable(QString("three commands to a board without its line took %1 ms").arg(clock.elapsed())));
    if (atRestart)
        QEXPECT_FAIL("", "the board's line cannot be linked again", Continue);
    board.reset();
}

void tst_IntCommController::silentBoardIsNotAskedAgain()
{
    // The wall clock's time-out, as the program waits it out.
    TSimulatedBoardLink board(SILENCE_WAITED_OUT);
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults([](TBoardFaults& f) { f.mSilentCommands = 1; });

    QElapsedTimer clock;
    clock.start();
    bool failed = false;
    QCOMPARE(send(board.link(), "syst:cali?", failed), QString());
    QVERIFY(failed);
    QVERIFY(clock.elapsed() >= SILENCE_WAITED_OUT - 5);

    board.link().setReplyTimeout(TSimulatedBoardLink::LOADED_MACHINE_TIMEOUT);
    send(board.link(), "*idn?", failed);
    QVERIFY(!failed);
    QCOMPARE(board.commands(), (QList<QByteArray>{"syst:cali?", "*idn?"}));
}

void tst_IntCommController::strayByteInsteadOfAck()
{
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults([](TBoardFaults& f) { f.mStrayByteCommands = 1; });
    QSignalSpy missingAcknowledge(&board.link(), &TIntCommController::missingAcknowledge);

    bool failed = false;
    QCOMPARE(send(board.link(), "syst:cali?", failed), QString());
    QVERIFY(failed);
    QCOMPARE(missingAcknowledge.count(), 1);

    send(board.link(), "*idn?", failed);
    QVERIFY(!failed);
    QCOMPARE(board.commands(), (QList<QByteArray>{"syst:cali?", "*idn?"}));
}

void tst_IntCommController::zeroByteCutsTheReply()
{
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults([](TBoardFaults& f) {
        f.mZeroByteReplies = 1;
        f.mZeroBytePosition = 4;
    });
    bool failed = true;
    QCOMPARE(send(board.link(), "*idn?", failed), QString("ZELK"));
    QVERIFY(!failed);
    QTRY_COMPARE(board.board().hostAcks(), 1);
}

void tst_IntCommController::staleInputIsNotTheNextAnswer_data()
{
    QTest::addColumn<TFaultSetup>("fault");
    QTest::addColumn<TBoardCondition>("staleBytesSent");
    // The board writes the reply once the link has given up on it.
    QTest::newRow("a reply that comes after the time-out") << TFaultSetup([](TBoardFaults& f) {
        f.mLateReplies = 1;
        f.mLateReplyDelayMs = 10;
    }) << TBoardCondition([](TBoardSimulator& b) { return b.lateReplies() == 1; });
    QTest::newRow("the reply resent after the fifth NAK")
        << TFaultSetup([](TBoardFaults& f) { f.mBadReplyCrc = 5; })
        << TBoardCondition([](TBoardSimulator& b) { return b.hostNaks() == 5; });
}

void tst_IntCommController::staleInputIsNotTheNextAnswer()
{
    QFETCH(TFaultSetup, fault);
    QFETCH(TBoardCondition, staleBytesSent);
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    board.board().withFaults(fault);

    bool failed = false;
    send(board.link(), "*idn?", failed);
    QVERIFY(failed);
    QTRY_VERIFY(staleBytesSent(board.board()));

    // The identification that is still waiting must not answer this query.
    QCOMPARE(send(board.link(), "syst:cali?", failed), QString("1"));
    QVERIFY(!failed);
}

void tst_IntCommController::firstCommandGoesOutAtOnce()
{
    // The port takes one link at a time: a board without the usual link.
    TBoardSimulator board;
    QVERIFY(board.start());
    // Each fresh link sends its first command without a pause; a busy machine
    // may delay one try, so the fastest of three counts.
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int attempt = 0; attempt < 3; ++attempt) {
        TIntCommController link("/dev/ttyO2", QSerialPort::Baud57600, QSerialPort::Data8, QSerialPort::NoParity,
                                QSerialPort::OneStop);
        board.clearRecord();
        const qint64 start = TLinkRecord::monotonicNs();
        bool failed = true;
        link.sendCommand("syst:cali?", true, failed);
        QVERIFY(!failed);
        fastest = std::min(fastest, board.receivedFrames().at(0).mArrivalNs - start);
    }
    QVERIFY2(fastest < TIntCommController::PAUSE_BETWEEN_COMMANDS * MS,
             qPrintable(QString("first frame after %1 ms").arg(fastest / double(MS))));
}

void tst_IntCommController::commandsKeepTheirPause()
{
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    bool failed = true;
    send(board.link(), "conf:chan 01", failed, false);
    send(board.link(), "meas:curr?", failed);
    send(board.link(), "conf:chan 03", failed, false);
    send(board.link(), "meas:curr?", failed);
    QVERIFY(!failed);

    // The board's last answer to a command is the earliest its end can be
    // seen, so the next frame must arrive no sooner than the pause after it.
    const QList<TReceivedFrame> frames = board.board().receivedFrames();
    QCOMPARE(frames.size(), 4);
    for (int i = 1; i < frames.size(); ++i) {
        const qint64 gap = frames.at(i).mArrivalNs - frames.at(i - 1).mLastAnswerNs;
        QVERIFY2(gap >= TIntCommController::PAUSE_BETWEEN_COMMANDS * MS,
                 qPrintable(QString("frame %1 after %2 ms").arg(i).arg(gap / double(MS))));
    }
}

void tst_IntCommController::portThatDoesNotOpenFails()
{
    TIntCommController link("/dev/ttyNONE", QSerialPort::Baud57600, QSerialPort::Data8, QSerialPort::NoParity,
                            QSerialPort::OneStop);
    QVERIFY(!link.isPortOpen());
    QElapsedTimer clock;
    clock.start();
    bool failed = false;
    QCOMPARE(link.sendCommand("*idn?", true, failed), QString());
    QVERIFY(failed);
    link.sendCommand("conf:chan 01", false, failed);
    QVERIFY(failed);
    QVERIFY(clock.elapsed() < TIntCommController::TIMEOUT);
}

TAMARIND_TEST_MAIN(tst_IntCommController)
#include "tst_intcommcontroller.moc"

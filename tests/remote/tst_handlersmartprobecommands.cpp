#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "remotesession.h"
#include "testsupport.h"

#include <QDeadlineTimer>
#include <QThread>

#include <memory>

// The SMART probe group through the real handler, on the channel controller
// and the simulated board with an unlocked SMART probe on channel 1.
class tst_HandlerSmartProbeCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void refusedCommandsReachNoBoard_data();
    void refusedCommandsReachNoBoard();
    void writesReadBack_data();
    void writesReadBack();
    void queries_data();
    void queries();
    void boardErrorsPassThrough_data();
    void boardErrorsPassThrough();
    void commandAfterChannelChangeIsAnsweredLate();

private:
    QByteArray exchange(const QByteArray& pLine) { return mSession->exchange(pLine); }
    void plugProbe(const TSimulatedSmartProbe& pProbe);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TRemoteSession> mSession;
    QList<int> mWaits;
    qint64 mScreenClock = 0;
};

namespace
{
TSimulatedSmartProbe unlockedProbe()
{
    TSimulatedSmartProbe probe = TSimulatedSmartProbe::callendarVanDusenPt100();
    probe.mLocked = false;
    return probe;
}
} // namespace

void tst_HandlerSmartProbeCommands::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    QVERIFY(mFixture->board().board().plugSmartProbe(1, unlockedProbe()));
    mFixture->build();
    mSession =
        std::make_unique<TRemoteSession>(&mFixture->board().handler(), &mFixture->controller(), nullptr, nullptr);
    // The real wait, recorded: the simulated probe answers only once the board has settled.
    TInternalSCPIHandler::TWaitClock clock = TInternalSCPIHandler::systemWaitClock();
    clock.mBlock = [this, block = clock.mBlock](int pMilliseconds) {
        mWaits << pMilliseconds;
        block(pMilliseconds);
    };
    mFixture->board().handler().setWaitClock(clock);
    // After the rows of a silent board the next command would wait for the screen's turn, longer than the
    // board takes to settle, and the settling waits measured here would not come: on this clock each look
    // comes a turn after the one before.
    mFixture->board().handler().setMonotonicClock(
        [this] { return mScreenClock += TInternalSCPIHandler::SCREEN_TURN_MILLISECONDS; });
    // Settled before the first test.
    QVERIFY(mFixture->controller().measureChannel(mFixture->controller().channel(1)));
    QThread::msleep(TInternalSCPIHandler::SMART_PROBE_READ_PAUSE);
}

void tst_HandlerSmartProbeCommands::init()
{
    plugProbe(unlockedProbe());
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    mFixture->board().board().clearRecord();
    TRemoteSession::setAccessLevel(1);
    mWaits.clear();
}

void tst_HandlerSmartProbeCommands::cleanupTestCase()
{
    mSession.reset();
    mFixture.reset();
}

void tst_HandlerSmartProbeCommands::plugProbe(const TSimulatedSmartProbe& pProbe)
{
    mFixture->board().board().withState([&](TBoardState& pState) { *pState.mSmartProbes.probe(1) = pProbe; });
}

void tst_HandlerSmartProbeCommands::refusedCommandsReachNoBoard_data()
{
    TRemoteSession::addRefusalColumns();
    QTest::newRow("calibration date below level 1")
        << 0 << QByteArray("sens:frtd:cal:date 2024,1,1") << QByteArray("E13");
    QTest::newRow("calibration date with two parameters below level 1")
        << 0 << QByteArray("sens:frtd:cal:date 2024,1") << QByteArray("E5");
    QTest::newRow("next calibration below level 1")
        << 0 << QByteArray("sense:frtd:cal:next 2024,1,1") << QByteArray("E13");
    QTest::newRow("source below level 1") << 0 << QByteArray("sens:frtd:cal:sour 'lab'") << QByteArray("E13");
    QTest::newRow("standard below level 1") << 0 << QByteArray("sens:frtd:stan 2") << QByteArray("E13");
    QTest::newRow("reference resistor below level 1") << 0 << QByteArray("sens:frtd:refe 1") << QByteArray("E13");
    QTest::newRow("coefficient below level 1") << 0 << QByteArray("sens:frtd:coef 3,1") << QByteArray("E13");
    QTest::newRow("29 February 2023") << 1 << QByteArray("sens:frtd:cal:date 2023,2,29") << QByteArray("E5");
    QTest::newRow("year as a channel list") << 1 << QByteArray("sens:frtd:cal:next (@2024),1,1") << QByteArray("E5");
    QTest::newRow("standard EN 60751") << 1 << QByteArray("sens:frtd:stan 1") << QByteArray("E5");
    QTest::newRow("standard DIN") << 1 << QByteArray("sense:frtd:standard 4") << QByteArray("E5");
    QTest::newRow("standard as a channel list") << 1 << QByteArray("sens:frtd:stan (@2)") << QByteArray("E5");
    QTest::newRow("reference resistor 0") << 1 << QByteArray("sens:frtd:refe 0") << QByteArray("E5");
    QTest::newRow("reference resistor 3") << 1 << QByteArray("sense:frtd:reference 3") << QByteArray("E5");
    QTest::newRow("lock 2") << 0 << QByteArray("sens:frtd:lock 2") << QByteArray("E5");
    QTest::newRow("enable as a word") << 0 << QByteArray("sens:frtd:enab 'on'") << QByteArray("E5");
    QTest::newRow("name of 20 bytes") << 0 << QByteArray("sens:frtd:iden '12345678901234567890'") << QByteArray("E5");
    QTest::newRow("name as a number") << 0 << QByteArray("sens:frtd:iden 4711") << QByteArray("E5");
    QTest::newRow("source of 18 bytes") << 1 << QByteArray("sens:frtd:cal:sour '123456789012345678'")
                                        << QByteArray("E5");
    QTest::newRow("coefficient 0") << 0 << QByteArray("sens:frtd:coef? 0") << QByteArray("E5");
    QTest::newRow("coefficient 8") << 0 << QByteArray("sens:frtd:coef? 8") << QByteArray("E5");
    QTest::newRow("coefficient 3.5") << 0 << QByteArray("sens:frtd:coef? 3.5") << QByteArray("E5");
    QTest::newRow("coefficient as a word") << 0 << QByteArray("sens:frtd:coef? 'three'") << QByteArray("E5");
    QTest::newRow("coefficient query without index") << 0 << QByteArray("sens:frtd:coef?") << QByteArray("E5");
    QTest::newRow("coefficient write with one parameter") << 1 << QByteArray("sens:frtd:coef 3") << QByteArray("E5");
    QTest::newRow("coefficient value as a word") << 1 << QByteArray("sens:frtd:coef 3,'x'") << QByteArray("E5");
    QTest::newRow("coefficient write to 8") << 1 << QByteArray("sens:frtd:coef 8,1") << QByteArray("E5");
    QTest::newRow("range with one value") << 0 << QByteArray("sens:frtd:rang 400") << QByteArray("E5");
    QTest::newRow("range maximum as a word") << 0 << QByteArray("sens:frtd:rang 'max',10") << QByteArray("E5");
    QTest::newRow("range not a number") << 0 << QByteArray("sens:frtd:rang nan,nan") << QByteArray("E5");
    QTest::newRow("range minimum infinite") << 0 << QByteArray("sens:frtd:rang 400,-inf") << QByteArray("E5");
    QTest::newRow("coefficient not a number") << 1 << QByteArray("sens:frtd:coef 2,nan") << QByteArray("E5");
    QTest::newRow("header not of the group") << 0 << QByteArray("sens:frtd:nothing") << QByteArray("E4");
}

void tst_HandlerSmartProbeCommands::refusedCommandsReachNoBoard()
{
    mSession->checkRefusal(mFixture->board());
}

void tst_HandlerSmartProbeCommands::writesReadBack_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("ITS-90") << 1 << QByteArray("sens:frtd:stan 3") << QByteArray("sens:frtd:stan?") << QByteArray("3");
    QTest::newRow("25 ohm reference") << 1 << QByteArray("sense:frtd:reference 1") << QByteArray("sens:frtd:refe?")
                                      << QByteArray("1");
    QTest::newRow("29 February 2024") << 1 << QByteArray("sens:frtd:cal:date 2024,2,29")
                                      << QByteArray("sens:frtd:cal:date?") << QByteArray("2024,02,29");
    QTest::newRow("next calibration") << 1 << QByteArray("sense:frtd:cal:next 2026,12,1")
                                      << QByteArray("sense:frtd:cal:next?") << QByteArray("2026,12,01");
    QTest::newRow("source of 17 bytes") << 1 << QByteArray("sens:frtd:cal:sour '12345678901234567'")
                                        << QByteArray("sens:frtd:cal:sour?") << QByteArray("12345678901234567");
    QTest::newRow("integer written as coefficient")
        << 1 << QByteArray("sens:frtd:coef 3,1") << QByteArray("sens:frtd:coef? 3.0") << QByteArray("1");
    QTest::newRow("coefficient with six digits") << 1 << QByteArray("sense:frtd:coefficient 2,3.9083e-3")
                                                 << QByteArray("sens:frtd:coef? 2") << QByteArray("0.0039083");
    QTest::newRow("name of 19 bytes at level 0") << 0 << QByteArray("sens:frtd:iden '1234567890123456789'")
                                                 << QByteArray("sens:frtd:iden?") << QByteArray("1234567890123456789");
    QTest::newRow("working range at level 0")
        << 0 << QByteArray("sens:frtd:rang 400.5,17.25") << QByteArray("sens:frtd:rang?")
        << QByteArray("400.5,17.25,138.51,92.16,247.09,60.26");
    QTest::newRow("locked by the first of a channel list at level 0")
        << 0 << QByteArray("sens:frtd:lock (@1)") << QByteArray("sens:frtd:lock?") << QByteArray("1");
    QTest::newRow("disabled at level 0") << 0 << QByteArray("sense:frtd:enable 0") << QByteArray("sens:frtd:enab?")
                                         << QByteArray("0");
    QTest::newRow("reference probe at level 0")
        << 0 << QByteArray("sens:frtd:stat:refe 1") << QByteArray("sense:frtd:status:reference?") << QByteArray("1");
}

void tst_HandlerSmartProbeCommands::writesReadBack()
{
    QFETCH(int, level);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, reply);
    TRemoteSession::setAccessLevel(level);
    QCOMPARE(exchange(line), QByteArray());
    QCOMPARE(mFixture->board().commands().size(), 1);
    QCOMPARE(exchange(query), reply + "\r\n");
    QCOMPARE(exchange("syst:ackn 1"), QByteArray("ACK\r\n"));
    QCOMPARE(exchange(line), QByteArray("ACK\r\n"));
    QCOMPARE(exchange("syst:ackn 0"), QByteArray("ACK\r\n"));
}

void tst_HandlerSmartProbeCommands::queries_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("name with a surplus parameter") << QByteArray("sens:frtd:iden? 5") << QByteArray("SPRT100-4711");
    QTest::newRow("standard") << QByteArray("sense:frtd:standard?") << QByteArray("2");
    QTest::newRow("range") << QByteArray("sens:frtd:rang?") << QByteArray("390.48,18.52,138.51,92.16,247.09,60.26");
    QTest::newRow("coefficient 1") << QByteArray("sens:frtd:coef? 1") << QByteArray("100.012");
    QTest::newRow("calibration date") << QByteArray("sens:frtd:cal:date?") << QByteArray("2024,01,15");
    QTest::newRow("source") << QByteArray("sense:frtd:cal:source?") << QByteArray("ZELK calibration lab");
    QTest::newRow("not locked") << QByteArray("sens:frtd:lock?") << QByteArray("0");
}

void tst_HandlerSmartProbeCommands::queries()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    TRemoteSession::setAccessLevel(0);
    QCOMPARE(exchange(line), reply + "\r\n");
}

void tst_HandlerSmartProbeCommands::boardErrorsPassThrough_data()
{
    QTest::addColumn<int>("situation");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
    enum { locked, noDates, silent };
    QTest::newRow("write to a locked probe") << int(locked) << QByteArray("sens:frtd:iden 'new'") << QByteArray("E224");
    QTest::newRow("unlocking a locked probe") << int(locked) << QByteArray("sens:frtd:lock 0") << QByteArray("");
    QTest::newRow("probe without calibration date")
        << int(noDates) << QByteArray("sens:frtd:cal:date?") << QByteArray("0000,00,00");
    QTest::newRow("silent board on a query") << int(silent) << QByteArray("sens:frtd:stan?") << QByteArray("E-1");
    QTest::newRow("silent board on a write") << int(silent) << QByteArray("sens:frtd:enab 1") << QByteArray("E-1");
}

void tst_HandlerSmartProbeCommands::boardErrorsPassThrough()
{
    QFETCH(int, situation);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    TSimulatedSmartProbe probe = unlockedProbe();
    probe.mLocked = situation == 0;
    if (situation == 1)
        probe.mCalDate = QDate();
    plugProbe(probe);
    if (situation == 2)
        mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    QCOMPARE(exchange(line), reply.isEmpty() ? reply : reply + "\r\n");
}

void tst_HandlerSmartProbeCommands::commandAfterChannelChangeIsAnsweredLate()
{
    TChannelController& channels = mFixture->controller();
    // Channel 2 has no SMART probe: the board says so.
    QVERIFY(channels.measureChannel(channels.channel(2)));
    QCOMPARE(exchange("sens:frtd:iden?"), QByteArray("E222\r\n"));
    QCOMPARE(mWaits.size(), 1);
    QVERIFY(channels.measureChannel(channels.channel(1)));
    QCOMPARE(exchange("sens:frtd:iden?"), QByteArray("SPRT100-4711\r\n"));
    QCOMPARE(mWaits.size(), 2);
    QVERIFY(mWaits.last() > 0);
    QVERIFY(mWaits.last() <= TInternalSCPIHandler::SMART_PROBE_READ_PAUSE);
}

TAMARIND_TEST_MAIN(tst_HandlerSmartProbeCommands)
#include "tst_handlersmartprobecommands.moc"

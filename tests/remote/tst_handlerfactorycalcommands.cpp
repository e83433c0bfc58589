#include "channelcontroller.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "remotesession.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"

#include <cmath>
#include <memory>

// The factory calibration group through the real handler, on the channel
// controller, the probe database and the simulated board.
class tst_HandlerFactoryCalCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void refusedCommandsReachNoBoard_data();
    void refusedCommandsReachNoBoard();
    void storedDataReadsBack_data();
    void storedDataReadsBack();
    void boardFailures_data();
    void boardFailures();
    void externalJunctionProbeComesAndGoes();
    void onlyThermocoupleProbesAreRemoved_data();
    void onlyThermocoupleProbesAreRemoved();

private:
    QByteArray exchange(const QByteArray& pLine) { return mSession->exchange(pLine); }

    std::unique_ptr<TProbeControllerFixture> mFixture;
    std::unique_ptr<TRemoteSession> mSession;
    int mCustomPRTProbe = 0;
};

void tst_HandlerFactoryCalCommands::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    // The probe records carry the field count of the board's variant.
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM9900));
    const std::unique_ptr<TPRTProbe> prt = TestProbes::prt();
    mCustomPRTProbe = prt->internalProbeNumber();
    // On no channel: an assigned probe past its calibration date would warn at the load.
    prt->resetChannelAssignment();
    QVERIFY(mFixture->board().handler().storeProbe(*prt));
    mFixture->buildProbes();
    QVERIFY(mFixture->probes().probeByNumber(mCustomPRTProbe));
    mSession = std::make_unique<TRemoteSession>(&mFixture->board().handler(), &mFixture->controller(),
                                                &mFixture->probes(), nullptr);
}

void tst_HandlerFactoryCalCommands::init()
{
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    mFixture->board().board().clearRecord();
    TRemoteSession::setAccessLevel(2);
}

void tst_HandlerFactoryCalCommands::cleanupTestCase()
{
    mSession.reset();
    mFixture.reset();
}

void tst_HandlerFactoryCalCommands::refusedCommandsReachNoBoard_data()
{
    TRemoteSession::addRefusalColumns();
    QTest::newRow("item data with five parameters below level 2")
        << 0 << QByteArray("cal:fact:data 2,0.1,1.0,2018,7") << QByteArray("E5");
    QTest::newRow("item data below level 2")
        << 1 << QByteArray("cal:fact:data 2,0.1,1.0,2018,7,3") << QByteArray("E13");
    QTest::newRow("junction with four parameters below level 2")
        << 0 << QByteArray("cal:fact:cjc 3,0.1,2018,7") << QByteArray("E5");
    QTest::newRow("junction below level 2") << 1 << QByteArray("cal:fact:cjc 3,0.1,2018,7,3") << QByteArray("E13");
    QTest::newRow("item read without item below level 2") << 0 << QByteArray("cal:fact:data?") << QByteArray("E5");
    QTest::newRow("item read below level 2") << 1 << QByteArray("cal:fact:data? 2") << QByteArray("E13");
    QTest::newRow("junction read without channel below level 2")
        << 0 << QByteArray("cal:fact:cjc?") << QByteArray("E5");
    QTest::newRow("junction read below level 2") << 1 << QByteArray("cal:fact:cjc? 3") << QByteArray("E13");
    QTest::newRow("probe creation below level 2") << 1 << QByteArray("cal:fact:crtc?") << QByteArray("E13");
    QTest::newRow("probe removal without number below level 2") << 0 << QByteArray("cal:fact:rmtc") << QByteArray("E5");
    QTest::newRow("probe removal below level 2") << 1 << QByteArray("cal:fact:rmtc 12") << QByteArray("E13");
    QTest::newRow("30 February") << 2 << QByteArray("cal:fact:data 2,0.1,1.0,2018,2,30") << QByteArray("E5");
    QTest::newRow("item 0") << 2 << QByteArray("cal:fact:data 0,0.1,1.0,2018,7,3") << QByteArray("E5");
    QTest::newRow("item 8") << 2 << QByteArray("calibration:fact:data 8,0.1,1.0,2018,7,3") << QByteArray("E5");
    QTest::newRow("item 257") << 2 << QByteArray("cal:fact:data 257,0.1,1.0,2018,7,3") << QByteArray("E5");
    QTest::newRow("item as a channel list")
        << 2 << QByteArray("cal:fact:data (@2),0.1,1.0,2018,7,3") << QByteArray("E5");
    QTest::newRow("offset as a word") << 2 << QByteArray("cal:fact:data 2,'zero',1.0,2018,7,3") << QByteArray("E5");
    QTest::newRow("offset and slope not numbers")
        << 2 << QByteArray("cal:fact:data 1,nan,nan,2018,7,3") << QByteArray("E5");
    QTest::newRow("junction offset infinite") << 2 << QByteArray("cal:fact:cjc 3,inf,2018,4,3") << QByteArray("E5");
    QTest::newRow("year with a fraction") << 2 << QByteArray("cal:fact:data 2,0.1,1.0,2018.5,7,3") << QByteArray("E5");
    QTest::newRow("junction of a channel the instrument lacks")
        << 2 << QByteArray("cal:fact:cjc 99,0.1,2018,7,3") << QByteArray("E5");
    QTest::newRow("junction on 31 April") << 2 << QByteArray("cal:fact:cjc 3,0.1,2018,4,31") << QByteArray("E5");
    QTest::newRow("junction offset as a word") << 2 << QByteArray("cal:fact:cjc 3,'x',2018,4,3") << QByteArray("E5");
    QTest::newRow("item read of item 8") << 2 << QByteArray("cal:fact:data? 8") << QByteArray("E5");
    QTest::newRow("junction read of a channel the instrument lacks")
        << 2 << QByteArray("calibration:fact:cjc? 99") << QByteArray("E5");
    QTest::newRow("probe removal with a word") << 2 << QByteArray("cal:fact:rmtc 'tc'") << QByteArray("E5");
}

void tst_HandlerFactoryCalCommands::refusedCommandsReachNoBoard()
{
    const std::size_t probes = mFixture->probes().customProbes().size();
    mSession->checkRefusal(mFixture->board());
    QCOMPARE(mFixture->probes().customProbes().size(), probes);
}

void tst_HandlerFactoryCalCommands::storedDataReadsBack_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("junction");
    QTest::addColumn<double>("offset");
    QTest::newRow("item 2") << QByteArray("cal:fact:data 2,0.0012,1.00005,2018,7,3") << QByteArray("cal:fact:data? 2")
                            << QByteArray("1.2000000000e-03,1.0000500000e+00,2018,7,3\r\n") << 0 << 0.0012;
    QTest::newRow("junction of channel 4")
        << QByteArray("calibration:fact:cjc 4,-0.025,2020,1,2") << QByteArray("cal:fact:cjc? 4")
        << QByteArray("-2.5000000000e-02,2020,1,2\r\n") << 4 << -0.025;
}

// Acknowledged although acknowledgements are off; the board keeps it in its factory set, not the user's.
void tst_HandlerFactoryCalCommands::storedDataReadsBack()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, query);
    QFETCH(int, junction);
    QCOMPARE(exchange(line), QByteArray("ACK\r\n"));
    QTEST(exchange(query), "reply");
    double factory = NAN;
    double user = NAN;
    mFixture->board().board().withState([&](TBoardState& pState) {
        const TSimulatedCalibration& set = pState.mCalibration;
        factory = junction ? set.mFactory.mColdJunctions.at(junction).mOffset : set.mFactory.mItems[1].mOffset;
        user = junction ? set.mUser.mColdJunctions.at(junction).mOffset : set.mUser.mItems[1].mOffset;
    });
    QTEST(factory, "offset");
    QCOMPARE(user, 0.0);
}

void tst_HandlerFactoryCalCommands::boardFailures_data()
{
    QTest::addColumn<QByteArray>("faultPrefix");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("item store refused") << QByteArray("cal:fact:data") << QByteArray("cal:fact:data 2,0.1,1.0,2018,7,3")
                                        << QByteArray("E18\r\n");
    QTest::newRow("junction store refused")
        << QByteArray("cal:fact:cjc") << QByteArray("cal:fact:cjc 3,0.1,2018,7,3") << QByteArray("E18\r\n");
    QTest::newRow("junction of a channel without one")
        << QByteArray("nothing") << QByteArray("cal:fact:cjc 1,0.1,2018,7,3") << QByteArray("E18\r\n");
    QTest::newRow("item read refused") << QByteArray("cal:fact:data?") << QByteArray("cal:fact:data? 2")
                                       << QByteArray("E19\r\n");
    QTest::newRow("junction read refused")
        << QByteArray("cal:fact:cjc?") << QByteArray("cal:fact:cjc? 3") << QByteArray("E19\r\n");
}

void tst_HandlerFactoryCalCommands::boardFailures()
{
    QFETCH(QByteArray, faultPrefix);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    mFixture->board().board().withFaults([&](TBoardFaults& pFaults) {
        TBoardFaults::TCommandFault fault;
        fault.mPrefix = faultPrefix;
        fault.mReply = "E14";
        pFaults.mCommandFaults << fault;
    });
    QCOMPARE(exchange(line), reply);
}

void tst_HandlerFactoryCalCommands::externalJunctionProbeComesAndGoes()
{
    const QByteArray reply = exchange("calibration:fact:crtc?");
    QVERIFY(reply.endsWith("\r\n"));
    const int number = reply.trimmed().toInt();
    QVERIFY(number >= 1);
    const auto* probe = qobject_cast<TTCProbe*>(mFixture->probes().probeByNumber(number));
    QVERIFY(probe);
    QCOMPARE(probe->probeName(), QStringLiteral("TC K Ext"));

    // Removed without the confirmation the local user would be asked for, and
    // without an acknowledgement while acknowledgements are off.
    QCOMPARE(exchange("cal:fact:rmtc " + QByteArray::number(number)), QByteArray());
    QCOMPARE(mFixture->probes().customProbes().count(number), std::size_t(0));
    bool failed = true;
    QVERIFY(!mFixture->board().handler().createProbeFromInstrument(number, failed, false));
    QVERIFY(!failed);

    QCOMPARE(exchange("syst:ackn 1"), QByteArray("ACK\r\n"));
    const int again = exchange("cal:fact:crtc?").trimmed().toInt();
    QCOMPARE(exchange("calibration:fact:rmtc " + QByteArray::number(again)), QByteArray("ACK\r\n"));
    QCOMPARE(exchange("syst:ackn 0"), QByteArray("ACK\r\n"));
}

void tst_HandlerFactoryCalCommands::onlyThermocoupleProbesAreRemoved_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("custom resistance probe") << -1;
    QTest::newRow("default probe") << 81;
    QTest::newRow("empty slot") << 79;
    QTest::newRow("beyond the memory") << 86;
}

void tst_HandlerFactoryCalCommands::onlyThermocoupleProbesAreRemoved()
{
    QFETCH(int, number);
    if (number < 0)
        number = mCustomPRTProbe;
    TAbstractProbe* before = mFixture->probes().probeByNumber(number);
    QCOMPARE(exchange("cal:fact:rmtc " + QByteArray::number(number)), QByteArray("E9\r\n"));
    QCOMPARE(mFixture->probes().probeByNumber(number), before);
    for (const QByteArray& command : mFixture->board().commands())
        QVERIFY2(!command.startsWith("prob:save"), command.constData());
}

TAMARIND_TEST_MAIN(tst_HandlerFactoryCalCommands)
#include "tst_handlerfactorycalcommands.moc"

#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "remotesession.h"
#include "testsupport.h"

#include <memory>

// The switch-box group through the real handler, on the channel controller
// and the simulated board with a thermocouple box on port 1 and a resistance
// box on port 2.
class tst_HandlerSwitchBoxCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void commands_data();
    void commands();
    void acknowledgedInAcknowledgementMode();
    void silentBoardAnswers_data();
    void silentBoardAnswers();

private:
    TSimulatedSwitchBox boxOnPort(int pPort);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TRemoteSession> mSession;
};

namespace
{
TSimulatedSwitchBox resistanceBox()
{
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT8;
    box.mSerialNumber = QStringLiteral("SB19-0042");
    box.mPCBSerialNumber = QStringLiteral("PCB-7731");
    box.mFirmwareVersion = QStringLiteral("2.04");
    box.mDate = QDate(2019, 3, 5);
    return box;
}
} // namespace

void tst_HandlerSwitchBoxCommands::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    TSimulatedSwitchBox thermocouples;
    thermocouples.mType = sbtThermocouple8;
    mFixture->board().board().fitSwitchBox(1, thermocouples);
    mFixture->board().board().fitSwitchBox(2, resistanceBox());
    mFixture->build();
    mSession =
        std::make_unique<TRemoteSession>(&mFixture->board().handler(), &mFixture->controller(), nullptr, nullptr);
}

void tst_HandlerSwitchBoxCommands::init()
{
    mFixture->board().board().fitSwitchBox(2, resistanceBox());
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    mFixture->board().board().clearRecord();
    TRemoteSession::setAccessLevel(2);
}

void tst_HandlerSwitchBoxCommands::cleanupTestCase()
{
    mSession.reset();
    mFixture.reset();
}

TSimulatedSwitchBox tst_HandlerSwitchBoxCommands::boxOnPort(int pPort)
{
    TSimulatedSwitchBox box;
    mFixture->board().board().withState([&](TBoardState& pState) { box = pState.mSwitchBoxes[size_t(pPort - 1)]; });
    return box;
}

void tst_HandlerSwitchBoxCommands::commands_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("boardCommand");
    const QByteArray none;
    QTest::newRow("type of box 0") << 0 << QByteArray("syst:swit:type? 0") << QByteArray("E5\r\n") << none;
    QTest::newRow("type of box 5") << 0 << QByteArray("syst:swit:type? 5") << QByteArray("E5\r\n") << none;
    QTest::newRow("type of a channel list") << 0 << QByteArray("syst:swit:type? (@2)") << QByteArray("E5\r\n") << none;
    QTest::newRow("type without box") << 0 << QByteArray("syst:swit:type?") << QByteArray("E5\r\n") << none;
    QTest::newRow("type of the resistance box on port 2")
        << 0 << QByteArray("system:switchbox:type? 2") << QByteArray("3\r\n") << none;
    QTest::newRow("type of port 1, whose box has no channels here")
        << 0 << QByteArray("syst:swit:type? 1") << QByteArray("0\r\n") << none;
    QTest::newRow("type of port 3 without box") << 0 << QByteArray("syst:swit:type? 3") << QByteArray("0\r\n") << none;
    QTest::newRow("date, day first") << 0 << QByteArray("syst:swit:date? 2") << QByteArray("5,3,2019\r\n")
                                     << QByteArray("syst:swit:date? 2");
    QTest::newRow("date of a port without box")
        << 0 << QByteArray("syst:swit:date? 3") << QByteArray("E4\r\n") << QByteArray("syst:swit:date? 3");
    QTest::newRow("serial number") << 0 << QByteArray("syst:swit:snum? 2") << QByteArray("SB19-0042\r\n")
                                   << QByteArray("syst:swit:snum? 2");
    QTest::newRow("circuit-board serial number") << 0 << QByteArray("system:switchbox:pnumber? 2")
                                                 << QByteArray("PCB-7731\r\n") << QByteArray("syst:swit:pnum? 2");
    QTest::newRow("firmware version") << 0 << QByteArray("syst:swit:vers? 2") << QByteArray("2.04\r\n")
                                      << QByteArray("syst:swit:vers? 2");
    QTest::newRow("version of box 9") << 0 << QByteArray("syst:swit:vers? 9") << QByteArray("E5\r\n") << none;

    QTest::newRow("date write with three parameters below level 2")
        << 0 << QByteArray("syst:swit:date 2,2020,1") << QByteArray("E5\r\n") << none;
    QTest::newRow("date write below level 2")
        << 1 << QByteArray("syst:swit:date 2,2020,1,15") << QByteArray("E13\r\n") << none;
    QTest::newRow("date write to box 0") << 2 << QByteArray("syst:swit:date 0,2020,1,15") << QByteArray("E5\r\n")
                                         << none;
    QTest::newRow("31 February") << 2 << QByteArray("syst:swit:date 2,2019,2,31") << QByteArray("E5\r\n") << none;
    QTest::newRow("month as a word") << 2 << QByteArray("syst:swit:date 2,2019,'may',3") << QByteArray("E5\r\n")
                                     << none;
    QTest::newRow("date written") << 2 << QByteArray("system:switchbox:date 2,2020,1,15") << QByteArray()
                                  << QByteArray("syst:swit:date 2,2020,1,15");
    QTest::newRow("serial number of 12 characters")
        << 2 << QByteArray("syst:swit:snum 2,'ABCDEFGHIJKL'") << QByteArray("E5\r\n") << none;
    QTest::newRow("serial number of 11 characters") << 2 << QByteArray("syst:swit:snum 2,'ABCDEFGHIJK'") << QByteArray()
                                                    << QByteArray("syst:swit:snum 2,ABCDEFGHIJK");
    QTest::newRow("empty serial number") << 2 << QByteArray("syst:swit:snum 2,''") << QByteArray()
                                         << QByteArray("syst:swit:snum 2,");
    QTest::newRow("serial number as a number")
        << 2 << QByteArray("syst:swit:snum 2,4711") << QByteArray("E5\r\n") << none;
    QTest::newRow("serial number below level 2")
        << 1 << QByteArray("syst:swit:snum 2,'X'") << QByteArray("E13\r\n") << none;
    QTest::newRow("circuit-board number of 12 characters")
        << 2 << QByteArray("syst:swit:pnum 2,'ABCDEFGHIJKL'") << QByteArray("E5\r\n") << none;
    QTest::newRow("circuit-board number written") << 2 << QByteArray("system:switchbox:pnumber 2,'PCB-9'")
                                                  << QByteArray() << QByteArray("syst:swit:pnum 2,PCB-9");
    QTest::newRow("mode 3") << 2 << QByteArray("syst:swit:mode 2,3") << QByteArray("E5\r\n") << none;
    QTest::newRow("mode 258") << 2 << QByteArray("syst:swit:mode 2,258") << QByteArray("E5\r\n") << none;
    QTest::newRow("mode without box") << 2 << QByteArray("syst:swit:mode 2") << QByteArray("E5\r\n") << none;
    QTest::newRow("production mode") << 2 << QByteArray("syst:swit:mode 2,2") << QByteArray()
                                     << QByteArray("syst:swit:mode 2,2");
    QTest::newRow("board refuses a box it does not have")
        << 2 << QByteArray("syst:swit:snum 3,'X'") << QByteArray("E14\r\n") << QByteArray("syst:swit:snum 3,X");
    QTest::newRow("no query of the mode") << 0 << QByteArray("syst:swit:mode? 2") << QByteArray("E4\r\n") << none;
}

void tst_HandlerSwitchBoxCommands::commands()
{
    QFETCH(int, level);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, boardCommand);
    TRemoteSession::setAccessLevel(level);
    QCOMPARE(mSession->exchange(line), reply);
    QCOMPARE(mFixture->board().commands(),
             boardCommand.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{boardCommand});
}

void tst_HandlerSwitchBoxCommands::acknowledgedInAcknowledgementMode()
{
    QCOMPARE(mSession->exchange("syst:ackn 1"), QByteArray("ACK\r\n"));
    QCOMPARE(mSession->exchange("syst:swit:date 2,2021,12,24"), QByteArray("ACK\r\n"));
    QCOMPARE(mSession->exchange("syst:swit:mode 2,2"), QByteArray("ACK\r\n"));
    QCOMPARE(mSession->exchange("syst:swit:snum 3,'X'"), QByteArray("E14\r\n"));
    QCOMPARE(mSession->exchange("syst:ackn 0"), QByteArray("ACK\r\n"));
    QCOMPARE(boxOnPort(2).mDate, QDate(2021, 12, 24));
    QCOMPARE(boxOnPort(2).mOperatingMode, 2);
    QCOMPARE(mSession->exchange("syst:swit:date? 2"), QByteArray("24,12,2021\r\n"));
}

void tst_HandlerSwitchBoxCommands::silentBoardAnswers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("date write") << QByteArray("syst:swit:date 2,2020,1,15") << QByteArray("E-1\r\n");
    QTest::newRow("serial number write") << QByteArray("syst:swit:snum 2,'X'") << QByteArray("E-1\r\n");
    QTest::newRow("mode write") << QByteArray("syst:swit:mode 2,1") << QByteArray("E-1\r\n");
    QTest::newRow("date query") << QByteArray("syst:swit:date? 2") << QByteArray("E4\r\n");
    QTest::newRow("serial number query") << QByteArray("syst:swit:snum? 2") << QByteArray("E4\r\n");
    QTest::newRow("version query") << QByteArray("syst:swit:vers? 2") << QByteArray("E4\r\n");
}

void tst_HandlerSwitchBoxCommands::silentBoardAnswers()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    QCOMPARE(mSession->exchange(line), reply);
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    // Nothing was written to the box.
    QCOMPARE(boxOnPort(2).mDate, QDate(2019, 3, 5));
    QCOMPARE(boxOnPort(2).mSerialNumber, QStringLiteral("SB19-0042"));
}

TAMARIND_TEST_MAIN(tst_HandlerSwitchBoxCommands)
#include "tst_handlerswitchboxcommands.moc"

#include "boardsimulator.h"
#include "boardstate.h"
#include "buzzercontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "channelviewfixture.h"
#include "internalscpihandler.h"
#include "messagerecorder.h"
#include "probecontroller.h"
#include "recordinginterface.h"
#include "remotesession.h"
#include "testprobes.h"
#include "testsupport.h"
#include "warninggate.h"

#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <map>
#include <memory>

// The measure and configure groups through the real handler, on the channel
// controller, the channel views and the simulated board.
namespace
{
const char* const BUZZER_LINE = "/sys/class/gpio/gpio7/value";

// The buzzer on its line, silent, with alarms on.
bool buzzerReady()
{
    if (!TTestEnvironment::writeDeviceFile(BUZZER_LINE, "0"))
        return false;
    TBuzzerController::instance().initialize(BUZZER_LINE);
    TBuzzerController::instance().setAlarmsActive(true);
    return true;
}
} // namespace

class tst_HandlerMeasureCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void refusedCommandsReachNoBoard_data();
    void refusedCommandsReachNoBoard();
    void readingLeavesInTheClientsForm_data();
    void readingLeavesInTheClientsForm();
    void frozenChannelAnswersItsFrozenPair_data();
    void frozenChannelAnswersItsFrozenPair();
    void channelSelectionFollowsOnTheShownView_data();
    void channelSelectionFollowsOnTheShownView();
    void derivedChannelOperands_data();
    void derivedChannelOperands();
    void unitChange_data();
    void unitChange();
    void pollingSwitch_data();
    void pollingSwitch();
    void smartProbeQuery();
    void scanAnswersEveryChannelInOrder();
    void scanGivesUpOnAChannelAfterFourteenSeconds();
    void scanRepliesStayWithTheClientThatAsked_data();
    void scanRepliesStayWithTheClientThatAsked();
    void warningWaitsUntilItsCommandIsAnswered_data();
    void warningWaitsUntilItsCommandIsAnswered();
    void alarmComesUpWhileAClientReadsNothing();
    void pollsGoOnBetweenQueuedCommands();
    void screenHasItsTurnAfterAnUnansweredCommand_data();
    void screenHasItsTurnAfterAnUnansweredCommand();
    void aRunningRoutineOwnsTheChannel_data();
    void aRunningRoutineOwnsTheChannel();

private:
    TAbstractChannel* channel(int pNumber) const { return mFixture->controller().channel(pNumber); }
    QByteArray exchange(const QByteArray& pLine) { return mSession->exchange(pLine); }
    void failBoardCommands(const QByteArray& pPrefix, TBoardFaults::TCommandFault::EnKind pKind, int pError = 14);

    std::unique_ptr<TChannelViewFixture> mFixture;
    std::unique_ptr<TRemoteSession> mSession;
    // The scan's clock: each wait moves it on by what was asked, each look
    // at it by mTick.
    qint64 mNow = 0;
    qint64 mTick = 0;
    QList<int> mWaits;
};

void tst_HandlerMeasureCommands::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    // Positions for thermocouples and resistance sensors alike, from channel
    // 120 on: the thermocouple box on port 1 gets no channels of its own, and
    // 99 stays a channel the instrument lacks.
    TSimulatedSwitchBox box;
    box.mType = sbtThermocouple8;
    mFixture->board().board().fitSwitchBox(1, box);
    box.mType = sbtSWX6100_10;
    mFixture->board().board().fitSwitchBox(2, box);
    // Assigned to no channel yet: a Pt100, and a type K thermocouple whose
    // cold junction channel 1 measures.
    bool filled = true;
    mFixture->board().board().withState([&filled](TBoardState& pState) {
        filled = pState.mProbeMemory.fillSlot(1, "1,Bath A,450.0,-200.0,2,100.5,3.90830e-03,-5.77500e-07,-4.18300e-12,"
                                                 "0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,2,1,0,2") &&
                 pState.mProbeMemory.fillSlot(11, "8,TC K,1200.0,-200.0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                                                  "3,1,0,0,0,0,1,0,2");
    });
    QVERIFY(filled);
    mFixture->buildViews();
    mFixture->manager().activateHomeView();
    mSession = std::make_unique<TRemoteSession>(&mFixture->board().handler(), &mFixture->controller(),
                                                &mFixture->probes(), &mFixture->manager());
    mSession->handler().setScanClock({[this] { return mNow += mTick; },
                                      [this](int pMilliseconds) {
                                          mWaits << pMilliseconds;
                                          mNow += pMilliseconds;
                                      }});
}

void tst_HandlerMeasureCommands::init()
{
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    mFixture->controller().setReadingActive(false);
    QVERIFY(mFixture->controller().measureChannel(channel(1)));
    channel(1)->setChannelFrozen(false);
    channel(1)->changeUnit(Electrical_temperature_units::uCelsius);
    channel(3)->changeUnit(Electrical_temperature_units::uCelsius);
    TRemoteSession::setAccessLevel(0);
    mFixture->board().board().clearRecord();
    mWaits.clear();
    mTick = 0;
}

// A function that failed half-way may have left a warning waiting: it comes
// up and is closed here, not among the next function's messages.
void tst_HandlerMeasureCommands::cleanup()
{
    const TMessageRecorder leftOver;
    QTRY_VERIFY(!TWarningGate::instance().hasWaiting());
}

void tst_HandlerMeasureCommands::cleanupTestCase()
{
    mSession.reset();
    mFixture.reset();
}

void tst_HandlerMeasureCommands::failBoardCommands(const QByteArray& pPrefix, TBoardFaults::TCommandFault::EnKind pKind,
                                                   int pError)
{
    mFixture->board().board().withFaults([&](TBoardFaults& pFaults) {
        TBoardFaults::TCommandFault fault;
        fault.mPrefix = pPrefix;
        fault.mKind = pKind;
        fault.mReply = "E" + QByteArray::number(pError);
        fault.mCount = -1;
        pFaults.mCommandFaults << fault;
    });
}

void tst_HandlerMeasureCommands::refusedCommandsReachNoBoard_data()
{
    TRemoteSession::addRefusalColumns();
    QTest::newRow("polling without parameter below level 2: access first")
        << 0 << QByteArray("meas:poll") << QByteArray("E13");
    QTest::newRow("polling without parameter at level 2") << 2 << QByteArray("meas:poll") << QByteArray("E5");
    QTest::newRow("polling with a word") << 2 << QByteArray("meas:poll 'on'") << QByteArray("E5");
    QTest::newRow("raw value without parameter below level 2: count first")
        << 0 << QByteArray("meas:raw?") << QByteArray("E5");
    QTest::newRow("raw value below level 2") << 1 << QByteArray("meas:raw? 2") << QByteArray("E13");
    QTest::newRow("raw value of item 0") << 2 << QByteArray("meas:raw? 0") << QByteArray("E5");
    QTest::newRow("raw value of item 8") << 2 << QByteArray("meas:raw? 8") << QByteArray("E5");
    QTest::newRow("raw value of item 257") << 2 << QByteArray("meas:raw? 257") << QByteArray("E5");
    QTest::newRow("raw value of a channel list") << 2 << QByteArray("meas:raw? (@2)") << QByteArray("E5");
    QTest::newRow("scan with 2 s settle time") << 0 << QByteArray("meas:scan? 2,(@1)") << QByteArray("E5");
    QTest::newRow("scan with 601 s settle time") << 0 << QByteArray("meas:scan? 601,(@1)") << QByteArray("E5");
    QTest::newRow("scan with the parameters swapped") << 0 << QByteArray("meas:scan? (@1),3") << QByteArray("E5");
    QTest::newRow("scan with only a settle time") << 0 << QByteArray("meas:scan? 3") << QByteArray("E5");
    QTest::newRow("scan with a settle time that is no integer")
        << 0 << QByteArray("meas:scan? 3.5,(@1)") << QByteArray("E5");
    // A hundred entries cover every channel of a fully equipped instrument; a
    // longer list would block the instrument for hours.
    QTest::newRow("scan of 101 entries") << 0 << QByteArray("meas:scan? 3,(@99:199)") << QByteArray("E5");
    QTest::newRow("channel without number") << 0 << QByteArray("conf:chan") << QByteArray("E5");
    QTest::newRow("channel as a word") << 0 << QByteArray("conf:chan 'two'") << QByteArray("E5");
    QTest::newRow("expansion channel below level 2") << 1 << QByteArray("conf:chan 6") << QByteArray("E13");
    QTest::newRow("channel the instrument lacks") << 0 << QByteArray("conf:chan 99") << QByteArray("E14");
    QTest::newRow("derived channel with one parameter") << 0 << QByteArray("conf:chan:func 10") << QByteArray("E5");
    QTest::newRow("operand that is no channel") << 0 << QByteArray("conf:chan:func 10,99,2") << QByteArray("E14");
    QTest::newRow("derived channel as a word") << 0 << QByteArray("conf:chan:func 'sum',1,2") << QByteArray("E5");
    QTest::newRow("physical channel as derived channel") << 0 << QByteArray("conf:chan:func 2,1") << QByteArray("E14");
    QTest::newRow("two-operand channel with one operand") << 0 << QByteArray("conf:chan:func 10,1") << QByteArray("E5");
    QTest::newRow("second operand that is no channel")
        << 0 << QByteArray("conf:chan:func 10,1,99") << QByteArray("E14");
    QTest::newRow("unit without number") << 0 << QByteArray("conf:chan:unit") << QByteArray("E5");
    QTest::newRow("unit as a channel list") << 0 << QByteArray("conf:chan:unit (@3)") << QByteArray("E5");
    QTest::newRow("unit 0") << 0 << QByteArray("conf:chan:unit 0") << QByteArray("E6");
    QTest::newRow("unit 261") << 0 << QByteArray("conf:chan:unit 261") << QByteArray("E6");
    QTest::newRow("millivolt on a resistance channel") << 0 << QByteArray("conf:chan:unit 5") << QByteArray("E6");
    QTest::newRow("header mixing short and long parts") << 0 << QByteArray("meas:current?") << QByteArray("E4");
}

void tst_HandlerMeasureCommands::refusedCommandsReachNoBoard()
{
    mSession->checkRefusal(mFixture->board());
    QCOMPARE(mFixture->controller().measuredChannel(), channel(1));
    QCOMPARE(channel(1)->selectedUnit(), Electrical_temperature_units::uCelsius);
    QVERIFY(mWaits.isEmpty());
}

void tst_HandlerMeasureCommands::readingLeavesInTheClientsForm_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("boardReply");
    QTest::addColumn<QByteArray>("sent");
    const QByteArray current("measure:current?");
    const QByteArray raw("measure:raw? 2");
    // The current value as a Latin-1 pair of the electrical value and the temperature.
    QTest::newRow("resistance and temperature") << 0 << current << QByteArray("109.12345,23.4567,0,1")
                                                << QByteArray("109.12345R,23.4567\xB0"
                                                              "C\r\n");
    QTest::newRow("no temperature") << 0 << current << QByteArray("109.12345,nan,0,1")
                                    << QByteArray("109.12345R,OL\xB0"
                                                  "C\r\n");
    QTest::newRow("no probe") << 0 << current << QByteArray("E1") << QByteArray("E14\r\n");
    QTest::newRow("no measurement for a moment") << 0 << current << QByteArray("E14") << QByteArray("E14\r\n");
    // The raw value in scientific form with its range flag.
    QTest::newRow("raw value in range") << 2 << raw << QByteArray("100.00123456,0")
                                        << QByteArray("1.0000123456e+02,0\r\n");
    QTest::newRow("raw small millivolts")
        << 2 << raw << QByteArray("-0.0123,0") << QByteArray("-1.2300000000e-02,0\r\n");
    QTest::newRow("raw value over range") << 2 << raw << QByteArray("500.1,2") << QByteArray("E14\r\n");
    QTest::newRow("raw value board error") << 2 << raw << QByteArray("E1") << QByteArray("E14\r\n");
}

void tst_HandlerMeasureCommands::readingLeavesInTheClientsForm()
{
    QFETCH(int, level);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, boardReply);
    TRemoteSession::setAccessLevel(level);
    mFixture->board().injectReply(boardReply);
    QTEST(exchange(line), "sent");
    // The board is asked in its own short form.
    QCOMPARE(mFixture->board().lastCommand(),
             line.startsWith("measure:raw") ? QByteArray("meas:raw? 2") : QByteArray("meas:curr?"));
}

void tst_HandlerMeasureCommands::frozenChannelAnswersItsFrozenPair_data()
{
    // Board replies to the client's "meas:curr?", each answered in turn; "freeze" and "thaw" tap Freeze between.
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<QByteArrayList>("answers");
    // What the client asks after the last reply; "meas:curr?" before.
    QTest::addColumn<QByteArray>("lastQuery");
    const QByteArray first("109.12345,23.4567,0,1");
    const QByteArray later("110.00000,25.6000,0,1");
    const QByteArray firstPair("109.12345R,23.4567\xB0"
                               "C\r\n");
    const QByteArray laterPair("110.00000R,25.6000\xB0"
                               "C\r\n");
    const QByteArray none("E14\r\n");

    const QByteArray current("meas:curr?");
    QTest::newRow("frozen with a value") << QByteArrayList{first, "freeze", later, "thaw", later}
                                         << QByteArrayList{firstPair, firstPair, laterPair} << current;
    // Nothing held: the reading from before the probe went is no number to give.
    QTest::newRow("frozen while the channel has no value")
        << QByteArrayList{first, "E1", "freeze", later, "thaw", later}
        << QByteArrayList{firstPair, none, none, laterPair} << current;
    QTest::newRow("scanned while frozen without a value")
        << QByteArrayList{first, "E1", "freeze", later} << QByteArrayList{firstPair, none, none}
        << QByteArray("meas:scan? 3,(@1)");
    QTest::newRow("the value lost while frozen, and back")
        << QByteArrayList{first, "freeze", "E1", later, "thaw", later}
        << QByteArrayList{firstPair, none, firstPair, laterPair} << current;
}

void tst_HandlerMeasureCommands::frozenChannelAnswersItsFrozenPair()
{
    QFETCH(QByteArrayList, replies);
    QFETCH(QByteArrayList, answers);
    QFETCH(QByteArray, lastQuery);
    QByteArrayList answered;
    for (int i = 0; i < replies.size(); ++i) {
        const QByteArray& reply = replies.at(i);
        if (reply == "freeze" || reply == "thaw") {
            channel(1)->setChannelFrozen(reply == "freeze");
            continue;
        }
        mFixture->board().injectReply(reply);
        answered << exchange(i + 1 == replies.size() ? lastQuery : QByteArray("meas:curr?"));
    }
    QCOMPARE(answered, answers);
}

void tst_HandlerMeasureCommands::channelSelectionFollowsOnTheShownView_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("acknowledge");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("measured");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("number, acknowledgements off") << 0 << false << QByteArray("conf:chan 2") << 2 << QByteArray();
    QTest::newRow("number, acknowledgements on")
        << 0 << true << QByteArray("conf:chan 3") << 3 << QByteArray("ACK\r\n");
    QTest::newRow("first of a channel list")
        << 0 << false << QByteArray("configure:channel (@2,3)") << 2 << QByteArray();
    QTest::newRow("expansion channel at level 2") << 2 << false << QByteArray("conf:chan 6") << 6 << QByteArray();
}

void tst_HandlerMeasureCommands::channelSelectionFollowsOnTheShownView()
{
    QFETCH(int, level);
    QFETCH(bool, acknowledge);
    QFETCH(QByteArray, line);
    QFETCH(int, measured);
    QFETCH(QByteArray, sent);
    TRemoteSession::setAccessLevel(level);
    if (acknowledge)
        QCOMPARE(exchange("syst:ackn 1"), QByteArray("ACK\r\n"));
    QCOMPARE(exchange(line), sent);
    exchange("syst:ackn 0");
    // The board takes channel numbers with two digits.
    QCOMPARE(mFixture->board().commands().value(0), "conf:chan " + QByteArray::number(measured).rightJustified(2, '0'));
    QCOMPARE(mFixture->controller().measuredChannel()->internalChannelNumber(), measured);
    zelk::vector<TAbstractChannel*> shown;
    mFixture->homeView().channels(shown);
    QCOMPARE(shown, zelk::vector<TAbstractChannel*>{mFixture->controller().measuredChannel()});
    QCOMPARE(mFixture->ui().btnSingleViewChanSel->text(), mFixture->controller().measuredChannel()->channelBtnText());

    // What the board measures now is what the client reads back.
    QCOMPARE(exchange("conf:chan?"), QByteArray::number(measured) + "\r\n");
}

void tst_HandlerMeasureCommands::derivedChannelOperands_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("boardCommand");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("sum of 1 and 2") << QByteArray("conf:chan:func 10,1,2") << QByteArray("conf:chan:func 10,@1,@2")
                                    << QByteArray("10,1,2");
    QTest::newRow("operands as channel lists") << QByteArray("configure:channel:function 11,(@2),(@1)")
                                               << QByteArray("conf:chan:func 11,@2,@1") << QByteArray("11,2,1");
    QTest::newRow("reciprocal of 2") << QByteArray("conf:chan:func 9,2") << QByteArray("conf:chan:func 9,@2")
                                     << QByteArray("9,2");
}

void tst_HandlerMeasureCommands::derivedChannelOperands()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, boardCommand);
    QFETCH(QByteArray, query);
    QCOMPARE(exchange(line), QByteArray());
    QCOMPARE(mFixture->board().commands(), QList<QByteArray>{boardCommand});
    const int derived = query.split(',').first().toInt();
    QCOMPARE(mFixture->controller().measuredChannel(), channel(derived));
    zelk::vector<TAbstractChannel*> shown;
    mFixture->homeView().channels(shown);
    QCOMPARE(shown, zelk::vector<TAbstractChannel*>{channel(derived)});
    QCOMPARE(exchange("conf:chan?"), query + "\r\n");

    // A board that refuses the selection: the measured channel stays.
    QVERIFY(mFixture->controller().measureChannel(channel(1)));
    failBoardCommands("conf:chan:func", TBoardFaults::TCommandFault::cfSilence);
    QCOMPARE(exchange(line), QByteArray("E14\r\n"));
    QCOMPARE(mFixture->controller().measuredChannel(), channel(1));
}

void tst_HandlerMeasureCommands::unitChange_data()
{
    QTest::addColumn<int>("measured");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("selected");
    QTest::newRow("ohm on a thermocouple channel") << 3 << 4 << QByteArray("E6\r\n") << 1;
    QTest::newRow("millivolt on a thermocouple channel") << 3 << 5 << QByteArray() << 5;
    QTest::newRow("ohm on a resistance channel") << 1 << 4 << QByteArray() << 4;
    QTest::newRow("kelvin on a resistance channel") << 1 << 3 << QByteArray() << 3;
    QTest::newRow("fahrenheit on a thermocouple channel") << 3 << 2 << QByteArray() << 2;
    QTest::newRow("unit 6") << 3 << 6 << QByteArray("E6\r\n") << 1;
}

void tst_HandlerMeasureCommands::unitChange()
{
    QFETCH(int, measured);
    QFETCH(int, unit);
    QFETCH(QByteArray, sent);
    QFETCH(int, selected);
    QCOMPARE(exchange("conf:chan " + QByteArray::number(measured)), QByteArray());
    const QString shownUnit = mFixture->ui().btnSingleViewUnit->text();
    QCOMPARE(exchange("conf:chan:unit " + QByteArray::number(unit)), sent);
    QCOMPARE(int(channel(measured)->selectedUnit()), selected);
    QCOMPARE(exchange("configure:channel:units?"), QByteArray::number(selected) + "\r\n");
    // The view on the screen shows the unit the client chose.
    QCOMPARE(mFixture->ui().btnSingleViewUnit->text() != shownUnit, selected != 1);
}

void tst_HandlerMeasureCommands::pollingSwitch_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("reading");
    QTest::newRow("1 switches on") << QByteArray("meas:poll 1") << true;
    QTest::newRow("7 switches on") << QByteArray("measure:polling 7") << true;
    QTest::newRow("0 switches off") << QByteArray("meas:poll 0") << false;
    QTest::newRow("-3 switches off") << QByteArray("meas:poll -3") << false;
}

void tst_HandlerMeasureCommands::pollingSwitch()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, reading);
    TRemoteSession::setAccessLevel(2);
    mFixture->controller().setReadingActive(!reading);
    QCOMPARE(exchange(line), QByteArray());
    QCOMPARE(mFixture->controller().isReadingActive(), reading);
    mFixture->controller().setReadingActive(false);
}

void tst_HandlerMeasureCommands::smartProbeQuery()
{
    QCOMPARE(exchange("conf:chan:smar?"), QByteArray("0\r\n"));
    mFixture->board().board().plugSmartProbe(2, TSimulatedSmartProbe::callendarVanDusenPt100());
    QCOMPARE(exchange("conf:chan 2"), QByteArray());
    QCOMPARE(exchange("configure:channel:smart?"), QByteArray("1\r\n"));
    failBoardCommands("conf:chan:smar?", TBoardFaults::TCommandFault::cfSilence);
    QCOMPARE(exchange("conf:chan:smar?"), QByteArray("E14\r\n"));
    mFixture->board().board().plugSensor(2, ssPt100);
}

void tst_HandlerMeasureCommands::scanAnswersEveryChannelInOrder()
{
    mFixture->board().injectReply("109.12345,23.4567,0,1");
    mFixture->board().injectReply("110.00000,25.6000,0,1");
    QCOMPARE(exchange("meas:scan? 3,(@1,99,2)"), QByteArray("109.12345R,23.4567\xB0"
                                                            "C\r\nE14\r\n"
                                                            "110.00000R,25.6000\xB0"
                                                            "C\r\n"));
    // One settle time of 3 s per channel scanned, none for the channel missing.
    QCOMPARE(mWaits, (QList<int>{3000, 3000}));
    QCOMPARE(mFixture->board().commands(),
             (QList<QByteArray>{"conf:chan 01", "meas:curr?", "conf:chan 02", "meas:curr?"}));
    // The last channel scanned stays measured and shown.
    QCOMPARE(mFixture->controller().measuredChannel(), channel(2));
    zelk::vector<TAbstractChannel*> shown;
    mFixture->homeView().channels(shown);
    QCOMPARE(shown, zelk::vector<TAbstractChannel*>{channel(2)});
}

void tst_HandlerMeasureCommands::scanGivesUpOnAChannelAfterFourteenSeconds()
{
    // Every look at the clock finds a second gone; channel 1 never reads.
    mTick = 1000;
    failBoardCommands("meas:curr?", TBoardFaults::TCommandFault::cfError);
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mCommandFaults.first().mCount = 15; });
    QCOMPARE(exchange("meas:scan? 3,(@1,2)").left(5), QByteArray("E14\r\n"));
    int reads = 0;
    for (const QByteArray& command : mFixture->board().commands())
        reads += command == "meas:curr?";
    // Reads while 14 whole seconds pass, then one that succeeds on channel 2.
    QCOMPARE(reads, 16);
    QCOMPARE(mFixture->controller().measuredChannel(), channel(2));
}

void tst_HandlerMeasureCommands::scanRepliesStayWithTheClientThatAsked_data()
{
    QTest::addColumn<bool>("disconnected");
    QTest::newRow("its transport reports it gone") << true;
    QTest::newRow("the local user takes the instrument back") << false;
}

// The client that asked for a scan loses remote access while the scan waits,
// and another client asks something: the scan selects and reads no further
// channel (a hundred at the longest settle time would hold the instrument for
// more than 16 hours), and the newcomer gets the answer to its own question
// only, at once.
void tst_HandlerMeasureCommands::scanRepliesStayWithTheClientThatAsked()
{
    QFETCH(bool, disconnected);
    TExternalCommunicationHandler handler(&mFixture->board().handler(), &mFixture->controller(), &mFixture->probes(),
                                          &mFixture->manager(), nullptr);
    TRecordingInterface asking(&handler);
    TRecordingInterface newcomer(&handler);
    int waits = 0;
    handler.setScanClock({[this] { return mNow; },
                          [&](int pMilliseconds) {
                              mNow += pMilliseconds;
                              if (++waits != 2)
                                  return;
                              if (disconnected)
                                  handler.interfaceDisconnected(&asking);
                              else
                                  handler.abortRemoteMode();
                              newcomer.deliver("syst:ackn 1\r");
                          }});
    asking.receive("syst:remo\r");
    QVERIFY(handler.isInRemoteMode());
    mFixture->board().injectReply("109.12345,23.4567,0,1");
    QByteArray scan = "meas:scan? 600,(@1";
    for (int entry = 1; entry < 100; ++entry)
        scan += entry % 2 ? ",2" : ",1";

    asking.receive(scan + ")\r");

    QCOMPARE(asking.takeSent(), QByteArray("109.12345R,23.4567\xB0"
                                           "C\r\n"));
    QByteArray toTheNewcomer;
    QTRY_COMPARE(toTheNewcomer += newcomer.takeSent(), QByteArray("ACK\r\n"));
    QCOMPARE(waits, 2);
    QCOMPARE(mFixture->board().commands(), (QList<QByteArray>{"conf:chan 01", "meas:curr?", "conf:chan 02"}));
}

void tst_HandlerMeasureCommands::warningWaitsUntilItsCommandIsAnswered_data()
{
    // A SMART probe due for calibration on input 2; each warned of once.
    QTest::addColumn<QString>("dueProbe");
    // Inputs 1 and then 2 hold a probe and read beyond its range.
    QTest::addColumn<int>("outOfRange");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("buzzerMeanwhile");
    const QString due = QStringLiteral("WARNING: calibration of probe %1 was due on ");
    const QString caution = QStringLiteral("CAUTION! Probe %1 is operating outside the defined temperature range!");
    QTest::newRow("SMART probe due for calibration")
        << "SPRT100-5150" << 0 << QStringList{due.arg("SPRT100-5150")} << QByteArray("0");
    // Found in the scan's last reading, with no event processed before the next command.
    QTest::newRow("probe out of its range") << QString() << 1 << QStringList{caution.arg("PT100-A")} << QByteArray("1");
    QTest::newRow("calibration due and a probe out of its range")
        << "SPRT100-5151" << 1 << QStringList{due.arg("SPRT100-5151"), caution.arg("PT100-A")} << QByteArray("1");
    QTest::newRow("two probes out of their range")
        << QString() << 2 << QStringList{caution.arg("PT100-A"), caution.arg("PT100-B")} << QByteArray("1");
}

// Warnings raised while a scan measures open once the scan is answered and
// before the command behind it, every one of them: inside the scan they would
// hold it until somebody at the instrument closed them, and behind every
// queued command a client that always keeps one queued would keep them away
// for good. The probe alarm's buzzer does not wait, and it sounds on while a
// caution is open.
void tst_HandlerMeasureCommands::warningWaitsUntilItsCommandIsAnswered()
{
    QFETCH(QString, dueProbe);
    QFETCH(int, outOfRange);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, buzzerMeanwhile);
    const QString caution = QStringLiteral("CAUTION!");

    const char* const buzzer = BUZZER_LINE;
    QVERIFY(buzzerReady());
    TExternalCommunicationHandler handler(&mFixture->board().handler(), &mFixture->controller(), &mFixture->probes(),
                                          &mFixture->manager(), nullptr);
    handler.setScanClock({[this] { return mNow; }, [this](int pMilliseconds) { mNow += pMilliseconds; }});
    TRecordingInterface client(&handler);
    // Each reply with the messages open and the buzzer as it leaves.
    QList<int> openMessages;
    QList<QByteArray> buzzerAtReply;
    client.setOnSent([&] {
        openMessages << TMessageRecorder::openMessages();
        buzzerAtReply << TTestEnvironment::readDeviceFile(buzzer);
    });
    std::vector<std::unique_ptr<TPRTProbe>> probes;
    for (int input = 1; input <= outOfRange; ++input) {
        // Good from -200.5 to 450 degrees Celsius.
        probes.push_back(input == 1 ? TestProbes::prt() : TestProbes::prt(8, "PT100-B"));
        qobject_cast<TPhysicalChannel*>(channel(input))->assignProbe(probes.back().get());
        mFixture->board().board().setTemperature(input, 500.0);
    }
    auto restore = qScopeGuard([&] {
        for (int input = 1; input <= outOfRange; ++input) {
            qobject_cast<TPhysicalChannel*>(channel(input))->useProbe(nullptr);
            mFixture->board().board().setTemperature(input, 23.0);
        }
        if (!dueProbe.isEmpty())
            mFixture->board().board().plugSensor(2, ssPt100);
    });
    if (!dueProbe.isEmpty()) {
        mFixture->controller().setCalendar([] { return QDate(2026, 3, 1); });
        TSimulatedSmartProbe smartProbe = TSimulatedSmartProbe::callendarVanDusenPt100();
        smartProbe.mName = dueProbe;
        mFixture->board().board().plugSmartProbe(2, smartProbe);
    }
    // The buzzer as each message is seen open; the one on top is seen first.
    QList<QByteArray> buzzerWhileOpen;
    TMessageRecorder recorder([&] { buzzerWhileOpen << TTestEnvironment::readDeviceFile(buzzer); });

    client.deliver("syst:remo\rmeas:scan? 3,(@2,1)\rconf:chan?\r");

    QTRY_COMPARE(recorder.count(), messages.size());
    QTRY_COMPARE(openMessages.size(), 3);
    // Every message is up before the command behind the scan is answered.
    QCOMPARE(openMessages, (QList<int>{0, 0, int(messages.size())}));
    QCOMPARE(buzzerAtReply.at(1), buzzerMeanwhile);
    for (const QString& message : messages)
        QVERIFY2(std::any_of(recorder.texts().cbegin(), recorder.texts().cend(),
                             [&message](const QString& pText) { return pText.startsWith(message); }),
                 qPrintable(recorder.texts().join(QLatin1Char('\n'))));
    // Also the caution below another, which closed first.
    for (int seen = 0; seen < recorder.count(); ++seen)
        if (recorder.texts().at(seen).startsWith(caution))
            QCOMPARE(buzzerWhileOpen.at(seen), QByteArray("1"));
    QTRY_COMPARE(TTestEnvironment::readDeviceFile(buzzer), QByteArray("0"));
}

// The next command waits for a client that reads nothing, but a warning does
// not: it comes up, and commands that run under it do not keep the buzzer on
// once the user has closed it.
void tst_HandlerMeasureCommands::alarmComesUpWhileAClientReadsNothing()
{
    const char* const buzzer = BUZZER_LINE;
    QVERIFY(buzzerReady());
    TExternalCommunicationHandler handler(&mFixture->board().handler(), &mFixture->controller(), &mFixture->probes(),
                                          &mFixture->manager(), nullptr);
    TRecordingInterface client(&handler);
    client.setUnsent(TExternalCommunicationInterface::PENDING_OUTPUT_LIMIT);
    auto* input1 = qobject_cast<TPhysicalChannel*>(channel(1));
    auto probe = TestProbes::prt();
    const auto putBack = qScopeGuard([&] {
        input1->useProbe(nullptr);
        mFixture->board().board().setTemperature(1, 23.0);
    });
    input1->assignProbe(probe.get());
    mFixture->board().board().setTemperature(1, 500.0);
    // Looked at once the user has closed the caution; then the client reads.
    bool cautionShown = false;
    bool cautionBeforeTheClientRead = false;
    QByteArray buzzerAfterTheCaution;
    auto clientReads = [&] {
        if (client.pendingBytes() == 0)
            return;
        cautionBeforeTheClientRead = cautionShown;
        client.setUnsent(0);
    };
    TMessageRecorder messages([&] {
        cautionShown = true;
        QTimer::singleShot(0, [&] {
            buzzerAfterTheCaution = TTestEnvironment::readDeviceFile(buzzer);
            clientReads();
        });
    });
    // Bounds the test where the caution never comes.
    QTimer bound;
    bound.setSingleShot(true);
    connect(&bound, &QTimer::timeout, clientReads);
    bound.start(5000);

    // The reading that leaves the range comes while the commands wait for room.
    QTimer::singleShot(0, &mFixture->controller(), &TChannelController::onChannelReadTimer);
    client.receive("*idn?\r*idn?\r");
    QTRY_COMPARE(messages.count(), 1);
    QVERIFY2(messages.texts().first().startsWith("CAUTION! Probe PT100-A"), qPrintable(messages.texts().first()));
    QTRY_COMPARE(buzzerAfterTheCaution, QByteArray("0"));
    QVERIFY(cautionBeforeTheClientRead);
    QByteArray replies;
    QTRY_COMPARE((replies += client.takeSent()).count("\r\n"), 2);
}

// A client that keeps commands queued, each of which takes longer than a
// measuring cycle (a long log list, say): the board is polled between every
// two of them, so that readings, the log and the probe alarm go on.
void tst_HandlerMeasureCommands::pollsGoOnBetweenQueuedCommands()
{
    const int cycle = 20;
    TChannelControllerFixture board;
    TAMARIND_END_FAILED_ROW();
    board.build(cycle);
    TAMARIND_END_FAILED_ROW();
    TExternalCommunicationHandler handler(&board.board().handler(), &board.controller(), nullptr, nullptr, nullptr);
    TRecordingInterface client(&handler);
    client.receive("syst:remo\r");
    const auto polls = [&board] { return board.board().commands().count("meas:curr?"); };
    // The controller's clock moves with the commands alone: a poll that a loaded machine slows past the cycle
    // would have the tick after it passed over, and no poll would come between two commands.
    qint64 commandTime = 0;
    board.controller().setMonotonicClock([&commandTime] { return commandTime; });
    QList<int> pollsAtReply;
    client.setOnSent([&] {
        pollsAtReply << polls();
        // The command outlasts a cycle: the next poll is due when it ends.
        QThread::msleep(cycle + 5);
        commandTime += cycle + 5;
    });
    board.controller().setReadingActive(true);
    auto stopPolling = qScopeGuard([&board] { board.controller().setReadingActive(false); });
    const int commands = 5;

    client.receive(QByteArray("syst:ackn 1\r").repeated(commands));

    QCOMPARE(pollsAtReply.size(), commands);
    for (int reply = 1; reply < commands; ++reply)
        QVERIFY2(pollsAtReply.at(reply) > pollsAtReply.at(reply - 1), qPrintable(QString::number(reply)));
}

// A client's command the board leaves unanswered: the screen has its turn,
// then the measuring cycle's poll of the tick the turn passed over, then the
// client's next command; after an answered one nothing waits. A tick owed when
// reading stops holds up no command.
void tst_HandlerMeasureCommands::screenHasItsTurnAfterAnUnansweredCommand_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<bool>("unanswered");
    QTest::addColumn<bool>("stopReading");
    // The client's selections and the cycle's polls as the board received them.
    QTest::addColumn<QList<QByteArray>>("order");
    const QByteArray second("conf:chan 02");
    const QByteArray third("conf:chan 03");
    const QByteArray poll("meas:curr?");
    QTest::newRow("the first command answered")
        << QByteArray("conf:chan 2\rconf:chan 3\r") << false << false << QList<QByteArray>{second, third, poll};
    QTest::newRow("the first command left unanswered")
        << QByteArray("conf:chan 2\rconf:chan 3\r") << true << false << QList<QByteArray>{second, poll, third, poll};
    QTest::newRow("unanswered commands one after another, the cycle's polls answered")
        << QByteArray("conf:chan 2\r").repeated(3) << true << false
        << QList<QByteArray>{second, poll, second, poll, second, poll};
    QTest::newRow("reading stopped while the tick is owed")
        << QByteArray("conf:chan 2\rconf:chan 3\r") << true << true << QList<QByteArray>{second, third};
}

void tst_HandlerMeasureCommands::screenHasItsTurnAfterAnUnansweredCommand()
{
    QFETCH(QByteArray, lines);
    QFETCH(bool, unanswered);
    QFETCH(bool, stopReading);
    QFETCH(QList<QByteArray>, order);
    TChannelControllerFixture board;
    TAMARIND_END_FAILED_ROW();
    // The row gives every tick itself: the read timer's own, on a slow machine, would poll in between.
    board.build(60 * 60 * 1000);
    TAMARIND_END_FAILED_ROW();
    TChannelController& controller = board.controller();
    TExternalCommunicationHandler handler(&board.board().handler(), &controller, nullptr, nullptr, nullptr);
    // A turn of commands that never runs out: what waits, waits for the screen and the cycle alone.
    handler.setScanClock({[] { return qint64(0); }, [](int) {}});
    TRecordingInterface client(&handler);
    client.receive("syst:remo\r");
    qint64 now = 0;
    controller.setMonotonicClock([&now] { return now; });
    controller.setReadingActive(true);
    auto stopPolling = qScopeGuard([&controller] { controller.setReadingActive(false); });
    if (unanswered)
        board.board().board().withFaults([](TBoardFaults& pFaults) {
            TBoardFaults::TCommandFault fault;
            fault.mPrefix = "conf:chan 02";
            fault.mKind = TBoardFaults::TCommandFault::cfSilence;
            fault.mCount = -1;
            pFaults.mCommandFaults << fault;
        });
    const int earlier = board.board().commands().size();
    // The tick that fell due while an unanswered command held the event loop comes as its reply leaves, and the
    // turn is over before the queue looks again: as when the queue's timer, timed to the end of the turn, comes
    // before the owed tick's.
    client.setOnSent([&] {
        if (board.board().handler().screenTurnLeft() == 0 || !controller.isReadingActive())
            return;
        controller.onChannelReadTimer();
        now += TInternalSCPIHandler::SCREEN_TURN_MILLISECONDS;
    });
    const int commands = lines.count('\r');
    const auto sent = [&board] {
        int count = 0;
        for (const QByteArray& command : board.board().commands())
            count += command.startsWith("conf:chan 02") || command.startsWith("conf:chan 03");
        return count;
    };

    client.deliver(lines);
    while (sent() < commands) {
        // On a slow machine the owed tick's own timer, due as the turn ends, may have made it good already.
        if (controller.isTickOwed()) {
            if (stopReading) {
                controller.setReadingActive(false);
                QVERIFY(!controller.isTickOwed());
            } else
                controller.makeGoodOwedTick();
        }
        const int before = sent();
        QTRY_VERIFY(sent() > before);
    }
    // The tick after the last command polls, the turn being over.
    if (controller.isReadingActive()) {
        now += 500;
        controller.onChannelReadTimer();
    }

    QList<QByteArray> received;
    for (const QByteArray& command : board.board().commands().mid(earlier))
        if (order.contains(command))
            received << command;
    QCOMPARE(received, order);
}

void tst_HandlerMeasureCommands::aRunningRoutineOwnsTheChannel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("measured");
    QTest::addColumn<QByteArray>("line");
    // The E14 lines the line is answered with while a routine runs; 0 where
    // it is carried out as without one.
    QTest::addColumn<int>("refusals");
    // Carried out before the routine starts; a derived channel is measured by them.
    QTest::addColumn<QList<QByteArray>>("setUp");
    const QList<QByteArray> none;
    QTest::newRow("channel selection") << 0 << 1 << QByteArray("conf:chan 2") << 1 << none;
    QTest::newRow("derived channel") << 0 << 1 << QByteArray("conf:chan:func 9,2") << 1 << none;
    QTest::newRow("scan of two channels") << 0 << 1 << QByteArray("meas:scan? 3,(@2,3)") << 2 << none;
    QTest::newRow("polling on") << 2 << 1 << QByteArray("meas:poll 1") << 1 << none;
    // The board measures a calibration item in place of the channel.
    QTest::newRow("raw value of a calibration item") << 2 << 1 << QByteArray("meas:raw? 2") << 1 << none;
    QTest::newRow("thermocouple conversion") << 2 << 3 << QByteArray("sens:tc:mv 0") << 1 << none;
    // A SMART probe write acts on the probe of the routine's channel.
    QTest::newRow("SMART probe name") << 0 << 2 << QByteArray("sens:frtd:iden 'BENCH'") << 1 << none;
    QTest::newRow("reading goes on") << 0 << 1 << QByteArray("meas:curr?") << 0 << none;
    QTest::newRow("measured channel query goes on") << 0 << 1 << QByteArray("conf:chan?") << 0 << none;
    // What the routine's points are measured with stays as it was; the
    // same on what the routine does not measure with goes on.
    QTest::newRow("data of the routine's probe") << 0 << 3 << QByteArray("sens:tc:refe 85,1") << 1 << none;
    QTest::newRow("data of another channel's probe") << 0 << 1 << QByteArray("sens:tc:refe 85,1") << 0 << none;
    QTest::newRow("a probe onto the routine's channel") << 0 << 1 << QByteArray("prob:assi 81,1") << 1 << none;
    QTest::newRow("a probe onto another channel") << 0 << 3 << QByteArray("prob:assi 81,1") << 0 << none;
    QTest::newRow("the routine's probe onto another channel") << 0 << 3 << QByteArray("sens:tc:assi 85,4") << 1 << none;
    QTest::newRow("factory data of the routine's item")
        << 2 << 1 << QByteArray("cal:fact:data 2,0,1,2026,1,1") << 1 << none;
    QTest::newRow("factory data of another item") << 2 << 1 << QByteArray("cal:fact:data 5,0,1,2026,1,1") << 0 << none;
    QTest::newRow("cold junction of the routine's channel")
        << 2 << 3 << QByteArray("cal:fact:cjc 3,0,2026,1,1") << 1 << none;
    QTest::newRow("factory data of the routine's thermocouple input")
        << 2 << 3 << QByteArray("cal:fact:data 5,0,1,2026,1,1") << 1 << none;
    QTest::newRow("factory data of the other thermocouple input")
        << 2 << 3 << QByteArray("cal:fact:data 6,0,1,2026,1,1") << 0 << none;
    // The channels behind the routine's channel are held with it: the one
    // that measures its thermocouple's cold junction, a derived channel's
    // operands. A switch-box position with a Pt100 measures a resistance.
    const QList<QByteArray> coldJunctionOnChannel1{"prob:assi 1,1", "sens:tc:assi 11,3"};
    QTest::newRow("coefficient of the cold junction's probe")
        << 0 << 3 << QByteArray("prob:coef 1,1,100.5") << 1 << coldJunctionOnChannel1;
    QTest::newRow("a probe onto the cold junction's channel")
        << 0 << 3 << QByteArray("prob:assi 82,1") << 1 << coldJunctionOnChannel1;
    QTest::newRow("factory data of the cold junction's resistance item")
        << 2 << 3 << QByteArray("cal:fact:data 2,0,1,2026,1,1") << 1 << coldJunctionOnChannel1;
    // A switch-box position takes a thermocouple too, with its cold junction
    // where the probe says; one outside the routine holds nothing.
    const QList<QByteArray> switchBoxColdJunctionOnChannel1{"prob:assi 1,1", "sens:tc:assi 11,120"};
    QTest::newRow("the cold junction's probe of a switch-box thermocouple")
        << 0 << 120 << QByteArray("prob:coef 1,1,100.5") << 1 << switchBoxColdJunctionOnChannel1;
    QTest::newRow("the cold junction of a thermocouple outside the run")
        << 0 << 4 << QByteArray("prob:coef 1,1,100.5") << 0 << coldJunctionOnChannel1;
    QTest::newRow("a probe onto the cold junction's channel of a thermocouple outside the run")
        << 0 << 4 << QByteArray("prob:assi 82,1") << 0 << switchBoxColdJunctionOnChannel1;
    QTest::newRow("a probe onto an operand of the routine's channel")
        << 0 << 11 << QByteArray("prob:assi 1,2") << 1 << QList<QByteArray>{"conf:chan:func 11,1,2"};
    QTest::newRow("factory data of a switch-box position's resistance item")
        << 2 << 120 << QByteArray("cal:fact:data 2,0,1,2026,1,1") << 1 << none;
}

// While a calibration routine runs it alone chooses what the board measures:
// a client's choice would be stored as the routine's readings. Without a
// routine the same lines are carried out.
void tst_HandlerMeasureCommands::aRunningRoutineOwnsTheChannel()
{
    QFETCH(int, level);
    QFETCH(int, measured);
    QFETCH(QByteArray, line);
    QFETCH(int, refusals);
    QFETCH(QList<QByteArray>, setUp);
    TChannelController& controller = mFixture->controller();
    TInternalSCPIHandler& board = mFixture->board().handler();
    board.setWaitClock({[] { return QDateTime::currentDateTime(); }, [](int) {}});
    // Set before anything that can fail: a row that fails leaves the next rows as it found them.
    auto restoreSession = qScopeGuard([&] {
        exchange("syst:ackn 0");
        board.setWaitClock(TInternalSCPIHandler::systemWaitClock());
    });
    TRemoteSession::setAccessLevel(level);
    if (controller.physical_channel(measured))
        QCOMPARE(exchange("conf:chan " + QByteArray::number(measured)), QByteArray());
    // A change carried out answers too.
    QCOMPARE(exchange("syst:ackn 1"), QByteArray("ACK\r\n"));
    // The next row finds the probes where they were.
    std::map<TPhysicalChannel*, TAbstractProbe*> assigned;
    for (int number : {1, 2, 3, 120})
        assigned[controller.physical_channel(number)] = controller.physical_channel(number)->assignedProbe();
    auto reassign = qScopeGuard([&] {
        for (const auto& [physical, probe] : assigned) {
            if (probe)
                mFixture->probes().assignProbeToChannel(probe, physical, true, false, false);
        }
    });
    for (const QByteArray& setUpLine : setUp)
        QCOMPARE(exchange(setUpLine), QByteArray("ACK\r\n"));
    auto* reciprocal = qobject_cast<TUnaryDerivedChannel*>(channel(9));
    QVERIFY(reciprocal);
    reciprocal->setPhysicalChannel(qobject_cast<TPhysicalChannel*>(channel(1)));
    auto hold = std::make_unique<TRoutineChannelHold>(controller, zelk::vector<TAbstractChannel*>{channel(measured)});
    auto release = qScopeGuard([&] {
        hold.reset();
        controller.setReadingActive(false);
    });
    mFixture->board().board().clearRecord();

    const QByteArray held = exchange(line);
    if (refusals > 0) {
        QCOMPARE(held, QByteArray("E14\r\n").repeated(refusals));
        QCOMPARE(mFixture->board().commands(), QList<QByteArray>());
        QVERIFY(!controller.isReadingActive());
        QCOMPARE(reciprocal->physicalChannel(), channel(1));
    } else {
        QVERIFY2(!held.isEmpty() && !held.contains("E14"), held.constData());
    }
    QCOMPARE(controller.measuredChannel(), channel(measured));
    zelk::vector<TAbstractChannel*> shown;
    mFixture->homeView().channels(shown);
    QCOMPARE(shown, zelk::vector<TAbstractChannel*>{channel(measured)});

    hold.reset();
    mFixture->board().board().clearRecord();
    const QByteArray free = exchange(line);
    QVERIFY2(!free.contains("E14"), free.constData());
    QVERIFY(!mFixture->board().commands().isEmpty());
}

TAMARIND_TEST_MAIN(tst_HandlerMeasureCommands)
#include "tst_handlermeasurecommands.moc"

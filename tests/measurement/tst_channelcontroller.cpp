#include "authorizationcontroller.h"
#include "boardstate.h"
#include "buzzercontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channelcontrollerlistener.h"
#include "channelselectionreceiver.h"
#include "clickablewidgetcontroller.h"
#include "instrumentinfo.h"
#include "messagedialog.h"
#include "messagerecorder.h"
#include "probe.h"
#include "probealarmcontroller.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "switchbox.h"
#include "tamarindclock.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"
#include "warninggate.h"
#include "zelkcontainercheckbutton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <cmath>

using namespace Probe_enums;

namespace
{
// Writes what each listener was told into one shared log, so that the order
// across listeners shows.
class TLoggingListener : public IChannelControllerListener
{
public:
    TLoggingListener(const QString& pName, QStringList& pLog) : mName(pName), mLog(pLog) {}

    void channelRead(TAbstractChannel* pChannel) override
    {
        mLog << QStringLiteral("%1 read %2").arg(mName).arg(pChannel->internalChannelNumber());
        if (mOnRead)
            mOnRead();
    }
    void channelTypeChanged(TAbstractChannel* pChannel) override
    {
        mLog << QStringLiteral("%1 type %2").arg(mName).arg(pChannel->internalChannelNumber());
    }
    void afterMeasBoardPolled(int pIntervallMilliseconds) override
    {
        mLog << QStringLiteral("%1 polled %2").arg(mName).arg(pIntervallMilliseconds);
    }

    std::function<void()> mOnRead;

private:
    QString mName;
    QStringList& mLog;
};

class TSelectionReceiver : public IChannelSelectionReceiver
{
public:
    void channelSelected(TAbstractChannel* pChannel) override { mSelected << pChannel; }
    zelk::vector<TAbstractChannel*> mSelected;
};

// The board leaves the next command that begins with pPrefix unanswered.
void leaveUnansweredOnce(TSimulatedBoardLink& pBoard, const QByteArray& pPrefix)
{
    pBoard.board().withFaults([&pPrefix](TBoardFaults& pFaults) {
        TBoardFaults::TCommandFault fault;
        fault.mPrefix = pPrefix;
        fault.mKind = TBoardFaults::TCommandFault::cfSilence;
        pFaults.mCommandFaults << fault;
    });
}

int countCommands(TSimulatedBoardLink& pBoard, const QByteArray& pPrefix)
{
    int count = 0;
    for (const QByteArray& command : pBoard.commands()) {
        if (command.startsWith(pPrefix))
            ++count;
    }
    return count;
}

QList<int> channelNumbers(const TChannelController& pController)
{
    QList<int> numbers;
    for (const auto& entry : pController.channels())
        numbers << entry.first;
    return numbers;
}

QList<int> range(int pFirst, int pLast)
{
    QList<int> numbers;
    for (int n = pFirst; n <= pLast; ++n)
        numbers << n;
    return numbers;
}

const QList<int> BOARD_CHANNELS{1, 2, 3, 4, 9, 10, 11, 12, 13};

// A SMART probe as the channel holds it after an earlier read.
std::unique_ptr<TSmartProbePRT> heldSmartProbe(bool pEnabled, TPhysicalChannel* pChannel)
{
    return std::make_unique<TSmartProbePRT>("HELD", false, QDate(2024, 1, 15), pEnabled, rprt100, cprtCVD, 100.0,
                                            3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0, pChannel,
                                            QDate(2099, 1, 1), "Lab", 18.0, 390.0, false);
}

QString heldName(const TPRTChannel* pChannel)
{
    return pChannel->smartProbe() ? pChannel->smartProbe()->probeName() : QString();
}

QString probeName(const TPhysicalChannel* pChannel)
{
    return pChannel && pChannel->assignedProbe() ? pChannel->assignedProbe()->probeName() : QString();
}

// Keeps the text of every message dialog that comes up, whoever answers it.
class TShownMessages : public QObject
{
public:
    TShownMessages() { qApp->installEventFilter(this); }

    const QStringList& texts() const { return mTexts; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && qobject_cast<TMessageDialog*>(pWatched))
            mTexts << pWatched->findChild<QLabel*>(QStringLiteral("LblText"))->text();
        return false;
    }

private:
    QStringList mTexts;
};
} // namespace

Q_DECLARE_METATYPE(QList<QByteArray>)

class tst_ChannelController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void switchBoxScan_data();
    void switchBoxScan();
    void identityTextListsTheSwitchBoxes();
    void createdButtonsFollowTheBoardInputs();
    void measuredChannelRestored_data();
    void measuredChannelRestored();

    void pollsEveryReadInterval();
    void startingWhileReadingTakesNoExtraReading();
    void boardErrors_data();
    void boardErrors();
    void screenHasItsTurnAfterAnUnansweredExchange_data();
    void screenHasItsTurnAfterAnUnansweredExchange();
    void listenersToldLastRegisteredFirst();
    void listenerAddedDuringANotificationWaits();
    void pollInsideAPollDoesNothing();
    void probeAlarmOncePerExcursion_data();
    void probeAlarmOncePerExcursion();
    void measureChannel_data();
    void measureChannel();
    void readingsStayWithTheirChannelAfterALinkFault_data();
    void readingsStayWithTheirChannelAfterALinkFault();
    void systemTimeChangeStopsReading();

    void smartProbeKeptInStep_data();
    void smartProbeKeptInStep();
    void dueCalibrationAnnouncedOncePerProbe();
    void calibrationDueLaterIsStillAnnounced();
    void smartProbeRefresh_data();
    void smartProbeRefresh();
    void smartProbeRefreshUnderARoutineSwitchesNoChannel();
    void smartProbeOfTheMeasuredChannel();
    void smartProbeEnabled_data();
    void smartProbeEnabled();

    void sampleCountReachesEveryChannel_data();
    void sampleCountReachesEveryChannel();
    void defaultProbes();
    void usedProbesFollowTheColdJunction();

    void selectionPageVisibility_data();
    void selectionPageVisibility();
    void selectionPageShowsOperandsOfTheCurrentChannel();
    void operandChosenInTheDialog();
    void operandClearedWithNone();
    void cancelledOperandDialogChangesNothing();

private:
    TChannelController& build(int pReadInterval = 500) { return mFixture->build(pReadInterval); }
    TSimulatedBoardLink& board() { return mFixture->board(); }
    Ui_TTamarindMainForm& ui() { return mFixture->ui(); }
    std::unique_ptr<TScanModeController> scanMode(bool pActive);
    std::unique_ptr<TProbeController> probeController(bool pWithThermocoupleDefault);
    static void enterServiceLevel(int pLevel);
    void plugSmartProbe(int pChannel, bool pEnabled, const QString& pName = QStringLiteral("SPRT100-4711"));

    std::unique_ptr<TChannelControllerFixture> mFixture;
};

void tst_ChannelController::init()
{
    // An alarm a failed row left raised would keep the buzzer sounding through every row after it.
    TProbeAlarmController& alarms = TProbeAlarmController::instance();
    alarms.mAlarmsNotClosed = 0;
    alarms.mProbesWithCautionOpen.clear();
    TAMARIND_MAKE_FIXTURE(mFixture);
}

void tst_ChannelController::cleanup()
{
    mFixture.reset();
    TAuthorizationController::instance().resetLevel();
}

std::unique_ptr<TScanModeController> tst_ChannelController::scanMode(bool pActive)
{
    auto scan = std::make_unique<TScanModeController>(
        &mFixture->subMenu(), &mFixture->controller(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    scan->mScanModeActive = pActive;
    return scan;
}

// The default probes come from the board's memory, as at start-up; without
// the thermocouple one its slot is empty.
std::unique_ptr<TProbeController> tst_ChannelController::probeController(bool pWithThermocoupleDefault)
{
    if (!pWithThermocoupleDefault)
        board().board().withState(
            [](TBoardState& pState) { pState.mProbeMemory.clearSlot(TProbeController::DEFAULT_PROBE_NR_TC); });
    // The records the board gives have the layout of the variant it names.
    if (!identifyBoardAs(board(), ZTM9900))
        qWarning("the simulated board was not identified");
    auto probes = std::make_unique<TProbeController>(&mFixture->subMenu(), &mFixture->controller(), &board().handler(),
                                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                     nullptr, nullptr, nullptr, nullptr, nullptr);
    probes->loadProbesFromDevice();
    return probes;
}

void tst_ChannelController::enterServiceLevel(int pLevel)
{
    TAuthorizationController& authorization = TAuthorizationController::instance();
    authorization.resetLevel();
    if (pLevel == 0)
        return;
    static bool levelAdded = false;
    if (!levelAdded) {
        authorization.addLevel(QCryptographicHash::hash("service", QCryptographicHash::Sha1).toHex());
        levelAdded = true;
    }
    QCOMPARE(authorization.enterLevel("service"), 1);
}

// --- channel table ---------------------------------------------------------------

void tst_ChannelController::switchBoxScan_data()
{
    QTest::addColumn<QList<int>>("portTypes");
    QTest::addColumn<QList<QByteArray>>("injectedReplies");
    QTest::addColumn<QList<int>>("boxChannels");
    QTest::addColumn<QList<int>>("boxTypes");
    QTest::addColumn<int>("portsAsked");

    QTest::newRow("no box fitted") << QList<int>{0, 0, 0, 0} << QList<QByteArray>() << QList<int>() << QList<int>()
                                   << 1;
    QTest::newRow("thermocouple box on port 1 is passed over, SWX6300 with 16 positions on port 2")
        << QList<int>{1, 4, 0, 0} << QList<QByteArray>() << range(32, 47) << QList<int>{4} << 3;
    QTest::newRow("an empty port 1 ends the scan before port 2")
        << QList<int>{0, 3, 0, 0} << QList<QByteArray>() << QList<int>() << QList<int>() << 1;
    QTest::newRow("a type query without a number ends the scan")
        << QList<int>{3, 3, 0, 0} << QList<QByteArray>{"E5"} << QList<int>() << QList<int>() << 1;
    QTest::newRow("SWX6100 on port 1, SWX6300 with 8 positions on port 2")
        << QList<int>{5, 3, 0, 0} << QList<QByteArray>() << (range(32, 39) + range(80, 99)) << QList<int>{5, 3} << 3;
    QTest::newRow("four boxes") << QList<int>{3, 4, 2, 5} << QList<QByteArray>()
                                << (range(16, 23) + range(32, 47) + range(200, 219)) << QList<int>{3, 4, 5} << 4;
}

void tst_ChannelController::switchBoxScan()
{
    QFETCH(QList<int>, portTypes);
    QFETCH(QList<QByteArray>, injectedReplies);
    QFETCH(QList<int>, boxChannels);
    QFETCH(QList<int>, boxTypes);
    QFETCH(int, portsAsked);

    for (int port = 1; port <= 4; ++port) {
        TSimulatedSwitchBox box;
        box.mType = EnSwitchBoxType(portTypes.at(port - 1));
        box.mSerialNumber = QStringLiteral("SB-%1").arg(port);
        box.mDate = QDate(2023, 6, port);
        board().board().fitSwitchBox(port, box);
    }
    for (const QByteArray& reply : injectedReplies)
        board().injectReply(reply);
    TChannelController& controller = build();

    QCOMPARE(countCommands(board(), "syst:swit:type?"), portsAsked);
    QList<int> expected = BOARD_CHANNELS + boxChannels;
    std::sort(expected.begin(), expected.end());
    QCOMPARE(channelNumbers(controller), expected);
    QVERIFY(!controller.channel(5));
    QVERIFY(!controller.channel(6));
    QCOMPARE(int(controller.tcExpansionPortChannel()->internalChannelNumber()), 6);
    QCOMPARE(controller.tcExpansionPortChannel()->channelCaption(), QStringLiteral("TC Expansion"));
    for (int index = 0; index < boxTypes.size(); ++index) {
        TAbstractSwitchBox* box = controller.switchBox(index);
        QVERIFY(box);
        QCOMPARE(int(box->switchBoxType()), boxTypes.at(index));
        QCOMPARE(box->serialNumber(), QStringLiteral("SB-%1").arg(box->switchBoxNumber()));
        QCOMPARE(box->manufacturingDate(), QDate(2023, 6, box->switchBoxNumber()));
    }
    QVERIFY(!controller.switchBox(boxTypes.size()));
}

void tst_ChannelController::identityTextListsTheSwitchBoxes()
{
    const QList<EnSwitchBoxType> types{sbtSWX6300_PRT8, sbtSWX6100_10};
    for (int port = 1; port <= types.size(); ++port) {
        TSimulatedSwitchBox box;
        box.mType = types.at(port - 1);
        box.mSerialNumber = QStringLiteral("SB-%1").arg(port);
        board().board().fitSwitchBox(port, box);
    }
    TChannelController& controller = build();
    TInstrumentInfo::instance()->initialize(&board().handler());

    const QString identity = TInstrumentInfo::instance()->identityText();
    QVERIFY(identity.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(TInstrumentInfo::instance()->instrumentInfoAsText(controller),
             identity + QStringLiteral("Scanner SWX6300 (8 channels): SB-1\r\n"
                                       "Scanner SWX6100 (10 channels): SB-2\r\n"));
    TInstrumentInfo::instance()->initialize(nullptr);
}

void tst_ChannelController::createdButtonsFollowTheBoardInputs()
{
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT8;
    board().board().fitSwitchBox(1, box);
    build();

    // The expansion port and the box positions sit between input 4 and the derived channels.
    QVBoxLayout* column = ui().verticalLayout_28;
    QCOMPARE(column->itemAt(3)->widget(), ui().BtnChanSel_4);
    QStringList captions;
    for (int index = 4; index < 4 + 9; ++index) {
        QWidget* button = column->itemAt(index)->widget();
        QVERIFY(button);
        captions << button->findChild<QLabel*>()->text();
    }
    QCOMPARE(captions, (QStringList{"TC Expansion", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8"}));
    QCOMPARE(column->itemAt(13)->widget(), ui().BtnChanSel_Reciprocal);
}

void tst_ChannelController::measuredChannelRestored_data()
{
    QTest::addColumn<int>("configured");
    QTest::addColumn<int>("operandX");
    QTest::addColumn<int>("operandY");
    QTest::addColumn<QList<QByteArray>>("injectedReplies");
    QTest::addColumn<int>("measured");
    QTest::addColumn<int>("expectedX");
    QTest::addColumn<int>("expectedY");
    QTest::addColumn<bool>("reconfigured");

    QTest::newRow("input 2 is kept") << 2 << 0 << 0 << QList<QByteArray>() << 2 << 0 << 0 << false;
    QTest::newRow("sum of 1 and 3 is kept with its operands")
        << 10 << 1 << 3 << QList<QByteArray>() << 10 << 1 << 3 << false;
    QTest::newRow("reciprocal of 2 is kept with its operand")
        << 9 << 2 << 0 << QList<QByteArray>() << 9 << 2 << 0 << false;
    QTest::newRow("sum with an operand no channel has falls back to input 1")
        << 10 << 7 << 3 << QList<QByteArray>() << 1 << 0 << 0 << true;
    QTest::newRow("quotient with a derived operand falls back to input 1")
        << 13 << 1 << 9 << QList<QByteArray>() << 1 << 0 << 0 << true;
    QTest::newRow("the expansion port falls back to input 1")
        << 6 << 0 << 0 << QList<QByteArray>() << 1 << 0 << 0 << true;
    QTest::newRow("an error reply falls back to input 1")
        << 2 << 0 << 0 << QList<QByteArray>{"0", "E5"} << 1 << 0 << 0 << true;
}

void tst_ChannelController::measuredChannelRestored()
{
    QFETCH(int, configured);
    QFETCH(int, operandX);
    QFETCH(int, operandY);
    QFETCH(QList<QByteArray>, injectedReplies);
    QFETCH(int, measured);
    QFETCH(int, expectedX);
    QFETCH(int, expectedY);
    QFETCH(bool, reconfigured);

    board().board().withState([&](TBoardState& pState) {
        pState.mMeasuredChannel = configured;
        pState.mOperands[configured] = {operandX, operandY};
    });
    for (const QByteArray& reply : injectedReplies)
        board().injectReply(reply);
    TChannelController& controller = build();

    QCOMPARE(int(controller.measuredChannel()->internalChannelNumber()), measured);
    QCOMPARE(board().commands().contains("conf:chan 01"), reconfigured);
    QCOMPARE(countCommands(board(), "conf:chan "), reconfigured ? 1 : 0);
    QCOMPARE(countCommands(board(), "conf:chan:func"), 0);
    auto number = [](const TPhysicalChannel* pChannel) { return pChannel ? pChannel->internalChannelNumber() : 0; };
    if (auto* unary = qobject_cast<TUnaryDerivedChannel*>(controller.measuredChannel()))
        QCOMPARE(number(unary->physicalChannel()), expectedX);
    if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(controller.measuredChannel())) {
        QCOMPARE(number(binary->physicalChannel_Operand1()), expectedX);
        QCOMPARE(number(binary->physicalChannel_Operand2()), expectedY);
    }
    QVERIFY(!controller.lastChannelChange().isValid());
}

// --- measuring cycle ---------------------------------------------------------------

void tst_ChannelController::pollsEveryReadInterval()
{
    board().board().setTemperature(1, 42.5);
    TChannelController& controller = build(40);
    QStringList log;
    TLoggingListener listener("scan", log);
    controller.addListener(&listener);
    TAbstractChannel* channel1 = controller.channel(1);
    QSignalSpy values(channel1, &TAbstractChannel::valuesChanged);

    controller.setReadingActive(true);
    QVERIFY(controller.isReadingActive());
    // One reading at once, then one per interval.
    QCOMPARE(values.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(values.count() >= 5, 5000);
    controller.setReadingActive(false);
    QVERIFY(!controller.isReadingActive());

    TElectricalTemperatureValue temperature;
    TElectricalTemperatureValue electrical;
    channel1->currentValueNumeric(temperature, electrical);
    QVERIFY(qAbs(temperature.value() - 42.5) < 1e-6);
    // A Pt100 at 42.5 degrees Celsius after EN 60751: R0 (1 + A t + B t^2).
    const double expectedOhm = 100.0 * (1.0 + 3.9083e-3 * 42.5 - 5.775e-7 * 42.5 * 42.5);
    QVERIFY(qAbs(electrical.value() - expectedOhm) < 1e-4);
    QVERIFY(log.contains("scan read 1"));
    QVERIFY(log.contains("scan polled 40"));

    const int polls = countCommands(board(), "meas:curr?");
    QSignalSpy more(channel1, &TAbstractChannel::valuesChanged);
    QVERIFY(!more.wait(200));
    QCOMPARE(countCommands(board(), "meas:curr?"), polls);
}

void tst_ChannelController::startingWhileReadingTakesNoExtraReading()
{
    TChannelController& controller = build(60000);
    controller.setReadingActive(true);
    QCOMPARE(countCommands(board(), "meas:curr?"), 1);
    controller.setReadingActive(true);
    QCOMPARE(countCommands(board(), "meas:curr?"), 1);
}

void tst_ChannelController::boardErrors_data()
{
    // What happened between channel 1's first reading and the poll: nothing, a switch to channel 2
    // and back, a switch to channel 2 the board left unanswered, a poll whose reading the board left
    // unanswered or answered with its error 5 as long ago as the link waits for an answer (with a
    // reading after it or not), or one more poll answered by the reply given here. An empty reply:
    // the board leaves the poll's first command unanswered.
    QTest::addColumn<QString>("between");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("valuesChanged");
    QTest::addColumn<int>("noValues");
    QTest::addColumn<bool>("smartProbeKept");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("a reading") << QString() << QByteArray("110.5,26.5,0,1") << true << 1 << 0 << false
                               << QStringList{"read 1", "polled 500"};
    QTest::newRow("E14 repeats the last reading")
        << QString() << QByteArray("E14") << false << 1 << 0 << true << QStringList{"read 1", "polled 500"};
    QTest::newRow("E14 right after a channel switch repeats nothing, no values")
        << "switch" << QByteArray("E14") << false << 0 << 1 << true << QStringList{"polled 500"};
    QTest::newRow("E14 after reading was paused repeats nothing, no values")
        << "pause" << QByteArray("E14") << false << 0 << 1 << true << QStringList{"polled 500"};
    QTest::newRow("a second E14 in a row repeats no older reading, no values")
        << "E14" << QByteArray("E14") << false << 0 << 1 << true << QStringList{"polled 500"};
    QTest::newRow("E1 drops the SMART probe, no values")
        << QString() << QByteArray("E1") << false << 0 << 1 << false << QStringList{"polled 500"};
    QTest::newRow("another error skips the reading")
        << QString() << QByteArray("E5") << false << 0 << 0 << true << QStringList{"polled 500"};
    QTest::newRow("a reply that does not parse skips the reading")
        << QString() << QByteArray("110.5,26.5") << false << 0 << 0 << true << QStringList{"polled 500"};
    // The board may measure channel 2: channel 1's last value is not shown as its present one.
    QTest::newRow("its selection again unanswered too, no values")
        << "unanswered switch" << QByteArray() << false << 0 << 1 << true << QStringList{"polled 500"};
    // Each poll selects the channel again after the lost one, and the board takes it: the value on show is old.
    QTest::newRow("readings keep failing, the selection answered, no values")
        << "unanswered reading" << QByteArray("E3") << false << 0 << 1 << true << QStringList{"polled 500"};
    // An error the board names, not a reply that does not parse: the value on show is old all the same.
    QTest::newRow("readings keep failing with a board error, no values")
        << "reading answered E5" << QByteArray("E5") << false << 0 << 1 << true << QStringList{"polled 500"};
    // Not read since it was chosen: the value on show is from before the choice.
    QTest::newRow("E3 right after a channel switch, no values")
        << "switch" << QByteArray("E3") << false << 0 << 1 << true << QStringList{"polled 500"};
    QTest::newRow("E3 after reading was paused, no values")
        << "pause" << QByteArray("E3") << false << 0 << 1 << true << QStringList{"polled 500"};
    QTest::newRow("unanswered right after a channel switch, no values")
        << "switch" << QByteArray() << false << 0 << 1 << true << QStringList{"polled 500"};
    QTest::newRow("a reading since the failures began skips the reading")
        << "unanswered reading, then a reading" << QByteArray("E3") << false << 0 << 0 << true
        << QStringList{"polled 500"};
}

void tst_ChannelController::boardErrors()
{
    QFETCH(QString, between);
    QFETCH(QByteArray, reply);
    QFETCH(bool, read);
    QFETCH(int, valuesChanged);
    QFETCH(int, noValues);
    QFETCH(bool, smartProbeKept);
    QFETCH(QStringList, told);

    board().board().setTemperature(1, 20.0);
    TChannelController& controller = build();
    qint64 now = 0;
    controller.setMonotonicClock([&now] { return now; });
    auto* channel1 = qobject_cast<TPRTChannel*>(controller.channel(1));
    channel1->startRecordingGraphValues();
    QVERIFY(controller.readMeasuredChannel());
    if (between.startsWith("unanswered reading") || between == "reading answered E5") {
        if (between == "reading answered E5")
            board().injectReply("E5");
        else
            leaveUnansweredOnce(board(), "meas:curr?");
        QVERIFY(!controller.readMeasuredChannel());
        now += TIntCommController::TIMEOUT;
        if (between.endsWith("then a reading"))
            QVERIFY(controller.readMeasuredChannel());
    } else if (between == "switch") {
        QVERIFY(controller.measureChannel(controller.channel(2)));
        QVERIFY(controller.readMeasuredChannel());
        QVERIFY(controller.measureChannel(channel1));
    } else if (between == "unanswered switch") {
        board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 1; });
        QVERIFY(!controller.measureChannel(controller.channel(2)));
        QCOMPARE(controller.measuredChannel(), channel1);
    } else if (between == "pause") {
        controller.setReadingActive(true);
        controller.setReadingActive(false);
    } else if (!between.isEmpty()) {
        board().injectReply(between.toLatin1());
        controller.readMeasuredChannel();
    }
    const int graphBefore = channel1->graphValues(Electrical_temperature_units::uCelsius).size();
    // The SMART probe the board reports as enabled, so a status 1 reading
    // is the only reading that removes it.
    auto smart = TestProbes::smart();
    TSmartProbePRT* held = smart.get();
    channel1->setAndOwnSmartProbe(std::move(smart));
    if (reply.isEmpty())
        board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 1; });
    else
        board().injectReply(reply);

    QStringList log;
    TLoggingListener listener("", log);
    controller.addListener(&listener);
    QSignalSpy values(channel1, &TAbstractChannel::valuesChanged);
    QSignalSpy noValuesSpy(channel1, &TAbstractChannel::noValuesAvailable);
    QCOMPARE(controller.readMeasuredChannel(), read);

    QCOMPARE(values.count(), valuesChanged);
    QCOMPARE(noValuesSpy.count(), noValues);
    QCOMPARE(channel1->smartProbe() == held, smartProbeKept);
    for (QString& line : log)
        line = line.trimmed();
    QCOMPARE(log, told);
    const QVector<QPointF> graph = channel1->graphValues(Electrical_temperature_units::uCelsius);
    QCOMPARE(graph.size(), graphBefore + valuesChanged);
    if (reply == "E14")
        QCOMPARE(graph.last().y(), graph.first().y());
}

void tst_ChannelController::screenHasItsTurnAfterAnUnansweredExchange_data()
{
    // What went on before the timer's tick: a poll (by a tick, or by starting reading) the board answered, as
    // late as given, or left unanswered; a channel chosen (with the channel button, say) or a scan's turn inside
    // a poll whose selection it left unanswered; a poll that met the board restarting. Then how long after that
    // the tick comes, whether it polls, and whether a tick it passed over is made good as the screen's turn
    // ends: only one somebody else's exchange took from the cycle. The tick an interval after it always polls.
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<int>("tickAfterMs");
    QTest::addColumn<bool>("tickPolls");
    QTest::addColumn<bool>("madeGood");

    const int turn = TInternalSCPIHandler::SCREEN_TURN_MILLISECONDS;
    QTest::newRow("an answered poll") << "poll" << 0 << 0 << true << false;
    QTest::newRow("an answered poll that outlasted the interval, the overdue tick")
        << "poll" << 700 << 0 << true << false;
    QTest::newRow("an unanswered poll, the overdue tick") << "unanswered poll" << 0 << 0 << false << false;
    QTest::newRow("an unanswered poll, a tick once the screen has had its turn")
        << "unanswered poll" << 0 << turn << true << false;
    QTest::newRow("starting reading with an unanswered poll, the first tick an interval later")
        << "unanswered start" << 0 << 500 << true << false;
    QTest::newRow("a channel chosen, its selection unanswered") << "unanswered choice" << 0 << 0 << false << true;
    QTest::newRow("a channel chosen, its selection unanswered, a tick once the screen has had its turn")
        << "unanswered choice" << 0 << turn << true << false;
    QTest::newRow("a scan's turn in a poll, its selection unanswered") << "unanswered turn" << 0 << 0 << false << false;
    QTest::newRow("a poll that met the board restarting") << "restart" << 0 << 0 << false << false;
}

void tst_ChannelController::screenHasItsTurnAfterAnUnansweredExchange()
{
    QFETCH(QString, before);
    QFETCH(int, lateMs);
    QFETCH(int, tickAfterMs);
    QFETCH(bool, tickPolls);
    QFETCH(bool, madeGood);

    TChannelController& controller = build();
    // Each exchange that waited out the link's time-out moves the clock on by it, each answered poll by its
    // lateness, and the row by the time until the tick.
    qint64 later = 0;
    controller.setMonotonicClock([this, &later, lateMs] {
        return qint64(board().link().interruptions()) * TIntCommController::TIMEOUT +
               qint64(lateMs) * countCommands(board(), "meas:curr?") + later;
    });
    QStringList log;
    TLoggingListener scan("scan", log);
    bool turnDue = false;
    scan.mOnRead = [&] {
        if (!turnDue)
            return;
        turnDue = false;
        leaveUnansweredOnce(board(), "conf:chan");
        controller.measureShownChannel(controller.channel(3));
    };
    controller.addListener(&scan);
    if (before != "unanswered start")
        controller.setReadingActive(true);
    if (before == "unanswered poll" || before == "unanswered start")
        leaveUnansweredOnce(board(), "meas:curr?");
    if (before == "unanswered choice")
        leaveUnansweredOnce(board(), "conf:chan");
    if (before == "restart")
        board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mRestartCommands = 1; });
    turnDue = before == "unanswered turn";
    if (before == "unanswered start")
        controller.setReadingActive(true);
    else if (before == "unanswered choice")
        QVERIFY(!controller.measureChannel(controller.channel(3)));
    else
        controller.onChannelReadTimer();
    QVERIFY(!turnDue);

    later += tickAfterMs;
    int polls = countCommands(board(), "meas:curr?");
    controller.onChannelReadTimer();
    QCOMPARE(countCommands(board(), "meas:curr?"), polls + (tickPolls ? 1 : 0));
    QCOMPARE(controller.isTickOwed(), madeGood);
    QSignalSpy settled(&controller, &TChannelController::owedTickSettled);
    if (madeGood) {
        // Its timer's moment is the end of the turn: earlier, as a coarse timer may come, it waits on.
        QVERIFY(controller.mOwedTick.isActive());
        later += TInternalSCPIHandler::SCREEN_TURN_MILLISECONDS - 1;
        controller.makeGoodOwedTick();
        QCOMPARE(countCommands(board(), "meas:curr?"), polls);
        QVERIFY(controller.mOwedTick.isActive());
        later += 1;
        controller.makeGoodOwedTick();
        QCOMPARE(countCommands(board(), "meas:curr?"), ++polls);
        QVERIFY(!controller.isTickOwed());
    }
    QCOMPARE(settled.count(), madeGood ? 1 : 0);
    // One tick only: the screen has had its interval.
    later += 500;
    controller.onChannelReadTimer();
    QCOMPARE(countCommands(board(), "meas:curr?"), polls + (tickPolls ? 2 : 1));
    controller.removeListener(&scan);
    controller.setReadingActive(false);
    QCOMPARE(settled.count(), madeGood ? 1 : 0);
}

void tst_ChannelController::listenersToldLastRegisteredFirst()
{
    TChannelController& controller = build();
    QStringList log;
    TLoggingListener first("first", log);
    TLoggingListener second("second", log);
    TLoggingListener third("third", log);
    controller.addListener(&first);
    controller.addListener(&second);
    controller.addListener(&third);
    controller.addListener(&first);

    controller.readMeasuredChannel();
    controller.channelTypeChanged(controller.channel(2));
    QCOMPARE(log, (QStringList{"third read 1", "second read 1", "first read 1", "third polled 500", "second polled 500",
                               "first polled 500", "third type 2", "second type 2", "first type 2"}));

    log.clear();
    controller.removeListener(&second);
    controller.removeListener(&second);
    controller.readMeasuredChannel();
    QCOMPARE(log, (QStringList{"third read 1", "first read 1", "third polled 500", "first polled 500"}));
}

void tst_ChannelController::listenerAddedDuringANotificationWaits()
{
    TChannelController& controller = build();
    QStringList log;
    TLoggingListener early("early", log);
    TLoggingListener late("late", log);
    controller.addListener(&early);
    early.mOnRead = [&]() {
        controller.addListener(&late);
        controller.removeListener(&early);
    };

    controller.readMeasuredChannel();
    QCOMPARE(log, (QStringList{"early read 1", "late polled 500"}));
}

void tst_ChannelController::pollInsideAPollDoesNothing()
{
    TChannelController& controller = build(20);
    QStringList log;
    TLoggingListener listener("", log);
    controller.addListener(&listener);
    int nestedPolls = -1;
    bool nestedResult = true;
    bool armed = false;
    bool entered = false;
    listener.mOnRead = [&]() {
        if (!armed || entered)
            return;
        entered = true;
        // A listener that runs the event loop for many read intervals, as a
        // modal dialog would; the read timer fires meanwhile.
        const int before = countCommands(board(), "meas:curr?");
        nestedResult = controller.readMeasuredChannel();
        QEventLoop loop;
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
        nestedPolls = countCommands(board(), "meas:curr?") - before;
    };

    controller.setReadingActive(true);
    armed = true;
    QTRY_VERIFY(nestedPolls >= 0);
    QCOMPARE(nestedPolls, 0);
    QVERIFY(!nestedResult);
    // Polling goes on once the poll is over.
    const int polls = countCommands(board(), "meas:curr?");
    QTRY_VERIFY(countCommands(board(), "meas:curr?") > polls + 2);
    controller.setReadingActive(false);
    QCOMPARE(log.count(" polled 20"), log.count(" read 1"));
}

void tst_ChannelController::probeAlarmOncePerExcursion_data()
{
    // One a step: a reading of input 1 ("2:" before it for input 2) at this temperature in degrees
    // Celsius, "/2" after it when the board also calls it over range, "open" for an open circuit (no
    // value); "OK", the user closes the cautions open, "OK top" the one on top only; "hold" and
    // "release", a remote command begins and ends; input 1's probe "gone", deleted, "new", made anew
    // under its number and name (as production's commands do), "other", another probe given its number;
    // "restart", a new controller takes the probes. The probes are good from -200.5 to 450.
    QTest::addColumn<QStringList>("steps");
    // Cautions come up so far, after each step.
    QTest::addColumn<QList<int>>("shown");
    // Under a calibration run each caution is a window of its own, and the call returns at once.
    QTest::addColumn<bool>("run");

    QTest::newRow("each caution closed at once")
        << QStringList{"23", "460", "OK", "470", "460", "440", "455", "OK", "20", "-210", "OK", "20", "30/2", "OK"}
        << QList<int>{0, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4} << false;
    // A scan or a download holds the warnings for as long as it runs, and the polls go on.
    QTest::newRow("crossings while a remote command holds the warnings")
        << QStringList{"hold", "460", "440", "460", "440", "460", "release", "OK", "20"}
        << QList<int>{0, 0, 0, 0, 0, 0, 1, 1, 1} << false;
    QTest::newRow("a probe deleted while its caution waits")
        << QStringList{"hold", "460", "440", "460", "gone", "release", "new", "460", "OK"}
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 1, 1} << false;
    QTest::newRow("the controller gone while a caution waits")
        << QStringList{"hold", "460", "440", "460", "restart", "release", "440", "460", "OK"}
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 1, 1} << false;
    QTest::newRow("a noisy reading crossing the limit under the caution")
        << QStringList{"460", "440", "455", "449", "451", "OK", "440", "460", "OK"}
        << QList<int>{1, 1, 1, 1, 1, 1, 1, 2, 2} << false;
    QTest::newRow("a loose wire beyond the range")
        << QStringList{"460", "open", "460", "open", "460", "OK", "460", "open", "460", "OK"}
        << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 2, 2} << false;
    QTest::newRow("another probe under the caution")
        << QStringList{"460", "2:460", "440", "460", "OK"} << QList<int>{1, 2, 2, 2, 2} << false;
    QTest::newRow("closing the top one of two probes' stacked cautions")
        << QStringList{"460", "2:460", "OK top", "440", "460", "2:440", "2:460", "OK"}
        << QList<int>{1, 2, 2, 2, 2, 2, 3, 3} << false;
    QTest::newRow("a probe made anew under its caution")
        << QStringList{"460", "new", "460", "new", "460", "OK", "new", "460", "OK"}
        << QList<int>{1, 1, 1, 1, 1, 1, 1, 2, 2} << false;
    QTest::newRow("another probe under the number of one whose caution is open")
        << QStringList{"460", "other", "460", "OK"} << QList<int>{1, 1, 2, 2} << false;
    QTest::newRow("a run, a reading crossing the limit under the caution")
        << QStringList{"460", "440", "460", "open", "460", "2:460", "OK", "440", "460", "OK"}
        << QList<int>{1, 1, 1, 1, 1, 2, 2, 2, 3, 3} << true;
}

// Polls go on while a caution is open, with its event loop or under a run.
// Each crossing of a limit is an excursion of its own, but a caution for each
// would pile up without end: while a probe's caution is open it stands for
// every later excursion of that probe, with the buzzer sounding on. The buzzer
// stops with the last caution closed, and not before.
void tst_ChannelController::probeAlarmOncePerExcursion()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, shown);
    QFETCH(bool, run);

    const char* const buzzerFile = "/sys/class/gpio/gpio7/value";
    TAMARIND_WRITE_DEVICE_FILE(buzzerFile, "0");
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.initialize(buzzerFile);
    buzzer.setAlarmsActive(true);
    TShownMessages messages;
    TWarningGate& gate = TWarningGate::instance();

    TChannelController* controller = &build();
    std::unique_ptr<TPRTProbe> probe = TestProbes::prt();
    std::unique_ptr<TPRTProbe> secondProbe = TestProbes::prt(8, "PT100-B");
    const auto input = [&controller](int pNumber) {
        return qobject_cast<TPhysicalChannel*>(controller->channel(pNumber));
    };
    const auto assign = [&] {
        input(1)->assignProbe(probe.get());
        input(2)->assignProbe(secondProbe.get());
    };
    assign();
    int holds = 0;
    const auto unassign = qScopeGuard([&] {
        for (; holds > 0; --holds)
            gate.release();
        input(1)->useProbe(nullptr);
        input(2)->useProbe(nullptr);
    });
    std::unique_ptr<TWarningGate::TRun> runMark;
    if (run)
        runMark = std::make_unique<TWarningGate::TRun>();

    // Steps from a timer, so that they also go on inside a caution's event
    // loop; once done, it closes whatever is open until nothing is.
    QList<int> shownAfter;
    QStringList failures;
    int step = 0;
    QTimer stepper;
    connect(&stepper, &QTimer::timeout, this, [&] {
        if (step > 0 && shownAfter.size() < step)
            shownAfter << messages.texts().size();
        const bool open = TMessageRecorder::openMessages() > 0;
        const QByteArray sounding = TTestEnvironment::readDeviceFile(buzzerFile);
        if (open && sounding != "1")
            failures << QStringLiteral("buzzer silent under a caution before step %1").arg(step);
        // Held back, a caution is still to come, with the buzzer sounding meanwhile.
        if (!open && !gate.isHeld() && sounding != "0")
            failures << QStringLiteral("buzzer sounding with no caution open before step %1").arg(step);
        if (step == steps.size()) {
            if (!open)
                stepper.stop();
            TMessageRecorder::closeAll();
            return;
        }
        QString reading = steps.at(step++);
        if (reading == "OK") {
            TMessageRecorder::closeAll();
            return;
        }
        if (reading == "OK top") {
            auto* top = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
            if (top)
                top->findChild<QAbstractButton*>(QStringLiteral("BtnOK"))->click();
            else
                failures << QStringLiteral("no caution on top at step %1").arg(step);
            return;
        }
        if (reading == "hold") {
            ++holds;
            gate.hold();
            return;
        }
        if (reading == "release") {
            --holds;
            gate.release();
            return;
        }
        if (reading == "gone") {
            input(1)->useProbe(nullptr);
            probe.reset();
            return;
        }
        if (reading == "new" || reading == "other") {
            std::unique_ptr<TPRTProbe> made = reading == "new" ? TestProbes::prt() : TestProbes::prt(7, "PT100-C");
            input(1)->assignProbe(made.get());
            probe = std::move(made);
            return;
        }
        if (reading == "restart") {
            controller = &build();
            assign();
            return;
        }
        const int number = reading.startsWith("2:") ? 2 : 1;
        if (number == 2)
            reading = reading.mid(2);
        const bool overRange = reading.endsWith("/2");
        const double temperature = reading.remove("/2").toDouble();
        board().board().withState([&](TBoardState& pState) { pState.setOpen(number, reading == "open"); });
        board().board().setTemperature(number, temperature);
        if (overRange)
            board().injectReply("110.5," + reading.toLatin1() + ",2,1");
        if (!controller->measureChannel(input(number)) || !controller->readMeasuredChannel())
            failures << "no reading at step " + reading;
    });
    stepper.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(!stepper.isActive(), 30000);

    QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
    QCOMPARE(shownAfter, shown);
    QCOMPARE(messages.texts().first(),
             QStringLiteral("CAUTION! Probe PT100-A is operating outside the defined temperature range!"));
    QCOMPARE(TTestEnvironment::readDeviceFile(buzzerFile), QByteArray("0"));
}

void tst_ChannelController::measureChannel_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("operandX");
    QTest::addColumn<int>("operandY");
    QTest::addColumn<bool>("linkFails");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("channelChangeNoted");
    // A calibration routine holds the board, measuring with input 1.
    QTest::addColumn<bool>("routine");
    // The caller shows the channel whatever the board answers (measureShownChannel): a command sent
    // makes it the measured channel, to be selected again before the next reading.
    QTest::addColumn<bool>("shown");

    QTest::newRow("input 2") << 2 << 0 << 0 << false << true << QByteArray("conf:chan 02") << true << false << false;
    QTest::newRow("a switch-box position")
        << 17 << 0 << 0 << false << true << QByteArray("conf:chan 17") << true << false << false;
    QTest::newRow("reciprocal of 2") << 9 << 2 << 0 << false << true << QByteArray("conf:chan:func 9,@2") << false
                                     << false << false;
    QTest::newRow("difference of 3 and 1")
        << 11 << 3 << 1 << false << true << QByteArray("conf:chan:func 11,@3,@1") << false << false << false;
    QTest::newRow("sum with one operand") << 10 << 1 << 0 << false << false << QByteArray() << false << false << false;
    QTest::newRow("reciprocal without operand")
        << 9 << 0 << 0 << false << false << QByteArray() << false << false << false;
    QTest::newRow("no channel") << 0 << 0 << 0 << false << false << QByteArray() << false << false << false;
    QTest::newRow("a board that does not answer")
        << 2 << 0 << 0 << true << false << QByteArray("conf:chan 02") << false << false << false;
    QTest::newRow("difference of 3 and 1 shown, a board that does not answer")
        << 11 << 3 << 1 << true << false << QByteArray("conf:chan:func 11,@3,@1") << false << false << true;
    // Whoever asks: scan mode, a view, a calibration item, a client.
    QTest::newRow("input 2 under a routine") << 2 << 0 << 0 << false << false << QByteArray() << false << true << false;
}

void tst_ChannelController::measureChannel()
{
    QFETCH(int, channel);
    QFETCH(int, operandX);
    QFETCH(int, operandY);
    QFETCH(bool, linkFails);
    QFETCH(bool, result);
    QFETCH(QByteArray, sent);
    QFETCH(bool, channelChangeNoted);
    QFETCH(bool, routine);
    QFETCH(bool, shown);

    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT8;
    board().board().fitSwitchBox(1, box);
    TChannelController& controller = build();
    TAbstractChannel* target = controller.channel(channel);
    if (auto* unary = qobject_cast<TUnaryDerivedChannel*>(target))
        unary->setPhysicalChannel(controller.physical_channel(operandX));
    if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(target)) {
        binary->setPhysicalChannel_Operand1(controller.physical_channel(operandX));
        binary->setPhysicalChannel_Operand2(controller.physical_channel(operandY));
    }
    TAbstractChannel* before = controller.measuredChannel();
    board().board().clearRecord();
    if (linkFails)
        board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    std::unique_ptr<TRoutineChannelHold> hold;
    if (routine)
        hold =
            std::make_unique<TRoutineChannelHold>(controller, zelk::vector<TAbstractChannel*>{controller.channel(1)});

    QCOMPARE(shown ? controller.measureShownChannel(target) : controller.measureChannel(target), result);
    board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    QCOMPARE(controller.measuredChannel(), result || shown ? target : before);
    if (sent.isEmpty()) {
        QVERIFY(board().commands().isEmpty());
    } else {
        QVERIFY2(!board().commands().isEmpty(), "the board received no command");
        QCOMPARE(board().commands().first(), sent);
    }
    QCOMPARE(controller.lastChannelChange().isValid(), channelChangeNoted);
}

void tst_ChannelController::readingsStayWithTheirChannelAfterALinkFault_data()
{
    QTest::addColumn<int>("channel");
    // Between two polls: nothing, a restart of the board (which then measures its input 1 again), or a fault
    // that makes one poll's exchange fail; or a restart right after the board answered a poll, which the link
    // sees only as the hang-up at its ACK.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<QByteArray>>("nextPoll");
    QTest::addColumn<double>("temperature");

    const QList<QByteArray> steady{"meas:curr?"};
    const QList<QByteArray> input2Again{"conf:chan 02", "meas:curr?"};
    QTest::newRow("steady polls stay one command each") << 2 << QString() << steady << 42.59;
    QTest::newRow("board restarted") << 2 << "restart" << input2Again << 42.59;
    QTest::newRow("sum channel, board restarted")
        << 10 << "restart" << QList<QByteArray>{"conf:chan:func 10,@1,@2", "meas:curr?"} << 22.59 + 42.59;
    QTest::newRow("board restarts right after answering") << 2 << "restartafter" << input2Again << 42.59;
    QTest::newRow("poll NAKed until given up") << 2 << "nak" << input2Again << 42.59;
    QTest::newRow("poll not answered") << 2 << "silence" << input2Again << 42.59;
    QTest::newRow("reply corrupted until given up") << 2 << "badcrc" << input2Again << 42.59;
}

// A board that restarted measures its input 1, one that missed a command may
// measure anything: after a failed exchange or a hang-up the measured channel
// is selected again before the next reading is taken, and only then.
void tst_ChannelController::readingsStayWithTheirChannelAfterALinkFault()
{
    QFETCH(int, channel);
    QFETCH(QString, fault);
    QFETCH(QList<QByteArray>, nextPoll);
    QFETCH(double, temperature);

    board().board().setTemperature(1, 22.59);
    board().board().setTemperature(2, 42.59);
    TChannelController& controller = build();
    TAbstractChannel* measured = controller.channel(channel);
    if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(measured)) {
        binary->setPhysicalChannel_Operand1(controller.physical_channel(1));
        binary->setPhysicalChannel_Operand2(controller.physical_channel(2));
    }
    QVERIFY(controller.measureChannel(measured));
    QVERIFY(controller.readMeasuredChannel());

    if (fault == "restart")
        board().board().restart();
    board().board().withFaults([&](TBoardFaults& pFaults) {
        if (fault == "restartafter")
            pFaults.mRestartAfterReplies = 1;
        else if (fault == "nak")
            pFaults.mNakCommands = TIntCommController::RETRIES;
        else if (fault == "silence")
            pFaults.mSilentCommands = 1;
        else if (fault == "badcrc")
            pFaults.mBadReplyCrc = TIntCommController::RETRIES;
    });
    // The answered poll still has the value of the channel measured.
    if (!fault.isEmpty())
        QCOMPARE(controller.readMeasuredChannel(), fault == "restartafter");
    // The link NAKs the last corrupted reply too, and the board resends it: that resend has to be in before
    // the next command clears the input, or a loaded machine delivers it as that command's answer.
    if (fault == "badcrc")
        QTRY_COMPARE(board().board().hostNaks(), TIntCommController::RETRIES);
    board().board().clearRecord();

    QVERIFY(controller.readMeasuredChannel());
    TElectricalTemperatureValue value;
    TElectricalTemperatureValue electrical;
    measured->currentValueNumeric(value, electrical);
    QVERIFY2(qAbs(value.value() - temperature) < 1e-6, qPrintable(QString::number(value.value())));
    QCOMPARE(board().commands(), nextPoll);
    QCOMPARE(controller.measuredChannel(), measured);
}

void tst_ChannelController::systemTimeChangeStopsReading()
{
    TChannelController& controller = build();
    controller.setReadingActive(true);
    emit TTamarindClock::instance().beforeChangeSystemTime();
    QVERIFY(!controller.isReadingActive());
}

// --- SMART probes ---------------------------------------------------------------------

void tst_ChannelController::plugSmartProbe(int pChannel, bool pEnabled, const QString& pName)
{
    board().board().withState([&](TBoardState& pState) {
        TSimulatedSmartProbe probe = TSimulatedSmartProbe::callendarVanDusenPt100();
        probe.mEnabled = pEnabled;
        probe.mName = pName;
        pState.mSmartProbes.plug(pChannel, probe);
    });
}

void tst_ChannelController::smartProbeKeptInStep_data()
{
    QTest::addColumn<int>("channel");
    // Board: 0 no SMART probe, 1 an enabled one, 2 a disabled one; held likewise.
    QTest::addColumn<int>("onBoard");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QString>("heldAfter");
    // The probe read has a calibration due in January 2025; the one held is due in 2099.
    QTest::addColumn<bool>("calibrationWarning");

    QTest::newRow("status 1 drops the probe held") << 1 << 0 << 1 << 1 << 0 << "" << false;
    QTest::newRow("status 3 reads the probe anew") << 1 << 1 << 1 << 3 << 1 << "SPRT100-4711" << true;
    QTest::newRow("status 3 with an unreadable probe leaves none") << 1 << 0 << 1 << 3 << 1 << "" << false;
    QTest::newRow("status 2 with the enabled probe held") << 1 << 1 << 1 << 2 << 0 << "HELD" << false;
    QTest::newRow("status 2 with a disabled probe held reads it") << 1 << 1 << 2 << 2 << 1 << "SPRT100-4711" << true;
    QTest::newRow("status 2 without a probe held reads it") << 2 << 1 << 0 << 2 << 1 << "SPRT100-4711" << true;
    QTest::newRow("status 0 with the disabled probe held") << 1 << 2 << 2 << 0 << 0 << "HELD" << false;
    QTest::newRow("status 0 with an enabled probe held reads it") << 1 << 2 << 1 << 0 << 1 << "SPRT100-4711" << true;
    QTest::newRow("an unknown status counts as 0") << 1 << 2 << 1 << 7 << 1 << "SPRT100-4711" << true;
    QTest::newRow("status 3 on a thermocouple input") << 3 << 0 << 0 << 3 << 0 << "" << false;
}

void tst_ChannelController::smartProbeKeptInStep()
{
    QFETCH(int, channel);
    QFETCH(int, onBoard);
    QFETCH(int, held);
    QFETCH(int, status);
    QFETCH(int, reads);
    QFETCH(QString, heldAfter);
    QFETCH(bool, calibrationWarning);

    TMessageRecorder messages;
    if (onBoard)
        plugSmartProbe(channel, onBoard == 1);
    board().board().withState([&](TBoardState& pState) { pState.mMeasuredChannel = channel; });
    TChannelController& controller = build();
    controller.setCalendar([]() { return QDate(2026, 3, 1); });
    auto* prtChannel = qobject_cast<TPRTChannel*>(controller.channel(channel));
    if (held)
        prtChannel->setAndOwnSmartProbe(heldSmartProbe(held == 1, prtChannel));
    board().injectReply(QByteArray("110.5,26.5,0,") + QByteArray::number(status));

    QVERIFY(controller.readMeasuredChannel());
    QCOMPARE(countCommands(board(), "sens:frtd:iden?"), reads);
    QCoreApplication::processEvents();
    QCOMPARE(messages.count(), calibrationWarning ? 1 : 0);
    if (!prtChannel)
        return;
    QCOMPARE(heldName(prtChannel), heldAfter);
    if (prtChannel->smartProbe()) {
        QCOMPARE(prtChannel->smartProbe()->connectedChannel(), prtChannel);
        if (reads)
            QCOMPARE(prtChannel->smartProbe()->isEnabled(), onBoard == 1);
    }
}

void tst_ChannelController::dueCalibrationAnnouncedOncePerProbe()
{
    // The simulated probe's calibration was due in January 2025.
    plugSmartProbe(1, true);
    TChannelController& controller = build(20);
    auto* channel1 = qobject_cast<TPRTChannel*>(controller.channel(1));
    // The board reports the probe as changed at every poll, so every poll
    // reads it anew and replaces the object the channel holds.
    QStringList log;
    TLoggingListener listener("", log);
    listener.mOnRead = [&]() {
        board().board().withState([](TBoardState& pState) { pState.mSmartProbes.markChanged(1); });
    };
    controller.addListener(&listener);
    int pollsWhileOpen = 0;
    // A replaced probe is deleted; its successor may take its address, so the pointer alone cannot tell.
    QPointer<TSmartProbePRT> probeAtOpen;
    bool replacedWhileOpen = false;
    TMessageRecorder messages([&]() {
        // Warnings that open inside one another would keep the first one
        // from ever returning while polls go on.
        if (messages.count() > 1) {
            controller.setReadingActive(false);
            return;
        }
        const int before = countCommands(board(), "meas:curr?");
        probeAtOpen = channel1->smartProbe();
        QTRY_VERIFY(countCommands(board(), "meas:curr?") >= before + 3);
        pollsWhileOpen = countCommands(board(), "meas:curr?") - before;
        replacedWhileOpen = probeAtOpen.isNull() && channel1->smartProbe();
    });

    controller.setReadingActive(true);
    QTRY_COMPARE(messages.count(), 1);
    // Measuring went on while the warning was open, and the probe it named was replaced meanwhile.
    QVERIFY(pollsWhileOpen >= 3);
    QVERIFY(replacedWhileOpen);
    QVERIFY(messages.texts().first().startsWith("WARNING: calibration of probe SPRT100-4711 was due on "));
    const int polls = countCommands(board(), "meas:curr?");
    QTRY_VERIFY(countCommands(board(), "meas:curr?") > polls + 5);
    QCOMPARE(messages.count(), 1);

    // Another probe is announced on its own.
    plugSmartProbe(1, true, "SPRT100-4712");
    QTRY_COMPARE(messages.count(), 2);
    QVERIFY(messages.texts().last().startsWith("WARNING: calibration of probe SPRT100-4712 was due on "));
    controller.setReadingActive(false);
}

// A probe read while its calibration was not yet due is warned about once it is read again after the date.
void tst_ChannelController::calibrationDueLaterIsStillAnnounced()
{
    plugSmartProbe(1, true);
    TChannelController& controller = build();
    // The simulated probe's next calibration is on 15 January 2025.
    QDate today(2025, 1, 15);
    controller.setCalendar([&today]() { return today; });
    TMessageRecorder messages;

    QVERIFY(controller.readMeasuredChannel());
    QCoreApplication::processEvents();
    QCOMPARE(messages.count(), 0);

    today = QDate(2025, 1, 16);
    board().board().withState([](TBoardState& pState) { pState.mSmartProbes.markChanged(1); });
    QVERIFY(controller.readMeasuredChannel());
    QCoreApplication::processEvents();
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.texts().first().startsWith("WARNING: calibration of probe SPRT100-4711 was due on "));
}

void tst_ChannelController::smartProbeRefresh_data()
{
    // Measured before: input 1 or 3, or 10, the sum of inputs 1 and 3.
    QTest::addColumn<int>("measured");
    // Reading runs, or a calibration run or a remote client stopped it and reads the board itself.
    QTest::addColumn<bool>("reading");
    // The board leaves the selection of the channel measured before unanswered once, on the way back.
    QTest::addColumn<bool>("returnUnanswered");
    // Every selection the board received, in order, up to the first reading after the refresh.
    QTest::addColumn<QStringList>("switched");

    const QStringList visited{"01", "02", "16", "17", "18", "19", "20", "21", "22", "23"};
    QTest::newRow("every resistance channel in ascending order, then the sum measured again")
        << 10 << true << false << visited + QStringList{"10,@1,@3"};
    QTest::newRow("stopped reading stays stopped") << 1 << false << false << visited + QStringList{"01"};
    // Input 3 is still the measured channel, not the last one visited.
    QTest::newRow("the return's selection unanswered once") << 3 << true << true << visited + QStringList{"03", "03"};
}

void tst_ChannelController::smartProbeRefresh()
{
    QFETCH(int, measured);
    QFETCH(bool, reading);
    QFETCH(bool, returnUnanswered);
    QFETCH(QStringList, switched);

    TMessageRecorder messages;
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT8;
    board().board().fitSwitchBox(1, box);
    plugSmartProbe(2, true);
    plugSmartProbe(17, false, "SPRT-BOX");
    board().board().withState([measured](TBoardState& pState) {
        pState.mMeasuredChannel = measured;
        pState.mOperands[10] = {1, 3};
    });
    TChannelController& controller = build(60000);
    controller.setReadingActive(reading);
    if (returnUnanswered)
        leaveUnansweredOnce(board(), "conf:chan " + QByteArray::number(measured).rightJustified(2, '0'));

    const zelk::vector<TPRTChannel*> found = controller.updateSmartProbeStatus();
    QList<int> numbers;
    for (const TPRTChannel* prtChannel : found)
        numbers << prtChannel->internalChannelNumber();
    QCOMPARE(numbers, (QList<int>{2, 17}));
    QVERIFY(!qobject_cast<TPRTChannel*>(controller.channel(1))->smartProbe());
    QCOMPARE(heldName(qobject_cast<TPRTChannel*>(controller.channel(17))), QStringLiteral("SPRT-BOX"));
    QStringList selections;
    for (const QByteArray& command : board().commands()) {
        if (command.startsWith("conf:chan "))
            selections << command.mid(10);
        if (command.startsWith("conf:chan:func"))
            selections << command.mid(15);
    }
    QCOMPARE(selections, switched);
    QCOMPARE(int(controller.measuredChannel()->internalChannelNumber()), measured);
    QCOMPARE(controller.isReadingActive(), reading);
    QVERIFY2(!board().commands().isEmpty(), "the board received no command");
    QCOMPARE(board().commands().last().startsWith("meas:curr?"), reading);
}

// A log started while a calibration routine runs names its SMART probes; the
// routine's channel stays selected and settled under it.
void tst_ChannelController::smartProbeRefreshUnderARoutineSwitchesNoChannel()
{
    TMessageRecorder messages;
    plugSmartProbe(2, true);
    board().board().withState([](TBoardState& pState) { pState.mMeasuredChannel = 1; });
    TChannelController& controller = build(60000);
    QCOMPARE(int(controller.updateSmartProbeStatus().size()), 1);
    auto hold =
        std::make_unique<TRoutineChannelHold>(controller, zelk::vector<TAbstractChannel*>{controller.channel(3)});
    QVERIFY(hold->measureChannel(controller.channel(3)));
    board().board().clearRecord();

    const zelk::vector<TPRTChannel*> found = controller.updateSmartProbeStatus();
    hold.reset();
    QCOMPARE(found, zelk::vector<TPRTChannel*>{qobject_cast<TPRTChannel*>(controller.channel(2))});
    QCOMPARE(board().commands(), QList<QByteArray>());
    QCOMPARE(controller.measuredChannel(), controller.channel(3));
}

void tst_ChannelController::smartProbeOfTheMeasuredChannel()
{
    TMessageRecorder messages;
    plugSmartProbe(2, true);
    board().board().withState([](TBoardState& pState) { pState.mMeasuredChannel = 2; });
    TChannelController& controller = build(60000);

    TSmartProbePRT* probe = controller.updateSmartProbeStatusCurrentChannel();
    QVERIFY(probe);
    QCOMPARE(probe, qobject_cast<TPRTChannel*>(controller.channel(2))->smartProbe());
    QVERIFY(!controller.isReadingActive());
    QVERIFY(controller.measureChannel(controller.channel(3)));
    QVERIFY(!controller.updateSmartProbeStatusCurrentChannel());
}

void tst_ChannelController::smartProbeEnabled_data()
{
    QTest::addColumn<QString>("probe");
    // The selection the board leaves unanswered once: the probe's channel's, or the return's to input 3.
    QTest::addColumn<QByteArray>("unanswered");
    QTest::addColumn<QByteArray>("enableReply");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("sent");

    QTest::newRow("enabled on its own channel") << "read" << QByteArray() << QByteArray() << true << true;
    QTest::newRow("the board refuses") << "read" << QByteArray() << QByteArray("E224") << false << true;
    QTest::newRow("a probe without channel") << "unconnected" << QByteArray() << QByteArray() << false << false;
    QTest::newRow("a channel that cannot be switched to")
        << "read" << QByteArray("conf:chan 02") << QByteArray() << false << false;
    // Input 3 is still the measured channel, selected again at the next reading.
    QTest::newRow("the return's selection unanswered once")
        << "read" << QByteArray("conf:chan 03") << QByteArray() << true << true;
    QTest::newRow("no probe") << "none" << QByteArray() << QByteArray() << false << false;
    // The switch would act on the probe of the routine's channel.
    QTest::newRow("under a routine") << "read under a routine" << QByteArray() << QByteArray() << false << false;
}

void tst_ChannelController::smartProbeEnabled()
{
    QFETCH(QString, probe);
    QFETCH(QByteArray, unanswered);
    QFETCH(QByteArray, enableReply);
    QFETCH(bool, result);
    QFETCH(bool, sent);

    TMessageRecorder messages;
    plugSmartProbe(2, false);
    board().board().withState([](TBoardState& pState) { pState.mMeasuredChannel = 3; });
    TChannelController& controller = build(60000);
    controller.updateSmartProbeStatus();
    auto unconnected = heldSmartProbe(false, nullptr);
    TSmartProbePRT* target = nullptr;
    if (probe.startsWith("read"))
        target = qobject_cast<TPRTChannel*>(controller.channel(2))->smartProbe();
    else if (probe == "unconnected")
        target = unconnected.get();
    controller.setReadingActive(false);
    board().board().clearRecord();
    if (!enableReply.isEmpty())
        board().injectReply(enableReply);
    if (!unanswered.isEmpty())
        leaveUnansweredOnce(board(), unanswered);
    std::unique_ptr<TRoutineChannelHold> hold;
    if (probe.endsWith("routine"))
        hold =
            std::make_unique<TRoutineChannelHold>(controller, zelk::vector<TAbstractChannel*>{controller.channel(3)});

    QCOMPARE(controller.setSmartProbeEnabled(target, true), result);
    board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    QCOMPARE(countCommands(board(), "sens:frtd:enab"), sent ? 1 : 0);
    bool enabledOnBoard = false;
    board().board().withState([&](TBoardState& pState) { enabledOnBoard = pState.mSmartProbes.probe(2)->mEnabled; });
    QCOMPARE(enabledOnBoard, sent);
    // Back on the channel measured before, and reading again.
    QCOMPARE(int(controller.measuredChannel()->internalChannelNumber()), 3);
    if (sent)
        QCOMPARE(board().commands().mid(0, 3), (QList<QByteArray>{"conf:chan 02", "sens:frtd:enab 1", "conf:chan 03"}));
    // The routine reads the board itself.
    QCOMPARE(controller.isReadingActive(), probe != "none" && !hold);
}

// --- channel table services ------------------------------------------------------------

void tst_ChannelController::sampleCountReachesEveryChannel_data()
{
    QTest::addColumn<int>("channel");
    QTest::newRow("input 1") << 1;
    QTest::newRow("input 3") << 3;
    QTest::newRow("expansion port") << 6;
}

void tst_ChannelController::sampleCountReachesEveryChannel()
{
    QFETCH(int, channel);
    TChannelController& controller = build();
    TAbstractChannel* tested = channel == 6 ? controller.tcExpansionPortChannel() : controller.channel(channel);
    // The expansion port has no temperature; its voltage is averaged.
    if (channel == 6)
        controller.changeUnit(tested, Electrical_temperature_units::uMilliVolt);

    controller.setAverageValueSampleCount(2);
    for (double value : {1.0, 2.0, 3.0, 4.0})
        tested->setNewValue(value, value);
    QString mean;
    QString stability;
    tested->avgValue(mean, stability);
    // The mean of the last two readings only.
    QVERIFY2(mean.startsWith("3.5"), qPrintable(mean));
}

void tst_ChannelController::defaultProbes()
{
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6100_10;
    board().board().fitSwitchBox(1, box);
    TChannelController& controller = build();
    auto custom = TestProbes::prt();
    controller.physical_channel(1)->assignProbe(custom.get());

    auto probes = probeController(true);
    QCOMPARE(probes->defaultProbe(controller.tcExpansionPortChannel())->probeName(), QStringLiteral("Thermocouple K"));
    QVERIFY(!probes->defaultProbe(nullptr));
    controller.useDefaultProbesForChannelsWithoutProbe(probes.get());
    QCOMPARE(probeName(controller.physical_channel(1)), QStringLiteral("PT100-A"));
    QCOMPARE(probeName(controller.physical_channel(2)), QStringLiteral("PT100 4-wire"));
    QCOMPARE(probeName(controller.physical_channel(3)), QStringLiteral("Thermocouple K"));
    QCOMPARE(probeName(controller.physical_channel(4)), QStringLiteral("Thermocouple K"));
    // Box positions: thermocouples on the odd numbers, either kind on the even ones.
    QCOMPARE(probeName(controller.physical_channel(81)), QStringLiteral("Thermocouple K"));
    QCOMPARE(probeName(controller.physical_channel(80)), QStringLiteral("PT100 4-wire"));
    // The expansion port is outside the channel map.
    QVERIFY(!controller.tcExpansionPortChannel()->assignedProbe());
    // The default probe does not record the channels it is used on.
    QCOMPARE(probes->defaultProbes().at(82)->channelNumber(), 0);

    controller.unassignProbe(custom.get(), probes.get());
    QCOMPARE(probeName(controller.physical_channel(1)), QStringLiteral("PT100 4-wire"));
    QCOMPARE(custom->channelNumber(), 0);

    // A probe released from the expansion port leaves nothing behind there.
    auto thermocouple = TestProbes::thermocouple();
    controller.tcExpansionPortChannel()->assignProbe(thermocouple.get());
    controller.unassignProbe(thermocouple.get(), probes.get());
    QCOMPARE(controller.tcExpansionPortChannel()->assignedProbe(), probes->defaultProbes().at(85).get());
    QCOMPARE(thermocouple->channelNumber(), 0);
    controller.tcExpansionPortChannel()->useProbe(nullptr);
    controller.unassignProbe(nullptr, probes.get());

    // Without a default thermocouple probe thermocouple inputs keep none.
    auto withoutThermocouple = probeController(false);
    controller.unassignProbe(probes->defaultProbes().at(85).get(), withoutThermocouple.get());
    controller.useDefaultProbesForChannelsWithoutProbe(withoutThermocouple.get());
    QVERIFY(!controller.physical_channel(3)->assignedProbe());
    for (auto& entry : controller.channels()) {
        if (auto* physical = qobject_cast<TPhysicalChannel*>(entry.second.get()))
            physical->useProbe(nullptr);
    }
}

void tst_ChannelController::usedProbesFollowTheColdJunction()
{
    TChannelController& controller = build();
    auto reference = TestProbes::prt();
    // Its cold junction is measured on channel 1.
    auto thermocouple = TestProbes::thermocouple();
    controller.physical_channel(1)->assignProbe(reference.get());
    controller.physical_channel(3)->assignProbe(thermocouple.get());
    auto* difference = qobject_cast<TBinaryDerivedChannel*>(controller.channel(11));
    difference->setPhysicalChannel_Operand1(controller.physical_channel(3));
    difference->setPhysicalChannel_Operand2(controller.physical_channel(4));

    auto names = [&](TAbstractChannel* pChannel) {
        zelk::vector<TAbstractProbe*> probes;
        pChannel->usedProbes(probes, &controller, true);
        QStringList found;
        for (const TAbstractProbe* probe : probes)
            found << probe->probeName();
        return found;
    };
    QCOMPARE(names(controller.channel(3)), (QStringList{"TC-K7", "PT100-A"}));
    QCOMPARE(names(controller.channel(11)), (QStringList{"TC-K7", "PT100-A"}));
    QCOMPARE(names(controller.channel(1)), QStringList{"PT100-A"});

    TMessageRecorder messages;
    board().board().setTemperature(1, 600.0);
    controller.readMeasuredChannel();
    QCoreApplication::processEvents();
    QCOMPARE(messages.count(), 1);
    QVERIFY(controller.channel(3)->isProbesTemperatureOutOfRange(&controller));
    controller.physical_channel(1)->useProbe(nullptr);
    controller.physical_channel(3)->useProbe(nullptr);
}

// --- channel selection page ------------------------------------------------------------

void tst_ChannelController::selectionPageVisibility_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("showDerived");
    QTest::addColumn<int>("serviceLevel");
    QTest::addColumn<bool>("scanning");
    QTest::addColumn<QList<int>>("excluding");
    QTest::addColumn<QList<int>>("shown");

    // Channels 1 and 3 hold probes, 2 and 4 none.
    QTest::newRow("channels without probe are not offered")
        << 1 << true << 0 << false << QList<int>() << QList<int>{1, 3, 9, 10, 11, 12, 13};
    QTest::newRow("the current channel is offered without probe")
        << 2 << true << 0 << false << QList<int>() << QList<int>{1, 2, 3, 9, 10, 11, 12, 13};
    QTest::newRow("an excluded channel is not offered")
        << 1 << true << 0 << false << QList<int>{3} << QList<int>{1, 9, 10, 11, 12, 13};
    QTest::newRow("no derived channels") << 1 << false << 0 << false << QList<int>() << QList<int>{1, 3};
    QTest::newRow("expansion port at service level 1")
        << 1 << false << 1 << false << QList<int>() << QList<int>{1, 3, 6};
    QTest::newRow("expansion port not while scanning") << 1 << false << 1 << true << QList<int>() << QList<int>{1, 3};
    QTest::newRow("expansion port when current") << 6 << false << 0 << true << QList<int>() << QList<int>{1, 3, 6};
}

void tst_ChannelController::selectionPageVisibility()
{
    QFETCH(int, current);
    QFETCH(bool, showDerived);
    QFETCH(int, serviceLevel);
    QFETCH(bool, scanning);
    QFETCH(QList<int>, excluding);
    QFETCH(QList<int>, shown);

    TChannelController& controller = build();
    auto prt = TestProbes::prt();
    auto thermocouple = TestProbes::thermocouple();
    controller.physical_channel(1)->assignProbe(prt.get());
    controller.physical_channel(3)->assignProbe(thermocouple.get());
    enterServiceLevel(serviceLevel);
    auto scan = scanMode(scanning);
    zelk::vector<TAbstractChannel*> excluded;
    for (int number : excluding)
        excluded << controller.channel(number);
    TAbstractChannel* currentChannel = current == 6 ? controller.tcExpansionPortChannel() : controller.channel(current);
    TSelectionReceiver receiver;

    controller.selectChannel(currentChannel, &receiver, showDerived, excluded, *scan);

    const std::pair<int, QWidget*> buttons[] = {
        {1, ui().BtnChanSel_1},     {2, ui().BtnChanSel_2},          {3, ui().BtnChanSel_3},
        {4, ui().BtnChanSel_4},     {9, ui().BtnChanSel_Reciprocal}, {10, ui().BtnChanSel_Sum},
        {11, ui().BtnChanSel_Diff}, {12, ui().BtnChanSel_Product},   {13, ui().BtnChanSel_Quotient}};
    QList<int> visible;
    for (const auto& button : buttons) {
        if (!button.second->isHidden())
            visible << button.first;
    }
    if (!ui().verticalLayout_28->itemAt(4)->widget()->isHidden())
        visible << 6;
    std::sort(visible.begin(), visible.end());
    QCOMPARE(visible, shown);
    QCOMPARE(ui().BtnChanSel_X->isHidden(), !showDerived);
    QCOMPARE(ui().BtnChanSel_Y->isHidden(), !showDerived);
    QCOMPARE(mFixture->subMenu().mCaption, QStringLiteral("Channel selection"));
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageChannelSelection);
    QCOMPARE(mFixture->subMenu().mReceiver, static_cast<ISubMenuConfirmationReceiver*>(&controller));
    QCOMPARE(mFixture->subMenu().mType, smtViewer);
    controller.physical_channel(1)->useProbe(nullptr);
    controller.physical_channel(3)->useProbe(nullptr);
}

void tst_ChannelController::selectionPageShowsOperandsOfTheCurrentChannel()
{
    TChannelController& controller = build();
    auto scan = scanMode(false);
    auto* difference = qobject_cast<TBinaryDerivedChannel*>(controller.channel(11));
    difference->setPhysicalChannel_Operand1(controller.physical_channel(1));
    difference->setPhysicalChannel_Operand2(controller.physical_channel(2));
    TSelectionReceiver receiver;

    controller.selectChannel(difference, &receiver, true, *scan);
    QCOMPARE(ui().LblChanSel_X->text(), QStringLiteral("1"));
    QCOMPARE(ui().LblChanSel_X->toolTip(), QStringLiteral("1"));
    QCOMPARE(ui().LblChanSel_Y->text(), QStringLiteral("2"));
    QCOMPARE(ui().LblChanSel_Y->toolTip(), QStringLiteral("2"));
    for (QWidget* derived : {ui().BtnChanSel_Reciprocal, ui().BtnChanSel_Sum, ui().BtnChanSel_Diff,
                             ui().BtnChanSel_Product, ui().BtnChanSel_Quotient})
        QVERIFY(derived->isEnabled());

    controller.selectChannel(controller.channel(3), &receiver, true, *scan);
    QVERIFY(ui().LblChanSel_X->text().isEmpty());
    QVERIFY(ui().LblChanSel_Y->toolTip().isEmpty());
    for (QWidget* derived : {ui().BtnChanSel_Reciprocal, ui().BtnChanSel_Sum, ui().BtnChanSel_Diff,
                             ui().BtnChanSel_Product, ui().BtnChanSel_Quotient})
        QVERIFY(!derived->isEnabled());
}

void tst_ChannelController::operandChosenInTheDialog()
{
    TChannelController& controller = build();
    auto scan = scanMode(false);
    auto prt = TestProbes::prt();
    auto thermistor = TestProbes::thermistor();
    controller.physical_channel(1)->assignProbe(prt.get());
    controller.physical_channel(2)->assignProbe(thermistor.get());
    TSelectionReceiver receiver;
    controller.selectChannel(controller.channel(1), &receiver, true, *scan);
    QVERIFY(!ui().BtnChanSel_Reciprocal->isEnabled());

    QStringList offered;
    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        QZELKContainerCheckButton* channel2 = nullptr;
        for (auto* button : pDialog->findChildren<QZELKContainerCheckButton*>()) {
            offered << button->findChild<QLabel*>()->text();
            if (button->findChild<QLabel*>()->text() == "2")
                channel2 = button;
        }
        QTest::mouseClick(channel2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().BtnChanSel_X, Qt::LeftButton);
    // Only channels with a probe are offered.
    QCOMPARE(offered, (QStringList{"1", "2"}));
    QCOMPARE(ui().LblChanSel_X->text(), QStringLiteral("2"));
    QCOMPARE(ui().LblChanSel_X->toolTip(), QStringLiteral("2"));
    QVERIFY(ui().BtnChanSel_Reciprocal->isEnabled());
    QVERIFY(!ui().BtnChanSel_Sum->isEnabled());
    QCOMPARE(mFixture->subMenu().mCancelled, 0);

    // The reciprocal takes channel 2 before the receiver hears of it.
    QTest::mouseClick(ui().BtnChanSel_Reciprocal, Qt::LeftButton);
    QCOMPARE(int(receiver.mSelected.size()), 1);
    auto* reciprocal = qobject_cast<TUnaryDerivedChannel*>(receiver.mSelected.front());
    QVERIFY(reciprocal);
    QCOMPARE(reciprocal->physicalChannel(), controller.physical_channel(2));
    QCOMPARE(mFixture->subMenu().mCancelled, 1);
    controller.physical_channel(1)->useProbe(nullptr);
    controller.physical_channel(2)->useProbe(nullptr);
}

void tst_ChannelController::operandClearedWithNone()
{
    TChannelController& controller = build();
    auto scan = scanMode(false);
    auto* sum = qobject_cast<TBinaryDerivedChannel*>(controller.channel(10));
    sum->setPhysicalChannel_Operand1(controller.physical_channel(1));
    sum->setPhysicalChannel_Operand2(controller.physical_channel(2));
    TSelectionReceiver receiver;
    controller.selectChannel(sum, &receiver, true, *scan);

    TModalAnswer::clickInNextModal("BtnNone");
    QTest::mouseClick(ui().BtnChanSel_X, Qt::LeftButton);
    QVERIFY(ui().LblChanSel_X->text().isEmpty());
    QVERIFY(ui().LblChanSel_X->toolTip().isEmpty());
    QVERIFY(!ui().BtnChanSel_Reciprocal->isEnabled());
    QVERIFY(!ui().BtnChanSel_Sum->isEnabled());
    QVERIFY(!ui().BtnChanSel_Quotient->isEnabled());
}

void tst_ChannelController::cancelledOperandDialogChangesNothing()
{
    TChannelController& controller = build();
    auto scan = scanMode(false);
    auto* reciprocal = qobject_cast<TUnaryDerivedChannel*>(controller.channel(9));
    reciprocal->setPhysicalChannel(controller.physical_channel(2));
    TSelectionReceiver receiver;
    controller.selectChannel(reciprocal, &receiver, true, *scan);

    TModalAnswer::clickInNextModal("BtnCancel");
    QTest::mouseClick(ui().BtnChanSel_X, Qt::LeftButton);
    QCOMPARE(ui().LblChanSel_X->text(), QStringLiteral("2"));
    QVERIFY(ui().BtnChanSel_Reciprocal->isEnabled());
    QVERIFY(!ui().BtnChanSel_Sum->isEnabled());
}

TAMARIND_TEST_MAIN(tst_ChannelController)
#include "tst_channelcontroller.moc"

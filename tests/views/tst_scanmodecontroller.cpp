#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channelviewfixture.h"
#include "clickablewidgetcontroller.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "probe.h"
#include "scanmodecontroller.h"
#include "switchbox.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainercheckbutton.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QSignalSpy>

using namespace Probe_enums;

namespace
{
using TChannelList = zelk::vector<TAbstractChannel*>;

constexpr int READ_INTERVAL = 500;

QList<int> numbersOf(const TChannelList& pChannels)
{
    QList<int> numbers;
    for (const TAbstractChannel* channel : pChannels)
        numbers << channel->internalChannelNumber();
    return numbers;
}

QString setting(const char* pKey)
{
    return TTamarindSettings::instance().value(QStringLiteral("scan"), QLatin1String(pKey), QStringLiteral("<none>"));
}

void store(const char* pKey, const QString& pValue)
{
    TTamarindSettings::instance().setValue(QStringLiteral("scan"), QLatin1String(pKey), pValue);
}

std::unique_ptr<TPRTProbe> prtProbe(bool pReference)
{
    return std::make_unique<TPRTProbe>(1, "Pt100", prttPT100, pReference, 0, -200.0, 850.0, QDate(), false, w4wire,
                                       false, false, OneMilliAmp, rprtAuto, cprtEN60751, 100.0, 3.9083e-3, -5.775e-7,
                                       -4.183e-12, 0, 0, 0, 0, 0, 0, 0);
}

std::unique_ptr<TSmartProbePRT> smartProbe(bool pReference, bool pEnabled, TPhysicalChannel* pChannel)
{
    return std::make_unique<TSmartProbePRT>("SPRT", pReference, QDate(2024, 1, 15), pEnabled, rprt100, cprtCVD, 100.0,
                                            3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0, pChannel,
                                            QDate(2099, 1, 1), "Lab", 18.0, 390.0, false);
}
} // namespace

// Scan mode on the simulated board: which channel the board measures after
// how many polls, what it announces in which order, what it stores, and its
// scan menu pages on the main window's widgets.
class tst_ScanModeController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void channelsTakeTurns_data();
    void channelsTakeTurns();
    void pauseAndResume_data();
    void pauseAndResume();
    void listChangeLeavingOneChannelStops();
    void readTimerSwitchesTheBoard();
    void startAndStop_data();
    void startAndStop();
    void replacement_data();
    void replacement();
    void replacedListIsStoredInItsOrder();
    void storedListDropsChannelsThatDoNotExist();
    void factoryResetRestoresTheDefaults();
    void referenceChannel_data();
    void referenceChannel();

    void savingABoxPageKeepsTheOtherChannels();
    void tooFewChannelsDuringAScanAreRefused();
    void savingRestartsAtTheLowestChannel();
    void channelTexts_data();
    void channelTexts();
    void holdTimeEntry_data();
    void holdTimeEntry();
    void boxPageLayout_data();
    void boxPageLayout();
    void boxButtonsFollowTheFittedBoxes();
    void viewChoice_data();
    void viewChoice();

private:
    void fitBox(int pPort, EnSwitchBoxType pType);
    TChannelController& build() { return mFixture->build(READ_INTERVAL); }
    std::unique_ptr<TScanModeController> scanMode();
    TChannelList channels(const QList<int>& pNumbers) const;
    // Records what scan mode announces, in order.
    void record(TScanModeController& pScan);
    static void poll(TScanModeController& pScan, int pCount);
    // The channels the board was told to measure since the last call.
    QList<int> boardSwitches();
    // The channel the board measures.
    int boardChannel();

    Ui_TTamarindMainForm& ui() { return mFixture->ui(); }
    TSimulatedBoardLink& board() { return mFixture->board(); }
    TChannelController& controller() { return mFixture->controller(); }

    std::unique_ptr<TChannelControllerFixture> mFixture;
    QStringList mLog;
};

void tst_ScanModeController::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
    TAMARIND_MAKE_FIXTURE(mFixture);
    mLog.clear();
}

void tst_ScanModeController::cleanup()
{
    mFixture.reset();
}

void tst_ScanModeController::fitBox(int pPort, EnSwitchBoxType pType)
{
    TSimulatedSwitchBox box;
    box.mType = pType;
    box.mSerialNumber = QStringLiteral("SB-%1").arg(pPort);
    box.mDate = QDate(2023, 6, 1);
    board().board().fitSwitchBox(pPort, box);
}

// Built as the main window builds it: the scan menu's rows with their captions.
std::unique_ptr<TScanModeController> tst_ScanModeController::scanMode()
{
    return buildScanModeOnForm(*mFixture);
}

TChannelList tst_ScanModeController::channels(const QList<int>& pNumbers) const
{
    TChannelList list;
    for (int number : pNumbers)
        list << mFixture->controller().channel(number);
    return list;
}

void tst_ScanModeController::record(TScanModeController& pScan)
{
    connect(&pScan, &TScanModeController::channelSwitched, this, [this](TAbstractChannel* pChannel) {
        mLog << QStringLiteral("switched %1").arg(pChannel->internalChannelNumber());
    });
    connect(&pScan, &TScanModeController::channelReplaced, this,
            [this](TAbstractChannel* pOld, TAbstractChannel* pNew) {
                mLog << QStringLiteral("replaced %1 by %2")
                            .arg(pOld->internalChannelNumber())
                            .arg(pNew->internalChannelNumber());
            });
    connect(&pScan, &TScanModeController::channelConfigurationChanged, this,
            [this](const TChannelList& pChannels, TAbstractChannel* pActive) {
                QStringList numbers;
                for (int number : numbersOf(pChannels))
                    numbers << QString::number(number);
                mLog << QStringLiteral("configuration %1 active %2")
                            .arg(numbers.join(QLatin1Char(',')))
                            .arg(pActive ? pActive->internalChannelNumber() : 0);
            });
    connect(&pScan, &TScanModeController::scanModeStarted, this, [this]() { mLog << QStringLiteral("started"); });
    connect(&pScan, &TScanModeController::scanModeStopped, this, [this]() { mLog << QStringLiteral("stopped"); });
    connect(
        &pScan, &TScanModeController::scanViewChangedDuringRuntime, this,
        [this](const TScanModeController& pSender) { mLog << QStringLiteral("view %1").arg(int(pSender.scanView())); });
}

void tst_ScanModeController::poll(TScanModeController& pScan, int pCount)
{
    for (int n = 0; n < pCount; ++n)
        pScan.afterMeasBoardPolled(READ_INTERVAL);
}

QList<int> tst_ScanModeController::boardSwitches()
{
    QList<int> switches;
    for (const QByteArray& command : board().commands()) {
        if (command.startsWith("conf:chan "))
            switches << command.mid(10).toInt();
    }
    board().board().clearRecord();
    return switches;
}

int tst_ScanModeController::boardChannel()
{
    int channel = 0;
    board().board().withState([&channel](TBoardState& pState) { channel = pState.mMeasuredChannel; });
    return channel;
}

// --- engine ------------------------------------------------------------------------

void tst_ScanModeController::channelsTakeTurns_data()
{
    QTest::addColumn<QString>("storedHoldTime");
    QTest::addColumn<int>("pollsPerChannel");
    // Two polls that give no interval come before each one that does.
    QTest::addColumn<bool>("pollsWithoutInterval");
    // The board leaves the first step's selection unanswered.
    QTest::addColumn<bool>("unanswered");

    QTest::newRow("nothing stored: 7 s") << QString() << 14 << false << false;
    QTest::newRow("3 s are held for 3.5 s") << "3" << 7 << false << false;
    QTest::newRow("4 s") << "4" << 8 << false << false;
    QTest::newRow("600 s") << "600" << 1200 << false << false;
    QTest::newRow("a stored 0 is held for 3.5 s") << "0" << 7 << false << false;
    QTest::newRow("a stored negative value is held for 3.5 s") << "-20" << 7 << false << false;
    QTest::newRow("a stored value too far below zero to count in ms is held for 3.5 s")
        << "-3000000" << 7 << false << false;
    QTest::newRow("a stored text that is no number is held for 3.5 s") << "abc" << 7 << false << false;
    QTest::newRow("a stored hold time above 600 s is kept") << "1000" << 2000 << false << false;
    QTest::newRow("a stored hold time too long to count in ms is taken as 600 s")
        << "3000000" << 1200 << false << false;
    QTest::newRow("polls without an interval are passed over") << QString() << 14 << true << false;
    QTest::newRow("the step's selection unanswered once") << QString() << 14 << false << true;
}

void tst_ScanModeController::channelsTakeTurns()
{
    QFETCH(QString, storedHoldTime);
    QFETCH(int, pollsPerChannel);
    QFETCH(bool, pollsWithoutInterval);
    QFETCH(bool, unanswered);

    if (!storedHoldTime.isNull())
        store("hold_time", storedHoldTime);
    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({3, 1, 2}));
    record(*scan);
    boardSwitches();

    QVERIFY(scan->startScanMode());
    QCOMPARE(mLog, QStringList({"switched 1", "started"}));
    QCOMPARE(scan->activeChannel(), controller().channel(1));

    const auto pollFor = [&](int pCount) {
        for (int n = 0; n < pCount; ++n) {
            if (pollsWithoutInterval) {
                scan->afterMeasBoardPolled(0);
                scan->afterMeasBoardPolled(-READ_INTERVAL);
            }
            poll(*scan, 1);
        }
    };
    for (int next : {2, 3, 1}) {
        mLog.clear();
        pollFor(pollsPerChannel - 1);
        QVERIFY2(mLog.isEmpty(), qPrintable(mLog.join(", ")));
        QVERIFY(boardSwitches().isEmpty());
        const bool unansweredHere = unanswered && next == 2;
        if (unansweredHere)
            board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 1; });
        pollFor(1);
        QCOMPARE(mLog, QStringList({QStringLiteral("switched %1").arg(next)}));
        QCOMPARE(boardSwitches(), QList<int>({next}));
        QCOMPARE(controller().measuredChannel(), controller().channel(next));
        // The reading after the step is the new channel's, the selection sent
        // again first if the board left it unanswered.
        controller().readMeasuredChannel();
        QCOMPARE(boardSwitches(), unansweredHere ? QList<int>({next}) : QList<int>());
        QCOMPARE(boardChannel(), next);
    }
    QCOMPARE(setting("hold_time"), storedHoldTime.isNull() ? QStringLiteral("<none>") : storedHoldTime);
}

void tst_ScanModeController::pauseAndResume_data()
{
    QTest::addColumn<int>("measuredMeanwhile");
    // The board leaves the resume's selection unanswered.
    QTest::addColumn<bool>("unanswered");
    QTest::addColumn<QList<int>>("switchesOnResume");
    // Before the first reading after the resume.
    QTest::addColumn<QList<int>>("switchesOnPoll");

    QTest::newRow("the board was left on the scanned channel") << 0 << false << QList<int>() << QList<int>();
    QTest::newRow("the pausing caller measured another channel") << 3 << false << QList<int>{2} << QList<int>();
    QTest::newRow("the resume's selection unanswered once") << 3 << true << QList<int>{2} << QList<int>{2};
}

void tst_ScanModeController::pauseAndResume()
{
    QFETCH(int, measuredMeanwhile);
    QFETCH(bool, unanswered);
    QFETCH(QList<int>, switchesOnResume);
    QFETCH(QList<int>, switchesOnPoll);

    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 2}));
    QVERIFY(scan->startScanMode());
    poll(*scan, 14 + 10);
    QCOMPARE(scan->activeChannel(), controller().channel(2));

    scan->pauseScanMode();
    QVERIFY(scan->isScanModePaused());
    record(*scan);
    poll(*scan, 100);
    QVERIFY(mLog.isEmpty());
    if (measuredMeanwhile)
        QVERIFY(controller().measureChannel(controller().channel(measuredMeanwhile)));
    boardSwitches();
    if (unanswered)
        board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 1; });

    scan->resumeScanMode();
    QVERIFY(!scan->isScanModePaused());
    QCOMPARE(mLog, QStringList({"switched 2"}));
    QCOMPARE(boardSwitches(), switchesOnResume);
    QCOMPARE(controller().measuredChannel(), controller().channel(2));
    QVERIFY(controller().readMeasuredChannel());
    QCOMPARE(boardSwitches(), switchesOnPoll);

    // The channel is held for a full hold time again.
    mLog.clear();
    poll(*scan, 13);
    QVERIFY(mLog.isEmpty());
    poll(*scan, 1);
    QCOMPARE(mLog, QStringList({"switched 1"}));
}

void tst_ScanModeController::listChangeLeavingOneChannelStops()
{
    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 2}));
    QVERIFY(scan->startScanMode());
    record(*scan);
    scan->setChannelConfiguration(channels({2}));
    QCOMPARE(mLog, QStringList({"configuration 2 active 2", "stopped"}));
    QVERIFY(!scan->isScanModeActive());
    poll(*scan, 100);
    QCOMPARE(mLog.size(), 2);
}

// The channel controller's own cycle: the switch reaches the board, and the
// next poll reads the new channel.
void tst_ScanModeController::readTimerSwitchesTheBoard()
{
    board().board().setTemperature(1, 21.0);
    board().board().setTemperature(2, 42.0);
    store("hold_time", "3");
    build();
    auto scan = scanMode();
    controller().addListener(scan.get());
    scan->setChannelConfiguration(channels({1, 2}));
    QVERIFY(scan->startScanMode());
    qRegisterMetaType<TAbstractChannel*>();
    QSignalSpy switched(scan.get(), &TScanModeController::channelSwitched);
    QSignalSpy readOnTwo(controller().channel(2), &TAbstractChannel::valuesChanged);
    controller().setReadingActive(true);

    QVERIFY(switched.wait(10000));
    QCOMPARE(switched.first().first().value<TAbstractChannel*>(), controller().channel(2));
    QCOMPARE(boardSwitches().last(), 2);
    QVERIFY(readOnTwo.isEmpty());
    QVERIFY(readOnTwo.wait(2000));
    QString temperature, electrical;
    Electrical_temperature_units::EnUnit temperatureUnit, electricalUnit;
    Electrical_temperature_units::EnUnitType mainType;
    controller().channel(2)->currentValue(temperature, temperatureUnit, electrical, electricalUnit, ".", mainType,
                                          false);
    QVERIFY2(temperature.startsWith("42."), qPrintable(temperature));
    controller().setReadingActive(false);
    controller().removeListener(scan.get());
}

void tst_ScanModeController::startAndStop_data()
{
    // The channel the home view shows when the scan stops; 0 for none.
    QTest::addColumn<int>("nextChannel");
    // The board leaves the stop's selection unanswered.
    QTest::addColumn<bool>("unanswered");
    QTest::addColumn<QList<int>>("switchesOnStop");
    // Before the first reading after the stop.
    QTest::addColumn<QList<int>>("switchesOnPoll");

    QTest::newRow("no channel to go on with") << 0 << false << QList<int>() << QList<int>();
    QTest::newRow("the channel the scan measured") << 2 << false << QList<int>() << QList<int>();
    QTest::newRow("another channel") << 1 << false << QList<int>{1} << QList<int>();
    QTest::newRow("the stop's selection unanswered once") << 1 << true << QList<int>{1} << QList<int>{1};
}

void tst_ScanModeController::startAndStop()
{
    QFETCH(int, nextChannel);
    QFETCH(bool, unanswered);
    QFETCH(QList<int>, switchesOnStop);
    QFETCH(QList<int>, switchesOnPoll);

    build();
    auto scan = scanMode();
    record(*scan);
    scan->setChannelConfiguration(channels({1}));
    mLog.clear();
    boardSwitches();

    QVERIFY(!scan->startScanMode());
    QVERIFY(!scan->isScanModeActive());
    QVERIFY(mLog.isEmpty());

    scan->setChannelConfiguration(channels({2, 3}));
    QVERIFY(scan->startScanMode());
    mLog.clear();
    QVERIFY(scan->startScanMode());
    QVERIFY(mLog.isEmpty());
    boardSwitches();
    if (unanswered)
        board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 1; });

    scan->stopScanMode(nextChannel ? controller().channel(nextChannel) : nullptr);
    QCOMPARE(mLog, QStringList({"stopped"}));
    QCOMPARE(boardSwitches(), switchesOnStop);
    const int measured = nextChannel ? nextChannel : 2;
    QCOMPARE(controller().measuredChannel(), controller().channel(measured));
    controller().readMeasuredChannel();
    QCOMPARE(boardSwitches(), switchesOnPoll);
    QCOMPARE(boardChannel(), measured);

    scan->stopScanMode(nullptr);
    QCOMPARE(mLog, QStringList({"stopped", "stopped"}));
    QVERIFY(boardSwitches().isEmpty());
    QCOMPARE(controller().measuredChannel(), controller().channel(measured));
    scan->pauseScanMode();
    QVERIFY(!scan->isScanModePaused());
}

void tst_ScanModeController::replacement_data()
{
    QTest::addColumn<bool>("scanning");
    QTest::addColumn<int>("oldChannel");
    QTest::addColumn<QList<int>>("expectedList");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<QList<int>>("expectedSwitches");

    QTest::newRow("the active channel during a scan")
        << true << 1 << QList<int>{4, 2, 3} << QStringList{"switched 4", "replaced 1 by 4"} << QList<int>{4};
    QTest::newRow("another channel during a scan")
        << true << 3 << QList<int>{1, 2, 4} << QStringList{"switched 1", "replaced 3 by 4"} << QList<int>();
    QTest::newRow("the first channel without a scan")
        << false << 1 << QList<int>{4, 2, 3} << QStringList{"replaced 1 by 4"} << QList<int>();
    QTest::newRow("a channel that is not scanned") << true << 9 << QList<int>{1, 2, 3} << QStringList() << QList<int>();
}

void tst_ScanModeController::replacement()
{
    QFETCH(bool, scanning);
    QFETCH(int, oldChannel);
    QFETCH(QList<int>, expectedList);
    QFETCH(QStringList, expectedLog);
    QFETCH(QList<int>, expectedSwitches);

    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 2, 3}));
    if (scanning)
        QVERIFY(scan->startScanMode());
    record(*scan);
    boardSwitches();

    scan->replaceChannel(controller().channel(oldChannel), controller().channel(4));
    QCOMPARE(numbersOf(scan->scannedChannels()), expectedList);
    QCOMPARE(mLog, expectedLog);
    QCOMPARE(boardSwitches(), expectedSwitches);
    QCOMPARE(scan->isScanModeActive(), scanning);
}

void tst_ScanModeController::replacedListIsStoredInItsOrder()
{
    fitBox(1, sbtSWX6300_PRT16);
    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 2, 3}));
    scan->replaceChannel(controller().channel(1), controller().channel(16));
    QCOMPARE(setting("channels"), QStringLiteral("16,2,3"));
    QCOMPARE(ui().LblChanConf_ZTM8800_Value->text(), QStringLiteral("2, 3"));
    QCOMPARE(ui().LblChanConf_Mod1_Value->text(), QStringLiteral("1"));

    scan.reset();
    QCOMPARE(numbersOf(scanMode()->scannedChannels()), QList<int>({2, 3, 16}));
}

void tst_ScanModeController::storedListDropsChannelsThatDoNotExist()
{
    store("channels", "1,2,99,,11");
    build();
    auto scan = scanMode();
    QCOMPARE(numbersOf(scan->scannedChannels()), QList<int>({1, 2}));
    QCOMPARE(scan->activeChannel(), controller().channel(1));
    QCOMPARE(setting("channels"), QStringLiteral("1,2,99,,11"));
}

void tst_ScanModeController::factoryResetRestoresTheDefaults()
{
    store("channels", "1,3");
    store("hold_time", "30");
    store("view", "3");
    build();
    auto scan = scanMode();
    QCOMPARE(scan->scanView(), EnScanView::svGraph);
    QVERIFY(scan->startScanMode());
    record(*scan);
    boardSwitches();

    scan->factoryReset(controller().channel(2));
    QCOMPARE(mLog, QStringList({"stopped", "configuration  active 0"}));
    QCOMPARE(boardSwitches(), QList<int>({2}));
    QVERIFY(!scan->isScanModeActive());
    QVERIFY(scan->scannedChannels().empty());
    QCOMPARE(scan->scanView(), EnScanView::svScan);
    QCOMPARE(setting("channels"), QString());
    QCOMPARE(setting("hold_time"), QStringLiteral("7"));
    QCOMPARE(setting("view"), QStringLiteral("1"));
    QCOMPARE(ui().LblChanConf_HoldTime_Value->text(), QStringLiteral("7s"));
    QCOMPARE(ui().LblChanConf_View_Value->text(), QStringLiteral("Scan"));
    QCOMPARE(ui().LblChanConf_ZTM8800_Value->text(), QString());
}

void tst_ScanModeController::referenceChannel_data()
{
    QTest::addColumn<bool>("assignedReference");
    QTest::addColumn<int>("smartProbe");
    QTest::addColumn<int>("expected");

    enum { none, plainEnabled, referenceEnabled, referenceDisabled };
    QTest::newRow("reference probe assigned") << true << int(none) << 1;
    QTest::newRow("no reference on channel 1") << false << int(none) << 2;
    QTest::newRow("enabled SMART probe that is no reference, reference probe assigned")
        << true << int(plainEnabled) << 2;
    QTest::newRow("enabled SMART reference probe") << false << int(referenceEnabled) << 1;
    QTest::newRow("disabled SMART reference probe, plain probe assigned") << false << int(referenceDisabled) << 2;
    QTest::newRow("disabled SMART probe, reference probe assigned") << true << int(referenceDisabled) << 1;
}

void tst_ScanModeController::referenceChannel()
{
    QFETCH(bool, assignedReference);
    QFETCH(int, smartProbe);
    QFETCH(int, expected);

    build();
    auto scan = scanMode();
    auto* first = static_cast<TPRTChannel*>(controller().physical_channel(1));
    auto* second = controller().physical_channel(2);
    auto firstProbe = prtProbe(assignedReference);
    auto secondProbe = prtProbe(true);
    first->assignProbe(firstProbe.get());
    second->assignProbe(secondProbe.get());
    if (smartProbe)
        first->setAndOwnSmartProbe(::smartProbe(smartProbe == 2, smartProbe != 3, first));

    QVERIFY(!scan->referenceChannel());
    scan->setChannelConfiguration(channels({1, 2, 9}));
    QCOMPARE(scan->referenceChannel(), controller().physical_channel(expected));
    scan->setChannelConfiguration(channels({1, 9}));
    QCOMPARE(scan->referenceChannel(), expected == 1 ? first : nullptr);
    first->assignProbe(nullptr);
    second->assignProbe(nullptr);
}

// --- scan menu pages -------------------------------------------------------------

void tst_ScanModeController::savingABoxPageKeepsTheOtherChannels()
{
    fitBox(1, sbtSWX6300_PRT8);
    fitBox(2, sbtSWX6300_PRT16);
    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 3, 16, 17}));

    QTest::mouseClick(ui().BtnChanConf_Mod2, Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageChanConf_SwitchBoxes);
    QCOMPARE(mFixture->subMenu().mType, smtEditorWithMainMenuButton);
    QCOMPARE(ui().LblChanConf_SwitchBox_Header->text(), QStringLiteral("Configuration for scanner box 2 (SB-2)"));
    const auto buttons = ui().scrollAreaScanConfigSwitchBoxContents->findChildren<QZELKContainerCheckButton*>();
    QCOMPARE(buttons.size(), 16);
    for (QZELKContainerCheckButton* button : buttons) {
        QVERIFY(!button->isChecked());
        if (button->label()->text() == QLatin1String("2.2") || button->label()->text() == QLatin1String("2.16"))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(scan->storeClicked());
    QCOMPARE(numbersOf(scan->scannedChannels()), QList<int>({1, 3, 16, 17, 33, 47}));
    QCOMPARE(setting("channels"), QStringLiteral("1,3,16,17,33,47"));
    QCOMPARE(ui().LblChanConf_Mod1_Value->text(), QStringLiteral("1, 2"));
    QCOMPARE(ui().LblChanConf_Mod2_Value->text(), QStringLiteral("2, 16"));

    // Opened again, the page shows the stored positions; deselecting all drops only this box.
    QTest::mouseClick(ui().BtnChanConf_Mod2, Qt::LeftButton);
    int checked = 0;
    for (auto* button : ui().scrollAreaScanConfigSwitchBoxContents->findChildren<QZELKContainerCheckButton*>())
        checked += button->isChecked();
    QCOMPARE(checked, 2);
    ui().BtnChanConf_SwitchBox_DeselectAll->click();
    QVERIFY(scan->storeClicked());
    QCOMPARE(setting("channels"), QStringLiteral("1,3,16,17"));
}

void tst_ScanModeController::tooFewChannelsDuringAScanAreRefused()
{
    fitBox(1, sbtSWX6300_PRT8);
    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({16, 17}));
    QVERIFY(scan->startScanMode());
    QTest::mouseClick(ui().BtnChanConf_Mod1, Qt::LeftButton);
    ui().BtnChanConf_SwitchBox_DeselectAll->click();
    for (auto* button : ui().scrollAreaScanConfigSwitchBoxContents->findChildren<QZELKContainerCheckButton*>()) {
        if (button->label()->text() == QLatin1String("1.5"))
            button->setChecked(true);
    }

    TMessageRecorder messages;
    QVERIFY(!scan->storeClicked());
    QCOMPARE(messages.texts(), QStringList({"The channel configuration must at least contain two channels!"}));
    QCOMPARE(numbersOf(scan->scannedChannels()), QList<int>({16, 17}));
    QCOMPARE(setting("channels"), QStringLiteral("<none>"));
    QVERIFY(scan->isScanModeActive());

    // Without a scan a single channel is taken; the next start is refused.
    scan->stopScanMode(nullptr);
    QVERIFY(scan->storeClicked());
    QCOMPARE(setting("channels"), QStringLiteral("20"));
    QVERIFY(!scan->startScanMode());
    QCOMPARE(messages.count(), 1);
}

void tst_ScanModeController::savingRestartsAtTheLowestChannel()
{
    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 2, 3}));
    QVERIFY(scan->startScanMode());
    poll(*scan, 14 + 3);
    QCOMPARE(scan->activeChannel(), controller().channel(2));
    record(*scan);
    boardSwitches();

    QTest::mouseClick(ui().BtnChanConf_ZTM8800, Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageChanConf_ZTM8800);
    // No probe is assigned: the buttons are hidden but keep the scanned channels selected.
    QVERIFY(ui().BtnChanConf_PRT1->isHidden());
    QVERIFY(scan->storeClicked());
    QCOMPARE(mLog, QStringList({"configuration 1,2,3 active 1", "switched 1"}));
    QCOMPARE(boardSwitches(), QList<int>({1}));
    QCOMPARE(setting("channels"), QStringLiteral("1,2,3"));
    poll(*scan, 13);
    QCOMPARE(scan->activeChannel(), controller().channel(1));
}

void tst_ScanModeController::channelTexts_data()
{
    QTest::addColumn<QList<int>>("scanned");
    QTest::addColumn<QString>("ownChannels");
    QTest::addColumn<QString>("firstBox");

    // Positions p of the first box (16 positions) are channels 15 + p.
    QTest::newRow("own channels 1 and 3, positions 1 to 3, 5, 7, 8")
        << QList<int>{1, 3, 16, 17, 18, 20, 22, 23} << "1, 3"
        << "1-3, 5, 7, 8";
    QTest::newRow("channels 1, 2 and all sixteen positions")
        << (QList<int>{1, 2} + QList<int>{16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}) << "1, 2"
        << "1-16";
    QTest::newRow("positions 4 and 5") << QList<int>{19, 20} << ""
                                       << "4, 5";
    QTest::newRow("positions 4 to 6") << QList<int>{19, 20, 21} << ""
                                      << "4-6";
    QTest::newRow("positions 1, 3 and 5") << QList<int>{16, 18, 20} << ""
                                          << "1, 3, 5";
    QTest::newRow("derived channels are not listed") << QList<int>{4, 9, 10} << "4"
                                                     << "";
}

void tst_ScanModeController::channelTexts()
{
    QFETCH(QList<int>, scanned);
    QFETCH(QString, ownChannels);
    QFETCH(QString, firstBox);

    // The board's first port holds a box whose positions are not scanned, so
    // the first box in the list is the one on port 2, with positions 32 onwards.
    fitBox(1, sbtThermocouple8);
    fitBox(2, sbtSWX6300_PRT16);
    build();
    auto scan = scanMode();
    for (int& number : scanned)
        number += number >= 16 ? 16 : 0;
    scan->setChannelConfiguration(channels(scanned));
    QCOMPARE(ui().LblChanConf_ZTM8800_Value->text(), ownChannels);
    QCOMPARE(ui().LblChanConf_Mod1_Value->text(), firstBox);
    QCOMPARE(ui().LblChanConf_Mod2_Value->text(), QString());
}

void tst_ScanModeController::holdTimeEntry_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("pollsPerChannel");

    QTest::newRow("3 s") << QStringList{"Btn3"} << "3"
                         << "3s" << 7;
    QTest::newRow("600 s") << QStringList{"Btn6", "Btn0", "Btn0"} << "600"
                           << "600s" << 1200;
    QTest::newRow("2 s is not offered") << QStringList{"Btn2"} << "<none>"
                                        << "7s" << 14;
    QTest::newRow("601 s is not offered") << QStringList{"Btn6", "Btn0", "Btn1"} << "<none>"
                                          << "7s" << 14;
}

void tst_ScanModeController::holdTimeEntry()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(int, pollsPerChannel);

    build();
    auto scan = scanMode();
    scan->setChannelConfiguration(channels({1, 2}));
    QVERIFY(scan->startScanMode());
    poll(*scan, 5);
    TModalAnswer::onNextModal([keys](QWidget* pPad) {
        pressKeys(pPad, keys);
        pressKeys(pPad, {childOf<QWidget>(pPad, "BtnAccept")->isVisible() ? "BtnAccept" : "BtnCancel"});
    });
    QTest::mouseClick(ui().BtnChanConf_HoldTime, Qt::LeftButton);
    QCOMPARE(setting("hold_time"), stored);
    QCOMPARE(ui().LblChanConf_HoldTime_Value->text(), shown);

    // A new hold time starts afresh on the active channel; a cancelled entry keeps the count.
    const int alreadyPolled = stored == QLatin1String("<none>") ? 5 : 0;
    poll(*scan, pollsPerChannel - alreadyPolled - 1);
    QCOMPARE(scan->activeChannel(), controller().channel(1));
    poll(*scan, 1);
    QCOMPARE(scan->activeChannel(), controller().channel(2));
}

void tst_ScanModeController::boxPageLayout_data()
{
    QTest::addColumn<int>("boxType");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("firstRow");

    QTest::newRow("16 positions") << int(sbtSWX6300_PRT16) << 8 << QStringList{"1.1", "1.2"};
    QTest::newRow("8 positions") << int(sbtSWX6300_PRT8) << 4 << QStringList{"1.1", "1.2"};
    QTest::newRow("10 positions, twenty channel objects") << int(sbtSWX6100_10) << 10 << QStringList{"1.1", "1.2"};
}

void tst_ScanModeController::boxPageLayout()
{
    QFETCH(int, boxType);
    QFETCH(int, rows);
    QFETCH(QStringList, firstRow);

    fitBox(1, EnSwitchBoxType(boxType));
    build();
    auto scan = scanMode();
    QScrollBar* scrollBar = ui().scrollAreaScanConfigSwitchBox->verticalScrollBar();
    scrollBar->setRange(0, 1000);
    scrollBar->setValue(400);

    // Opened twice: the second opening replaces the buttons of the first.
    QTest::mouseClick(ui().BtnChanConf_Mod1, Qt::LeftButton);
    QTest::mouseClick(ui().BtnChanConf_Mod1, Qt::LeftButton);
    auto* grid = qobject_cast<QGridLayout*>(ui().scrollAreaScanConfigSwitchBoxContents->layout());
    QVERIFY(grid);
    const auto buttons = ui().scrollAreaScanConfigSwitchBoxContents->findChildren<QZELKContainerCheckButton*>();
    QCOMPARE(buttons.size(), rows * 2);
    int lastRow = -1;
    QStringList captionsOfFirstRow{QString(), QString()};
    int spacerRow = -1;
    for (int index = 0; index < grid->count(); ++index) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QLayoutItem* item = grid->itemAt(index);
        if (item->spacerItem()) {
            spacerRow = row;
            continue;
        }
        auto* button = qobject_cast<QZELKContainerCheckButton*>(item->widget());
        QVERIFY(button);
        lastRow = std::max(lastRow, row);
        if (row == 0)
            captionsOfFirstRow[column] = button->label()->text();
    }
    QCOMPARE(lastRow, rows - 1);
    QCOMPARE(captionsOfFirstRow, firstRow);
    QVERIFY(spacerRow > lastRow);
    QCOMPARE(scrollBar->value(), 0);
}

void tst_ScanModeController::boxButtonsFollowTheFittedBoxes()
{
    // The thermocouple box on port 1 is left out of the list of fitted boxes.
    fitBox(1, sbtThermocouple8);
    fitBox(2, sbtSWX6300_PRT8);
    fitBox(3, sbtSWX6300_PRT8);
    build();
    auto scan = scanMode();
    QTest::mouseClick(ui().BtnChanConf_Mod1, Qt::LeftButton);
    QCOMPARE(ui().LblChanConf_SwitchBox_Header->text(), QStringLiteral("Configuration for scanner box 2 (SB-2)"));
    QVERIFY(!ui().BtnChanConf_Mod1->isHidden());
    QVERIFY(!ui().BtnChanConf_Mod2->isHidden());
    QVERIFY(ui().BtnChanConf_Mod3->isHidden());
    QVERIFY(ui().BtnChanConf_Mod4->isHidden());
}

void tst_ScanModeController::viewChoice_data()
{
    QTest::addColumn<QString>("storedView");
    QTest::addColumn<bool>("scanning");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("shownBefore");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<QString>("expectedStored");

    QTest::newRow("graph chosen during a scan") << "1" << true << "BtnChanConf_Graph"
                                                << "Scan" << QStringList{"view 3"} << "3";
    QTest::newRow("the view in force chosen again") << "3" << true << "BtnChanConf_Graph"
                                                    << "Graph" << QStringList() << "3";
    QTest::newRow("calibration chosen without a scan") << "1" << false << "BtnChanConf_Calibration"
                                                       << "Scan" << QStringList() << "2";
    QTest::newRow("a stored view that is none of the three") << "7" << true << "BtnChanConf_Scan"
                                                             << "<kept>" << QStringList{"view 1"} << "1";
}

void tst_ScanModeController::viewChoice()
{
    QFETCH(QString, storedView);
    QFETCH(bool, scanning);
    QFETCH(QString, choice);
    QFETCH(QString, shownBefore);
    QFETCH(QStringList, expectedLog);
    QFETCH(QString, expectedStored);

    store("view", storedView);
    store("channels", "1,2");
    ui().LblChanConf_View_Value->setText("<kept>");
    build();
    auto scan = scanMode();
    QCOMPARE(ui().LblChanConf_View_Value->text(), shownBefore);
    if (scanning)
        QVERIFY(scan->startScanMode());
    record(*scan);

    QTest::mouseClick(ui().BtnChanConf_View, Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageScanView);
    QCOMPARE(mFixture->subMenu().mType, smtViewer);
    QTest::mouseClick(ui().PageScanView->findChild<QWidget*>(choice), Qt::LeftButton);
    QCOMPARE(mLog, expectedLog);
    QCOMPARE(setting("view"), expectedStored);
    QCOMPARE(mFixture->subMenu().mCancelled, 1);
    QVERIFY(!mFixture->subMenu().mReceiver);
}

TAMARIND_TEST_MAIN(tst_ScanModeController)
#include "tst_scanmodecontroller.moc"

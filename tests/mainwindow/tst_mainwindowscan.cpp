#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QLabel>
#include <QStackedWidget>

#include "zelkcontainercheckbutton.h"

namespace
{
QString setting(const char* pSection, const char* pKey)
{
    return TTamarindSettings::instance().value(QLatin1String(pSection), QLatin1String(pKey), QStringLiteral("<none>"));
}

void store(const char* pSection, const char* pKey, const QString& pValue)
{
    TTamarindSettings::instance().setValue(QLatin1String(pSection), QLatin1String(pKey), pValue);
    TTamarindSettings::instance().store();
}

struct TScanButtons
{
    bool start;
    bool stop;
    bool showView;
    bool operator==(const TScanButtons& pOther) const
    {
        return start == pOther.start && stop == pOther.stop && showView == pOther.showView;
    }
};

char* toString(const TScanButtons& pButtons)
{
    return qstrdup(QStringLiteral("start %1, stop %2, show view %3")
                       .arg(pButtons.start)
                       .arg(pButtons.stop)
                       .arg(pButtons.showView)
                       .toLatin1()
                       .constData());
}
} // namespace

// Scan mode and the averaging count as the main window builds and wires them:
// the scan page's buttons, the title mark, the poll counting on the channel
// controller's cycle, the averaging page and the factory reset.
class tst_MainWindowScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startRefusedWithoutTwoChannels();
    void startAndStopFromTheScanPage();
    void boxPositionsSavedThroughTheMenuColumn();
    void ownChannelsChosenOnTheirPage();
    void remoteControlStopsTheScan();
    void pollsOfTheChannelCycleSwitchChannels();
    void graphViewLeavesNoInformationBar();
    void averagingCountReachesEveryChannel();
    void factoryResetRestoresScanAndAveraging();

private:
    TScanButtons scanButtons() const
    {
        return {mMain.child("BtnScan_Start")->isEnabled(), mMain.child("BtnScan_Stop")->isEnabled(),
                mMain.child("BtnScan_ShowView")->isEnabled()};
    }
    TChannelController& channels() const { return *mMain.window()->mChannelController; }

    TMainWindowFixture mMain;
};

void tst_MainWindowScan::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowScan::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
    TTamarindSettings::instance().removeSection(QStringLiteral("avg_value"));
}

void tst_MainWindowScan::cleanup()
{
    mMain.close();
}

void tst_MainWindowScan::startRefusedWithoutTwoChannels()
{
    store("scan", "channels", "1");
    mMain.open(true);
    mMain.click("BtnScan");
    TMessageRecorder messages;
    mMain.click("BtnScan_Start");
    QCOMPARE(messages.texts(), QStringList({"Unable to start scan mode. Please select at least two channels."}));
    QCOMPARE(scanButtons(), (TScanButtons{true, false, false}));
    QCOMPARE(mMain.text("LblTitleRight"), QString());
}

void tst_MainWindowScan::startAndStopFromTheScanPage()
{
    store("scan", "channels", "1,2");
    mMain.open(true);
    mMain.click("BtnScan");
    QCOMPARE(mMain.text("LblChanConf_ZTM8800_Value"), QStringLiteral("1, 2"));
    QCOMPARE(mMain.text("LblChanConf_HoldTime_Value"), QStringLiteral("7s"));
    QCOMPARE(mMain.text("LblChanConf_View_Value"), QStringLiteral("Scan"));

    mMain.click("BtnScan_Start");
    QCOMPARE(scanButtons(), (TScanButtons{false, true, true}));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("SCAN"));
    mMain.snapshot(QStringLiteral("scan_running"));

    mMain.click("BtnScan_Stop");
    QCOMPARE(scanButtons(), (TScanButtons{true, false, false}));
    QCOMPARE(mMain.text("LblTitleRight"), QString());
}

// The box page opens in the menu column; Save there takes the positions into the scan list.
void tst_MainWindowScan::boxPositionsSavedThroughTheMenuColumn()
{
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT16;
    box.mSerialNumber = QStringLiteral("SB-1");
    mMain.board().fitSwitchBox(1, box);
    store("scan", "channels", "1");
    mMain.open(true);
    mMain.click("BtnScan");
    QVERIFY(mMain.shown("BtnChanConf_Mod1"));
    QVERIFY(!mMain.shown("BtnChanConf_Mod2"));
    mMain.click("BtnChanConf_Mod1");
    QCOMPARE(mMain.menuPage(), mMain.child("PageChanConf_SwitchBoxes"));
    for (auto* button :
         mMain.child("scrollAreaScanConfigSwitchBoxContents")->findChildren<QZELKContainerCheckButton*>()) {
        const QString caption = button->label()->text();
        if (caption == QLatin1String("1.1") || caption == QLatin1String("1.2") || caption == QLatin1String("1.3"))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    mMain.snapshot(QStringLiteral("scan_switchbox_page"));
    mMain.click("BtnSave");
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(setting("scan", "channels"), QStringLiteral("1,16,17,18"));
    QCOMPARE(mMain.text("LblChanConf_Mod1_Value"), QStringLiteral("1-3"));
    mMain.board().fitSwitchBox(1, TSimulatedSwitchBox());
}

// The probe database gives the board's inputs their default probes, so all four can be chosen.
void tst_MainWindowScan::ownChannelsChosenOnTheirPage()
{
    store("scan", "channels", "1");
    mMain.open(true);
    mMain.click("BtnScan");
    mMain.click("BtnChanConf_ZTM8800");
    QCOMPARE(mMain.menuPage(), mMain.child("PageChanConf_ZTM8800"));
    for (const char* button : {"BtnChanConf_PRT1", "BtnChanConf_PRT2", "BtnChanConf_TC1", "BtnChanConf_TC2"})
        QVERIFY2(mMain.shown(button), button);
    mMain.click("BtnChanConf_PRT1");
    mMain.click("BtnChanConf_TC2");
    mMain.click("BtnChanConf_PRT2");
    mMain.snapshot(QStringLiteral("scan_own_channels_page"));
    mMain.click("BtnSave");
    QCOMPARE(setting("scan", "channels"), QStringLiteral("2,4"));
    QCOMPARE(mMain.text("LblChanConf_ZTM8800_Value"), QStringLiteral("2, 4"));

    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn1", "Btn2", "BtnAccept"}); });
    mMain.click("BtnChanConf_HoldTime");
    QCOMPARE(mMain.text("LblChanConf_HoldTime_Value"), QStringLiteral("12s"));
    QCOMPARE(mMain.text("LblMenuCaption"), QStringLiteral("Menu"));
    mMain.click("BtnChanConf_View");
    QCOMPARE(mMain.menuPage(), mMain.child("PageScanView"));
    mMain.snapshot(QStringLiteral("scan_view_page"));
    mMain.click("BtnChanConf_Calibration");
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(mMain.text("LblChanConf_View_Value"), QStringLiteral("Calibration"));
}

void tst_MainWindowScan::remoteControlStopsTheScan()
{
    store("scan", "channels", "1,2");
    mMain.open(false);
    mMain.click("BtnScan_Start");
    mMain.window()->onRemoteModeChanged(true);
    QCOMPARE(scanButtons(), (TScanButtons{true, false, false}));
    QVERIFY(!mMain.text("LblTitleRight").contains("SCAN"));
}

// Scan mode hears of every poll of the channel controller's cycle.
void tst_MainWindowScan::pollsOfTheChannelCycleSwitchChannels()
{
    store("scan", "channels", "1,2");
    store("scan", "hold_time", "3");
    mMain.open(false);
    channels().setReadingActive(false);
    mMain.click("BtnScan_Start");
    QCOMPARE(channels().measuredChannel(), channels().channel(1));
    mMain.board().clearRecord();
    for (int poll = 0; poll < 7; ++poll)
        QVERIFY(channels().readMeasuredChannel());
    QVERIFY(mMain.board().receivedCommands().contains("conf:chan 02"));
    QCOMPARE(channels().measuredChannel(), channels().channel(2));
}

void tst_MainWindowScan::graphViewLeavesNoInformationBar()
{
    store("scan", "channels", "1,2");
    store("scan", "view", "3");
    mMain.open(false);
    mMain.child<QLabel>("lblInfoBarLeft")->setText("Chan. 1");
    mMain.child<QLabel>("lblInfoBarRight")->setText("No. of meas.");
    mMain.click("BtnScan_Start");
    QCOMPARE(mMain.text("lblInfoBarLeft"), QString());
    QCOMPARE(mMain.text("lblInfoBarRight"), QString());
    QCOMPARE(mMain.child("pnlInformationBar")->styleSheet(), QString());
}

void tst_MainWindowScan::averagingCountReachesEveryChannel()
{
    mMain.open(false);
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn2", "BtnAccept"}); });
    mMain.click("BtnAvgSampleCount");
    QCOMPARE(setting("avg_value", "sample_count"), QStringLiteral("2"));
    QCOMPARE(mMain.text("LblSelectedAvgValSampleCount"), QStringLiteral("2"));

    // The expansion port has no temperature; its voltage is averaged.
    TAbstractChannel* expansion = channels().tcExpansionPortChannel();
    channels().changeUnit(expansion, Electrical_temperature_units::uMilliVolt);
    for (TAbstractChannel* channel : {channels().channel(1), expansion}) {
        for (double value : {1.0, 2.0, 3.0, 4.0})
            channel->setNewValue(value, value);
        QString mean;
        QString stability;
        channel->avgValue(mean, stability);
        // The mean of the last two readings only.
        QVERIFY2(mean.startsWith("3.5"), qPrintable(mean));
    }
    TTamarindSettings::instance().removeSection(QStringLiteral("chan6"));
}

void tst_MainWindowScan::factoryResetRestoresScanAndAveraging()
{
    store("scan", "channels", "1,2");
    store("scan", "hold_time", "30");
    store("scan", "view", "2");
    store("avg_value", "sample_count", "50");
    mMain.open(false);
    mMain.click("BtnScan_Start");
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("SCAN"));

    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.window()->factoryReset();
    QCOMPARE(setting("scan", "channels"), QString());
    QCOMPARE(setting("scan", "hold_time"), QStringLiteral("7"));
    QCOMPARE(setting("scan", "view"), QStringLiteral("1"));
    QCOMPARE(setting("avg_value", "sample_count"), QStringLiteral("10"));
    QCOMPARE(mMain.text("LblTitleRight"), QString());
    QCOMPARE(scanButtons(), (TScanButtons{true, false, false}));
    QCOMPARE(mMain.text("LblChanConf_ZTM8800_Value"), QString());
    QCOMPARE(mMain.text("LblSelectedAvgValSampleCount"), QStringLiteral("10"));
}

TAMARIND_TEST_MAIN(tst_MainWindowScan)
#include "tst_mainwindowscan.moc"

#include "averagevaluesettingcontroller.h"
#include "boardstate.h"
#include "brightnesscontroller.h"
#include "buzzercontroller.h"
#include "buzzerguicontroller.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "customlogoguicontroller.h"
#include "decimaldisplaycontroller.h"
#include "instrumentinfo.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "languagecontroller.h"
#include "mainwindowfixture.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "tamarindclock.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "unitselectionprovider.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QLabel>
#include <QStackedWidget>
#include <QTimer>

#include <memory>

// The main window as the program builds it at start-up, against the simulated board on the board's device path:
// what each controller it builds shows, what it asks the board and in which order, and what it leaves behind.
class tst_MainWindowStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnHomeViewAndMainMenu();
    void builtControllersShowTheirSettings_data();
    void builtControllersShowTheirSettings();
    void chosenRowsLookChosen_data();
    void chosenRowsLookChosen();
    void boardCommandsInBuildOrder_data();
    void boardCommandsInBuildOrder();
    void readingGoesOnEveryReadInterval();
    void valueLabelsCastShadows();
    void serviceLevelStartsClosed();
    void touchscreenThreshold_data();
    void touchscreenThreshold();
    void excitationCurrentFollowsInstrumentType_data();
    void excitationCurrentFollowsInstrumentType();
    void languageChangeDuringConstruction();
    void teardownLeavesNoListenerBehind();
    void teardownReleasesInOrder();

private:
    void setBoardModel(const QString& pModel);

    TMainWindowFixture mMain;
};

namespace
{
constexpr const char* THRESHOLD_FILE = "/sys/devices/platform/omap/omap_i2c.1/i2c-1/1-0038/threshold";
}

void tst_MainWindowStartup::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowStartup::init()
{
    setBoardModel(QStringLiteral("ZTM9900"));
    mMain.board().clearRecord();
}

void tst_MainWindowStartup::cleanup()
{
    mMain.close();
    mMain.board().fitSwitchBox(1, TSimulatedSwitchBox());
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.removeSection(QStringLiteral("touchscreen"));
    settings.store();
}

void tst_MainWindowStartup::setBoardModel(const QString& pModel)
{
    mMain.board().withState([pModel](TBoardState& pState) { pState.mIdentity.mModel = pModel; });
}

void tst_MainWindowStartup::opensOnHomeViewAndMainMenu()
{
    mMain.open(false);
    QCOMPARE(mMain.child<QStackedWidget>("stackedWidget")->currentWidget(), mMain.child<QWidget>("PageHome"));
    QCOMPARE(mMain.child<QStackedWidget>("stackedWidgetMenu")->currentWidget(), mMain.child<QWidget>("PageMenu"));
    QCOMPARE(mMain.child<QLabel>("LblMenuCaption")->text(), QStringLiteral("Menu"));
    QVERIFY(!mMain.child<QWidget>("LblMenuIcon")->isHidden());
    for (const char* button : {"BtnReturnToMainMenu", "BtnCancel", "BtnSave"})
        QVERIFY2(mMain.child<QWidget>(button)->isHidden(), button);
    // No stick is plugged in.
    QVERIFY(mMain.child<QWidget>("BtnUSB")->isHidden());
    QVERIFY(mMain.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
    mMain.snapshot(QStringLiteral("mainwindow_start"));
}

void tst_MainWindowStartup::builtControllersShowTheirSettings_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    QTest::newRow("instrument name from the board on the info page") << "LblInfo_InstrumentType"
                                                                     << "ZTM9900";
    QTest::newRow("instrument name on the channel configuration") << "LblChanConf_ZTM8800"
                                                                  << "ZTM9900";
    QTest::newRow("instrument name on the scan configuration") << "LblScanChanConf_Model"
                                                               << "ZTM9900";
    QTest::newRow("language in use") << "LblSelectedLanguage"
                                     << "English (UK)";
    QTest::newRow("decimal separator in use") << "LblSelectedDecimalSeparator"
                                              << ". (point)";
    QTest::newRow("sound settings summary") << "LblSettings_SoundValue"
                                            << "Keystroke sound Off, Alarm On";
    QTest::newRow("backlight never switched off") << "LblSelectedBacklightOff"
                                                  << "Off";
    QTest::newRow("brightness at the level of a new instrument") << "LblSelectedBrightness"
                                                                 << "60%";
}

void tst_MainWindowStartup::builtControllersShowTheirSettings()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    mMain.open(false);
    QCOMPARE(mMain.child<QLabel>(qPrintable(label))->text(), text);
}

void tst_MainWindowStartup::chosenRowsLookChosen_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("chosen");

    QTest::newRow("backlight never switched off") << "PageBacklightOff"
                                                  << "BtnBacklightOff_Off" << true;
    QTest::newRow("backlight after 10 s not chosen") << "PageBacklightOff"
                                                     << "BtnBacklightOff_10s" << false;
    QTest::newRow("keystroke sound off") << "PageSound"
                                         << "BtnSoundKeys_off" << true;
    QTest::newRow("probe alarms on") << "PageAlarmForProbes"
                                     << "BtnProbeAlarms_On" << true;
    QTest::newRow("decimal point") << "PageDataSeparator"
                                   << "BtnDecSep_Point" << true;
}

// The settings chosen at start are marked on pages that have never been shown: the row is drawn orange.
void tst_MainWindowStartup::chosenRowsLookChosen()
{
    QFETCH(QString, page);
    QFETCH(QString, row);
    QFETCH(bool, chosen);
    mMain.open(true);
    auto* menu = mMain.child<QStackedWidget>("stackedWidgetMenu");
    menu->setCurrentWidget(mMain.child<QWidget>(qPrintable(page)));
    QApplication::processEvents();
    auto* shown = mMain.child<QWidget>(qPrintable(row));
    const QImage picture = menu->grab().toImage();
    // Right of the caption, inside the border.
    const QPoint inside = shown->mapTo(menu, QPoint(shown->width() - 8, shown->height() / 2));
    const QColor colour = picture.pixelColor(inside * picture.devicePixelRatio());
    const bool orange = colour.red() > 200 && colour.blue() < 80;
    QCOMPARE(orange, chosen);
}

// The identity first (the stick's directory is named after it), then the channel table from the switch boxes the
// board reports, the channel it measures, the probes and the calibration items, and only when everything is built
// the first reading.
void tst_MainWindowStartup::boardCommandsInBuildOrder_data()
{
    QTest::addColumn<bool>("switchBox");
    QTest::addColumn<QList<QByteArray>>("commands");
    QTest::newRow("no switch box") << false
                                   << QList<QByteArray>{"*idn?", "syst:swit:type? 1", "conf:chan?", "meas:curr?"};
    QTest::newRow("PRT switch box on the first port")
        << true
        << QList<QByteArray>{
               "*idn?",      "syst:swit:type? 1", "syst:swit:snum? 1", "syst:swit:date? 1", "syst:swit:type? 2",
               "conf:chan?", "meas:curr?"};
}

void tst_MainWindowStartup::boardCommandsInBuildOrder()
{
    QFETCH(bool, switchBox);
    QFETCH(QList<QByteArray>, commands);
    if (switchBox) {
        TSimulatedSwitchBox box;
        box.mType = sbtSWX6300_PRT8;
        box.mSerialNumber = QStringLiteral("SB2001");
        box.mDate = QDate(2020, 5, 4);
        mMain.board().fitSwitchBox(1, box);
    }
    // The probe database is read between the channel table and the first reading.
    QList<QByteArray> expected = commands;
    for (int number = 1; number <= 85; ++number)
        expected.insert(expected.size() - 1, "prob:read? " + QByteArray::number(number));
    // Then the calibration items: the cold-junction offsets of inputs 3 and 4, the two-point items 1 to 7.
    expected.insert(expected.size() - 1, "cal:cjc? 3");
    expected.insert(expected.size() - 1, "cal:cjc? 4");
    for (int item = 1; item <= 7; ++item)
        expected.insert(expected.size() - 1, "cal:data? " + QByteArray::number(item));
    mMain.open(false);
    QCOMPARE(mMain.board().receivedCommands(), expected);
}

void tst_MainWindowStartup::readingGoesOnEveryReadInterval()
{
    mMain.open(false);
    QCOMPARE(mMain.board().receivedCommands().count("meas:curr?"), 1);
    QTRY_COMPARE_WITH_TIMEOUT(mMain.board().receivedCommands().count("meas:curr?"), 3,
                              6 * TTamarindMainForm::CHANNEL_READ_INTERVAL);
}

void tst_MainWindowStartup::valueLabelsCastShadows()
{
    mMain.open(false);
    for (const char* name :
         {"lblSingleViewMainVal", "Lbl2ChanViewMainValue_Top", "Lbl2ChanViewMainValue_Btm", "Lbl3ChanViewMainValue_Top",
          "Lbl3ChanViewMainValue_Mid", "Lbl3ChanViewMainValue_Btm", "Lbl4ChanViewMainValue_TopLeft",
          "Lbl4ChanViewMainValue_TopRight", "Lbl4ChanViewMainValue_BtmLeft", "Lbl4ChanViewMainValue_BtmRight"}) {
        auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(mMain.child<QLabel>(name)->graphicsEffect());
        QVERIFY2(shadow, name);
        QCOMPARE(shadow->offset(), QPointF(2, 2));
    }
}

void tst_MainWindowStartup::serviceLevelStartsClosed()
{
    mMain.open(false);
    QVERIFY(!mMain.child<QWidget>("BtnEnterZELKServiceLevel")->isHidden());
    QVERIFY(mMain.child<QWidget>("WgtZELKServiceLevel")->isHidden());
}

void tst_MainWindowStartup::touchscreenThreshold_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("file");
    // The file holds what the kernel had before; it keeps it when nothing is stored.
    QTest::newRow("stored threshold written as it stands") << "35" << QByteArray("35");
    QTest::newRow("nothing stored: file untouched") << "" << QByteArray("previous\n");
}

void tst_MainWindowStartup::touchscreenThreshold()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, file);
    TAMARIND_WRITE_DEVICE_FILE(THRESHOLD_FILE, "previous\n");
    if (!stored.isEmpty()) {
        TTamarindSettings::instance().setValue("touchscreen", "threshold", stored);
        TTamarindSettings::instance().store();
    }
    mMain.open(false);
    QCOMPARE(TTestEnvironment::readDeviceFile(THRESHOLD_FILE), file);
}

void tst_MainWindowStartup::excitationCurrentFollowsInstrumentType_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("offered");
    QTest::newRow("ZTM8800") << "ZTM8800" << false;
    QTest::newRow("ZTM8800v2") << "ZTM8800v2" << false;
    QTest::newRow("ZTM9900") << "ZTM9900" << true;
}

void tst_MainWindowStartup::excitationCurrentFollowsInstrumentType()
{
    QFETCH(QString, model);
    QFETCH(bool, offered);
    setBoardModel(model);
    mMain.open(false);
    QWidget* editor = mMain.child<QWidget>("PagePRTEdit");
    for (const char* name : {"Wgt_Excitation_current_caption", "Wgt_Excitation_current"}) {
        auto* widget = mMain.window()->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget, name);
        QCOMPARE(editor->isAncestorOf(widget), offered);
        QCOMPARE(widget->isHidden(), !offered);
    }
}

namespace
{
// Delivers a language change to the window each time a child is added to it while it is being built, as a
// dialog's event loop would deliver one that was waiting: at every step of construction in turn.
class TLanguageChangeDuringConstruction : public QObject
{
public:
    int mDelivered = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::ChildAdded && pWatched->inherits("TTamarindMainForm")) {
            QEvent languageChange(QEvent::LanguageChange);
            QCoreApplication::sendEvent(pWatched, &languageChange);
            ++mDelivered;
        }
        return false;
    }
};
} // namespace

void tst_MainWindowStartup::languageChangeDuringConstruction()
{
    TLanguageChangeDuringConstruction languageChanges;
    qApp->installEventFilter(&languageChanges);
    mMain.open(false);
    qApp->removeEventFilter(&languageChanges);
    QVERIFY(languageChanges.mDelivered > 2);

    const QString toolTip = mMain.child<QLabel>("LblChanConf_ZTM8800")->toolTip();
    QCOMPARE(toolTip, QStringLiteral("Chan. config ZTM9900"));
    QCOMPARE(mMain.child<QLabel>("LblSettings_SoundValue")->text(), QStringLiteral("Keystroke sound Off, Alarm On"));
}

// Services that live as long as the process must not keep anything of a window that is gone: a clock tick, a
// decimal separator refresh and a language change afterwards touch none of its widgets, and the board hears
// nothing more from it.
void tst_MainWindowStartup::teardownLeavesNoListenerBehind()
{
    mMain.open(false);
    mMain.close();
    const int commandsAtTeardown = mMain.board().receivedCommands().size();

    TTamarindClock::instance().updateClockDisplayLabels();
    TDecimalDisplayController::instance().updateGUI();
    TLanguageController::instance().setLanguage(Languagecontroller::ltGerman);
    TLanguageController::instance().setLanguage(Languagecontroller::ltEnglishUK);
    TBuzzerController::instance().soundKeystroke();
    QTest::qWait(2 * TTamarindMainForm::CHANNEL_READ_INTERVAL);
    QCOMPARE(mMain.board().receivedCommands().size(), commandsAtTeardown);
}

// Nothing outlives what it points to: timers go before the controllers they call, the remote side before the board
// handler, the board handler before the link, the lists last.
void tst_MainWindowStartup::teardownReleasesInOrder()
{
    mMain.open(false);
    TTamarindMainForm& window = *mMain.window();
    window.mCustomLogoGUIController =
        std::make_unique<TCustomLogoGUIController>(&window, window.ui->PageCustomLogo, window.ui->BtnCustomLogo_Default,
                                                   window.ui->BtnCustomLogo_WhiteZELKWaterSign);
    const std::vector<std::pair<QObject*, QString>> members{
        {window.mCustomLogoGUIController.get(), "mCustomLogoGUIController"},
        {window.mOperatingTimeTimer.get(), "mOperatingTimeTimer"},
        {window.mCyclicCheckTimer.get(), "mCyclicCheckTimer"},
        {window.mChannelController.get(), "mChannelController"},
        {window.mScanModeController.get(), "mScanModeController"},
        {window.mInternalSCPIHandler.get(), "mInternalSCPIHandler"},
        {window.mIntCommController.get(), "mIntCommController"},
        {window.mUnitSelectionProvider.get(), "mUnitSelectionProvider"},
        {window.mBrightnessController.get(), "mBrightnessController"},
        {window.mScreenshotTimer.get(), "mScreenshotTimer"},
        {window.mLogfileManModeTimer.get(), "mLogfileManModeTimer"},
        {window.mProbeController.get(), "mProbeController"},
        {window.mBuzzerGUIController.get(), "mBuzzerGUIController"},
        {window.mProbeAlarmsWidgetController.get(), "mProbeAlarmsWidgetController"},
        {window.mAverageValueSettingController.get(), "mAverageValueSettingController"},
        {window.mServiceWidgetController.get(), "mServiceWidgetController"},
        {window.mSoundWidgetController_Alarms.get(), "mSoundWidgetController_Alarms"},
        {window.mSoundWidgetController_Keys.get(), "mSoundWidgetController_Keys"},
        {window.mSettingsDecimalSeparatorWidgetController.get(), "mSettingsDecimalSeparatorWidgetController"},
        {window.mSettingsWidgetController.get(), "mSettingsWidgetController"},
        {window.mCalibrationItemsWidgetController.get(), "mCalibrationItemsWidgetController"},
        {window.mSmartProbeEditWidgetController.get(), "mSmartProbeEditWidgetController"},
    };
    QStringList expected;
    QStringList released;
    for (const auto& member : members) {
        if (!member.first)
            continue;
        expected << member.second;
        const QString name = member.second;
        connect(member.first, &QObject::destroyed, [&released, name]() { released << name; });
    }
    mMain.close();
    QCOMPARE(released, expected);
}

TAMARIND_TEST_MAIN(tst_MainWindowStartup)
#include "tst_mainwindowstartup.moc"

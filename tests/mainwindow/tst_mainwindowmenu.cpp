#include "brightnesscontroller.h"
#include "commandrunner.h"
#include "decimaldisplaycontroller.h"
#include "languagecontroller.h"
#include "mainwindowfixture.h"
#include "messagedialog.h"
#include "messagerecorder.h"
#include "screenshotcontroller.h"
#include "simulatedusbstick.h"
#include "submenuconfirmationreceiver.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainercheckbutton.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>

#include <memory>

namespace
{
// A screen shown in the menu column that answers Cancel and Save as told and counts what it is told.
class TRecordingReceiver : public ISubMenuConfirmationReceiver
{
public:
    bool mAccept = true;
    int mReturned = 0;
    int mCancelled = 0;
    int mStored = 0;

    void returnToMainMenuClicked() override { ++mReturned; }
    bool cancelClicked() override
    {
        ++mCancelled;
        return mAccept;
    }
    bool storeClicked() override
    {
        ++mStored;
        return mAccept;
    }
};

constexpr const char* BRIGHTNESS_FILE = "/sys/devices/platform/pwm-backlight/backlight/pwm-backlight/brightness";

TCommandResult refused(const QString&, const QStringList&)
{
    TCommandResult result;
    result.mStarted = true;
    result.mExitCode = 1;
    return result;
}

// The longest delay the settings offer: the rows dim the screen themselves
// where they want it dark, and a machine under load that holds a row up
// between two presses must not dim it for them.
void storeLongestBacklightDelay()
{
    TTamarindSettings::instance().setValue(QStringLiteral("brightness"), QStringLiteral("backlight_off"),
                                           QStringLiteral("120000"));
    TTamarindSettings::instance().store();
}

// When the timer last started, in milliseconds on the monotonic clock that
// timers count on; exact for a precise timer, which runs its whole interval.
// Read between two looks at the clock close together: a test held up in
// between by a loaded machine looks again, a bounded number of times.
qint64 startedAtMs(const QTimer& pTimer)
{
    qint64 started = 0;
    for (int look = 0; look < 1000; ++look) {
        const qint64 before = QDeadlineTimer::current().deadline();
        const int remaining = pTimer.remainingTime();
        const qint64 after = QDeadlineTimer::current().deadline();
        started = after - (pTimer.interval() - remaining);
        if (after - before <= 1)
            break;
    }
    return started;
}
} // namespace

// The menu column and the main menu of the real main window, driven offscreen by clicks as a finger would: pages,
// captions and bar buttons, the screens' receivers, the long press on Home, the dark screen and the stick button.
class tst_MainWindowMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainMenuButtonsShowTheirPages_data();
    void mainMenuButtonsShowTheirPages();
    void subMenuTypeDecidesTheBarButtons_data();
    void subMenuTypeDecidesTheBarButtons();
    void barButtonsTellTheReceiver_data();
    void barButtonsTellTheReceiver();
    void cancellingWithoutReceiverChangesNothing();
    void secondSubMenuReplacesTheFirst();
    void settingsRowsOpenTheirPages_data();
    void settingsRowsOpenTheirPages();
    void pressOnHome_data();
    void pressOnHome();
    void pressOnDarkScreenOnlyWakesTheBacklight();
    void tapOnDarkScreenOnlyWakesTheBacklight_data();
    void tapOnDarkScreenOnlyWakesTheBacklight();
    void pressStartsTheBacklightDelayAgain();
    void restingPointerShowsNoToolTip_data();
    void restingPointerShowsNoToolTip();
    void stickButtonFollowsTheStick();
    void saveOnTheTimePage_data();
    void saveOnTheTimePage();

private:
    QString menuCaption() const { return mMain.text("LblMenuCaption"); }
    // What a tap may change: the pages shown, the settings file and the buttons checked.
    QStringList screenState() const;
    QTimer* timer(const char* pName) const { return mMain.window()->findChild<QTimer*>(QLatin1String(pName)); }

    TMainWindowFixture mMain;
};

void tst_MainWindowMenu::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowMenu::init()
{
    mMain.open(true);
}

void tst_MainWindowMenu::cleanup()
{
    mMain.close();
    TSimulatedUSBStick::remove();
    TTamarindSettings::instance().removeSection(QStringLiteral("brightness"));
    TTamarindSettings::instance().store();
    TCommandRunner::instance().setSimulation(QStringLiteral("date"), nullptr);
    TTestEnvironment::clearRecordedCommands();
}

void tst_MainWindowMenu::mainMenuButtonsShowTheirPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Settings") << "BtnSettings"
                              << "PageSettings"
                              << "LblSettings";
    QTest::newRow("Probes") << "BtnProbes"
                            << "PageProbes"
                            << "LblProbes";
    QTest::newRow("Scan") << "BtnScan"
                          << "PageScan"
                          << "LblScan";
    QTest::newRow("Logger, on its release") << "BtnLogger"
                                            << "PageLogger"
                                            << "LblLogger";
    QTest::newRow("Remote") << "BtnRemote"
                            << "PageRemote"
                            << "LblRemote";
    QTest::newRow("Calibration routines") << "BtnCalibrationRoutines"
                                          << "PageCalibrationRoutines"
                                          << "LblCalibrationRoutines";
    QTest::newRow("Info") << "BtnInfo"
                          << "PageInfo"
                          << "LblInfo";
    QTest::newRow("Service") << "BtnService"
                             << "PageService"
                             << "LblService";
}

// The title bar takes the button's own caption; Home, pressed afterwards, brings the home view back.
void tst_MainWindowMenu::mainMenuButtonsShowTheirPages()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    mMain.click(qPrintable(button));
    QCOMPARE(mMain.mainPage(), mMain.child(qPrintable(page)));
    QCOMPARE(mMain.child<QLabel>("LblTitle")->text(), mMain.child<QLabel>(qPrintable(caption))->text());
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));

    mMain.click("BtnHome");
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    QCOMPARE(mMain.child<QLabel>("LblTitle")->text(), mMain.child<QLabel>("LblHome")->text());
}

void tst_MainWindowMenu::subMenuTypeDecidesTheBarButtons_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("returnButton");
    QTest::newRow("editor: Save and Cancel") << int(smtEditor) << true << true << false;
    QTest::newRow("viewer: Return") << int(smtViewer) << false << false << true;
    QTest::newRow("editor with main menu button: all three")
        << int(smtEditorWithMainMenuButton) << true << true << true;
    QTest::newRow("unknown type: none") << 3 << false << false << false;
}

void tst_MainWindowMenu::subMenuTypeDecidesTheBarButtons()
{
    QFETCH(int, type);
    QFETCH(bool, save);
    QFETCH(bool, cancel);
    QFETCH(bool, returnButton);
    TRecordingReceiver receiver;
    mMain.window()->showSubMenu(QStringLiteral("Logger mode"), mMain.child("PageLoggerMode"), &receiver,
                                EnSubMenuType(type));
    QCOMPARE(mMain.menuPage(), mMain.child("PageLoggerMode"));
    QCOMPARE(menuCaption(), QStringLiteral("Logger mode"));
    QVERIFY(!mMain.shown("LblMenuIcon"));
    QCOMPARE(mMain.shown("BtnSave"), save);
    QCOMPARE(mMain.shown("BtnCancel"), cancel);
    QCOMPARE(mMain.shown("BtnReturnToMainMenu"), returnButton);
}

void tst_MainWindowMenu::barButtonsTellTheReceiver_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("returned");
    QTest::addColumn<int>("cancelled");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Save accepted closes") << "BtnSave" << true << 0 << 0 << 1 << true;
    QTest::newRow("Save refused stays") << "BtnSave" << false << 0 << 0 << 1 << false;
    QTest::newRow("Cancel accepted closes") << "BtnCancel" << true << 0 << 1 << 0 << true;
    QTest::newRow("Cancel refused stays") << "BtnCancel" << false << 0 << 1 << 0 << false;
    QTest::newRow("Return closes and tells") << "BtnReturnToMainMenu" << true << 1 << 0 << 0 << true;
}

void tst_MainWindowMenu::barButtonsTellTheReceiver()
{
    QFETCH(QString, button);
    QFETCH(bool, accept);
    QFETCH(int, returned);
    QFETCH(int, cancelled);
    QFETCH(int, stored);
    QFETCH(bool, closed);
    TRecordingReceiver receiver;
    receiver.mAccept = accept;
    mMain.window()->showSubMenu(QStringLiteral("Interval"), mMain.child("PageLogInterval"), &receiver,
                                smtEditorWithMainMenuButton);

    mMain.click(qPrintable(button));
    QCOMPARE(receiver.mReturned, returned);
    QCOMPARE(receiver.mCancelled, cancelled);
    QCOMPARE(receiver.mStored, stored);
    QCOMPARE(mMain.menuPage(), closed ? mMain.child("PageMenu") : mMain.child("PageLogInterval"));
    QCOMPARE(menuCaption(), closed ? QStringLiteral("Menu") : QStringLiteral("Interval"));
    QCOMPARE(mMain.shown("LblMenuIcon"), closed);
    for (const char* bar : {"BtnSave", "BtnCancel", "BtnReturnToMainMenu"})
        QCOMPARE(mMain.shown(bar), !closed);

    // A closed sub-menu has forgotten its receiver; an open one still reports to it.
    mMain.window()->cancelSubMenu(&receiver);
    QCOMPARE(receiver.mCancelled, closed ? cancelled : cancelled + 1);
}

void tst_MainWindowMenu::cancellingWithoutReceiverChangesNothing()
{
    mMain.window()->showSubMenu(QStringLiteral("Probe alarm"), mMain.child("PageAlarmForProbes"), nullptr, smtEditor);
    mMain.window()->cancelSubMenu(nullptr);
    QCOMPARE(mMain.menuPage(), mMain.child("PageAlarmForProbes"));
    QCOMPARE(menuCaption(), QStringLiteral("Probe alarm"));
}

void tst_MainWindowMenu::secondSubMenuReplacesTheFirst()
{
    TRecordingReceiver first;
    TRecordingReceiver second;
    mMain.window()->showSubMenu(QStringLiteral("First"), mMain.child("PageLogDuration"), &first, smtEditor);
    mMain.window()->showSubMenu(QStringLiteral("Second"), mMain.child("PageLoggerStartTime"), &second, smtViewer);
    QVERIFY(!mMain.shown("BtnSave"));
    mMain.window()->restoreSubMenuCaption();
    QCOMPARE(menuCaption(), QStringLiteral("First"));

    mMain.click("BtnReturnToMainMenu");
    QCOMPARE(first.mReturned, 0);
    QCOMPARE(second.mReturned, 1);
}

void tst_MainWindowMenu::settingsRowsOpenTheirPages_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("save");
    QTest::newRow("language") << "BtnSettings_Language"
                              << "PageLangSettings" << false;
    QTest::newRow("brightness") << "BtnSettings_Brightness"
                                << "PageBrightness" << false;
    QTest::newRow("backlight off") << "BtnSettings_BacklightOff"
                                   << "PageBacklightOff" << false;
    QTest::newRow("decimal separator") << "BtnSettings_DataSeparator"
                                       << "PageDataSeparator" << false;
    QTest::newRow("date and time, saved by the bar") << "BtnSettings_Time"
                                                     << "PageTime" << true;
    QTest::newRow("sound") << "BtnSettings_Sound"
                           << "PageSound" << false;
    QTest::newRow("average value") << "BtnSettings_AvgValue"
                                   << "PageAverageValue" << false;
    QTest::newRow("standard probe settings") << "BtnSettings_StandardProbeSettings"
                                             << "PageStdProbeSettings" << false;
    QTest::newRow("alarm for probes") << "BtnSettings_AlarmForProbes"
                                      << "PageAlarmForProbes" << false;
}

// A settings row opens its page in the menu column with Return; the list shows the active row's caption, and
// Return brings back the main menu with no row active.
void tst_MainWindowMenu::settingsRowsOpenTheirPages()
{
    QFETCH(QString, row);
    QFETCH(QString, page);
    QFETCH(bool, save);
    mMain.click("BtnSettings");
    mMain.click(qPrintable(row));
    QCOMPARE(mMain.menuPage(), mMain.child(qPrintable(page)));
    QVERIFY(mMain.shown("BtnReturnToMainMenu"));
    QVERIFY(!mMain.shown("LblMenuIcon"));
    QCOMPARE(mMain.shown("BtnSave"), save);
    // A caption label with a tool tip holds its long form there.
    const QLabel* rowLabel = mMain.child<QLabel>(qPrintable(row.replace(QLatin1String("Btn"), QLatin1String("Lbl"))));
    QCOMPARE(menuCaption(), rowLabel->toolTip().isEmpty() ? rowLabel->text() : rowLabel->toolTip());

    mMain.click("BtnReturnToMainMenu");
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(menuCaption(), QStringLiteral("Menu"));
    QVERIFY(!mMain.shown("BtnSave"));
}

void tst_MainWindowMenu::pressOnHome_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("dragged");
    QTest::newRow("short press: home view") << false << false;
    QTest::newRow("held: screenshot, the page stays") << true << false;
    QTest::newRow("dragged: the menu scrolls, the page stays") << false << true;
}

// The long press is told by the window's own timer; the test shortens it instead of holding for a second.
void tst_MainWindowMenu::pressOnHome()
{
    QFETCH(bool, held);
    QFETCH(bool, dragged);
    QDir screenshots(TTestEnvironment::root() + QStringLiteral("/home/Screenshots"));
    TTestEnvironment::removeUnderRoot(screenshots.path());
    mMain.click("BtnSettings");

    auto* longPress = mMain.window()->findChild<QTimer*>(QStringLiteral("mScreenshotTimer"));
    QVERIFY(longPress);
    QWidget* home = mMain.child("BtnHome");
    QTest::mousePress(home, Qt::LeftButton);
    QVERIFY(longPress->isActive());
    QCOMPARE(longPress->interval(), 1000);
    if (held) {
        // Told once the attempt is over, stored or not: a root without room fails the row then, not after a wait.
        QSignalSpy taken(&TScreenshotController::instance(), &TScreenshotController::screenshotTaken);
        longPress->setInterval(0);
        QVERIFY(taken.wait(30000));
        QCOMPARE(screenshots.entryList({QStringLiteral("Screenshot_*.png")}, QDir::Files).size(), 1);
    }
    QPoint lifted = home->rect().center();
    if (dragged) {
        lifted += QPoint(0, -40);
        QMouseEvent move(QEvent::MouseMove, lifted, home->mapToGlobal(lifted), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(home, &move);
    }
    QTest::mouseRelease(home, Qt::LeftButton, {}, lifted);
    QVERIFY(!longPress->isActive());

    QCOMPARE(mMain.mainPage(), held || dragged ? mMain.child("PageSettings") : mMain.child("PageHome"));
    const QStringList pictures = screenshots.entryList({QStringLiteral("Screenshot_*.png")}, QDir::Files);
    QCOMPARE(pictures.size(), held ? 1 : 0);
}

// The backlight dims after the stored time without a touch; the touch that brings it back does nothing else.
void tst_MainWindowMenu::pressOnDarkScreenOnlyWakesTheBacklight()
{
    mMain.close();
    storeLongestBacklightDelay();
    TAMARIND_WRITE_DEVICE_FILE(BRIGHTNESS_FILE, "60");
    mMain.open(true);
    QTimer* backlight = timer("mBacklightTimer");
    QVERIFY(backlight);
    QVERIFY(backlight->isActive());
    QMetaObject::invokeMethod(backlight, "timeout");
    // Platform 1: level 60 for a new instrument, 10 while dimmed.
    QCOMPARE(TTestEnvironment::readDeviceFile(BRIGHTNESS_FILE).trimmed(), QByteArray("10"));

    mMain.click("BtnSettings");
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    QCOMPARE(TTestEnvironment::readDeviceFile(BRIGHTNESS_FILE).trimmed(), QByteArray("60"));
    mMain.click("BtnSettings");
    QCOMPARE(mMain.mainPage(), mMain.child("PageSettings"));
}

QStringList tst_MainWindowMenu::screenState() const
{
    QStringList state{mMain.mainPage()->objectName(), mMain.menuPage()->objectName(),
                      QString::fromUtf8(TTestEnvironment::readDeviceFile(TTamarindSettings::SETTINGS_FILE_PATH))};
    for (const QZELKContainerCheckButton* button : mMain.window()->findChildren<QZELKContainerCheckButton*>()) {
        if (button->isChecked())
            state << button->objectName();
    }
    return state;
}

void tst_MainWindowMenu::tapOnDarkScreenOnlyWakesTheBacklight_data()
{
    QTest::addColumn<QStringList>("way");
    QTest::addColumn<QString>("menuPage");
    QTest::addColumn<QString>("tapped");
    QTest::newRow("a main-menu button") << QStringList() << ""
                                        << "BtnSettings";
    QTest::newRow("a settings row") << QStringList{"BtnSettings"} << ""
                                    << "BtnSettings_Brightness";
    QTest::newRow("a language row") << QStringList{"BtnSettings", "BtnSettings_Language"} << ""
                                    << "BtnLang_german";
    QTest::newRow("a decimal separator row") << QStringList{"BtnSettings", "BtnSettings_DataSeparator"} << ""
                                             << "BtnDecSep_Comma";
    QTest::newRow("a container button") << QStringList() << "PageLoggerMode"
                                        << "BtnLogModeManual";
}

// Rows and container buttons act when the finger lifts: the lift of the touch that lights a dark screen does
// nothing either. The same tap on the lit screen does what it is there for.
void tst_MainWindowMenu::tapOnDarkScreenOnlyWakesTheBacklight()
{
    QFETCH(QStringList, way);
    QFETCH(QString, menuPage);
    QFETCH(QString, tapped);
    for (const QString& step : way)
        mMain.click(step.toLatin1().constData());
    if (!menuPage.isEmpty())
        mMain.window()->showSubMenu(QStringLiteral("Mode"), mMain.child(menuPage.toLatin1().constData()), nullptr,
                                    smtViewer);
    TBrightnessController& backlight = *mMain.window()->mBrightnessController;
    backlight.turnBacklightOff();
    QVERIFY(backlight.isBacklightOff());
    const QStringList before = screenState();

    mMain.click(tapped.toLatin1().constData());
    QVERIFY(!backlight.isBacklightOff());
    QCOMPARE(screenState(), before);

    mMain.click(tapped.toLatin1().constData());
    QVERIFY(screenState() != before);
    TLanguageController::instance().factoryReset();
    TDecimalDisplayController::instance().factoryReset();
}

void tst_MainWindowMenu::restingPointerShowsNoToolTip_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("inADialog");
    QTest::newRow("a label of the main window") << "LblChanConf_ZTM8800" << false;
    QTest::newRow("a label of the menu's pages") << "LblSettings_BacklightOff_7" << false;
    QTest::newRow("a label under an open dialog") << "LblChanConf_ZTM8800" << true;
}

// Labels keep data in their tool tips. A VNC viewer's pointer that rests over one after a tap asks for its tip as Qt's
// wake-up timer does here; none may be shown, also while a dialog is open.
void tst_MainWindowMenu::restingPointerShowsNoToolTip()
{
    QFETCH(QString, label);
    QFETCH(bool, inADialog);
    auto* widget = qobject_cast<QWidget*>(mMain.child(label.toLatin1().constData()));
    QVERIFY(widget);
    QVERIFY(!widget->toolTip().isEmpty());
    const auto askForTheTip = [widget]() {
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(widget, &help);
    };
    if (inADialog) {
        bool shownOverTheDialog = true;
        QTimer::singleShot(0, [&]() {
            askForTheTip();
            shownOverTheDialog = QToolTip::isVisible();
            QApplication::activeModalWidget()->close();
        });
        TMessageDialog::showMessage(QStringLiteral("Open"), TMessageDialog::dtInfo, true);
        QVERIFY(!shownOverTheDialog);
    } else {
        askForTheTip();
    }
    QVERIFY(!QToolTip::isVisible());
}

// Every press on a lit screen counts the delay from the start again, and goes on to its widget.
void tst_MainWindowMenu::pressStartsTheBacklightDelayAgain()
{
    mMain.close();
    storeLongestBacklightDelay();
    mMain.open(true);
    QTimer* backlight = timer("mBacklightTimer");
    QVERIFY(backlight);
    QVERIFY(backlight->isActive());
    // Started again as a precise timer, whose start shows in its remaining
    // time, where a coarse one may be a few percent off.
    backlight->setTimerType(Qt::PreciseTimer);
    backlight->setInterval(backlight->interval());
    const qint64 started = startedAtMs(*backlight);
    QTest::qSleep(20);

    mMain.click("BtnSettings");
    const qint64 startedAgain = startedAtMs(*backlight);
    QVERIFY2(startedAgain - started >= 10, qPrintable(QString::number(startedAgain - started)));
    QCOMPARE(mMain.mainPage(), mMain.child("PageSettings"));
}

// The status bar offers the download page while a stick is in; a stick pulled while that page is shown brings the
// home view back.
void tst_MainWindowMenu::stickButtonFollowsTheStick()
{
    auto* check = mMain.window()->findChild<QTimer*>(QStringLiteral("mCyclicCheckTimer"));
    QVERIFY(check);
    QVERIFY(check->isActive());
    QCOMPARE(check->interval(), 1700);
    QVERIFY(!mMain.shown("BtnUSB"));

    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QMetaObject::invokeMethod(check, "timeout");
    QVERIFY(mMain.shown("BtnUSB"));
    mMain.window()->showSubMenu(QStringLiteral("Mode"), mMain.child("PageLoggerMode"), nullptr, smtViewer);
    mMain.click("BtnUSB");
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownload"));
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));

    QVERIFY(TSimulatedUSBStick::remove());
    QMetaObject::invokeMethod(check, "timeout");
    QVERIFY(!mMain.shown("BtnUSB"));
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
}

void tst_MainWindowMenu::saveOnTheTimePage_data()
{
    QTest::addColumn<bool>("dateRefused");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("pageCloses");
    // A restart follows only a clock that was set; until then the stick check and the dimming go on.
    QTest::newRow("clock set: the restart follows")
        << false << "30" << QStringList{"date -s 2026.12.06-15:30:00", "hwclock -w -u", "reboot"}
        << "System time change successful. A restart of the instrument will now be done." << true;
    QTest::newRow("clock refused: the instrument runs on")
        << true << "30" << QStringList{"date -s 2026.12.06-15:30:00"}
        << "The system time could not be changed. The instrument will not be restarted." << true;
    QTest::newRow("empty minutes: nothing set, the page stays")
        << false << "" << QStringList{} << "Please enter a complete date and time." << false;
}

// The Save bar button hands the time page to the clock, and the menu column follows what the clock did.
void tst_MainWindowMenu::saveOnTheTimePage()
{
    QFETCH(bool, dateRefused);
    QFETCH(QString, minutes);
    QFETCH(QStringList, commands);
    QFETCH(QString, message);
    QFETCH(bool, pageCloses);

    mMain.close();
    storeLongestBacklightDelay();
    mMain.open(true);
    if (dateRefused)
        TCommandRunner::instance().setSimulation(QStringLiteral("date"), refused);
    mMain.click("BtnSettings");
    mMain.click("BtnSettings_Time");
    QCOMPARE(mMain.menuPage(), mMain.child("PageTime"));
    mMain.click("BtnSetTime_24h");
    mMain.click("BtnSetDate_FormatDDMM");
    const QStringList fields{"BtnSetTime_Hours", "BtnSetTime_Minutes", "BtnSetDate_Val1", "BtnSetDate_Val2",
                             "BtnSetDate_Year"};
    const QStringList numbers{"15", minutes, "06", "12", "2026"};
    for (int field = 0; field < fields.size(); ++field)
        mMain.child<QAbstractButton>(qPrintable(fields.at(field)))->setText(numbers.at(field));
    TTestEnvironment::clearRecordedCommands();

    TMessageRecorder messages;
    mMain.click("BtnSave");
    QCOMPARE(messages.texts(), QStringList{message});
    // The stick check goes on meanwhile, as often as a loaded machine lets its timer fall due under the message.
    QStringList recorded = TTestEnvironment::recordedCommands();
    recorded.removeAll(QStringLiteral("/bin/sh -c \"blkid /dev/sd?\""));
    QCOMPARE(recorded, commands);
    QCOMPARE(mMain.menuPage(), pageCloses ? mMain.child("PageMenu") : mMain.child("PageTime"));
    const bool restarting = commands.contains(QStringLiteral("reboot"));
    QCOMPARE(timer("mCyclicCheckTimer")->isActive(), !restarting);
    QCOMPARE(timer("mBacklightTimer")->isActive(), !restarting);
}

TAMARIND_TEST_MAIN(tst_MainWindowMenu)
#include "tst_mainwindowmenu.moc"

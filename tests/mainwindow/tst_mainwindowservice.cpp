#include "authorizationcontroller.h"
#include "boardstate.h"
#include "brightnesswidget.h"
#include "decimaldisplaycontroller.h"
#include "formtestsupport.h"
#include "languagecontroller.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "probealarmcontroller.h"
#include "tamarindclock.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QDomDocument>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>

#include <functional>
#include <memory>
#include <vector>

namespace
{
// Watches every event while the factory reset runs and notes, in the order of the events, when each settings owner
// has put its default back (a setting's default, or the board's calibration request received).
class TResetOrder : public QObject
{
public:
    struct TStep
    {
        QString mName;
        std::function<bool()> mDone;
        // The step stores the first key of a section; the settings file then orders it against another such step.
        bool mOwnSection = false;
    };

    explicit TResetOrder(std::vector<TStep> pSteps) : mSteps(std::move(pSteps)) { qApp->installEventFilter(this); }
    ~TResetOrder() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent*) override
    {
        look();
        return false;
    }

    // Once per event: the number of the event at which each step is first seen done. Steps done between the
    // same two events share a number.
    void look()
    {
        ++mEvents;
        for (const TStep& step : mSteps) {
            if (!mSeenAt.contains(step.mName) && step.mDone())
                mSeenAt.insert(step.mName, mEvents);
        }
    }

    // Empty when every step was seen after the one ahead of it, or together with it where the settings file tells
    // the two apart; otherwise what was seen.
    QString outOfOrder() const
    {
        QStringList seen;
        bool inOrder = true;
        const TStep* previous = nullptr;
        for (const TStep& step : mSteps) {
            const int at = mSeenAt.value(step.mName, -1);
            seen << QStringLiteral("%1 at %2").arg(step.mName).arg(at);
            if (previous) {
                const int previousAt = mSeenAt.value(previous->mName, -1);
                inOrder =
                    inOrder && (at > previousAt || (at == previousAt && step.mOwnSection && previous->mOwnSection));
            }
            previous = &step;
        }
        return inOrder ? QString() : seen.join(QStringLiteral(", "));
    }

private:
    std::vector<TStep> mSteps;
    QHash<QString, int> mSeenAt;
    int mEvents = 0;
};

// The names of the child elements of pElement that are among pNames, in the order of the document.
QStringList elementOrder(const QDomElement& pElement, const QStringList& pNames)
{
    QStringList order;
    for (QDomElement child = pElement.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (pNames.contains(child.tagName()))
            order << child.tagName();
    }
    return order;
}

std::function<bool()> settingIs(const char* pSection, const char* pKey, const char* pValue)
{
    return [=]() {
        return TTamarindSettings::instance().value(QLatin1String(pSection), QLatin1String(pKey)) ==
               QLatin1String(pValue);
    };
}
} // namespace

// The service page, the information page, the factory reset and the retranslation of the real main window,
// driven offscreen against the simulated board.
class tst_MainWindowService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void serviceLevelByPassword_data();
    void serviceLevelByPassword();
    void cancelledPasswordChangesNothing();
    void leavingTheServiceLevel();
    void serviceRowsGiveTheReturnButton();
    void touchscreenReset_data();
    void touchscreenReset();
    void infoScreen_data();
    void infoScreen();
    void factoryReset_data();
    void factoryReset();
    void languageChangeRetranslatesTheWindow();

private:
    TMainWindowFixture mMain;
};

void tst_MainWindowService::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowService::init()
{
    mMain.open(true);
}

void tst_MainWindowService::cleanup()
{
    mMain.close();
    TAuthorizationController::instance().resetLevel();
    for (int port = 1; port <= 4; ++port)
        mMain.board().fitSwitchBox(port, TSimulatedSwitchBox());
}

void tst_MainWindowService::serviceLevelByPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("level 1") << "service4711" << 1 << QStringList();
    QTest::newRow("level 2") << "factory2357" << 2 << QStringList();
    QTest::newRow("wrong password") << "service4712" << 0 << QStringList{"Access denied."};
    QTest::newRow("empty password") << "" << 0 << QStringList{"Access denied."};
}

// Both levels open the same group; the page follows the level.
void tst_MainWindowService::serviceLevelByPassword()
{
    QFETCH(QString, password);
    QFETCH(int, level);
    QFETCH(QStringList, messages);
    mMain.click("BtnService");
    TModalAnswer::onNextModal([password](QWidget* pPad) { typeOnPad(pPad, password); });
    TMessageRecorder recorder;
    mMain.click("BtnEnterZELKServiceLevel");
    QCOMPARE(TAuthorizationController::instance().level(), level);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(mMain.shown("WgtZELKServiceLevel"), level > 0);
    QCOMPARE(mMain.shown("BtnEnterZELKServiceLevel"), level == 0);
    mMain.snapshot(QStringLiteral("mainwindow_service_level%1").arg(level));
}

void tst_MainWindowService::cancelledPasswordChangesNothing()
{
    mMain.click("BtnService");
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"BtnUp_S", "BtnUp_Cancel"}); });
    TMessageRecorder recorder;
    mMain.click("BtnEnterZELKServiceLevel");
    QCOMPARE(TAuthorizationController::instance().level(), 0);
    QCOMPARE(recorder.count(), 0);
}

void tst_MainWindowService::leavingTheServiceLevel()
{
    mMain.click("BtnService");
    QCOMPARE(TAuthorizationController::instance().enterLevel(QStringLiteral("factory2357")), 2);
    QVERIFY(mMain.shown("WgtZELKServiceLevel"));
    mMain.window()->showSubMenu(QStringLiteral("Recalibration cycle"), mMain.child("PageRecalCycle"), nullptr,
                                smtViewer);

    mMain.click("BtnLeaveZELKServiceLevel");
    QCOMPARE(TAuthorizationController::instance().level(), 0);
    QVERIFY(!mMain.shown("WgtZELKServiceLevel"));
    QVERIFY(mMain.shown("BtnEnterZELKServiceLevel"));
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(mMain.text("LblMenuCaption"), QStringLiteral("Menu"));
}

void tst_MainWindowService::serviceRowsGiveTheReturnButton()
{
    mMain.click("BtnService");
    mMain.click("BtnService_FirmwareUpdate_UI");
    QVERIFY(mMain.shown("BtnReturnToMainMenu"));
    QVERIFY(!mMain.shown("LblMenuIcon"));
}

void tst_MainWindowService::touchscreenReset_data()
{
    QTest::addColumn<QString>("calibration");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("remains");
    QTest::newRow("calibration file removed") << "file"
                                              << "Please restart the instrument to calibrate the touchscreen." << false;
    QTest::newRow("no calibration file") << ""
                                         << "Please restart the instrument to calibrate the touchscreen." << false;
    // A directory in its place cannot be removed as a file.
    QTest::newRow("calibration that cannot be removed") << "directory"
                                                        << "The touchscreen calibration could not be reset." << true;
}

void tst_MainWindowService::touchscreenReset()
{
    QFETCH(QString, calibration);
    QFETCH(QString, message);
    QFETCH(bool, remains);
    const QString path = TTestEnvironment::root() + QStringLiteral("/etc/pointercal");
    TTestEnvironment::removeUnderRoot(path);
    if (calibration == QLatin1String("file"))
        TAMARIND_WRITE_DEVICE_FILE("/etc/pointercal", "1 0 0 0 1 0 65536\n");
    else if (calibration == QLatin1String("directory"))
        TAMARIND_WRITE_DEVICE_FILE("/etc/pointercal/held", "x");

    mMain.click("BtnService");
    TAuthorizationController::instance().enterLevel(QStringLiteral("service4711"));
    mMain.window()->showSubMenu(QStringLiteral("Operating time"), mMain.child("PageOperatingTime"), nullptr, smtViewer);
    TMessageRecorder recorder;
    mMain.click("BtnService_TouchscreenCalibration");
    QCOMPARE(recorder.texts(), QStringList{message});
    QCOMPARE(QFileInfo::exists(path), remains);
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
}

void tst_MainWindowService::infoScreen_data()
{
    QTest::addColumn<int>("boxes");
    QTest::newRow("no switch box") << 0;
    QTest::newRow("switch boxes on the first two ports") << 2;
}

void tst_MainWindowService::infoScreen()
{
    QFETCH(int, boxes);
    mMain.close();
    for (int port = 1; port <= boxes; ++port) {
        TSimulatedSwitchBox box;
        box.mType = sbtSWX6300_PRT16;
        box.mSerialNumber = QStringLiteral("SB-%1").arg(port);
        box.mDate = QDate(2019, 11, port);
        mMain.board().fitSwitchBox(port, box);
    }
    TAMARIND_WRITE_DEVICE_FILE("/home/serialnumber", "ZT123456");
    mMain.open(true);

    mMain.click("BtnInfo");
    QCOMPARE(mMain.text("LblInfo_InstrumentSerialNumber"), QStringLiteral("ZT123456"));
    // The simulated board's identity.
    QCOMPARE(mMain.text("LblInfo_MeasurementSerialNumber"), QStringLiteral("MB19040017"));
    QCOMPARE(mMain.text("LblInfo_FirmwareVersion"), QStringLiteral("1.32"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}%$")).match(mMain.text("LblInfo_Storage")).hasMatch(),
             qPrintable(mMain.text("LblInfo_Storage")));

    mMain.snapshot(QStringLiteral("mainwindow_info_%1boxes").arg(boxes));
    QCOMPARE(mMain.shown("LblInfo_ScannerHeader"), boxes > 0);
    const char* lines[] = {"WgtInfo_Switchbox1", "WgtInfo_Switchbox2", "WgtInfo_Switchbox3", "WgtInfo_Switchbox4"};
    for (int index = 0; index < 4; ++index)
        QCOMPARE(mMain.shown(lines[index]), index < boxes);
    if (boxes > 1) {
        QVERIFY(!mMain.text("LblInfo_Switchbox2_Type").isEmpty());
        // Day-first dates.
        QCOMPARE(mMain.text("LblInfo_Switchbox2_Snr"), QStringLiteral("SB-2 (02/11/2019)"));
    }
}

void tst_MainWindowService::factoryReset_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("boardRefuses");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("yes") << "BtnYes" << false << QStringList();
    QTest::newRow("yes, the board does not restore its calibration")
        << "BtnYes" << true << QStringList{"The factory calibration data could not be restored, please try again."};
    QTest::newRow("no") << "BtnNo" << false << QStringList();
}

// The user's settings of every owner that exists go back to those of a new instrument, and the board is asked for
// its factory calibration; No leaves everything as it was.
void tst_MainWindowService::factoryReset()
{
    QFETCH(QString, answer);
    QFETCH(bool, boardRefuses);
    QFETCH(QStringList, messages);

    mMain.click("BtnSettings");
    mMain.click("BtnSettings_Sound");
    mMain.click("BtnSoundKeys_on");
    mMain.click("BtnSettings_BacklightOff");
    mMain.click("BtnBacklightOff_30s");
    mMain.click("BtnSettings_DataSeparator");
    mMain.click("BtnDecSep_Comma");
    mMain.click("BtnSettings_AlarmForProbes");
    mMain.click("BtnProbeAlarms_Off");
    mMain.click("BtnReturnToMainMenu");
    mMain.window()->findChild<TBrightnessWidget*>()->setBrightness(100);
    // The clock takes a new format only together with a new time; its stored format tells the reset.
    TTamarindSettings::instance().setValue(QStringLiteral("datetime"), QStringLiteral("timeformat"),
                                           QString::number(tfAMPM));
    TLanguageController::instance().setLanguage(Languagecontroller::ltGerman);
    TLanguageController::instance().storeSettings();
    // The texts to compare with are the German ones the window shows once it has been retranslated.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QString changedSound = mMain.text("LblSettings_SoundValue");
    const QString changedAlarm = mMain.text("LblSettings_AlarmForProbes_Val");
    // The board notes what the settings file held when it was asked for its calibration; it answers as told.
    TBoardState::THandler restore;
    QByteArray settingsAtCalibrationRequest;
    mMain.board().withState([&](TBoardState& pState) {
        restore = pState.commandHandler("cal:rese");
        pState.addCommand(
            "cal:rese", true,
            [&settingsAtCalibrationRequest, restore, boardRefuses](const QString& pArguments, double pNow) {
                settingsAtCalibrationRequest = TTestEnvironment::readDeviceFile(TTamarindSettings::SETTINGS_FILE_PATH);
                return boardRefuses ? QByteArray("E5") : restore(pArguments, pNow);
            });
    });
    mMain.board().clearRecord();

    // The question first; a message after it is read and closed.
    QStringList messagesShown;
    TModalAnswer::onNextModal([&](QWidget* pQuestion) {
        QTest::mouseClick(pQuestion->findChild<QWidget*>(answer), Qt::LeftButton);
        if (!messages.isEmpty())
            TModalAnswer::onNextModal([&](QWidget* pMessage) {
                messagesShown << pMessage->findChild<QLabel*>(QStringLiteral("LblText"))->text();
                QTest::mouseClick(pMessage->findChild<QWidget*>(QStringLiteral("BtnOK")), Qt::LeftButton);
            });
    });
    // A section or key new to the settings file is added at its end: without them beforehand, the file keeps
    // the order in which the owners stored their defaults.
    const QStringList sections{"language",  "brightness",         "datetime",     "sound",
                               "avg_value", "std_probe_settings", "probe_alarms", "scan"};
    if (answer == QLatin1String("BtnYes")) {
        for (const QString& section : sections)
            TTamarindSettings::instance().removeSection(section);
    }
    TResetOrder order({
        {"language", settingIs("language", "language", "1"), true},
        {"backlight off", settingIs("brightness", "backlight_off", "0"), true},
        {"brightness", settingIs("brightness", "value", "60")},
        {"clock", settingIs("datetime", "timeformat", "1"), true},
        {"sound", settingIs("sound", "keystrokes", "0"), true},
        {"decimal separator", settingIs("language", "decimal_separator", ".")},
        {"averaging", settingIs("avg_value", "sample_count", "10"), true},
        {"standard probe settings", settingIs("std_probe_settings", "conv_prt", "1"), true},
        {"probe alarm", settingIs("probe_alarms", "alarms", "1"), true},
        {"scan mode", settingIs("scan", "hold_time", "7"), true},
    });
    mMain.click("BtnSettings_FactoryReset");
    order.look();
    QCOMPARE(messagesShown, messages);
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    const bool reset = answer == QLatin1String("BtnYes");
    QCOMPARE(mMain.board().receivedCommands().contains("cal:rese"), reset);
    QCOMPARE(TLanguageController::instance().currentLanguage(),
             reset ? Languagecontroller::ltEnglishUK : Languagecontroller::ltGerman);
    QCOMPARE(mMain.text("LblSelectedBacklightOff"),
             reset ? mMain.text("LblBacklightOff_Off") : mMain.text("LblBacklightOff_30s"));
    QCOMPARE(mMain.text("LblSelectedBrightness"), reset ? QStringLiteral("60%") : QStringLiteral("100%"));
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("datetime"), QStringLiteral("timeformat")),
             QString::number(reset ? tf24h : tfAMPM));
    QCOMPARE(mMain.text("LblSettings_SoundValue"),
             reset ? QStringLiteral("Keystroke sound Off, Alarm On") : changedSound);
    QCOMPARE(TDecimalDisplayController::instance().decimalSeparator(), reset ? QChar('.') : QChar(','));
    QCOMPARE(mMain.text("LblSettings_AlarmForProbes_Val"), reset ? mMain.text("LblProbeAlarms_On") : changedAlarm);

    mMain.board().withState([&restore](TBoardState& pState) { pState.addCommand("cal:rese", true, restore); });
    if (!reset) {
        TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
        mMain.window()->factoryReset();
        return;
    }

    // One owner after the other, in the order the instrument's reset is documented to take: the events between
    // the steps tell most of them apart, the settings file the rest. The board is asked last.
    QCOMPARE(order.outOfOrder(), QString());
    QDomDocument stored;
    QVERIFY(stored.setContent(TTestEnvironment::readDeviceFile(TTamarindSettings::SETTINGS_FILE_PATH)));
    QCOMPARE(elementOrder(stored.documentElement(), sections), sections);
    QDomDocument atCalibrationRequest;
    mMain.board().withState(
        [&](TBoardState&) { QVERIFY(atCalibrationRequest.setContent(settingsAtCalibrationRequest)); });
    QCOMPARE(elementOrder(atCalibrationRequest.documentElement(), sections), sections);
    QCOMPARE(elementOrder(stored.documentElement().firstChildElement("brightness"), {"backlight_off", "value"}),
             (QStringList{"backlight_off", "value"}));
}

// After a change of language the form's texts, the title of the open page, the caption of the active settings row
// and the channel configuration's tool tip come from the new translation, the tool tip with the instrument name once.
void tst_MainWindowService::languageChangeRetranslatesTheWindow()
{
    mMain.click("BtnSettings");
    mMain.click("BtnSettings_Sound");
    TMarkingCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::removeTranslator(&catalogue);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::installTranslator(&catalogue);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(mMain.text("LblSettings_Language"), TMarkingCatalogue::marked("Language"));
    QCOMPARE(mMain.text("LblTitle"), TMarkingCatalogue::marked("Settings"));
    QCOMPARE(mMain.text("LblMenuCaption"), mMain.text("LblSettings_Sound"));
    QCOMPARE(mMain.child<QLabel>("LblChanConf_ZTM8800")->toolTip(),
             TMarkingCatalogue::marked("Chan. config") + QStringLiteral(" ZTM9900"));
    QCoreApplication::removeTranslator(&catalogue);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

TAMARIND_TEST_MAIN(tst_MainWindowService)
#include "tst_mainwindowservice.moc"

#include "tamarindmainform.h"

#include "authorizationcontroller.h"
#include "averagevaluesettingcontroller.h"
#include "brightnesscontroller.h"
#include "brightnesswidget.h"
#include "buzzercontroller.h"
#include "buzzerguicontroller.h"
#include "calibrationroutinesguicontroller.h"
#include "calibrationfilestore.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "channelviewfactory.h"
#include "cjccalibrationitem.h"
#include "clickablewidgetcontroller.h"
#include "customlogocontroller.h"
#include "customlogoguicontroller.h"
#include "decimaldisplaycontroller.h"
#include "desktopbackground.h"
#include "deviceroot.h"
#include "downloadcontroller.h"
#include "ethernetcommunicationinterface.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"
#include "fileversionreader.h"
#include "graphviewcontroller.h"
#include "ieeeconfigurationcontroller.h"
#include "instrumentinfo.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "languagecontroller.h"
#include "logfilecontroller.h"
#include "measurementboardinfo.h"
#include "osversion.h"
#include "probealarmcontroller.h"
#include "probecontroller.h"
#include "probeeditorfactory.h"
#include "remotesettingscontroller.h"
#include "rs232configurationcontroller.h"
#include "scanmodecontroller.h"
#include "screenshotcontroller.h"
#include "serialcommunicationinterface.h"
#include "standardprobesettingcontroller.h"
#include "tamarindclock.h"
#include "tamarindsettings.h"
#include "twopointcalibrationitem.h"
#include "unitselectionprovider.h"
#include "usbstickcontroller.h"
#include "userdatabackupcontroller.h"
#include "valueshadoweffect.h"
#include "windowplacement.h"

#include <QApplication>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QTimer>

namespace
{
// The touch controller's sensitivity; only the device of platform 1 has this file.
constexpr const char* TOUCHSCREEN_THRESHOLD_FILE = "/sys/devices/platform/omap/omap_i2c.1/i2c-1/1-0038/threshold";
constexpr const char* BOARD_PORT = "/dev/ttyO2";
constexpr const char* BUZZER_GPIO_FILE = "/sys/class/gpio/gpio7/value";
constexpr const char* SCREENSHOT_DIR = "/home/Screenshots";
constexpr const char* LOGFILE_DIR = "/home/Logfiles";

constexpr int LONG_PRESS_DURATION = 1000;
// Often enough to notice a stick soon after it is plugged in, rarely enough
// that probing for it does not slow the screen down.
constexpr int USB_CHECK_INTERVAL = 1700;
constexpr int OPERATING_TIME_REFRESH_INTERVAL = 1000;

using TGradientStops = std::initializer_list<std::pair<const char*, const char*>>;

QString verticalGradient(TGradientStops pStops)
{
    QString gradient = QStringLiteral("qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1");
    for (const auto& stop : pStops)
        gradient += QStringLiteral(", stop:%1 %2").arg(QLatin1String(stop.first), QLatin1String(stop.second));
    return gradient + QLatin1Char(')');
}

using TRows = std::initializer_list<std::pair<QWidget*, QLabel*>>;

// Rows with their caption labels (or none), in list order.
void addRows(TClickableWidgetController& pRegistry, TRows pRows)
{
    for (const auto& row : pRows)
        pRegistry.addWidget(row.first, row.second);
}

const TGradientStops DISABLED_GRADIENT{{"0", "#333333"}, {"0.1", "#FFFFFF"}, {"0.3", "#999999"}, {"0.8", "#444444"}};

QString clickableRowSheet(TGradientStops pStops, const QString& pExtraRules)
{
    return QStringLiteral(".QWidget { background-color: %1; border: 2px solid #252525; border-radius: 6px;"
                          " outline: none; color: white; min-height: 30px; max-height: 30px; } ")
               .arg(verticalGradient(pStops)) +
           pExtraRules;
}

QString infoBarSheet(const char* pBorder, const char* pBackground)
{
    return QStringLiteral("#pnlInformationBar { border: 2px solid %1; background-color: %2; }")
        .arg(QLatin1String(pBorder), QLatin1String(pBackground));
}

QString channelDependingBarSheet(const char* pPanelBorder, const char* pPanelBackground, TGradientStops pButton,
                                 const char* pButtonBorder)
{
    return QStringLiteral("QZELKGreyPanel { border: 2px solid %1; border-radius: 10px; background-color: %2;"
                          " outline: none; } "
                          "QZELKPushButton::disabled { background-color: %3; color: %2; } "
                          "QZELKPushButton::pressed { background-color: %4; } "
                          "QZELKPushButton { color: white; background-color: %5; border: 2px solid %6;"
                          " border-radius: 10px; qproperty-iconSize: 60px 75px; outline: none; }")
        .arg(QLatin1String(pPanelBorder), QLatin1String(pPanelBackground), verticalGradient(DISABLED_GRADIENT),
             verticalGradient({{"0", "#FF6600"}, {"0.1", "#FFCC00"}, {"0.3", "#FF6600"}, {"0.8", "#FF9900"}}),
             verticalGradient(pButton), QLatin1String(pButtonBorder));
}
} // namespace

TTamarindMainForm::TTamarindMainForm(QWidget* pParent) : QWidget(pParent)
{
    // Dialogs and the run view open over this window, not over whichever is in use.
    TWindowPlacement::setMainWindow(this);
    setupLayout();
    initTouchscreen();
    connectClock();
    addValueShadows();
    initAuthorizationController();
    onAuthorizationLevelChanged(0, 0);
    buildBoardLink();
    initUSBStick();
    // Before any remote client can start a restore of its own.
    TUserDataBackupController::removeLeftovers();
    initMenuColumn();
    readInstrumentType();
    initScreenshots();
    initMainMenuButtons();
    initClock();
    initLanguages();
    initBrightness();
    buildSettingsList();
    buildLanguageRows();
    buildBacklightOffRows();
    buildDecimalSeparatorRows();
    buildTimeFormatRows();
    buildSoundRows();
    buildDateFormatRows();
    buildAverageValueSetting();
    buildProbeAlarmRows();
    buildServiceList();
    buildSmartProbeEditRows();
    buildChannelController();
    buildScanMode();
    buildGraphView();
    buildStandardProbeSettings();
    buildChannelViewManager();
    buildProbeController();
    buildLogger();
    buildRemoteControl();
    buildChannelViews();
    fitProbeEditorToInstrumentType();
    hideChannelViewWarnings();
    buildCalibrationRoutines();
    // Reads the stored calibration results through the routines screen.
    buildDownloadController();
    startUSBCheck();
    buildCalibrationItemList();
    registerChannelListeners();
    showInstrumentName();
    mConstructionComplete = true;
    // Last: the first poll must find every controller, view and listener in place.
    startReading();
}

// Timers that call into controllers go first, listeners leave the channel
// controller before anyone of them goes, and each layer of the board and remote
// communication goes before the one it sends through.
TTamarindMainForm::~TTamarindMainForm()
{
    // Events sent while the controllers go must not reach a window half released.
    qApp->removeEventFilter(this);
    releaseRemoteControl();
    // It uses the probe, channel and view controllers released below.
    mDownloadController.reset();

    mCustomLogoGUIController.reset();
    mCalibrationRoutinesGUIController.reset();
    mOperatingTimeTimer.reset();
    mCyclicCheckTimer.reset();
    if (mChannelController && mScanModeController)
        mChannelController->removeListener(mScanModeController.get());
    if (mChannelController && mLogfileController)
        mChannelController->removeListener(mLogfileController.get());
    if (mChannelController && mGraphViewController)
        mChannelController->removeListener(mGraphViewController.get());
    mLogfileController.reset();
    mChannelController.reset();
    mGraphViewController.reset();
    mScanModeController.reset();
    mInternalSCPIHandler.reset();
    mIntCommController.reset();
    mUnitSelectionProvider.reset();
    mBrightnessController.reset();
    mScreenshotTimer.reset();
    mLogfileManModeTimer.reset();
    clearCalibrationItems();
    mChannelViewControllerManager.reset();
    mProbeController.reset();
    mBuzzerGUIController.reset();
    mProbeAlarmsWidgetController.reset();
    mStdProbeSettingsController.reset();
    mAverageValueSettingController.reset();
    mServiceWidgetController.reset();
    mSoundWidgetController_Alarms.reset();
    mSoundWidgetController_Keys.reset();
    TDecimalDisplayController::instance().setWidgetController(nullptr);
    mSettingsDecimalSeparatorWidgetController.reset();
    mSettingsWidgetController.reset();
    mCalibrationItemsWidgetController.reset();
    detachFromProcessServices();
}

// The services of the process outlive the window: they must keep nothing of its widgets.
void TTamarindMainForm::detachFromProcessServices()
{
    using namespace Languagecontroller;
    TLanguageController& languages = TLanguageController::instance();
    languages.setLangSelectWidgetController(nullptr);
    languages.setLangSelectIndicatorLabels(nullptr, nullptr);
    for (int language = ltEnglishUK; language <= ltPortuguese; ++language)
        languages.assignLanguageActivationWidget(EnLanguageType(language), nullptr, nullptr, nullptr);
}

std::unique_ptr<TClickableWidgetController>
TTamarindMainForm::createDefaultClickableWidgetController(QLabel* pIndicationLabel)
{
    auto registry = std::make_unique<TClickableWidgetController>(pIndicationLabel);
    connect(registry.get(), &TClickableWidgetController::widgetActivated, this,
            &TTamarindMainForm::default_widget_activated_handler);
    return registry;
}

void TTamarindMainForm::useStartLogoAsBackground()
{
    const int customLogoIndex = TCustomLogoController().customLogoIndex();
    const QString image = customLogoIndex >= 1 ? QStringLiteral(":/logo/res/custom_background_") +
                                                     QString::number(customLogoIndex) + QStringLiteral(".png")
                                               : QStringLiteral(":/logo/res/zelk_background.png");
    QBrush background = TDesktopBackground::background();
    background.setTexture(QPixmap(image));
    TDesktopBackground::setBackground(background);
}

void TTamarindMainForm::showAsTheProgram()
{
    qApp->installEventFilter(this);
    showFullScreen();
}

// Under Qt for Embedded Linux the window server painted the start logo behind the window; here the window
// paints it itself, under its own background.
void TTamarindMainForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TDesktopBackground::paint(painter, rect());
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void TTamarindMainForm::setupLayout()
{
    // New window flags restyle every widget of the window: set before there are any.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    uicontainer.setupUi(this);
    ui = &uicontainer;
}

void TTamarindMainForm::initTouchscreen()
{
    if (TOSVersion::instance().platformVersion_Major() != 1)
        return;
    const QString threshold =
        TTamarindSettings::instance().value(QStringLiteral("touchscreen"), QStringLiteral("threshold"), QString());
    if (threshold.isEmpty())
        return;
    QFile file(TDeviceRoot::path(QLatin1String(TOUCHSCREEN_THRESHOLD_FILE)));
    if (file.open(QIODevice::WriteOnly))
        file.write(threshold.toLocal8Bit());
}

void TTamarindMainForm::connectClock()
{
    connect(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime, this,
            &TTamarindMainForm::onBeforeChangeSystemTime);
}

void TTamarindMainForm::addValueShadows()
{
    for (QLabel* label : {ui->lblSingleViewMainVal, ui->Lbl2ChanViewMainValue_Top, ui->Lbl2ChanViewMainValue_Btm,
                          ui->Lbl3ChanViewMainValue_Top, ui->Lbl3ChanViewMainValue_Mid, ui->Lbl3ChanViewMainValue_Btm,
                          ui->Lbl4ChanViewMainValue_TopLeft, ui->Lbl4ChanViewMainValue_TopRight,
                          ui->Lbl4ChanViewMainValue_BtmLeft, ui->Lbl4ChanViewMainValue_BtmRight}) {
        auto* shadow = new TValueShadowEffect(label);
        shadow->setOffset(2, 2);
        label->setGraphicsEffect(shadow);
    }
    ui->BtnUSB->hide();
}

void TTamarindMainForm::initAuthorizationController()
{
    const TTamarindSettings& settings = TTamarindSettings::instance();
    const QString section = QStringLiteral("authorization");
    TAuthorizationController& authorization = TAuthorizationController::instance();
    authorization.addLevel(settings.value(section, QStringLiteral("level1"),
                                          QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL1)));
    authorization.addLevel(settings.value(section, QStringLiteral("level2"),
                                          QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL2)));
    connect(&authorization, &TAuthorizationController::authorizationLevelChanged, this,
            &TTamarindMainForm::onAuthorizationLevelChanged);
}

void TTamarindMainForm::buildBoardLink()
{
    mIntCommController =
        std::make_unique<TIntCommController>(QLatin1String(BOARD_PORT), QSerialPort::Baud57600, QSerialPort::Data8,
                                             QSerialPort::NoParity, QSerialPort::OneStop);
    mInternalSCPIHandler = std::make_unique<TInternalSCPIHandler>(mIntCommController.get());
    TInstrumentInfo::instance()->initialize(mInternalSCPIHandler.get());
    connect(mInternalSCPIHandler.get(), &TInternalSCPIHandler::twoPointCalibrationItemStored, this,
            &TTamarindMainForm::onTwoPointCalibrationDataStored);
    connect(mInternalSCPIHandler.get(), &TInternalSCPIHandler::cjcOffsetStored, this,
            &TTamarindMainForm::onCJCOffsetStored);
}

void TTamarindMainForm::initUSBStick()
{
    TUSBStickControllerProvider::getUSBStickController()->initialize();
    mEthernetConfController =
        TEthernetConfigurationControllerFactory().createEthernetConfigurationController(QStringLiteral("eth0"));
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, &TTamarindMainForm::onMainStackedWidgetChanged);
}

void TTamarindMainForm::initMenuColumn()
{
    mClickableWidgetStylesheet_default =
        clickableRowSheet({{"0", "#242424"}, {"0.05", "#A0A0A0"}, {"0.4", "#191919"}, {"1", "#414141"}},
                          QStringLiteral(".QWidget::disabled { background-color: %1; color: #444444; }")
                              .arg(verticalGradient(DISABLED_GRADIENT)));
    mClickableWidgetStylesheet_active =
        clickableRowSheet({{"0", "#FF6600"}, {"0.05", "#FFCC00"}, {"0.4", "#FF6600"}, {"1", "#FF9900"}},
                          QStringLiteral("QLabel { color: black; }"));
    mStylesheetInfoBar_blue = infoBarSheet("#0F385E", "#104474");
    mStylesheetInfoBar_green = infoBarSheet("#006304", "#005B0A");
    mStylesheetInfoBar_red = infoBarSheet("#560512", "#7A1312");
    mStylesheetInfoBar_yellow = infoBarSheet("#FF6126", "#FF7C00");
    mStylesheetChannelDependingBar_blue = channelDependingBarSheet(
        "#062C51", "#032343", {{"0", "#4990d0"}, {"0.05", "#6ab3f4"}, {"0.25", "#083a67"}, {"1", "#0a5ca9"}},
        "#032343");
    mStylesheetChannelDependingBar_green = channelDependingBarSheet(
        "#003802", "#002D02", {{"0", "#00A813"}, {"0.05", "#00CE18"}, {"0.25", "#005B0A"}, {"1", "#007F0E"}},
        "#002D04");

    mScreenshotTimer = std::make_unique<QTimer>(this);
    mScreenshotTimer->setObjectName(QStringLiteral("mScreenshotTimer"));
    mScreenshotTimer->setSingleShot(true);
    mScreenshotTimer->setInterval(LONG_PRESS_DURATION);
    connect(mScreenshotTimer.get(), &QTimer::timeout, this, &TTamarindMainForm::take_screenshot);
    mLogfileManModeTimer = std::make_unique<QTimer>(this);
    mLogfileManModeTimer->setObjectName(QStringLiteral("mLogfileManModeTimer"));
    mLogfileManModeTimer->setSingleShot(true);
    mLogfileManModeTimer->setInterval(LONG_PRESS_DURATION);
    connect(mLogfileManModeTimer.get(), &QTimer::timeout, this, &TTamarindMainForm::manual_logfile_entry);

    ui->BtnReturnToMainMenu->hide();
    ui->BtnCancel->hide();
    ui->BtnSave->hide();
    holdMainMenuCaptionHeights();
    setMainMenuCaption();
    mUnitSelectionProvider = std::make_unique<TUnitSelectionProvider>(
        this, ui->PageUnitSelection, ui->btnUnitSelCelcius, ui->btnUnitSelFahrenheit, ui->btnUnitSelKelvin,
        ui->btnUnitSelOhm, ui->btnUnitSelMilliVolt);
}

void TTamarindMainForm::readInstrumentType()
{
    if (const TMeasurementBoardInfo* boardInfo = TInstrumentInfo::instance()->measurementBoardInfo()) {
        mInstrumentType = boardInfo->instrumentType();
        if (mInstrumentType == ZTM8800 || mInstrumentType == ZTM8800v2)
            mFirmwareUI_FilePattern = QStringLiteral("*ZTM8800_UI*.dat");
        else if (mInstrumentType == ZTM9900)
            mFirmwareUI_FilePattern = QStringLiteral("*ZTM9900_UI*.dat");
    }
    mFirmwareUI_Tag = QStringLiteral("ZTM8800UI");
}

void TTamarindMainForm::initScreenshots()
{
    TScreenshotController& screenshots = TScreenshotController::instance();
    screenshots.init(QLatin1String(SCREENSHOT_DIR));
    connect(&screenshots, &TScreenshotController::screenshotTaken, this, &TTamarindMainForm::onScreenshotTaken);
    mLogfileDir = QLatin1String(LOGFILE_DIR);
}

void TTamarindMainForm::initMainMenuButtons()
{
    struct TMenuButton
    {
        QZELKAppButton* button;
        QLabel* label;
        QWidget* page;
        const char* iconPrefix;
        bool highlight;
    };
    const TMenuButton buttons[] = {
        {ui->BtnHome, ui->LblHome, ui->PageHome, "home", false},
        {ui->BtnSettings, ui->LblSettings, ui->PageSettings, "settings", true},
        {ui->BtnProbes, ui->LblProbes, ui->PageProbes, "probes", true},
        {ui->BtnScan, ui->LblScan, ui->PageScan, "scan", true},
        {ui->BtnLogger, ui->LblLogger, ui->PageLogger, "logger", true},
        {ui->BtnRemote, ui->LblRemote, ui->PageRemote, "remote", true},
        {ui->BtnCalibrationRoutines, ui->LblCalibrationRoutines, ui->PageCalibrationRoutines, "calibration", true},
        {ui->BtnInfo, ui->LblInfo, ui->PageInfo, "info", true},
        {ui->BtnService, ui->LblService, ui->PageService, "service", true},
        {ui->BtnUSB, ui->LblDownload, ui->PageDownload, "download", true},
    };
    for (const TMenuButton& entry : buttons)
        entry.button->setMenuButtonContext(entry.label, entry.page, ui->LblTitlebar, ui->LblTitle,
                                           QLatin1String(entry.iconPrefix), entry.highlight, this);
    ui->stackedWidget->setCurrentWidget(ui->PageHome);
    ui->stackedWidgetMenu->setCurrentWidget(ui->PageMenu);
}

void TTamarindMainForm::initClock()
{
    TTamarindClock& clock = TTamarindClock::instance();
    clock.addClockLabel(ui->LblTime);
    clock.addDateTimeLabel(ui->LblSettings_TimeValue);
    clock.updateClockDisplayLabels();
}

void TTamarindMainForm::initLanguages()
{
    using namespace Languagecontroller;
    TLanguageController& languages = TLanguageController::instance();
    const std::pair<EnLanguageType, const char*> files[] = {
        {ltEnglishUSA, ":/translations/tamarind_us.qm"}, {ltGerman, ":/translations/tamarind_de.qm"},
        {ltSpanish, ":/translations/tamarind_sp.qm"},    {ltFrench, ":/translations/tamarind_fr.qm"},
        {ltItalian, ":/translations/tamarind_it.qm"},    {ltPolish, ":/translations/tamarind_pl.qm"},
        {ltRussian, ":/translations/tamarind_ru.qm"},    {ltArabic, ":/translations/tamarind_ar.qm"},
        {ltChinese, ":/translations/tamarind_cn.qm"},    {ltJapanese, ":/translations/tamarind_jp.qm"},
        {ltPortuguese, ":/translations/tamarind_pg.qm"},
    };
    for (const auto& file : files)
        languages.registerLanguageFile(file.first, QLatin1String(file.second));

    struct TLanguageRow
    {
        EnLanguageType language;
        QWidget* button;
        QLabel* caption;
        QLabel* flag;
    };
    const TLanguageRow rows[] = {
        {ltEnglishUK, ui->BtnLang_english_uk, ui->LblLang_english_uk, ui->LblLangFlag_english_uk},
        {ltEnglishUSA, ui->BtnLang_english_usa, ui->LblLang_english_usa, ui->LblLangFlag_english_usa},
        {ltGerman, ui->BtnLang_german, ui->LblLang_german, ui->LblLangFlag_german},
        {ltSpanish, ui->BtnLang_spanish, ui->LblLang_spanish, ui->LblLangFlag_spanish},
        {ltFrench, ui->BtnLang_french, ui->LblLang_french, ui->LblLangFlag_french},
        {ltItalian, ui->BtnLang_italian, ui->LblLang_italian, ui->LblLangFlag_italian},
        {ltPolish, ui->BtnLang_polish, ui->LblLang_polish, ui->LblLangFlag_polish},
        {ltRussian, ui->BtnLang_russian, ui->LblLang_russian, ui->LblLangFlag_russian},
        {ltArabic, ui->BtnLang_arabic, ui->LblLang_arabic, ui->LblLangFlag_arabic},
        {ltChinese, ui->BtnLang_chinese, ui->LblLang_chinese, ui->LblLangFlag_chinese},
        {ltJapanese, ui->BtnLang_japanese, ui->LblLang_japanese, ui->LblLangFlag_japanese},
        {ltPortuguese, ui->BtnLang_portuguese, ui->LblLang_portuguese, ui->LblLangFlag_portuguese},
    };
    for (const TLanguageRow& row : rows)
        languages.assignLanguageActivationWidget(row.language, row.button, row.caption, row.flag);
}

// The brightness file and levels depend on the display hardware of the platform.
void TTamarindMainForm::initBrightness()
{
    const TBacklightPlatform platform =
        TBrightnessController::platformValues(TOSVersion::instance().platformVersion_Major());
    mBrightnessController =
        std::make_unique<TBrightnessController>(platform.mBrightnessFile, platform.mBacklightOffBrightnessVal,
                                                platform.mDefaultBrightnessVal, platform.mBrightnessValues);
    // Found among the window's children like its own timers; the member still
    // decides when it goes.
    mBrightnessController->setParent(this);
    mBrightnessWidget = new TBrightnessWidget(mBrightnessController.get(), platform.mBrightnessValues, 2,
                                              ui->LblSelectedBrightness, this);
    auto* layout = new QGridLayout(ui->PageBrightness);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mBrightnessWidget);
}

void TTamarindMainForm::buildSettingsList()
{
    mSettingsWidgetController = std::make_unique<TClickableWidgetController>(ui->LblMenuCaption);
    TClickableWidgetController& rows = *mSettingsWidgetController;
    addRows(rows, {{ui->BtnSettings_Language, ui->LblSettings_Language},
                   {ui->BtnSettings_BacklightOff, ui->LblSettings_BacklightOff},
                   {ui->BtnSettings_Brightness, ui->LblSettings_Brightness},
                   {ui->BtnSettings_Time, ui->LblSettings_Time},
                   {ui->BtnSettings_Sound, ui->LblSettings_Sound},
                   {ui->BtnSettings_DataSeparator, ui->LblSettings_DataSeparator},
                   {ui->BtnSettings_FactoryReset, ui->LblSettings_FactoryReset},
                   {ui->BtnSettings_AvgValue, ui->LblSettings_AvgValue},
                   {ui->BtnSettings_StandardProbeSettings, ui->LblSettings_StandardProbeSettings},
                   {ui->BtnSettings_AlarmForProbes, ui->LblSettings_AlarmForProbes}});
    connect(&rows, &TClickableWidgetController::widgetActivated, this, &TTamarindMainForm::settings_widget_activated);
    connect(&rows, &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TTamarindMainForm::settings_widget_clicked);
}

void TTamarindMainForm::buildLanguageRows()
{
    auto rows = createDefaultClickableWidgetController(nullptr);
    addRows(*rows, {{ui->BtnLang_english_uk, nullptr},
                    {ui->BtnLang_english_usa, nullptr},
                    {ui->BtnLang_german, nullptr},
                    {ui->BtnLang_spanish, nullptr},
                    {ui->BtnLang_portuguese, nullptr},
                    {ui->BtnLang_french, nullptr},
                    {ui->BtnLang_italian, nullptr},
                    {ui->BtnLang_polish, nullptr},
                    {ui->BtnLang_russian, nullptr},
                    {ui->BtnLang_arabic, nullptr},
                    {ui->BtnLang_chinese, nullptr},
                    {ui->BtnLang_japanese, nullptr}});
    TLanguageController& languages = TLanguageController::instance();
    languages.setLangSelectWidgetController(std::move(rows));
    languages.setLangSelectIndicatorLabels(ui->LblSelectedLanguage, ui->LblSelectedLanguageFlag);
    languages.loadSettings();
    languages.indicateSelectedLanguage();
}

void TTamarindMainForm::buildBacklightOffRows()
{
    auto rows = createDefaultClickableWidgetController(ui->LblSelectedBacklightOff);
    addRows(*rows, {{ui->BtnBacklightOff_Off, ui->LblBacklightOff_Off},
                    {ui->BtnBacklightOff_10s, ui->LblBacklightOff_10s},
                    {ui->BtnBacklightOff_30s, ui->LblBacklightOff_30s},
                    {ui->BtnBacklightOff_60s, ui->LblBacklightOff_60s},
                    {ui->BtnBacklightOff_120s, ui->LblBacklightOff_120s}});
    mBrightnessController->setBacklightOffWidgetController(std::move(rows));
    // Milliseconds without a touch until the display dims; 0 never dims.
    mBrightnessController->registerBacklightOffWidget(ui->BtnBacklightOff_Off, 0);
    mBrightnessController->registerBacklightOffWidget(ui->BtnBacklightOff_10s, 10000);
    mBrightnessController->registerBacklightOffWidget(ui->BtnBacklightOff_30s, 30000);
    mBrightnessController->registerBacklightOffWidget(ui->BtnBacklightOff_60s, 60000);
    mBrightnessController->registerBacklightOffWidget(ui->BtnBacklightOff_120s, 120000);
    mBrightnessController->initBacklightOffGUI();
}

void TTamarindMainForm::buildDecimalSeparatorRows()
{
    mSettingsDecimalSeparatorWidgetController = createDefaultClickableWidgetController(ui->LblSelectedDecimalSeparator);
    addRows(*mSettingsDecimalSeparatorWidgetController,
            {{ui->BtnDecSep_Point, ui->LblDecSep_Point}, {ui->BtnDecSep_Comma, ui->LblDecSep_Comma}});
    TDecimalDisplayController& separator = TDecimalDisplayController::instance();
    separator.setWidgetController(mSettingsDecimalSeparatorWidgetController.get());
    separator.registerWidget(ui->BtnDecSep_Point, QLatin1Char('.'));
    separator.registerWidget(ui->BtnDecSep_Comma, QLatin1Char(','));
    separator.updateGUI();
}

void TTamarindMainForm::buildTimeFormatRows()
{
    auto rows = createDefaultClickableWidgetController(nullptr);
    addRows(*rows, {{ui->BtnSetTime_24h, nullptr}, {ui->BtnSetTime_AM, nullptr}, {ui->BtnSetTime_PM, nullptr}});
    TTamarindClock::instance().setTimeSettingControls(std::move(rows), ui->BtnSetTime_24h, ui->BtnSetTime_AM,
                                                      ui->BtnSetTime_PM, ui->BtnSetTime_Hours, ui->BtnSetTime_Minutes);
}

void TTamarindMainForm::buildSoundRows()
{
    mSoundWidgetController_Keys = createDefaultClickableWidgetController(nullptr);
    addRows(*mSoundWidgetController_Keys, {{ui->BtnSoundKeys_on, nullptr}, {ui->BtnSoundKeys_off, nullptr}});
    mSoundWidgetController_Alarms = createDefaultClickableWidgetController(nullptr);
    addRows(*mSoundWidgetController_Alarms, {{ui->BtnSoundAlarm_on, nullptr}, {ui->BtnSoundAlarm_off, nullptr}});

    TBuzzerController::instance().initialize(QLatin1String(BUZZER_GPIO_FILE));
    mBuzzerGUIController = std::make_unique<TBuzzerGUIController>(
        mSoundWidgetController_Keys.get(), ui->BtnSoundKeys_on, ui->LblSoundKeys_on, ui->BtnSoundKeys_off,
        ui->LblSoundKeys_off, mSoundWidgetController_Alarms.get(), ui->BtnSoundAlarm_on, ui->LblSoundAlarm_on,
        ui->BtnSoundAlarm_off, ui->LblSoundAlarm_off, ui->LblSettings_SoundValue);
    connect(mSoundWidgetController_Keys.get(), &TClickableWidgetController::widgetMouseBtnReleased,
            mBuzzerGUIController.get(), &TBuzzerGUIController::keystrokeSettingBtnClick);
    connect(mSoundWidgetController_Alarms.get(), &TClickableWidgetController::widgetMouseBtnReleased,
            mBuzzerGUIController.get(), &TBuzzerGUIController::alarmSettingBtnClick);
}

void TTamarindMainForm::buildDateFormatRows()
{
    auto rows = createDefaultClickableWidgetController(nullptr);
    addRows(*rows, {{ui->BtnSetDate_FormatDDMM, nullptr}, {ui->BtnSetDate_FormatMMDD, nullptr}});
    TTamarindClock::instance().setDateSettingControls(std::move(rows), ui->BtnSetDate_FormatDDMM,
                                                      ui->BtnSetDate_FormatMMDD, ui->BtnSetDate_Val1,
                                                      ui->BtnSetDate_Val2, ui->BtnSetDate_Year);
}

void TTamarindMainForm::buildAverageValueSetting()
{
    mAverageValueSettingController =
        std::make_unique<TAverageValueSettingController>(ui->BtnAvgSampleCount, ui->LblSelectedAvgValSampleCount);
}

void TTamarindMainForm::buildProbeAlarmRows()
{
    mProbeAlarmsWidgetController = createDefaultClickableWidgetController(ui->LblSettings_AlarmForProbes_Val);
    addRows(*mProbeAlarmsWidgetController,
            {{ui->BtnProbeAlarms_On, ui->LblProbeAlarms_On}, {ui->BtnProbeAlarms_Off, ui->LblProbeAlarms_Off}});
    TProbeAlarmController::instance().initializeGUIComponents(ui->BtnProbeAlarms_On, ui->BtnProbeAlarms_Off,
                                                              mProbeAlarmsWidgetController.get());
}

void TTamarindMainForm::buildServiceList()
{
    mServiceWidgetController = createDefaultClickableWidgetController(ui->LblMenuCaption);
    TClickableWidgetController& rows = *mServiceWidgetController;
    addRows(rows, {{ui->BtnService_FirmwareUpdate_UI, ui->LblService_FirmwareUpdate_UI},
                   {ui->BtnService_SmartProbe, ui->LblService_SmartProbe},
                   {ui->BtnService_OperatingTime, ui->LblService_OperatingTime},
                   {ui->BtnService_RecalCycle, ui->LblService_RecalCycle},
                   {ui->BtnService_InstrumentCalibration, ui->LblService_InstrumentCalibration},
                   {ui->BtnService_TouchscreenCalibration, ui->LblService_TouchscreenCalibration}});
    connect(&rows, &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TTamarindMainForm::service_widget_clicked);

    ui->LblFirmwareUI_CurVersion->setText(TFileVersionReader::determineFileVersion().toString());
}

void TTamarindMainForm::buildSmartProbeEditRows()
{
    mSmartProbeEditWidgetController = createDefaultClickableWidgetController(nullptr);
    const std::pair<short, std::pair<QWidget*, QLabel*>> rows[] = {
        {SPRT_EDIT_WIDGET_GROUP_PROBENAME, {ui->BtnProbeName_SPRT, ui->LblProbeName_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_LOCKED, {ui->Btn_Locked_Yes_SPRT, ui->LblLockedYes_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_LOCKED, {ui->Btn_Locked_No_SPRT, ui->LblLockedNo_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_REFERENCE, {ui->Btn_Ref_Yes_SPRT, ui->LblReferenceYes_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_REFERENCE, {ui->Btn_Ref_No_SPRT, ui->LblReferenceNo_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_INT_RESISTOR, {ui->Btn_Reference_25ohm_SPRT, ui->Lbl_Reference_25ohm_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_INT_RESISTOR, {ui->Btn_Reference_100ohm_SPRT, ui->Lbl_Reference_100ohm_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_RMIN, {ui->Btn_Rmin_SPRT, ui->Lbl_Rmin_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_RMAX, {ui->Btn_Rmax_SPRT, ui->Lbl_Rmax_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CAL_DATE, {ui->Btn_CalDate_SPRT, ui->Lbl_CalDate_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CAL_DATE_NEXT, {ui->Btn_NextCalDate_SPRT, ui->Lbl_NextCalDate_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CVD_R0, {ui->Btn_CvD_R0_SPRT, ui->Lbl_CvD_R0_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CVD_A, {ui->Btn_CvD_A_SPRT, ui->Lbl_CvD_A_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CVD_B, {ui->Btn_CvD_B_SPRT, ui->Lbl_CvD_B_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CVD_C, {ui->Btn_CvD_C_SPRT, ui->Lbl_CvD_C_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_R001, {ui->Btn_ITS90_R001_SPRT, ui->Lbl_ITS90_R001_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_A, {ui->Btn_ITS90_A_SPRT, ui->Lbl_ITS90_A_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_B, {ui->Btn_ITS90_B_SPRT, ui->Lbl_ITS90_B_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_AP, {ui->Btn_ITS90_Ap_SPRT, ui->Lbl_ITS90_Ap_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_BP, {ui->Btn_ITS90_Bp_SPRT, ui->Lbl_ITS90_Bp_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_CP, {ui->Btn_ITS90_Cp_SPRT, ui->Lbl_ITS90_Cp_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_ITS90_DP, {ui->Btn_ITS90_Dp_SPRT, ui->Lbl_ITS90_Dp_SPRT}},
        {SPRT_EDIT_WIDGET_GROUP_CAL_SOURCE, {ui->BtnCalSource_SPRT, ui->LblCalSource_SPRT}},
    };
    for (const auto& row : rows)
        mSmartProbeEditWidgetController->addWidget(row.first, row.second.first, row.second.second, false);
    connect(mSmartProbeEditWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TTamarindMainForm::onSmartProbeEditBtnClicked);
}

void TTamarindMainForm::buildChannelController()
{
    mChannelController = std::make_unique<TChannelController>(
        this, mInternalSCPIHandler.get(), createDefaultClickableWidgetController(nullptr), ui->PageChannelSelection,
        ui->BtnChanSel_1, ui->BtnChanSel_2, ui->BtnChanSel_3, ui->BtnChanSel_4, ui->BtnChanSel_Reciprocal,
        ui->BtnChanSel_Sum, ui->BtnChanSel_Diff, ui->BtnChanSel_Product, ui->BtnChanSel_Quotient, ui->BtnChanSel_X,
        ui->BtnChanSel_Y, ui->LblChanSel_X, ui->LblChanSel_Y, mAverageValueSettingController->averageValueSampleCount(),
        CHANNEL_READ_INTERVAL);
    connect(mAverageValueSettingController.get(), &TAverageValueSettingController::sampleCountChanged,
            mChannelController.get(), &TChannelController::setAverageValueSampleCount);
    connect(mChannelController.get(), &TChannelController::widget_activated, this,
            &TTamarindMainForm::default_widget_activated_handler);
}

void TTamarindMainForm::buildScanMode()
{
    auto menu = createDefaultClickableWidgetController(ui->LblMenuCaption);
    addRows(*menu, {{ui->BtnChanConf_ZTM8800, ui->LblChanConf_ZTM8800},
                    {ui->BtnChanConf_Mod1, ui->LblChanConf_Mod1},
                    {ui->BtnChanConf_Mod2, ui->LblChanConf_Mod2},
                    {ui->BtnChanConf_Mod3, ui->LblChanConf_Mod3},
                    {ui->BtnChanConf_Mod4, ui->LblChanConf_Mod4},
                    {ui->BtnChanConf_HoldTime, ui->LblChanConf_HoldTime},
                    {ui->BtnChanConf_View, ui->LblChanConf_View}});
    mScanModeController = std::make_unique<TScanModeController>(
        this, mChannelController.get(), std::move(menu), ui->PageChanConf_ZTM8800, ui->PageChanConf_SwitchBoxes,
        ui->PageScanView, ui->BtnChanConf_ZTM8800, ui->BtnChanConf_Mod1, ui->BtnChanConf_Mod2, ui->BtnChanConf_Mod3,
        ui->BtnChanConf_Mod4, ui->BtnChanConf_PRT1, ui->BtnChanConf_PRT2, ui->BtnChanConf_TC1, ui->BtnChanConf_TC2,
        ui->BtnChanConf_HoldTime, ui->LblChanConf_HoldTime_Value, ui->LblChanConf_View_Value, ui->BtnChanConf_View,
        ui->BtnChanConf_Scan, ui->BtnChanConf_Calibration, ui->BtnChanConf_Graph, ui->LblChanConf_ZTM8800_Value,
        ui->LblChanConf_Mod1_Value, ui->LblChanConf_Mod2_Value, ui->LblChanConf_Mod3_Value, ui->LblChanConf_Mod4_Value,
        ui->LblChanConf_SwitchBox_Header, ui->BtnChanConf_SwitchBox_SelectAll, ui->BtnChanConf_SwitchBox_DeselectAll,
        ui->scrollAreaScanConfigSwitchBoxContents);
    TScanModeController* scanMode = mScanModeController.get();
    connect(scanMode, &TScanModeController::widget_activated, this,
            &TTamarindMainForm::default_widget_activated_handler);
    connect(scanMode, &TScanModeController::scanModeStarted, this, &TTamarindMainForm::onScanModeStarted);
    connect(scanMode, &TScanModeController::scanModeStopped, this, &TTamarindMainForm::onScanModeStopped);
    connect(scanMode, &TScanModeController::scanViewChangedDuringRuntime, this,
            &TTamarindMainForm::onScanViewChangedDuringRuntime);
}

void TTamarindMainForm::buildGraphView()
{
    mGraphViewController = std::make_unique<TGraphViewController>(
        this, mScanModeController.get(), mChannelController.get(), ui->qwtPlot, ui->PageGraphUnitAndScale,
        ui->Btn2DPlot_Chan1, ui->Btn2DPlot_Chan2, ui->Btn2DPlot_Chan3, ui->Btn2DPlot_Chan4, ui->Btn2DPlot_Chan5,
        ui->Btn2DPlot_Chan6, ui->Btn2DPlot_Chan7, ui->Btn2DPlot_Chan8, ui->Btn2DPlot_Chan9, ui->Btn2DPlot_Chan10,
        ui->Btn2DPlot_Unit, ui->BtnGraphUnit_C, ui->BtnGraphUnit_F, ui->BtnGraphUnit_K, ui->BtnGraphUnit_Ohm,
        ui->BtnGraphUnit_mV, ui->RbGraphScale_Auto, ui->RbGraphScale_Custom, ui->BtnGraphScale_Min,
        ui->BtnGraphScale_Max, ui->BtnGraphRefresh);
}

void TTamarindMainForm::buildStandardProbeSettings()
{
    auto registry = createDefaultClickableWidgetController(nullptr);
    const std::initializer_list<std::pair<short, QWidget*>> rows{
        {WIDGETGROUP_INDEX_CONV_PRT, ui->BtnStdPrb_EN60751},  {WIDGETGROUP_INDEX_CONV_PRT, ui->BtnStdPrb_CVD},
        {WIDGETGROUP_INDEX_CONV_PRT, ui->BtnStdPrb_ITS90},    {WIDGETGROUP_INDEX_WIRING, ui->BtnStdPrb_4wire},
        {WIDGETGROUP_INDEX_WIRING, ui->BtnStdPrb_3wire},      {WIDGETGROUP_INDEX_CONV_THERM, ui->BtnStdPrb_ConvNone},
        {WIDGETGROUP_INDEX_CONV_THERM, ui->BtnStdPrb_ConvSH}, {WIDGETGROUP_INDEX_CONV_THERM, ui->BtnStdPrb_ConvPoly},
        {WIDGETGROUP_INDEX_CONV_TC, ui->BtnStdPrb_IEC584},    {WIDGETGROUP_INDEX_CONV_TC, ui->BtnStdPrb_Custom},
        {WIDGETGROUP_INDEX_REF_JUNC, ui->BtnStdPrb_Internal}, {WIDGETGROUP_INDEX_REF_JUNC, ui->BtnStdPrb_External},
        {WIDGETGROUP_INDEX_REF_JUNC, ui->BtnStdPrb_Channel}};
    for (const auto& row : rows)
        registry->addWidget(row.first, row.second, nullptr, false);
    mStdProbeSettingsController = std::make_unique<TStandardProbeSettingController>(
        std::move(registry), mChannelController.get(), ui->BtnStdPrb_EN60751, ui->BtnStdPrb_CVD, ui->BtnStdPrb_ITS90,
        ui->BtnStdPrb_4wire, ui->BtnStdPrb_3wire, ui->BtnStdPrb_ConvNone, ui->BtnStdPrb_ConvSH, ui->BtnStdPrb_ConvPoly,
        ui->BtnStdPrb_IEC584, ui->BtnStdPrb_Custom, ui->BtnStdPrb_Internal, ui->BtnStdPrb_External,
        ui->BtnStdPrb_Channel, ui->BtnStdRefJunc_Channel);
    connect(mStdProbeSettingsController.get(), &TStandardProbeSettingController::widgetActivated, this,
            &TTamarindMainForm::default_widget_activated_handler);
}

// Empty here; the probe controller and remote control get it before it holds the views.
void TTamarindMainForm::buildChannelViewManager()
{
    mChannelViewControllerManager = std::make_unique<TChannelViewControllerManager>();
}

// The probe database comes from the board here.
void TTamarindMainForm::buildProbeController()
{
    auto menuRegistry = createDefaultClickableWidgetController(nullptr);
    addRows(*menuRegistry, {{ui->BtnProbe_NewPRT, nullptr},
                            {ui->BtnProbe_NewTC, nullptr},
                            {ui->BtnProbe_NewTherm, nullptr},
                            {ui->BtnProbe_ListSmartProbes, nullptr}});
    auto selectionRegistry = createDefaultClickableWidgetController(nullptr);
    const TProbeEditorServices editorServices{mChannelController.get(), mStdProbeSettingsController.get(),
                                              mInternalSCPIHandler.get(), this};
    auto editorPRT = createPRTProbeEditor(*ui, editorServices);
    mProbeController = std::make_unique<TProbeController>(
        this, mChannelController.get(), mInternalSCPIHandler.get(), mStdProbeSettingsController.get(),
        mChannelViewControllerManager.get(), std::move(selectionRegistry), std::move(menuRegistry),
        ui->PageProbeSelection, ui->BtnDefProbe_3w_prt, ui->BtnDefProbe_4w_prt, ui->BtnDefProbe_sprt,
        ui->BtnDefProbe_thermistor, ui->BtnDefProbe_thermocouple, ui->BtnProbe_NewPRT, ui->BtnProbe_NewTC,
        ui->BtnProbe_NewTherm, ui->WgtFilter, ui->LblProbeFilterValue, ui->BtnDeleteProbe, ui->BtnProbe_ListSmartProbes,
        ui->scrollAreaProbeMenu, ui->scrollAreaProbeSel, std::move(editorPRT), createTCProbeEditor(*ui, editorServices),
        createThermistorProbeEditor(*ui, editorServices), ui->PageSmartProbeList, ui->scrollAreaSmartProbeList);
    mProbeController->loadProbesFromDevice();
    connect(mProbeController.get(), &TProbeController::widgetActivated, this,
            &TTamarindMainForm::default_widget_activated_handler);
}

// The logger's settings rows come first in its list; it adds a row per log file.
void TTamarindMainForm::buildLogger()
{
    auto menu = createDefaultClickableWidgetController(ui->LblMenuCaption);
    addRows(*menu, {{ui->BtnLogger_Mode, ui->LblLogger_Mode},
                    {ui->BtnLogger_Interval, ui->LblLogger_Interval},
                    {ui->BtnLogger_StartTime, ui->LblLogger_StartTime},
                    {ui->BtnLogger_Duration, ui->LblLogger_Duration}});
    mLogfileController = std::make_unique<TLogfileController>(
        this, CHANNEL_READ_INTERVAL, mChannelController.get(), mProbeController.get(), mScanModeController.get(),
        mLogfileDir, TLogfileControllerWidgets::fromForm(*ui), std::move(menu),
        TInstrumentInfo::instance()->instrumentSerialNumber());
    connect(mLogfileController.get(), &TLogfileController::loggerStatusActiveChanged, this,
            &TTamarindMainForm::onLoggerStatusActiveChanged);
    mLogfileController->loadSettings();
}

// The excitation current can be chosen on the ZTM9900 only. The widgets leave
// the editor but stay the window's, hidden, so that they are released with it.
void TTamarindMainForm::fitProbeEditorToInstrumentType()
{
    if (mInstrumentType != ZTM8800 && mInstrumentType != ZTM8800v2)
        return;
    for (QWidget* widget : {ui->Wgt_Excitation_current_caption, ui->Wgt_Excitation_current}) {
        ui->GridLayoutPRTProbeEdit->removeWidget(widget);
        widget->setParent(this);
        widget->hide();
    }
}

// The views show the measured channel from the start; the stored scan
// configuration reaches its view last, when every view is in the manager.
void TTamarindMainForm::buildChannelViews()
{
    TChannelViewControllerManager& manager = *mChannelViewControllerManager;
    manager.setAndOwnHomescreenViewController(
        std::make_unique<TOneChannelViewController>(
            mChannelController.get(), mUnitSelectionProvider.get(), mProbeController.get(),
            mAverageValueSettingController.get(), mScanModeController.get(), ui->pnlInformationBar,
            mStylesheetInfoBar_blue, ui->lblInfoBarLeft, ui->lblInfoBarCenter, ui->lblInfoBarRight,
            ui->lblSingleViewMainVal, ui->lblSingleViewCorrVal, ui->lblSingleViewCorrCaption, ui->lblSingleViewMin,
            ui->lblSingleViewMax, ui->IconWarning_SingleChannelView, ui->lblSingleViewProbe_SmartFlag,
            ui->btnSingleViewChanSel, ui->btnSingleViewUnit, ui->btnSingleViewDecRes, ui->btnSingleViewIncRes,
            ui->btnSingleViewClearPeak, ui->btnSingleViewFreeze, ui->btnSingleViewRoot2, ui->btnSingleViewProbe),
        ui->PageHome);
    manager.addAndOwnScanViewController(
        std::make_unique<TTwoChannelViewController>(
            mChannelController.get(), mUnitSelectionProvider.get(), mProbeController.get(),
            mAverageValueSettingController.get(), mScanModeController.get(), ui->pnlInformationBar,
            mStylesheetInfoBar_blue, mStylesheetInfoBar_green, mStylesheetChannelDependingBar_blue,
            mStylesheetChannelDependingBar_green, ui->lblInfoBarLeft, ui->lblInfoBarCenter, ui->lblInfoBarRight,
            ui->Lbl2ChanViewMainValue_Top, ui->Lbl2ChanViewMainValue_Btm, ui->Lbl2ChanViewCorVal_Top,
            ui->Lbl2ChanViewCorVal_Btm, ui->Lbl2ChanViewCorValCaption_Top, ui->Lbl2ChanViewCorValCaption_Btm,
            ui->Lbl2ChanView_PeakMin, ui->Lbl2ChanView_PeakMax, ui->Lbl2ChanViewDiffCaption, ui->Lbl2ChanViewDiffValue,
            ui->IconWarning_2ChannelView_Top, ui->IconWarning_2ChannelView_Bottom, ui->lbl2ChanViewProbe_SmartFlag_Top,
            ui->lbl2ChanViewProbe_SmartFlag_Bottom, ui->Btn2ChanViewChannelSel_Top, ui->Btn2ChanViewChannelSel_Btm,
            ui->Btn2ChanViewUnit_Top, ui->Btn2ChanViewUnit_Btm, ui->Btn2ChanViewResDec, ui->Btn2ChanViewResInc,
            ui->Btn2ChanViewClearPeak, ui->Btn2ChanViewFreeze_Top, ui->Btn2ChanViewFreeze_Btm,
            ui->Btn2ChanViewRoot2_Top, ui->Btn2ChanViewRoot2_Btm, ui->Btn2ChanViewProbe_Top, ui->Btn2ChanViewProbe_Btm,
            ui->Btn2ChanViewDiffUnit, ui->Wgt2ChanViewTop, ui->Wgt2ChanViewBtm,
            zelk::vector<QZELKGreyPanel*>{ui->pnl2ChanViewResolution, ui->pnl2ChanViewPeak}),
        ui->Page2ChannelView);
    addScanViewsForThreeAndMoreChannels(
        manager, *ui,
        {mChannelController.get(), mUnitSelectionProvider.get(), mProbeController.get(),
         mAverageValueSettingController.get(), mScanModeController.get()},
        {mStylesheetInfoBar_blue, mStylesheetInfoBar_green, mStylesheetInfoBar_red, mStylesheetInfoBar_yellow}, this);
    connect(mScanModeController.get(), &TScanModeController::channelConfigurationChanged, &manager,
            &TChannelViewControllerManager::attachChannelConfigurationToView);
    mScanModeController->broadcastConfiguration();
}

void TTamarindMainForm::hideChannelViewWarnings()
{
    for (QWidget* icon :
         {ui->IconWarning_SingleChannelView, ui->IconWarning_2ChannelView_Top, ui->IconWarning_2ChannelView_Bottom,
          ui->IconWarning_3ChannelView_Top, ui->IconWarning_3ChannelView_Mid, ui->IconWarning_3ChannelView_Bottom,
          ui->IconWarning_4ChannelView_TopLeft, ui->IconWarning_4ChannelView_TopRight,
          ui->IconWarning_4ChannelView_BottomLeft, ui->IconWarning_4ChannelView_BottomRight})
        icon->hide();
    mChannelViewControllerManager->activateHomeView();
    mChannelViewControllerManager->showHomeView();
}

void TTamarindMainForm::startUSBCheck()
{
    checkUSB();
    mCyclicCheckTimer = std::make_unique<QTimer>(this);
    mCyclicCheckTimer->setObjectName(QStringLiteral("mCyclicCheckTimer"));
    mCyclicCheckTimer->setInterval(USB_CHECK_INTERVAL);
    connect(mCyclicCheckTimer.get(), &QTimer::timeout, this, &TTamarindMainForm::onCyclicCheckTimer);
    mCyclicCheckTimer->start();

    mOperatingTimeTimer = std::make_unique<QTimer>(this);
    mOperatingTimeTimer->setObjectName(QStringLiteral("mOperatingTimeTimer"));
    mOperatingTimeTimer->setInterval(OPERATING_TIME_REFRESH_INTERVAL);
    connect(mOperatingTimeTimer.get(), &QTimer::timeout, this, &TTamarindMainForm::onUpdateOperatingTime);
}

void TTamarindMainForm::buildCalibrationItemList()
{
    mCalibrationItemsWidgetController = createDefaultClickableWidgetController(ui->LblMenuCaption);
    connect(mCalibrationItemsWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TTamarindMainForm::onCalItemClicked);
    loadCalibrationData();
}

// Listeners hear of a new value the last registered first: scan mode, the logger, then the graph.
void TTamarindMainForm::registerChannelListeners()
{
    mChannelController->addListener(mGraphViewController.get());
    mChannelController->addListener(mLogfileController.get());
    mChannelController->addListener(mScanModeController.get());
}

void TTamarindMainForm::showInstrumentName()
{
    const QString name = TInstrumentInfo::instance()->instrumentName();
    ui->LblChanConf_ZTM8800->setText(name);
    ui->LblInfo_InstrumentType->setText(name);
    ui->LblScanChanConf_Model->setText(name);
    addInstrumentNameToChannelConfigurationToolTip();
}

void TTamarindMainForm::addInstrumentNameToChannelConfigurationToolTip()
{
    ui->LblChanConf_ZTM8800->setToolTip(ui->LblChanConf_ZTM8800->toolTip() + QLatin1Char(' ') +
                                        TInstrumentInfo::instance()->instrumentName());
}

void TTamarindMainForm::startReading()
{
    mChannelController->setReadingActive(true);
}

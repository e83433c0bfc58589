#include "brightnesscontroller.h"

#include "clickablewidgetcontroller.h"
#include "commandrunner.h"
#include "deviceroot.h"
#include "tamarindclock.h"
#include "tamarindsettings.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace
{
constexpr const char* PLATFORM1_BRIGHTNESS_FILE =
    "/sys/devices/platform/pwm-backlight/backlight/pwm-backlight/brightness";
constexpr const char* NO_BRIGHTNESS_FILE = "/dev/null";

// The first file named "brightness" below "/sys/devices"; empty when there is none.
QString findBrightnessFile()
{
    const TCommandResult found =
        TCommandRunner::instance().run(QStringLiteral("find"), {QStringLiteral("/sys/devices"), QStringLiteral("-name"),
                                                                QStringLiteral("brightness")});
    const QString first = QString::fromLocal8Bit(found.mStandardOutput).section(QLatin1Char('\n'), 0, 0).trimmed();
    return !first.isEmpty() && QFileInfo::exists(TDeviceRoot::path(first)) ? first : QString();
}
} // namespace

TBacklightPlatform TBrightnessController::platformValues(unsigned short pPlatformVersionMajor)
{
    TBacklightPlatform platform;
    platform.mBrightnessFile = QLatin1String(NO_BRIGHTNESS_FILE);
    if (pPlatformVersionMajor == 1) {
        platform.mBrightnessFile = QLatin1String(PLATFORM1_BRIGHTNESS_FILE);
        platform.mBacklightOffBrightnessVal = 10;
        platform.mDefaultBrightnessVal = 60;
        platform.mBrightnessValues = {100, 87, 78, 69, 60, 51, 42, 33, 24, 15};
    } else if (pPlatformVersionMajor == 2) {
        // The levels stay those of the platform even while no file is found,
        // so that the stored level is never replaced by one that would leave
        // the display dark once the file is there.
        const QString file = findBrightnessFile();
        if (!file.isEmpty())
            platform.mBrightnessFile = file;
        platform.mBacklightOffBrightnessVal = 1;
        platform.mDefaultBrightnessVal = 6;
        platform.mBrightnessValues = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    }
    return platform;
}

TBrightnessController::TBrightnessController(const QString& pBrightnessFile, int pBacklightOffBrightnessVal,
                                             int pDefaultBrightnessVal, const zelk::vector<int>& pBrightnessValues)
    : mBacklightOffBrightnessVal(pBacklightOffBrightnessVal)
    , mDefaultBrightnessVal(pDefaultBrightnessVal)
    , mBrightnessFile(pBrightnessFile)
    , mBacklightTimer(std::make_unique<QTimer>(this))
{
    mBacklightTimer->setObjectName(QStringLiteral("mBacklightTimer"));
    mBacklightTimer->setSingleShot(true);
    connect(mBacklightTimer.get(), &QTimer::timeout, this, &TBrightnessController::turnBacklightOff);

    // A level of no bar could be 0, a dark display across restarts.
    const TTamarindSettings& settings = TTamarindSettings::instance();
    bool number = false;
    const int stored = settings.value(mSectionName, mSetting_value).toInt(&number);
    setBrightness(number && pBrightnessValues.contains(stored) ? stored : pDefaultBrightnessVal);

    const int backlightOff = qMax(0, settings.value(mSectionName, mSetting_backlight_off, QStringLiteral("0")).toInt());
    mBacklightTimer->setInterval(backlightOff);
    if (backlightOff != 0)
        mBacklightTimer->start();

    connect(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime, this,
            &TBrightnessController::onBeforeChangeSystemTime);
}

TBrightnessController::~TBrightnessController() = default;

// Truncating keeps a plain file that stands in for the sysfs attribute
// holding just the level; the attribute itself takes each write whole.
void TBrightnessController::writeBrightness(int pBrightness) const
{
    QFile file(TDeviceRoot::path(mBrightnessFile));
    if (file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Text))
        file.write(QByteArray::number(pBrightness));
}

void TBrightnessController::storeSetting(const QString& pKey, int pValue) const
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, pKey, QString::number(pValue));
    settings.store();
}

void TBrightnessController::setBrightness(int pBrightness)
{
    writeBrightness(pBrightness);
    mBrightness = pBrightness;
    storeSetting(mSetting_value, pBrightness);
}

void TBrightnessController::setBacklightOff(int pMilliseconds)
{
    mBacklightTimer->stop();
    mBacklightTimer->setInterval(pMilliseconds);
    if (pMilliseconds > 0)
        mBacklightTimer->start();
    storeSetting(mSetting_backlight_off, pMilliseconds);
}

int TBrightnessController::backlightOffInterval() const
{
    return mBacklightTimer->interval();
}

void TBrightnessController::turnBacklightOff()
{
    if (mBacklightOff)
        return;
    mBacklightOff = true;
    writeBrightness(mBacklightOffBrightnessVal);
}

void TBrightnessController::restoreBacklight()
{
    mBacklightOff = false;
    writeBrightness(mBrightness);
    mBacklightTimer->stop();
    if (mBacklightTimer->interval() > 0)
        mBacklightTimer->start();
}

void TBrightnessController::resetBacklightTimer()
{
    if (mBacklightTimer->isActive())
        mBacklightTimer->start();
}

void TBrightnessController::onBeforeChangeSystemTime()
{
    mBacklightTimer->stop();
}

void TBrightnessController::registerBacklightOffWidget(QWidget* pWidget, int pMilliseconds)
{
    mBacklightOff_ValueByWidget[pWidget] = pMilliseconds;
    mBacklightOff_WidgetByValue[pMilliseconds] = pWidget;
}

void TBrightnessController::setBacklightOffWidgetController(std::unique_ptr<TClickableWidgetController> pController)
{
    mBacklightOffWidgetController = std::move(pController);
    if (mBacklightOffWidgetController)
        connect(mBacklightOffWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TBrightnessController::backlightOffSettingSelected);
}

void TBrightnessController::backlightOffSettingSelected(QWidget* pWidget)
{
    const auto delay = mBacklightOff_ValueByWidget.find(pWidget);
    if (delay != mBacklightOff_ValueByWidget.end())
        setBacklightOff(delay->second);
}

void TBrightnessController::initBacklightOffGUI()
{
    auto widget = mBacklightOff_WidgetByValue.find(backlightOffInterval());
    // A delay of a few milliseconds would dim the display after every touch.
    if (widget == mBacklightOff_WidgetByValue.end() && !mBacklightOff_WidgetByValue.empty()) {
        mBacklightTimer->stop();
        mBacklightTimer->setInterval(0);
        widget = mBacklightOff_WidgetByValue.find(0);
    }
    if (mBacklightOffWidgetController && widget != mBacklightOff_WidgetByValue.end())
        mBacklightOffWidgetController->activateWidget(widget->second);
}

void TBrightnessController::indicateSelectedBacklightOffSetting()
{
    if (mBacklightOffWidgetController)
        mBacklightOffWidgetController->indicateActiveWidget();
}

void TBrightnessController::factoryReset()
{
    setBacklightOff(0);
    initBacklightOffGUI();
}

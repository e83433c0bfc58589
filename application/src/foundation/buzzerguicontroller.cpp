#include "buzzerguicontroller.h"

#include "buzzercontroller.h"
#include "tamarindsettings.h"
#include "widgetcontainerinterface.h"

#include <QLabel>

namespace
{
const QString ON = QStringLiteral("1");
const QString OFF = QStringLiteral("0");
} // namespace

TBuzzerGUIController::TBuzzerGUIController(IWidgetContainerInterface* pKeystrokeContainer, QWidget* pKeystrokeOnWidget,
                                           QLabel* pKeystrokeOnLabel, QWidget* pKeystrokeOffWidget,
                                           QLabel* pKeystrokeOffLabel, IWidgetContainerInterface* pAlarmContainer,
                                           QWidget* pAlarmOnWidget, QLabel* pAlarmOnLabel, QWidget* pAlarmOffWidget,
                                           QLabel* pAlarmOffLabel, QLabel* pSelectedSettingIndicator)
    : mKeystrokeContainer(pKeystrokeContainer)
    , mKeystrokeOnWidget(pKeystrokeOnWidget)
    , mKeystrokeOnLabel(pKeystrokeOnLabel)
    , mKeystrokeOffWidget(pKeystrokeOffWidget)
    , mKeystrokeOffLabel(pKeystrokeOffLabel)
    , mAlarmContainer(pAlarmContainer)
    , mAlarmOnWidget(pAlarmOnWidget)
    , mAlarmOnLabel(pAlarmOnLabel)
    , mAlarmOffWidget(pAlarmOffWidget)
    , mAlarmOffLabel(pAlarmOffLabel)
    , mSelectedSettingIndicator(pSelectedSettingIndicator)
{
    const TTamarindSettings& settings = TTamarindSettings::instance();
    TBuzzerController& buzzer = TBuzzerController::instance();
    // Only "1" switches a sound on; any other stored text means off.
    buzzer.setKeystrokesActive(settings.value(mSectionName, mSetting_keystrokes, OFF) == ON);
    buzzer.setAlarmsActive(settings.value(mSectionName, mSetting_alarms, ON) == ON);
    updateGUI();
}

void TBuzzerGUIController::updateGUI()
{
    if (!mKeystrokeContainer || !mAlarmContainer || !mKeystrokeOnWidget || !mKeystrokeOffWidget || !mAlarmOnWidget ||
        !mAlarmOffWidget)
        return;
    const TBuzzerController& buzzer = TBuzzerController::instance();
    mKeystrokeContainer->activateWidget(buzzer.keystrokesActive() ? mKeystrokeOnWidget : mKeystrokeOffWidget);
    mAlarmContainer->activateWidget(buzzer.alarmsActive() ? mAlarmOnWidget : mAlarmOffWidget);
    indicateSelectedSettings();
}

void TBuzzerGUIController::indicateSelectedSettings()
{
    if (!mSelectedSettingIndicator || !mKeystrokeOnLabel || !mKeystrokeOffLabel || !mAlarmOnLabel || !mAlarmOffLabel)
        return;
    const TBuzzerController& buzzer = TBuzzerController::instance();
    const QLabel* keystrokes = buzzer.keystrokesActive() ? mKeystrokeOnLabel : mKeystrokeOffLabel;
    const QLabel* alarms = buzzer.alarmsActive() ? mAlarmOnLabel : mAlarmOffLabel;
    mSelectedSettingIndicator->setText(tr("Keystroke sound") + QLatin1Char(' ') + keystrokes->text() +
                                       QStringLiteral(", ") + tr("Alarm") + QLatin1Char(' ') + alarms->text());
}

void TBuzzerGUIController::keystrokeSettingBtnClick(QWidget* pWidget)
{
    TBuzzerController::instance().setKeystrokesActive(pWidget == mKeystrokeOnWidget);
    storeKeystrokes();
    indicateSelectedSettings();
}

void TBuzzerGUIController::alarmSettingBtnClick(QWidget* pWidget)
{
    TBuzzerController::instance().setAlarmsActive(pWidget == mAlarmOnWidget);
    storeAlarms();
    indicateSelectedSettings();
}

void TBuzzerGUIController::storeFlag(const QString& pKey, bool pOn)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, pKey, pOn ? ON : OFF);
    settings.store();
}

void TBuzzerGUIController::storeKeystrokes()
{
    storeFlag(mSetting_keystrokes, TBuzzerController::instance().keystrokesActive());
}

void TBuzzerGUIController::storeAlarms()
{
    storeFlag(mSetting_alarms, TBuzzerController::instance().alarmsActive());
}

void TBuzzerGUIController::factoryReset()
{
    TBuzzerController& buzzer = TBuzzerController::instance();
    buzzer.setKeystrokesActive(false);
    buzzer.setAlarmsActive(true);
    storeKeystrokes();
    storeAlarms();
    updateGUI();
}

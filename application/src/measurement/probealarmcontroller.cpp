#include "probealarmcontroller.h"

#include "buzzercontroller.h"
#include "clickablewidgetcontroller.h"
#include "messagedialog.h"
#include "probe.h"
#include "tamarindsettings.h"
#include "warninggate.h"

namespace
{
const QString ALARMS_ON = QStringLiteral("1");
const QString ALARMS_OFF = QStringLiteral("0");
} // namespace

TProbeAlarmController& TProbeAlarmController::instance()
{
    static TProbeAlarmController controller;
    return controller;
}

TProbeAlarmController::TProbeAlarmController()
{
    mAlarmForProbesActive =
        TTamarindSettings::instance().value(mPersistance_Section, mPersistance_Setting_alarms, ALARMS_ON) == ALARMS_ON;
}

void TProbeAlarmController::initializeGUIComponents(QWidget* pBtnOn, QWidget* pBtnOff,
                                                    TClickableWidgetController* pWidgetController)
{
    mBtnOn = pBtnOn;
    mBtnOff = pBtnOff;
    mWidgetController = pWidgetController;
    connect(mWidgetController, &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TProbeAlarmController::onBtnClicked);
    updateGUI();
}

void TProbeAlarmController::updateGUI()
{
    if (mWidgetController)
        mWidgetController->activateWidget(mAlarmForProbesActive ? mBtnOn : mBtnOff);
}

void TProbeAlarmController::storeAlarmSetting()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mPersistance_Section, mPersistance_Setting_alarms,
                      mAlarmForProbesActive ? ALARMS_ON : ALARMS_OFF);
    settings.store();
}

void TProbeAlarmController::onBtnClicked(QWidget* pButton)
{
    // The widget controller has already highlighted the pressed button.
    mAlarmForProbesActive = pButton == mBtnOn;
    storeAlarmSetting();
}

void TProbeAlarmController::factoryReset()
{
    mAlarmForProbesActive = true;
    storeAlarmSetting();
    updateGUI();
}

void TProbeAlarmController::raiseAlarm()
{
    ++mAlarmsNotClosed;
    if (mAlarmForProbesActive)
        TBuzzerController::instance().soundAlarm();
}

void TProbeAlarmController::doProbeAlarm(const TAbstractProbe* pProbe)
{
    if (!pProbe || !mAlarmForProbesActive) {
        closeAlarm();
        return;
    }
    const TProbeKey probe(pProbe->internalProbeNumber(), pProbe->probeName());
    if (mProbesWithCautionOpen.contains(probe)) {
        closeAlarm();
        return;
    }
    mProbesWithCautionOpen << probe;
    TBuzzerController::instance().soundAlarm();
    TWarningGate::instance().showMessage(
        tr("CAUTION! Probe %1 is operating outside the defined temperature range!").arg(pProbe->probeName()),
        TMessageDialog::dtWarning, [this, probe]() {
            mProbesWithCautionOpen.erase_item(probe);
            closeAlarm();
        });
}

void TProbeAlarmController::closeAlarm()
{
    // Another probe's alarm may be raised and its caution still to come, or
    // open below this one: the buzzer sounds on until the last is closed.
    mAlarmsNotClosed = qMax(0, mAlarmsNotClosed - 1);
    if (mAlarmsNotClosed == 0)
        TBuzzerController::instance().mute();
}

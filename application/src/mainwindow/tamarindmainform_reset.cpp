// The two operations that reach every owner of settings at once: the factory
// reset and the retranslation on a change of language.

#include "tamarindmainform.h"

#include "averagevaluesettingcontroller.h"
#include "brightnesscontroller.h"
#include "brightnesswidget.h"
#include "buzzerguicontroller.h"
#include "channelviewcontrollermanager.h"
#include "clickablewidgetcontroller.h"
#include "decimaldisplaycontroller.h"
#include "graphviewcontroller.h"
#include "internalscpihandler.h"
#include "languagecontroller.h"
#include "logfilecontroller.h"
#include "menubuttoncontext.h"
#include "messagedialog.h"
#include "probealarmcontroller.h"
#include "remotesettingscontroller.h"
#include "scanmodecontroller.h"
#include "standardprobesettingcontroller.h"
#include "tamarindclock.h"

#include <QEvent>

// Probes, the channel configuration, the network and remote settings, the boot
// logo and the service passwords are left as they are.
void TTamarindMainForm::factoryReset()
{
    if (!TMessageDialog().showQuestion(
            tr("The instrument is going to be reset to factory defaults. Would you like to proceed?")))
        return;
    TLanguageController::instance().factoryReset();
    mBrightnessController->factoryReset();
    mBrightnessWidget->factoryReset();
    TTamarindClock::instance().factoryReset();
    mBuzzerGUIController->factoryReset();
    TDecimalDisplayController::instance().factoryReset();
    mAverageValueSettingController->factoryReset();
    mStdProbeSettingsController->factoryReset();
    TProbeAlarmController::instance().factoryReset();
    mGraphViewController->factoryReset();
    mLogfileController->factoryReset();
    mScanModeController->factoryReset(homeViewChannel());
    if (mInternalSCPIHandler->restoreFactoryCalibration())
        loadCalibrationData();
    else
        TMessageDialog().showError(tr("The factory calibration data could not be restored, please try again."));
}

// A language can change while the constructor still runs: installing the
// stored language's translation sends the event at once, and a dialog shown
// during construction runs an event loop. Everything not built yet is skipped;
// the constructor sets it up in the current language afterwards.
void TTamarindMainForm::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange && ui) {
        ui->retranslateUi(this);
        if (TMenuButtonContext::activeMenuButtonContext)
            TMenuButtonContext::activeMenuButtonContext->retranslate();
        TLanguageController::instance().indicateSelectedLanguage();
        if (mBrightnessController)
            mBrightnessController->indicateSelectedBacklightOffSetting();
        if (mSettingsDecimalSeparatorWidgetController)
            mSettingsDecimalSeparatorWidgetController->indicateActiveWidget();
        if (mBuzzerGUIController)
            mBuzzerGUIController->indicateSelectedSettings();
        if (mProbeAlarmsWidgetController)
            mProbeAlarmsWidgetController->indicateActiveWidget();
        if (mChannelViewControllerManager)
            mChannelViewControllerManager->retranslate();
        if (mGraphViewController)
            mGraphViewController->retranslate();
        if (mLogfileController)
            mLogfileController->retranslate();
        // The menu column's caption is set in code, and the remote and scan
        // pages compose their values from translated words.
        if (ui->stackedWidgetMenu->currentWidget() == ui->PageMenu)
            setMainMenuCaption();
        else if (ui->stackedWidget->currentWidget() == ui->PageService && mServiceWidgetController)
            mServiceWidgetController->indicateActiveWidget();
        if (mRemoteSettingsController)
            mRemoteSettingsController->retranslate();
        if (mScanModeController)
            mScanModeController->retranslate();
        if (ui->stackedWidget->currentWidget() == ui->PageSettings && mSettingsWidgetController)
            mSettingsWidgetController->indicateActiveWidget();
        // The instrument name is asked of the board, which the constructor does in its own time.
        if (mConstructionComplete) {
            addInstrumentNameToChannelConfigurationToolTip();
            // The item titles are translated when the list is built.
            loadCalibrationData();
        }
    }
    QWidget::changeEvent(pEvent);
}

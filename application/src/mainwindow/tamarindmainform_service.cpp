// The service page: entering and leaving the service access level and the
// service screens it offers.

#include "tamarindmainform.h"

#include "authorizationcontroller.h"
#include "clickablewidgetcontroller.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "messagedialog.h"
#include "textpad.h"

#include <QTimer>

namespace
{
// The touchscreen calibration the window server reads at start; without it the device calibrates anew.
constexpr const char* TOUCHSCREEN_CALIBRATION_FILE = "/etc/pointercal";
} // namespace

void TTamarindMainForm::on_BtnEnterZELKServiceLevel_clicked()
{
    QString password;
    if (!TTextpad(nullptr).showTextpad(password, -1))
        return;
    // The page follows the new level through the level change.
    if (TAuthorizationController::instance().enterLevel(password) < 1)
        TMessageDialog().showError(tr("Access denied."));
}

void TTamarindMainForm::on_BtnLeaveZELKServiceLevel_clicked()
{
    TAuthorizationController::instance().resetLevel();
    on_BtnReturnToMainMenu_clicked();
}

// Levels 1 and 2 open the same service functions.
void TTamarindMainForm::onAuthorizationLevelChanged(int, int pNewLevel)
{
    ui->BtnEnterZELKServiceLevel->setVisible(pNewLevel < 1);
    ui->WgtZELKServiceLevel->setVisible(pNewLevel >= 1);
}

void TTamarindMainForm::service_widget_clicked(QWidget* pWidget)
{
    ui->LblMenuIcon->hide();
    ui->BtnReturnToMainMenu->show();
    if (pWidget == ui->BtnService_FirmwareUpdate_UI) {
        refreshFirmwareUpdateNewVersionDisplay(false);
        ui->stackedWidgetMenu->setCurrentWidget(ui->PageFirmwareUpdateUI);
    } else if (pWidget == ui->BtnService_SmartProbe) {
        openSmartProbeProgramming();
    } else if (pWidget == ui->BtnService_RecalCycle) {
        updateRecalCycleView();
        ui->stackedWidgetMenu->setCurrentWidget(ui->PageRecalCycle);
    } else if (pWidget == ui->BtnService_OperatingTime) {
        onUpdateOperatingTime();
        ui->stackedWidgetMenu->setCurrentWidget(ui->PageOperatingTime);
        mOperatingTimeTimer->start();
    } else if (pWidget == ui->BtnService_InstrumentCalibration) {
        if (!enterInstrumentCalibration()) {
            on_BtnReturnToMainMenu_clicked();
            return;
        }
        ui->stackedWidgetMenu->setCurrentWidget(ui->PageInstrumentCalibration);
        mCalibrationItemsWidgetController->deactivateAll();
        mSelectedTwoPointCalibrationItem = nullptr;
        mSelectedCJCCalibrationItem = nullptr;
    } else if (pWidget == ui->BtnService_TouchscreenCalibration) {
        resetTouchscreenCalibration();
    }
}

// A calibration file that is there and cannot be removed would be read again at the next start: the user is told
// instead of being sent to restart for nothing.
void TTamarindMainForm::resetTouchscreenCalibration()
{
    if (!TFileSystemSync::removeFile(TDeviceRoot::path(QLatin1String(TOUCHSCREEN_CALIBRATION_FILE))))
        TMessageDialog().showError(tr("The touchscreen calibration could not be reset."));
    else
        TMessageDialog().showInfo(tr("Please restart the instrument to calibrate the touchscreen."));
    on_BtnReturnToMainMenu_clicked();
}

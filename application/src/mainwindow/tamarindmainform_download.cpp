// The download page: what the window lends the download controller, and the
// eject it asks for.

#include "tamarindmainform.h"

#include "calibrationroutinesguicontroller.h"
#include "deviceroot.h"
#include "downloadcontroller.h"
#include "logfilecontroller.h"
#include "usbstickcontroller.h"

void TTamarindMainForm::buildDownloadController()
{
    TLogfileController* logger = mLogfileController.get();
    TDownloadController::TLogfileHooks logfileHooks{[logger] { logger->refreshLogfileList(); },
                                                    [logger] {
                                                        const QString path = logger->currentLogfile().fileName();
                                                        return path.isEmpty() ? path : TDeviceRoot::devicePath(path);
                                                    }};
    mDownloadController = std::make_unique<TDownloadController>(
        this, mProbeController.get(), mChannelController.get(), &mCalibrationRoutinesGUIController->calibrationFiles(),
        mLogfileDir, mChannelViewControllerManager.get(), logfileHooks, ui->LblDownloadListCaption,
        ui->PageDownloadList, ui->PageDownloadListMain, ui->PageDownload, ui->PageProbeCoeffFileList,
        ui->scrollAreaProbeCoeffFileListWidget, ui->scrollAreaDownloadListWidget, ui->BtnDownload_SelectAll,
        ui->BtnDownload_DeselectAll, ui->BtnDownload_Download, ui->BtnDownload_Delete, ui->BtnDownload_Screen,
        ui->BtnDownload_CalFiles, ui->BtnDownload_Log, ui->BtnDownload_AllProbes, ui->BtnDownload_MeasProbes,
        ui->BtnDownload_SmartProbes, ui->BtnDownload_ImportProbeCoeffs, ui->BtnDownload_InstrumentDetails,
        ui->BtnDownload_ProbeCoefficients, ui->BtnDownload_Eject);
    connect(mDownloadController.get(), &TDownloadController::ejectUSBDrive, this, &TTamarindMainForm::onUSB_eject);
}

void TTamarindMainForm::onUSB_eject()
{
    TUSBStickControllerProvider::getUSBStickController()->eject(true);
    checkUSB();
}

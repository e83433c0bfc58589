// The main window's part of the calibration routines screen.

#include "tamarindmainform.h"

#include "calibrationroutinesguicontroller.h"

#include <QGridLayout>

void TTamarindMainForm::buildCalibrationRoutines()
{
    mCalibrationRoutinesGUIController = std::make_unique<TCalibrationRoutinesGUIController>(
        this, mChannelController.get(), mScanModeController.get(), ui->BtnNewCalibrationRoutine,
        ui->PageEditCalibrationRoutine, ui->PageShowCalFile, ui->WgtCalibrationSetupsParent,
        ui->WgtCalibrationFilesParent, ui->WgtCalRoutineFilter, ui->LblShowCalFile_RoutineName,
        ui->LblShowCalFile_ReferenceProbe, ui->LblShowCalFile_Source, ui->LblShowCalFile_Stability,
        ui->LblShowCalFile_StabilityTime, ui->LblShowCalFile_HoldTime, ui->scrollAreaCalFile_DUTsWidget,
        ui->BtnCalRoutine_Name, ui->BtnCalRoutine_DWK4400_COOL, ui->BtnCalRoutine_DWK4400_165,
        ui->BtnCalRoutine_DWK4400_450, ui->BtnCalRoutine_DWK4400_650, ui->BtnCalRoutine_DWK4400_1100,
        ui->BtnCalRoutine_DWK4600_650, ui->BtnCalRoutine_DWK4600_165, ui->BtnCalRoutine_MBK2700_165,
        ui->BtnCalRoutine_MBK2700_225, ui->BtnCalRoutine_MBK2800, ui->BtnCalRoutine_MBK2900,
        ui->BtnCalRoutine_MFK5100_150, ui->BtnCalRoutine_RefChan1, ui->BtnCalRoutine_RefChan2,
        ui->BtnCalRoutine_RefChan3, ui->BtnCalRoutine_RefChan4, ui->BtnCalRoutine_AddDUTChannel,
        ui->BtnCalRoutine_Stability, ui->BtnCalRoutine_StabilityTime, ui->BtnCalRoutine_HoldTime,
        ui->BtnCalRoutine_AddCalPoint, ui->BtnCalRoutineFilter, ui->BtnCalRoutineClearFilter, ui->WgtCalRoutineFilter,
        ui->LblCalRoutineFilter, ui->BtnDeleteCalSetup, ui->BtnDeleteCalFile, ui->BtnDownloadCalFile,
        ui->LblCalRoutine_IpAddress, ui->BtnCalRoutine_IpAddress, ui->LblCalRoutine_Port, ui->BtnCalRoutine_Port);
    if (!mCalibrationRoutinesGUIController->isCommunicationLibraryAvailable())
        removeCalibrationRoutinesFromMainMenu();
}

// Remote moves up into the calibration button's cells and Info into Remote's,
// so the menu keeps no gap; with one entry less it fits without scrolling.
void TTamarindMainForm::removeCalibrationRoutinesFromMainMenu()
{
    auto* grid =
        ui->BtnInfo->parentWidget() ? qobject_cast<QGridLayout*>(ui->BtnInfo->parentWidget()->layout()) : nullptr;
    if (grid) {
        const auto cell = [grid](QWidget* pWidget) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(pWidget), &row, &column, &rowSpan, &columnSpan);
            return std::make_pair(row, column);
        };
        const auto calibrationButton = cell(ui->BtnCalibrationRoutines);
        const auto calibrationLabel = cell(ui->LblCalibrationRoutines);
        const auto remoteButton = cell(ui->BtnRemote);
        const auto remoteLabel = cell(ui->LblRemote);
        for (QWidget* widget :
             {static_cast<QWidget*>(ui->BtnCalibrationRoutines), static_cast<QWidget*>(ui->LblCalibrationRoutines)}) {
            grid->removeWidget(widget);
            widget->hide();
        }
        const auto move = [grid](QWidget* pWidget, std::pair<int, int> pCell) {
            grid->removeWidget(pWidget);
            grid->addWidget(pWidget, pCell.first, pCell.second, 1, 1, Qt::AlignHCenter);
        };
        move(ui->BtnRemote, calibrationButton);
        move(ui->LblRemote, calibrationLabel);
        move(ui->BtnInfo, remoteButton);
        move(ui->LblInfo, remoteLabel);
    }
    ui->scrollAreaMainMenu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->scrollAreaMainMenu->setScrollingEnabled(false);
}

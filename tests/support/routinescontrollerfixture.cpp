#include "routinescontrollerfixture.h"

#include "calibrationroutinesguicontroller.h"
#include "channelcontrollerfixture.h"
#include "tamarindmainform_ui.h"

std::unique_ptr<TCalibrationRoutinesGUIController> buildRoutinesController(TChannelControllerFixture& pFixture)
{
    Ui_TTamarindMainForm& ui = pFixture.ui();
    return std::make_unique<TCalibrationRoutinesGUIController>(
        &pFixture.subMenu(), &pFixture.controller(), nullptr, ui.BtnNewCalibrationRoutine,
        ui.PageEditCalibrationRoutine, ui.PageShowCalFile, ui.WgtCalibrationSetupsParent, ui.WgtCalibrationFilesParent,
        ui.WgtCalRoutineFilter, ui.LblShowCalFile_RoutineName, ui.LblShowCalFile_ReferenceProbe,
        ui.LblShowCalFile_Source, ui.LblShowCalFile_Stability, ui.LblShowCalFile_StabilityTime,
        ui.LblShowCalFile_HoldTime, ui.scrollAreaCalFile_DUTsWidget, ui.BtnCalRoutine_Name,
        ui.BtnCalRoutine_DWK4400_COOL, ui.BtnCalRoutine_DWK4400_165, ui.BtnCalRoutine_DWK4400_450,
        ui.BtnCalRoutine_DWK4400_650, ui.BtnCalRoutine_DWK4400_1100, ui.BtnCalRoutine_DWK4600_650,
        ui.BtnCalRoutine_DWK4600_165, ui.BtnCalRoutine_MBK2700_165, ui.BtnCalRoutine_MBK2700_225,
        ui.BtnCalRoutine_MBK2800, ui.BtnCalRoutine_MBK2900, ui.BtnCalRoutine_MFK5100_150, ui.BtnCalRoutine_RefChan1,
        ui.BtnCalRoutine_RefChan2, ui.BtnCalRoutine_RefChan3, ui.BtnCalRoutine_RefChan4, ui.BtnCalRoutine_AddDUTChannel,
        ui.BtnCalRoutine_Stability, ui.BtnCalRoutine_StabilityTime, ui.BtnCalRoutine_HoldTime,
        ui.BtnCalRoutine_AddCalPoint, ui.BtnCalRoutineFilter, ui.BtnCalRoutineClearFilter, ui.WgtCalRoutineFilter,
        ui.LblCalRoutineFilter, ui.BtnDeleteCalSetup, ui.BtnDeleteCalFile, ui.BtnDownloadCalFile,
        ui.LblCalRoutine_IpAddress, ui.BtnCalRoutine_IpAddress, ui.LblCalRoutine_Port, ui.BtnCalRoutine_Port);
}

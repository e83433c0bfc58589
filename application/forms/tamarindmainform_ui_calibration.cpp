#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageCalibrationRoutines()
{
    PageCalibrationRoutines = newPage("PageCalibrationRoutines");
    stackedWidget->addWidget(PageCalibrationRoutines);
}

void Ui_TTamarindMainForm::retranslatePageCalibrationRoutines() {}

void Ui_TTamarindMainForm::setupPageEditCalibrationRoutine()
{
    PageEditCalibrationRoutine = newPage("PageEditCalibrationRoutine");
    stackedWidgetMenu->addWidget(PageEditCalibrationRoutine);
}

void Ui_TTamarindMainForm::retranslatePageEditCalibrationRoutine() {}

void Ui_TTamarindMainForm::setupPageShowCalFile()
{
    PageShowCalFile = newPage("PageShowCalFile");
    stackedWidgetMenu->addWidget(PageShowCalFile);
}

void Ui_TTamarindMainForm::retranslatePageShowCalFile() {}

#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageInfo()
{
    PageInfo = newPage("PageInfo");
    stackedWidget->addWidget(PageInfo);
}

void Ui_TTamarindMainForm::retranslatePageInfo() {}

void Ui_TTamarindMainForm::setupPageService()
{
    PageService = newPage("PageService");
    stackedWidget->addWidget(PageService);
}

void Ui_TTamarindMainForm::retranslatePageService() {}

void Ui_TTamarindMainForm::setupPageFirmwareUpdateUI()
{
    PageFirmwareUpdateUI = newPage("PageFirmwareUpdateUI");
    stackedWidgetMenu->addWidget(PageFirmwareUpdateUI);
}

void Ui_TTamarindMainForm::retranslatePageFirmwareUpdateUI() {}

void Ui_TTamarindMainForm::setupPageOperatingTime()
{
    PageOperatingTime = newPage("PageOperatingTime");
    stackedWidgetMenu->addWidget(PageOperatingTime);
}

void Ui_TTamarindMainForm::retranslatePageOperatingTime() {}

void Ui_TTamarindMainForm::setupPageInstrumentCalibration()
{
    PageInstrumentCalibration = newPage("PageInstrumentCalibration");
    stackedWidgetMenu->addWidget(PageInstrumentCalibration);
}

void Ui_TTamarindMainForm::retranslatePageInstrumentCalibration() {}

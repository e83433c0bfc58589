#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageRemote()
{
    PageRemote = newPage("PageRemote");
    stackedWidget->addWidget(PageRemote);
}

void Ui_TTamarindMainForm::retranslatePageRemote() {}

void Ui_TTamarindMainForm::setupPageIPNetmask()
{
    PageIPNetmask = newPage("PageIPNetmask");
    stackedWidgetMenu->addWidget(PageIPNetmask);
}

void Ui_TTamarindMainForm::retranslatePageIPNetmask() {}

void Ui_TTamarindMainForm::setupPageGateway()
{
    PageGateway = newPage("PageGateway");
    stackedWidgetMenu->addWidget(PageGateway);
}

void Ui_TTamarindMainForm::retranslatePageGateway() {}

void Ui_TTamarindMainForm::setupPageGenericOnOff()
{
    PageGenericOnOff = newPage("PageGenericOnOff");
    stackedWidgetMenu->addWidget(PageGenericOnOff);
}

void Ui_TTamarindMainForm::retranslatePageGenericOnOff() {}

void Ui_TTamarindMainForm::setupPageBaudRate()
{
    PageBaudRate = newPage("PageBaudRate");
    stackedWidgetMenu->addWidget(PageBaudRate);
}

void Ui_TTamarindMainForm::retranslatePageBaudRate() {}

void Ui_TTamarindMainForm::setupPageDataBits()
{
    PageDataBits = newPage("PageDataBits");
    stackedWidgetMenu->addWidget(PageDataBits);
}

void Ui_TTamarindMainForm::retranslatePageDataBits() {}

void Ui_TTamarindMainForm::setupPageStopBits()
{
    PageStopBits = newPage("PageStopBits");
    stackedWidgetMenu->addWidget(PageStopBits);
}

void Ui_TTamarindMainForm::retranslatePageStopBits() {}

void Ui_TTamarindMainForm::setupPageParity()
{
    PageParity = newPage("PageParity");
    stackedWidgetMenu->addWidget(PageParity);
}

void Ui_TTamarindMainForm::retranslatePageParity() {}

#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageProbes()
{
    PageProbes = newPage("PageProbes");
    stackedWidget->addWidget(PageProbes);
}

void Ui_TTamarindMainForm::retranslatePageProbes() {}

void Ui_TTamarindMainForm::setupPageStdProbeSettings()
{
    PageStdProbeSettings = newPage("PageStdProbeSettings");
    stackedWidgetMenu->addWidget(PageStdProbeSettings);
}

void Ui_TTamarindMainForm::retranslatePageStdProbeSettings() {}

void Ui_TTamarindMainForm::setupPagePRTEdit()
{
    PagePRTEdit = newPage("PagePRTEdit");
    stackedWidgetMenu->addWidget(PagePRTEdit);
}

void Ui_TTamarindMainForm::retranslatePagePRTEdit() {}

void Ui_TTamarindMainForm::setupPageTCEdit()
{
    PageTCEdit = newPage("PageTCEdit");
    stackedWidgetMenu->addWidget(PageTCEdit);
}

void Ui_TTamarindMainForm::retranslatePageTCEdit() {}

void Ui_TTamarindMainForm::setupPageThermEdit()
{
    PageThermEdit = newPage("PageThermEdit");
    stackedWidgetMenu->addWidget(PageThermEdit);
}

void Ui_TTamarindMainForm::retranslatePageThermEdit() {}

void Ui_TTamarindMainForm::setupPageSmartProbeList()
{
    PageSmartProbeList = newPage("PageSmartProbeList");
    stackedWidgetMenu->addWidget(PageSmartProbeList);
}

void Ui_TTamarindMainForm::retranslatePageSmartProbeList() {}

void Ui_TTamarindMainForm::setupPageSmartProbeProg()
{
    PageSmartProbeProg = newPage("PageSmartProbeProg");
    stackedWidgetMenu->addWidget(PageSmartProbeProg);
}

void Ui_TTamarindMainForm::retranslatePageSmartProbeProg() {}

void Ui_TTamarindMainForm::setupPageProbeCoeffFileList()
{
    PageProbeCoeffFileList = newPage("PageProbeCoeffFileList");
    stackedWidgetMenu->addWidget(PageProbeCoeffFileList);
}

void Ui_TTamarindMainForm::retranslatePageProbeCoeffFileList() {}

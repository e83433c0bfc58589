#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPage2DPlot()
{
    Page2DPlot = newPage("Page2DPlot");
    stackedWidget->addWidget(Page2DPlot);
}

void Ui_TTamarindMainForm::retranslatePage2DPlot() {}

void Ui_TTamarindMainForm::setupPageScan()
{
    PageScan = newPage("PageScan");
    stackedWidget->addWidget(PageScan);
}

void Ui_TTamarindMainForm::retranslatePageScan() {}

void Ui_TTamarindMainForm::setupPageGraphUnitAndScale()
{
    PageGraphUnitAndScale = newPage("PageGraphUnitAndScale");
    stackedWidgetMenu->addWidget(PageGraphUnitAndScale);
}

void Ui_TTamarindMainForm::retranslatePageGraphUnitAndScale() {}

void Ui_TTamarindMainForm::setupPageScanView()
{
    PageScanView = newPage("PageScanView");
    stackedWidgetMenu->addWidget(PageScanView);
}

void Ui_TTamarindMainForm::retranslatePageScanView() {}

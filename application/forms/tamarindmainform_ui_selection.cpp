#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageAverageValue()
{
    PageAverageValue = newPage("PageAverageValue");
    stackedWidgetMenu->addWidget(PageAverageValue);
}

void Ui_TTamarindMainForm::retranslatePageAverageValue() {}

void Ui_TTamarindMainForm::setupPageUnitSelection()
{
    PageUnitSelection = newPage("PageUnitSelection");
    stackedWidgetMenu->addWidget(PageUnitSelection);
}

void Ui_TTamarindMainForm::retranslatePageUnitSelection() {}

void Ui_TTamarindMainForm::setupPageChannelSelection()
{
    PageChannelSelection = newPage("PageChannelSelection");
    stackedWidgetMenu->addWidget(PageChannelSelection);
}

void Ui_TTamarindMainForm::retranslatePageChannelSelection() {}

void Ui_TTamarindMainForm::setupPageProbeSelection()
{
    PageProbeSelection = newPage("PageProbeSelection");
    stackedWidgetMenu->addWidget(PageProbeSelection);
}

void Ui_TTamarindMainForm::retranslatePageProbeSelection() {}

void Ui_TTamarindMainForm::setupPageSelectProbeOrUnit()
{
    PageSelectProbeOrUnit = newPage("PageSelectProbeOrUnit");
    stackedWidgetMenu->addWidget(PageSelectProbeOrUnit);
}

void Ui_TTamarindMainForm::retranslatePageSelectProbeOrUnit() {}

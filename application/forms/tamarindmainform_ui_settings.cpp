#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageSettings()
{
    PageSettings = newPage("PageSettings");
    stackedWidget->addWidget(PageSettings);
}

void Ui_TTamarindMainForm::retranslatePageSettings() {}

void Ui_TTamarindMainForm::setupPageBacklightOff()
{
    PageBacklightOff = newPage("PageBacklightOff");
    stackedWidgetMenu->addWidget(PageBacklightOff);
}

void Ui_TTamarindMainForm::retranslatePageBacklightOff() {}

void Ui_TTamarindMainForm::setupPageBrightness()
{
    PageBrightness = newPage("PageBrightness");
    stackedWidgetMenu->addWidget(PageBrightness);
}

void Ui_TTamarindMainForm::retranslatePageBrightness() {}

void Ui_TTamarindMainForm::setupPageTime()
{
    PageTime = newPage("PageTime");
    stackedWidgetMenu->addWidget(PageTime);
}

void Ui_TTamarindMainForm::retranslatePageTime() {}

void Ui_TTamarindMainForm::setupPageSound()
{
    PageSound = newPage("PageSound");
    stackedWidgetMenu->addWidget(PageSound);
}

void Ui_TTamarindMainForm::retranslatePageSound() {}

void Ui_TTamarindMainForm::setupPageAlarmForProbes()
{
    PageAlarmForProbes = newPage("PageAlarmForProbes");
    stackedWidgetMenu->addWidget(PageAlarmForProbes);
}

void Ui_TTamarindMainForm::retranslatePageAlarmForProbes() {}

void Ui_TTamarindMainForm::setupPageDataSeparator()
{
    PageDataSeparator = newPage("PageDataSeparator");
    stackedWidgetMenu->addWidget(PageDataSeparator);
}

void Ui_TTamarindMainForm::retranslatePageDataSeparator() {}

void Ui_TTamarindMainForm::setupPageRecalCycle()
{
    PageRecalCycle = newPage("PageRecalCycle");
    stackedWidgetMenu->addWidget(PageRecalCycle);
}

void Ui_TTamarindMainForm::retranslatePageRecalCycle() {}

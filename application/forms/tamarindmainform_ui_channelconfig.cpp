#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageChanConf_ZTM8800()
{
    PageChanConf_ZTM8800 = newPage("PageChanConf_ZTM8800");
    stackedWidgetMenu->addWidget(PageChanConf_ZTM8800);
}

void Ui_TTamarindMainForm::retranslatePageChanConf_ZTM8800() {}

void Ui_TTamarindMainForm::setupPageChanConf_SwitchBoxes()
{
    PageChanConf_SwitchBoxes = newPage("PageChanConf_SwitchBoxes");
    stackedWidgetMenu->addWidget(PageChanConf_SwitchBoxes);
}

void Ui_TTamarindMainForm::retranslatePageChanConf_SwitchBoxes() {}

void Ui_TTamarindMainForm::setupPageTwoPointCal()
{
    PageTwoPointCal = newPage("PageTwoPointCal");
    stackedWidgetMenu->addWidget(PageTwoPointCal);
}

void Ui_TTamarindMainForm::retranslatePageTwoPointCal() {}

void Ui_TTamarindMainForm::setupPageCJCOffset()
{
    PageCJCOffset = newPage("PageCJCOffset");
    stackedWidgetMenu->addWidget(PageCJCOffset);
}

void Ui_TTamarindMainForm::retranslatePageCJCOffset() {}

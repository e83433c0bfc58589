// The service page: entering and leaving the service access level and the
// service screens it offers.

#include "tamarindmainform.h"

void TTamarindMainForm::onAuthorizationLevelChanged(int, int pNewLevel)
{
    ui->BtnEnterZELKServiceLevel->setVisible(pNewLevel < 1);
    ui->WgtZELKServiceLevel->setVisible(pNewLevel >= 1);
}

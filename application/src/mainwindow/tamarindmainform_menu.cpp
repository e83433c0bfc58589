// The menu column: the pages every screen opens there, their caption, the
// Return, Cancel and Save bar and what it tells the screen that opened the page.

#include "tamarindmainform.h"

#include "clickablewidgetcontroller.h"
#include "tamarindclock.h"

void TTamarindMainForm::setSubMenuCaption(const QString& pCaption)
{
    mSubMenuCaptionBackup = ui->LblMenuCaption->text();
    ui->LblMenuIcon->hide();
    ui->LblMenuCaption->setText(pCaption);
}

void TTamarindMainForm::restoreSubMenuCaption()
{
    ui->LblMenuCaption->setText(mSubMenuCaptionBackup);
}

void TTamarindMainForm::setMainMenuCaption()
{
    ui->LblMenuIcon->show();
    ui->LblMenuCaption->setText(tr("Menu"));
}

void TTamarindMainForm::showSubMenu(const QString& pSubMenuCaption, QWidget* pSubMenuWidget,
                                    ISubMenuConfirmationReceiver* pConfirmationReceiver, EnSubMenuType pSubMenuType)
{
    mSubMenuConfirmationReceiver = pConfirmationReceiver;
    setSubMenuCaption(pSubMenuCaption);
    ui->stackedWidgetMenu->setCurrentWidget(pSubMenuWidget);
    ui->BtnSave->hide();
    ui->BtnCancel->hide();
    ui->BtnReturnToMainMenu->hide();
    const bool editor = pSubMenuType == smtEditor || pSubMenuType == smtEditorWithMainMenuButton;
    const bool returnButton = pSubMenuType == smtViewer || pSubMenuType == smtEditorWithMainMenuButton;
    if (editor) {
        ui->BtnSave->show();
        ui->BtnCancel->show();
    }
    if (returnButton)
        ui->BtnReturnToMainMenu->show();
}

void TTamarindMainForm::cancelSubMenu(ISubMenuConfirmationReceiver*)
{
    if (mSubMenuConfirmationReceiver)
        on_BtnCancel_clicked();
}

// Every way out of a sub-menu ends here.
void TTamarindMainForm::on_BtnReturnToMainMenu_clicked()
{
    ui->BtnReturnToMainMenu->hide();
    ui->BtnCancel->hide();
    ui->BtnSave->hide();
    ui->stackedWidgetMenu->setCurrentWidget(ui->PageMenu);
    setMainMenuCaption();
    if (ui->stackedWidget->currentWidget() == ui->PageSettings)
        mSettingsWidgetController->resetActiveWidget();
    else if (ui->stackedWidget->currentWidget() == ui->PageService)
        mServiceWidgetController->resetActiveWidget();
    // Forgotten before it is told, so that a page it opens in answer keeps its own receiver.
    ISubMenuConfirmationReceiver* receiver = mSubMenuConfirmationReceiver;
    mSubMenuConfirmationReceiver = nullptr;
    if (receiver)
        receiver->returnToMainMenuClicked();
}

void TTamarindMainForm::on_BtnCancel_clicked()
{
    if (mSubMenuConfirmationReceiver && mSubMenuConfirmationReceiver->cancelClicked()) {
        mSubMenuConfirmationReceiver = nullptr;
        on_BtnReturnToMainMenu_clicked();
    }
}

void TTamarindMainForm::on_BtnSave_clicked()
{
    if (ui->stackedWidgetMenu->currentWidget() == ui->PageTime) {
        TTamarindClock::instance().setDateTimeFromGUI();
        on_BtnReturnToMainMenu_clicked();
    }
    if (mSubMenuConfirmationReceiver && mSubMenuConfirmationReceiver->storeClicked()) {
        mSubMenuConfirmationReceiver = nullptr;
        on_BtnReturnToMainMenu_clicked();
    }
}

void TTamarindMainForm::beforeShowConnectedView(QZELKAppButton*, bool&) {}

void TTamarindMainForm::beforeDefaultContextHandling(QZELKAppButton*, bool& pAbort)
{
    pAbort = false;
}

void TTamarindMainForm::returnToHomeView()
{
    ui->BtnHome->doButtonClick();
}

void TTamarindMainForm::default_widget_activated_handler(short, QWidget* pPrevious, QWidget* pCurrent)
{
    if (pPrevious)
        pPrevious->setStyleSheet(mClickableWidgetStylesheet_default);
    if (pCurrent)
        pCurrent->setStyleSheet(mClickableWidgetStylesheet_active);
}

void TTamarindMainForm::settings_widget_activated(short pGroup, QWidget* pPrevious, QWidget* pCurrent)
{
    default_widget_activated_handler(pGroup, pPrevious, pCurrent);
    // Only the time page is saved by the bar's Save.
    if (pPrevious == ui->BtnSettings_Time)
        ui->BtnSave->hide();
}

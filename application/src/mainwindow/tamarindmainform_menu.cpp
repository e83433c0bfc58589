// The menu column: the pages every screen opens there, their caption, the
// Return, Cancel and Save bar and what it tells the screen that opened the page.

#include "tamarindmainform.h"

#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "clickablewidgetcontroller.h"
#include "fontmetricshelper.h"
#include "logfilecontroller.h"
#include "messagedialog.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "stylesheetcatalogue.h"
#include "tamarindclock.h"
#include "textpad.h"

#include <QFontInfo>
#include <QTimer>

namespace
{
// Below this a caption is no longer read at a glance.
constexpr int MENU_CAPTION_MINIMUM_FONT_SIZE = 14;

// A caption wider than the menu column ("Resistance thermometer", and longer
// ones in other languages) is set in a smaller font rather than cut off.
void showMenuCaption(Ui_TTamarindMainForm& ui, const QString& pCaption)
{
    QLabel& label = *ui.LblMenuCaption;
    const QString plain = TStyleSheetCatalogue::sheet(ssEmpty);
    label.setStyleSheet(plain);
    label.setText(pCaption);
    label.ensurePolished();
    // The menu icon may have just been hidden or shown: the label's width follows now.
    ui.horizontalLayout_8->activate();
    const int width = label.contentsRect().width();
    QFont font = label.font();
    if (QFontMetrics(font).horizontalAdvance(pCaption) <= width)
        return;
    QString fitted = pCaption;
    TFontMetricsHelper::calculateFontSize(fitted, font, width, QFontInfo(font).pixelSize(),
                                          MENU_CAPTION_MINIMUM_FONT_SIZE, false);
    label.setStyleSheet(plain + TFontMetricsHelper::fontsizeStylesheetEntry(font));
}
} // namespace

void TTamarindMainForm::setSubMenuCaption(const QString& pCaption)
{
    mSubMenuCaptionBackup = ui->LblMenuCaption->text();
    ui->LblMenuIcon->hide();
    showMenuCaption(*ui, pCaption);
}

// A dialog over a sub-menu can outlast it: a client taking control closes the
// menu column beneath the dialog. The main menu then keeps its own caption.
void TTamarindMainForm::restoreSubMenuCaption()
{
    if (ui->stackedWidgetMenu->currentWidget() == ui->PageMenu) {
        setMainMenuCaption();
        return;
    }
    showMenuCaption(*ui, mSubMenuCaptionBackup);
}

// Chinese and Japanese captions are set in a fallback font whose line is taller than the Latin one; under the
// icons of the main menu that would push the last row below the first screen. Each caption keeps the height a
// line of its own font gives it: the glyphs of those scripts sit well inside their taller line.
void TTamarindMainForm::holdMainMenuCaptionHeights()
{
    for (QLabel* caption : ui->scrollAreaMainMenuWidget->findChildren<QLabel*>()) {
        caption->ensurePolished();
        const QFontMetrics metrics(caption->font());
        const int textHeight =
            metrics
                .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), int(caption->alignment()), caption->text())
                .height();
        caption->setMaximumHeight(caption->sizeHint().height() - textHeight + metrics.height());
    }
}

void TTamarindMainForm::setMainMenuCaption()
{
    ui->LblMenuIcon->show();
    showMenuCaption(*ui, tr("Menu"));
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
    if (ui->stackedWidgetMenu->currentWidget() == ui->PageTwoPointCal)
        resetSelectedTwoPointCalItem();
    else if (ui->stackedWidgetMenu->currentWidget() == ui->PageCJCOffset)
        resetCJCOffsetCalibrationItem();
}

void TTamarindMainForm::on_BtnSave_clicked()
{
    // A page whose fields were refused stays open for them to be corrected.
    if (ui->stackedWidgetMenu->currentWidget() == ui->PageTime) {
        if (!TTamarindClock::instance().setDateTimeFromGUI())
            return;
        on_BtnReturnToMainMenu_clicked();
    } else if (ui->stackedWidgetMenu->currentWidget() == ui->PageSmartProbeProg) {
        if (!storeSmartProbe())
            return;
        TMessageDialog().showConfirmation(tr("SMART probe programming successful."));
        on_BtnReturnToMainMenu_clicked();
    } else if ((ui->stackedWidgetMenu->currentWidget() == ui->PageTwoPointCal && storeSelectedTwoPointCalItem()) ||
               (ui->stackedWidgetMenu->currentWidget() == ui->PageCJCOffset && storeCJCOffsetCalibrationItem())) {
        TMessageDialog().showConfirmation(tr("Calibration data saved."));
        on_BtnReturnToMainMenu_clicked();
    }
    if (mSubMenuConfirmationReceiver && mSubMenuConfirmationReceiver->storeClicked()) {
        mSubMenuConfirmationReceiver = nullptr;
        on_BtnReturnToMainMenu_clicked();
    }
}

// Home and Logger act on their release, where a long press is told from a short one.
void TTamarindMainForm::beforeDefaultContextHandling(QZELKAppButton* pButton, bool& pAbort)
{
    pAbort = pButton == ui->BtnHome || pButton == ui->BtnLogger;
}

// During a scan the Scan button shows the scan's view first, and its page only when that view is shown already.
void TTamarindMainForm::beforeShowConnectedView(QZELKAppButton* pButton, bool& handled)
{
    if (pButton == ui->BtnScan && mScanModeController->isScanModeActive()) {
        if (mScanModeController->scanView() == EnScanView::svGraph &&
            ui->stackedWidget->currentWidget() == ui->Page2DPlot)
            return;
        if (!mChannelViewControllerManager->isScanViewVisible()) {
            handled = true;
            activateAndShowScanView();
        }
        return;
    }
    if (pButton == ui->BtnInfo)
        updateInfoScreen();
    else if (pButton == ui->BtnLogger)
        mLogfileController->setButtons();
    else if (pButton == ui->BtnUSB)
        on_BtnReturnToMainMenu_clicked();
}

// Only the operating time page refreshes itself. The two-point screen, left by any way, leaves no neutral data of a
// measurement on the board.
void TTamarindMainForm::on_stackedWidgetMenu_currentChanged(int)
{
    if (mOperatingTimeTimer && ui->stackedWidgetMenu->currentWidget() != ui->PageOperatingTime)
        mOperatingTimeTimer->stop();
    if (ui->stackedWidgetMenu->currentWidget() != ui->PageTwoPointCal)
        restoreTwoPointCalBackup();
}

void TTamarindMainForm::onHideMenuIcon()
{
    ui->LblMenuIcon->hide();
}

// During a scan the home view follows the channel the scan measures.
void TTamarindMainForm::returnToHomeView()
{
    mChannelViewControllerManager->activateHomeView();
    TAbstractChannelViewController* home = mChannelViewControllerManager->homescreenViewController();
    TAbstractChannel* active = mScanModeController->activeChannel();
    if (home && mScanModeController->isScanModeActive() && home->measuredChannel() != active)
        home->setChannels({active}, active);
    mChannelViewControllerManager->showHomeView();
    ui->BtnHome->doButtonClick();
}

void TTamarindMainForm::activateAndShowScanView()
{
    if (mScanModeController->scanView() == EnScanView::svGraph) {
        mChannelViewControllerManager->deactivateView();
        ui->stackedWidget->setCurrentWidget(ui->Page2DPlot);
        return;
    }
    mChannelViewControllerManager->activateScanView();
    mChannelViewControllerManager->showScanView();
}

void TTamarindMainForm::on_BtnScan_ShowView_clicked()
{
    on_BtnReturnToMainMenu_clicked();
    activateAndShowScanView();
}

void TTamarindMainForm::default_widget_activated_handler(short, QWidget* pPrevious, QWidget* pCurrent)
{
    // Polished first: a row that has not been shown yet would otherwise keep the look it was styled with
    // while its page was built, whatever sheet it is given now.
    if (pPrevious) {
        pPrevious->ensurePolished();
        pPrevious->setStyleSheet(mClickableWidgetStylesheet_default);
    }
    if (pCurrent) {
        pCurrent->ensurePolished();
        pCurrent->setStyleSheet(mClickableWidgetStylesheet_active);
    }
}

void TTamarindMainForm::settings_widget_activated(short pGroup, QWidget* pPrevious, QWidget* pCurrent)
{
    default_widget_activated_handler(pGroup, pPrevious, pCurrent);
    // Only the time page is saved by the bar's Save.
    if (pPrevious == ui->BtnSettings_Time)
        ui->BtnSave->hide();
}

void TTamarindMainForm::settings_widget_clicked(QWidget* pWidget)
{
    if (pWidget == ui->BtnSettings_FactoryReset) {
        on_BtnReturnToMainMenu_clicked();
        factoryReset();
        mSettingsWidgetController->deactivateAll();
        return;
    }
    ui->BtnReturnToMainMenu->show();
    const std::pair<QWidget*, QWidget*> pages[] = {
        {ui->BtnSettings_Language, ui->PageLangSettings},
        {ui->BtnSettings_Brightness, ui->PageBrightness},
        {ui->BtnSettings_BacklightOff, ui->PageBacklightOff},
        {ui->BtnSettings_DataSeparator, ui->PageDataSeparator},
        {ui->BtnSettings_Time, ui->PageTime},
        {ui->BtnSettings_Sound, ui->PageSound},
        {ui->BtnSettings_AvgValue, ui->PageAverageValue},
        {ui->BtnSettings_StandardProbeSettings, ui->PageStdProbeSettings},
        {ui->BtnSettings_AlarmForProbes, ui->PageAlarmForProbes},
    };
    for (const auto& page : pages) {
        if (page.first != pWidget)
            continue;
        if (pWidget == ui->BtnSettings_Time) {
            TTamarindClock::instance().enterDateTimeEditMode();
            ui->BtnSave->show();
        }
        ui->stackedWidgetMenu->setCurrentWidget(page.second);
        break;
    }
    ui->LblMenuIcon->hide();
}

// The probe selection list offers to add a probe: the probe page opens with the main menu beside it.
void TTamarindMainForm::on_btnProbeSel_AddProbe_clicked()
{
    ui->BtnProbes->doButtonClick();
    ui->BtnReturnToMainMenu->hide();
    ui->stackedWidgetMenu->setCurrentWidget(ui->PageMenu);
}

void TTamarindMainForm::on_BtnScan_Start_clicked()
{
    if (!mScanModeController->startScanMode())
        TMessageDialog().showError(tr("Unable to start scan mode. Please select at least two channels."));
}

void TTamarindMainForm::on_BtnScan_Stop_clicked()
{
    mScanModeController->stopScanMode(homeViewChannel());
}

TAbstractChannel* TTamarindMainForm::homeViewChannel() const
{
    TAbstractChannelViewController* home =
        mChannelViewControllerManager ? mChannelViewControllerManager->homescreenViewController() : nullptr;
    return home ? home->measuredChannel() : nullptr;
}

bool TTamarindMainForm::leaveScanModeAsking(const QString& pQuestion)
{
    if (!mScanModeController->isScanModeActive())
        return true;
    if (!TMessageDialog().showQuestion(pQuestion))
        return false;
    mScanModeController->stopScanMode(homeViewChannel());
    return true;
}

void TTamarindMainForm::onScanModeStarted()
{
    ui->BtnScan_Start->setEnabled(false);
    ui->BtnScan_Stop->setEnabled(true);
    ui->BtnScan_ShowView->setEnabled(true);
    onScanViewChangedDuringRuntime(*mScanModeController);
    updateTitleLabel_Right();
}

void TTamarindMainForm::onScanModeStopped()
{
    updateTitleLabel_Right();
    ui->BtnScan_Start->setEnabled(true);
    ui->BtnScan_Stop->setEnabled(false);
    ui->BtnScan_ShowView->setEnabled(false);
    mChannelViewControllerManager->activateHomeView();
}

// The graph has no information bar of its own: the one of the channel views is emptied.
void TTamarindMainForm::onScanViewChangedDuringRuntime(const TScanModeController& pScanModeController)
{
    if (pScanModeController.scanView() != EnScanView::svGraph) {
        mChannelViewControllerManager->activateScanView();
        return;
    }
    mChannelViewControllerManager->deactivateView();
    ui->pnlInformationBar->setStyleSheet(QString());
    ui->lblInfoBarLeft->clear();
    ui->lblInfoBarCenter->clear();
    ui->lblInfoBarRight->clear();
}

void TTamarindMainForm::on_BtnProbe_Search_clicked()
{
    on_BtnReturnToMainMenu_clicked();
    QString filter;
    if (TTextpad(nullptr).showTextpad(filter, TProbeController::MAX_PROBE_NAME_LENGTH) && !filter.isEmpty())
        mProbeController->setProbeFilter(filter);
}

void TTamarindMainForm::on_BtnProbeFilterClear_clicked()
{
    on_BtnReturnToMainMenu_clicked();
    mProbeController->setProbeFilter(QString());
}

void TTamarindMainForm::on_BtnDeleteProbe_clicked()
{
    if (mProbeController->deleteSelectedProbe())
        on_BtnReturnToMainMenu_clicked();
}

void TTamarindMainForm::on_RbGraphScale_Auto_clicked()
{
    ui->WgtCustomScale->hide();
}

void TTamarindMainForm::on_RbGraphScale_Custom_clicked()
{
    ui->WgtCustomScale->show();
}

// What the window does with the input events of the whole application, the
// long presses of the main menu, the status bar and the USB stick check.

#include "tamarindmainform.h"

#include "brightnesscontroller.h"
#include "buzzercontroller.h"
#include "channelcontroller.h"
#include "customlogocontroller.h"
#include "customlogoguicontroller.h"
#include "diskspacecontroller.h"
#include "externalcommunicationhandler.h"
#include "logfilecontroller.h"
#include "messagedialog.h"
#include "scanmodecontroller.h"
#include "screenshotcontroller.h"
#include "tamarindscreenshotconfirmation.h"
#include "usbstickcontroller.h"
#include "zelkabstractbutton.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

// Runs for every event of every object: anything but a press, a release or a
// tool tip costs one comparison.
bool TTamarindMainForm::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // Tool tips hold data here (a channel's number, a value's every digit),
    // not text for the user, and a touch screen has no pointer resting to ask
    // for one. A tip shown all the same hides at the first touch, and one
    // that came while the board held the event loop meets the touches waiting
    // in the queue inside its own show: the frame-buffer screens (the
    // device's, VNC) then keep the hidden window in their stack, delete it
    // with the tip, and walk into it at the next repaint.
    if (pEvent->type() == QEvent::ToolTip)
        return true;
    if (mBrightnessController) {
        if (pEvent->type() == QEvent::MouseButtonPress && filterPress(pWatched))
            return true;
        if (pEvent->type() == QEvent::MouseButtonRelease && filterRelease(pWatched))
            return true;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

// True when the press is used up here.
bool TTamarindMainForm::filterPress(QObject* pWatched)
{
    // Holding the maker's logo for a while opens the boot logo page, where the device has one to choose.
    if (pWatched == ui->lblInfoZELKLogo && TCustomLogoController().customLogoAvailable()) {
        if (!mCustomLogoGUIController)
            mCustomLogoGUIController = std::make_unique<TCustomLogoGUIController>(
                this, ui->PageCustomLogo, ui->BtnCustomLogo_Default, ui->BtnCustomLogo_WhiteZELKWaterSign);
        mCustomLogoGUIController->startShowSubMenuTimer();
    }
    // The touch that lights a dark screen does nothing else: the user could not see what was under the finger.
    if (mBrightnessController->isBacklightOff()) {
        mBrightnessController->restoreBacklight();
        // Rows and container buttons act on the release, so it goes too.
        mWakingTouchDown = true;
        return true;
    }
    mBrightnessController->resetBacklightTimer();
    if (mExternalCommunicationHandler && mExternalCommunicationHandler->isInRemoteMode()) {
        // An open dialog stays usable; anything else under the finger is not touched while a client rules.
        if (QApplication::activeModalWidget())
            return false;
        // A command the client sends while the question is open runs inside
        // its event loop, and the question returns only after that command:
        // the instrument is taken back at the Yes itself, so that the command
        // ends as an abandoned one does and nothing sent before is answered.
        TMessageDialog question;
        connect(&question, &QDialog::accepted, mExternalCommunicationHandler.get(),
                &TExternalCommunicationHandler::abortRemoteMode);
        question.showQuestion(
            tr("The instrument is currently in remote mode. Would you like to change to local mode? WARNING: "
               "any pending commands will be cancelled."));
        return true;
    }
    return false;
}

// True when the release is used up here.
bool TTamarindMainForm::filterRelease(QObject* pWatched)
{
    // A drag that starts on Home or Logger scrolls the menu, and the scroll
    // area swallows the release their buttons would stop the timer on; a
    // screenshot or log line would follow a second later.
    mScreenshotTimer->stop();
    mLogfileManModeTimer->stop();
    if (pWatched == ui->lblInfoZELKLogo && mCustomLogoGUIController)
        mCustomLogoGUIController->abortShowSubMenuTimer();
    if (mWakingTouchDown) {
        mWakingTouchDown = false;
        return true;
    }
    if (qobject_cast<QZELKAbstractButton*>(pWatched))
        TBuzzerController::instance().soundKeystroke();
    return false;
}

// A press on Home that is held takes a screenshot instead of going home.
void TTamarindMainForm::on_BtnHome_beforeButtonPressed()
{
    mScreenshotTaken = false;
    mScreenshotTimer->start();
}

void TTamarindMainForm::on_BtnHome_released()
{
    mScreenshotTimer->stop();
    if (!mScreenshotTaken)
        returnToHomeView();
}

// A press on Logger that is held writes a log line by hand while the logger
// runs in manual mode; otherwise the press opens the logger page.
void TTamarindMainForm::on_BtnLogger_beforeButtonPressed()
{
    mManualLogFileEntryDone = false;
    if (mLogfileController->isLoggerStarted() && mLogfileController->logMode() == TLogfileController::lmManual)
        mLogfileManModeTimer->start();
}

void TTamarindMainForm::on_BtnLogger_released()
{
    mLogfileManModeTimer->stop();
    if (!mManualLogFileEntryDone)
        ui->BtnLogger->doButtonClick();
}

void TTamarindMainForm::take_screenshot()
{
    TScreenshotController::instance().takeScreenshot();
}

void TTamarindMainForm::onScreenshotTaken()
{
    mScreenshotTaken = true;
}

void TTamarindMainForm::manual_logfile_entry()
{
    if (!mLogfileController->writeChannelValueToLogfile(mChannelController->measuredChannel()))
        TDiskSpaceController::instance().checkDiskspace();
    else
        TTamarindScreenshotConfirmation(this).exec();
    mManualLogFileEntryDone = true;
}

void TTamarindMainForm::checkUSB()
{
    const bool connected = TUSBStickControllerProvider::getUSBStickController()->isUSBStickConnected();
    ui->BtnUSB->setVisible(connected);
    if (mLogfileController)
        mLogfileController->setButtons(connected);
    const QWidget* page = ui->stackedWidget->currentWidget();
    if (!connected && (page == ui->PageDownload || page == ui->PageDownloadListMain)) {
        on_BtnReturnToMainMenu_clicked();
        returnToHomeView();
    }
}

// Makes the status bar evaluate its style sheet again.
void TTamarindMainForm::onUSBButtonActiveChanged(bool)
{
    ui->PnlStatusBar->setStyleSheet(ui->PnlStatusBar->styleSheet());
}

void TTamarindMainForm::onCyclicCheckTimer()
{
    checkUSB();
}

// Marks separated by single blanks; empty when none holds.
void TTamarindMainForm::updateTitleLabel_Right()
{
    QString marks;
    if (mLogfileController && mLogfileController->isLoggerStarted())
        marks += QLatin1Char(' ') + tr("LOG");
    if (mScanModeController->isScanModeActive())
        marks += QLatin1Char(' ') + tr("SCAN");
    if (mExternalCommunicationHandler && mExternalCommunicationHandler->isInRemoteMode())
        marks += QLatin1Char(' ') + tr("REM");
    ui->LblTitleRight->setText(marks.trimmed());
}

// A log that ends closes whatever the menu column showed of it.
void TTamarindMainForm::onLoggerStatusActiveChanged(bool pActive)
{
    updateTitleLabel_Right();
    if (!pActive)
        on_BtnReturnToMainMenu_clicked();
}

// The instrument restarts once the time is set; a stick check in between
// would only see the clock jump.

void TTamarindMainForm::onBeforeChangeSystemTime()
{
    mCyclicCheckTimer->stop();
}

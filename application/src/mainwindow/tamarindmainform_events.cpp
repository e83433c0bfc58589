// What the window does with the input events of the whole application, the
// long presses of the main menu, the status bar and the USB stick check.

#include "tamarindmainform.h"

#include "screenshotcontroller.h"
#include "usbstickcontroller.h"

#include <QTimer>

bool TTamarindMainForm::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    return QWidget::eventFilter(pWatched, pEvent);
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
    mManualLogFileEntryDone = true;
}

void TTamarindMainForm::checkUSB()
{
    const bool connected = TUSBStickControllerProvider::getUSBStickController()->isUSBStickConnected();
    ui->BtnUSB->setVisible(connected);
    if (!connected && ui->stackedWidget->currentWidget() == ui->PageDownload) {
        on_BtnReturnToMainMenu_clicked();
        returnToHomeView();
    }
}

void TTamarindMainForm::onCyclicCheckTimer()
{
    checkUSB();
}

// The instrument restarts once the time is set; a stick check in between
// would only see the clock jump.
void TTamarindMainForm::onBeforeChangeSystemTime()
{
    mCyclicCheckTimer->stop();
}

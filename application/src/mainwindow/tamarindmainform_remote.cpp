// Remote control: the command handler, its transports and the settings of
// the network and serial lines, as the window builds, shows and releases them.

#include "tamarindmainform.h"

#include "calibrationroutinesguicontroller.h"
#include "calibrationroutineview.h"
#include "ethernetcommunicationinterface.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"
#include "externalinterfacedetector.h"
#include "ieeeconfigurationcontroller.h"
#include "logfilecontroller.h"
#include "remotesettingscontroller.h"
#include "rs232configurationcontroller.h"
#include "scanmodecontroller.h"
#include "serialcommunicationinterface.h"

namespace
{
constexpr const char* OPTION_BOARD_PORT = "/dev/ttyO1";
constexpr const char* USB_DEVICE_PORT = "/dev/ttyGS0";
// The IEEE-488 board's converter and the USB device port run at fixed line parameters.
constexpr int IEEE488_BAUD_RATE = 9600;
constexpr int USB_DEVICE_BAUD_RATE = 115200;
} // namespace

// The handler comes before the transports that deliver to it; the TCP server
// needs the port the Ethernet controller reads from the settings.
void TTamarindMainForm::buildRemoteControl()
{
    mExternalCommunicationHandler = std::make_unique<TExternalCommunicationHandler>(
        mInternalSCPIHandler.get(), mChannelController.get(), mProbeController.get(),
        mChannelViewControllerManager.get(), mLogfileController.get());
    connect(mExternalCommunicationHandler.get(), &TExternalCommunicationHandler::remoteModeChanged, this,
            &TTamarindMainForm::onRemoteModeChanged);

    buildOptionBoardTransport();
    buildRemoteSettingsPage();

    mEthernetConfController->loadSettings();
    mEthernetConfController->refreshInterfaceInformation();
    mEthernetCommunicationInterface = std::make_unique<TEthernetCommunicationInterface>(
        mExternalCommunicationHandler.get(), mEthernetConfController.get());
    mUSBCommunicationController = std::make_unique<TSerialCommunicationInterface>(
        mExternalCommunicationHandler.get(), QLatin1String(USB_DEVICE_PORT), USB_DEVICE_BAUD_RATE,
        QSerialPort::NoFlowControl, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity);
}

// At most one option board is fitted; RS-232 is asked first.
void TTamarindMainForm::buildOptionBoardTransport()
{
    bool rs232 = false;
    bool ieee488 = false;
    TExternalInterfaceDetector().getAttachedInterfaces(rs232, ieee488);
    if (rs232) {
        mRS232ConfigController = std::make_unique<TRS232ConfigurationController>();
        mRS232CommunicationController = std::make_unique<TSerialCommunicationInterface>(
            mExternalCommunicationHandler.get(), QLatin1String(OPTION_BOARD_PORT), mRS232ConfigController->baudRate(),
            mRS232ConfigController->flowControl(), mRS232ConfigController->dataBits(),
            mRS232ConfigController->stopBits(), mRS232ConfigController->parity());
        connect(mRS232ConfigController.get(), &TRS232ConfigurationController::configurationChanged,
                mRS232CommunicationController.get(), &TSerialCommunicationInterface::onConfigurationChanged);
    } else if (ieee488) {
        mIEEE488CommunicationController = std::make_unique<TSerialCommunicationInterface>(
            mExternalCommunicationHandler.get(), QLatin1String(OPTION_BOARD_PORT), IEEE488_BAUD_RATE,
            QSerialPort::NoFlowControl, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity);
        mIEEEConfigController = std::make_unique<TIEEEConfigurationController>(nullptr);
        mIEEEConfigController->applyAddress(mIEEE488CommunicationController.get());
    }
}

// The page learns the interface's state from the first refresh on, so it is
// connected before that; the groups of a board that is not fitted stay hidden.
void TTamarindMainForm::buildRemoteSettingsPage()
{
    mRemoteSettingsController = std::make_unique<TRemoteSettingsController>(
        this, mEthernetConfController.get(), mRS232ConfigController.get(), mIEEEConfigController.get(),
        mIEEE488CommunicationController.get(), mRS232CommunicationController.get(),
        TRemoteSettingsWidgets::fromForm(this));
    connect(mEthernetConfController.get(), &TAbstractEthernetConfigurationController::interfaceConfigurationRead,
            mRemoteSettingsController.get(), &TRemoteSettingsController::onEthernetConfigurationRefreshed);
    ui->WgtRemote_RS232->setVisible(mRS232ConfigController != nullptr);
    ui->WgtRemote_IEEE488->setVisible(mIEEEConfigController != nullptr);
}

// The transports go before the handler they deliver to, the handler before
// the controllers it works through; the page before all it shows.
void TTamarindMainForm::releaseRemoteControl()
{
    mRemoteSettingsController.reset();
    mUSBCommunicationController.reset();
    mEthernetCommunicationInterface.reset();
    mIEEE488CommunicationController.reset();
    mIEEEConfigController.reset();
    mRS232CommunicationController.reset();
    mRS232ConfigController.reset();
    mExternalCommunicationHandler.reset();
    mEthernetConfController.reset();
}

// A client taking control finds the instrument on its home view with no menu
// open, so that nothing the local user left open acts meanwhile. A calibration
// run's view stays on the screen, with the window's title bar showing through
// it: the page beneath keeps the title that names the run.
void TTamarindMainForm::onRemoteModeChanged(bool pRemoteMode)
{
    if (pRemoteMode) {
        if (mScanModeController->isScanModeActive())
            on_BtnScan_Stop_clicked();
        if (mLogfileController->isLoggerStarted())
            mLogfileController->stopLogger();
        on_BtnReturnToMainMenu_clicked();
        const TCalibrationRoutineView* run =
            mCalibrationRoutinesGUIController ? mCalibrationRoutinesGUIController->routineView() : nullptr;
        if (!run || !run->isVisible())
            returnToHomeView();
    }
    updateTitleLabel_Right();
}

// The network state is polled only while the remote settings page shows it.
void TTamarindMainForm::onMainStackedWidgetChanged(int)
{
    if (!mEthernetConfController)
        return;
    if (ui->stackedWidget->currentWidget() == ui->PageRemote)
        mEthernetConfController->startInterfaceObservation();
    else
        mEthernetConfController->stopInterfaceObservation();
}

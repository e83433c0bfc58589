#include "serialcommunicationinterface.h"

#include "deviceroot.h"
#include "rs232configurationcontroller.h"

TSerialCommunicationInterface::TSerialCommunicationInterface(TExternalCommunicationHandler* pCommHandler,
                                                             const QString& pPort, int pBaudRate,
                                                             QSerialPort::FlowControl pFlowControl,
                                                             QSerialPort::DataBits pDataBits,
                                                             QSerialPort::StopBits pStopBits,
                                                             QSerialPort::Parity pParity)
    : TExternalCommunicationInterface(pCommHandler), mSerialPort(std::make_unique<QSerialPort>())
{
    mSerialPort->setPortName(TDeviceRoot::path(pPort));
    mSerialPort->setBaudRate(pBaudRate, QSerialPort::AllDirections);
    mSerialPort->setFlowControl(pFlowControl);
    mSerialPort->setDataBits(pDataBits);
    mSerialPort->setStopBits(pStopBits);
    mSerialPort->setParity(pParity);
    connect(mSerialPort.get(), &QSerialPort::readyRead, this, &TSerialCommunicationInterface::onReadyRead);
    connect(mSerialPort.get(), &QSerialPort::errorOccurred, this, &TSerialCommunicationInterface::onError);
    mReopenTimer.setSingleShot(true);
    mReopenTimer.setInterval(REOPEN_DELAY);
    connect(&mReopenTimer, &QTimer::timeout, this, &TSerialCommunicationInterface::reopen);
    mSerialPort->open(QIODevice::ReadWrite);
}

// The port reports errors while it closes; they must not reach a transport half gone.
TSerialCommunicationInterface::~TSerialCommunicationInterface()
{
    disconnect(mSerialPort.get(), &QSerialPort::errorOccurred, this, &TSerialCommunicationInterface::onError);
    mSerialPort.reset();
}

void TSerialCommunicationInterface::sendRawData(const QByteArray& pData)
{
    mSerialPort->write(pData);
    mSerialPort->flush();
}

void TSerialCommunicationInterface::onReadyRead()
{
    deliverReceivedData(mSerialPort->readAll());
}

void TSerialCommunicationInterface::onConfigurationChanged(TRS232ConfigurationController* pController)
{
    mSerialPort->close();
    mSerialPort->setBaudRate(pController->baudRate(), QSerialPort::AllDirections);
    mSerialPort->setFlowControl(pController->flowControl());
    mSerialPort->setDataBits(pController->dataBits());
    mSerialPort->setStopBits(pController->stopBits());
    mSerialPort->setParity(pController->parity());
    mSerialPort->open(QIODevice::ReadWrite);
}

// Only a line that has gone away is reopened; parity or framing errors leave
// it as it is. A line whose other end has hung up reads as ended: the port
// then reports a read error on every turn of the event loop, so that error
// counts as a line gone too, or the instrument would spin on it.
void TSerialCommunicationInterface::onError(QSerialPort::SerialPortError pError)
{
    if (pError != QSerialPort::ResourceError && pError != QSerialPort::ReadError)
        return;
    mSerialPort->close();
    if (!mReopenTimer.isActive())
        mReopenTimer.start();
}

// A device that is not back yet is tried again after the same pause.
void TSerialCommunicationInterface::reopen()
{
    if (!mSerialPort->isOpen() && !mSerialPort->open(QIODevice::ReadWrite))
        mReopenTimer.start();
}

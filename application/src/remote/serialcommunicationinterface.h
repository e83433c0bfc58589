#pragma once

#include "externalcommunicationinterface.h"

#include <QSerialPort>
#include <QTimer>

#include <memory>

class TRS232ConfigurationController;

// A remote transport on a serial line: the RS-232 or IEEE-488 option board on
// "/dev/ttyO1", or the USB device port "/dev/ttyGS0". Open from construction
// on; never reports a disconnection. Owned by the main window.
class TSerialCommunicationInterface : public TExternalCommunicationInterface
{
    Q_OBJECT

public:
    // A line that has gone away is tried again after this pause, not at once:
    // a port that keeps failing would otherwise reopen in a tight loop.
    static constexpr int REOPEN_DELAY = 1000;

    TSerialCommunicationInterface(TExternalCommunicationHandler* pCommHandler, const QString& pPort, int pBaudRate,
                                  QSerialPort::FlowControl pFlowControl, QSerialPort::DataBits pDataBits,
                                  QSerialPort::StopBits pStopBits, QSerialPort::Parity pParity);
    ~TSerialCommunicationInterface() override;

    void sendRawData(const QByteArray& pData) override;

    bool isOpen() const { return mSerialPort->isOpen(); }
    const QSerialPort& port() const { return *mSerialPort; }
    // For tests: a shorter pause before reopening.
    void setReopenDelay(int pMilliseconds) { mReopenTimer.setInterval(pMilliseconds); }

public slots:
    void onReadyRead();
    void onConfigurationChanged(TRS232ConfigurationController* pController);
    void onError(QSerialPort::SerialPortError pError);

private:
    void reopen();

    std::unique_ptr<QSerialPort> mSerialPort;
    QTimer mReopenTimer;
};

#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

#include <memory>

class TExternalCommunicationHandler;
class TExternalCommunicationInterface;

// A remote client on a real transport that reads at a pace the test sets.
class TPacedClient
{
public:
    virtual ~TPacedClient() = default;
    virtual TExternalCommunicationInterface& transport() = 0;
    virtual void send(const QByteArray& pBytes) = 0;
    // As much as the line or connection takes now: the count sent.
    virtual int offer(const QByteArray& pBytes) = 0;
    // At most pBytes each call (0: nothing, negative: all there is).
    virtual QByteArray take(int pBytes) = 0;
    virtual void hangUp() = 0;
    // Another client in the place of one that hung up, reading all there is.
    virtual bool comeBack() = 0;
};

enum class EnPacedTransport { ptTcp, ptUsb, ptRs232 };

// A client on the transport given, on the loopback or a pseudo-terminal at
// the device's port (the line set to pBaudRate, pParity and pStopBits); null when it could not be
// started, and oProblem says why. A TCP client has a small receive window, so that what it does not
// read stays with the instrument rather than in the system's buffers.
std::unique_ptr<TPacedClient> pacedClient(EnPacedTransport pTransport, TExternalCommunicationHandler* pHandler,
                                          QString& oProblem, int pBaudRate = 115200,
                                          QSerialPort::Parity pParity = QSerialPort::NoParity,
                                          QSerialPort::StopBits pStopBits = QSerialPort::OneStop);
// A client in remote mode on TCP or the USB device port; null when there is none, and oProblem says why.
std::unique_ptr<TPacedClient> remoteClient(bool pTcp, TExternalCommunicationHandler* pHandler, QString& oProblem);

#include "ethernetcommunicationinterface.h"

#include "deviceroot.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"

#include <QTcpServer>
#include <QTcpSocket>

TEthernetCommunicationInterface::TEthernetCommunicationInterface(
    TExternalCommunicationHandler* pCommHandler, TAbstractEthernetConfigurationController* pEthernetConfiguration)
    : TExternalCommunicationInterface(pCommHandler), mTCPServer(std::make_unique<QTcpServer>())
{
    connect(mTCPServer.get(), &QTcpServer::newConnection, this,
            &TEthernetCommunicationInterface::tcpConnectionAvailable);
    connect(pEthernetConfiguration, &TAbstractEthernetConfigurationController::interfaceSettingsChanged, this,
            &TEthernetCommunicationInterface::onConfigurationChanged);
    listen(pEthernetConfiguration->port());
}

TEthernetCommunicationInterface::~TEthernetCommunicationInterface()
{
    if (mTCPSocket) {
        mTCPSocket->disconnect(this);
        delete mTCPSocket;
    }
}

// On a development machine or in a test the instrument must not be reachable
// from the network it runs in: under a device root it listens on the loopback only.
void TEthernetCommunicationInterface::listen(int pPort)
{
    const QHostAddress address =
        TDeviceRoot::isSimulated() ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(QHostAddress::AnyIPv4);
    mTCPServer->listen(address, quint16(pPort));
}

quint16 TEthernetCommunicationInterface::serverPort() const
{
    return mTCPServer->isListening() ? mTCPServer->serverPort() : 0;
}

void TEthernetCommunicationInterface::tcpConnectionAvailable()
{
    QTcpSocket* next = mTCPServer->nextPendingConnection();
    if (!next)
        return;
    if (mTCPSocket) {
        // The old connection's disconnection would arrive after the new one
        // is in place and be taken for it: it is cut off from this transport
        // first, and its end reported here.
        QTcpSocket* old = mTCPSocket;
        mTCPSocket = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
        mCommunicationHandler->interfaceDisconnected(this);
    }
    mTCPSocket = next;
    mTCPSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(mTCPSocket, &QTcpSocket::disconnected, this, &TEthernetCommunicationInterface::tcpSocketClosing);
    connect(mTCPSocket, &QTcpSocket::readyRead, this, &TEthernetCommunicationInterface::onTCPRead);
}

void TEthernetCommunicationInterface::onTCPRead()
{
    if (mTCPSocket)
        deliverReceivedData(mTCPSocket->readAll());
}

void TEthernetCommunicationInterface::tcpSocketClosing()
{
    if (!mTCPSocket || sender() != mTCPSocket)
        return;
    mTCPSocket->disconnect(this);
    mTCPSocket->deleteLater();
    mTCPSocket = nullptr;
    mCommunicationHandler->interfaceDisconnected(this);
}

// A connected client stays; only new connections use the new port.
void TEthernetCommunicationInterface::onConfigurationChanged(TAbstractEthernetConfigurationController* pController)
{
    mTCPServer->close();
    listen(pController->port());
}

void TEthernetCommunicationInterface::sendRawData(const QByteArray& pData)
{
    if (!mTCPSocket)
        return;
    mTCPSocket->write(pData);
    mTCPSocket->flush();
}

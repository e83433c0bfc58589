#include "blockcalibratorethernet.h"

#include "eventwait.h"

#include <QHostAddress>
#include <QTcpSocket>

TBlockcalibratorEthernet::TBlockcalibratorEthernet(const QString& pIPAddress, unsigned int pPort,
                                                   unsigned int pConnectionTimeout)
    : mSocket(std::make_unique<QTcpSocket>())
    , mIPAddress(pIPAddress)
    , mPort(pPort)
    , mConnectionTimeout(pConnectionTimeout)
{
}

TBlockcalibratorEthernet::~TBlockcalibratorEthernet() = default;

bool TBlockcalibratorEthernet::connectSocket() const
{
    if (mSocket->state() == QAbstractSocket::ConnectedState)
        return true;
    // A socket that dropped or failed must be reset before it can try again.
    if (mSocket->state() == QAbstractSocket::UnconnectedState)
        mSocket->connectToHost(QHostAddress(mIPAddress), quint16(mPort), QIODevice::ReadWrite);
    return TEventWait::until(mConnectionTimeout, QEventLoop::ExcludeUserInputEvents,
                             [this] { return mSocket->state() == QAbstractSocket::ConnectedState; });
}

bool TBlockcalibratorEthernet::socketWrite(const QByteArray& pByteArray) const
{
    if (!connectSocket())
        return false;
    mSocket->write(pByteArray);
    return true;
}

QByteArray TBlockcalibratorEthernet::socketRead() const
{
    if (mSocket->bytesAvailable() < 1)
        return QByteArray();
    return mSocket->readAll();
}

#include "ethernetcommunicationinterface.h"

#include "deviceroot.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <cerrno>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <utility>

namespace
{
// What the client's connection holds of its text before the system's buffers
// and then the client are held up; the rest waits for room for the replies.
constexpr qint64 RECEIVE_BUFFER_SIZE = 64 * 1024;
} // namespace

TEthernetCommunicationInterface::TEthernetCommunicationInterface(
    TExternalCommunicationHandler* pCommHandler, TAbstractEthernetConfigurationController* pEthernetConfiguration)
    : TExternalCommunicationInterface(pCommHandler), mTCPServer(std::make_unique<QTcpServer>())
{
    connect(mTCPServer.get(), &QTcpServer::newConnection, this,
            &TEthernetCommunicationInterface::tcpConnectionAvailable);
    connect(pEthernetConfiguration, &TAbstractEthernetConfigurationController::interfaceSettingsChanged, this,
            &TEthernetCommunicationInterface::onConfigurationChanged);
    listen(pEthernetConfiguration->port());
    // A timer rather than a posted call, as the handler's between two
    // commands: posted calls go before timers that have fired before.
    mReadOn.setSingleShot(true);
    mReadOn.setInterval(0);
    connect(&mReadOn, &QTimer::timeout, this, &TEthernetCommunicationInterface::onTCPWritten);
}

TEthernetCommunicationInterface::~TEthernetCommunicationInterface()
{
    if (mTCPSocket) {
        mTCPSocket->disconnect(this);
        delete mTCPSocket;
    }
    qDeleteAll(mRetiredSockets);
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
        retire(old);
        mCommunicationHandler->interfaceDisconnected(this);
    }
    mTCPSocket = next;
    ++mConnectionNumber;
    mTCPSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    mTCPSocket->setReadBufferSize(RECEIVE_BUFFER_SIZE);
    connect(mTCPSocket, &QTcpSocket::disconnected, this, &TEthernetCommunicationInterface::tcpSocketClosing);
    connect(mTCPSocket, &QTcpSocket::readyRead, this, &TEthernetCommunicationInterface::onTCPRead);
    connect(mTCPSocket, &QTcpSocket::bytesWritten, this, &TEthernetCommunicationInterface::onTCPWritten);
}

// What the socket has read is taken in pieces of a known size: readAll() grows
// its result step by step for a device that might have more. While the
// handler runs the commands of one piece, the next waits in the socket: its
// lines would count against the handler's bound, where a piece taken when the
// queue is empty is taken whole. It is taken when the queue has run out
// (queueRanOut), without waiting for more bytes, and always on a later turn of
// the event loop: a command that processes events may be running in a wait
// (a calibration routine's, a message's), which could not return while a
// client that keeps a command waiting had each one taken in this call. A
// client whose replies pile up unread is not read on; onTCPWritten goes on as
// they drain.
void TEthernetCommunicationInterface::onTCPRead()
{
    if (isDroppingInput()) {
        dropArrivedInput();
        return;
    }
    ++mDeliveries;
    if (mayRead()) {
        QByteArray received(int(qMin<qint64>(mTCPSocket->bytesAvailable(), READ_CHUNK)), Qt::Uninitialized);
        const qint64 count = mTCPSocket->read(received.data(), received.size());
        if (count > 0) {
            received.resize(int(count));
            deliverReceivedData(received);
        }
    }
    if (--mDeliveries > 0)
        return;
    // Deleted later still: the notification that called here goes on with its socket.
    for (QTcpSocket* retired : std::exchange(mRetiredSockets, {}))
        retired->deleteLater();
    if (mayRead())
        mReadOn.start();
}

// The text waiting is not announced again: the socket announced it when it
// came. A delivery in progress leaves it for a later turn once its command returns.
void TEthernetCommunicationInterface::onTCPWritten()
{
    outputDrained();
    if (mDeliveries == 0 && mayRead())
        onTCPRead();
}

bool TEthernetCommunicationInterface::mayRead() const
{
    return mTCPSocket && mTCPSocket->bytesAvailable() > 0 && hasRoomForOutput() &&
           !mCommunicationHandler->isRunningCommandsOf(this);
}

// Called from within the handler: the text is taken on the next turn.
void TEthernetCommunicationInterface::queueRanOut()
{
    if (mDeliveries == 0 && mayRead())
        mReadOn.start();
}

void TEthernetCommunicationInterface::tcpSocketClosing()
{
    if (!mTCPSocket || sender() != mTCPSocket)
        return;
    QTcpSocket* closed = mTCPSocket;
    mTCPSocket = nullptr;
    retire(closed);
    mCommunicationHandler->interfaceDisconnected(this);
}

// A drop belongs to the connection it began on.
void TEthernetCommunicationInterface::retire(QTcpSocket* pSocket)
{
    cancelDrop();
    pSocket->disconnect(this);
    pSocket->abort();
    if (mDeliveries > 0)
        mRetiredSockets << pSocket;
    else
        pSocket->deleteLater();
}

// A connected client stays; only new connections use the new port.
void TEthernetCommunicationInterface::onConfigurationChanged(TAbstractEthernetConfigurationController* pController)
{
    mTCPServer->close();
    listen(pController->port());
}

qint64 TEthernetCommunicationInterface::pendingBytes() const
{
    return mTCPSocket ? mTCPSocket->bytesToWrite() : 0;
}

// The socket holds at most its read buffer of the client's text; the rest
// waits in the connection, and a client that wrote more than its system holds
// is still writing: all of it would be read and run after the local user has
// taken the instrument back. It is dropped as it comes, on the socket's
// notifications, until the connection has been quiet for a while, so that the
// screen and the polls go on meanwhile.
void TEthernetCommunicationInterface::dropUnreadInput()
{
    if (!mTCPSocket)
        return;
    beginDrop();
    dropArrivedInput();
}

bool TEthernetCommunicationInterface::dropArrivedInput()
{
    const qint64 count = qMin(mTCPSocket->bytesAvailable(), dropLeft());
    if (count <= 0)
        return false;
    mTCPSocket->skip(count);
    noteDropped(count);
    return true;
}

// A notification that came while a command ran inside the socket's own
// notification was not passed on: what it brought waits in the socket. Text
// that waits in the connection has come in the quiet period too.
bool TEthernetCommunicationInterface::dropWaitingInput()
{
    return mTCPSocket && (dropArrivedInput() || connectionHoldsInput());
}

bool TEthernetCommunicationInterface::connectionHoldsInput() const
{
    int waiting = 0;
    return ::ioctl(int(mTCPSocket->socketDescriptor()), FIONREAD, &waiting) == 0 && waiting > 0;
}

void TEthernetCommunicationInterface::dropEnded()
{
    if (mDeliveries == 0 && mayRead())
        mReadOn.start();
}

// A reply goes straight to the connection while the socket holds nothing
// unsent: written through the socket, each reply would switch its write
// notifier on and off around the flush and cost the event loop a wake-up. What
// the connection does not take at once, and every reply behind it, is left to
// the socket, which sends it in order as the connection drains and notices a
// broken connection as it always does.
void TEthernetCommunicationInterface::sendRawData(const QByteArray& pData)
{
    if (!mTCPSocket)
        return;
    qsizetype sent = 0;
    if (mTCPSocket->bytesToWrite() == 0 && mTCPSocket->state() == QAbstractSocket::ConnectedState) {
        ssize_t count = 0;
        do {
            count = ::send(int(mTCPSocket->socketDescriptor()), pData.constData(), size_t(pData.size()),
                           MSG_DONTWAIT | MSG_NOSIGNAL);
        } while (count < 0 && errno == EINTR);
        sent = qMax<ssize_t>(count, 0);
    }
    if (sent == pData.size())
        return;
    mTCPSocket->write(pData.constData() + sent, pData.size() - sent);
    mTCPSocket->flush();
}

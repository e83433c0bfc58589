#include "pacedclient.h"

#include "ethernetcommunicationinterface.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"
#include "serialcommunicationinterface.h"
#include "serialhostpeer.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QTest>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
// A host on a serial line (the USB device port, the RS-232 option board's
// port), reading on its own thread at the pace given.
class TSerialClient : public TPacedClient
{
public:
    explicit TSerialClient(const QString& pPort) : mPort(pPort) {}
    bool start(TExternalCommunicationHandler* pHandler, int pBaudRate, QSerialPort::Parity pParity,
               QSerialPort::StopBits pStopBits, QString& oProblem)
    {
        if (!startHost(oProblem))
            return false;
        mTransport = std::make_unique<TSerialCommunicationInterface>(
            pHandler, mPort, pBaudRate, QSerialPort::NoFlowControl, QSerialPort::Data8, pStopBits, pParity);
        mTransport->setReopenDelay(0);
        if (!mTransport->isOpen())
            oProblem = QStringLiteral("the instrument did not open its port %1").arg(mPort);
        return mTransport->isOpen();
    }
    TExternalCommunicationInterface& transport() override { return *mTransport; }
    void send(const QByteArray& pBytes) override { mHost.send(pBytes); }
    int offer(const QByteArray& pBytes) override { return int(qMax<qint64>(mHost.sendAvailable(pBytes), 0)); }
    QByteArray take(int pBytes) override
    {
        mHost.setReadPace(pBytes);
        return mHost.takeReceived();
    }
    void hangUp() override { mHost.hangUp(); }
    bool comeBack() override
    {
        mHost.setReadPace(-1);
        QString problem;
        return startHost(problem);
    }

private:
    bool startHost(QString& oProblem)
    {
        QString error;
        if (mHost.start(TTestEnvironment::root() + mPort, error))
            return true;
        oProblem = QStringLiteral("the host on %1 did not start: %2").arg(mPort, error);
        return false;
    }

    QString mPort;
    TSerialHostPeer mHost;
    std::unique_ptr<TSerialCommunicationInterface> mTransport;
};

// A client on the loopback with a small receive window, so that what it does
// not read stays with the instrument rather than in the system's buffers.
class TTcpClient : public TPacedClient
{
public:
    ~TTcpClient() override { hangUp(); }
    bool start(TExternalCommunicationHandler* pHandler, QString& oProblem)
    {
        mPort = TTestEnvironment::useFreeRemotePort(TTamarindSettings::instance(), &oProblem);
        if (mPort == 0)
            return false;
        mConfiguration = TEthernetConfigurationControllerFactory().createEthernetConfigurationController("eth0");
        mConfiguration->loadSettings();
        mTransport = std::make_unique<TEthernetCommunicationInterface>(pHandler, mConfiguration.get());
        if (!connectSocket()) {
            oProblem = QStringLiteral("no connection to port %1: %2").arg(mPort).arg(qt_error_string(errno));
            return false;
        }
        if (!QTest::qWaitFor([this] { return mTransport->hasClient(); }, 10000)) {
            oProblem = QStringLiteral("the instrument took no client on port %1").arg(mPort);
            return false;
        }
        return true;
    }
    TExternalCommunicationInterface& transport() override { return *mTransport; }
    void send(const QByteArray& pBytes) override { ::send(mSocket, pBytes.constData(), size_t(pBytes.size()), 0); }
    int offer(const QByteArray& pBytes) override
    {
        const ssize_t count = ::send(mSocket, pBytes.constData(), size_t(pBytes.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        return int(qMax<ssize_t>(count, 0));
    }
    QByteArray take(int pBytes) override
    {
        QByteArray taken;
        char buffer[16 * 1024];
        while (pBytes != 0) {
            const size_t want = pBytes > 0 ? qMin(size_t(pBytes), sizeof buffer) : sizeof buffer;
            const ssize_t count = ::recv(mSocket, buffer, want, MSG_DONTWAIT);
            if (count <= 0)
                break;
            taken.append(buffer, int(count));
            if (pBytes > 0)
                pBytes -= int(count);
        }
        return taken;
    }
    void hangUp() override
    {
        if (mSocket >= 0)
            ::close(mSocket);
        mSocket = -1;
    }
    bool comeBack() override { return connectSocket(); }

private:
    bool connectSocket()
    {
        mSocket = ::socket(AF_INET, SOCK_STREAM, 0);
        const int window = 4096;
        ::setsockopt(mSocket, SOL_SOCKET, SO_RCVBUF, &window, sizeof window);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(mPort);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return ::connect(mSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }

    std::unique_ptr<TAbstractEthernetConfigurationController> mConfiguration;
    std::unique_ptr<TEthernetCommunicationInterface> mTransport;
    quint16 mPort = 0;
    int mSocket = -1;
};

} // namespace

std::unique_ptr<TPacedClient> pacedClient(EnPacedTransport pTransport, TExternalCommunicationHandler* pHandler,
                                          QString& oProblem, int pBaudRate, QSerialPort::Parity pParity,
                                          QSerialPort::StopBits pStopBits)
{
    if (pTransport == EnPacedTransport::ptTcp) {
        auto tcpClient = std::make_unique<TTcpClient>();
        return tcpClient->start(pHandler, oProblem) ? std::move(tcpClient) : nullptr;
    }
    auto serialClient = std::make_unique<TSerialClient>(
        QLatin1String(pTransport == EnPacedTransport::ptUsb ? "/dev/ttyGS0" : "/dev/ttyO1"));
    return serialClient->start(pHandler, pBaudRate, pParity, pStopBits, oProblem) ? std::move(serialClient) : nullptr;
}

std::unique_ptr<TPacedClient> remoteClient(bool pTcp, TExternalCommunicationHandler* pHandler, QString& oProblem)
{
    std::unique_ptr<TPacedClient> client =
        pacedClient(pTcp ? EnPacedTransport::ptTcp : EnPacedTransport::ptUsb, pHandler, oProblem);
    if (!client)
        return nullptr;
    client->send("syst:remo\r");
    QByteArray received;
    if (!QTest::qWaitFor([&] { return (received += client->take(-1)) == "ACK\r\n"; }, 10000)) {
        oProblem = QStringLiteral("remote mode not acknowledged: \"%1\"").arg(QString::fromLatin1(received));
        return nullptr;
    }
    return client;
}

#pragma once

#include "externalcommunicationinterface.h"

#include <QList>
#include <QTimer>

#include <memory>

class QTcpServer;
class QTcpSocket;
class TAbstractEthernetConfigurationController;

// The remote transport on TCP: one server on the configured port, one client
// at a time; a newer connection replaces the older one. Owned by the main window.
class TEthernetCommunicationInterface : public TExternalCommunicationInterface
{
    Q_OBJECT

public:
    TEthernetCommunicationInterface(TExternalCommunicationHandler* pCommHandler,
                                    TAbstractEthernetConfigurationController* pEthernetConfiguration);
    ~TEthernetCommunicationInterface() override;

    // Dropped without a client.
    void sendRawData(const QByteArray& pData) override;
    // What the client's socket still holds for the connection.
    qint64 pendingBytes() const override;
    // The local user took the instrument back: what the client had sent is
    // dropped, also what is still on its way, until the connection has been
    // quiet for INPUT_QUIET_PERIOD or DROP_TIME_LIMIT has passed.
    void dropUnreadInput() override;
    void queueRanOut() override;

    // The port the server listens on, 0 when it could not listen.
    quint16 serverPort() const;
    bool hasClient() const { return mTCPSocket != nullptr; }

protected:
    bool dropWaitingInput() override;
    void dropEnded() override;

private slots:
    void tcpConnectionAvailable();
    void onTCPRead();
    // Takes the text that waited while the client's output was over its bound.
    void onTCPWritten();
    void tcpSocketClosing();
    void onConfigurationChanged(TAbstractEthernetConfigurationController* pController);

private:
    void listen(int pPort);
    // Text waits, the client reads its replies and the handler runs no
    // commands of this client's.
    bool mayRead() const;
    // Cuts a connection off this transport and deletes it once no delivery
    // runs: a command the handler runs in a delivery processes events, and a
    // connection replaced or closed meanwhile may be the one whose read
    // notification is still on the stack below it.
    void retire(QTcpSocket* pSocket);
    // Drops what the socket holds, within what is left of the bound; false
    // when it held nothing.
    bool dropArrivedInput();
    // Text waits in the connection that the socket has not taken yet.
    bool connectionHoldsInput() const;

    std::unique_ptr<QTcpServer> mTCPServer;
    QTcpSocket* mTCPSocket = nullptr;
    int mDeliveries = 0;
    QList<QTcpSocket*> mRetiredSockets;
    // Takes the text that waits on a later turn of the event loop.
    QTimer mReadOn;
};

#include "linecontrolserver.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

TLineControlServer::TLineControlServer(TExecute pExecute, QObject* pParent)
    : QObject(pParent), mExecute(std::move(pExecute)), mServer(new QLocalServer(this))
{
    connect(mServer, &QLocalServer::newConnection, this, &TLineControlServer::acceptClients);
}

TLineControlServer::~TLineControlServer() = default;

bool TLineControlServer::listen(const QString& pSocketPath, QString& oError)
{
    QDir().mkpath(QFileInfo(pSocketPath).absolutePath());
    QLocalServer::removeServer(pSocketPath);
    if (!mServer->listen(pSocketPath)) {
        oError = mServer->errorString();
        return false;
    }
    return true;
}

QString TLineControlServer::socketPath() const
{
    return mServer->fullServerName();
}

void TLineControlServer::acceptClients()
{
    while (QLocalSocket* client = mServer->nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client]() { answer(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}

void TLineControlServer::answer(QLocalSocket* pClient)
{
    while (pClient->canReadLine()) {
        const QString line = QString::fromUtf8(pClient->readLine()).trimmed();
        if (line.isEmpty())
            continue;
        for (const QString& reply : mExecute(line))
            pClient->write(reply.toUtf8() + '\n');
    }
    pClient->flush();
}

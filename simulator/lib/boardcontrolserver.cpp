#include "boardcontrolserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>
#include <sys/stat.h>

TBoardControlServer::TBoardControlServer(TBoardSimulator& pSimulator, QObject* pParent)
    : TBoardControlServer([interpreter = std::make_shared<TBoardControlInterpreter>(pSimulator)](
                              const QString& pLine) { return interpreter->execute(pLine); },
                          pParent)
{
}

TBoardControlServer::TBoardControlServer(TInterpreter pInterpreter, QObject* pParent)
    : QObject(pParent), mInterpreter(std::move(pInterpreter)), mServer(new QLocalServer(this))
{
    connect(mServer, &QLocalServer::newConnection, this, &TBoardControlServer::acceptClients);
}

TBoardControlServer::~TBoardControlServer() = default;

bool TBoardControlServer::listen(const QString& pSocketPath, QString& oError)
{
    // A name without a leading slash would be taken as one inside the temporary
    // directory, where its folders do not exist.
    const QString path = QFileInfo(pSocketPath).absoluteFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Only a socket (one a former run left) is replaced: a file, link or directory at the path is not this
    // server's to remove.
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0) {
        if (!S_ISSOCK(status.st_mode)) {
            oError = QStringLiteral("something other than a socket stands there; a control socket takes the place "
                                    "of a socket only (one an earlier run left), and leaves this as it is");
            return false;
        }
        QLocalServer::removeServer(path);
    }
    if (!mServer->listen(path)) {
        oError = mServer->errorString();
        return false;
    }
    return true;
}

QString TBoardControlServer::socketPath() const
{
    return mServer->fullServerName();
}

void TBoardControlServer::acceptClients()
{
    while (QLocalSocket* client = mServer->nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client]() { answer(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}

void TBoardControlServer::answer(QLocalSocket* pClient)
{
    while (pClient->canReadLine()) {
        const QString line = QString::fromUtf8(pClient->readLine()).trimmed();
        if (line.isEmpty())
            continue;
        for (const QString& reply : mInterpreter(line))
            pClient->write(reply.toUtf8() + '\n');
    }
    pClient->flush();
}

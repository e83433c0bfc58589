#include "boardcontrolserver.h"

#include "localsocketaddress.h"
#include "programsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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

TBoardControlServer::~TBoardControlServer()
{
    // The server removes its socket by the name it listens on, which may lead through the folder the address keeps
    // open: before the address goes.
    mServer->close();
}

namespace
{
// Whether nobody serves the local socket at pSocket, so that it is one an earlier run left: false, with the reason,
// when a process answers there (its own program would lose its control commands, and this one's end would remove
// the socket), or when that cannot be told.
bool nobodyServes(const TLocalSocketAddress& pSocket, QString& oError)
{
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (probe < 0) {
        oError = QStringLiteral("cannot try whether a process serves there (%1)")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // A server whose queue is full answers later (EAGAIN): it runs all the same.
    const int connected = ::connect(probe, pSocket.address(), pSocket.length());
    const int reason = connected == 0 ? 0 : errno;
    ucred server{};
    socklen_t length = sizeof server;
    const bool named =
        connected == 0 && ::getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &server, &length) == 0 && server.pid > 0;
    ::close(probe);
    if (connected != 0 && reason == ECONNREFUSED)
        return true;
    if (connected == 0 || reason == EAGAIN)
        oError = named ? QStringLiteral("process %1 (%2) serves control commands there; stop it first")
                             .arg(server.pid)
                             .arg(PeerProgram::commandLine(server.pid))
                       : QStringLiteral("a running process serves control commands there; stop it first");
    else
        oError = QStringLiteral("cannot tell whether a process serves there (%1); remove the socket if none does")
                     .arg(QString::fromLocal8Bit(std::strerror(reason)));
    return false;
}
} // namespace

bool TBoardControlServer::listen(const QString& pSocketPath, QString& oError)
{
    // A name without a leading slash would be taken as one inside the temporary
    // directory, where its folders do not exist.
    const QString path = QFileInfo(pSocketPath).absoluteFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto address = std::make_unique<TLocalSocketAddress>(path);
    if (!address->problem().isEmpty()) {
        oError = address->problem();
        return false;
    }
    // Only a socket that nobody serves (one a former run left) is replaced: a file, link or directory at the path,
    // or the socket of a peer that runs, is not this server's to remove.
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0) {
        if (!S_ISSOCK(status.st_mode)) {
            oError = QStringLiteral("something other than a socket stands there; a control socket takes the place "
                                    "of a socket only (one an earlier run left), and leaves this as it is");
            return false;
        }
        if (!nobodyServes(*address, oError))
            return false;
        QFile::remove(path);
    }
    const int descriptor = address->listen(mServer->maxPendingConnections(), oError);
    if (descriptor < 0)
        return false;
    if (!mServer->listen(descriptor)) {
        oError = mServer->errorString();
        ::close(descriptor);
        QFile::remove(path);
        return false;
    }
    mAddress = std::move(address);
    return true;
}

QString TBoardControlServer::socketPath() const
{
    return mAddress ? mAddress->path() : QString();
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

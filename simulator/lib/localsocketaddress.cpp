#include "localsocketaddress.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

namespace
{
bool fitsInto(const QByteArray& pPath, const sockaddr_un& pAddress)
{
    return size_t(pPath.size()) < sizeof pAddress.sun_path;
}
} // namespace

TLocalSocketAddress::TLocalSocketAddress(const QString& pPath) : mPath(QFileInfo(pPath).absoluteFilePath())
{
    mAddress.sun_family = AF_UNIX;
    QByteArray name = QFile::encodeName(mPath);
    if (!fitsInto(name, mAddress)) {
        const QFileInfo socket(mPath);
        mFolder = ::open(QFile::encodeName(socket.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (mFolder < 0) {
            mProblem =
                QStringLiteral("its folder cannot be opened (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        name = "/proc/self/fd/" + QByteArray::number(mFolder) + '/' + QFile::encodeName(socket.fileName());
        if (!fitsInto(name, mAddress)) {
            mProblem = QStringLiteral("its name \"%1\" is too long for a socket's address").arg(socket.fileName());
            return;
        }
    }
    std::memcpy(mAddress.sun_path, name.constData(), size_t(name.size()));
}

TLocalSocketAddress::~TLocalSocketAddress()
{
    if (mFolder >= 0)
        ::close(mFolder);
}

QString TLocalSocketAddress::reason(int pError) const
{
    QString text = QString::fromLocal8Bit(std::strerror(pError));
    // Where /proc is not mounted (a bare chroot) no name leads through a folder opened on its own.
    if (mFolder >= 0 && pError == ENOENT && !QFileInfo::exists(QStringLiteral("/proc/self/fd")))
        text += QStringLiteral("; the path is longer than a socket's address holds, and /proc, through which it is "
                               "reached then, is not mounted");
    return text;
}

int TLocalSocketAddress::listen(int pBacklog, QString& oError) const
{
    if (!mProblem.isEmpty()) {
        oError = mProblem;
        return -1;
    }
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        oError = reason(errno);
        return -1;
    }
    if (::bind(descriptor, address(), length()) != 0) {
        oError = reason(errno);
        ::close(descriptor);
        return -1;
    }
    if (::listen(descriptor, pBacklog) != 0) {
        oError = reason(errno);
        ::close(descriptor);
        ::unlink(QFile::encodeName(mPath).constData());
        return -1;
    }
    return descriptor;
}

bool TLocalSocketAddress::connect(QLocalSocket& pSocket, const QString& pPath, int pTimeoutMs, QString* oError)
{
    const TLocalSocketAddress target(pPath);
    QString problem = target.problem();
    const int descriptor = problem.isEmpty() ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (problem.isEmpty() && descriptor < 0)
        problem = target.reason(errno);
    if (problem.isEmpty()) {
        // A server whose queue is full takes the connection once it has room: connect() waits for that as long as
        // a send may wait.
        const int boundMs = std::max(pTimeoutMs, 1);
        const timeval bound{boundMs / 1000, (boundMs % 1000) * 1000};
        const timeval unbounded{};
        int connected = ::setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &bound, sizeof bound);
        while (connected == 0 && ::connect(descriptor, target.address(), target.length()) != 0)
            connected = errno == EINTR ? 0 : -1;
        if (connected != 0 || ::setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &unbounded, sizeof unbounded) != 0)
            problem = target.reason(errno);
        else if (!pSocket.setSocketDescriptor(descriptor))
            problem = pSocket.errorString();
        else
            return true;
        ::close(descriptor);
    }
    if (oError)
        *oError = problem;
    return false;
}

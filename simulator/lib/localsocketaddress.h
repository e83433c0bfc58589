#pragma once

#include <QString>

#include <sys/socket.h>
#include <sys/un.h>

class QLocalSocket;

// A local socket's path as bind() and connect() take it, whatever its length. A socket's address holds at most
// 107 bytes of path, fewer than a checkout or temporary directory a few folders deep gives its run's sockets; a
// longer path is reached through its folder, opened on its own and named /proc/self/fd/<folder>/<socket's name>.
// The folder stays open while the object lives, so that the name leads there as long as it is used. A relative
// path counts from the working directory, as for any file (not from the temporary directory, as QLocalSocket's
// names do).
class TLocalSocketAddress
{
public:
    explicit TLocalSocketAddress(const QString& pPath);
    ~TLocalSocketAddress();
    TLocalSocketAddress(const TLocalSocketAddress&) = delete;
    TLocalSocketAddress& operator=(const TLocalSocketAddress&) = delete;

    // The path from "/".
    QString path() const { return mPath; }
    // Why no address leads to the path (its folder missing, its own name too long); empty when one does.
    QString problem() const { return mProblem; }
    const sockaddr* address() const { return reinterpret_cast<const sockaddr*>(&mAddress); }
    socklen_t length() const { return sizeof mAddress; }

    // A socket bound at the path and listening, its descriptor closed on exec; -1, with the reason, when none can
    // be made there.
    int listen(int pBacklog, QString& oError) const;
    // Connects pSocket to the server there, waiting at most pTimeoutMs while that server's queue is full; false,
    // with the reason when one is asked for, when none answers there.
    static bool connect(QLocalSocket& pSocket, const QString& pPath, int pTimeoutMs, QString* oError = nullptr);

private:
    // The system's reason pError, and where the name leads through /proc, whether that is missing.
    QString reason(int pError) const;

    QString mPath;
    QString mProblem;
    sockaddr_un mAddress{};
    int mFolder = -1;
};

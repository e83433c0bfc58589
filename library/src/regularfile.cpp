#include "regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr qint64 COPY_BLOCK_SIZE = 64 * 1024;
} // namespace

bool TRegularFile::openForReading(QFile& pFile)
{
    pFile.close();
    // O_NONBLOCK: opening a FIFO for reading waits for a writer otherwise.
    const int descriptor =
        ::open(QFile::encodeName(pFile.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor == -1)
        return false;
    struct stat status;
    const bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (!regular || flags == -1 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == -1 ||
        !pFile.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

bool TRegularFile::copy(const QString& pSource, const QString& pTarget, qint64 pMaximumSize)
{
    QFile source(pSource);
    if (!openForReading(source) || (pMaximumSize >= 0 && source.size() > pMaximumSize))
        return false;
    QFile target(pTarget);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    QByteArray block(int(COPY_BLOCK_SIZE), Qt::Uninitialized);
    qint64 copied = 0;
    bool complete = false;
    for (;;) {
        const qint64 read = source.read(block.data(), block.size());
        if (read == 0) {
            complete = true;
            break;
        }
        copied += read;
        // A file that grows while it is read is held to the limit as well.
        if (read < 0 || (pMaximumSize >= 0 && copied > pMaximumSize) || target.write(block.constData(), read) != read)
            break;
    }
    complete = complete && target.flush();
    target.close();
    if (!complete) {
        target.remove();
        return false;
    }
    return true;
}

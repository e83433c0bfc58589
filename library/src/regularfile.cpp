#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr qint64 COPY_BLOCK_SIZE = 64 * 1024;

// Hands the descriptor to pFile when it names a regular file, switched back to
// blocking reads and writes; closes it otherwise.
bool adoptRegularFile(int pDescriptor, QFile& pFile, QIODevice::OpenMode pMode)
{
    if (pDescriptor == -1)
        return false;
    struct stat status;
    const bool regular = ::fstat(pDescriptor, &status) == 0 && S_ISREG(status.st_mode);
    const int flags = ::fcntl(pDescriptor, F_GETFL);
    if (!regular || flags == -1 || ::fcntl(pDescriptor, F_SETFL, flags & ~O_NONBLOCK) == -1 ||
        !pFile.open(pDescriptor, pMode, QFileDevice::AutoCloseHandle)) {
        ::close(pDescriptor);
        return false;
    }
    return true;
}

// The directory pName below the open directory pParent, made when missing;
// -1 when the name is a link or anything but a directory.
int openDirectoryBelow(int pParent, const QByteArray& pName)
{
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    const int descriptor = ::openat(pParent, pName.constData(), flags);
    if (descriptor != -1 || errno != ENOENT)
        return descriptor;
    if (::mkdirat(pParent, pName.constData(), 0777) == -1 && errno != EEXIST)
        return -1;
    return ::openat(pParent, pName.constData(), flags);
}
} // namespace

bool TRegularFile::openForReading(QFile& pFile)
{
    pFile.close();
    // O_NONBLOCK: opening a FIFO for reading waits for a writer otherwise.
    return adoptRegularFile(
        ::open(QFile::encodeName(pFile.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY), pFile,
        QIODevice::ReadOnly);
}

bool TRegularFile::openForAppending(QFile& pFile, const QString& pTrustedDirectory, bool& oCreated)
{
    pFile.close();
    oCreated = false;
    const QString relative = QDir(pTrustedDirectory).relativeFilePath(pFile.fileName());
    QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty() || QDir::isAbsolutePath(relative) || parts.contains(QStringLiteral("..")))
        return false;
    const QByteArray name = QFile::encodeName(parts.takeLast());

    // Each step is taken from the directory opened before it, so that no
    // link on the way, placed before or during the walk, can lead elsewhere.
    int directory = ::open(QFile::encodeName(pTrustedDirectory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const QString& part : parts) {
        if (directory == -1)
            return false;
        const int below = openDirectoryBelow(directory, QFile::encodeName(part));
        ::close(directory);
        directory = below;
    }
    if (directory == -1)
        return false;
    // O_NONBLOCK: whatever stands at the name, a FIFO or a device, must not
    // hold the open.
    constexpr int flags = O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int descriptor = ::openat(directory, name.constData(), flags | O_CREAT | O_EXCL, 0666);
    const bool created = descriptor != -1;
    if (!created && errno == EEXIST)
        descriptor = ::openat(directory, name.constData(), flags);
    const bool opened =
        adoptRegularFile(descriptor, pFile, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
    if (!opened && created)
        ::unlinkat(directory, name.constData(), 0);
    ::close(directory);
    oCreated = opened && created;
    return opened;
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

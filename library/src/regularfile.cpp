#include "regularfile.h"

#include "filesystemsync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <functional>

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

// The parts of the host path pPath below pTrustedDirectory; false when it
// does not lie below it.
bool walkDown(const QString& pTrustedDirectory, const QString& pPath, QStringList& oParts)
{
    const QString relative = QDir(pTrustedDirectory).relativeFilePath(pPath);
    oParts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    oParts.removeAll(QStringLiteral("."));
    return !QDir::isAbsolutePath(relative) && !oParts.contains(QStringLiteral(".."));
}

// The directory pParts below pTrustedDirectory, made where missing. Each step
// is taken from the directory opened before it, so that no link on the way,
// placed before or during the walk, can lead elsewhere.
int openDirectoryPath(const QString& pTrustedDirectory, const QStringList& pParts)
{
    int directory = ::open(QFile::encodeName(pTrustedDirectory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const QString& part : pParts) {
        if (directory == -1)
            return -1;
        const int below = openDirectoryBelow(directory, QFile::encodeName(part));
        ::close(directory);
        directory = below;
    }
    return directory;
}

// The directory holding the file pPath below pTrustedDirectory, with the
// file's name in oName; -1 when it cannot be reached without a link.
int openDirectoryOf(const QString& pPath, const QString& pTrustedDirectory, QByteArray& oName)
{
    QStringList parts;
    if (!walkDown(pTrustedDirectory, pPath, parts) || parts.isEmpty())
        return -1;
    oName = QFile::encodeName(parts.takeLast());
    return openDirectoryPath(pTrustedDirectory, parts);
}

// Nothing or a regular file at pName: what a replacement may take the place of.
bool replaceableAt(int pDirectory, const QByteArray& pName)
{
    struct stat status;
    if (::fstatat(pDirectory, pName.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        return S_ISREG(status.st_mode);
    return errno == ENOENT;
}

// A new file beside pName for the replacement, under a name nothing holds yet:
// a file left by an earlier failed write, or one placed there, stays untouched.
int createBeside(int pDirectory, const QByteArray& pName, QByteArray& oWrittenName)
{
    constexpr int MAX_ATTEMPTS = 100;
    for (int attempt = 0; attempt < MAX_ATTEMPTS; ++attempt) {
        oWrittenName = pName + ".new";
        if (attempt > 0)
            oWrittenName += QByteArray::number(attempt);
        const int descriptor = ::openat(pDirectory, oWrittenName.constData(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor != -1 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Writes the file pPath below pTrustedDirectory anew through pWrite, beside
// it first, and renames the complete file over the old one; the old file
// stays when anything fails. Neither a link nor anything but a regular file
// is replaced or written through.
bool replaceBelow(const QString& pPath, const QString& pTrustedDirectory, const std::function<bool(QFile&)>& pWrite)
{
    QByteArray name;
    const int directory = openDirectoryOf(pPath, pTrustedDirectory, name);
    if (directory == -1)
        return false;
    QByteArray writtenName;
    const int descriptor = replaceableAt(directory, name) ? createBeside(directory, name, writtenName) : -1;
    bool replaced = false;
    if (descriptor != -1) {
        QFile written;
        bool complete = false;
        if (written.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            const QString writtenPath =
                QFileInfo(pPath).absolutePath() + QLatin1Char('/') + QFile::decodeName(writtenName);
            complete = pWrite(written) && TFileSystemSync::syncOpenFile(written, writtenPath);
            written.close();
        } else {
            ::close(descriptor);
        }
        // Checked again: the name may have been taken while the file was written.
        replaced = complete && replaceableAt(directory, name) &&
                   ::renameat(directory, writtenName.constData(), directory, name.constData()) == 0;
        if (!replaced)
            ::unlinkat(directory, writtenName.constData(), 0);
        replaced = replaced && ::fsync(directory) == 0;
    }
    ::close(directory);
    return replaced;
}

// Copies pSource to pTarget from where both stand, in blocks; false when a
// read or write fails or more than pMaximumSize bytes (when that is not
// negative) come.
bool copyBlocks(QFile& pSource, QFile& pTarget, qint64 pMaximumSize)
{
    QByteArray block(int(COPY_BLOCK_SIZE), Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 read = pSource.read(block.data(), block.size());
        if (read == 0)
            return true;
        copied += read;
        // A file that grows while it is read is held to the limit as well.
        if (read < 0 || (pMaximumSize >= 0 && copied > pMaximumSize) || pTarget.write(block.constData(), read) != read)
            return false;
    }
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
    QByteArray name;
    const int directory = openDirectoryOf(pFile.fileName(), pTrustedDirectory, name);
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

bool TRegularFile::makeDirectory(const QString& pPath, const QString& pTrustedDirectory)
{
    QStringList parts;
    const int directory = walkDown(pTrustedDirectory, pPath, parts) ? openDirectoryPath(pTrustedDirectory, parts) : -1;
    if (directory == -1)
        return false;
    ::close(directory);
    return true;
}

bool TRegularFile::writeReplacing(const QString& pPath, const QString& pTrustedDirectory, const QByteArray& pContent)
{
    return replaceBelow(pPath, pTrustedDirectory,
                        [&pContent](QFile& pTarget) { return pTarget.write(pContent) == pContent.size(); });
}

bool TRegularFile::copyReplacing(const QString& pSource, const QString& pPath, const QString& pTrustedDirectory)
{
    QFile source(pSource);
    return openForReading(source) && replaceBelow(pPath, pTrustedDirectory, [&source](QFile& pTarget) {
               return copyBlocks(source, pTarget, -1);
           });
}

bool TRegularFile::copy(const QString& pSource, const QString& pTarget, qint64 pMaximumSize)
{
    QFile source(pSource);
    if (!openForReading(source) || (pMaximumSize >= 0 && source.size() > pMaximumSize))
        return false;
    QFile target(pTarget);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool complete = copyBlocks(source, target, pMaximumSize) && target.flush();
    target.close();
    if (!complete) {
        target.remove();
        return false;
    }
    return true;
}

#include "filesystemsync.h"

#include "simulatedusbstick.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace
{
bool syncDirectoryOf(const QString& pPath)
{
    const QByteArray directory = QFile::encodeName(QFileInfo(pPath).absolutePath());
    const int descriptor = ::open(directory.constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor == -1)
        return false;
    const bool directorySynced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return directorySynced;
}
} // namespace

bool TFileSystemSync::sync(QFile& pFile)
{
    bool fileSynced = true;
    if (pFile.exists()) {
        // What the caller wrote may still sit in the file's own buffer.
        if (pFile.isOpen() && pFile.isWritable())
            pFile.flush();
        else if (!pFile.isOpen())
            pFile.open(QIODevice::ReadOnly);
        // A full stick shows once the written data go to the medium; under a
        // device root the simulated stick plays that part.
        if (!TSimulatedUSBStick::claimSpace(QFileInfo(pFile).absoluteFilePath())) {
            pFile.close();
            return false;
        }
        fileSynced = pFile.handle() != -1 && ::fsync(pFile.handle()) == 0;
    }
    pFile.close();
    return syncDirectoryOf(pFile.fileName()) && fileSynced;
}

bool TFileSystemSync::syncOpenFile(QFile& pFile)
{
    return syncOpenFile(pFile, pFile.fileName());
}

bool TFileSystemSync::syncOpenFile(QFile& pFile, const QString& pPath)
{
    const QString path = QFileInfo(pPath).absoluteFilePath();
    if (!pFile.isOpen() || !pFile.flush() || !TSimulatedUSBStick::claimSpace(path))
        return false;
    const bool fileSynced = ::fsync(pFile.handle()) == 0;
    return syncDirectoryOf(path) && fileSynced;
}

QString TFileSystemSync::writeBeside(const QString& pPath, const QByteArray& pContent)
{
    const QString writtenFile = pPath + QStringLiteral(".new");
    QFile file(writtenFile);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
                         file.write(pContent) == pContent.size() && sync(file);
    file.close();
    if (written)
        return writtenFile;
    // Never remove what is not a plain file: the name may be taken by a directory.
    if (QFileInfo(writtenFile).isFile())
        QFile::remove(writtenFile);
    return QString();
}

bool TFileSystemSync::replaceWith(const QString& pWrittenFile, const QString& pPath)
{
    // rename() replaces the old file in one step; QFile::rename would refuse
    // an existing target.
    if (std::rename(QFile::encodeName(pWrittenFile).constData(), QFile::encodeName(pPath).constData()) != 0)
        return false;
    QFile replaced(pPath);
    return sync(replaced);
}

bool TFileSystemSync::writeReplacing(const QString& pPath, const QByteArray& pContent)
{
    const QString writtenFile = writeBeside(pPath, pContent);
    if (writtenFile.isEmpty())
        return false;
    if (replaceWith(writtenFile, pPath))
        return true;
    QFile::remove(writtenFile);
    return false;
}

bool TFileSystemSync::copyReplacing(const QString& pSource, const QString& pPath)
{
    const QString writtenFile = pPath + QStringLiteral(".new");
    if (QFileInfo(writtenFile).isFile())
        QFile::remove(writtenFile);
    if (!QFile::copy(pSource, writtenFile))
        return false;
    QFile copy(writtenFile);
    if (sync(copy) && replaceWith(writtenFile, pPath))
        return true;
    QFile::remove(writtenFile);
    return false;
}

bool TFileSystemSync::removeFile(const QString& pPath)
{
    QFile file(pPath);
    const bool gone = file.remove() || !file.exists();
    sync(file);
    return gone;
}

#include "filesystemsync.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

bool TFileSystemSync::sync(QFile& pFile)
{
    bool fileSynced = true;
    if (pFile.exists()) {
        // What the caller wrote may still sit in the file's own buffer.
        if (pFile.isOpen() && pFile.isWritable())
            pFile.flush();
        else if (!pFile.isOpen())
            pFile.open(QIODevice::ReadOnly);
        fileSynced = pFile.handle() != -1 && ::fsync(pFile.handle()) == 0;
    }
    pFile.close();

    const QByteArray directory = QFile::encodeName(QFileInfo(pFile).absolutePath());
    const int descriptor = ::open(directory.constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor == -1)
        return false;
    const bool directorySynced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return fileSynced && directorySynced;
}

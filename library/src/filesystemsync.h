#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Forces a written file and the directory entry that names it onto the
// storage medium, so that switching the instrument off right after a write
// keeps the file.
class TFileSystemSync
{
public:
    // True when the file (if it exists) and its directory were flushed to
    // storage. Closes the file.
    static bool sync(QFile& pFile);
    // The same for a file that stays open for more writes (a log being
    // written): false when pFile is not open or the flush failed.
    static bool syncOpenFile(QFile& pFile);
    // The same for a file opened on a descriptor, which the toolkit keeps
    // without a name: pPath is the host path it was opened under.
    static bool syncOpenFile(QFile& pFile, const QString& pPath);

    // Puts pContent in place of the file at the host path pPath so that a
    // failed write or a power cut leaves either the old file or the new one,
    // never a part: the content goes to a file beside it first and replaces
    // the old one only once it is complete on the medium. Nothing is removed
    // beforehand. False when the file could not be replaced.
    static bool writeReplacing(const QString& pPath, const QByteArray& pContent);
    // The two halves of writeReplacing, for owners that put the replacement
    // in place themselves. writeBeside returns the written file, or an empty
    // text (and leaves nothing behind) when it could not be written whole.
    static QString writeBeside(const QString& pPath, const QByteArray& pContent);
    // Renames the written file over pPath in one step and syncs the directory.
    static bool replaceWith(const QString& pWrittenFile, const QString& pPath);
    // writeReplacing with the content of the file at the host path pSource:
    // the copy is complete on the medium before it takes the old file's place.
    static bool copyReplacing(const QString& pSource, const QString& pPath);
    // Removes the file at the host path pPath and syncs its directory, so
    // that the file does not come back after a power cut. True when no file
    // of that name is left (a missing one included).
    static bool removeFile(const QString& pPath);
};

#pragma once

#include <QString>

class QFile;

// Reads and extends files that someone else provides, such as those on a USB
// stick. Only a regular file is opened: a FIFO behind the name would hold the
// program on open and a device would feed it without end. The type is checked
// on the opened descriptor, so a name swapped after a listing cannot slip
// through. An opened file keeps its descriptor but, as the toolkit opens it on
// the descriptor, no longer its name.
class TRegularFile
{
public:
    // Opens pFile (its name set) read-only when it names a regular file, without
    // ever blocking on the open; false otherwise, with pFile closed.
    static bool openForReading(QFile& pFile);
    // Opens pFile (its name set, below the host directory pTrustedDirectory) for
    // reading and writing at its end, unbuffered, when it names a regular file,
    // creating it when missing. Neither the file nor any directory between
    // pTrustedDirectory and it may be a link; missing directories are made.
    // Never blocks on the open. oCreated tells whether this call made the file:
    // only such a file is the caller's to remove again. False otherwise, with
    // pFile closed.
    static bool openForAppending(QFile& pFile, const QString& pTrustedDirectory, bool& oCreated);
    // Makes the directory pPath below pTrustedDirectory with its parents where
    // missing; false when it or a directory on the way is a link or no
    // directory.
    static bool makeDirectory(const QString& pPath, const QString& pTrustedDirectory);
    // Puts pContent in place of the file pPath below pTrustedDirectory, with the
    // same walk as openForAppending. The content goes to a new file beside it
    // and takes the old file's place only once complete on the medium, so a
    // failure leaves the old file. Only a missing name or a regular file is
    // replaced: a link or anything else at the name fails the write and stays.
    static bool writeReplacing(const QString& pPath, const QString& pTrustedDirectory, const QByteArray& pContent);
    // writeReplacing with the content of the regular file pSource.
    static bool copyReplacing(const QString& pSource, const QString& pPath, const QString& pTrustedDirectory);

    // Copies the regular file pSource to the new file pTarget in blocks, so that
    // memory stays small whatever the size. A source larger than pMaximumSize
    // (when that is not negative) is refused before anything is written. On
    // failure pTarget is not left behind; an existing pTarget fails the copy.
    static bool copy(const QString& pSource, const QString& pTarget, qint64 pMaximumSize = -1);
};

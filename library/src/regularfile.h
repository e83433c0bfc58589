#pragma once

#include <QString>

class QFile;

// Reads files that someone else provides, such as those on a USB stick. Only
// a regular file is opened: a FIFO behind the name would hold the program on
// open and a device would feed it without end. The type is checked on the
// opened descriptor, so a name swapped after a listing cannot slip through.
class TRegularFile
{
public:
    // Opens pFile (its name set) read-only when it names a regular file, without
    // ever blocking on the open; false otherwise, with pFile closed.
    static bool openForReading(QFile& pFile);

    // Copies the regular file pSource to the new file pTarget in blocks, so that
    // memory stays small whatever the size. A source larger than pMaximumSize
    // (when that is not negative) is refused before anything is written. On
    // failure pTarget is not left behind; an existing pTarget fails the copy.
    static bool copy(const QString& pSource, const QString& pTarget, qint64 pMaximumSize = -1);
};

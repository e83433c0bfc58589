#pragma once

#include <QStringList>

class QFile;

// The newest lines of a log file, read back from its end: the content view
// opens files of any length, and the device's core must not read a whole
// day's log to show its last lines.
class TLogfileTail
{
public:
    // The last pCount non-empty lines after the header (which ends at the
    // first empty line and is followed by the column titles), oldest first,
    // decoded as UTF-8 without their line ends. Empty when the file cannot be
    // read or has no end of its header. Reads the header and the tail only.
    static QStringList lastDataLines(QFile& pFile, int pCount);

private:
    // The first tail read; each further one takes four times as much.
    static constexpr qint64 FIRST_TAIL_BYTES = 16 * 1024;
};

#include "logfiletail.h"

#include <QFile>

#include <algorithm>

namespace
{
QByteArray withoutLineEnd(QByteArray pLine)
{
    if (pLine.endsWith('\n'))
        pLine.chop(1);
    if (pLine.endsWith('\r'))
        pLine.chop(1);
    return pLine;
}

// The offset after the header and its column titles line, or -1.
qint64 dataStart(QFile& pFile)
{
    while (!pFile.atEnd()) {
        if (withoutLineEnd(pFile.readLine()).isEmpty()) {
            pFile.readLine();
            return pFile.pos();
        }
    }
    return -1;
}
} // namespace

QStringList TLogfileTail::lastDataLines(QFile& pFile, int pCount)
{
    if (pCount <= 0 || !pFile.seek(0))
        return QStringList();
    const qint64 start = dataStart(pFile);
    const qint64 size = pFile.size();
    if (start < 0 || start >= size)
        return QStringList();

    QList<QByteArray> lines;
    for (qint64 length = FIRST_TAIL_BYTES;; length *= 4) {
        const qint64 from = std::max(start, size - length);
        if (!pFile.seek(from))
            return QStringList();
        lines = pFile.read(size - from).split('\n');
        // A read that starts inside the data may start inside a line.
        if (from > start)
            lines.removeFirst();
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [](const QByteArray& pLine) { return withoutLineEnd(pLine).isEmpty(); }),
                    lines.end());
        if (lines.size() >= pCount || from == start)
            break;
    }
    QStringList result;
    for (int i = std::max(0, int(lines.size()) - pCount); i < lines.size(); ++i)
        result << QString::fromUtf8(withoutLineEnd(lines.at(i)));
    return result;
}

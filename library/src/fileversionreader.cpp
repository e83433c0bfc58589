#include "fileversionreader.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

namespace
{
constexpr qint64 NUMBERS_LENGTH = 16;
}

TFileVersion TFileVersionReader::determineFileVersion(const QString& pFile, const QString& pTag,
                                                      bool& oFirmwareTagFound)
{
    oFirmwareTagFound = false;
    // The file may lie on a stick: a FIFO there must not hold the program.
    QFile file(pFile);
    if (!TRegularFile::openForReading(file))
        return TFileVersion();
    const QByteArray tag = pTag.toLatin1();
    const qint64 trailerStart = file.size() - tag.size() - NUMBERS_LENGTH;
    if (trailerStart < 0 || !file.seek(trailerStart))
        return TFileVersion();

    if (!tag.isEmpty()) {
        QByteArray tagRead = file.read(tag.size());
        const int end = tagRead.indexOf('\0');
        if (end != -1)
            tagRead.truncate(end);
        oFirmwareTagFound = tagRead == tag;
    }

    const QByteArray numbers = file.read(NUMBERS_LENGTH);
    if (numbers.size() != NUMBERS_LENGTH)
        return TFileVersion();
    const auto number = [&numbers](int pIndex) { return qFromBigEndian<quint32>(numbers.constData() + 4 * pIndex); };
    return TFileVersion(number(0), number(1), number(2), number(3));
}

TFileVersion TFileVersionReader::determineFileVersion()
{
    bool tagFound = false;
    return determineFileVersion(QCoreApplication::applicationFilePath(), QString(), tagFound);
}

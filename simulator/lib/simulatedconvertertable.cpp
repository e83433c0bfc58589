#include "simulatedconvertertable.h"

#include "deviceroot.h"
#include "programsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace
{
// The table's fields stand between spaces, one entry a line: a space, tab,
// line break or backslash in a path is written as a backslash and three octal
// digits, as fstab writes them.
QString tableField(const QString& pPath)
{
    QString field;
    for (const QChar character : pPath) {
        if (character == QLatin1Char(' ') || character == QLatin1Char('\t') || character == QLatin1Char('\n') ||
            character == QLatin1Char('\\'))
            field += QStringLiteral("\\%1").arg(character.unicode(), 3, 8, QLatin1Char('0'));
        else
            field += character;
    }
    return field;
}

QStringList entriesWithout(const QString& pLinePath)
{
    QFile table(TSimulatedConverterTable::tablePath());
    QStringList kept;
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return kept;
    for (const QString& line : QString::fromUtf8(table.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.section(QLatin1Char(' '), 2, 2) != tableField(pLinePath))
            kept << line;
    }
    return kept;
}

// False, with the system's reason in oError, when the table cannot be written.
bool writeEntries(const QStringList& pEntries, QString& oError)
{
    if (!PeerProgram::makeFolder(QFileInfo(TSimulatedConverterTable::tablePath()).absolutePath(), oError))
        return false;
    QFile table(TSimulatedConverterTable::tablePath());
    if (table.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        for (const QString& entry : pEntries)
            table.write(entry.toUtf8() + '\n');
        if (table.flush())
            return true;
    }
    oError = QStringLiteral("cannot write %1 (%2)").arg(table.fileName(), table.errorString());
    return false;
}
} // namespace

QString TSimulatedConverterTable::tablePath()
{
    return TDeviceRoot::path(QStringLiteral("/var/lib/ftdi/converters"));
}

bool TSimulatedConverterTable::addConverter(int pVendor, int pProduct, const QString& pLinePath,
                                            const QString& pOptions, QString* oError)
{
    QStringList entries = entriesWithout(pLinePath);
    QString entry = QStringLiteral("0x%1 0x%2 %3")
                        .arg(pVendor, 4, 16, QLatin1Char('0'))
                        .arg(pProduct, 4, 16, QLatin1Char('0'))
                        .arg(tableField(pLinePath));
    if (!pOptions.isEmpty())
        entry += QLatin1Char(' ') + pOptions;
    entries << entry;
    QString error;
    const bool written = writeEntries(entries, error);
    if (oError)
        *oError = error;
    return written;
}

void TSimulatedConverterTable::removeConverter(const QString& pLinePath)
{
    QString ignored;
    writeEntries(entriesWithout(pLinePath), ignored);
}

void TSimulatedConverterTable::clear()
{
    QFile::remove(tablePath());
}

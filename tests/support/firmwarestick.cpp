#include "firmwarestick.h"

#include "simulatedusbstick.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace
{
bool writeFile(const QString& pPath, const QByteArray& pContent)
{
    QDir().mkpath(QFileInfo(pPath).absolutePath());
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pContent) == pContent.size();
}
} // namespace

QByteArray TFirmwareStick::updateFile(const QByteArray& pProgram, const QString& pTag, const TFileVersion& pVersion)
{
    QByteArray file = pProgram + pTag.toLatin1();
    for (quint32 number :
         {pVersion.versionMajor(), pVersion.versionMinor(), pVersion.versionRevision(), pVersion.versionBuild()}) {
        char bytes[4];
        qToBigEndian(number, bytes);
        file.append(bytes, 4);
    }
    return file;
}

QString TFirmwareStick::pathOnStick(const QString& pRelativePath)
{
    return TSimulatedUSBStick::mediumDirectory() + QLatin1Char('/') + pRelativePath;
}

bool TFirmwareStick::write(const QString& pDirectory, const QString& pFileName, const QByteArray& pFile,
                           EnChecksumForm pChecksum)
{
    const QString path = pathOnStick(pDirectory + QLatin1Char('/') + pFileName);
    if (!writeFile(path, pFile))
        return false;
    const QByteArray digest = QCryptographicHash::hash(pFile, QCryptographicHash::Sha1);
    const QString checksumPath = path.left(path.size() - 4) + QStringLiteral(".chk");
    switch (pChecksum) {
    case cfRawDigest:
        return writeFile(checksumPath, digest);
    case cfHexText:
        return writeFile(checksumPath, digest.toHex());
    case cfWrongDigest:
        return writeFile(checksumPath, QCryptographicHash::hash(pFile + 'x', QCryptographicHash::Sha1));
    case cfNone:
        break;
    }
    return true;
}

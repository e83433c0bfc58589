#include "userdatabackupcontroller.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "instrumentinfo.h"
#include "tamarindsettings.h"
#include "usbstickcontroller.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <map>

namespace
{
constexpr const char* HOME_DIR = "/home";
constexpr const char* ARCHIVE_SUFFIX = "_backup.tar.gz";
constexpr const char* TAR = "tar";

QString homePath(const QString& pName)
{
    return TDeviceRoot::path(QLatin1String(HOME_DIR) + QLatin1Char('/') + pName);
}

// The files and directories of the backup set, relative to "/home", in archive order.
const QStringList& backupSet()
{
    static const QStringList members{QStringLiteral("serialnumber"),        QStringLiteral("manufacturingdate"),
                                     QStringLiteral("Settings/"),           QStringLiteral("Screenshots/"),
                                     QStringLiteral("Logfiles/"),           QStringLiteral("CalibrationSetups/"),
                                     QStringLiteral("CalibrationRoutines/")};
    return members;
}
} // namespace

QString TUserDataBackupController::createBackupOnUSBStick()
{
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (!stick->isUSBStickConnected())
        return QString();
    // The serial number names the archive below "/home".
    const QString serialNumber = TInstrumentInfo::instance()->instrumentSerialNumber();
    if (!TDeviceRoot::isPlainFileName(serialNumber))
        return QString();
    const QString archive = serialNumber + QLatin1String(ARCHIVE_SUFFIX);

    // tar refuses the whole archive for one missing member, and a truncated
    // archive would still pass the three digests: only members that exist
    // are passed, and a failing tar ends the backup.
    QStringList arguments{QStringLiteral("-czf"), archive};
    for (const QString& member : backupSet())
        if (QFileInfo::exists(homePath(member)))
            arguments << member;
    const TCommandResult tar = TCommandRunner::instance().run(QLatin1String(TAR), arguments, QLatin1String(HOME_DIR));
    if (!tar.mStarted || tar.mExitCode != 0) {
        TFileSystemSync::removeFile(homePath(archive));
        return QString();
    }

    const QByteArray localDigest = fileContentChecksum(homePath(archive));
    if (localDigest.isEmpty())
        return QString();
    if (!stick->copyFiles(QLatin1String(HOME_DIR), QStringLiteral("/"), {{archive, archive}}, true, true))
        return QString();
    TFileSystemSync::removeFile(homePath(archive));

    const QByteArray stickDigest = fileContentChecksum(stick->pathOnStick(archive));
    if (stickDigest.isEmpty())
        return QString();
    const QByteArray sideFileDigest = checksumFromMD5File(stick->pathOnStick(archive + QStringLiteral(".md5")));
    if (localDigest != stickDigest || stickDigest != sideFileDigest)
        return QString();
    stick->eject(false);
    return archive;
}

bool TUserDataBackupController::restoreDataFromBackup(const QString& pBackupTarFilename)
{
    // Only an archive of this kind may be named: any other name would delete
    // and overwrite "/home/<name>", the program file "ZTM8800_UI" included.
    if (!TDeviceRoot::isPlainFileName(pBackupTarFilename) ||
        !pBackupTarFilename.endsWith(QLatin1String(ARCHIVE_SUFFIX)) ||
        pBackupTarFilename == QLatin1String(ARCHIVE_SUFFIX))
        return false;
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (!stick->isUSBStickConnected())
        return false;
    const QByteArray expectedDigest =
        checksumFromMD5File(stick->pathOnStick(pBackupTarFilename + QStringLiteral(".md5")));
    if (expectedDigest.isEmpty())
        return false;

    const QString localArchive = homePath(pBackupTarFilename);
    QFile::remove(localArchive);
    if (!QFile::copy(stick->pathOnStick(pBackupTarFilename), localArchive)) {
        TFileSystemSync::removeFile(localArchive);
        return false;
    }
    bool restored = false;
    const QByteArray localDigest = fileContentChecksum(localArchive);
    if (!localDigest.isEmpty() && localDigest == expectedDigest && archiveHoldsOnlyTheBackupSet(pBackupTarFilename)) {
        // Owners and modes of the archive are not taken over: the files are
        // the instrument's own, whoever made the archive.
        const TCommandResult tar =
            TCommandRunner::instance().run(QLatin1String(TAR),
                                           {QStringLiteral("-xzf"), pBackupTarFilename,
                                            QStringLiteral("--no-same-owner"), QStringLiteral("--no-same-permissions")},
                                           QLatin1String(HOME_DIR));
        restored = tar.mStarted && tar.mExitCode == 0;
    }
    TFileSystemSync::removeFile(localArchive);
    if (restored) {
        // The restored settings file is what holds now: the next store() must
        // not write the settings in memory back over it.
        TTamarindSettings::instance().reload();
        // Likewise the serial number and date that identification answers with.
        TInstrumentInfo::instance()->forgetLocalIdentity();
        stick->eject(false);
    }
    return restored;
}

// The archive comes from a stick and is unpacked as root: a member outside
// the backup set (the program file), a link or a device, an absolute path or
// one that climbs out with ".." would change files the backup never held.
bool TUserDataBackupController::archiveHoldsOnlyTheBackupSet(const QString& pBackupTarFilename)
{
    TCommandRunner& runner = TCommandRunner::instance();
    const QString home = QLatin1String(HOME_DIR);
    const TCommandResult names = runner.run(QLatin1String(TAR), {QStringLiteral("-tzf"), pBackupTarFilename}, home);
    const TCommandResult details = runner.run(QLatin1String(TAR), {QStringLiteral("-tvzf"), pBackupTarFilename}, home);
    if (!names.mStarted || names.mExitCode != 0 || !details.mStarted || details.mExitCode != 0)
        return false;
    const QList<QByteArray> paths = names.mStandardOutput.split('\n');
    const QList<QByteArray> entries = details.mStandardOutput.split('\n');
    if (paths.size() != entries.size())
        return false;
    for (int i = 0; i < paths.size(); ++i) {
        if (paths.at(i).isEmpty() && entries.at(i).isEmpty())
            continue;
        // The listing's first character is the member's type: "-" a plain file, "d" a directory.
        const char type = entries.at(i).isEmpty() ? '?' : entries.at(i).at(0);
        if ((type != '-' && type != 'd') || !isBackupSetMember(QString::fromLocal8Bit(paths.at(i))))
            return false;
    }
    return true;
}

bool TUserDataBackupController::isBackupSetMember(const QString& pPath)
{
    const QStringList parts = pPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (pPath.startsWith(QLatin1Char('/')) || parts.isEmpty() || parts.contains(QStringLiteral("..")))
        return false;
    for (const QString& member : backupSet()) {
        if (member.endsWith(QLatin1Char('/')) ? parts.first() == member.chopped(1) : pPath == member)
            return true;
    }
    return false;
}

QByteArray TUserDataBackupController::fileContentChecksum(const QString& pFilename)
{
    QFile file(pFilename);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5);
}

QByteArray TUserDataBackupController::checksumFromMD5File(const QString& pMD5File)
{
    QFile file(pMD5File);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray content = file.readAll();
    const int separator = content.indexOf("  ");
    if (separator < 0)
        return QByteArray();
    return QByteArray::fromHex(content.left(separator));
}

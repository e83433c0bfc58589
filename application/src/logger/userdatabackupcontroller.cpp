#include "userdatabackupcontroller.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "instrumentinfo.h"
#include "regularfile.h"
#include "tamarindsettings.h"
#include "usbstickcontroller.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <map>

#include <sys/statvfs.h>

namespace
{
constexpr const char* HOME_DIR = "/home";
constexpr const char* ARCHIVE_SUFFIX = "_backup.tar.gz";
constexpr const char* TAR = "tar";
// Beside the user data, on the same file system, so that moving is renaming.
constexpr const char* STAGING_DIRECTORY = ".userdata-restore";

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

QFileInfoList entriesOf(const QString& pDirectory)
{
    return QDir(pDirectory).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool isRealDirectory(const QFileInfo& pEntry)
{
    return pEntry.isDir() && !pEntry.isSymLink();
}

// A link goes as a link: emptying the directory it points to would lose
// files that were never the restore's.
bool removeEntry(const QString& pPath)
{
    const QFileInfo entry(pPath);
    return isRealDirectory(entry) ? QDir(pPath).removeRecursively() : TFileSystemSync::removeFile(pPath);
}

// Far more than a digest, two blanks and a file name.
constexpr qint64 MD5_FILE_READ_LIMIT = 4096;
} // namespace

qint64 TUserDataBackupController::sLargestArchiveSize = 0;

QString TUserDataBackupController::createBackupOnUSBStick()
{
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (!stick->isUSBStickConnected())
        return QString();
    // The serial number names the archive below "/home". An instrument
    // without one still backs up, as "_backup.tar.gz".
    const QString serialNumber = TInstrumentInfo::instance()->instrumentSerialNumber();
    if (!serialNumber.isEmpty() && !TDeviceRoot::isPlainFileName(serialNumber))
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
    const bool copied = !localDigest.isEmpty() && stick->copyFiles(QLatin1String(HOME_DIR), QStringLiteral("/"),
                                                                   {{archive, archive}}, true, true);
    // The archive is as large as the user data and the logger needs the room
    // it takes. Kept after a failed copy, it would serve nobody: the next
    // backup makes it anew, and the next start removes it anyway.
    TFileSystemSync::removeFile(homePath(archive));
    if (!copied)
        return QString();

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
        !pBackupTarFilename.endsWith(QLatin1String(ARCHIVE_SUFFIX)))
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
    if (!TRegularFile::copy(stick->pathOnStick(pBackupTarFilename), localArchive, largestArchiveSize())) {
        TFileSystemSync::removeFile(localArchive);
        return false;
    }
    bool restored = false;
    const QByteArray localDigest = fileContentChecksum(localArchive);
    if (!localDigest.isEmpty() && localDigest == expectedDigest && archiveHoldsOnlyTheBackupSet(pBackupTarFilename))
        restored = unpackIntoHome(pBackupTarFilename);
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

// A restore or backup cut short by a power failure leaves its copy of the
// archive in "/home", a restore also what it had unpacked so far; no other
// name there ends as an archive does, since the backup set holds none.
void TUserDataBackupController::removeLeftovers()
{
    removeEntry(homePath(QLatin1String(STAGING_DIRECTORY)));
    for (const QFileInfo& entry : entriesOf(homePath(QString()))) {
        if (entry.fileName().endsWith(QLatin1String(ARCHIVE_SUFFIX)) && !isRealDirectory(entry))
            TFileSystemSync::removeFile(entry.filePath());
    }
}

// A tar that fails half-way (a full disk, a cut archive) must leave "/home"
// as it was: the archive is unpacked beside it on the same file system and
// moved into place only once tar has finished. The archive comes from a stick
// and tar runs as root: by default it would hand the files to the owners the
// archive names and keep their set-user-ID bits. Every restored file belongs
// to the program's own user instead, with the umask's mode and no special bits.
bool TUserDataBackupController::unpackIntoHome(const QString& pBackupTarFilename)
{
    const QString staging = homePath(QLatin1String(STAGING_DIRECTORY));
    // Left over when the power failed during an earlier restore.
    removeEntry(staging);
    if (!QDir().mkdir(staging))
        return false;
    const TCommandResult tar = TCommandRunner::instance().run(
        QLatin1String(TAR),
        {QStringLiteral("-xzf"), pBackupTarFilename, QStringLiteral("--no-same-owner"),
         QStringLiteral("--no-same-permissions"), QStringLiteral("-C"), QLatin1String(STAGING_DIRECTORY)},
        QLatin1String(HOME_DIR));
    const QString home = homePath(QString());
    const bool unpacked = tar.mStarted && tar.mExitCode == 0 && canMoveInto(staging, home) && moveInto(staging, home);
    removeEntry(staging);
    return unpacked;
}

// tar cannot put a file where a directory stands; found before anything moves.
bool TUserDataBackupController::canMoveInto(const QString& pFrom, const QString& pTo)
{
    for (const QFileInfo& entry : entriesOf(pFrom)) {
        const QFileInfo existing(pTo + QLatin1Char('/') + entry.fileName());
        if (!isRealDirectory(existing))
            continue;
        if (!isRealDirectory(entry) || !canMoveInto(entry.filePath(), existing.filePath()))
            return false;
    }
    return true;
}

// A file replaces the one of its name, a directory is merged into the one
// there, which keeps its own owner and mode, and what the archive does not
// hold stays.
bool TUserDataBackupController::moveInto(const QString& pFrom, const QString& pTo)
{
    for (const QFileInfo& entry : entriesOf(pFrom)) {
        const QString target = pTo + QLatin1Char('/') + entry.fileName();
        const QByteArray source = QFile::encodeName(entry.filePath());
        const QByteArray destination = QFile::encodeName(target);
        const QFileInfo existing(target);
        if (isRealDirectory(entry) && isRealDirectory(existing)) {
            if (!moveInto(entry.filePath(), target))
                return false;
            continue;
        }
        // A directory cannot be renamed over a file or a link.
        if (isRealDirectory(entry) && (existing.exists() || existing.isSymLink()) && !QFile::remove(target))
            return false;
        if (std::rename(source.constData(), destination.constData()) != 0)
            return false;
    }
    return true;
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
    if (!TRegularFile::openForReading(file))
        return QByteArray();
    // In blocks: an archive may be larger than the memory.
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result();
}

QByteArray TUserDataBackupController::checksumFromMD5File(const QString& pMD5File)
{
    QFile file(pMD5File);
    if (!TRegularFile::openForReading(file))
        return QByteArray();
    // A digest, two blanks and a file name fit many times over; in a longer
    // file the blanks would come too late for a digest before them anyway.
    const QByteArray content = file.read(MD5_FILE_READ_LIMIT);
    const int separator = content.indexOf("  ");
    if (separator < 0)
        return QByteArray();
    return QByteArray::fromHex(content.left(separator));
}

void TUserDataBackupController::setLargestArchiveSize(qint64 pBytes)
{
    sLargestArchiveSize = pBytes;
}

// Every backup is made in "/home": none can be larger than its file system.
qint64 TUserDataBackupController::largestArchiveSize()
{
    if (sLargestArchiveSize > 0)
        return sLargestArchiveSize;
    struct statvfs fileSystem;
    if (::statvfs(QFile::encodeName(homePath(QString())).constData(), &fileSystem) != 0)
        return 0;
    return qint64(fileSystem.f_blocks) * qint64(fileSystem.f_frsize);
}

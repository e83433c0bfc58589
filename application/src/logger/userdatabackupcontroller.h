#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Saves the user data under "/home" (identity files, settings, screenshots,
// log files, calibration setups and results) to the USB stick as one gzip
// tar archive with an MD5 side file, and restores it from there. Started only
// by remote commands; shows nothing. No state: every operation is static.
class TUserDataBackupController
{
public:
    // The archive's file name ("<serial number>_backup.tar.gz") on success,
    // empty when there is no stick or anything failed.
    static QString createBackupOnUSBStick();
    // Restores from the archive of that name in the stick's base directory;
    // false when the name, the side file, the digest, the archive's size or
    // content is refused, or "tar" failed; "/home" is then as it was.
    static bool restoreDataFromBackup(const QString& pBackupTarFilename);

    // Removes what a restore or backup cut short (the power failed) left in
    // "/home": the copy of the archive and the half-unpacked files. For the
    // program's start, before any restore can begin.
    static void removeLeftovers();

    // A restore refuses an archive larger than this; 0 (the default) takes
    // the size of the file system that holds "/home".
    static void setLargestArchiveSize(qint64 pBytes);

private:
    static QByteArray fileContentChecksum(const QString& pFilename);
    static QByteArray checksumFromMD5File(const QString& pMD5File);

    static bool archiveHoldsOnlyTheBackupSet(const QString& pBackupTarFilename);
    static bool isBackupSetMember(const QString& pPath);
    static bool unpackIntoHome(const QString& pBackupTarFilename);
    static bool canMoveInto(const QString& pFrom, const QString& pTo);
    static bool moveInto(const QString& pFrom, const QString& pTo);
    static qint64 largestArchiveSize();

    static qint64 sLargestArchiveSize;
};

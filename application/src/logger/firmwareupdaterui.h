#pragma once

#include "fileversion.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QFileInfo;

// Every outcome of a search for or an installation of a new user interface
// program; the main window turns all but furFirmwareFound into messages.
enum EnFirmwareUpdateResult : int {
    furNoUSBStickConnected = 0,
    furFirmwareSubdirNotFound = 1,
    furNoFirmwareFileFound = 2,
    furMultipleFirmwareFilesFound = 3,
    furInvalidFirmware = 4,
    furChecksumFileMissing = 5,
    furFileCopyError = 6,
    furOpenFirmwareError = 7,
    furOpenChecksumError = 8,
    furChecksumMismatch = 9,
    furFirmwareFound = 10
};

// Finds the one update file of the user interface program on the USB stick,
// checks that it was built for this instrument and that its SHA-1 digest
// matches its ".chk" file, installs it over the program file and restarts.
// Made for one search or one installation and dropped right after; it keeps
// nothing between uses.
class TFirmwareUpdaterUI : public QObject
{
    Q_OBJECT

public:
    // Types 2 and 3 run a board that older programs cannot drive.
    static constexpr unsigned int LAST_REFUSED_BUILD_FOR_NEWER_BOARDS = 84981;
    // The update file is hashed piecewise so that it is never held in memory.
    static constexpr qint64 CHECKSUM_BLOCK_SIZE = 8192;
    // A ".chk" file holds the raw SHA-1 digest and nothing else.
    static constexpr qint64 CHECKSUM_LENGTH = 20;

    // pSubdirectory is relative to the stick's mount point; an empty
    // pSearchMask finds nothing.
    TFirmwareUpdaterUI(const QString& pSubdirectory, const QString& pSearchMask, const QString& pTag);

    // The firmware file's name with its last four characters (".dat") replaced by ".chk".
    static QString getChecksumFilename(const QString& pFirmwareFilename);

    // Checks stick, directory, the one matching file, its trailer and build
    // and its checksum file, in that order; the first failing check decides.
    // On furFirmwareFound the file's name (without directory) and version.
    EnFirmwareUpdateResult findFirmwareOnStick(QString& pFileName, TFileVersion& pFileVersion);

    // Finds the update, asks the user, checks the digest and replaces the
    // program "/home/<pExecutableName>", then confirms and restarts.
    // furFirmwareFound also when the user declined; on any other result the
    // installed program is the one there was before.
    EnFirmwareUpdateResult updateFirmware(const QString& pExecutableName);

signals:
    // Right before the restart after a successful installation.
    void onBeforeReboot();

protected:
    // How the instrument restarts depends on the operating-system platform.
    virtual unsigned short platformVersion_Major() const;

private:
    QString stickDirectory() const;
    // A regular file that lies on the stick, also when reached through a link.
    bool isFileOnStick(const QFileInfo& pEntry) const;
    bool checkDigest(const QString& pFirmwareCopy, const QString& pChecksumCopy, EnFirmwareUpdateResult& oResult,
                     QByteArray& oDigest) const;
    bool install(const QString& pFirmwareCopy, const QString& pExecutableName, const QByteArray& pDigest) const;
    void restart() const;

    QString mFirmwareSubdirectory;
    QString mFirmwareSearchMask;
    QString mFirmwareTag;
};

#include "firmwareupdaterui.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "fileversionreader.h"
#include "instrumentinfo.h"
#include "messagedialog.h"
#include "osversion.h"
#include "regularfile.h"
#include "usbstickcontroller.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace
{
const QString TEMPORARY_DIRECTORY = QStringLiteral("/tmp/");
const QString PROGRAM_DIRECTORY = QStringLiteral("/home/");
// The new program is put together beside the old one, on the same file
// system, so that it can replace it in one rename.
const QString NEW_PROGRAM_SUFFIX = QStringLiteral(".new");

QString hostPath(const QString& pDevicePath)
{
    return TDeviceRoot::path(pDevicePath);
}

// Of an open file; empty when it could not be read to its end.
QByteArray sha1Digest(QFile& pFile)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QByteArray block(TFirmwareUpdaterUI::CHECKSUM_BLOCK_SIZE, Qt::Uninitialized);
    for (;;) {
        const qint64 read = pFile.read(block.data(), block.size());
        if (read < 0)
            return QByteArray();
        if (read == 0)
            break;
        hash.addData(block.constData(), int(read));
    }
    return hash.result();
}

// QFile::copy refuses to overwrite, and a copy left from an earlier attempt
// must not be taken for this one.
bool replaceByCopy(const QString& pSource, const QString& pTarget)
{
    QFile::remove(pTarget);
    return QFile::copy(pSource, pTarget);
}

// A file on the stick may have been swapped for a FIFO or a device since it
// was listed: only a regular file is copied.
bool replaceByCopyFromStick(const QString& pSource, const QString& pTarget)
{
    QFile::remove(pTarget);
    return TRegularFile::copy(pSource, pTarget);
}
} // namespace

TFirmwareUpdaterUI::TFirmwareUpdaterUI(const QString& pSubdirectory, const QString& pSearchMask, const QString& pTag)
    : mFirmwareSubdirectory(pSubdirectory), mFirmwareSearchMask(pSearchMask), mFirmwareTag(pTag)
{
}

QString TFirmwareUpdaterUI::getChecksumFilename(const QString& pFirmwareFilename)
{
    return pFirmwareFilename.left(pFirmwareFilename.size() - 4) + QStringLiteral(".chk");
}

unsigned short TFirmwareUpdaterUI::platformVersion_Major() const
{
    return TOSVersion::instance().platformVersion_Major();
}

QString TFirmwareUpdaterUI::stickDirectory() const
{
    return TUSBStickControllerProvider::getUSBStickController()->mountPoint() + QLatin1Char('/') +
           mFirmwareSubdirectory;
}

// Whatever lies on the stick is somebody else's: a directory or a link out of
// the stick that happens to match the pattern must not be hashed or installed.
bool TFirmwareUpdaterUI::isFileOnStick(const QFileInfo& pEntry) const
{
    const QString stick =
        QFileInfo(hostPath(TUSBStickControllerProvider::getUSBStickController()->mountPoint())).canonicalFilePath();
    const QString target = pEntry.canonicalFilePath();
    return pEntry.isFile() && !stick.isEmpty() && target.startsWith(stick + QLatin1Char('/'));
}

EnFirmwareUpdateResult TFirmwareUpdaterUI::findFirmwareOnStick(QString& pFileName, TFileVersion& pFileVersion)
{
    pFileName.clear();
    pFileVersion = TFileVersion();
    if (!TUSBStickControllerProvider::getUSBStickController()->isUSBStickConnected())
        return furNoUSBStickConnected;

    const QDir directory(hostPath(stickDirectory()));
    if (!directory.exists())
        return furFirmwareSubdirNotFound;

    // An empty filter would list everything; an empty pattern means that the
    // instrument does not know which firmware is its own.
    if (mFirmwareSearchMask.isEmpty())
        return furNoFirmwareFileFound;
    QStringList names;
    const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry : directory.entryInfoList({mFirmwareSearchMask}, everything)) {
        if (isFileOnStick(entry))
            names << entry.fileName();
    }
    if (names.isEmpty())
        return furNoFirmwareFileFound;
    if (names.size() > 1)
        return furMultipleFirmwareFilesFound;

    pFileName = names.first();
    bool tagFound = false;
    pFileVersion =
        TFileVersionReader::determineFileVersion(directory.absoluteFilePath(pFileName), mFirmwareTag, tagFound);
    if (!tagFound)
        return furInvalidFirmware;

    // Without an identity the build cannot be judged; installing blind could
    // leave an instrument with a program that cannot drive its board.
    const TMeasurementBoardInfo* board = TInstrumentInfo::instance()->measurementBoardInfo();
    if (!board)
        return furInvalidFirmware;
    const EnInstrumentType type = board->instrumentType();
    if ((type == ZTM8800v2 || type == ZTM9900) && pFileVersion.versionBuild() <= LAST_REFUSED_BUILD_FOR_NEWER_BOARDS)
        return furInvalidFirmware;

    if (!isFileOnStick(QFileInfo(directory.absoluteFilePath(getChecksumFilename(pFileName)))))
        return furChecksumFileMissing;
    return furFirmwareFound;
}

EnFirmwareUpdateResult TFirmwareUpdaterUI::updateFirmware(const QString& pExecutableName)
{
    const TFileVersion current = TFileVersionReader::determineFileVersion();
    TFileVersion update;
    QString name;
    const EnFirmwareUpdateResult found = findFirmwareOnStick(name, update);
    if (found != furFirmwareFound)
        return found;

    if (!TMessageDialog().showQuestion(tr("Updating from version %1 to version %2. Would you like to proceed?")
                                           .arg(current.toString(), update.toString())))
        return furFirmwareFound;

    QDir().mkpath(hostPath(TEMPORARY_DIRECTORY));
    const QString stick = hostPath(stickDirectory()) + QLatin1Char('/');
    const QString firmwareCopy = hostPath(TEMPORARY_DIRECTORY + name);
    if (!replaceByCopyFromStick(stick + name, firmwareCopy))
        return furFileCopyError;
    const QString checksumName = getChecksumFilename(name);
    const QString checksumCopy = hostPath(TEMPORARY_DIRECTORY + checksumName);
    if (!replaceByCopyFromStick(stick + checksumName, checksumCopy))
        return furFileCopyError;

    EnFirmwareUpdateResult checked = furFirmwareFound;
    QByteArray digest;
    if (!checkDigest(firmwareCopy, checksumCopy, checked, digest))
        return checked;

    QFile::remove(checksumCopy);
    const bool installed = install(firmwareCopy, pExecutableName, digest);
    QFile::remove(firmwareCopy);
    if (!installed)
        return furFileCopyError;

    TMessageDialog().showConfirmation(tr("Firmware update successful. A restart of the instrument will now be done."));
    emit onBeforeReboot();
    restart();
    return furFirmwareFound;
}

bool TFirmwareUpdaterUI::checkDigest(const QString& pFirmwareCopy, const QString& pChecksumCopy,
                                     EnFirmwareUpdateResult& oResult, QByteArray& oDigest) const
{
    QFile checksumFile(pChecksumCopy);
    if (!checksumFile.open(QIODevice::ReadOnly)) {
        oResult = furOpenChecksumError;
        return false;
    }
    // One byte more than a digest tells an oversized file from a digest
    // without reading a file of any size into memory.
    const QByteArray expected = checksumFile.read(CHECKSUM_LENGTH + 1);
    checksumFile.close();

    QFile firmware(pFirmwareCopy);
    if (!firmware.open(QIODevice::ReadOnly)) {
        oResult = furOpenFirmwareError;
        return false;
    }
    oDigest = sha1Digest(firmware);
    firmware.close();
    if (oDigest.isEmpty() || expected != oDigest) {
        QFile::remove(pFirmwareCopy);
        QFile::remove(pChecksumCopy);
        oResult = furChecksumMismatch;
        return false;
    }
    return true;
}

// The old program stays until the new one is complete, checked and
// executable beside it; the rename then swaps the two in one step, so a full
// disk, a pulled stick or a failed command never leaves the instrument
// without a program to start.
bool TFirmwareUpdaterUI::install(const QString& pFirmwareCopy, const QString& pExecutableName,
                                 const QByteArray& pDigest) const
{
    const QString programDevicePath = PROGRAM_DIRECTORY + pExecutableName;
    const QString newProgramDevicePath = programDevicePath + NEW_PROGRAM_SUFFIX;
    const QString newProgram = hostPath(newProgramDevicePath);

    const auto fail = [&newProgram]() {
        if (QFileInfo(newProgram).isFile())
            QFile::remove(newProgram);
        return false;
    };
    if (!replaceByCopy(pFirmwareCopy, newProgram))
        return fail();
    QFile written(newProgram);
    if (!TFileSystemSync::sync(written))
        return fail();
    // Read back, so that a copy cut short by a full disk cannot pass.
    if (QFileInfo(newProgram).size() != QFileInfo(pFirmwareCopy).size() || !written.open(QIODevice::ReadOnly) ||
        sha1Digest(written) != pDigest)
        return fail();
    written.close();
    const TCommandResult chmod =
        TCommandRunner::instance().run(QStringLiteral("chmod"), {QStringLiteral("u+x"), newProgramDevicePath});
    if (!chmod.mStarted || chmod.mExitCode != 0)
        return fail();

    const QString program = hostPath(programDevicePath);
    if (std::rename(QFile::encodeName(newProgram).constData(), QFile::encodeName(program).constData()) != 0)
        return fail();
    QFile installed(program);
    TFileSystemSync::sync(installed);
    return true;
}

void TFirmwareUpdaterUI::restart() const
{
    switch (platformVersion_Major()) {
    case 1:
        TCommandRunner::instance().startDetached(QStringLiteral("reboot"));
        break;
    case 2:
        TCommandRunner::instance().startDetached(QStringLiteral("systemctl"),
                                                 {QStringLiteral("restart"), QStringLiteral("ztm8800_ui")});
        break;
    default:
        // The new program runs at the next start.
        break;
    }
}

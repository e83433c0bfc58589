#include "usbstickcontroller.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "downloadprogressdialog.h"
#include "instrumentinfo.h"
#include "messagedialog.h"
#include "osversion.h"
#include "regularfile.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{
constexpr const char* MOUNT_POINT = "/media/usb";
constexpr const char* MOUNT_TABLE = "/etc/mtab";
constexpr const char* DEVICE_DIRECTORY = "/dev";

TCommandResult run(const QString& pProgram, const QStringList& pArguments = QStringList())
{
    return TCommandRunner::instance().run(pProgram, pArguments);
}

// A device link that is there, whether or not it still leads somewhere.
bool entryExists(const QString& pHostPath)
{
    const QFileInfo entry(pHostPath);
    return entry.isSymLink() || entry.exists();
}
} // namespace

TAbstractUSBStickController::TAbstractUSBStickController(const QString& pMountPoint, const QString& pBaseDirectory)
    : mUSBStickMountPoint(pMountPoint), mUSBStickBaseDirectory(pBaseDirectory)
{
}

void TAbstractUSBStickController::unmount() const
{
    run(QStringLiteral("umount"), {mUSBStickMountPoint});
}

QString TAbstractUSBStickController::driveMounted() const
{
    QFile table(TDeviceRoot::path(QLatin1String(MOUNT_TABLE)));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QStringList lines = QString::fromLocal8Bit(table.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() >= 2 && fields.at(1) == mountPoint())
            return fields.at(0);
    }
    return QString();
}

QString TAbstractUSBStickController::hostMountPoint() const
{
    return TDeviceRoot::path(mUSBStickMountPoint);
}

// Without a base directory the path holds "//", which the file system reads as one.
QString TAbstractUSBStickController::pathOnStick(const QString& pRelativePath) const
{
    return TDeviceRoot::path(mUSBStickMountPoint + QLatin1Char('/') + mUSBStickBaseDirectory + QLatin1Char('/') +
                             pRelativePath);
}

// The stick is foreign ground: a link on it, at a file's name or as one of its
// folders, would have a file written elsewhere, and a FIFO would hold the
// program. Every write goes down from the mount point without following
// links and replaces nothing but a regular file.
bool TAbstractUSBStickController::storeFile(const QString& pDestDir, const QString& pFileName,
                                            const QByteArray& pContent) const
{
    // The new content replaces the old file only once it is complete on the
    // stick: a full or pulled stick leaves the old file, never half a new one.
    return TRegularFile::writeReplacing(pathOnStick(pDestDir) + QLatin1Char('/') + pFileName, hostMountPoint(),
                                        pContent);
}

bool TAbstractUSBStickController::copyFiles(const QString& pSourceDir, const QString& pDestDir,
                                            const std::map<QString, QString>& pFileNames, bool pCreateChecksumFile,
                                            bool pSilent) const
{
    const QString destination = pathOnStick(pDestDir);
    // A linked destination is not made here; each copy into it fails below.
    TRegularFile::makeDirectory(destination, hostMountPoint());

    TDownloadProgressDialog progress;
    if (!pSilent)
        progress.showDownloadDialog();
    for (const auto& fileName : pFileNames) {
        // Keeps the progress dialog drawn while the files are copied.
        QCoreApplication::processEvents();
        // A terminate leaves the files copied so far, each complete, and
        // ends the copy: a download of thousands would hold the program.
        if (TTerminationSignals::terminationRequested())
            return false;
        const QString source = TDeviceRoot::path(pSourceDir + QLatin1Char('/') + fileName.first);
        const QString target = destination + QLatin1Char('/') + fileName.second;
        if (!copyFile(source, target, pCreateChecksumFile)) {
            if (!pSilent) {
                progress.close();
                reportCopyFailure();
            }
            return false;
        }
    }
    if (!pSilent)
        progress.showDownloadComplete();
    return true;
}

bool TAbstractUSBStickController::copyFiles(const QString& pSourceDir, const QString& pDestDir,
                                            const zelk::vector<QString>& pFilenames) const
{
    std::map<QString, QString> fileNames;
    for (const QString& fileName : pFilenames)
        fileNames[fileName] = fileName;
    return copyFiles(pSourceDir, pDestDir, fileNames, false, false);
}

// A side file is written only for a complete copy, so that a checksum on the
// stick always vouches for the file beside it.
bool TAbstractUSBStickController::copyFile(const QString& pSource, const QString& pTarget,
                                           bool pCreateChecksumFile) const
{
    // A full stick never leaves a cut file under the real name.
    return TRegularFile::copyReplacing(pSource, pTarget, hostMountPoint()) &&
           (!pCreateChecksumFile || writeChecksumFile(pSource, pTarget));
}

bool TAbstractUSBStickController::writeChecksumFile(const QString& pSource, const QString& pTarget) const
{
    QFile source(pSource);
    if (!TRegularFile::openForReading(source))
        return false;
    // In blocks: a backup archive may be larger than the memory.
    QCryptographicHash digest(QCryptographicHash::Md5);
    if (!digest.addData(&source))
        return false;
    // "digest, two blanks, name" with no line end: the layout md5sum -c reads.
    const QByteArray content = digest.result().toHex() + "  " + QFile::encodeName(QFileInfo(pTarget).fileName());
    // Written beside and renamed over the old side file: a full stick never
    // leaves half a checksum, which would make the copy look broken.
    return TRegularFile::writeReplacing(pTarget + QStringLiteral(".md5"), hostMountPoint(), content);
}

void TAbstractUSBStickController::reportCopyFailure() const
{
    TMessageDialog dialog;
    dialog.showError(tr("At least one file could not be copied to the USB stick. Please make sure that a USB "
                        "stick with enough free space is connected!"));
}

void TAbstractUSBStickController::showRemoveMessage() const
{
    TMessageDialog dialog;
    dialog.showInfo(tr("You can now safely remove the USB stick."));
}

// Udev-based variant

TUDevBasedUSBStickController& TUDevBasedUSBStickController::instance(const QString& pUSBStickBaseDirectory)
{
    static TUDevBasedUSBStickController controller(pUSBStickBaseDirectory);
    return controller;
}

TUDevBasedUSBStickController::TUDevBasedUSBStickController(const QString& pUSBStickBaseDirectory)
    : TAbstractUSBStickController(QLatin1String(MOUNT_POINT), pUSBStickBaseDirectory)
    , mUSBStickDeviceName(QStringLiteral("/dev/usbstick"))
{
}

bool TUDevBasedUSBStickController::deviceLinkExists() const
{
    return QFileInfo::exists(TDeviceRoot::path(mUSBStickDeviceName));
}

void TUDevBasedUSBStickController::initialize() const
{
    // Device nodes on the instrument; plain files stand in for them under a
    // device root. Directory order, as the kernel created them.
    const QStringList partitions = QDir(TDeviceRoot::path(QLatin1String(DEVICE_DIRECTORY)))
                                       .entryList({QStringLiteral("sd?1")}, QDir::System | QDir::Files, QDir::Unsorted);
    if (partitions.isEmpty() || entryExists(TDeviceRoot::path(mUSBStickDeviceName)))
        return;
    run(QStringLiteral("mkdir"), {QStringLiteral("-p"), mountPoint()});
    run(QStringLiteral("ln"),
        {QStringLiteral("-s"), QLatin1String(DEVICE_DIRECTORY) + QLatin1Char('/') + partitions.first(),
         mUSBStickDeviceName});
    run(QStringLiteral("mount"), {mUSBStickDeviceName, mountPoint()});
}

// Udev links only partitions; a stick formatted without one is linked here.
void TUDevBasedUSBStickController::checkUnpartitionedUSBDrive() const
{
    const QString link = TDeviceRoot::path(mUSBStickDeviceName);
    if (entryExists(link) && !QFileInfo::exists(link)) {
        // The stick was pulled without being ejected.
        unmount();
        QFile::remove(link);
    }
    if (QFileInfo::exists(link))
        return;
    const TCommandResult disks =
        run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("blkid /dev/sd?")});
    const QString output = QString::fromLocal8Bit(disks.mStandardOutput);
    if (output.isEmpty())
        return;
    const QString disk = output.left(8);
    if (!QFileInfo::exists(TDeviceRoot::path(disk)))
        return;
    run(QStringLiteral("mkdir"), {QStringLiteral("-p"), mountPoint()});
    run(QStringLiteral("mount"), {disk, mountPoint()});
    run(QStringLiteral("ln"), {QStringLiteral("-s"), disk, mUSBStickDeviceName});
}

// The link alone does not make a stick usable: with its mount failed, the
// mount point is a folder of the instrument's own disk, and whatever were
// written there would be reported as stored on the stick.
bool TUDevBasedUSBStickController::isUSBStickConnected() const
{
    checkUnpartitionedUSBDrive();
    return deviceLinkExists() && !driveMounted().isEmpty();
}

void TUDevBasedUSBStickController::eject(bool pShowMessage)
{
    if (!isUSBStickConnected())
        return;
    unmount();
    run(QStringLiteral("eject"), {mUSBStickDeviceName});
    run(QStringLiteral("rm"), {mUSBStickDeviceName});
    if (pShowMessage)
        showRemoveMessage();
}

// Manual variant

TManualUSBStickController& TManualUSBStickController::instance(const QString& pUSBStickBaseDirectory)
{
    static TManualUSBStickController controller(pUSBStickBaseDirectory);
    return controller;
}

TManualUSBStickController::TManualUSBStickController(const QString& pUSBStickBaseDirectory)
    : TAbstractUSBStickController(QLatin1String(MOUNT_POINT), pUSBStickBaseDirectory)
{
}

QString TManualUSBStickController::findUSBDriveName() const
{
    static const QRegularExpression partition(QStringLiteral("^/dev/sd.1:"));
    static const QRegularExpression disk(QStringLiteral("^/dev/sd.:"));
    const QStringList lines =
        QString::fromLocal8Bit(run(QStringLiteral("blkid")).mStandardOutput).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (partition.match(line).hasMatch())
            return line.left(9);
        if (disk.match(line).hasMatch())
            return line.left(8);
    }
    return QString();
}

void TManualUSBStickController::mountUnmountedUSBDrives() const
{
    const QString drive = findUSBDriveName();
    const QString mounted = driveMounted();
    if (drive.isEmpty() || drive == mounted)
        return;
    if (!mounted.isEmpty())
        unmount();
    run(QStringLiteral("mount"), {drive, mountPoint()});
}

void TManualUSBStickController::initialize() const
{
    const QString directory = hostMountPoint();
    if (!QFileInfo::exists(directory))
        QDir().mkpath(directory);
    mountUnmountedUSBDrives();
}

bool TManualUSBStickController::isUSBStickConnected() const
{
    mountUnmountedUSBDrives();
    return !driveMounted().isEmpty();
}

void TManualUSBStickController::eject(bool pShowMessage)
{
    const QString mounted = driveMounted();
    if (mounted.isEmpty())
        return;
    unmount();
    run(QStringLiteral("eject"), {mounted});
    if (pShowMessage)
        showRemoveMessage();
}

// Provider

TAbstractUSBStickController* TUSBStickControllerProvider::mController = nullptr;

TAbstractUSBStickController* TUSBStickControllerProvider::getUSBStickController()
{
    if (mController)
        return mController;
    const QString baseDirectory =
        TUSBStickControllerProvider::baseDirectory(TInstrumentInfo::instance()->measurementBoardInfo());
    if (TOSVersion::instance().platformVersion_Major() == 1)
        mController = &TUDevBasedUSBStickController::instance(baseDirectory);
    else
        mController = &TManualUSBStickController::instance(baseDirectory);
    return mController;
}

QString TUSBStickControllerProvider::baseDirectory(const TMeasurementBoardInfo* pBoardInfo)
{
    if (!pBoardInfo)
        return QString();
    switch (pBoardInfo->instrumentType()) {
    case ZTM8800:
    case ZTM8800v2:
        return QStringLiteral("ZTM8800");
    case ZTM9900:
        return QStringLiteral("ZTM9900");
    }
    return QString();
}

#pragma once

#include "zelkvector.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>

class TMeasurementBoardInfo;

// The USB stick that takes the instrument's downloads: finds and mounts a
// plugged stick, writes files below a base directory named after the
// instrument, and unmounts and ejects it. How a stick is found depends on the
// operating-system platform, hence the two variants; the provider hands out
// the one of this device. Mount state lives in the operating system alone.
class TAbstractUSBStickController : public QObject
{
    Q_OBJECT

public:
    TAbstractUSBStickController(const QString& pMountPoint, const QString& pBaseDirectory);

    // Mounts a stick that is already plugged in at start-up.
    virtual void initialize() const = 0;
    // Also mounts a stick plugged in since the last call.
    virtual bool isUSBStickConnected() const = 0;
    // Unmounts and ejects; with pShowMessage the user is told afterwards that
    // the stick may be pulled. Does nothing without a stick.
    virtual void eject(bool pShowMessage) = 0;

    // Device paths: "/media/usb" and the instrument's directory on the stick.
    const QString& mountPoint() const { return mUSBStickMountPoint; }
    const QString& baseDir() const { return mUSBStickBaseDirectory; }

    void unmount() const;
    // The device the mount table names at the mount point; empty when none is.
    QString driveMounted() const;

    // Writes pContent as pFileName into the sub-directory pDestDir of the
    // base directory, replacing a file of that name. False when the file
    // could not be opened or not every byte reached it, and when a link or
    // anything but a regular file stands at the name or on the way to it.
    bool storeFile(const QString& pDestDir, const QString& pFileName, const QByteArray& pContent) const;

    // Copies each file named by a key in pSourceDir (a device path) to
    // pDestDir on the stick under the name given by its value, in key order;
    // with pCreateChecksumFile each copy gets its MD5 side file. Stops at the
    // first file that could not be copied and returns false; unless pSilent
    // the user sees the progress, the completion and any failure.
    bool copyFiles(const QString& pSourceDir, const QString& pDestDir, const std::map<QString, QString>& pFileNames,
                   bool pCreateChecksumFile, bool pSilent) const;
    // Copies each file under its own name, with the progress dialogs and no
    // MD5 side files.
    bool copyFiles(const QString& pSourceDir, const QString& pDestDir, const zelk::vector<QString>& pFilenames) const;

    // The host path of a directory or file given relative to the base directory.
    QString pathOnStick(const QString& pRelativePath) const;

    // The error shown when a file could not be copied to the stick.
    void reportCopyFailure() const;

protected:
    void showRemoveMessage() const;
    // The host path of the mount point.
    QString hostMountPoint() const;

private:
    bool copyFile(const QString& pSource, const QString& pTarget, bool pCreateChecksumFile) const;
    bool writeChecksumFile(const QString& pSource, const QString& pTarget) const;

    QString mUSBStickMountPoint;
    QString mUSBStickBaseDirectory;
};

// Platform 1: the device's udev rules link a plugged stick's first partition
// as "/dev/usbstick" and mount it; a stick without partitions is found here.
class TUDevBasedUSBStickController : public TAbstractUSBStickController
{
    Q_OBJECT

public:
    static TUDevBasedUSBStickController& instance(const QString& pUSBStickBaseDirectory);

    void initialize() const override;
    bool isUSBStickConnected() const override;
    void eject(bool pShowMessage) override;

private:
    explicit TUDevBasedUSBStickController(const QString& pUSBStickBaseDirectory);
    void checkUnpartitionedUSBDrive() const;
    bool deviceLinkExists() const;

    QString mUSBStickDeviceName;
};

// Every other platform: the stick is found through blkid and the mount table
// and mounted here.
class TManualUSBStickController : public TAbstractUSBStickController
{
    Q_OBJECT

public:
    static TManualUSBStickController& instance(const QString& pUSBStickBaseDirectory);

    void initialize() const override;
    bool isUSBStickConnected() const override;
    void eject(bool pShowMessage) override;

    // The stick's first partition ("/dev/sdb1") or whole disk ("/dev/sdb") as
    // blkid lists it; empty without a stick.
    QString findUSBDriveName() const;

private:
    explicit TManualUSBStickController(const QString& pUSBStickBaseDirectory);
    void mountUnmountedUSBDrives() const;
};

// The process-wide stick controller. The base directory is fixed at the first
// call, so the instrument identity has to be known by then.
class TUSBStickControllerProvider
{
public:
    static TAbstractUSBStickController* getUSBStickController();

    // "ZTM8800" or "ZTM9900" by the instrument type; empty without board
    // information or for an unknown type.
    static QString baseDirectory(const TMeasurementBoardInfo* pBoardInfo);

private:
    static TAbstractUSBStickController* mController;
};

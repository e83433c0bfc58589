#pragma once

#include "commandrunner.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// The instrument's USB stick on a development machine, kept entirely under
// the device root: its device entries in <root>/dev (plain files holding what
// blkid reports about them), the mount table in <root>/etc/mtab and the
// stick's files in <root>/var/lib/usbstick. A mounted stick makes its mount
// point a link to those files; a stick pulled while mounted leaves the mount
// in the table and the mount point leading nowhere, as a real one does.
// The command runner answers "mount", "umount", "eject" and "blkid" from here
// whenever a root is set; nothing of it acts without a root.
//
// A plain directory has no size limit, so the stick's capacity is kept apart
// (in <root>/var/lib/usbstick.capacity) and enforced where the program makes
// its writes durable: the platform's file sync asks claimSpace, which cuts a
// file that overfills the stick to what still fits and fails the sync, as a
// write that ran out of space leaves it.
class TSimulatedUSBStick
{
public:
    enum EnStickLayout : quint8 { slPartitioned = 0, slWholeDisk = 1 };

    static constexpr const char* DISK_DEVICE = "/dev/sda";
    static constexpr const char* PARTITION_DEVICE = "/dev/sda1";
    static constexpr const char* MOUNT_TABLE = "/etc/mtab";
    static constexpr const char* MEDIUM_DIRECTORY = "/var/lib/usbstick";
    static constexpr const char* CAPACITY_FILE = "/var/lib/usbstick.capacity";
    // Stands while a stick the system ejected is still plugged in: eject takes its device entries away, and only
    // pulling it out ends that.
    static constexpr const char* EJECTED_FILE = "/var/lib/usbstick.ejected";
    // What the device's udev rule does for a plugged stick on platform 1.
    static constexpr const char* UDEV_LINK = "/dev/usbstick";
    static constexpr const char* UDEV_MOUNT_POINT = "/media/usb";

    // Gives the stick commands their simulated outcomes, also blkid run
    // through "sh -c" with a device pattern.
    static void install(TCommandRunner& pRunner);

    // Plugs the stick in. With pRunUdevRule a partitioned stick is linked as
    // "/dev/usbstick" and mounted at "/media/usb" at once. False, with the
    // reason in oError when given, without a root, when the stick is already
    // in, and when the rule's mount failed: the stick is then in and linked
    // but not mounted, as the device leaves it.
    static bool insert(EnStickLayout pLayout, bool pRunUdevRule, QString* oError = nullptr);
    // Pulls the stick out, mounted or not, also one the system has ejected. False without a root or stick.
    static bool remove();
    // Whether the system sees a stick: false once it has been ejected, though still plugged in.
    static bool isInserted();
    // The host directory that holds the stick's files.
    static QString mediumDirectory();

    // The stick holds at most pBytes of file content; a negative value takes
    // the limit away. False without a root, and, with the reason in oError
    // when given, when the limit cannot be stored or taken away.
    static bool setCapacity(qint64 pBytes, QString* oError = nullptr);
    // Negative when the stick has no limit.
    static qint64 capacity();
    // The bytes of all files on the stick.
    static qint64 usedBytes();
    // For the file sync: false when the host file pHostPath lies on the
    // stick and the stick now holds more than its capacity; the file is then
    // cut to what fits. True for every other file and without a root.
    static bool claimSpace(const QString& pHostPath);

    // The simulated commands, with the arguments the program passes; exit
    // codes and messages as the real tools give them.
    static TCommandResult mount(const QStringList& pArguments);
    static TCommandResult umount(const QStringList& pArguments);
    static TCommandResult eject(const QStringList& pArguments);
    static TCommandResult blkid(const QStringList& pArguments);
    static TCommandResult shell(const QStringList& pArguments);

private:
    struct TMountEntry
    {
        QString mDevice;
        QString mMountPoint;
        QString mLine;
    };

    static QList<TMountEntry> mountTable();
    // False, with the reason in oError when given, when the table cannot be written.
    static bool writeMountTable(const QList<TMountEntry>& pEntries, QString* oError = nullptr);
    // Unmounts every entry that matches; false when none did.
    static bool unmountWhere(const std::function<bool(const TMountEntry&)>& pMatches);
    static QString resolvedDevice(const QString& pDevicePath);
    static QStringList diskEntries();
    static bool attachMedium(const QString& pMountPoint);
    static void detachMedium(const QString& pMountPoint);
    static QString coveredDirectory(const QString& pMountPoint);
};

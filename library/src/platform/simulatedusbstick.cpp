#include "simulatedusbstick.h"

#include "deviceroot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{
// What blkid reports of the file system; the whole-disk entry of a
// partitioned stick holds no file system and is not listed.
const QByteArray FILE_SYSTEM = QByteArrayLiteral("LABEL=\"STICK\" UUID=\"2A1B-3C4D\" TYPE=\"vfat\"");
// The mount point of a pulled stick leads here, where nothing ever is.
constexpr const char* PULLED_MEDIUM = "/var/lib/usbstick-pulled";
// What a stick mounted on a non-empty directory hides until it is unmounted.
constexpr const char* COVERED_DIRECTORIES = "/var/lib/usbstick-covered";
// Mount fails with this code for every reason, as util-linux does.
constexpr int MOUNT_FAILURE = 32;

TCommandResult outcome(int pExitCode, const QString& pError = QString(), const QByteArray& pOutput = QByteArray())
{
    TCommandResult result;
    result.mStarted = true;
    result.mExitCode = pExitCode;
    result.mStandardOutput = pOutput;
    if (!pError.isEmpty())
        result.mStandardError = pError.toLocal8Bit() + '\n';
    return result;
}

TCommandResult noRoot()
{
    return outcome(1, QStringLiteral("no device root: the simulated USB stick does not exist"));
}

// The operands of a command line; options and the values of "-t" and "-o"
// are left out.
QStringList operands(const QStringList& pArguments)
{
    QStringList result;
    for (int i = 0; i < pArguments.size(); ++i) {
        const QString& argument = pArguments.at(i);
        if (argument == QLatin1String("-t") || argument == QLatin1String("-o"))
            ++i;
        else if (!argument.startsWith(QLatin1Char('-')))
            result << QDir::cleanPath(argument);
    }
    return result;
}

// The operands of a stick command, when there is a root and their count is right.
bool usableOperands(const QString& pTool, const QStringList& pArguments, int pCount, QStringList& oOperands,
                    TCommandResult& oFailure)
{
    if (!TDeviceRoot::isSimulated()) {
        oFailure = noRoot();
        return false;
    }
    oOperands = operands(pArguments);
    if (oOperands.size() != pCount) {
        oFailure = outcome(1, pTool + QStringLiteral(": bad usage"));
        return false;
    }
    return true;
}

QByteArray fileContent(const QString& pHostPath)
{
    QFile file(pHostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// False, with the system's reason in oError when given, when the file cannot be written whole.
bool writeFile(const QString& pHostPath, const QByteArray& pContent, QString* oError = nullptr)
{
    QDir().mkpath(QFileInfo(pHostPath).absolutePath());
    QFile file(pHostPath);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(pContent) == pContent.size() && file.flush();
    if (!written && oError)
        *oError = file.errorString();
    return written;
}

QString fileSystemType(const QByteArray& pAttributes)
{
    static const QRegularExpression type(QStringLiteral("TYPE=\"([^\"]*)\""));
    const QRegularExpressionMatch match = type.match(QString::fromLatin1(pAttributes));
    return match.hasMatch() ? match.captured(1) : QStringLiteral("vfat");
}

// "/dev/sda1" belongs to the disk "/dev/sda".
QString diskOf(const QString& pDevice)
{
    QString disk = pDevice;
    while (!disk.isEmpty() && disk.back().isDigit())
        disk.chop(1);
    return disk;
}

// The device paths of a shell pattern such as "/dev/sd?"; the pattern itself
// when nothing matches, as the shell passes it on.
QStringList expandPattern(const QString& pWord)
{
    if (!pWord.contains(QLatin1Char('?')) && !pWord.contains(QLatin1Char('*')))
        return {pWord};
    const QFileInfo pattern(pWord);
    const QStringList names =
        QDir(TDeviceRoot::path(pattern.path()))
            .entryList({pattern.fileName()}, QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (names.isEmpty())
        return {pWord};
    QStringList paths;
    for (const QString& name : names)
        paths << pattern.path() + QLatin1Char('/') + name;
    return paths;
}
} // namespace

void TSimulatedUSBStick::install(TCommandRunner& pRunner)
{
    pRunner.setSimulation(QStringLiteral("mount"),
                          [](const QString&, const QStringList& pArguments) { return mount(pArguments); });
    pRunner.setSimulation(QStringLiteral("umount"),
                          [](const QString&, const QStringList& pArguments) { return umount(pArguments); });
    pRunner.setSimulation(QStringLiteral("eject"),
                          [](const QString&, const QStringList& pArguments) { return eject(pArguments); });
    pRunner.setSimulation(QStringLiteral("blkid"),
                          [](const QString&, const QStringList& pArguments) { return blkid(pArguments); });
    pRunner.setSimulation(QStringLiteral("sh"),
                          [](const QString&, const QStringList& pArguments) { return shell(pArguments); });
}

QString TSimulatedUSBStick::mediumDirectory()
{
    return TDeviceRoot::path(QLatin1String(MEDIUM_DIRECTORY));
}

bool TSimulatedUSBStick::setCapacity(qint64 pBytes, QString* oError)
{
    if (!TDeviceRoot::isSimulated())
        return false;
    const QString path = TDeviceRoot::path(QLatin1String(CAPACITY_FILE));
    QFile file(path);
    QString error;
    if (pBytes < 0 ? !file.exists() || file.remove() : writeFile(path, QByteArray::number(pBytes), &error))
        return true;
    if (oError)
        *oError = path + QStringLiteral(": ") + (pBytes < 0 ? file.errorString() : error);
    return false;
}

qint64 TSimulatedUSBStick::capacity()
{
    if (!TDeviceRoot::isSimulated())
        return -1;
    bool valid = false;
    const qint64 bytes = fileContent(TDeviceRoot::path(QLatin1String(CAPACITY_FILE))).toLongLong(&valid);
    return valid ? bytes : -1;
}

qint64 TSimulatedUSBStick::usedBytes()
{
    qint64 used = 0;
    QDirIterator files(mediumDirectory(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        used += files.fileInfo().size();
    }
    return used;
}

bool TSimulatedUSBStick::claimSpace(const QString& pHostPath)
{
    // Cheap for every file but the stick's: most syncs are of the instrument's own files.
    const qint64 limit = capacity();
    if (limit < 0)
        return true;
    const QString medium = QFileInfo(mediumDirectory()).canonicalFilePath();
    const QFileInfo file(pHostPath);
    if (medium.isEmpty() || !file.canonicalFilePath().startsWith(medium + QLatin1Char('/')))
        return true;
    const qint64 excess = usedBytes() - limit;
    if (excess <= 0)
        return true;
    QFile::resize(pHostPath, qMax<qint64>(0, file.size() - excess));
    return false;
}

bool TSimulatedUSBStick::isInserted()
{
    return TDeviceRoot::isSimulated() && QFileInfo::exists(TDeviceRoot::path(QLatin1String(DISK_DEVICE)));
}

bool TSimulatedUSBStick::insert(EnStickLayout pLayout, bool pRunUdevRule, QString* oError)
{
    const auto fail = [oError](const QString& pReason) {
        if (oError)
            *oError = pReason;
        return false;
    };
    if (!TDeviceRoot::isSimulated())
        return fail(QString::fromLocal8Bit(noRoot().mStandardError.trimmed()));
    if (isInserted())
        return fail(QStringLiteral("The stick is already plugged in."));
    // Plugged in after an eject: the ejected stick was pulled out first.
    QFile::remove(TDeviceRoot::path(QLatin1String(EJECTED_FILE)));
    QDir().mkpath(mediumDirectory());
    const QString disk = TDeviceRoot::path(QLatin1String(DISK_DEVICE));
    QString error;
    if (pLayout == slWholeDisk)
        return writeFile(disk, FILE_SYSTEM, &error) || fail(error);
    const QString partition = TDeviceRoot::path(QLatin1String(PARTITION_DEVICE));
    if (!writeFile(disk, QByteArray(), &error) || !writeFile(partition, FILE_SYSTEM, &error))
        return fail(error);
    if (pRunUdevRule) {
        const QString link = TDeviceRoot::path(QLatin1String(UDEV_LINK));
        QFile::remove(link);
        QFile::link(partition, link);
        QDir().mkpath(TDeviceRoot::path(QLatin1String(UDEV_MOUNT_POINT)));
        const TCommandResult mounted = mount({QLatin1String(PARTITION_DEVICE), QLatin1String(UDEV_MOUNT_POINT)});
        if (mounted.mExitCode != 0)
            return fail(QString::fromLocal8Bit(mounted.mStandardError.trimmed()));
    }
    return true;
}

bool TSimulatedUSBStick::remove()
{
    if (!TDeviceRoot::isSimulated())
        return false;
    // An ejected stick has no device entries and no mount left: pulling it changes nothing the system sees.
    const bool ejected = QFile::remove(TDeviceRoot::path(QLatin1String(EJECTED_FILE)));
    if (!isInserted())
        return ejected;
    for (const QString& entry : diskEntries())
        QFile::remove(TDeviceRoot::path(entry));
    // The kernel keeps the mount of a pulled stick until it is unmounted; its
    // files can no longer be reached.
    for (const TMountEntry& entry : mountTable()) {
        if (diskOf(entry.mDevice) != QLatin1String(DISK_DEVICE))
            continue;
        const QString mountPoint = TDeviceRoot::path(entry.mMountPoint);
        if (QFileInfo(mountPoint).isSymLink()) {
            QFile::remove(mountPoint);
            QFile::link(TDeviceRoot::path(QLatin1String(PULLED_MEDIUM)), mountPoint);
        }
    }
    return true;
}

TCommandResult TSimulatedUSBStick::mount(const QStringList& pArguments)
{
    QStringList arguments;
    TCommandResult failure;
    if (!usableOperands(QStringLiteral("mount"), pArguments, 2, arguments, failure))
        return failure;
    const QString& mountPoint = arguments.at(1);
    const QString device = resolvedDevice(arguments.at(0));
    if (device.isEmpty())
        return outcome(MOUNT_FAILURE,
                       QStringLiteral("mount: %1: special device %2 does not exist.").arg(mountPoint, arguments.at(0)));
    const QByteArray attributes = fileContent(TDeviceRoot::path(device));
    if (attributes.isEmpty())
        return outcome(
            MOUNT_FAILURE,
            QStringLiteral("mount: %1: wrong fs type, bad option, bad superblock on %2.").arg(mountPoint, device));
    QList<TMountEntry> table = mountTable();
    for (const TMountEntry& entry : table) {
        if (entry.mMountPoint == mountPoint)
            return outcome(
                MOUNT_FAILURE,
                QStringLiteral("mount: %1: %2 already mounted or mount point busy.").arg(mountPoint, device));
    }
    if (!attachMedium(mountPoint))
        return outcome(MOUNT_FAILURE, QStringLiteral("mount: %1: mount point does not exist.").arg(mountPoint));
    TMountEntry entry;
    entry.mDevice = device;
    entry.mMountPoint = mountPoint;
    entry.mLine = QStringLiteral("%1 %2 %3 rw,relatime 0 0").arg(device, mountPoint, fileSystemType(attributes));
    table << entry;
    QString error;
    if (!writeMountTable(table, &error)) {
        // Not in the table, the mount could never be undone: the stick stays unmounted.
        detachMedium(mountPoint);
        return outcome(MOUNT_FAILURE, QStringLiteral("mount: %1: cannot write the mount table %2: %3")
                                          .arg(mountPoint, QLatin1String(MOUNT_TABLE), error));
    }
    return outcome(0);
}

TCommandResult TSimulatedUSBStick::umount(const QStringList& pArguments)
{
    QStringList arguments;
    TCommandResult failure;
    if (!usableOperands(QStringLiteral("umount"), pArguments, 1, arguments, failure))
        return failure;
    const QString& target = arguments.at(0);
    const QString device = resolvedDevice(target);
    const bool found = unmountWhere([&](const TMountEntry& pEntry) {
        return pEntry.mMountPoint == target || pEntry.mDevice == target ||
               (!device.isEmpty() && pEntry.mDevice == device);
    });
    if (!found)
        return outcome(MOUNT_FAILURE, QStringLiteral("umount: %1: not mounted.").arg(target));
    return outcome(0);
}

TCommandResult TSimulatedUSBStick::eject(const QStringList& pArguments)
{
    QStringList arguments;
    TCommandResult failure;
    if (!usableOperands(QStringLiteral("eject"), pArguments, 1, arguments, failure))
        return failure;
    const QString device = resolvedDevice(arguments.at(0));
    if (device.isEmpty())
        return outcome(1, QStringLiteral("eject: unable to find device '%1'").arg(arguments.at(0)));
    // eject unmounts what is mounted from the disk first; then the medium is
    // gone for the system and its device entries with it.
    const QString disk = diskOf(device);
    unmountWhere([&disk](const TMountEntry& pEntry) { return diskOf(pEntry.mDevice) == disk; });
    for (const QString& entry : diskEntries()) {
        if (diskOf(entry) == disk)
            QFile::remove(TDeviceRoot::path(entry));
    }
    // Still plugged in, until the user pulls it out.
    writeFile(TDeviceRoot::path(QLatin1String(EJECTED_FILE)), QByteArray());
    return outcome(0);
}

TCommandResult TSimulatedUSBStick::blkid(const QStringList& pArguments)
{
    if (!TDeviceRoot::isSimulated())
        return noRoot();
    QStringList devices = operands(pArguments);
    if (devices.isEmpty())
        devices = diskEntries();
    QByteArray output;
    for (const QString& device : devices) {
        const QByteArray attributes = fileContent(TDeviceRoot::path(device));
        if (!attributes.isEmpty())
            output += device.toLocal8Bit() + ": " + attributes + '\n';
    }
    // blkid answers 2 when it found nothing to report.
    return outcome(output.isEmpty() ? 2 : 0, QString(), output);
}

TCommandResult TSimulatedUSBStick::shell(const QStringList& pArguments)
{
    if (pArguments.size() == 2 && pArguments.at(0) == QLatin1String("-c")) {
        QStringList words = pArguments.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty() && words.takeFirst() == QLatin1String("blkid")) {
            QStringList arguments;
            for (const QString& word : words)
                arguments << expandPattern(word);
            return blkid(arguments);
        }
    }
    // Any other script is not this simulation's to answer: it succeeds silently.
    return outcome(0);
}

QList<TSimulatedUSBStick::TMountEntry> TSimulatedUSBStick::mountTable()
{
    QList<TMountEntry> entries;
    QFile table(TDeviceRoot::path(QLatin1String(MOUNT_TABLE)));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    const QStringList lines = QString::fromLocal8Bit(table.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 2)
            continue;
        TMountEntry entry;
        entry.mDevice = fields.at(0);
        entry.mMountPoint = fields.at(1);
        entry.mLine = line;
        entries << entry;
    }
    return entries;
}

bool TSimulatedUSBStick::writeMountTable(const QList<TMountEntry>& pEntries, QString* oError)
{
    QByteArray content;
    for (const TMountEntry& entry : pEntries)
        content += entry.mLine.toLocal8Bit() + '\n';
    return writeFile(TDeviceRoot::path(QLatin1String(MOUNT_TABLE)), content, oError);
}

bool TSimulatedUSBStick::unmountWhere(const std::function<bool(const TMountEntry&)>& pMatches)
{
    QList<TMountEntry> table = mountTable();
    bool found = false;
    for (auto entry = table.begin(); entry != table.end();) {
        if (pMatches(*entry)) {
            detachMedium(entry->mMountPoint);
            entry = table.erase(entry);
            found = true;
        } else {
            ++entry;
        }
    }
    if (found)
        writeMountTable(table);
    return found;
}

// The device entry a device path names, following links such as
// "/dev/usbstick"; empty when it leads to no existing entry.
QString TSimulatedUSBStick::resolvedDevice(const QString& pDevicePath)
{
    QFileInfo entry(TDeviceRoot::path(pDevicePath));
    for (int hops = 0; entry.isSymLink() && hops < 8; ++hops)
        entry.setFile(entry.symLinkTarget());
    if (!entry.exists() || entry.isSymLink())
        return QString();
    return TDeviceRoot::devicePath(QDir::cleanPath(entry.absoluteFilePath()));
}

QStringList TSimulatedUSBStick::diskEntries()
{
    const QString devices = QFileInfo(QLatin1String(DISK_DEVICE)).path();
    const QStringList names =
        QDir(TDeviceRoot::path(devices))
            .entryList({QStringLiteral("sd*")}, QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QStringList paths;
    for (const QString& name : names)
        paths << devices + QLatin1Char('/') + name;
    return paths;
}

bool TSimulatedUSBStick::attachMedium(const QString& pMountPoint)
{
    const QString mountPoint = TDeviceRoot::path(pMountPoint);
    const QFileInfo info(mountPoint);
    if (info.isSymLink()) {
        QFile::remove(mountPoint);
    } else if (info.isDir()) {
        QDir directory(mountPoint);
        if (directory.isEmpty(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
            directory.rmdir(mountPoint);
        } else {
            const QString covered = coveredDirectory(pMountPoint);
            QDir().mkpath(QFileInfo(covered).absolutePath());
            if (!QDir().rename(mountPoint, covered))
                return false;
        }
    } else {
        return false;
    }
    return QFile::link(mediumDirectory(), mountPoint);
}

void TSimulatedUSBStick::detachMedium(const QString& pMountPoint)
{
    const QString mountPoint = TDeviceRoot::path(pMountPoint);
    if (QFileInfo(mountPoint).isSymLink())
        QFile::remove(mountPoint);
    const QString covered = coveredDirectory(pMountPoint);
    if (!QFileInfo::exists(covered) || !QDir().rename(covered, mountPoint))
        QDir().mkpath(mountPoint);
}

QString TSimulatedUSBStick::coveredDirectory(const QString& pMountPoint)
{
    return TDeviceRoot::path(QLatin1String(COVERED_DIRECTORIES) + pMountPoint);
}

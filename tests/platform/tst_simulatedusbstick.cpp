#include "commandrunner.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "simulatedusbstick.h"
#include "testsupport.h"
#include "usbstickcontrol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

// The stick as the program sees it through the command runner: its answers
// must be those of the real tools, or the stick controller would be tested
// against a fiction.
class tst_SimulatedUSBStick : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void commandOutcomes_data();
    void commandOutcomes();
    void mountedStickShowsItsFilesAtTheMountPoint();
    void pulledStickLeavesAMountThatLeadsNowhere();
    void stickMountedOverFilesHidesThemUntilUnmounted();
    void fullStickFailsTheSyncAndCutsTheFile();
    void controlProgram_data();
    void controlProgram();

private:
    static TCommandResult run(const QString& pCommandLine)
    {
        QStringList words = pCommandLine.split(' ');
        const QString program = words.takeFirst();
        return TCommandRunner::instance().run(program, words);
    }
    static QString mountPoint() { return TDeviceRoot::path("/media/usb"); }
};

void tst_SimulatedUSBStick::init()
{
    TSimulatedUSBStick::remove();
    for (const QString& stale :
         {QStringLiteral("/dev/usbstick"), QStringLiteral("/etc/mtab"), mountPoint(),
          TSimulatedUSBStick::mediumDirectory(), QString::fromLatin1(TSimulatedUSBStick::CAPACITY_FILE)})
        TTestEnvironment::removeUnderRoot(stale);
    QVERIFY(QDir().mkpath(mountPoint()));
    QVERIFY(TSimulatedUSBStick::setCapacity(-1));
}

void tst_SimulatedUSBStick::commandOutcomes_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("mountTable");

    const int partitioned = TSimulatedUSBStick::slPartitioned;
    const int wholeDisk = TSimulatedUSBStick::slWholeDisk;
    const QByteArray sda1 = "/dev/sda1 /media/usb vfat rw,relatime 0 0\n";
    const QByteArray attributes = "LABEL=\"STICK\" UUID=\"2A1B-3C4D\" TYPE=\"vfat\"\n";

    QTest::newRow("blkid lists the partition")
        << partitioned << QStringList{"blkid"} << 0 << "/dev/sda1: " + attributes << QByteArray();
    QTest::newRow("blkid of the whole disk")
        << wholeDisk << QStringList{"/bin/sh -c blkid /dev/sd?"} << 0 << "/dev/sda: " + attributes << QByteArray();
    QTest::newRow("blkid finds nothing on a partitioned disk")
        << partitioned << QStringList{"/bin/sh -c blkid /dev/sd?"} << 2 << QByteArray() << QByteArray();
    QTest::newRow("mount the partition") << partitioned << QStringList{"mount /dev/sda1 /media/usb"} << 0
                                         << QByteArray() << sda1;
    QTest::newRow("mount through the udev link")
        << partitioned << QStringList{"ln -s /dev/sda1 /dev/usbstick", "mount /dev/usbstick /media/usb"} << 0
        << QByteArray() << sda1;
    QTest::newRow("mount a disk without file system")
        << partitioned << QStringList{"mount /dev/sda /media/usb"} << 32 << QByteArray() << QByteArray();
    QTest::newRow("mount a missing device")
        << partitioned << QStringList{"mount /dev/sdb1 /media/usb"} << 32 << QByteArray() << QByteArray();
    QTest::newRow("mount where the mount table cannot be written")
        << partitioned << QStringList{"mkdir -p /etc/mtab", "mount /dev/sda1 /media/usb"} << 32 << QByteArray()
        << QByteArray();
    QTest::newRow("mount twice") << partitioned
                                 << QStringList{"mount /dev/sda1 /media/usb", "mount /dev/sda1 /media/usb"} << 32
                                 << QByteArray() << sda1;
    QTest::newRow("unmount") << partitioned << QStringList{"mount /dev/sda1 /media/usb", "umount /media/usb"} << 0
                             << QByteArray() << QByteArray();
    QTest::newRow("unmount what is not mounted")
        << partitioned << QStringList{"umount /media/usb"} << 32 << QByteArray() << QByteArray();
    QTest::newRow("eject unmounts") << partitioned << QStringList{"mount /dev/sda1 /media/usb", "eject /dev/sda1"} << 0
                                    << QByteArray() << QByteArray();
    QTest::newRow("eject a missing device")
        << partitioned << QStringList{"eject /dev/sdb"} << 1 << QByteArray() << QByteArray();
}

void tst_SimulatedUSBStick::commandOutcomes()
{
    QFETCH(int, layout);
    QFETCH(QStringList, commands);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, mountTable);

    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::EnStickLayout(layout), false));
    TCommandResult result;
    for (const QString& command : commands) {
        // The shell gets its script as one argument.
        if (command.startsWith("/bin/sh -c "))
            result = TCommandRunner::instance().run("/bin/sh", {"-c", command.mid(11)});
        else
            result = run(command);
    }
    QVERIFY(result.mStarted);
    QCOMPARE(result.mExitCode, exitCode);
    QCOMPARE(result.mStandardOutput, output);
    QCOMPARE(result.mStandardError.isEmpty(), exitCode == 0 || exitCode == 2);
    QCOMPARE(TTestEnvironment::readDeviceFile("/etc/mtab"), mountTable);
    // The stick's files are at the mount point exactly while the table holds the mount.
    QCOMPARE(QFileInfo(mountPoint()).isSymLink(), !mountTable.isEmpty());
}

void tst_SimulatedUSBStick::mountedStickShowsItsFilesAtTheMountPoint()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, false));
    QCOMPARE(run("mount /dev/sda1 /media/usb").mExitCode, 0);
    TAMARIND_WRITE_DEVICE_FILE("/media/usb/ZTM8800/Logfiles/a.log", "a");
    QVERIFY(QFile::exists(TSimulatedUSBStick::mediumDirectory() + "/ZTM8800/Logfiles/a.log"));

    QCOMPARE(run("eject /dev/sda1").mExitCode, 0);
    QVERIFY(!TSimulatedUSBStick::isInserted());
    QVERIFY(QFileInfo(mountPoint()).isDir());
    QVERIFY(!QFile::exists(mountPoint() + "/ZTM8800"));

    // The files stay on the stick for the next time it is plugged in.
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(QFile::exists(mountPoint() + "/ZTM8800/Logfiles/a.log"));
    QCOMPARE(QFileInfo(TDeviceRoot::path("/dev/usbstick")).symLinkTarget(), TDeviceRoot::path("/dev/sda1"));
}

void tst_SimulatedUSBStick::pulledStickLeavesAMountThatLeadsNowhere()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(TSimulatedUSBStick::remove());
    QVERIFY(!TSimulatedUSBStick::remove());

    QVERIFY(!TTestEnvironment::writeDeviceFile("/media/usb/ZTM8800/a.log", "lost"));
    QCOMPARE(TTestEnvironment::readDeviceFile("/etc/mtab"), QByteArray("/dev/sda1 /media/usb vfat rw,relatime 0 0\n"));
    QVERIFY(QFileInfo(TDeviceRoot::path("/dev/usbstick")).isSymLink());
    QVERIFY(!QFileInfo::exists(TDeviceRoot::path("/dev/usbstick")));

    QCOMPARE(run("umount /media/usb").mExitCode, 0);
    QVERIFY(QFileInfo(mountPoint()).isDir());
    QVERIFY(!QFileInfo(mountPoint()).isSymLink());
}

void tst_SimulatedUSBStick::stickMountedOverFilesHidesThemUntilUnmounted()
{
    TAMARIND_WRITE_DEVICE_FILE("/media/usb/written-without-stick.txt", "x");
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slWholeDisk, false));
    QCOMPARE(run("mount /dev/sda /media/usb").mExitCode, 0);
    QVERIFY(!QFile::exists(mountPoint() + "/written-without-stick.txt"));
    QCOMPARE(run("umount /dev/sda").mExitCode, 0);
    QVERIFY(QFile::exists(mountPoint() + "/written-without-stick.txt"));
}

// A real stick that runs out of space keeps what fitted and fails the write;
// the writer has to notice and clean up.
void tst_SimulatedUSBStick::fullStickFailsTheSyncAndCutsTheFile()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(TSimulatedUSBStick::setCapacity(10));
    QVERIFY(TFileSystemSync::writeReplacing(mountPoint() + "/a", "123456"));
    QFile second(mountPoint() + "/b");
    QVERIFY(second.open(QIODevice::WriteOnly));
    QCOMPARE(second.write("abcdef"), 6);
    QVERIFY(!TFileSystemSync::sync(second));
    QCOMPARE(TTestEnvironment::readDeviceFile("/media/usb/b"), QByteArray("abcd"));
    QCOMPARE(TSimulatedUSBStick::usedBytes(), 10);
    // The instrument's own disk has no such limit.
    QVERIFY(QDir().mkpath(TDeviceRoot::path("/home")));
    QVERIFY(TFileSystemSync::writeReplacing(TDeviceRoot::path("/home/big"), QByteArray(100, 'x')));

    QString text;
    QTextStream output(&text);
    QCOMPARE(TUSBStickControl::execute({"capacity", "unlimited"}, output, output), 0);
    QVERIFY(TFileSystemSync::writeReplacing(mountPoint() + "/b", "abcdef"));
    QCOMPARE(TUSBStickControl::execute({"capacity", "much"}, output, output), 2);
    QCOMPARE(TSimulatedUSBStick::capacity(), -1);
}

void tst_SimulatedUSBStick::controlProgram_data()
{
    QTest::addColumn<QStringList>("first");
    // What the program runs then, through the command runner.
    QTest::addColumn<QStringList>("programRuns");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("inserted");
    QTest::addColumn<QByteArray>("mountTable");
    // A folder where the second command would write a file, or nothing.
    QTest::addColumn<QString>("folder");
    // What the second command says went wrong.
    QTest::addColumn<QString>("error");

    // No platform file: platform 1, whose udev rule mounts a plugged partition.
    const QByteArray mounted = "/dev/sda1 /media/usb vfat rw,relatime 0 0\n";
    const QString table = TSimulatedUSBStick::MOUNT_TABLE;
    QTest::newRow("insert") << QStringList{"status"} << QStringList() << QStringList{"insert"} << 0 << true << mounted
                            << QString() << "";
    QTest::newRow("pull a mounted stick")
        << QStringList{"insert"} << QStringList() << QStringList{"remove"} << 0 << false << mounted << QString() << "";
    // On platform 1 the stick controller ejects so (Eject on the download page, a remote backup).
    QTest::newRow("pull a stick the program ejected")
        << QStringList{"insert"} << QStringList{"umount /media/usb", "eject /dev/usbstick", "rm /dev/usbstick"}
        << QStringList{"remove"} << 0 << false << QByteArray() << QString() << "";
    QTest::newRow("insert twice") << QStringList{"insert"} << QStringList() << QStringList{"insert"} << 1 << true
                                  << mounted << QString() << "already plugged in";
    QTest::newRow("insert, the mount refused")
        << QStringList{"status"} << QStringList() << QStringList{"insert"} << 1 << true << QByteArray() << table
        << "not mounted: mount: /media/usb: cannot write the mount table";
    QTest::newRow("a capacity that cannot be stored")
        << QStringList{"status"} << QStringList() << QStringList{"capacity", "1000"} << 1 << false << QByteArray()
        << TSimulatedUSBStick::CAPACITY_FILE
        << "Capacity not set: " + TDeviceRoot::path(TSimulatedUSBStick::CAPACITY_FILE) + ": ";
    QTest::newRow("unknown command") << QStringList{"status"} << QStringList() << QStringList{"format"} << 2 << false
                                     << QByteArray() << QString() << "usage:";
}

void tst_SimulatedUSBStick::controlProgram()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, programRuns);
    QFETCH(QStringList, second);
    QFETCH(int, exitCode);
    QFETCH(bool, inserted);
    QFETCH(QByteArray, mountTable);
    QFETCH(QString, folder);
    QFETCH(QString, error);

    if (!folder.isEmpty())
        QVERIFY(QDir().mkpath(TDeviceRoot::path(folder)));
    QString firstText;
    QTextStream firstOutput(&firstText);
    QCOMPARE(TUSBStickControl::execute(first, firstOutput, firstOutput), 0);
    for (const QString& command : programRuns)
        QCOMPARE(run(command).mExitCode, 0);
    QString text;
    QTextStream output(&text);
    QString errorText;
    QTextStream errors(&errorText);
    QCOMPARE(TUSBStickControl::execute(second, output, errors), exitCode);
    output.flush();
    errors.flush();
    // A command that failed claims nothing done.
    QVERIFY2(text.isEmpty() == (exitCode != 0), qPrintable(text));
    QCOMPARE(TSimulatedUSBStick::isInserted(), inserted);
    QCOMPARE(TTestEnvironment::readDeviceFile("/etc/mtab"), mountTable);
    QVERIFY2(error.isEmpty() ? errorText.isEmpty() : errorText.contains(error), qPrintable(errorText));
    // The mount point leads to the stick's files exactly while the table holds the mount: a stick the rule could not
    // mount leaves it the instrument's own folder.
    QCOMPARE(QFileInfo(mountPoint()).isSymLink(), !mountTable.isEmpty());
}

TAMARIND_TEST_MAIN(tst_SimulatedUSBStick)
#include "tst_simulatedusbstick.moc"

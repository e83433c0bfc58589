#include "childprocess.h"
#include "commandrunner.h"
#include "deviceroot.h"
#include "measurementboardinfo.h"
#include "simulatedusbstick.h"
#include "testsupport.h"
#include "usbstickcontroller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <memory>

// The stick is the simulated one of the device root: its device entries, the
// mount table and its files all lie under the root, and the commands the
// controllers run are recorded by the command runner.
class tst_USBStickController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void udevStickPresentAtStartUpIsLinkedAndMounted();
    void udevStickWithoutPartitionIsFound();
    void udevStickPulledWithoutEjectIsCleanedUp();
    void udevStickWhoseMountFailedIsNotConnected();
    void udevEject_data();
    void udevEject();
    void manualStickIsMounted_data();
    void manualStickIsMounted();
    void manualStickReplacesAStaleMount();
    void manualEject();
    void manualDriveName_data();
    void manualDriveName();
    void baseDirectoryByInstrumentType();
    void storeFile_data();
    void storeFile();
    void copiedFilesCarryChecksumsThatMd5sumAccepts();
    void failedCopyWritesNoChecksumAndIsReported();
    void copyEndsBetweenTwoFiles_data();
    void copyEndsBetweenTwoFiles();
    void emptyCopyShowsProgressAndCompletion();

private:
    static QString stickFile(const QString& pPathOnStick);
    static QByteArray readHostFile(const QString& pHostPath);
    // Answers the first modal dialog that has the widget, and notes what its text label said.
};

namespace
{
TUDevBasedUSBStickController& udev()
{
    return TUDevBasedUSBStickController::instance("ZTM8800");
}

// The manual variant runs without board information: its paths lack the base directory.
TManualUSBStickController& manual()
{
    return TManualUSBStickController::instance(QString());
}

const QString REMOVE_MESSAGE = "You can now safely remove the USB stick.";
} // namespace

void tst_USBStickController::init()
{
    TSimulatedUSBStick::install(TCommandRunner::instance());
    TSimulatedUSBStick::remove();
    for (const QString& stale :
         QStringList{"/dev/usbstick", "/etc/mtab", "/media/usb", TSimulatedUSBStick::mediumDirectory()})
        TTestEnvironment::removeUnderRoot(stale);
    QVERIFY(QDir().mkpath(TDeviceRoot::path("/media/usb")));
    TTestEnvironment::clearRecordedCommands();
}

QString tst_USBStickController::stickFile(const QString& pPathOnStick)
{
    return TSimulatedUSBStick::mediumDirectory() + "/" + pPathOnStick;
}

QByteArray tst_USBStickController::readHostFile(const QString& pHostPath)
{
    QFile file(pHostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void tst_USBStickController::udevStickPresentAtStartUpIsLinkedAndMounted()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, false));

    udev().initialize();
    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{"mkdir -p /media/usb", "ln -s /dev/sda1 /dev/usbstick", "mount /dev/usbstick /media/usb"}));
    QCOMPARE(TTestEnvironment::readDeviceFile("/etc/mtab"), QByteArray("/dev/sda1 /media/usb vfat rw,relatime 0 0\n"));

    TTestEnvironment::clearRecordedCommands();
    QVERIFY(udev().isUSBStickConnected());
    udev().initialize();
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

void tst_USBStickController::udevStickWithoutPartitionIsFound()
{
    QVERIFY(!udev().isUSBStickConnected());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{"/bin/sh -c \"blkid /dev/sd?\""});

    TTestEnvironment::clearRecordedCommands();
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slWholeDisk, false));
    QVERIFY(udev().isUSBStickConnected());
    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{"/bin/sh -c \"blkid /dev/sd?\"", "mkdir -p /media/usb", "mount /dev/sda /media/usb",
                          "ln -s /dev/sda /dev/usbstick"}));
    QVERIFY(udev().storeFile("Logfiles", "a.log", "x"));
    QCOMPARE(readHostFile(stickFile("ZTM8800/Logfiles/a.log")), QByteArray("x"));
}

void tst_USBStickController::udevStickPulledWithoutEjectIsCleanedUp()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(udev().isUSBStickConnected());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());

    QVERIFY(TSimulatedUSBStick::remove());
    QVERIFY(!udev().isUSBStickConnected());
    QCOMPARE(TTestEnvironment::recordedCommands(), (QStringList{"umount /media/usb", "/bin/sh -c \"blkid /dev/sd?\""}));
    QVERIFY(!QFileInfo(TDeviceRoot::path("/dev/usbstick")).isSymLink());
    QCOMPARE(TTestEnvironment::readDeviceFile("/etc/mtab"), QByteArray());
}

// With its mount refused, the linked stick's mount point is a folder of the instrument's own disk: nothing may be
// written there as if it were the stick.
void tst_USBStickController::udevStickWhoseMountFailedIsNotConnected()
{
    QVERIFY(QDir().mkpath(TDeviceRoot::path("/etc/mtab")));
    QVERIFY(!TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(QFileInfo::exists(TDeviceRoot::path("/dev/usbstick")));

    QVERIFY(!udev().isUSBStickConnected());
    udev().eject(false);
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

void tst_USBStickController::udevEject_data()
{
    QTest::addColumn<bool>("showMessage");
    QTest::newRow("with the message") << true;
    QTest::newRow("silently") << false;
}

void tst_USBStickController::udevEject()
{
    QFETCH(bool, showMessage);

    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    auto message = std::make_shared<QString>();
    if (showMessage)
        TModalAnswer::clickWhenShown("BtnOK", message);
    udev().eject(showMessage);

    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{"umount /media/usb", "eject /dev/usbstick", "rm /dev/usbstick"}));
    QCOMPARE(*message, showMessage ? REMOVE_MESSAGE : QString());
    QVERIFY(!TSimulatedUSBStick::isInserted());
    QVERIFY(!QFileInfo(TDeviceRoot::path("/dev/usbstick")).isSymLink());

    TTestEnvironment::clearRecordedCommands();
    udev().eject(showMessage);
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{"/bin/sh -c \"blkid /dev/sd?\""});
}

void tst_USBStickController::manualStickIsMounted_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("device");
    QTest::newRow("first partition") << int(TSimulatedUSBStick::slPartitioned) << "/dev/sda1";
    QTest::newRow("file system on the whole disk") << int(TSimulatedUSBStick::slWholeDisk) << "/dev/sda";
}

void tst_USBStickController::manualStickIsMounted()
{
    QFETCH(int, layout);
    QFETCH(QString, device);

    manual().initialize();
    QVERIFY(!manual().isUSBStickConnected());
    QCOMPARE(TTestEnvironment::recordedCommands(), (QStringList{"blkid", "blkid"}));

    TTestEnvironment::clearRecordedCommands();
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::EnStickLayout(layout), false));
    QVERIFY(manual().isUSBStickConnected());
    QVERIFY(manual().isUSBStickConnected());
    QCOMPARE(TTestEnvironment::recordedCommands(), (QStringList{"blkid", "mount " + device + " /media/usb", "blkid"}));
    QCOMPARE(manual().driveMounted(), device);
}

void tst_USBStickController::manualStickReplacesAStaleMount()
{
    TAMARIND_WRITE_DEVICE_FILE("/etc/mtab", "/dev/root / ext4 rw 0 0\n"
                                            "/dev/sdb1 /media/usb vfat rw 0 0\n");
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, false));

    manual().initialize();
    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{"blkid", "umount /media/usb", "mount /dev/sda1 /media/usb"}));
    QCOMPARE(manual().driveMounted(), QString("/dev/sda1"));
}

void tst_USBStickController::manualEject()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, false));
    manual().initialize();
    TTestEnvironment::clearRecordedCommands();

    auto message = std::make_shared<QString>();
    TModalAnswer::clickWhenShown("BtnOK", message);
    manual().eject(true);
    QCOMPARE(TTestEnvironment::recordedCommands(), (QStringList{"umount /media/usb", "eject /dev/sda1"}));
    QCOMPARE(*message, REMOVE_MESSAGE);
    QVERIFY(!manual().isUSBStickConnected());

    TTestEnvironment::clearRecordedCommands();
    manual().eject(true);
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

void tst_USBStickController::manualDriveName_data()
{
    QTest::addColumn<QByteArray>("blkid");
    QTest::addColumn<QString>("drive");
    QTest::newRow("internal storage listed first")
        << QByteArray("/dev/mmcblk0p1: UUID=\"1\" TYPE=\"ext4\"\n/dev/sdb1: UUID=\"2\" TYPE=\"vfat\"\n") << "/dev/sdb1";
    QTest::newRow("whole disk") << QByteArray("/dev/sdc: UUID=\"3\" TYPE=\"vfat\"\n") << "/dev/sdc";
    QTest::newRow("the first stick line wins")
        << QByteArray("/dev/sdb: PTTYPE=\"dos\"\n/dev/sdb1: TYPE=\"vfat\"\n") << "/dev/sdb";
    QTest::newRow("second partition only") << QByteArray("/dev/sdb2: TYPE=\"vfat\"\n") << "";
}

void tst_USBStickController::manualDriveName()
{
    QFETCH(QByteArray, blkid);
    QFETCH(QString, drive);

    TCommandRunner::instance().setSimulation("blkid", [blkid](const QString&, const QStringList&) {
        TCommandResult result;
        result.mStarted = true;
        result.mExitCode = 0;
        result.mStandardOutput = blkid;
        return result;
    });
    QCOMPARE(manual().findUSBDriveName(), drive);
}

void tst_USBStickController::baseDirectoryByInstrumentType()
{
    const TMeasurementBoardInfo first("1", "1.0", QDate(2026, 1, 1), ZTM8800);
    const TMeasurementBoardInfo second("2", "1.0", QDate(2026, 1, 1), ZTM8800v2);
    const TMeasurementBoardInfo large("3", "1.0", QDate(2026, 1, 1), ZTM9900);
    QCOMPARE(TUSBStickControllerProvider::baseDirectory(&first), QString("ZTM8800"));
    QCOMPARE(TUSBStickControllerProvider::baseDirectory(&second), QString("ZTM8800"));
    QCOMPARE(TUSBStickControllerProvider::baseDirectory(&large), QString("ZTM9900"));
    QCOMPARE(TUSBStickControllerProvider::baseDirectory(nullptr), QString());
}

void tst_USBStickController::storeFile_data()
{
    QTest::addColumn<bool>("withBaseDirectory");
    QTest::addColumn<QString>("destDir");
    QTest::addColumn<QString>("pathOnStick");
    QTest::newRow("below the base directory") << true << "instrument_details"
                                              << "ZTM8800/instrument_details/i.txt";
    QTest::newRow("sub-directory with a trailing slash") << true << "SMART_probes/"
                                                         << "ZTM8800/SMART_probes/i.txt";
    QTest::newRow("no base directory") << false << "Logfiles"
                                       << "Logfiles/i.txt";
}

void tst_USBStickController::storeFile()
{
    QFETCH(bool, withBaseDirectory);
    QFETCH(QString, destDir);
    QFETCH(QString, pathOnStick);

    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    TAbstractUSBStickController& controller =
        withBaseDirectory ? static_cast<TAbstractUSBStickController&>(udev()) : manual();
    QVERIFY(controller.storeFile(destDir, "i.txt", "a longer first text"));
    QVERIFY(controller.storeFile(destDir, "i.txt", "serial 4711"));
    QCOMPARE(readHostFile(stickFile(pathOnStick)), QByteArray("serial 4711"));

    QVERIFY(TSimulatedUSBStick::remove());
    QVERIFY(!controller.storeFile(destDir, "j.txt", "lost"));
}

void tst_USBStickController::copiedFilesCarryChecksumsThatMd5sumAccepts()
{
    // The digests of these two texts are the test vectors of RFC 1321.
    TAMARIND_WRITE_DEVICE_FILE("/home/Logfiles/20261206_1.log", "abc");
    TAMARIND_WRITE_DEVICE_FILE("/home/Logfiles/20261206_2.log", "message digest");
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(udev().storeFile("Logfiles", "log 1.csv.md5", "stale"));

    const std::map<QString, QString> files{{"20261206_1.log", "log 1.csv"}, {"20261206_2.log", "log2.csv"}};
    QVERIFY(udev().copyFiles("/home/Logfiles", "Logfiles", files, true, true));

    const QString directory = stickFile("ZTM8800/Logfiles");
    QCOMPARE(readHostFile(directory + "/log 1.csv"), QByteArray("abc"));
    QCOMPARE(readHostFile(directory + "/log 1.csv.md5"), QByteArray("900150983cd24fb0d6963f7d28e17f72  log 1.csv"));
    QCOMPARE(readHostFile(directory + "/log2.csv.md5"), QByteArray("f96b697d7cb7938d525a2f31aaf161d0  log2.csv"));

    for (const QString& checksumFile : QStringList{"log 1.csv.md5", "log2.csv.md5"}) {
        TChildProcess md5sum;
        md5sum.setWorkingDirectory(directory);
        md5sum.start("md5sum", {"-c", checksumFile});
        QVERIFY(md5sum.waitForFinished());
        QCOMPARE(md5sum.exitCode(), 0);
        QVERIFY(md5sum.readAllStandardOutput().endsWith(": OK\n"));
    }
}

void tst_USBStickController::failedCopyWritesNoChecksumAndIsReported()
{
    TAMARIND_WRITE_DEVICE_FILE("/home/Logfiles/b.log", "b");
    TAMARIND_WRITE_DEVICE_FILE("/home/Logfiles/c.log", "c");
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));

    auto message = std::make_shared<QString>();
    TModalAnswer::clickWhenShown("BtnOK", message);
    const std::map<QString, QString> files{{"a-missing.log", "a.log"}, {"b.log", "b.log"}, {"c.log", "c.log"}};
    QVERIFY(!udev().copyFiles("/home/Logfiles", "Logfiles", files, true, false));

    QCOMPARE(*message, QString("At least one file could not be copied to the USB stick. Please make sure that a USB "
                               "stick with enough free space is connected!"));
    const QString directory = stickFile("ZTM8800/Logfiles");
    QCOMPARE(QDir(directory).entryList(QDir::Files), QStringList());
}

void tst_USBStickController::copyEndsBetweenTwoFiles_data()
{
    QTest::addColumn<bool>("terminate");
    QTest::newRow("the stick is pulled") << false;
    // Ctrl+C or a terminate: a download of thousands of files would hold the program's end.
    QTest::newRow("a terminate comes") << true;
}

void tst_USBStickController::copyEndsBetweenTwoFiles()
{
    QFETCH(bool, terminate);
    TAMARIND_WRITE_DEVICE_FILE("/home/Screenshots/1.png", "first");
    TAMARIND_WRITE_DEVICE_FILE("/home/Screenshots/2.png", "second");
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));

    // The copy lets events through before each file: the stick is pulled, or
    // the terminate comes, as soon as the first file is on it.
    const QString first = stickFile("ZTM8800/Screenshots/1.png");
    QTimer hand;
    connect(&hand, &QTimer::timeout, &hand, [&hand, first, terminate]() {
        if (QFile::exists(first) && QFile::exists(first + ".md5")) {
            if (terminate)
                TTestEnvironment::terminate();
            else
                TSimulatedUSBStick::remove();
            hand.stop();
        }
    });
    hand.start(0);
    const std::map<QString, QString> files{{"1.png", "1.png"}, {"2.png", "2.png"}};
    const bool copied = udev().copyFiles("/home/Screenshots", "Screenshots", files, true, true);
    if (terminate)
        TTestEnvironment::forgetTermination();
    QVERIFY(!copied);

    QVERIFY(!hand.isActive());
    QCOMPARE(QDir(stickFile("ZTM8800/Screenshots")).entryList(QDir::Files), (QStringList{"1.png", "1.png.md5"}));
}

void tst_USBStickController::emptyCopyShowsProgressAndCompletion()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    auto text = std::make_shared<QString>();
    TModalAnswer::clickWhenShown("BtnDownloadComplete", text);
    QVERIFY(udev().copyFiles("/home/Logfiles", "Logfiles", zelk::vector<QString>()));
    QVERIFY(QDir(stickFile("ZTM8800/Logfiles")).exists());
}

TAMARIND_TEST_MAIN(tst_USBStickController)
#include "tst_usbstickcontroller.moc"

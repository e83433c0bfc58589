#include "commandrunner.h"
#include "deviceroot.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

class tst_CommandRunner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hostCommandsAreRecordedNotRun_data();
    void hostCommandsAreRecordedNotRun();
    void unknownCommandsNeverRunUnderARoot();
    void fileCommandsWorkInsideTheRoot();
    void findPrintsDevicePaths();
    void simulationAnswersInsteadOfTheHost();
    void devicePathsResolveUnderTheRoot();
};

void tst_CommandRunner::init()
{
    TTestEnvironment::clearRecordedCommands();
}

void tst_CommandRunner::hostCommandsAreRecordedNotRun_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line");
    QTest::newRow("restart the device") << "reboot" << QStringList() << "reboot";
    QTest::newRow("set the system time") << "date" << QStringList{"-s", "2026-12-07 10:00:00"}
                                         << "date -s \"2026-12-07 10:00:00\"";
    QTest::newRow("write the hardware clock") << "hwclock" << QStringList{"-w", "-u"} << "hwclock -w -u";
    QTest::newRow("take the network down") << "ifdown" << QStringList{"eth0"} << "ifdown eth0";
    QTest::newRow("restart the user interface") << "systemctl" << QStringList{"restart", "ui"}
                                                << "systemctl restart ui";
}

void tst_CommandRunner::hostCommandsAreRecordedNotRun()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, line);

    const TCommandResult result = TCommandRunner::instance().run(program, arguments);

    QVERIFY(result.mStarted);
    QCOMPARE(result.mExitCode, 0);
    QVERIFY(result.mStandardOutput.isEmpty());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{line});
}

void tst_CommandRunner::unknownCommandsNeverRunUnderARoot()
{
    // "touch" with a host path would create the file if it ran.
    const QString hostFile = TTestEnvironment::root() + "-outside";
    TCommandRunner::instance().run("touch", {hostFile});
    QVERIFY(!QFile::exists(hostFile));
    QVERIFY(TCommandRunner::instance().startDetached("reboot"));
    QCOMPARE(TTestEnvironment::recordedCommands(), (QStringList{"touch " + hostFile, "reboot"}));
}

void tst_CommandRunner::fileCommandsWorkInsideTheRoot()
{
    TCommandRunner& runner = TCommandRunner::instance();
    QCOMPARE(runner.run("mkdir", {"-p", "/home/Logfiles/old"}).mExitCode, 0);
    QVERIFY(QDir(TTestEnvironment::root() + "/home/Logfiles/old").exists());

    QVERIFY(TTestEnvironment::writeDeviceFile("/home/Logfiles/old/a.log", "x"));
    QCOMPARE(runner.run("rm", {"-rf", "/home/Logfiles/old"}).mExitCode, 0);
    QVERIFY(!QDir(TTestEnvironment::root() + "/home/Logfiles/old").exists());
    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{"mkdir -p /home/Logfiles/old", "rm -rf /home/Logfiles/old"}));
}

void tst_CommandRunner::findPrintsDevicePaths()
{
    QVERIFY(TTestEnvironment::writeDeviceFile("/sys/devices/platform/backlight/brightness", "6"));
    const TCommandResult result = TCommandRunner::instance().run("find", {"/sys/devices", "-name", "brightness"});
    QCOMPARE(result.mExitCode, 0);
    QCOMPARE(result.mStandardOutput, QByteArray("/sys/devices/platform/backlight/brightness\n"));
}

void tst_CommandRunner::simulationAnswersInsteadOfTheHost()
{
    TCommandRunner& runner = TCommandRunner::instance();
    runner.setSimulation("blkid", [](const QString&, const QStringList& pArguments) {
        TCommandResult result;
        result.mStarted = true;
        result.mExitCode = 2;
        result.mStandardOutput = pArguments.join(',').toUtf8();
        return result;
    });
    TCommandResult result = runner.run("/sbin/blkid", {"/dev/sda1", "-o", "value"});
    QCOMPARE(result.mExitCode, 2);
    QCOMPARE(result.mStandardOutput, QByteArray("/dev/sda1,-o,value"));

    runner.setSimulation("blkid", nullptr);
    result = runner.run("blkid");
    QCOMPARE(result.mExitCode, 0);
    QVERIFY(result.mStandardOutput.isEmpty());
}

void tst_CommandRunner::devicePathsResolveUnderTheRoot()
{
    const QString root = TTestEnvironment::root();
    QCOMPARE(TDeviceRoot::path("/dev/ttyO2"), root + "/dev/ttyO2");
    QCOMPARE(TDeviceRoot::path(root + "/dev/ttyO2"), root + "/dev/ttyO2");
    QCOMPARE(TDeviceRoot::path("relative/file"), QString("relative/file"));
    QCOMPARE(TDeviceRoot::devicePath(root + "/media/usb"), QString("/media/usb"));
    QCOMPARE(TDeviceRoot::devicePath("/tmp/elsewhere"), QString("/tmp/elsewhere"));
}

TAMARIND_TEST_MAIN(tst_CommandRunner)
#include "tst_commandrunner.moc"

#include "commandrunner.h"
#include "deviceroot.h"
#include "fifoguard.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    void rootThatIsNoRootStopsEverything_data();
    void rootThatIsNoRootStopsEverything();
    void fileCommandPathsStayInTheRoot_data();
    void fileCommandPathsStayInTheRoot();
    void optionPathsStayInTheRoot_data();
    void optionPathsStayInTheRoot();
    void workingDirectoryLiesInTheRoot();
    void aTerminateEndsACommand();
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
    QTest::newRow("restart the user interface")
        << "systemctl" << QStringList{"restart", "ui"} << "systemctl restart ui";
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
    // The path holds a space where the temporary directory does: the log quotes it then.
    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{TCommandRunner::commandLine("touch", {hostFile}), "reboot"}));
}

void tst_CommandRunner::fileCommandsWorkInsideTheRoot()
{
    TCommandRunner& runner = TCommandRunner::instance();
    QCOMPARE(runner.run("mkdir", {"-p", "/home/Logfiles/old"}).mExitCode, 0);
    QVERIFY(QDir(TTestEnvironment::root() + "/home/Logfiles/old").exists());

    TAMARIND_WRITE_DEVICE_FILE("/home/Logfiles/old/a.log", "x");
    QCOMPARE(runner.run("rm", {"-rf", "/home/Logfiles/old"}).mExitCode, 0);
    QVERIFY(!QDir(TTestEnvironment::root() + "/home/Logfiles/old").exists());
    QCOMPARE(TTestEnvironment::recordedCommands(),
             (QStringList{"mkdir -p /home/Logfiles/old", "rm -rf /home/Logfiles/old"}));
}

void tst_CommandRunner::findPrintsDevicePaths()
{
    TAMARIND_WRITE_DEVICE_FILE("/sys/devices/platform/backlight/brightness", "6");
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

// A script whose variable is unset or mistyped must not run the device's
// commands on this machine.
void tst_CommandRunner::rootThatIsNoRootStopsEverything_data()
{
    QTest::addColumn<QString>("root");
    QTest::newRow("set but empty") << "";
    QTest::newRow("the machine's root") << "/";
    QTest::newRow("a doubled slash") << "//";
    QTest::newRow("a way back up to the machine's root") << "/tmp/..";
    QTest::newRow("a link to the machine's root") << "link-to-root";
}

void tst_CommandRunner::rootThatIsNoRootStopsEverything()
{
    QFETCH(QString, root);
    const QString testRoot = TTestEnvironment::root();
    if (root == "link-to-root") {
        root = testRoot + "/link-to-root";
        QVERIFY(QFile::link("/", root));
    }
    qputenv(TDeviceRoot::ROOT_VARIABLE, root.toLocal8Bit());
    const QString problem = TDeviceRoot::rootVariableProblem();
    const bool simulated = TDeviceRoot::isSimulated();
    const QString devicePath = TDeviceRoot::path("/dev/ttyO2");
    // "date" without arguments only prints, so a runner that let it through does no harm here.
    const TCommandResult result = TCommandRunner::instance().run("date");
    const bool detached = TCommandRunner::instance().startDetached("date");
    qputenv(TDeviceRoot::ROOT_VARIABLE, testRoot.toLocal8Bit());

    QVERIFY(!problem.isEmpty());
    QVERIFY(problem.contains(TDeviceRoot::ROOT_VARIABLE));
    QVERIFY(!simulated);
    QCOMPARE(devicePath, QString("/dev/ttyO2"));
    QVERIFY(!result.mStarted);
    QVERIFY(result.mStandardOutput.isEmpty());
    QVERIFY(!detached);
    QVERIFY(TDeviceRoot::rootVariableProblem().isEmpty());
}

void tst_CommandRunner::fileCommandPathsStayInTheRoot_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<QString>("createdHere");
    // Relative to the test's working directory, which a runner that let the path through would write into.
    QTest::newRow("relative directory") << "mkdir" << QStringList{"-p", "relative/made"} << ""
                                        << "cwd/relative";
    QTest::newRow("link with a relative name") << "ln" << QStringList{"-s", "/etc", "relative-link"} << ""
                                               << "cwd/relative-link";
    QTest::newRow("archive members without a working directory")
        << "tar" << QStringList{"-czf", "/home/backup.tar.gz", "serialnumber"} << ""
        << "home/backup.tar.gz";
    // Each would land beside the root, outside it.
    QTest::newRow("way up out of the root") << "mkdir" << QStringList{"-p", "/home/../../escaped"} << ""
                                            << "../escaped";
    QTest::newRow("way up in a relative path under a working directory")
        << "mkdir" << QStringList{"../../escaped"} << "/home"
        << "../escaped";
    QTest::newRow("working directory way up") << "mkdir" << QStringList{"escaped"} << "/home/../.."
                                              << "../escaped";
    QTest::newRow("relative working directory") << "mkdir" << QStringList{"made"} << "home"
                                                << "cwd/home/made";
    QTest::newRow("link directory way up, glued to its option")
        << "ln" << QStringList{"-s", "/home/tamarind-escaped", "-t.."} << ""
        << "../tamarind-escaped";
}

void tst_CommandRunner::fileCommandPathsStayInTheRoot()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, workingDirectory);
    QFETCH(QString, createdHere);
    const QString root = TTestEnvironment::root();
    const QString created = QDir::cleanPath(root + "/" + createdHere);
    // Outside the root the row removes what the runner let through, which is nobody else's.
    QVERIFY2(created.startsWith(root + "/") || !(QFileInfo(created).exists() || QFileInfo(created).isSymLink()),
             qPrintable(created));
    QVERIFY(QDir().mkpath(root + "/cwd/home"));
    QVERIFY(QDir().mkpath(root + "/home"));
    TAMARIND_WRITE_DEVICE_FILE("/home/serialnumber", "1234");
    const QString testWorkingDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root + "/cwd"));

    const TCommandResult result = TCommandRunner::instance().run(program, arguments, workingDirectory);
    QDir::setCurrent(testWorkingDirectory);

    const bool exists = QFileInfo(created).exists() || QFileInfo(created).isSymLink();
    if (exists && !created.startsWith(root + "/") && !QFile::remove(created))
        QDir(created).removeRecursively();
    QVERIFY(!exists);
    QVERIFY(!result.mStarted);
    QVERIFY(!result.mStandardError.isEmpty());
    // The program asked for it, so the log shows it.
    QCOMPARE(TTestEnvironment::recordedCommands().size(), 1);
}

// An archive unpacked where an option names: the option's path lies in the
// root too, or the command is refused; the host's directory and the root's
// parent stay untouched.
void tst_CommandRunner::optionPathsStayInTheRoot_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("workingDirectory");
    // Where the member would land, relative to the root.
    QTest::addColumn<QString>("landsAt");
    QTest::addColumn<bool>("runs");
    const QString unpacked = "tamarind-unpacked/tamarind-member";
    const QString beside = "../tamarind-member";
    QTest::newRow("long option with its path") << "--directory=/tamarind-unpacked"
                                               << "" << unpacked << true;
    QTest::newRow("short option with a glued path") << "-C/tamarind-unpacked"
                                                    << "" << unpacked << false;
    QTest::newRow("long option way up") << "--directory=.."
                                        << "" << beside << false;
    QTest::newRow("short option way up") << "-C.."
                                         << "" << beside << false;
    QTest::newRow("long option way up from a working directory") << "--directory=.."
                                                                 << "/" << beside << false;
    QTest::newRow("long option relative without a working directory") << "--directory=tamarind-unpacked"
                                                                      << "" << unpacked << false;
    QTest::newRow("short option relative without a working directory") << "-Ctamarind-unpacked"
                                                                       << "" << unpacked << false;
    QTest::newRow("long option relative to a working directory") << "--directory=tamarind-unpacked"
                                                                 << "/" << unpacked << true;
}

void tst_CommandRunner::optionPathsStayInTheRoot()
{
    QFETCH(QString, option);
    QFETCH(QString, workingDirectory);
    QFETCH(QString, landsAt);
    QFETCH(bool, runs);
    const QString root = TTestEnvironment::root();
    const QString landed = QDir::cleanPath(root + "/" + landsAt);
    QVERIFY(!QFileInfo::exists(landed) || landed.startsWith(root + "/"));
    QVERIFY(!QFileInfo::exists("/tamarind-unpacked"));
    TAMARIND_WRITE_DEVICE_FILE("/home/tamarind-member", "1234");
    TTestEnvironment::removeUnderRoot("/tamarind-unpacked");
    QVERIFY(QDir().mkpath(root + "/tamarind-unpacked"));
    TCommandRunner& runner = TCommandRunner::instance();
    QCOMPARE(runner.run("tar", {"-czf", "/home/backup.tar.gz", "tamarind-member"}, "/home").mExitCode, 0);

    const TCommandResult result = runner.run("tar", {"-xzf", "/home/backup.tar.gz", option}, workingDirectory);

    const bool onTheHost = QFileInfo::exists("/tamarind-unpacked");
    if (onTheHost)
        QDir("/tamarind-unpacked").removeRecursively();
    const bool wasUnpacked = QFileInfo::exists(landed);
    if (wasUnpacked && !landed.startsWith(root + "/"))
        QFile::remove(landed);
    QVERIFY(!onTheHost);
    QCOMPARE(result.mStarted, runs);
    QCOMPARE(wasUnpacked, runs);
    QCOMPARE(result.mStandardError.isEmpty(), runs);
}

// The backup archives the user data with paths relative to "/home".
void tst_CommandRunner::workingDirectoryLiesInTheRoot()
{
    TAMARIND_WRITE_DEVICE_FILE("/home/serialnumber", "1234");
    TAMARIND_WRITE_DEVICE_FILE("/home/Settings/settings.xml", "<settings/>");
    QVERIFY(QDir().mkpath(TTestEnvironment::root() + "/media/usb"));
    TCommandRunner& runner = TCommandRunner::instance();

    const TCommandResult archived =
        runner.run("tar", {"-czf", "/media/usb/backup.tar.gz", "serialnumber", "Settings/"}, "/home");
    QCOMPARE(archived.mExitCode, 0);
    const TCommandResult listed = runner.run("tar", {"-tzf", "/media/usb/backup.tar.gz"});
    QCOMPARE(listed.mExitCode, 0);
    QCOMPARE(QString::fromUtf8(listed.mStandardOutput).split('\n', Qt::SkipEmptyParts),
             (QStringList{"serialnumber", "Settings/", "Settings/settings.xml"}));
    QCOMPARE(TTestEnvironment::recordedCommands().value(0),
             QString("cd /home && tar -czf /media/usb/backup.tar.gz serialnumber Settings/"));
}

// A tar that waits for its archive, as one of a large backup works on: a
// terminate ends it, and the program with it, without waiting for the end.
void tst_CommandRunner::aTerminateEndsACommand()
{
    QVERIFY(QDir().mkpath(TTestEnvironment::root() + "/home"));
    TFifoGuard archive(TTestEnvironment::root() + "/home/waits.tar");
    QVERIFY(archive.isMade());
    TTestEnvironment::terminate();
    const TCommandResult tar = TCommandRunner::instance().run("tar", {"-xf", "waits.tar"}, "/home");
    TTestEnvironment::forgetTermination();
    QVERIFY(!archive.readerWaited());
    QVERIFY(tar.mStarted);
    QCOMPARE(tar.mExitCode, -1);
}

TAMARIND_TEST_MAIN(tst_CommandRunner)
#include "tst_commandrunner.moc"

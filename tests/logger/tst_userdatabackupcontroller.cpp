#include "childprocess.h"
#include "fifoguard.h"
#include "instrumentinfo.h"
#include "simulatedboardlink.h"
#include "simulatedusbstick.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "usbstickcontroller.h"
#include "userdatabackupcontroller.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using TArchiveLayout = std::function<bool(const QString&)>;
Q_DECLARE_METATYPE(TArchiveLayout)

// The user data backup and restore with the real tar and md5sum tools, the
// simulated stick and the instrument's files under the device root.
class tst_UserDataBackupController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void backupIsAnArchiveTheToolsAccept_data();
    void backupIsAnArchiveTheToolsAccept();
    void backupRefusesASerialNumberThatIsNoFileName_data();
    void backupRefusesASerialNumberThatIsNoFileName();
    void backupFailsWhenTarFails();
    void backupWithoutStickFails();
    void backupThatCannotWriteOnTheStickKeepsNoArchive_data();
    void backupThatCannotWriteOnTheStickKeepsNoArchive();
    void restoreTakesTheArchiveBack_data();
    void restoreTakesTheArchiveBack();
    void restoreRefusesAndLeavesHomeAlone_data();
    void restoreRefusesAndLeavesHomeAlone();
    void restoreThatFailsHalfWayLeavesHomeAsItWas();
    void restoreTakesNoOwnerNorSpecialModeFromTheArchive_data();
    void restoreTakesNoOwnerNorSpecialModeFromTheArchive();
    void leftoversOfACutRestoreGoAtStart_data();
    void leftoversOfACutRestoreGoAtStart();

private:
    static QString home(const QString& pName) { return TTestEnvironment::root() + QStringLiteral("/home/") + pName; }
    static QString onStick(const QString& pName) { return stickDirectory() + QLatin1Char('/') + pName; }
    static QString stickDirectory() { return TSimulatedUSBStick::mediumDirectory() + QStringLiteral("/ZTM9900"); }
    // Whether the stick was ejected since the test began.
    static bool ejected()
    {
        return TTestEnvironment::recordedCommands().join(QLatin1Char('\n')).contains(QStringLiteral("eject"));
    }
    static int run(const QString& pProgram, const QStringList& pArguments, const QString& pDirectory,
                   QByteArray* oOutput = nullptr);
    // Makes an archive of the files laid out in a fresh directory in pScratch
    // and puts it with its side file (as md5sum writes it) on the stick; why
    // it could not, empty when it could.
    static QString putArchiveOnStick(const TScratchFolder& pScratch, const QString& pName,
                                     const std::function<bool(const QString&)>& pLayout,
                                     const QStringList& pTarArguments);

    std::unique_ptr<TSimulatedBoardLink> mBoard;
};

namespace
{
const QString SERIAL_NUMBER = QStringLiteral("ZT-1234");
const QString ARCHIVE = QStringLiteral("ZT-1234_backup.tar.gz");
const QByteArray PROGRAM = "the instrument program";

bool writeFile(const QString& pPath, const QByteArray& pContent)
{
    QDir().mkpath(QFileInfo(pPath).absolutePath());
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pContent) == pContent.size();
}

QByteArray readFile(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

int tst_UserDataBackupController::run(const QString& pProgram, const QStringList& pArguments, const QString& pDirectory,
                                      QByteArray* oOutput)
{
    TChildProcess process;
    process.setWorkingDirectory(pDirectory);
    process.start(pProgram, pArguments);
    if (!process.waitForFinished(30000))
        return -1;
    // What it says of a failure follows what it prints.
    if (oOutput)
        *oOutput = process.readAllStandardOutput() + process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void tst_UserDataBackupController::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mBoard);
    TInstrumentInfo::instance()->initialize(&mBoard->handler());
    QCOMPARE(TUSBStickControllerProvider::getUSBStickController()->baseDir(), QStringLiteral("ZTM9900"));
}

void tst_UserDataBackupController::cleanupTestCase()
{
    TSimulatedUSBStick::remove();
}

void tst_UserDataBackupController::init()
{
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home"));
    QVERIFY(QDir().mkpath(home(QStringLiteral("Settings/ZELK"))));
    QVERIFY(writeFile(home(QStringLiteral("serialnumber")), SERIAL_NUMBER.toLatin1()));
    QVERIFY(writeFile(home(QStringLiteral("manufacturingdate")), "20240229"));
    QVERIFY(writeFile(home(QStringLiteral("Logfiles/run 1.log")), "12:00;23.4567\r\n"));
    QVERIFY(writeFile(home(QStringLiteral("Screenshots/shot.png")), "png"));
    QVERIFY(writeFile(home(QStringLiteral("ZTM8800_UI")), PROGRAM));
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(QStringLiteral("logger"), QStringLiteral("interval"), QStringLiteral("1000"));
    QVERIFY(settings.store());
    // Ejected first: a stick pulled while mounted would leave its mount behind.
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (stick->isUSBStickConnected())
        stick->eject(false);
    TSimulatedUSBStick::remove();
    TTestEnvironment::removeUnderRoot(TSimulatedUSBStick::mediumDirectory());
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(TUSBStickControllerProvider::getUSBStickController()->isUSBStickConnected());
    TTestEnvironment::clearRecordedCommands();
}

void tst_UserDataBackupController::backupIsAnArchiveTheToolsAccept_data()
{
    QTest::addColumn<QByteArray>("serialNumber");
    QTest::addColumn<QString>("archive");
    QTest::newRow("a serial number") << SERIAL_NUMBER.toLatin1() << ARCHIVE;
    QTest::newRow("none stored") << QByteArray() << QStringLiteral("_backup.tar.gz");
}

void tst_UserDataBackupController::backupIsAnArchiveTheToolsAccept()
{
    QFETCH(QByteArray, serialNumber);
    QFETCH(QString, archive);
    QVERIFY(writeFile(home(QStringLiteral("serialnumber")), serialNumber));
    QCOMPARE(TUserDataBackupController::createBackupOnUSBStick(), archive);
    QVERIFY(!QFileInfo::exists(home(archive)));
    QCOMPARE(run(QStringLiteral("md5sum"), {QStringLiteral("-c"), archive + QStringLiteral(".md5")}, stickDirectory()),
             0);
    QByteArray listing;
    QCOMPARE(run(QStringLiteral("tar"), {QStringLiteral("-tzf"), archive}, stickDirectory(), &listing), 0);
    const QStringList members = QString::fromLocal8Bit(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(members.mid(0, 2), (QStringList{"serialnumber", "manufacturingdate"}));
    QVERIFY(members.contains(QStringLiteral("Settings/ZELK/settings.xml")));
    QVERIFY(members.contains(QStringLiteral("Logfiles/run 1.log")));
    QVERIFY(members.contains(QStringLiteral("Screenshots/shot.png")));
    QVERIFY(!members.contains(QStringLiteral("ZTM8800_UI")));
    // Made in /home, and the stick ejected without a message once all three digests agreed.
    QVERIFY2(
        TTestEnvironment::recordedCommands().value(0).startsWith(QStringLiteral("cd /home && tar -czf ") + archive),
        qPrintable(TTestEnvironment::recordedCommands().join(QLatin1Char('\n'))));
    QVERIFY(ejected());
}

void tst_UserDataBackupController::backupRefusesASerialNumberThatIsNoFileName_data()
{
    QTest::addColumn<QByteArray>("serialNumber");
    QTest::newRow("climbs out") << QByteArray("../../etc/x");
    QTest::newRow("holds a separator") << QByteArray("a/b");
    QTest::newRow("dot dot") << QByteArray("..");
}

void tst_UserDataBackupController::backupRefusesASerialNumberThatIsNoFileName()
{
    QFETCH(QByteArray, serialNumber);
    QVERIFY(writeFile(home(QStringLiteral("serialnumber")), serialNumber));
    QCOMPARE(TUserDataBackupController::createBackupOnUSBStick(), QString());
    QVERIFY(QDir(stickDirectory()).entryList(QDir::Files).isEmpty());
    QVERIFY(!TTestEnvironment::recordedCommands().join(QLatin1Char('\n')).contains(QStringLiteral("tar")));
}

void tst_UserDataBackupController::backupFailsWhenTarFails()
{
    // A full disk as tar meets it: the archive cannot grow beyond a few bytes.
    QByteArray noise(200000, '\0');
    for (char& byte : noise)
        byte = char(QRandomGenerator::global()->bounded(256));
    QVERIFY(writeFile(home(QStringLiteral("Logfiles/big.log")), noise));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 2048;
    setrlimit(RLIMIT_FSIZE, &small);
    const QString archive = TUserDataBackupController::createBackupOnUSBStick();
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(archive, QString());
    QVERIFY(!QFileInfo::exists(home(ARCHIVE)));
    QVERIFY(!QFileInfo::exists(onStick(ARCHIVE)));
    QVERIFY(!TTestEnvironment::recordedCommands().join(QLatin1Char('\n')).contains(QStringLiteral("eject")));
}

void tst_UserDataBackupController::backupWithoutStickFails()
{
    QVERIFY(TSimulatedUSBStick::remove());
    QCOMPARE(TUserDataBackupController::createBackupOnUSBStick(), QString());
    QVERIFY(!QFileInfo::exists(home(ARCHIVE)));
}

void tst_UserDataBackupController::backupThatCannotWriteOnTheStickKeepsNoArchive_data()
{
    // Below the instrument's directory on the stick; empty: that directory.
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("kind");
    QTest::newRow("a link at the archive's name to a file elsewhere") << ARCHIVE << "file link";
    QTest::newRow("a FIFO at the archive's name") << ARCHIVE << "fifo";
    QTest::newRow("the instrument's folder a link to a folder elsewhere") << ""
                                                                          << "folder link";
    QTest::newRow("a link at the side file's name to a file elsewhere") << ARCHIVE + ".md5"
                                                                        << "file link";
    QTest::newRow("a FIFO at the side file's name") << ARCHIVE + ".md5"
                                                    << "fifo";
    QTest::newRow("a full stick") << ARCHIVE << "full";
}

// A link on the stick would have the archive or its checksum written over a
// file elsewhere: the backup fails instead, as on a full stick. The archive,
// as large as the user data, does not stay in /home, where the logger needs
// the room.
void tst_UserDataBackupController::backupThatCannotWriteOnTheStickKeepsNoArchive()
{
    QFETCH(QString, planted);
    QFETCH(QString, kind);
    const QString elsewhere = TTestEnvironment::root() + QStringLiteral("/elsewhere");
    TTestEnvironment::removeUnderRoot(elsewhere);
    QVERIFY(writeFile(elsewhere + QStringLiteral("/kept"), "kept"));
    const QString name = QDir::cleanPath(onStick(planted));
    QVERIFY(QDir().mkpath(QFileInfo(name).absolutePath()));
    std::unique_ptr<TFifoGuard> fifo;
    if (kind == QLatin1String("file link"))
        QVERIFY(QFile::link(elsewhere + QStringLiteral("/kept"), name));
    else if (kind == QLatin1String("folder link"))
        QVERIFY(QFile::link(elsewhere, name));
    else if (kind == QLatin1String("fifo"))
        fifo = std::make_unique<TFifoGuard>(name);
    else
        QVERIFY(TSimulatedUSBStick::setCapacity(TSimulatedUSBStick::usedBytes() + 10));

    const QString archive = TUserDataBackupController::createBackupOnUSBStick();
    QVERIFY(TSimulatedUSBStick::setCapacity(-1));
    QCOMPARE(archive, QString());
    QVERIFY(!ejected());
    // tar did make it: the stick's copy is what failed.
    QVERIFY(TTestEnvironment::recordedCommands().join(QLatin1Char('\n')).contains(QStringLiteral("tar -czf")));
    QVERIFY(!QFileInfo::exists(home(ARCHIVE)));
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{QStringLiteral("kept")});
    QCOMPARE(readFile(elsewhere + QStringLiteral("/kept")), QByteArray("kept"));
    if (kind != QLatin1String("full"))
        QVERIFY(plantStaysAsItWas(name, fifo.get()));
    TTestEnvironment::removeUnderRoot(elsewhere);
}

QString tst_UserDataBackupController::putArchiveOnStick(const TScratchFolder& pScratch, const QString& pName,
                                                        const std::function<bool(const QString&)>& pLayout,
                                                        const QStringList& pTarArguments)
{
    // Inside the root, where the settings store writes what it is given.
    const QString inside = pScratch.filePath(QStringLiteral("in"));
    // The layout's writes leave the cause of their failure behind as the C library's error.
    errno = 0;
    if (!QDir().mkpath(inside) || !pLayout(inside) || !QDir().mkpath(stickDirectory()))
        return QStringLiteral("the archive's files cannot be laid out in \"%1\": %2")
            .arg(inside, qt_error_string(errno));
    QByteArray said;
    if (run(QStringLiteral("tar"), QStringList{QStringLiteral("-czf"), onStick(pName)} + pTarArguments, inside,
            &said) != 0 ||
        run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("md5sum '%1' > '%1.md5'").arg(pName)},
            stickDirectory(), &said) != 0)
        return QStringLiteral("the archive cannot be put on the stick: %1").arg(QString::fromLocal8Bit(said));
    return QString();
}

namespace
{
// The backup set of another instrument state: a serial number and a setting of its own.
bool restoredSet(const QString& pDirectory)
{
    TTamarindSettings other(pDirectory + QStringLiteral("/Settings/ZELK/settings.xml"));
    other.setValue(QStringLiteral("logger"), QStringLiteral("interval"), QStringLiteral("5000"));
    const QByteArray owned = QFile::encodeName(pDirectory + QStringLiteral("/Logfiles/owned"));
    // Only root may give a file to another user; anyone else's archive holds the file as the user's own.
    // chown clears the set-user-ID bit: the mode goes last.
    return writeFile(pDirectory + QStringLiteral("/serialnumber"), "RESTORED") &&
           writeFile(pDirectory + QStringLiteral("/Logfiles/old.log"), "old") && writeFile(owned, "x") &&
           (::geteuid() != 0 || ::chown(owned.constData(), 4242, 4242) == 0) &&
           ::chmod(owned.constData(), 04755) == 0 && other.store();
}
} // namespace

void tst_UserDataBackupController::restoreTakesTheArchiveBack_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<bool>("upperCaseDigest");
    QTest::addColumn<bool>("archiveNameInHome");
    QTest::newRow("side file as md5sum writes it") << ARCHIVE << false << false;
    QTest::newRow("upper-case digest") << ARCHIVE << true << false;
    QTest::newRow("a file of the archive's name in /home") << ARCHIVE << false << true;
    QTest::newRow("of an instrument without serial number") << QStringLiteral("_backup.tar.gz") << false << false;
}

void tst_UserDataBackupController::restoreTakesTheArchiveBack()
{
    QFETCH(QString, archive);
    QFETCH(bool, upperCaseDigest);
    QFETCH(bool, archiveNameInHome);
    TAMARIND_SCRATCH_FOLDER(scratch, QStringLiteral("scratch"));
    const QString unput =
        putArchiveOnStick(scratch, archive, restoredSet,
                          {QStringLiteral("serialnumber"), QStringLiteral("Settings/"), QStringLiteral("Logfiles/")});
    QVERIFY2(unput.isEmpty(), qPrintable(unput));
    if (upperCaseDigest) {
        const QByteArray side = readFile(onStick(archive + QStringLiteral(".md5")));
        const int blanks = side.indexOf("  ");
        QVERIFY(writeFile(onStick(archive + QStringLiteral(".md5")), side.left(blanks).toUpper() + side.mid(blanks)));
    }
    if (archiveNameInHome)
        QVERIFY(writeFile(home(archive), "stale"));

    QVERIFY(TUserDataBackupController::restoreDataFromBackup(archive));
    QCOMPARE(readFile(home(QStringLiteral("serialnumber"))), QByteArray("RESTORED"));
    QCOMPARE(readFile(home(QStringLiteral("Logfiles/old.log"))), QByteArray("old"));
    // The archive's owner and set-user-ID bit do not come back.
    struct stat owned;
    QCOMPARE(::stat(QFile::encodeName(home(QStringLiteral("Logfiles/owned"))).constData(), &owned), 0);
    QCOMPARE(owned.st_uid, ::getuid());
    QCOMPARE(owned.st_mode & 07000, mode_t(0));
    // Files that were not in the archive stay.
    QCOMPARE(readFile(home(QStringLiteral("Logfiles/run 1.log"))), QByteArray("12:00;23.4567\r\n"));
    QVERIFY(!QFileInfo::exists(home(archive)));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral(".userdata-restore"))));
    QVERIFY(ejected());
    // The program goes on with the restored settings and does not store its old ones over them.
    TTamarindSettings& settings = TTamarindSettings::instance();
    QCOMPARE(settings.value(QStringLiteral("logger"), QStringLiteral("interval")), QStringLiteral("5000"));
    settings.setValue(QStringLiteral("other"), QStringLiteral("key"), QStringLiteral("1"));
    QVERIFY(settings.store());
    QCOMPARE(TTamarindSettings(QLatin1String(TTamarindSettings::SETTINGS_FILE_PATH))
                 .value(QStringLiteral("logger"), QStringLiteral("interval")),
             QStringLiteral("5000"));
}

void tst_UserDataBackupController::restoreRefusesAndLeavesHomeAlone_data()
{
    using TLayout = TArchiveLayout;
    QTest::addColumn<QString>("name");
    QTest::addColumn<TLayout>("layout");
    QTest::addColumn<QStringList>("tarArguments");
    QTest::addColumn<QString>("sideFile");
    const QStringList setMembers{QStringLiteral("serialnumber"), QStringLiteral("Settings/")};
    QTest::newRow("side file with one blank") << ARCHIVE << TLayout(restoredSet) << setMembers << "one blank";
    QTest::newRow("side file of another archive") << ARCHIVE << TLayout(restoredSet) << setMembers << "other";
    QTest::newRow("no side file") << ARCHIVE << TLayout(restoredSet) << setMembers << "none";
    QTest::newRow("name climbs out") << "../ZT-1234_backup.tar.gz" << TLayout(restoredSet) << setMembers << "";
    QTest::newRow("the program's name") << "ZTM8800_UI" << TLayout(restoredSet) << setMembers << "";
    QTest::newRow("archive too large") << ARCHIVE << TLayout(restoredSet) << setMembers << "too large";
    QTest::newRow("archive is a FIFO") << ARCHIVE << TLayout(restoredSet) << setMembers << "fifo archive";
    QTest::newRow("side file is a FIFO") << ARCHIVE << TLayout(restoredSet) << setMembers << "fifo side file";
    QTest::newRow("program file in the archive") << ARCHIVE << TLayout([](const QString& pDirectory) {
        return restoredSet(pDirectory) && writeFile(pDirectory + QStringLiteral("/ZTM8800_UI"), "evil");
    }) << QStringList{QStringLiteral("serialnumber"), QStringLiteral("ZTM8800_UI")}
                                                 << "";
    QTest::newRow("link in a backup directory") << ARCHIVE << TLayout([](const QString& pDirectory) {
        return restoredSet(pDirectory) &&
               QFile::link(QStringLiteral("/etc"), pDirectory + QStringLiteral("/Settings/etc"));
    }) << setMembers << "";
    QTest::newRow("member climbing out") << ARCHIVE << TLayout([](const QString& pDirectory) {
        return restoredSet(pDirectory) && writeFile(pDirectory + QStringLiteral("/../outside"), "evil");
    }) << QStringList{QStringLiteral("-P"), QStringLiteral("serialnumber"), QStringLiteral("Logfiles/../../outside")}
                                         << "";
    QTest::newRow("absolute member") << ARCHIVE << TLayout([](const QString& pDirectory) {
        return restoredSet(pDirectory) && writeFile(pDirectory + QStringLiteral("/../absolute"), "evil");
    }) << QStringList{QStringLiteral("-P"), QStringLiteral("serialnumber"), QStringLiteral("%1")}
                                     << "absolute";
    QTest::newRow("hard link") << ARCHIVE << TLayout([](const QString& pDirectory) {
        return restoredSet(pDirectory) &&
               run(QStringLiteral("ln"), {QStringLiteral("serialnumber"), QStringLiteral("Logfiles/twin")},
                   pDirectory) == 0;
    }) << QStringList{QStringLiteral("serialnumber"), QStringLiteral("Logfiles/")}
                               << "";
}

void tst_UserDataBackupController::restoreRefusesAndLeavesHomeAlone()
{
    using TLayout = TArchiveLayout;
    QFETCH(QString, name);
    QFETCH(TLayout, layout);
    QFETCH(QStringList, tarArguments);
    QFETCH(QString, sideFile);
    const QString archive = QFileInfo(name).fileName();
    TAMARIND_SCRATCH_FOLDER(scratch, QStringLiteral("scratch"));
    const QString absolute = scratch.filePath(QStringLiteral("absolute"));
    if (sideFile == QLatin1String("absolute"))
        tarArguments.last() = absolute;
    const QString unput = putArchiveOnStick(
        scratch, archive,
        [&](const QString& pDirectory) {
            return layout(pDirectory) && (sideFile != QLatin1String("absolute") || writeFile(absolute, "evil"));
        },
        tarArguments);
    QVERIFY2(unput.isEmpty(), qPrintable(unput));
    const QString side = onStick(archive + QStringLiteral(".md5"));
    const QByteArray digest = readFile(side).left(32);
    if (sideFile == QLatin1String("one blank"))
        QVERIFY(writeFile(side, digest + ' ' + archive.toLatin1()));
    else if (sideFile == QLatin1String("other"))
        QVERIFY(writeFile(side, QByteArray(32, '0') + "  " + archive.toLatin1()));
    else if (sideFile == QLatin1String("none"))
        QVERIFY(TTestEnvironment::removeUnderRoot(side));
    std::unique_ptr<TFifoGuard> fifo;
    if (sideFile.startsWith(QLatin1String("fifo"))) {
        const QString swapped = sideFile == QLatin1String("fifo archive") ? onStick(archive) : side;
        QVERIFY(TTestEnvironment::removeUnderRoot(swapped));
        fifo = std::make_unique<TFifoGuard>(swapped);
        QVERIFY(fifo->isMade());
    }
    if (sideFile == QLatin1String("too large"))
        TUserDataBackupController::setLargestArchiveSize(QFileInfo(onStick(archive)).size() - 1);

    const bool restored = TUserDataBackupController::restoreDataFromBackup(name);
    TUserDataBackupController::setLargestArchiveSize(0);
    QVERIFY(!restored);
    if (fifo)
        QVERIFY(!fifo->readerWaited());
    QCOMPARE(readFile(home(QStringLiteral("serialnumber"))), SERIAL_NUMBER.toLatin1());
    QCOMPARE(readFile(home(QStringLiteral("ZTM8800_UI"))), PROGRAM);
    QVERIFY(archive == QLatin1String("ZTM8800_UI") || !QFileInfo::exists(home(archive)));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("Settings/etc"))));
    QVERIFY(!QFileInfo::exists(TTestEnvironment::root() + QStringLiteral("/outside")));
    QCOMPARE(readFile(absolute), sideFile == QLatin1String("absolute") ? QByteArray("evil") : QByteArray("(missing)"));
    QVERIFY(!TTestEnvironment::recordedCommands().join(QLatin1Char('\n')).contains(QStringLiteral("-xzf")));
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("logger"), QStringLiteral("interval")),
             QStringLiteral("1000"));
}

// A full disk as tar meets it while unpacking: what it unpacked before must
// not stay, neither on disk nor as a cut file.
void tst_UserDataBackupController::restoreThatFailsHalfWayLeavesHomeAsItWas()
{
    const QByteArray large(400000, 'z');
    TAMARIND_SCRATCH_FOLDER(scratch, QStringLiteral("scratch"));
    const QString unput = putArchiveOnStick(
        scratch, ARCHIVE,
        [&large](const QString& pDirectory) {
            return restoredSet(pDirectory) && writeFile(pDirectory + QStringLiteral("/Logfiles/large.log"), large);
        },
        {QStringLiteral("serialnumber"), QStringLiteral("Settings/"), QStringLiteral("Logfiles/")});
    QVERIFY2(unput.isEmpty(), qPrintable(unput));
    const QByteArray settingsFile = readFile(home(QStringLiteral("Settings/ZELK/settings.xml")));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = large.size() / 2;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool restored = TUserDataBackupController::restoreDataFromBackup(ARCHIVE);
    setrlimit(RLIMIT_FSIZE, &old);

    QVERIFY(!restored);
    QVERIFY(TTestEnvironment::recordedCommands().join(QLatin1Char('\n')).contains(QStringLiteral("-xzf")));
    QCOMPARE(readFile(home(QStringLiteral("serialnumber"))), SERIAL_NUMBER.toLatin1());
    QCOMPARE(readFile(home(QStringLiteral("Settings/ZELK/settings.xml"))), settingsFile);
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("Logfiles/large.log"))));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("Logfiles/old.log"))));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral(".userdata-restore"))));
    QVERIFY(!QFileInfo::exists(home(ARCHIVE)));
}

namespace
{
constexpr uid_t STRANGER = 4242;

bool ownAndMode(const QString& pPath, uid_t pOwner, mode_t pMode)
{
    const QByteArray path = QFile::encodeName(pPath);
    // chown clears the set-user-ID and set-group-ID bits: the mode goes last.
    return ::chown(path.constData(), pOwner, pOwner) == 0 && ::chmod(path.constData(), pMode) == 0;
}

// A crafted archive: everything owned by a stranger, with set-user-ID,
// set-group-ID and sticky bits, for a folder /home has and one it has not.
bool strangersSet(const QString& pDirectory)
{
    const QString logfiles = pDirectory + QStringLiteral("/Logfiles");
    const QString setups = pDirectory + QStringLiteral("/CalibrationSetups");
    return writeFile(logfiles + QStringLiteral("/rootsuid"), "x") &&
           writeFile(setups + QStringLiteral("/setup.xml"), "<setup/>") &&
           ownAndMode(logfiles + QStringLiteral("/rootsuid"), STRANGER, 06755) &&
           ownAndMode(setups + QStringLiteral("/setup.xml"), STRANGER, 04644) &&
           ownAndMode(logfiles, STRANGER, 03777) && ownAndMode(setups, STRANGER, 03777);
}
} // namespace

// A backup from a stick may be crafted: whatever it holds belongs to the
// program's own user, and the folders of /home stay as they were set up.
void tst_UserDataBackupController::restoreTakesNoOwnerNorSpecialModeFromTheArchive_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<uint>("owner");
    // The whole mode where it must stay as it was; -1 where only the special bits must be gone.
    QTest::addColumn<int>("mode");
    const uint programUser = ::getuid();
    QTest::newRow("a set-user-ID file of a stranger") << "Logfiles/rootsuid" << programUser << -1;
    QTest::newRow("a folder new to /home") << "CalibrationSetups" << programUser << -1;
    QTest::newRow("a file in a folder new to /home") << "CalibrationSetups/setup.xml" << programUser << -1;
    QTest::newRow("a folder /home has") << "Logfiles" << uint(5151) << 0750;
}

void tst_UserDataBackupController::restoreTakesNoOwnerNorSpecialModeFromTheArchive()
{
    QFETCH(QString, path);
    QFETCH(uint, owner);
    QFETCH(int, mode);
    // Only root can make the stranger's archive, and tar takes owners and
    // special bits from an archive only when run as root, as the instrument's
    // program is: run by anyone else these rows would pass whatever the
    // restore does.
    if (::geteuid() != 0)
        QSKIP("Owners and special bits come from an archive only when run as root");
    TAMARIND_SCRATCH_FOLDER(scratch, QStringLiteral("scratch"));
    const QString unput = putArchiveOnStick(scratch, ARCHIVE, strangersSet,
                                            {QStringLiteral("Logfiles/"), QStringLiteral("CalibrationSetups/")});
    QVERIFY2(unput.isEmpty(), qPrintable(unput));
    QVERIFY(ownAndMode(home(QStringLiteral("Logfiles")), 5151, 0750));

    QVERIFY(TUserDataBackupController::restoreDataFromBackup(ARCHIVE));

    QCOMPARE(readFile(home(QStringLiteral("CalibrationSetups/setup.xml"))), QByteArray("<setup/>"));
    struct stat status;
    QCOMPARE(::lstat(QFile::encodeName(home(path)).constData(), &status), 0);
    QCOMPARE(uint(status.st_uid), owner);
    QCOMPARE(status.st_mode & 07000, mode_t(0));
    if (mode >= 0)
        QCOMPARE(status.st_mode & 07777, mode_t(mode));
}

// Where the power failed during a restore or a backup, the program's next
// start removes what they left in /home, and only that.
void tst_UserDataBackupController::leftoversOfACutRestoreGoAtStart_data()
{
    QTest::addColumn<QString>("name");
    // Empty for a file; else the entry is a link to this, below /home.
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<bool>("leftover");
    QTest::newRow("the half-unpacked files") << ".userdata-restore/Logfiles/cut.log"
                                             << "" << true;
    QTest::newRow("the copied archive") << ARCHIVE << "" << true;
    QTest::newRow("the archive of an instrument without serial number") << "_backup.tar.gz"
                                                                        << "" << true;
    QTest::newRow("the staging name, a link to a folder") << ".userdata-restore"
                                                          << "Logfiles" << true;
    QTest::newRow("an archive's name, a link to the program") << ARCHIVE << "ZTM8800_UI" << true;
    QTest::newRow("a log file named like an archive") << "Logfiles/ZT-1234_backup.tar.gz"
                                                      << "" << false;
    QTest::newRow("a name the archive's ends in") << "backup.tar.gz"
                                                  << "" << false;
    QTest::newRow("a folder named like an archive") << "old_backup.tar.gz/kept"
                                                    << "" << false;
}

void tst_UserDataBackupController::leftoversOfACutRestoreGoAtStart()
{
    QFETCH(QString, name);
    QFETCH(QString, linkTo);
    QFETCH(bool, leftover);
    if (linkTo.isEmpty())
        QVERIFY(writeFile(home(name), "partial"));
    else
        QVERIFY(QFile::link(home(linkTo), home(name)));
    const QFileInfo topLevel(home(name.section(QLatin1Char('/'), 0, 0)));

    TUserDataBackupController::removeLeftovers();

    QCOMPARE(QFileInfo(home(name)).exists() || QFileInfo(home(name)).isSymLink(), !leftover);
    QCOMPARE(QFileInfo(topLevel.filePath()).exists() || QFileInfo(topLevel.filePath()).isSymLink(), !leftover);
    QCOMPARE(readFile(home(QStringLiteral("ZTM8800_UI"))), PROGRAM);
    QCOMPARE(readFile(home(QStringLiteral("Logfiles/run 1.log"))), QByteArray("12:00;23.4567\r\n"));
    QCOMPARE(readFile(home(QStringLiteral("serialnumber"))), SERIAL_NUMBER.toLatin1());
}

TAMARIND_TEST_MAIN(tst_UserDataBackupController)
#include "tst_userdatabackupcontroller.moc"

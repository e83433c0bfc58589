#include "deviceroot.h"
#include "fileversionreader.h"
#include "firmwarestick.h"
#include "firmwareupdaterui.h"
#include "instrumentinfo.h"
#include "messagerecorder.h"
#include "simulatedboardlink.h"
#include "simulatedusbstick.h"
#include "testidentity.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <csignal>
#include <memory>
#include <sys/resource.h>

// The updater against the simulated stick under the test's root: the update
// files are laid there as a user copies them, the program it replaces is
// "/home/ZTM8800_UI" inside the root, and the restart is read from the
// commands the runner recorded.
class tst_FirmwareUpdaterUI : public QObject
{
    Q_OBJECT

public:
    struct TStickEntry
    {
        enum EnKind { ekFile, ekDirectory, ekLinkOffStick };
        EnKind mKind = ekFile;
        QString mName;
        QByteArray mContent;
        TFirmwareStick::EnChecksumForm mChecksum = TFirmwareStick::cfRawDigest;
    };

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void searchChecksInOrder_data();
    void searchChecksInOrder();
    void declinedUpdateCopiesNothing();
    void digestMismatchInstallsNothing_data();
    void digestMismatchInstallsNothing();
    void installReplacesTheProgramAndRestarts_data();
    void installReplacesTheProgramAndRestarts();
    void failedInstallKeepsTheOldProgram_data();
    void failedInstallKeepsTheOldProgram();

private:
    struct TUpdateRun
    {
        EnFirmwareUpdateResult mResult = furNoUSBStickConnected;
        QString mQuestion;
        QStringList mMessages;
    };
    // Answers the question with the button pAnswer (pAtQuestion runs while it
    // is open) and records every message that follows it.
    static TUpdateRun update(TFirmwareUpdaterUI& pUpdater, const QString& pAnswer,
                             const std::function<void()>& pAtQuestion = {});
    void identifyAs(EnInstrumentType pType);

    std::unique_ptr<TSimulatedBoardLink> mBoard;
};

Q_DECLARE_METATYPE(QList<tst_FirmwareUpdaterUI::TStickEntry>)

namespace
{
const QString DIRECTORY = "ZTM9900";
const QString PATTERN = "*ZTM9900_UI*.dat";
const QString TAG = "ZTM8800UI";
const QString EXECUTABLE = "ZTM8800_UI";
const QString PROGRAM = "/home/ZTM8800_UI";
const QString NEW_PROGRAM = "/home/ZTM8800_UI.new";
const QByteArray OLD_PROGRAM = "\x7f"
                               "ELF the program that runs now";
const QString UPDATE_NAME = "ZTM9900_UI_2.3.4.dat";
const TFileVersion UPDATE_VERSION(2, 3, 4, 90000);

// Large enough to be hashed in several blocks, and not a multiple of a block.
QByteArray newProgram()
{
    QByteArray program;
    for (int i = 0; program.size() < 3 * 8192 + 100; ++i)
        program += QByteArray::number(i) + ' ';
    return program;
}

tst_FirmwareUpdaterUI::TStickEntry firmware(const QString& pName, const TFileVersion& pVersion,
                                            TFirmwareStick::EnChecksumForm pChecksum = TFirmwareStick::cfRawDigest,
                                            const QString& pTag = TAG)
{
    return {tst_FirmwareUpdaterUI::TStickEntry::ekFile, pName, TFirmwareStick::updateFile(newProgram(), pTag, pVersion),
            pChecksum};
}

tst_FirmwareUpdaterUI::TStickEntry entry(tst_FirmwareUpdaterUI::TStickEntry::EnKind pKind, const QString& pName)
{
    return {pKind, pName, QByteArray(), TFirmwareStick::cfNone};
}

QString host(const QString& pDevicePath)
{
    return TDeviceRoot::path(pDevicePath);
}

bool writeHostFile(const QString& pPath, const QByteArray& pContent)
{
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly) && file.write(pContent) == pContent.size();
}

bool layOut(const QList<tst_FirmwareUpdaterUI::TStickEntry>& pEntries)
{
    for (const tst_FirmwareUpdaterUI::TStickEntry& stickEntry : pEntries) {
        const QString path = TFirmwareStick::pathOnStick(DIRECTORY + '/' + stickEntry.mName);
        switch (stickEntry.mKind) {
        case tst_FirmwareUpdaterUI::TStickEntry::ekFile:
            if (!TFirmwareStick::write(DIRECTORY, stickEntry.mName, stickEntry.mContent, stickEntry.mChecksum))
                return false;
            break;
        case tst_FirmwareUpdaterUI::TStickEntry::ekDirectory:
            if (!QDir().mkpath(path))
                return false;
            break;
        case tst_FirmwareUpdaterUI::TStickEntry::ekLinkOffStick: {
            // A valid pair, but the firmware the link names lies outside the stick.
            const QString outside = host("/home/elsewhere.dat");
            const QByteArray content = TFirmwareStick::updateFile(newProgram(), TAG, UPDATE_VERSION);
            if (!writeHostFile(outside, content) || !QFile::link(outside, path) ||
                !writeHostFile(path.left(path.size() - 4) + ".chk",
                               QCryptographicHash::hash(content, QCryptographicHash::Sha1)))
                return false;
            break;
        }
        }
    }
    return true;
}
} // namespace

void tst_FirmwareUpdaterUI::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mBoard);
    identifyAs(ZTM9900);
}

void tst_FirmwareUpdaterUI::cleanupTestCase()
{
    TInstrumentInfo::instance()->initialize(nullptr);
    mBoard.reset();
}

void tst_FirmwareUpdaterUI::identifyAs(EnInstrumentType pType)
{
    if (pType == EnInstrumentType(0))
        TInstrumentInfo::instance()->initialize(nullptr);
    else
        QVERIFY(identifyBoardAs(*mBoard, pType));
}

void tst_FirmwareUpdaterUI::init()
{
    identifyAs(ZTM9900);
    // A pulled stick stays mounted until somebody unmounts it; start unmounted.
    TSimulatedUSBStick::remove();
    for (const QString& stale : QStringList{"/dev/usbstick", "/etc/mtab", "/media/usb"})
        TTestEnvironment::removeUnderRoot(stale);
    QVERIFY(TTestEnvironment::removeUnderRoot(TSimulatedUSBStick::mediumDirectory()));
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QVERIFY(TTestEnvironment::removeUnderRoot("/tmp"));
    QVERIFY(TTestEnvironment::removeUnderRoot("/home"));
    TAMARIND_WRITE_DEVICE_FILE(PROGRAM, OLD_PROGRAM);
    TTestEnvironment::clearRecordedCommands();
}

tst_FirmwareUpdaterUI::TUpdateRun tst_FirmwareUpdaterUI::update(TFirmwareUpdaterUI& pUpdater, const QString& pAnswer,
                                                                const std::function<void()>& pAtQuestion)
{
    TUpdateRun run;
    std::unique_ptr<TMessageRecorder> recorder;
    TModalAnswer::onNextModal([&](QWidget* pQuestion) {
        run.mQuestion = pQuestion->findChild<QLabel*>("LblText")->text();
        if (pAtQuestion)
            pAtQuestion();
        QTest::mouseClick(pQuestion->findChild<QWidget*>(pAnswer), Qt::LeftButton);
        recorder = std::make_unique<TMessageRecorder>();
    });
    run.mResult = pUpdater.updateFirmware(EXECUTABLE);
    if (recorder)
        run.mMessages = recorder->texts();
    return run;
}

void tst_FirmwareUpdaterUI::searchChecksInOrder_data()
{
    using Entries = QList<TStickEntry>;
    QTest::addColumn<bool>("stickIn");
    QTest::addColumn<bool>("directory");
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("version");

    const auto valid = firmware(UPDATE_NAME, UPDATE_VERSION);
    const auto build = [](unsigned int pBuild) { return firmware(UPDATE_NAME, TFileVersion(1, 0, 0, pBuild)); };

    QTest::newRow("no stick") << false << true << ZTM9900 << PATTERN << Entries{valid} << 0 << "0.0.0.0";
    QTest::newRow("no instrument directory") << true << false << ZTM9900 << PATTERN << Entries{} << 1 << "0.0.0.0";
    QTest::newRow("nothing matches") << true << true << ZTM9900 << PATTERN
                                     << Entries{firmware("ZTM8800_UI_2.dat", UPDATE_VERSION)} << 2 << "0.0.0.0";
    QTest::newRow("empty pattern of an unknown instrument")
        << true << true << ZTM9900 << QString() << Entries{valid} << 2 << "0.0.0.0";
    QTest::newRow("a matching directory is no file")
        << true << true << ZTM9900 << PATTERN << Entries{entry(TStickEntry::ekDirectory, "ZTM9900_UI_old.dat")} << 2
        << "0.0.0.0";
    QTest::newRow("a matching link leads off the stick")
        << true << true << ZTM9900 << PATTERN << Entries{entry(TStickEntry::ekLinkOffStick, "ZTM9900_UI_x.dat")} << 2
        << "0.0.0.0";
    QTest::newRow("two updates") << true << true << ZTM9900 << PATTERN
                                 << Entries{valid, firmware("ZTM9900_UI_1.dat", UPDATE_VERSION)} << 3 << "0.0.0.0";
    QTest::newRow("two matches, one no firmware")
        << true << true << ZTM9900 << PATTERN
        << Entries{valid, {TStickEntry::ekFile, "old_ZTM9900_UI.dat", "text", TFirmwareStick::cfNone}} << 3
        << "0.0.0.0";
    QTest::newRow("wrong tag") << true << true << ZTM9900 << PATTERN
                               << Entries{firmware(UPDATE_NAME, UPDATE_VERSION, TFirmwareStick::cfRawDigest,
                                                   "ZTM9900UI")}
                               << 4 << "2.3.4.90000";
    QTest::newRow("shorter than the trailer")
        << true << true << ZTM9900 << PATTERN
        << Entries{{TStickEntry::ekFile, UPDATE_NAME, "ZTM8800UI", TFirmwareStick::cfRawDigest}} << 4 << "0.0.0.0";
    QTest::newRow("wrong tag decides before a missing checksum")
        << true << true << ZTM9900 << PATTERN
        << Entries{firmware(UPDATE_NAME, UPDATE_VERSION, TFirmwareStick::cfNone, "ZTM9900UI")} << 4 << "2.3.4.90000";
    QTest::newRow("type 2, build 84981") << true << true << ZTM8800v2 << PATTERN << Entries{build(84981)} << 4
                                         << "1.0.0.84981";
    QTest::newRow("type 2, build 84982") << true << true << ZTM8800v2 << PATTERN << Entries{build(84982)} << 10
                                         << "1.0.0.84982";
    QTest::newRow("type 3, build 84981") << true << true << ZTM9900 << PATTERN << Entries{build(84981)} << 4
                                         << "1.0.0.84981";
    QTest::newRow("type 1, build 1") << true << true << ZTM8800 << PATTERN << Entries{build(1)} << 10 << "1.0.0.1";
    QTest::newRow("no board identity") << true << true << EnInstrumentType(0) << PATTERN << Entries{valid} << 4
                                       << "2.3.4.90000";
    QTest::newRow("no checksum file") << true << true << ZTM9900 << PATTERN
                                      << Entries{firmware(UPDATE_NAME, UPDATE_VERSION, TFirmwareStick::cfNone)} << 5
                                      << "2.3.4.90000";
    QTest::newRow("valid update") << true << true << ZTM9900 << PATTERN << Entries{valid} << 10 << "2.3.4.90000";
}

void tst_FirmwareUpdaterUI::searchChecksInOrder()
{
    QFETCH(bool, stickIn);
    QFETCH(bool, directory);
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, pattern);
    QFETCH(QList<TStickEntry>, entries);
    QFETCH(int, result);
    QFETCH(QString, version);

    if (directory)
        QVERIFY(QDir().mkpath(TFirmwareStick::pathOnStick(DIRECTORY)));
    QVERIFY(layOut(entries));
    identifyAs(instrumentType);
    if (!stickIn)
        QVERIFY(TSimulatedUSBStick::remove());

    TFirmwareUpdaterUI updater(DIRECTORY, pattern, TAG);
    QString name = "stale";
    TFileVersion found(9, 9, 9, 9);
    QCOMPARE(int(updater.findFirmwareOnStick(name, found)), result);
    QCOMPARE(found.toString(), version);
    QCOMPARE(name, result >= furInvalidFirmware ? entries.first().mName : QString());
}

void tst_FirmwareUpdaterUI::declinedUpdateCopiesNothing()
{
    QVERIFY(layOut({firmware(UPDATE_NAME, UPDATE_VERSION)}));
    TFirmwareUpdaterUI updater(DIRECTORY, PATTERN, TAG);
    const TUpdateRun run = update(updater, "BtnNo");

    QCOMPARE(run.mResult, furFirmwareFound);
    QCOMPARE(run.mQuestion, QString("Updating from version %1 to version 2.3.4.90000. Would you like to proceed?")
                                .arg(TFileVersionReader::determineFileVersion().toString()));
    QCOMPARE(run.mMessages, QStringList());
    QVERIFY(QDir(host("/tmp")).isEmpty());
    QCOMPARE(TTestEnvironment::readDeviceFile(PROGRAM), OLD_PROGRAM);
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

void tst_FirmwareUpdaterUI::digestMismatchInstallsNothing_data()
{
    const QByteArray digest = QCryptographicHash::hash(TFirmwareStick::updateFile(newProgram(), TAG, UPDATE_VERSION),
                                                       QCryptographicHash::Sha1);
    QTest::addColumn<QByteArray>("checksum");
    QTest::newRow("digest as hexadecimal text") << digest.toHex();
    QTest::newRow("digest with a line end") << digest + '\n';
    QTest::newRow("digest of other content") << QCryptographicHash::hash("other", QCryptographicHash::Sha1);
    QTest::newRow("digest cut short") << digest.left(19);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("digest followed by a megabyte") << digest + QByteArray(1 << 20, '\0');
}

void tst_FirmwareUpdaterUI::digestMismatchInstallsNothing()
{
    QFETCH(QByteArray, checksum);
    const TStickEntry update = firmware(UPDATE_NAME, UPDATE_VERSION, TFirmwareStick::cfNone);
    QVERIFY(layOut({update}));
    QVERIFY(writeHostFile(TFirmwareStick::pathOnStick(DIRECTORY + "/ZTM9900_UI_2.3.4.chk"), checksum));

    TFirmwareUpdaterUI updater(DIRECTORY, PATTERN, TAG);
    const TUpdateRun run = this->update(updater, "BtnYes");
    QCOMPARE(run.mResult, furChecksumMismatch);
    QCOMPARE(run.mMessages, QStringList());
    QVERIFY(QDir(host("/tmp")).isEmpty());
    QCOMPARE(TTestEnvironment::readDeviceFile(PROGRAM), OLD_PROGRAM);
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

namespace
{
// The updater as it restarts on another operating-system platform.
class TUpdaterOnPlatform : public TFirmwareUpdaterUI
{
public:
    explicit TUpdaterOnPlatform(unsigned short pPlatform)
        : TFirmwareUpdaterUI(DIRECTORY, PATTERN, TAG), mPlatform(pPlatform)
    {
    }

protected:
    unsigned short platformVersion_Major() const override { return mPlatform; }

private:
    unsigned short mPlatform;
};
} // namespace

void tst_FirmwareUpdaterUI::installReplacesTheProgramAndRestarts_data()
{
    QTest::addColumn<int>("platform");
    QTest::addColumn<QStringList>("restart");
    // No platform file under the root: the device's own answer, platform 1.
    QTest::newRow("platform 1 of the device") << 0 << QStringList{"reboot"};
    QTest::newRow("platform 2") << 2 << QStringList{"systemctl restart ztm8800_ui"};
    QTest::newRow("another platform") << 3 << QStringList();
}

void tst_FirmwareUpdaterUI::installReplacesTheProgramAndRestarts()
{
    QFETCH(int, platform);
    QFETCH(QStringList, restart);
    const TStickEntry update = firmware(UPDATE_NAME, UPDATE_VERSION);
    QVERIFY(layOut({update}));

    std::unique_ptr<TFirmwareUpdaterUI> updater = platform == 0
                                                      ? std::make_unique<TFirmwareUpdaterUI>(DIRECTORY, PATTERN, TAG)
                                                      : std::make_unique<TUpdaterOnPlatform>(platform);
    QStringList commandsBeforeReboot;
    int announced = 0;
    connect(updater.get(), &TFirmwareUpdaterUI::onBeforeReboot, this, [&]() {
        ++announced;
        commandsBeforeReboot = TTestEnvironment::recordedCommands();
    });
    const TUpdateRun run = this->update(*updater, "BtnYes");

    QCOMPARE(run.mResult, furFirmwareFound);
    QCOMPARE(run.mMessages, QStringList{"Firmware update successful. A restart of the instrument will now be done."});
    QCOMPARE(TTestEnvironment::readDeviceFile(PROGRAM), update.mContent);
    QVERIFY(QFileInfo(host(PROGRAM)).permissions() & QFile::ExeOwner);
    QVERIFY(!QFileInfo::exists(host(NEW_PROGRAM)));
    QVERIFY(QDir(host("/tmp")).isEmpty());
    const QStringList chmod{"chmod u+x /home/ZTM8800_UI.new"};
    QCOMPARE(announced, 1);
    QCOMPARE(commandsBeforeReboot, chmod);
    QCOMPARE(TTestEnvironment::recordedCommands(), chmod + restart);
}

void tst_FirmwareUpdaterUI::failedInstallKeepsTheOldProgram_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("stick pulled at the question") << "pulled";
    QTest::newRow("directory where the temporary copy goes") << "/tmp/" + UPDATE_NAME;
    QTest::newRow("directory where the new program goes") << NEW_PROGRAM;
    QTest::newRow("file size limit below the update's size") << "limit";
    QTest::newRow("chmod refuses") << "chmod";
}

void tst_FirmwareUpdaterUI::failedInstallKeepsTheOldProgram()
{
    QFETCH(QString, fault);
    QVERIFY(layOut({firmware(UPDATE_NAME, UPDATE_VERSION)}));
    if (fault.startsWith('/'))
        QVERIFY(QDir().mkpath(host(fault)));

    struct rlimit unlimited = {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const QByteArray path = qgetenv("PATH");
    if (fault == "chmod") {
        // The runner finds its file commands on the search path.
        const QString bin = TTestEnvironment::root() + "/failing-bin";
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(writeHostFile(bin + "/chmod", "#!/bin/sh\nexit 1\n"));
        QVERIFY(QFile::setPermissions(bin + "/chmod", QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    }
    const auto atQuestion = [&fault, &unlimited]() {
        if (fault == "pulled")
            QVERIFY(TSimulatedUSBStick::remove());
        if (fault == "limit") {
            // Past the limit writes fail instead of ending the process.
            signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit = unlimited;
            limit.rlim_cur = 8192;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        }
    };
    TFirmwareUpdaterUI updater(DIRECTORY, PATTERN, TAG);
    bool announced = false;
    connect(&updater, &TFirmwareUpdaterUI::onBeforeReboot, this, [&announced]() { announced = true; });
    const TUpdateRun run = update(updater, "BtnYes", atQuestion);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
    qputenv("PATH", path);

    QCOMPARE(run.mResult, furFileCopyError);
    QCOMPARE(run.mMessages, QStringList());
    QVERIFY(!announced);
    QCOMPARE(TTestEnvironment::readDeviceFile(PROGRAM), OLD_PROGRAM);
    QVERIFY(!QFileInfo(host(NEW_PROGRAM)).isFile());
    for (const QString& command : TTestEnvironment::recordedCommands())
        QVERIFY2(command.startsWith("chmod"), qPrintable(command));
}

TAMARIND_TEST_MAIN(tst_FirmwareUpdaterUI)
#include "tst_firmwareupdaterui.moc"

#include "boardcontrolinterpreter.h"
#include "deviceroot.h"
#include "fileversionreader.h"
#include "firmwarestick.h"
#include "firmwareupdaterui.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "simulatedusbstick.h"
#include "tamarindmainform.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
// The simulated board names itself a ZTM9900: its stick directory and update files carry that name.
const QString DIRECTORY = QStringLiteral("ZTM9900");
const QString PROGRAM = QStringLiteral("/home/ZTM8800_UI");
const QByteArray OLD_PROGRAM = "the program that runs now";
const QByteArray NEW_PROGRAM = "the program on the stick";
const TFileVersion UPDATE_VERSION(2, 3, 4, 90000);

bool putUpdate(const QString& pFileName)
{
    return TFirmwareStick::write(DIRECTORY, pFileName,
                                 TFirmwareStick::updateFile(NEW_PROGRAM, QStringLiteral("ZTM8800UI"), UPDATE_VERSION));
}
} // namespace

// The firmware update page of the service list on the real main window: the
// stick is the simulated one under the test's root, the program it replaces
// "/home/ZTM8800_UI" there, and the restart is read from the recorded commands.
class tst_MainWindowFirmware : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void messageOfEachResult_data();
    void messageOfEachResult();
    void openingWithoutStickIsSilent();
    void lookingShowsTheVersionOrTheReason_data();
    void lookingShowsTheVersionOrTheReason();
    void declinedUpdateKeepsTheVersion();
    void appliedUpdateInstallsAndRestarts();
    void unknownInstrumentFindsNoFile();

private:
    void openFirmwarePage();

    TMainWindowFixture mMain;
};

void tst_MainWindowFirmware::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowFirmware::init()
{
    TSimulatedUSBStick::remove();
    for (const QString& stale : {QStringLiteral("/dev/usbstick"), QStringLiteral("/etc/mtab")})
        TTestEnvironment::removeUnderRoot(stale);
    QVERIFY(TTestEnvironment::removeUnderRoot(TSimulatedUSBStick::mediumDirectory()));
    QVERIFY(TTestEnvironment::removeUnderRoot(QStringLiteral("/tmp")));
    TAMARIND_WRITE_DEVICE_FILE(PROGRAM, OLD_PROGRAM);
    TTestEnvironment::clearRecordedCommands();
}

void tst_MainWindowFirmware::cleanup()
{
    mMain.close();
    TBoardControlInterpreter(mMain.board()).execute(QStringLiteral("fault clear"));
}

void tst_MainWindowFirmware::openFirmwarePage()
{
    mMain.open(true);
    mMain.click("BtnService");
    mMain.click("BtnService_FirmwareUpdate_UI");
    QCOMPARE(mMain.menuPage(), mMain.child("PageFirmwareUpdateUI"));
}

void tst_MainWindowFirmware::messageOfEachResult_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no stick") << 0 << QStringList{"No connected USB stick found."};
    QTest::newRow("no instrument directory") << 1
                                             << QStringList{"Directory \"ZTM9900\" not found on USB stick. The new "
                                                            "firmware files have to be located there."};
    QTest::newRow("no firmware file") << 2 << QStringList{"No firmware files found in folder \"ZTM9900\"."};
    QTest::newRow("several firmware files") << 3
                                            << QStringList{"Multiple firmware files found. Please make sure that "
                                                           "there is only one firmware version on the USB stick."};
    QTest::newRow("invalid firmware") << 4
                                      << QStringList{"The detected firmware is not a valid ZTM9900 user interface "
                                                     "firmware."};
    QTest::newRow("no checksum file") << 5 << QStringList{"No checksum file found."};
    QTest::newRow("copy failed") << 6 << QStringList{"Error while copying the firmware files. Please try again."};
    QTest::newRow("firmware copy unreadable") << 7 << QStringList{"Cannot open firmware file. Please try again."};
    QTest::newRow("checksum copy unreadable") << 8 << QStringList{"Cannot open checksum file. Please try again."};
    QTest::newRow("checksum mismatch")
        << 9
        << QStringList{"The checksum of the firmware file is not correct. Please check if the right checksum file is "
                       "used and then try again."};
    QTest::newRow("firmware found") << 10 << QStringList();
    QTest::newRow("beyond the results") << 11 << QStringList();
}

void tst_MainWindowFirmware::messageOfEachResult()
{
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    mMain.open(false);
    TMessageRecorder recorder;
    mMain.window()->showFirmwareUpdateError(EnFirmwareUpdateResult(result));
    QCoreApplication::processEvents();
    QCOMPARE(recorder.texts(), messages);
}

void tst_MainWindowFirmware::openingWithoutStickIsSilent()
{
    QVERIFY(putUpdate(QStringLiteral("ZTM9900_UI_2.3.4.dat")));
    TMessageRecorder recorder;
    openFirmwarePage();
    QCOMPARE(recorder.texts(), QStringList());
    QCOMPARE(mMain.text("LblFirmwareUI_NewVersion"), QString());
    QCOMPARE(mMain.text("LblFirmwareUI_CurVersion"), TFileVersionReader::determineFileVersion().toString());

    mMain.click("BtnFindFirmwareUpdate_UI");
    QCOMPARE(recorder.texts(), QStringList{"No connected USB stick found."});
    QCOMPARE(mMain.text("LblFirmwareUI_NewVersion"), QString());
}

void tst_MainWindowFirmware::lookingShowsTheVersionOrTheReason_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("one valid update") << QStringList{"ZTM9900_UI_2.3.4.dat"} << "2.3.4.90000" << QStringList();
    QTest::newRow("two updates") << QStringList{"ZTM9900_UI_2.3.4.dat", "ZTM9900_UI_2.3.5.dat"} << ""
                                 << QStringList{"Multiple firmware files found. Please make sure that there is only "
                                                "one firmware version on the USB stick."};
    QTest::newRow("an update of the other model")
        << QStringList{"ZTM8800_UI_2.3.4.dat"} << "" << QStringList{"No firmware files found in folder \"ZTM9900\"."};
}

// Opening the page looks as silently as it does without a stick; the button says why nothing was found.
void tst_MainWindowFirmware::lookingShowsTheVersionOrTheReason()
{
    QFETCH(QStringList, files);
    QFETCH(QString, version);
    QFETCH(QStringList, messages);

    for (const QString& file : files)
        QVERIFY(putUpdate(file));
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    TMessageRecorder recorder;
    openFirmwarePage();
    QCOMPARE(recorder.texts(), QStringList());
    QCOMPARE(mMain.text("LblFirmwareUI_NewVersion"), version);
    mMain.snapshot(QStringLiteral("mainwindow_firmware_%1").arg(QTest::currentDataTag()).replace(' ', '_'));

    mMain.click("BtnFindFirmwareUpdate_UI");
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(mMain.text("LblFirmwareUI_NewVersion"), version);
}

void tst_MainWindowFirmware::declinedUpdateKeepsTheVersion()
{
    QVERIFY(putUpdate(QStringLiteral("ZTM9900_UI_2.3.4.dat")));
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    openFirmwarePage();
    QString question;
    TModalAnswer::onNextModal([&question](QWidget* pQuestion) {
        question = pQuestion->findChild<QLabel*>(QStringLiteral("LblText"))->text();
        QTest::mouseClick(pQuestion->findChild<QWidget*>(QStringLiteral("BtnNo")), Qt::LeftButton);
    });
    TMessageRecorder recorder;
    mMain.click("BtnDoFirmwareUpdate_UI");
    QCOMPARE(question, QStringLiteral("Updating from version %1 to version 2.3.4.90000. Would you like to proceed?")
                           .arg(TFileVersionReader::determineFileVersion().toString()));
    QCOMPARE(recorder.texts(), QStringList());
    QCOMPARE(mMain.text("LblFirmwareUI_NewVersion"), QStringLiteral("2.3.4.90000"));
    QCOMPARE(TTestEnvironment::readDeviceFile(PROGRAM), OLD_PROGRAM);
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

// Without an operating-system platform file the instrument counts as platform 1: the device reboots. The
// service restart of platform 2 is the updater's own concern.
void tst_MainWindowFirmware::appliedUpdateInstallsAndRestarts()
{
    QVERIFY(putUpdate(QStringLiteral("ZTM9900_UI_2.3.4.dat")));
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    openFirmwarePage();
    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    TMessageRecorder recorder;
    mMain.click("BtnDoFirmwareUpdate_UI");
    QCOMPARE(recorder.texts(),
             QStringList{"Firmware update successful. A restart of the instrument will now be done."});
    QVERIFY(TTestEnvironment::readDeviceFile(PROGRAM).startsWith(NEW_PROGRAM));
    QVERIFY(QFileInfo(TDeviceRoot::path(PROGRAM)).isExecutable());
    QVERIFY(TTestEnvironment::recordedCommands().contains(QStringLiteral("reboot")));
}

// Without the board's identity there is no update pattern: nothing matches, and the user is told so.
void tst_MainWindowFirmware::unknownInstrumentFindsNoFile()
{
    QVERIFY(putUpdate(QStringLiteral("ZTM9900_UI_2.3.4.dat")));
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    QCOMPARE(TBoardControlInterpreter(mMain.board()).execute(QStringLiteral("fault on \"*idn?\" error 5 1000")).last(),
             QStringLiteral("OK"));
    openFirmwarePage();
    QCOMPARE(mMain.text("LblFirmwareUI_NewVersion"), QString());
    TMessageRecorder recorder;
    mMain.click("BtnFindFirmwareUpdate_UI");
    QCOMPARE(recorder.texts(), QStringList{"No firmware files found in folder \"ZTM8800\"."});
}

TAMARIND_TEST_MAIN(tst_MainWindowFirmware)
#include "tst_mainwindowfirmware.moc"

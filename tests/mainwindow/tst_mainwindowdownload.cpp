#include "deviceroot.h"
#include "downloadprogressdialog.h"
#include "mainwindowfixture.h"
#include "messagedialog.h"
#include "screenshotcontroller.h"
#include "simulatedusbstick.h"
#include "tamarindmainform.h"
#include "testsupport.h"
#include "usbstickcontroller.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <utime.h>

namespace
{

// Answers every dialog that opens while it lives: message dialogs with Yes or
// OK (their texts are kept), the copy dialog once it shows its completion.
class TDialogAnswerer : public QObject
{
public:
    TDialogAnswerer()
    {
        connect(&mTimer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (auto* message = qobject_cast<TMessageDialog*>(modal)) {
                mTexts << message->findChild<QLabel*>(QStringLiteral("LblText"))->text();
                for (const char* name : {"BtnYes", "BtnOK"}) {
                    auto* button = message->findChild<QWidget*>(QLatin1String(name));
                    if (button && !button->isHidden()) {
                        QTest::mouseClick(button, Qt::LeftButton);
                        return;
                    }
                }
            } else if (qobject_cast<TDownloadProgressDialog*>(modal)) {
                auto* done = modal->findChild<QWidget*>(QStringLiteral("BtnDownloadComplete"));
                if (done && !done->isHidden()) {
                    ++mCompleted;
                    QTest::mouseClick(done, Qt::LeftButton);
                }
            }
        });
        mTimer.start(5);
    }
    QStringList mTexts;
    int mCompleted = 0;

private:
    QTimer mTimer;
};

const QString NO_FILES = "There are no files available for downloading.";
const QString NO_STICK = "No USB stick connected!";
const QString CREATE_ERROR = "Error while creating file on USB device.";
const QString NO_COEFFICIENT_FILES = "No files containing probe coefficients found.";

} // namespace

// The download page of the real main window with the simulated USB stick.
class tst_MainWindowDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void screenshotsAreListedByStampNewestFirstAndCopiedUnderTheirNames();
    void logfilesArriveWithExtensionAndChecksum();
    void deletionRemovesTheFilesOfTheChosenKind_data();
    void deletionRemovesTheFilesOfTheChosenKind();
    void calibrationResultsAreCopiedWithTheirTable_data();
    void calibrationResultsAreCopiedWithTheirTable();
    void exportsNeedTheStick_data();
    void exportsNeedTheStick();
    void coefficientTableIsUtf16WithCrLf();
    void onlyExportNamedCoefficientFilesAreOffered_data();
    void onlyExportNamedCoefficientFilesAreOffered();
    void probeEntriesWithoutProbesSaySo_data();
    void probeEntriesWithoutProbesSaySo();
    void listDownloadWithoutStickCopiesNothing();
    void ejectLeavesThePage();
    void failedCopyKeepsTheOldFileOnTheStick();

private:
    QString stickDir(const QString& pSubDir) const;
    QStringList listed() const;
    void checkAll() const { mMain.click("BtnDownload_SelectAll"); }
    void choose(const char* pEntry) const { mMain.child<QZELKContainerRadioButton>(pEntry)->setChecked(true); }
    static void touch(const QString& pDevicePath, const QByteArray& pContent, qint64 pAge);

    TMainWindowFixture mMain;
};

void tst_MainWindowDownload::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowDownload::init()
{
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    mMain.open(true);
    QTRY_VERIFY(mMain.shown("BtnUSB"));
    mMain.click("BtnUSB");
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownload"));
}

void tst_MainWindowDownload::cleanup()
{
    mMain.close();
    // The next test starts with an empty stick plugged into a clean device.
    TSimulatedUSBStick::remove();
    for (const QString& entry : QStringList{"/dev/usbstick", "/etc/mtab"})
        QFile::remove(TDeviceRoot::path(entry));
    const QString mountPoint = TDeviceRoot::path("/media/usb");
    if (QFileInfo(mountPoint).isSymLink())
        QFile::remove(mountPoint);
    QDir(mountPoint).removeRecursively();
    QDir().mkpath(mountPoint);
    QDir(TSimulatedUSBStick::mediumDirectory()).removeRecursively();
    for (const char* dir : {"/home/Screenshots", "/home/Logfiles", "/home/CalibrationRoutines"})
        QDir(TDeviceRoot::path(dir)).removeRecursively();
}

QString tst_MainWindowDownload::stickDir(const QString& pSubDir) const
{
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    return TDeviceRoot::path(stick->mountPoint() + '/' + stick->baseDir() + '/' + pSubDir);
}

QStringList tst_MainWindowDownload::listed() const
{
    QStringList captions;
    auto* layout = mMain.child("scrollAreaDownloadListWidget")->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* box = qobject_cast<QCheckBox*>(layout->itemAt(i)->widget()))
            captions << box->text();
    }
    return captions;
}

void tst_MainWindowDownload::touch(const QString& pDevicePath, const QByteArray& pContent, qint64 pAge)
{
    QVERIFY(TTestEnvironment::writeDeviceFile(pDevicePath, pContent));
    const time_t when = time(nullptr) - pAge;
    utimbuf times{when, when};
    QCOMPARE(utime(QFile::encodeName(TDeviceRoot::path(pDevicePath)).constData(), &times), 0);
}

void tst_MainWindowDownload::screenshotsAreListedByStampNewestFirstAndCopiedUnderTheirNames()
{
    const QString dir = TScreenshotController::instance().screenshotDir();
    touch(dir + "/Screenshot_20261201_101010000.png", "old", 300);
    touch(dir + "/Screenshot_20261203_101010000.png", "new", 10);
    touch(dir + "/notes.txt", "not a picture", 5);
    TDialogAnswerer answerer;
    choose("BtnDownload_Screen");
    QCOMPARE(listed(), (QStringList{"20261203_101010000", "20261201_101010000"}));
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownloadListMain"));
    checkAll();
    mMain.click("BtnDownload_Download");
    QVERIFY2(answerer.mCompleted == 1, qPrintable(answerer.mTexts.join("|")));
    QCOMPARE(QDir(stickDir("Screenshots")).entryList(QDir::Files),
             (QStringList{"Screenshot_20261201_101010000.png", "Screenshot_20261203_101010000.png"}));
    QFile copy(stickDir("Screenshots") + "/Screenshot_20261203_101010000.png");
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("new"));
    mMain.snapshot("download_list");
}

void tst_MainWindowDownload::logfilesArriveWithExtensionAndChecksum()
{
    touch("/home/Logfiles/run 1", "first run\n", 100);
    touch("/home/Logfiles/run2", "second run\n", 50);
    TDialogAnswerer answerer;
    choose("BtnDownload_Log");
    QCOMPARE(listed(), (QStringList{"run2", "run 1"}));
    checkAll();
    mMain.click("BtnDownload_Download");
    const QString dir = stickDir("Logfiles");
    QCOMPARE(QDir(dir).entryList(QDir::Files), (QStringList{"run 1.log", "run 1.log.md5", "run2.log", "run2.log.md5"}));
    for (const char* side : {"run 1.log.md5", "run2.log.md5"}) {
        QProcess md5sum;
        md5sum.setWorkingDirectory(dir);
        md5sum.start("md5sum", {"-c", QString(side)});
        QVERIFY(md5sum.waitForFinished());
        QCOMPARE(md5sum.exitCode(), 0);
    }
}

void tst_MainWindowDownload::deletionRemovesTheFilesOfTheChosenKind_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("file");
    QTest::newRow("screenshot") << QByteArray("BtnDownload_Screen") << QString("/home/Screenshots")
                                << QString("Screenshot_20261201_101010000.png");
    QTest::newRow("log file") << QByteArray("BtnDownload_Log") << QString("/home/Logfiles") << QString("run3");
}

void tst_MainWindowDownload::deletionRemovesTheFilesOfTheChosenKind()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, dir);
    QFETCH(QString, file);
    touch(dir + '/' + file, "x", 10);
    touch(dir + "/Screenshot_keep.png", "keep", 500);
    touch(dir + "/keep", "keep", 500);
    TDialogAnswerer answerer;
    choose(entry.constData());
    QVERIFY(!mMain.child("BtnDownload_Delete")->isHidden());
    for (auto* box : mMain.child("scrollAreaDownloadListWidget")->findChildren<QCheckBox*>())
        box->setChecked(file.contains(box->text()));
    mMain.click("BtnDownload_Delete");
    QCOMPARE(answerer.mTexts, QStringList{"Would you like to delete the selected items?"});
    QVERIFY(!QFile::exists(TDeviceRoot::path(dir + '/' + file)));
    QVERIFY(QFile::exists(TDeviceRoot::path(dir + "/keep")));
    QCOMPARE(listed().size(), entry == "BtnDownload_Screen" ? 1 : 2);
    QVERIFY(!listed().contains(file.contains("Screenshot") ? "20261201_101010000" : file));
}

void tst_MainWindowDownload::calibrationResultsAreCopiedWithTheirTable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("onStick");
    QTest::newRow("routine rebuilt: XML and table")
        << QByteArray("<calibration_routine><stop_time>20260305140759</stop_time>"
                      "<calibration_setup><name>Bath</name></calibration_setup></calibration_routine>")
        << QStringList{"Bath_20261201_1010.csv", "Bath_20261201_1010.xml"};
    QTest::newRow("routine not rebuilt: XML alone")
        << QByteArray("<not a routine/>") << QStringList{"Bath_20261201_1010.xml"};
}

void tst_MainWindowDownload::calibrationResultsAreCopiedWithTheirTable()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, onStick);
    touch("/home/CalibrationRoutines/Bath_20261201_1010.xml", content, 10);
    TDialogAnswerer answerer;
    choose("BtnDownload_CalFiles");
    QCOMPARE(listed(), QStringList{"Bath_20261201_1010"});
    QVERIFY(mMain.child("BtnDownload_Delete")->isHidden());
    checkAll();
    mMain.click("BtnDownload_Download");
    QVERIFY2(answerer.mCompleted == 1, qPrintable(answerer.mTexts.join("|")));
    QCOMPARE(QDir(stickDir("calibration_files")).entryList(QDir::Files), onStick);
    QFile xml(stickDir("calibration_files") + "/Bath_20261201_1010.xml");
    QVERIFY(xml.open(QIODevice::ReadOnly));
    QCOMPARE(xml.readAll(), content);
    if (onStick.size() == 2) {
        QFile table(stickDir("calibration_files") + "/Bath_20261201_1010.csv");
        QVERIFY(table.open(QIODevice::ReadOnly));
        QVERIFY(table.readAll().startsWith("\xFF\xFE"));
    }
}

void tst_MainWindowDownload::exportsNeedTheStick_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("bom");
    QTest::newRow("instrument details") << QByteArray("BtnDownload_InstrumentDetails") << "instrument_details"
                                        << "_instrument_details.txt" << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("coefficient table") << QByteArray("BtnDownload_ProbeCoefficients") << "probe_coefficients"
                                       << "_probe_coefficients.txt" << QByteArray("\xFF\xFE");
}

void tst_MainWindowDownload::exportsNeedTheStick()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, dir);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, bom);
    {
        TDialogAnswerer answerer;
        choose(entry.constData());
        QVERIFY2(answerer.mCompleted == 1, qPrintable(answerer.mTexts.join("|")));
        QVERIFY(answerer.mTexts.isEmpty());
    }
    const QStringList files = QDir(stickDir(dir)).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(QRegExp("\\d{8}_\\d{9}" + QRegExp::escape(suffix)).exactMatch(files.first()));
    QFile file(stickDir(dir) + '/' + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(bom));
    QVERIFY(!mMain.child<QZELKContainerRadioButton>(entry.constData())->isChecked());

    // Pulled between the stick check and the export: the mount point is a
    // plain directory of the instrument now.
    QVERIFY(TSimulatedUSBStick::remove());
    TDialogAnswerer answerer;
    choose(entry.constData());
    QCOMPARE(answerer.mTexts, QStringList{CREATE_ERROR});
    QCOMPARE(answerer.mCompleted, 0);
}

void tst_MainWindowDownload::coefficientTableIsUtf16WithCrLf()
{
    TDialogAnswerer answerer;
    choose("BtnDownload_ProbeCoefficients");
    const QString dir = stickDir("probe_coefficients");
    const QStringList files = QDir(dir).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(dir + '/' + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QVERIFY(text.endsWith("\r\n"));
    QVERIFY(!text.contains(QRegExp("[^\r]\n")));
    QVERIFY(text.section("\r\n", 0, 0).contains('\t'));
}

void tst_MainWindowDownload::onlyExportNamedCoefficientFilesAreOffered_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("export name offered") << QStringList{"20261201_101010123_probe_coefficients.txt"}
                                         << QStringList{"20261201_101010123"};
    QTest::newRow("12-hour stamp offered")
        << QStringList{"20261201_101010123pm_probe_coefficients.txt"} << QStringList{"20261201_101010123pm"};
    QTest::newRow("letters in the stamp refused")
        << QStringList{"2026ab01_101010123_probe_coefficients.txt"} << QStringList();
    QTest::newRow("foreign name refused") << QStringList{"mine_probe_coefficients.txt", "x.txt"} << QStringList();
}

void tst_MainWindowDownload::onlyExportNamedCoefficientFilesAreOffered()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, offered);
    QDir().mkpath(stickDir("probe_coefficients"));
    for (const QString& name : files) {
        QFile file(stickDir("probe_coefficients") + '/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // A link named as an export is never offered: it could lead anywhere on the instrument.
    QVERIFY(QFile::link("/etc/passwd", stickDir("probe_coefficients") + "/20261201_111111111_probe_coefficients.txt"));
    TDialogAnswerer answerer;
    choose("BtnDownload_ImportProbeCoeffs");
    if (offered.isEmpty()) {
        QCOMPARE(answerer.mTexts, QStringList{NO_COEFFICIENT_FILES});
        QVERIFY(!mMain.child<QZELKContainerRadioButton>("BtnDownload_ImportProbeCoeffs")->isChecked());
    } else {
        QVERIFY(answerer.mTexts.isEmpty());
        QCOMPARE(mMain.menuPage(), mMain.child("PageProbeCoeffFileList"));
        mMain.snapshot("download_import_" + QString(QTest::currentDataTag()).replace(' ', '_'));
        // Choosing the file hands it to the importer, which reports on the empty file itself.
        auto buttons = mMain.child("scrollAreaProbeCoeffFileListWidget")->findChildren<QZELKContainerPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(QStringList{buttons.first()->label()->text()}, offered);
        QTest::mouseClick(buttons.first(), Qt::LeftButton);
        QTRY_COMPARE(answerer.mTexts.size(), 1);
        QVERIFY(!mMain.child<QZELKContainerRadioButton>("BtnDownload_ImportProbeCoeffs")->isChecked());
    }
}

void tst_MainWindowDownload::probeEntriesWithoutProbesSaySo_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("message");
    QTest::newRow("measured probes") << QByteArray("BtnDownload_MeasProbes")
                                     << QString(
                                            "The currently measured channels do not have any custom probes assigned.");
    QTest::newRow("SMART probes") << QByteArray("BtnDownload_SmartProbes")
                                  << QString("There are currently no SMART probes connected to the instrument.");
}

void tst_MainWindowDownload::probeEntriesWithoutProbesSaySo()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, message);
    // The simulated board starts without custom or SMART probes.
    TDialogAnswerer answerer;
    choose(entry.constData());
    QCOMPARE(answerer.mTexts, QStringList{message});
    QCOMPARE(answerer.mCompleted, 0);
    QVERIFY(!mMain.child<QZELKContainerRadioButton>(entry.constData())->isChecked());
    QVERIFY(!QDir(stickDir("Probe_Data")).exists());
}

void tst_MainWindowDownload::listDownloadWithoutStickCopiesNothing()
{
    touch("/home/Logfiles/run", "x", 10);
    TDialogAnswerer answerer;
    choose("BtnDownload_Log");
    checkAll();
    QVERIFY(TSimulatedUSBStick::remove());
    mMain.click("BtnDownload_Download");
    QCOMPARE(answerer.mTexts, QStringList{NO_STICK});
    QVERIFY(!QDir(stickDir("Logfiles")).exists());
    // The periodic check leaves the list page once it sees the stick gone.
    QTRY_VERIFY_WITH_TIMEOUT(mMain.mainPage() != mMain.child("PageDownloadListMain"), 3000);
}

void tst_MainWindowDownload::ejectLeavesThePage()
{
    TDialogAnswerer answerer;
    choose("BtnDownload_Eject");
    QCOMPARE(answerer.mTexts, QStringList{"You can now safely remove the USB stick."});
    QVERIFY(mMain.mainPage() != mMain.child("PageDownload"));
    QVERIFY(!mMain.shown("BtnUSB"));
}

void tst_MainWindowDownload::failedCopyKeepsTheOldFileOnTheStick()
{
    // A copy that fails half-way must not have replaced the file of the same
    // name already on the stick: the source vanishes before it is read.
    touch("/home/Logfiles/run", "new run\n", 10);
    QDir().mkpath(stickDir("Logfiles"));
    {
        QFile old(stickDir("Logfiles") + "/run.log");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier copy\n");
    }
    TDialogAnswerer answerer;
    choose("BtnDownload_Log");
    checkAll();
    QFile::remove(TDeviceRoot::path("/home/Logfiles/run"));
    mMain.click("BtnDownload_Download");
    QVERIFY(answerer.mTexts.first().startsWith("At least one file could not be copied"));
    QFile old(stickDir("Logfiles") + "/run.log");
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier copy\n"));
    QCOMPARE(QDir(stickDir("Logfiles")).entryList(QDir::Files), QStringList{"run.log"});
}

TAMARIND_TEST_MAIN(tst_MainWindowDownload)
#include "tst_mainwindowdownload.moc"

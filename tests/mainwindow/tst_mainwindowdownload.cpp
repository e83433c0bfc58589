#include "boardcontrolinterpreter.h"
#include "boardstate.h"
#include "calibrationfilestore.h"
#include "calibrationroutine.h"
#include "childprocess.h"
#include "deviceroot.h"
#include "downloadprogressdialog.h"
#include "fifoguard.h"
#include "mainwindowfixture.h"
#include "messagedialog.h"
#include "screenshotcontroller.h"
#include "simulatedsmartprobe.h"
#include "simulatedusbstick.h"
#include "tamarindclock.h"
#include "tamarindmainform.h"
#include "testsupport.h"
#include "usbstickcontroller.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

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
const QString COPY_ERROR = "At least one file could not be copied to the USB stick. Please make sure that a USB "
                           "stick with enough free space is connected!";

// Two custom probes as the board keeps them: a Pt100 on channel 1 and a type K
// thermocouple on channel 3.
const QString CUSTOM_PROBES =
    "1,1,Pt100 Bath,450.0,-200.0,2,100.0,3.9083e-03,-5.775e-07,-4.183e-12,0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,2026,1,1,2,"
    "1,1,2\n"
    "10,8,TC K Oven,1200.0,-200.0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,2026,1,1,0,1,3,2\n";

// Text of a file on the stick after its byte-order mark, which must be there.
QString decoded(const QByteArray& pBytes, const QByteArray& pBom)
{
    if (!pBytes.startsWith(pBom))
        return QStringLiteral("<no byte-order mark>");
    const QByteArray body = pBytes.mid(pBom.size());
    if (pBom == "\xFF\xFE")
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(body.constData()), body.size() / 2);
    return QString::fromUtf8(body);
}

QByteArray fileContent(const QString& pHostPath)
{
    QFile file(pHostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// The download page of the real main window with the simulated USB stick.
class tst_MainWindowDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listedFilesAreCopiedToTheStick_data();
    void listedFilesAreCopiedToTheStick();
    void deletionRemovesTheFilesOfTheChosenKind_data();
    void deletionRemovesTheFilesOfTheChosenKind();
    void deletingLogfilesSparesTheRunningOneAndRefreshesTheLogger();
    void exportsWriteNewFilesOnTheStick_data();
    void exportsWriteNewFilesOnTheStick();
    void exportNeverReplacesAFileOfTheSameName_data();
    void exportNeverReplacesAFileOfTheSameName();
    void writesThatCannotCompleteLeaveNothing_data();
    void writesThatCannotCompleteLeaveNothing();
    void failedCopyKeepsTheOldFileOnTheStick();
    void linksOnTheStickAreNotWrittenThrough_data();
    void linksOnTheStickAreNotWrittenThrough();
    void onlyExportNamedCoefficientFilesAreOffered_data();
    void onlyExportNamedCoefficientFilesAreOffered();
    void probeEntriesWithoutProbesSaySo_data();
    void probeEntriesWithoutProbesSaySo();
    void stickGoneLeavesThePage_data();
    void stickGoneLeavesThePage();

private:
    void openDownloadPage();
    void putProbesOnTheBoard();
    QString stickDir(const QString& pSubDir) const;
    QStringList stickFiles(const QString& pSubDir) const { return QDir(stickDir(pSubDir)).entryList(QDir::Files); }
    QStringList listed() const;
    void checkAll() const { mMain.click("BtnDownload_SelectAll"); }
    void choose(const char* pEntry) const { mMain.child<QZELKContainerRadioButton>(pEntry)->setChecked(true); }
    bool isChecked(const char* pEntry) const { return mMain.child<QZELKContainerRadioButton>(pEntry)->isChecked(); }
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
    openDownloadPage();
}

void tst_MainWindowDownload::openDownloadPage()
{
    mMain.open(true);
    QTRY_VERIFY(mMain.shown("BtnUSB"));
    mMain.click("BtnUSB");
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownload"));
}

// The window reads the probes at its start.
void tst_MainWindowDownload::putProbesOnTheBoard()
{
    mMain.close();
    QString error;
    bool filled = false;
    mMain.board().withState([&](TBoardState& pState) { filled = pState.mProbeMemory.fillSlots(CUSTOM_PROBES, error); });
    QVERIFY2(filled, qPrintable(error));
    QVERIFY(mMain.board().plugSmartProbe(2, TSimulatedSmartProbe::callendarVanDusenPt100()));
    openDownloadPage();
}

void tst_MainWindowDownload::cleanup()
{
    mMain.close();
    mMain.board().withState([](TBoardState& pState) {
        pState.mProbeMemory.clearSlot(1);
        pState.mProbeMemory.clearSlot(10);
    });
    TBoardControlInterpreter(mMain.board()).execute(QStringLiteral("smart 2 none"));
    // The next test starts with an empty stick of no size limit plugged into a clean device.
    TSimulatedUSBStick::remove();
    TSimulatedUSBStick::setCapacity(-1);
    for (const QString& stale :
         QStringList{"/dev/usbstick", "/etc/mtab", "/media/usb", TSimulatedUSBStick::mediumDirectory(),
                     "/home/Screenshots", "/home/Logfiles", "/home/CalibrationRoutines"})
        TTestEnvironment::removeUnderRoot(stale);
    QDir().mkpath(TDeviceRoot::path("/media/usb"));
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
    TAMARIND_WRITE_DEVICE_FILE(pDevicePath, pContent);
    const time_t when = time(nullptr) - pAge;
    utimbuf times{when, when};
    QCOMPARE(utime(QFile::encodeName(TDeviceRoot::path(pDevicePath)).constData(), &times), 0);
}

void tst_MainWindowDownload::listedFilesAreCopiedToTheStick_data()
{
    QTest::addColumn<QByteArray>("entry");
    // Device paths, oldest first; each file holds the content below and its own name.
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("listedNewestFirst");
    QTest::addColumn<bool>("deletable");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QStringList>("onStick");

    QTest::newRow("screenshots by their stamps, under their own names")
        << QByteArray("BtnDownload_Screen")
        << QStringList{"/home/Screenshots/Screenshot_20261201_101010000.png",
                       "/home/Screenshots/Screenshot_20261203_101010000.png", "/home/Screenshots/notes.txt"}
        << QByteArray("picture") << QStringList{"20261203_101010000", "20261201_101010000"} << true << "Screenshots"
        << QStringList{"Screenshot_20261201_101010000.png", "Screenshot_20261203_101010000.png"};
    QTest::newRow("log files with extension and checksum")
        << QByteArray("BtnDownload_Log") << QStringList{"/home/Logfiles/run 1", "/home/Logfiles/run2"}
        << QByteArray("a run\n") << QStringList{"run2", "run 1"} << true << "Logfiles"
        << QStringList{"run 1.log", "run 1.log.md5", "run2.log", "run2.log.md5"};
    const QByteArray routine = "<calibration_routine><stop_time>20260305140759</stop_time>"
                               "<calibration_setup><name>Bath</name></calibration_setup></calibration_routine>";
    QTest::newRow("calibration result rebuilt: XML and table")
        << QByteArray("BtnDownload_CalFiles") << QStringList{"/home/CalibrationRoutines/Bath_20261201_1010.xml"}
        << routine << QStringList{"Bath_20261201_1010"} << false << "calibration_files"
        << QStringList{"Bath_20261201_1010.csv", "Bath_20261201_1010.xml"};
    QTest::newRow("calibration result not rebuilt: XML alone")
        << QByteArray("BtnDownload_CalFiles") << QStringList{"/home/CalibrationRoutines/Bath_20261201_1010.xml"}
        << QByteArray("<not a routine/>") << QStringList{"Bath_20261201_1010"} << false << "calibration_files"
        << QStringList{"Bath_20261201_1010.xml"};
}

void tst_MainWindowDownload::listedFilesAreCopiedToTheStick()
{
    QFETCH(QByteArray, entry);
    QFETCH(QStringList, sources);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, listedNewestFirst);
    QFETCH(bool, deletable);
    QFETCH(QString, dir);
    QFETCH(QStringList, onStick);
    // A comment after the document keeps the routine files readable.
    const auto contentOf = [&content](const QString& pFileName) {
        return content + "\n<!-- " + pFileName.toUtf8() + " -->\n";
    };
    for (int i = 0; i < sources.size(); ++i)
        touch(sources.at(i), contentOf(QFileInfo(sources.at(i)).fileName()), 100 * (sources.size() - i));
    TDialogAnswerer answerer;
    choose(entry.constData());
    QCOMPARE(listed(), listedNewestFirst);
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownloadListMain"));
    QCOMPARE(mMain.shown("BtnDownload_Delete"), deletable);
    checkAll();
    mMain.click("BtnDownload_Download");
    QVERIFY2(answerer.mCompleted == 1, qPrintable(answerer.mTexts.join("|")));
    QCOMPARE(stickFiles(dir), onStick);
    const QString target = stickDir(dir);
    for (const QString& name : onStick) {
        if (name.endsWith(".md5")) {
            TChildProcess md5sum;
            md5sum.setWorkingDirectory(target);
            md5sum.start("md5sum", {"-c", name});
            QVERIFY(md5sum.waitForFinished());
            QCOMPARE(md5sum.exitCode(), 0);
        } else if (name.endsWith(".csv")) {
            // The table is the routine's own, unchanged, in UTF-16 with its mark.
            TChannelController& channels = *mMain.window()->mChannelController;
            const auto rebuilt = TCalibrationFileStore(channels).createCalRoutineFromName(QFileInfo(name).baseName());
            QVERIFY(rebuilt);
            const QByteArray bytes = fileContent(target + '/' + name);
            QCOMPARE(decoded(bytes, "\xFF\xFE"), rebuilt->toCSV(channels).join(QString()));
            QVERIFY(decoded(bytes, "\xFF\xFE").startsWith("Routine name\tBath\r\n"));
        } else {
            const QString source = entry == "BtnDownload_Log" ? QFileInfo(name).completeBaseName() : name;
            QCOMPARE(fileContent(target + '/' + name), contentOf(source));
        }
    }
    // The list page stays for more.
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownloadListMain"));
    if (entry == "BtnDownload_Screen")
        mMain.snapshot("download_list");
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
    QVERIFY(mMain.shown("BtnDownload_Delete"));
    for (auto* box : mMain.child("scrollAreaDownloadListWidget")->findChildren<QCheckBox*>())
        box->setChecked(file.contains(box->text()));
    mMain.click("BtnDownload_Delete");
    QCOMPARE(answerer.mTexts, QStringList{"Would you like to delete the selected items?"});
    QVERIFY(!QFile::exists(TDeviceRoot::path(dir + '/' + file)));
    QVERIFY(QFile::exists(TDeviceRoot::path(dir + "/keep")));
    QCOMPARE(listed().size(), entry == "BtnDownload_Screen" ? 1 : 2);
    QVERIFY(!listed().contains(file.contains("Screenshot") ? "20261201_101010000" : file));
}

// The logger's page lists what is left, and the file it writes stays: removing
// it would end the run with a write error and lose its data.
void tst_MainWindowDownload::deletingLogfilesSparesTheRunningOneAndRefreshesTheLogger()
{
    // The logger lists the files it finds at its start, those with a "_".
    mMain.close();
    touch("/home/Logfiles/earlier_run", "done\n", 500);
    openDownloadPage();
    const auto loggerList = [this] {
        QStringList texts;
        for (auto* label : mMain.child("scrollAreaLoggerContents")->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    };
    mMain.click("BtnLogger");
    mMain.click("BtnLogger_Start");
    QCOMPARE(mMain.text("LblTitleRight"), QString("LOG"));
    const QStringList files = QDir(TDeviceRoot::path("/home/Logfiles")).entryList(QDir::Files);
    QCOMPARE(files.size(), 2);
    QVERIFY(loggerList().contains("earlier_run"));

    mMain.click("BtnUSB");
    TDialogAnswerer answerer;
    choose("BtnDownload_Log");
    QCOMPARE(listed().size(), 2);
    checkAll();
    mMain.click("BtnDownload_Delete");
    QCOMPARE(answerer.mTexts, QStringList{"Would you like to delete the selected items?"});
    QCOMPARE(listed(), QStringList());
    const QStringList left = QDir(TDeviceRoot::path("/home/Logfiles")).entryList(QDir::Files);
    QCOMPARE(left.size(), 1);
    QVERIFY(left.first() != "earlier_run");
    QVERIFY(!loggerList().contains("earlier_run"));
    QVERIFY(loggerList().contains(left.first()));
    // The run goes on into its file.
    const qint64 size = QFileInfo(TDeviceRoot::path("/home/Logfiles/" + left.first())).size();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(TDeviceRoot::path("/home/Logfiles/" + left.first())).size() > size, 5000);
    QCOMPARE(mMain.text("LblTitleRight"), QString("LOG"));
}

void tst_MainWindowDownload::exportsWriteNewFilesOnTheStick_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("bom");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("instrument details") << QByteArray("BtnDownload_InstrumentDetails") << "instrument_details"
                                        << "_instrument_details.txt" << QByteArray("\xEF\xBB\xBF")
                                        << QStringList{"MB19040017\r\n"};
    // Tab-separated, header first, every line ended by CR LF.
    QTest::newRow("coefficient table") << QByteArray("BtnDownload_ProbeCoefficients") << "probe_coefficients"
                                       << "_probe_coefficients.txt" << QByteArray("\xFF\xFE")
                                       << QStringList{"Probe name\t", "\r\nPt100 Bath\t", "\r\nTC K Oven\t"};
    QTest::newRow("all probes") << QByteArray("BtnDownload_AllProbes") << "Probe_Data"
                                << "_all_probes.txt" << QByteArray("\xEF\xBB\xBF")
                                << QStringList{"Probe name: Pt100 Bath", "Probe name: TC K Oven"};
    QTest::newRow("measured probes: those of the home view")
        << QByteArray("BtnDownload_MeasProbes") << "Probe_Data"
        << "_measured_probes.txt" << QByteArray("\xEF\xBB\xBF") << QStringList{"Probe name: Pt100 Bath"};
    QTest::newRow("SMART probes") << QByteArray("BtnDownload_SmartProbes") << "Probe_Data"
                                  << "_SMART_probes.txt" << QByteArray("\xEF\xBB\xBF")
                                  << QStringList{"Probe name: SPRT100-4711"};
}

void tst_MainWindowDownload::exportsWriteNewFilesOnTheStick()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, dir);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, bom);
    QFETCH(QStringList, texts);
    putProbesOnTheBoard();
    QByteArray first;
    for (int round = 1; round <= 2; ++round) {
        TDialogAnswerer answerer;
        choose(entry.constData());
        QVERIFY2(answerer.mCompleted == 1, qPrintable(answerer.mTexts.join("|")));
        QVERIFY(answerer.mTexts.isEmpty());
        QVERIFY(!isChecked(entry.constData()));
        // A second export right after the first is a file of its own.
        const QStringList files = stickFiles(dir);
        QCOMPARE(files.size(), round);
        for (const QString& name : files)
            QVERIFY2(QRegExp("\\d{8}_\\d{9}" + QRegExp::escape(suffix)).exactMatch(name), qPrintable(name));
        const QByteArray bytes = fileContent(stickDir(dir) + '/' + files.first());
        if (round == 2) {
            QCOMPARE(bytes, first);
            break;
        }
        first = bytes;
        const QString text = decoded(bytes, bom);
        for (const QString& part : texts)
            QVERIFY2(text.contains(part), qPrintable(part + " not in " + text));
        if (bom == "\xFF\xFE") {
            QVERIFY(text.section("\r\n", 0, 0).contains('\t'));
            QVERIFY(text.endsWith("\r\n"));
            QVERIFY(!text.contains(QRegExp("[^\r]\n")));
        }
    }
}

void tst_MainWindowDownload::exportNeverReplacesAFileOfTheSameName_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("instrument details") << QByteArray("BtnDownload_InstrumentDetails") << "instrument_details"
                                        << "_instrument_details.txt";
    QTest::newRow("coefficient table") << QByteArray("BtnDownload_ProbeCoefficients") << "probe_coefficients"
                                       << "_probe_coefficients.txt";
}

// Names go by the millisecond: an export made in the same millisecond as the
// one before it, simulated by taking every name of the coming two seconds, must
// not replace it.
void tst_MainWindowDownload::exportNeverReplacesAFileOfTheSameName()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, dir);
    QFETCH(QString, suffix);
    QVERIFY(QDir().mkpath(stickDir(dir)));
    const QDateTime now = QDateTime::currentDateTime();
    for (int ms = 0; ms < 2000; ++ms) {
        QFile earlier(stickDir(dir) + '/' + TTamarindClock::instance().getDateTimeFileName(now.addMSecs(ms)) + suffix);
        QVERIFY2(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7,
                 qPrintable(earlier.errorString()));
    }
    TDialogAnswerer answerer;
    choose(entry.constData());
    QCOMPARE(answerer.mCompleted, 1);
    const QStringList files = stickFiles(dir);
    QCOMPARE(files.size(), 2001);
    int earlier = 0;
    for (const QString& name : files)
        earlier += fileContent(stickDir(dir) + '/' + name) == "earlier";
    QCOMPARE(earlier, 2000);
}

void tst_MainWindowDownload::writesThatCannotCompleteLeaveNothing_data()
{
    QTest::addColumn<QByteArray>("entry");
    // Bytes the stick still takes; negative: the stick is pulled instead.
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QStringList>("onStick");
    const int pulled = -1;
    const QByteArray log = "BtnDownload_Log";
    QTest::newRow("log copy, stick pulled") << log << pulled << NO_STICK << "Logfiles" << QStringList();
    QTest::newRow("log copy, stick full") << log << 10 << COPY_ERROR << "Logfiles" << QStringList();
    // The log file below is 200 bytes: it fits, its checksum file does not.
    QTest::newRow("log copy, no room for the checksum")
        << log << 200 << COPY_ERROR << "Logfiles" << QStringList{"run.log"};
    for (const char* pulledOrFull : {"pulled", "full"}) {
        const int room = QByteArray(pulledOrFull) == "full" ? 10 : pulled;
        QTest::newRow(qPrintable(QString("instrument details, stick ") + pulledOrFull))
            << QByteArray("BtnDownload_InstrumentDetails") << room << CREATE_ERROR << "instrument_details"
            << QStringList();
        QTest::newRow(qPrintable(QString("coefficient table, stick ") + pulledOrFull))
            << QByteArray("BtnDownload_ProbeCoefficients") << room << CREATE_ERROR << "probe_coefficients"
            << QStringList();
    }
    QTest::newRow("all probes, stick full") << QByteArray("BtnDownload_AllProbes") << 10
                                            << QString("Could not create file.") << "Probe_Data" << QStringList();
}

void tst_MainWindowDownload::writesThatCannotCompleteLeaveNothing()
{
    QFETCH(QByteArray, entry);
    QFETCH(int, room);
    QFETCH(QString, message);
    QFETCH(QString, dir);
    QFETCH(QStringList, onStick);
    if (entry == "BtnDownload_AllProbes")
        putProbesOnTheBoard();
    touch("/home/Logfiles/run", QByteArray(200, 'x'), 10);
    TDialogAnswerer answerer;
    const bool listed = entry == "BtnDownload_Log";
    if (listed) {
        choose(entry.constData());
        checkAll();
    }
    // Between the check of the stick and the write.
    if (room < 0)
        QVERIFY(TSimulatedUSBStick::remove());
    else
        QVERIFY(TSimulatedUSBStick::setCapacity(TSimulatedUSBStick::usedBytes() + room));
    if (listed)
        mMain.click("BtnDownload_Download");
    else
        choose(entry.constData());
    QCOMPARE(answerer.mTexts, QStringList{message});
    QCOMPARE(answerer.mCompleted, 0);
    // Nothing cut short under any name, nothing written to the instrument instead.
    QCOMPARE(QDir(TSimulatedUSBStick::mediumDirectory() + "/ZTM9900/" + dir).entryList(QDir::Files), onStick);
    for (const QString& name : onStick)
        QCOMPARE(fileContent(TSimulatedUSBStick::mediumDirectory() + "/ZTM9900/" + dir + '/' + name),
                 QByteArray(200, 'x'));
    if (room < 0)
        QVERIFY(!QFileInfo::exists(TDeviceRoot::path("/media/usb/ZTM9900")));
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
    TTestEnvironment::removeUnderRoot("/home/Logfiles/run");
    mMain.click("BtnDownload_Download");
    QCOMPARE(answerer.mTexts, QStringList{COPY_ERROR});
    QCOMPARE(fileContent(stickDir("Logfiles") + "/run.log"), QByteArray("earlier copy\n"));
    QCOMPARE(stickFiles("Logfiles"), QStringList{"run.log"});
}

void tst_MainWindowDownload::linksOnTheStickAreNotWrittenThrough_data()
{
    QTest::addColumn<QByteArray>("entry");
    // What stands on the stick, below the instrument's directory, before the download.
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QByteArray log = "BtnDownload_Log";
    const QByteArray calibration = "BtnDownload_CalFiles";
    QTest::newRow("log copy, a link at the file name to a file elsewhere") << log << "Logfiles/run.log"
                                                                           << "file link" << COPY_ERROR;
    QTest::newRow("log copy, the folder a link to a folder elsewhere") << log << "Logfiles"
                                                                       << "folder link" << COPY_ERROR;
    QTest::newRow("log copy, a FIFO at the name") << log << "Logfiles/run.log"
                                                  << "fifo" << COPY_ERROR;
    QTest::newRow("log copy, the instrument's folder a link to a folder elsewhere") << log << ""
                                                                                    << "folder link" << COPY_ERROR;
    QTest::newRow("log checksum, a link at the file name to a file elsewhere") << log << "Logfiles/run.log.md5"
                                                                               << "file link" << COPY_ERROR;
    QTest::newRow("log checksum, a FIFO at the name") << log << "Logfiles/run.log.md5"
                                                      << "fifo" << COPY_ERROR;
    QTest::newRow("screenshot copy, the folder a link to a folder elsewhere")
        << QByteArray("BtnDownload_Screen") << "Screenshots"
        << "folder link" << COPY_ERROR;
    QTest::newRow("calibration table, a link at the file name to a file elsewhere")
        << calibration << "calibration_files/Bath_20261201_1010.csv"
        << "file link" << COPY_ERROR;
    QTest::newRow("calibration table, a FIFO at the name") << calibration << "calibration_files/Bath_20261201_1010.csv"
                                                           << "fifo" << COPY_ERROR;
    QTest::newRow("calibration result, a link at the file name to a file elsewhere")
        << calibration << "calibration_files/Bath_20261201_1010.xml"
        << "file link" << COPY_ERROR;
    QTest::newRow("calibration files, the folder a link to a folder elsewhere") << calibration << "calibration_files"
                                                                                << "folder link" << COPY_ERROR;
    QTest::newRow("instrument details, the folder a link to a folder elsewhere")
        << QByteArray("BtnDownload_InstrumentDetails") << "instrument_details"
        << "folder link" << CREATE_ERROR;
    QTest::newRow("coefficient table, the folder a link to a folder elsewhere")
        << QByteArray("BtnDownload_ProbeCoefficients") << "probe_coefficients"
        << "folder link" << CREATE_ERROR;
}

// A link on the stick would have the download written into the instrument's
// own files, a FIFO would hold the program: the user is told the download
// failed, and neither what is elsewhere nor what stands on the stick changes.
void tst_MainWindowDownload::linksOnTheStickAreNotWrittenThrough()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, planted);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    touch("/home/Logfiles/run", "a run\n", 10);
    touch("/home/Screenshots/Screenshot_20261201_101010000.png", "picture", 10);
    touch("/home/CalibrationRoutines/Bath_20261201_1010.xml",
          "<calibration_routine><stop_time>20260305140759</stop_time>"
          "<calibration_setup><name>Bath</name></calibration_setup></calibration_routine>",
          10);
    const QString elsewhere = TDeviceRoot::path("/home/Elsewhere");
    TTestEnvironment::removeUnderRoot(elsewhere);
    touch("/home/Elsewhere/kept", "kept\n", 10);
    const QString onStick = QDir::cleanPath(stickDir(planted));
    QVERIFY(QDir().mkpath(QFileInfo(onStick).absolutePath()));
    std::unique_ptr<TFifoGuard> fifo;
    if (kind == "file link")
        QVERIFY(QFile::link(elsewhere + "/kept", onStick));
    else if (kind == "folder link")
        QVERIFY(QFile::link(elsewhere, onStick));
    else
        fifo = std::make_unique<TFifoGuard>(onStick);

    TDialogAnswerer answerer;
    choose(entry.constData());
    if (entry == "BtnDownload_Log" || entry == "BtnDownload_Screen" || entry == "BtnDownload_CalFiles") {
        checkAll();
        mMain.click("BtnDownload_Download");
    }
    QCOMPARE(answerer.mTexts, QStringList{message});
    QCOMPARE(answerer.mCompleted, 0);
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList{"kept"});
    QCOMPARE(fileContent(elsewhere + "/kept"), QByteArray("kept\n"));
    QVERIFY(plantStaysAsItWas(onStick, fifo.get()));
    TTestEnvironment::removeUnderRoot(elsewhere);
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
        QVERIFY(!isChecked("BtnDownload_ImportProbeCoeffs"));
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
        QVERIFY(!isChecked("BtnDownload_ImportProbeCoeffs"));
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
    QTest::newRow("all probes") << QByteArray("BtnDownload_AllProbes")
                                << QString("The instrument does not contain any custom probes.");
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
    QVERIFY(!isChecked(entry.constData()));
    QVERIFY(!QDir(stickDir("Probe_Data")).exists());
}

void tst_MainWindowDownload::stickGoneLeavesThePage_data()
{
    QTest::addColumn<bool>("eject");
    QTest::newRow("eject entry: at once, with the removal message") << true;
    QTest::newRow("stick pulled: at the next stick check") << false;
}

void tst_MainWindowDownload::stickGoneLeavesThePage()
{
    QFETCH(bool, eject);
    touch("/home/Logfiles/run", "x", 10);
    TDialogAnswerer answerer;
    choose("BtnDownload_Log");
    QCOMPARE(mMain.mainPage(), mMain.child("PageDownloadListMain"));
    if (eject) {
        choose("BtnDownload_Eject");
        QCOMPARE(answerer.mTexts, QStringList{"You can now safely remove the USB stick."});
        QVERIFY(mMain.mainPage() != mMain.child("PageDownloadListMain"));
    } else {
        QVERIFY(TSimulatedUSBStick::remove());
        // The stick is checked every 1700 ms.
        QTRY_VERIFY_WITH_TIMEOUT(mMain.mainPage() != mMain.child("PageDownloadListMain"), 1700 + 300);
    }
    QVERIFY(mMain.mainPage() != mMain.child("PageDownload"));
    QVERIFY(!mMain.shown("BtnUSB"));
}

TAMARIND_TEST_MAIN(tst_MainWindowDownload)
#include "tst_mainwindowdownload.moc"

#include "calibrationfilestore.h"
#include "calibrationroutine.h"
#include "calibrationsetup.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using Electrical_temperature_units::uCelsius;

namespace
{
const QString SETUPS = QStringLiteral("/home/CalibrationSetups");
const QString ROUTINES = QStringLiteral("/home/CalibrationRoutines");

// Every file and folder under the root, as paths relative to it.
QStringList rootContent()
{
    QStringList entries;
    QDirIterator it(TTestEnvironment::root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(TTestEnvironment::root().size());
    entries.sort();
    return entries;
}

void setModified(const QString& pDevicePath, const QDateTime& pTime)
{
    QFile file(TTestEnvironment::root() + pDevicePath);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(pTime, QFileDevice::FileModificationTime))
        qFatal("cannot set the modification time");
}

QByteArray routineFile(const QString& pSetupName)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<calibration_routine version=\"1\">"
           "<calibration_setup><name>" +
           pSetupName.toUtf8() + "</name></calibration_setup></calibration_routine>\n";
}
} // namespace

class tst_CalibrationFileStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writtenSetupFile();
    void storingASetupTwiceKeepsOneFile();
    void failedWriteKeepsTheOldFile();
    void routineFileNamedAfterSetupAndEnd();
    void storedCalFilesNewestFirst();
    void storedSetupsByName();
    void unreadableFilesLoadAsNothing_data();
    void unreadableFilesLoadAsNothing();
    void deleteSetupFile();
    void namesThatLeaveTheDirectoryAreRefused_data();
    void namesThatLeaveTheDirectoryAreRefused();

private:
    TCalibrationSetup setup(const QString& pName, double pFirstPoint = 50.0);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TCalibrationFileStore> mStore;
};

void tst_CalibrationFileStore::init()
{
    TTestEnvironment::removeUnderRoot("/home");
    TAMARIND_MAKE_FIXTURE(mFixture);
    mStore = std::make_unique<TCalibrationFileStore>(mFixture->build());
}

void tst_CalibrationFileStore::cleanup()
{
    mStore.reset();
    mFixture.reset();
}

TCalibrationSetup tst_CalibrationFileStore::setup(const QString& pName, double pFirstPoint)
{
    return TCalibrationSetup(
        pName, EnCalibratorType::ctDWK4400_165, mFixture->controller().physical_channel(1),
        {TChannelDescription(3, "3")}, 10, 0.05, 5,
        {TElectricalTemperatureValue(pFirstPoint, uCelsius), TElectricalTemperatureValue(100.0, uCelsius)}, QString(),
        0);
}

void tst_CalibrationFileStore::writtenSetupFile()
{
    const TCalibrationSetup bath = setup("Bath1");
    QVERIFY(mStore->storeSetup(&bath));
    QVERIFY(mStore->setupFileExists("Bath1"));
    const QByteArray content = TTestEnvironment::readDeviceFile(SETUPS + "/Bath1.xml");
    QVERIFY2(content.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<calibration_setup version=\"1\">\n"
                                "  <name>Bath1</name>\n"),
             content.constData());
    QVERIFY(content.contains("\n    <dut_channel "));

    const std::unique_ptr<TCalibrationSetup> loaded = mStore->loadSetup("Bath1");
    QVERIFY(loaded);
    QCOMPARE(loaded->name(), QString("Bath1"));
    QCOMPARE(loaded->referenceChannel(), mFixture->controller().physical_channel(1));
    QCOMPARE(loaded->calibrationPoints().size(), size_t(2));
    QVERIFY(!mStore->loadSetup("Bath2"));
}

void tst_CalibrationFileStore::storingASetupTwiceKeepsOneFile()
{
    const TCalibrationSetup first = setup("A", 20.0);
    const TCalibrationSetup second = setup("A", 30.0);
    QVERIFY(mStore->storeSetup(&first));
    QVERIFY(mStore->storeSetup(&second));
    QCOMPARE(QDir(TTestEnvironment::root() + SETUPS).entryList(QDir::Files), QStringList{"A.xml"});
    QCOMPARE(mStore->loadSetup("A")->calibrationPoints().at(0).value(), 30.0);
}

void tst_CalibrationFileStore::failedWriteKeepsTheOldFile()
{
    const TCalibrationSetup first = setup("A", 20.0);
    const TCalibrationSetup second = setup("A", 30.0);
    QVERIFY(mStore->storeSetup(&first));
    const QByteArray stored = TTestEnvironment::readDeviceFile(SETUPS + "/A.xml");
    // The file written beside the old one cannot be made: a folder has its name.
    QVERIFY(QDir().mkpath(TTestEnvironment::root() + SETUPS + "/A.xml.new"));

    QVERIFY(!mStore->storeSetup(&second));
    QCOMPARE(TTestEnvironment::readDeviceFile(SETUPS + "/A.xml"), stored);
    QVERIFY(QFileInfo(TTestEnvironment::root() + SETUPS + "/A.xml.new").isDir());

    // The same for a result whose earlier file has the same name.
    auto routine = std::make_unique<TCalibrationRoutine>(&first);
    const QString path = TTestEnvironment::root() + mStore->newCalFilePath(routine.get());
    TAMARIND_WRITE_DEVICE_FILE(mStore->newCalFilePath(routine.get()), "earlier result");
    QVERIFY(QDir().mkpath(path + ".new"));
    QVERIFY(!mStore->storeRoutine(routine.get()));
    QCOMPARE(TTestEnvironment::readDeviceFile(mStore->newCalFilePath(routine.get())), QByteArray("earlier result"));
}

void tst_CalibrationFileStore::routineFileNamedAfterSetupAndEnd()
{
    // The end time comes from a result file: a routine of Bath1 that ended on
    // 5 March 2026 at 14:07.
    TAMARIND_WRITE_DEVICE_FILE(ROUTINES + "/old.xml", "<calibration_routine><stop_time>20260305140759</stop_time>"
                                                      "<calibration_setup><name>Bath1</name></calibration_setup>"
                                                      "</calibration_routine>");
    const std::unique_ptr<TCalibrationRoutine> routine = mStore->createCalRoutineFromName("old");
    QVERIFY(routine);
    QCOMPARE(mStore->newCalFilePath(routine.get()), ROUTINES + "/Bath1_20260305_1407.xml");
    TTestEnvironment::removeUnderRoot(ROUTINES);

    QVERIFY(mStore->storeRoutine(routine.get()));
    QVERIFY(mStore->storeRoutine(routine.get()));
    QCOMPARE(mStore->storedCalFiles(), zelk::vector<QString>{"Bath1_20260305_1407"});
    const QByteArray content = TTestEnvironment::readDeviceFile(ROUTINES + "/Bath1_20260305_1407.xml");
    QVERIFY2(content.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<calibration_routine version=\"1\">\n"
                                "  <start_time/>\n  <stop_time>20260305140759</stop_time>\n"),
             content.constData());
    const std::unique_ptr<TCalibrationRoutine> readBack = mStore->createCalRoutineFromName("Bath1_20260305_1407");
    QVERIFY(readBack && readBack->setup());
    QCOMPARE(readBack->setup()->name(), QString("Bath1"));
}

void tst_CalibrationFileStore::storedCalFilesNewestFirst()
{
    QCOMPARE(mStore->storedCalFiles(), zelk::vector<QString>());
    for (const char* name : {"x_20260101_1000", "x_20260102_0900", "b", "a"})
        TAMARIND_WRITE_DEVICE_FILE(ROUTINES + "/" + name + ".xml", routineFile("x"));
    TAMARIND_WRITE_DEVICE_FILE(ROUTINES + "/notes.txt", "not a result");
    const QDateTime noon(QDate(2026, 1, 1), QTime(12, 0));
    setModified(ROUTINES + "/x_20260101_1000.xml", noon);
    setModified(ROUTINES + "/x_20260102_0900.xml", noon.addDays(1));
    setModified(ROUTINES + "/a.xml", noon.addSecs(-60));
    setModified(ROUTINES + "/b.xml", noon.addSecs(-60));

    QCOMPARE(mStore->storedCalFiles(), (zelk::vector<QString>{"x_20260102_0900", "x_20260101_1000", "a", "b"}));
}

void tst_CalibrationFileStore::storedSetupsByName()
{
    QCOMPARE(mStore->storedSetups(), zelk::vector<QString>());
    for (const char* name : {"b", "B", "a", "A 1"})
        TAMARIND_WRITE_DEVICE_FILE(SETUPS + "/" + name + ".xml", "<calibration_setup/>");
    TAMARIND_WRITE_DEVICE_FILE(SETUPS + "/c.xml.new", "<calibration_setup/>");
    QCOMPARE(mStore->storedSetups(), (zelk::vector<QString>{"A 1", "B", "a", "b"}));
}

void tst_CalibrationFileStore::unreadableFilesLoadAsNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("no XML") << QByteArray("calibration_setup");
    QTest::newRow("cut off") << QByteArray("<calibration_setup><name>A</name>");
    QTest::newRow("other document element") << QByteArray("<settings><calibration_setup/></settings>");
    // Read as it stands, it would overflow the stack when its name is tapped.
    QTest::newRow("elements nested thousands deep") << "<calibration_setup><name>A</name>" +
                                                           QByteArray("<x>").repeated(6000) +
                                                           QByteArray("</x>").repeated(6000) + "</calibration_setup>";
}

void tst_CalibrationFileStore::unreadableFilesLoadAsNothing()
{
    QFETCH(QByteArray, content);
    TAMARIND_WRITE_DEVICE_FILE(SETUPS + "/A.xml", content);
    TAMARIND_WRITE_DEVICE_FILE(ROUTINES + "/A.xml",
                               QByteArray(content).replace("calibration_setup", "calibration_routine"));
    QVERIFY(!mStore->loadSetup("A"));
    QVERIFY(!mStore->createCalRoutineFromName("A"));
}

void tst_CalibrationFileStore::deleteSetupFile()
{
    const TCalibrationSetup bath = setup("Bath1");
    QVERIFY(mStore->storeSetup(&bath));
    mStore->deleteSetupFile("Bath1");
    QVERIFY(!mStore->setupFileExists("Bath1"));
    mStore->deleteSetupFile("Bath1");
    QVERIFY(QFileInfo(TTestEnvironment::root() + SETUPS).isDir());
}

void tst_CalibrationFileStore::namesThatLeaveTheDirectoryAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("this directory") << ".";
    QTest::newRow("parent directory") << "..";
    QTest::newRow("into another directory") << "../CalibrationRoutines/x";
    QTest::newRow("settings") << "../Settings/ZELK/settings";
    QTest::newRow("absolute") << "/tmp/x";
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b";
}

void tst_CalibrationFileStore::namesThatLeaveTheDirectoryAreRefused()
{
    QFETCH(QString, name);

    // Files that the name would reach from either directory.
    for (const char* path :
         {"/home/Settings/ZELK/settings.xml", "/home/CalibrationRoutines/x.xml", "/home/CalibrationSetups/.xml",
          "/home.xml", "/home/CalibrationSetups/...xml", "/home/CalibrationRoutines/...xml"})
        TAMARIND_WRITE_DEVICE_FILE(path, routineFile("x"));
    TAMARIND_WRITE_DEVICE_FILE("/home/Settings/ZELK/settings_20260101_0000.xml", "keep");
    const QStringList before = rootContent();

    const TCalibrationSetup named = setup(name);
    QVERIFY(!mStore->storeSetup(&named));
    const TCalibrationRoutine routine(&named);
    QVERIFY(!mStore->storeRoutine(&routine));
    QVERIFY(!mStore->setupFileExists(name));
    QVERIFY(!mStore->loadSetup(name));
    QVERIFY(!mStore->createCalRoutineFromName(name));
    mStore->deleteSetupFile(name);
    mStore->deleteCalFile(name);

    QCOMPARE(rootContent(), before);
}

TAMARIND_TEST_MAIN(tst_CalibrationFileStore)
#include "tst_calibrationfilestore.moc"

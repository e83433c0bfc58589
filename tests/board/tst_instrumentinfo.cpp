#include "boardstate.h"
#include "fileversionreader.h"
#include "instrumentinfo.h"
#include "simulatedboardlink.h"
#include "testidentity.h"
#include "testsupport.h"

class tst_InstrumentInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void serialNumber_data();
    void serialNumber();
    void manufacturingDate_data();
    void manufacturingDate();
    void serviceCommandsWriteTheFiles();
    void userInterfaceSerialNumber();
    void boardAskedUntilItAnswers();
    void modelName_data();
    void modelName();
    void identityText();

private:
    int identificationQueries() const;

    TSimulatedBoardLink mBoard;
};

void tst_InstrumentInfo::initTestCase()
{
    // Read once, on first use: before anything asks.
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_platform", "2.1");
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_product", "3.4");
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/net/eth0/address", "00:1a:2b:3c:4d:5e\n");
}

void tst_InstrumentInfo::init()
{
    TInstrumentInfo::instance()->initialize(nullptr);
    mBoard.board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
}

int tst_InstrumentInfo::identificationQueries() const
{
    return int(mBoard.commands().count("*idn?"));
}

void tst_InstrumentInfo::serialNumber_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("serialNumber");

    QTest::newRow("plain") << QByteArray("ZT-0815") << "ZT-0815";
    QTest::newRow("blanks and a line end around it") << QByteArray("  ZT-0815 \n") << "ZT-0815";
    QTest::newRow("cut at a zero byte") << QByteArray("ZT-0815\0garbage", 15) << "ZT-0815";
    QTest::newRow("empty file") << QByteArray() << "";
}

void tst_InstrumentInfo::serialNumber()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, serialNumber);

    TAMARIND_WRITE_DEVICE_FILE("/home/serialnumber", content);
    QCOMPARE(TInstrumentInfo::instance()->instrumentSerialNumber(), serialNumber);
    TTestEnvironment::removeUnderRoot("/home/serialnumber");
    QCOMPARE(TInstrumentInfo::instance()->instrumentSerialNumber(), QString());
}

void tst_InstrumentInfo::manufacturingDate_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QDate>("date");

    QTest::newRow("1 March 2016") << QByteArray("20160301") << QDate(2016, 3, 1);
    QTest::newRow("with a line end") << QByteArray("20160301\r\n") << QDate(2016, 3, 1);
    QTest::newRow("31 February") << QByteArray("20160231") << QDate();
    QTest::newRow("another date format") << QByteArray("01.03.2016") << QDate();
    QTest::newRow("empty file") << QByteArray() << QDate();
}

void tst_InstrumentInfo::manufacturingDate()
{
    QFETCH(QByteArray, content);
    QFETCH(QDate, date);

    TAMARIND_WRITE_DEVICE_FILE("/home/manufacturingdate", content);
    QCOMPARE(TInstrumentInfo::instance()->instrumentManufacturingDate(), date);
    TTestEnvironment::removeUnderRoot("/home/manufacturingdate");
    QVERIFY(!TInstrumentInfo::instance()->instrumentManufacturingDate().isValid());
}

void tst_InstrumentInfo::serviceCommandsWriteTheFiles()
{
    TInstrumentInfo* info = TInstrumentInfo::instance();
    TAMARIND_WRITE_DEVICE_FILE("/home/serialnumber", "A much longer serial number");

    info->setInstrumentSerialNumber("ZT-4711");
    info->setInstrumentManufacturingDate(QDate(2016, 3, 1));

    QCOMPARE(TTestEnvironment::readDeviceFile("/home/serialnumber"), QByteArray("ZT-4711"));
    QCOMPARE(TTestEnvironment::readDeviceFile("/home/manufacturingdate"), QByteArray("20160301"));
    QCOMPARE(info->instrumentSerialNumber(), QString("ZT-4711"));
    QCOMPARE(info->instrumentManufacturingDate(), QDate(2016, 3, 1));
}

void tst_InstrumentInfo::userInterfaceSerialNumber()
{
    QCOMPARE(TInstrumentInfo::instance()->frontEndSerialNumber(), QString("001A2B3C4D5E"));

    qputenv("TAMARIND_NETWORK_INTERFACE", "tamarind-none0");
    const QString withoutInterface = TInstrumentInfo::instance()->frontEndSerialNumber();
    qunsetenv("TAMARIND_NETWORK_INTERFACE");
    QCOMPARE(withoutInterface, QString());
}

void tst_InstrumentInfo::boardAskedUntilItAnswers()
{
    TInstrumentInfo* info = TInstrumentInfo::instance();
    QVERIFY(!info->measurementBoardInfo());
    QCOMPARE(info->instrumentType(), ZTM8800);

    info->initialize(&mBoard.handler());
    const int before = identificationQueries();
    mBoard.injectReply("ZELK,ZTM9900,MB1,1.0");
    QVERIFY(!info->measurementBoardInfo());

    const TMeasurementBoardInfo* board = info->measurementBoardInfo();
    QVERIFY(board);
    QCOMPARE(board->serialNr(), QString("MB19040017"));
    QCOMPARE(board->firmwareVersion(), QString("1.32"));
    QCOMPARE(board->firmwareDate(), QDate(2021, 3, 15));
    QCOMPARE(board->instrumentType(), ZTM9900);
    // Kept from now on.
    info->measurementBoardInfo();
    QCOMPARE(info->instrumentName(), QString("ZTM9900"));
    QCOMPARE(identificationQueries() - before, 2);
}

void tst_InstrumentInfo::modelName_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("name");

    QTest::newRow("ZTM8800") << ZTM8800 << "ZTM8800";
    QTest::newRow("ZTM8800v2") << ZTM8800v2 << "ZTM8800";
    QTest::newRow("ZTM9900") << ZTM9900 << "ZTM9900";
}

void tst_InstrumentInfo::modelName()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, name);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    QCOMPARE(TInstrumentInfo::instance()->instrumentName(), name);
}

void tst_InstrumentInfo::identityText()
{
    TAMARIND_WRITE_DEVICE_FILE("/home/serialnumber", "ZT-0815");
    const QString version = TFileVersionReader::determineFileVersion().toString();
    TInstrumentInfo* info = TInstrumentInfo::instance();

    // A board that never answered leaves its lines empty.
    QCOMPARE(info->identityText(), "Model: ZTM8800\r\n"
                                   "Instrument serial number: ZT-0815\r\n"
                                   "Measuring serial number: \r\n"
                                   "User interface serial number: 001A2B3C4D5E\r\n"
                                   "User interface version: " +
                                       version +
                                       "\r\n"
                                       "OS version: 2.1-3.4\r\n"
                                       "Firmware version: \r\n");

    QVERIFY(identifyBoardAs(mBoard, ZTM9900));
    QCOMPARE(info->identityText(), "Model: ZTM9900\r\n"
                                   "Instrument serial number: ZT-0815\r\n"
                                   "Measuring serial number: MB19040017\r\n"
                                   "User interface serial number: 001A2B3C4D5E\r\n"
                                   "User interface version: " +
                                       version +
                                       "\r\n"
                                       "OS version: 2.1-3.4\r\n"
                                       "Firmware version: 1.32\r\n");
}

TAMARIND_TEST_MAIN(tst_InstrumentInfo)
#include "tst_instrumentinfo.moc"

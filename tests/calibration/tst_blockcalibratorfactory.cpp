#include "blockcalibratorfactory.h"
#include "testsupport.h"

Q_DECLARE_METATYPE(EnCalibratorType)

class tst_BlockcalibratorFactory : public QObject
{
    Q_OBJECT

private slots:
    void modelTable_data();
    void modelTable();
    void typesOutsideTheTableHaveNoDescription_data();
    void typesOutsideTheTableHaveNoDescription();
};

void tst_BlockcalibratorFactory::modelTable_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tmin");
    QTest::addColumn<int>("tmax");
    // 0 for a model on the USB-serial converter.
    QTest::addColumn<int>("defaultPort");

    using T = EnCalibratorType;
    QTest::newRow("1 cooling dry well") << T::ctDWK4400_COOL << "DWK4400-COOL" << -55 << 200 << 0;
    QTest::newRow("2") << T::ctDWK4400_165 << "DWK4400-165" << -35 << 165 << 0;
    QTest::newRow("3") << T::ctDWK4400_450 << "DWK4400-450" << 40 << 450 << 0;
    QTest::newRow("4") << T::ctDWK4400_650 << "DWK4400-650" << 40 << 650 << 0;
    QTest::newRow("5 STX/ETX dry well") << T::ctDWK4600_650 << "DWK4600-650" << 40 << 650 << 0;
    QTest::newRow("6") << T::ctDWK4600_165 << "DWK4600-165" << -35 << 165 << 0;
    QTest::newRow("7") << T::ctMBK2700_165 << "MBK2700-165" << -35 << 165 << 0;
    QTest::newRow("8") << T::ctMBK2700_225 << "MBK2700-225" << 40 << 225 << 0;
    QTest::newRow("9 range beyond its name") << T::ctMFK5100_150 << "MFK5100-150" << -35 << 165 << 0;
    QTest::newRow("10 network bath, no range suffix") << T::ctMBK2800 << "MBK2800" << 28 << 300 << 8101;
    QTest::newRow("11 network bath") << T::ctMBK2900 << "MBK2900" << -45 << 200 << 8101;
    QTest::newRow("12 variable protocol") << T::ctDWK4400_1100 << "DWK4400-1100" << 200 << 1100 << 0;
}

void tst_BlockcalibratorFactory::modelTable()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(QString, name);
    QFETCH(int, tmin);
    QFETCH(int, tmax);
    QFETCH(int, defaultPort);

    TBlockcalibratorFactory* factory = TBlockcalibratorFactory::instance();
    QCOMPARE(TBlockcalibratorFactory::instance(), factory);
    const TBlockcalibratorInfo* info = factory->calibratorInfo(type);
    QVERIFY(info);
    QCOMPARE(info->typeName(), name);
    QCOMPARE(factory->calibratorTypeToText(type), name);
    QCOMPARE(info->tmin(), tmin);
    QCOMPARE(info->tmax(), tmax);
    const auto* ethernet = dynamic_cast<const TBlockcalibratorInfo_Ethernet*>(info);
    QCOMPARE(ethernet != nullptr, defaultPort != 0);
    QCOMPARE(dynamic_cast<const TBlockcalibratorInfo_Serial*>(info) != nullptr, defaultPort == 0);
    if (ethernet)
        QCOMPARE(ethernet->defaultPort(), defaultPort);
}

void tst_BlockcalibratorFactory::typesOutsideTheTableHaveNoDescription_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("undefined") << 0;
    QTest::newRow("one past the last model") << 13;
    QTest::newRow("largest code") << 255;
}

void tst_BlockcalibratorFactory::typesOutsideTheTableHaveNoDescription()
{
    QFETCH(int, code);
    const auto type = static_cast<EnCalibratorType>(code);
    QVERIFY(!TBlockcalibratorFactory::instance()->calibratorInfo(type));
    QCOMPARE(TBlockcalibratorFactory::instance()->calibratorTypeToText(type), QString());
}

TAMARIND_TEST_MAIN(tst_BlockcalibratorFactory)
#include "tst_blockcalibratorfactory.moc"

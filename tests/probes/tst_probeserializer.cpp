#include "instrumentinfo.h"
#include "probe.h"
#include "probeserializer.h"
#include "simulatedboardlink.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QSignalSpy>

using namespace Probe_enums;

namespace
{
// The fields after the name that a record of a cleared board slot holds.
QString zeros(int pCount)
{
    QStringList fields;
    for (int i = 0; i < pCount; ++i)
        fields << "0";
    return fields.join(',');
}

// A record of the board's own layout, written by hand from the format.
const QString EXAMPLE_9900 = "1,PT100-A,450.0,-200.0,1,100,3.90830e-03,-5.77500e-07,-4.18300e-12,0,0,0,0,0,0,0,0,0,0,"
                             "0,0,0,0,1,0,2020,05,17,2,1,1,2,0";
const QString CVD_9900 =
    "1,PT100-A,450.0,-200.5,2,100.012,3.90830e-03,-5.77500e-07,-4.18300e-12," + zeros(14) + ",1,0,2020,05,17,2,2,1,1,3";
const QString ITS90_9900 = "1,PT100-A,450.0,-200.5,3,99.9876,-1.23456e-04,2.50000e-05,3.25000e-06,-4.50000e-07,"
                           "5.75000e-08,-6.12500e-09," +
                           zeros(11) + ",1,0,2020,05,17,2,2,1,1,3";
const QString POLYNOMIAL_TC_9900 =
    "8,TC-K7,1200.0,-50.5,2,-5.00000e+01,1.00000e+02,-1.50000e+00,2.25000e-02,-3.12500e-04,4.50000e-06,1.00000e+02,"
    "5.00000e+02,-1.75000e+00,2.50000e-02,-3.25000e-04,4.75000e-06,5.00000e+02,1.20000e+03,-2.00000e+00,2.75000e-02,"
    "-3.37500e-04,5.00000e-06,3,1,2019,12,31,0,1,3,2,0";
const QString IEC584_TC_9900 = "8,TC-K7,1200.0,-50.5,1," + zeros(18) + ",3,1,2019,12,31,0,1,3,2,0";
const QString STEINHART_HART_9900 =
    "2,NTC-3,150.0,-40.0,2,1.12874e-03,2.34124e-04,8.76741e-08," + zeros(15) + ",0,0,2023,01,02,0,1,2,2,0";
const QString THERMISTOR_POLYNOMIAL_9900 = "2,NTC-3,150.0,-40.0,3,1.25000e+00,-2.50000e-02,3.75000e-04,-5.00000e-06," +
                                           zeros(14) + ",0,0,2023,01,02,0,1,2,2,0";

// The same record without the operating current field of the later boards.
QString forZTM8800(const QString& pRecord)
{
    return pRecord.left(pRecord.lastIndexOf(','));
}

// Replaces the field at the index (counted from 0).
QString withField(const QString& pRecord, int pIndex, const QString& pValue)
{
    QStringList fields = pRecord.split(',');
    fields[pIndex] = pValue;
    return fields.join(',');
}

std::unique_ptr<TAbstractProbe> pt100Example()
{
    return std::make_unique<TPRTProbe>(1, "PT100-A", prttPT100, false, 1, -200.0, 450.0, QDate(2020, 5, 17), false,
                                       w4wire, false, false, Automatic, rprtAuto, cprtEN60751, 0, 0, 0, 0, 0, 0, 0, 0,
                                       0, 0, 0);
}
} // namespace

class tst_ProbeSerializer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheBoardRecord_data();
    void writesTheBoardRecord();
    void recordsReadBackUnchanged_data();
    void recordsReadBackUnchanged();
    void readingKeepsWhatTheRecordHolds_data();
    void readingKeepsWhatTheRecordHolds();
    void refusedRecords_data();
    void refusedRecords();
    void recordValues_data();
    void recordValues();

private:
    TSimulatedBoardLink mBoard;
};

void tst_ProbeSerializer::initTestCase()
{
    QVERIFY(mBoard.board().isRunning());
}

void tst_ProbeSerializer::writesTheBoardRecord_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QSharedPointer<TAbstractProbe>>("probe");
    QTest::addColumn<QString>("record");

    auto shared = [](std::unique_ptr<TAbstractProbe> pProbe) {
        return QSharedPointer<TAbstractProbe>(pProbe.release());
    };

    QTest::newRow("Pt100 on the standard curve, ZTM9900") << ZTM9900 << shared(pt100Example()) << EXAMPLE_9900;
    QTest::newRow("Pt100 on the standard curve, ZTM8800v2") << ZTM8800v2 << shared(pt100Example()) << EXAMPLE_9900;
    QTest::newRow("Pt100 on the standard curve, ZTM8800")
        << ZTM8800 << shared(pt100Example()) << forZTM8800(EXAMPLE_9900);
    // printf rounds an exact half to the even digit.
    auto halves = std::make_unique<TPRTProbe>(1, "PT100-A", prttPT100, false, 1, -200.25, 450.25, QDate(2020, 5, 17),
                                              false, w4wire, false, false, Automatic, rprtAuto, cprtEN60751, 0, 0, 0, 0,
                                              0, 0, 0, 0, 0, 0, 0);
    QTest::newRow("limits on an exact half")
        << ZTM9900 << shared(std::move(halves)) << withField(withField(EXAMPLE_9900, 2, "450.2"), 3, "-200.2");

    // The probe's own Callendar-Van Dusen values never reach the board on the
    // standard curve, a Pt25 gets R0 25.
    auto pt25 =
        std::make_unique<TPRTProbe>(2, "PT25", prttPT25, false, 0, -200.0, 660.0, QDate(), false, w3wire, false, false,
                                    TwoMilliAmps, rprt25, cprtEN60751, 25.5, 1.0, 2.0, 3.0, 0, 0, 0, 0, 0, 0, 0);
    QTest::newRow("Pt25 on the standard curve, no calibration date")
        << ZTM9900 << shared(std::move(pt25))
        << "0,PT25,660.0,-200.0,1,25,3.90830e-03,-5.77500e-07,-4.18300e-12," + zeros(14) + ",2,0,0,0,0,1,1,0,2,3";

    QTest::newRow("Callendar-Van Dusen PRT") << ZTM9900 << shared(TestProbes::prt(cprtCVD)) << CVD_9900;
    QTest::newRow("ITS-90 PRT") << ZTM9900 << shared(TestProbes::prt(cprtITS90)) << ITS90_9900;
    QTest::newRow("data-pairs PRT writes the ITS-90 slots")
        << ZTM9900 << shared(TestProbes::prt(cprtDataPairs)) << withField(ITS90_9900, 4, "4");
    QTest::newRow("polynomial thermocouple, coefficients negated")
        << ZTM9900 << shared(TestProbes::thermocouple(ctcPolynomial)) << POLYNOMIAL_TC_9900;
    QTest::newRow("IEC 584 thermocouple") << ZTM9900 << shared(TestProbes::thermocouple(ctcIEC584)) << IEC584_TC_9900;
    QTest::newRow("Steinhart-Hart thermistor")
        << ZTM9900 << shared(TestProbes::thermistor(cthSteinhartHart)) << STEINHART_HART_9900;
    QTest::newRow("polynomial thermistor")
        << ZTM9900 << shared(TestProbes::thermistor(cthPolynomial)) << THERMISTOR_POLYNOMIAL_9900;
    QTest::newRow("thermistor without conversion")
        << ZTM9900 << shared(TestProbes::thermistor(cthNone))
        << "2,NTC-3,150.0,-40.0,1," + zeros(18) + ",0,0,2023,01,02,0,1,2,2,0";

    auto longName = std::make_unique<TThermistorProbe>(3, "ABCDEFGHIJKLMNOPQRSTUVWXY", true, 0, -40.0, 150.0, QDate(),
                                                       false, cthNone, 0, 0, 0, 0, 0, 0, 0);
    QTest::newRow("name cut to 20 characters")
        << ZTM8800 << shared(std::move(longName))
        << "2,ABCDEFGHIJKLMNOPQRST,150.0,-40.0,1," + zeros(18) + ",0,0,0,0,0,0,2,0,2";
}

void tst_ProbeSerializer::writesTheBoardRecord()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QSharedPointer<TAbstractProbe>, probe);
    QFETCH(QString, record);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    QCOMPARE(TProbeSerializer().probeToString(*probe), record);
}

void tst_ProbeSerializer::recordsReadBackUnchanged_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("probeClass");

    const std::pair<const char*, QString> records[] = {
        {"standard-curve PRT", EXAMPLE_9900},
        {"Callendar-Van Dusen PRT", CVD_9900},
        {"ITS-90 PRT", ITS90_9900},
        {"polynomial thermocouple", POLYNOMIAL_TC_9900},
        {"IEC 584 thermocouple", IEC584_TC_9900},
        {"Steinhart-Hart thermistor", STEINHART_HART_9900},
        {"polynomial thermistor", THERMISTOR_POLYNOMIAL_9900},
    };
    for (const auto& [name, record] : records) {
        const QString probeClass = record.startsWith("2,")   ? "TThermistorProbe"
                                   : record.startsWith("8,") ? "TTCProbe"
                                                             : "TPRTProbe";
        QTest::newRow(qPrintable(QString(name) + ", ZTM9900")) << ZTM9900 << record << probeClass;
        QTest::newRow(qPrintable(QString(name) + ", ZTM8800")) << ZTM8800 << forZTM8800(record) << probeClass;
    }
}

void tst_ProbeSerializer::recordsReadBackUnchanged()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, record);
    QFETCH(QString, probeClass);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    TProbeSerializer serializer;
    QSignalSpy refused(&serializer, &TProbeSerializer::invalidProbeSerialization);
    std::unique_ptr<TAbstractProbe> probe = serializer.createProbeFromString(17, record, true);

    QVERIFY(probe);
    QCOMPARE(refused.count(), 0);
    QCOMPARE(probe->metaObject()->className(), qPrintable(probeClass));
    QCOMPARE(probe->internalProbeNumber(), 17);
    QVERIFY(probe->isDefaultProbe());
    QCOMPARE(serializer.probeToString(*probe), record);
}

void tst_ProbeSerializer::readingKeepsWhatTheRecordHolds_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QSharedPointer<TAbstractProbe>>("probe");
    QTest::addColumn<QStringList>("lost");

    auto shared = [](std::unique_ptr<TAbstractProbe> pProbe) {
        return QSharedPointer<TAbstractProbe>(pProbe.release());
    };

    // The samples have root-2 on and a 2 mA setting on a Pt100 (whose default
    // is 1 mA), so both show when they are lost.
    QTest::newRow("Callendar-Van Dusen PRT, ZTM9900")
        << ZTM9900 << shared(TestProbes::prt(cprtCVD))
        << QStringList{"factorRoot2",    "ITS90_coeff_R001", "ITS90_coeff_A",  "ITS90_coeff_B",
                       "ITS90_coeff_Ap", "ITS90_coeff_Bp",   "ITS90_coeff_Cp", "ITS90_coeff_Dp"};
    QTest::newRow("ITS-90 PRT, ZTM8800v2")
        << ZTM8800v2 << shared(TestProbes::prt(cprtITS90))
        << QStringList{"factorRoot2", "operationCurrentSetting", "CvD_coeff_R0", "CvD_coeff_A", "CvD_coeff_B",
                       "CvD_coeff_C"};
    // The sample's A, B and C are the standard curve's, its R0 is not.
    QTest::newRow("standard-curve PRT, ZTM8800")
        << ZTM8800 << shared(TestProbes::prt(cprtEN60751))
        << QStringList{"factorRoot2",    "operationCurrentSetting", "CvD_coeff_R0",   "ITS90_coeff_R001",
                       "ITS90_coeff_A",  "ITS90_coeff_B",           "ITS90_coeff_Ap", "ITS90_coeff_Bp",
                       "ITS90_coeff_Cp", "ITS90_coeff_Dp"};
    QTest::newRow("polynomial thermocouple")
        << ZTM9900 << shared(TestProbes::thermocouple(ctcPolynomial)) << QStringList();
    QTest::newRow("Steinhart-Hart thermistor")
        << ZTM9900 << shared(TestProbes::thermistor(cthSteinhartHart))
        << QStringList{"Poly_coeff_c0", "Poly_coeff_c1", "Poly_coeff_c2", "Poly_coeff_c3"};
}

void tst_ProbeSerializer::readingKeepsWhatTheRecordHolds()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QSharedPointer<TAbstractProbe>, probe);
    QFETCH(QStringList, lost);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    TProbeSerializer serializer;
    const std::unique_ptr<TAbstractProbe> readBack =
        serializer.createProbeFromString(probe->internalProbeNumber(), serializer.probeToString(*probe), false);

    QVERIFY(readBack);
    QCOMPARE(TestProbes::differingFields(*probe, *readBack), lost);
}

void tst_ProbeSerializer::refusedRecords_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("fieldIndex"); // -2: no probe and no signal

    const QString tc8800 = forZTM8800(POLYNOMIAL_TC_9900);
    const QString thermistor8800 = forZTM8800(STEINHART_HART_9900);

    QTest::newRow("32 fields on a ZTM9900") << ZTM9900 << forZTM8800(CVD_9900) << -1;
    QTest::newRow("32 fields on a ZTM8800v2") << ZTM8800v2 << forZTM8800(CVD_9900) << -1;
    QTest::newRow("33 fields on a ZTM8800") << ZTM8800 << CVD_9900 << -1;
    QTest::newRow("empty record") << ZTM8800 << QString() << -1;
    QTest::newRow("sensor code no number") << ZTM9900 << withField(CVD_9900, 0, "") << 0;
    QTest::newRow("Tmax no number") << ZTM9900 << withField(CVD_9900, 2, "4.5.0") << 2;
    QTest::newRow("coefficient slot 18 no number") << ZTM9900 << withField(CVD_9900, 22, "x") << 22;
    QTest::newRow("calibration year no number") << ZTM9900 << withField(CVD_9900, 25, "2O20") << 25;
    QTest::newRow("keep-warm no number") << ZTM8800 << withField(forZTM8800(CVD_9900), 31, "on") << 31;
    QTest::newRow("keep-warm no number before an empty name")
        << ZTM8800 << withField(withField(forZTM8800(CVD_9900), 1, ""), 31, "on") << 31;
    QTest::newRow("operating current no number on a ZTM9900") << ZTM9900 << withField(CVD_9900, 32, "auto") << 32;
    QTest::newRow("PRT conversion 0") << ZTM9900 << withField(CVD_9900, 4, "0") << 5;
    QTest::newRow("PRT conversion 5") << ZTM9900 << withField(CVD_9900, 4, "5") << 5;
    QTest::newRow("PRT resistor 4") << ZTM9900 << withField(CVD_9900, 23, "4") << 24;
    QTest::newRow("PRT wiring 0") << ZTM9900 << withField(CVD_9900, 28, "0") << 29;
    QTest::newRow("PRT wiring 3") << ZTM9900 << withField(CVD_9900, 28, "3") << 29;
    QTest::newRow("thermocouple junction 0 before a bad conversion")
        << ZTM8800 << withField(withField(tc8800, 23, "0"), 4, "7") << 24;
    QTest::newRow("thermocouple junction 4") << ZTM8800 << withField(tc8800, 23, "4") << 24;
    QTest::newRow("thermocouple conversion 3") << ZTM8800 << withField(tc8800, 4, "3") << 5;
    QTest::newRow("thermistor conversion 4") << ZTM8800 << withField(thermistor8800, 4, "4") << 5;

    QTest::newRow("cleared board slot") << ZTM9900 << "0,," + zeros(31) << -2;
    QTest::newRow("cleared board slot, ZTM8800") << ZTM8800 << "0,," + zeros(30) << -2;
    QTest::newRow("sensor code 13") << ZTM9900 << withField(CVD_9900, 0, "13") << -2;
    QTest::newRow("sensor code -1") << ZTM9900 << withField(CVD_9900, 0, "-1") << -2;
}

void tst_ProbeSerializer::refusedRecords()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, record);
    QFETCH(int, fieldIndex);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    TProbeSerializer serializer;
    QSignalSpy refused(&serializer, &TProbeSerializer::invalidProbeSerialization);

    QVERIFY(!serializer.createProbeFromString(42, record, false));

    if (fieldIndex == -2) {
        QCOMPARE(refused.count(), 0);
        return;
    }
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toInt(), 42);
    QCOMPARE(refused.at(0).at(1).toInt(), fieldIndex);
}

void tst_ProbeSerializer::recordValues_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");

    const QString cvd8800 = forZTM8800(CVD_9900);
    QTest::newRow("reference flag 2") << ZTM8800 << withField(cvd8800, 29, "2") << "isReference" << QVariant(true);
    QTest::newRow("reference flag 1") << ZTM8800 << withField(cvd8800, 29, "1") << "isReference" << QVariant(false);
    QTest::newRow("reference flag 0") << ZTM8800 << withField(cvd8800, 29, "0") << "isReference" << QVariant(false);
    QTest::newRow("reference flag 258 is a byte 2")
        << ZTM8800 << withField(cvd8800, 29, "258") << "isReference" << QVariant(true);
    QTest::newRow("keep-warm 1") << ZTM8800 << withField(cvd8800, 31, "1") << "keepWarmCurrent" << QVariant(true);
    QTest::newRow("keep-warm 0") << ZTM8800 << withField(cvd8800, 31, "0") << "keepWarmCurrent" << QVariant(false);
    QTest::newRow("keep-warm 3") << ZTM8800 << withField(cvd8800, 31, "3") << "keepWarmCurrent" << QVariant(false);
    QTest::newRow("sensor code 257 is a byte 1, a Pt100")
        << ZTM8800 << withField(cvd8800, 0, "257") << "PRTType" << QVariant(int(prttPT100));
    QTest::newRow("name longer than 20 read whole") << ZTM8800 << withField(cvd8800, 1, "ABCDEFGHIJKLMNOPQRSTUVWXY")
                                                    << "probeName" << QVariant("ABCDEFGHIJKLMNOPQRSTUVWXY");
    QTest::newRow("no calibration date") << ZTM8800
                                         << withField(withField(withField(cvd8800, 25, "0"), 26, "0"), 27, "0")
                                         << "lastCalDate" << QVariant(QDate());
    QTest::newRow("Pt25 on a ZTM8800v2 keeps its type's current")
        << ZTM8800v2 << withField(withField(CVD_9900, 0, "0"), 32, "1") << "operationCurrentSetting"
        << QVariant(int(TwoMilliAmps));
    QTest::newRow("Pt100 on a ZTM8800 gets its type's current")
        << ZTM8800 << cvd8800 << "operationCurrentSetting" << QVariant(int(OneMilliAmp));
    QTest::newRow("operating current 1 on a ZTM9900")
        << ZTM9900 << withField(CVD_9900, 32, "1") << "operationCurrentSetting"
        << QVariant(int(ZeroPointFiveMilliAmps));
    QTest::newRow("operating current no number on a ZTM8800v2 is not read")
        << ZTM8800v2 << withField(CVD_9900, 32, "auto") << "operationCurrentSetting" << QVariant(int(OneMilliAmp));
    QTest::newRow("thermocouple coefficient A0 negated back")
        << ZTM9900 << POLYNOMIAL_TC_9900 << "poly_coeff_A0" << QVariant(1.5);
    QTest::newRow("thermocouple range limit keeps its sign")
        << ZTM9900 << POLYNOMIAL_TC_9900 << "poly_coeff_Ta_min" << QVariant(-50.0);
    QTest::newRow("thermocouple reference channel")
        << ZTM9900 << POLYNOMIAL_TC_9900 << "refChannelNumber" << QVariant(1);
    QTest::newRow("thermocouple junction code 2 is external")
        << ZTM9900 << withField(POLYNOMIAL_TC_9900, 23, "2") << "referenceColdJunction" << QVariant(int(rjExternal));
    QTest::newRow("thermistor polynomial from the first four slots")
        << ZTM9900 << THERMISTOR_POLYNOMIAL_9900 << "Poly_coeff_c3" << QVariant(-5.0e-6);
}

void tst_ProbeSerializer::recordValues()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, record);
    QFETCH(QString, field);
    QFETCH(QVariant, value);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    const std::unique_ptr<TAbstractProbe> probe = TProbeSerializer().createProbeFromString(1, record, false);
    QVERIFY(probe);

    QCOMPARE(TestProbes::field(*probe, field), value);
}

TAMARIND_TEST_MAIN(tst_ProbeSerializer)
#include "tst_probeserializer.moc"

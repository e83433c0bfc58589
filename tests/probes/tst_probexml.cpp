#include "instrumentinfo.h"
#include "probe.h"
#include "simulatedboardlink.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QDomDocument>
#include <QDomElement>

using namespace Probe_enums;

namespace
{
using TSharedProbe = QSharedPointer<TAbstractProbe>;

TSharedProbe shared(std::unique_ptr<TAbstractProbe> pProbe)
{
    return TSharedProbe(pProbe.release());
}

std::unique_ptr<TAbstractProbe> readBack(const TAbstractProbe& pProbe)
{
    QDomDocument document;
    QDomElement probeElement = document.createElement("probe");
    document.appendChild(probeElement);
    pProbe.saveToXML(probeElement);
    return TAbstractProbe::createFromXML(probeElement);
}

std::unique_ptr<TAbstractProbe> readFragment(const QString& pFragment)
{
    QDomDocument document;
    if (!document.setContent("<probe>" + pFragment + "</probe>"))
        qFatal("fragment is no XML: %s", qPrintable(pFragment));
    return TAbstractProbe::createFromXML(document.documentElement());
}

const QString COMMON = "<name>P</name><is_reference>0</is_reference><t_min>-5.00000000e+01</t_min>"
                       "<t_max>1.50000000e+02</t_max><last_cal_date>20240229</last_cal_date>";

QString prtDetails(const QString& pWiring = "2", const QString& pExtra = QString(),
                   const QString& pConversion = "<conversion_standard>2</conversion_standard>"
                                                "<cvd_coefficients><r0>100.5</r0><a>1e-3</a><b>2e-7</b><c>3e-12</c>"
                                                "</cvd_coefficients>")
{
    return "<prt_probe_details><wiring>" + pWiring +
           "</wiring><internal_resistor>3</internal_resistor><standby_current>1</standby_current>"
           "<prt_type>1</prt_type>" +
           pExtra + "<conversion>" + pConversion + "</conversion></prt_probe_details>";
}

QString tcDetails(const QString& pType, const QString& pConversion)
{
    return "<tc_probe_details><tc_type>" + pType +
           "</tc_type><cold_junction_compensation>1</cold_junction_compensation><conversion>"
           "<conversion_standard>" +
           pConversion + "</conversion_standard></conversion></tc_probe_details>";
}

const QString SMART_DETAILS = "<smart_probe_details><internal_resistor>2</internal_resistor>"
                              "<standby_current>1</standby_current><next_cal_date>20250101</next_cal_date>"
                              "<cal_source>Lab</cal_source><conversion><conversion_standard>1</conversion_standard>"
                              "</conversion></smart_probe_details>";
} // namespace

class tst_ProbeXml : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheFragment_data();
    void writesTheFragment();
    void roundTrips_data();
    void roundTrips();
    void resistanceKeepsSixDigits();
    void readsWrittenFragments_data();
    void readsWrittenFragments();

private:
    TSimulatedBoardLink mBoard;
};

void tst_ProbeXml::initTestCase()
{
    QVERIFY(mBoard.board().isRunning());
}

void tst_ProbeXml::writesTheFragment_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<TSharedProbe>("probe");
    QTest::addColumn<QStringList>("fragment");

    // The PRT sample's lines up to its PRT type, without excitation current.
    const QStringList prtHead{"name: PT100-A",
                              "is_reference: 1",
                              "t_min[unit_id=1 unit_text=°C]: -2.00500000e+02",
                              "t_max[unit_id=1 unit_text=°C]: 4.50000000e+02",
                              "last_cal_date: 20200517",
                              "prt_probe_details",
                              "  wiring[text=4-wire]: 2",
                              "  internal_resistor[text=Auto]: 1",
                              "  standby_current: 1"};
    const QStringList prtType{"  prt_type[text=Pt100]: 1", "  conversion"};

    QTest::newRow("Callendar-Van Dusen PRT on a ZTM9900")
        << ZTM9900 << shared(TestProbes::prt(cprtCVD))
        << prtHead + QStringList{"  excitation_current: 3"} + prtType +
               QStringList{"    conversion_standard[text=Callendar-Van Dusen]: 2",
                           "    cvd_coefficients",
                           "      r0: 100.012",
                           "      a: 3.90830e-03",
                           "      b: -5.77500e-07",
                           "      c: -4.18300e-12"};
    QTest::newRow("ITS-90 PRT on a ZTM8800") << ZTM8800 << shared(TestProbes::prt(cprtITS90))
                                             << prtHead + prtType +
                                                    QStringList{"    conversion_standard[text=ITS 90]: 3",
                                                                "    its90_coefficients",
                                                                "      r001: 99.9876",
                                                                "      a: -1.23456e-04",
                                                                "      b: 2.50000e-05",
                                                                "      ap: 3.25000e-06",
                                                                "      bp: -4.50000e-07",
                                                                "      cp: 5.75000e-08",
                                                                "      dp: -6.12500e-09"};
    QTest::newRow("standard-curve PRT keeps no coefficients")
        << ZTM8800 << shared(TestProbes::prt(cprtEN60751))
        << prtHead + prtType + QStringList{"    conversion_standard[text=EN 60751]: 1"};

    QTest::newRow("SMART probe, the calibration date twice") << ZTM9900 << shared(TestProbes::smart(cprtITS90))
                                                             << QStringList{"name: SMART-1",
                                                                            "is_reference: 0",
                                                                            "t_min[unit_id=1 unit_text=°C]: nan",
                                                                            "t_max[unit_id=1 unit_text=°C]: nan",
                                                                            "last_cal_date: 20210310",
                                                                            "smart_probe_details",
                                                                            "  internal_resistor[text=25Ω]: 2",
                                                                            "  standby_current: 0",
                                                                            "  next_cal_date: 20220310",
                                                                            "  cal_source: Lab 4",
                                                                            "  conversion",
                                                                            "    conversion_standard[text=ITS 90]: 3",
                                                                            "    its90_coefficients",
                                                                            "      r001: 25.4987",
                                                                            "      a: -1.50000e-04",
                                                                            "      b: 2.25000e-05",
                                                                            "      ap: 3.50000e-06",
                                                                            "      bp: -4.75000e-07",
                                                                            "      cp: 5.50000e-08",
                                                                            "      dp: -6.25000e-09",
                                                                            "last_cal_date: 20210310"};

    auto undated =
        std::make_unique<TSmartProbePRT>("S", true, QDate(), true, rprtUndefined, cprtCVD, 100.0, 1e-3, -2e-7, 0.0, 0,
                                         0, 0, 0, 0, 0, 0, nullptr, QDate(), "", 1.0, 2.0, false);
    QTest::newRow("SMART probe without dates") << ZTM8800 << shared(std::move(undated))
                                               << QStringList{"name: S",
                                                              "is_reference: 1",
                                                              "t_min[unit_id=1 unit_text=°C]: nan",
                                                              "t_max[unit_id=1 unit_text=°C]: nan",
                                                              "smart_probe_details",
                                                              "  internal_resistor[text=]: -1",
                                                              "  standby_current: 0",
                                                              "  next_cal_date: ",
                                                              "  cal_source: ",
                                                              "  conversion",
                                                              "    conversion_standard[text=Callendar-Van Dusen]: 2",
                                                              "    cvd_coefficients",
                                                              "      r0: 100",
                                                              "      a: 1.00000e-03",
                                                              "      b: -2.00000e-07",
                                                              "      c: 0.00000e+00",
                                                              "last_cal_date: "};

    QTest::newRow("polynomial thermocouple") << ZTM9900 << shared(TestProbes::thermocouple(ctcPolynomial))
                                             << QStringList{"name: TC-K7",
                                                            "is_reference: 0",
                                                            "t_min[unit_id=1 unit_text=°C]: -5.05000000e+01",
                                                            "t_max[unit_id=1 unit_text=°C]: 1.20000000e+03",
                                                            "last_cal_date: 20191231",
                                                            "tc_probe_details",
                                                            "  tc_type[text=K]: 8",
                                                            "  cold_junction_compensation[text=channel]: 2",
                                                            "  conversion",
                                                            "    conversion_standard[text=Polynomial]: 2",
                                                            "    polynomial_coefficients",
                                                            "      Ta_min: -50",
                                                            "      Ta_max: 100",
                                                            "      A0: 1.50000e+00",
                                                            "      A1: -2.25000e-02",
                                                            "      A2: 3.12500e-04",
                                                            "      A3: -4.50000e-06",
                                                            "      Tb_min: 100",
                                                            "      Tb_max: 500",
                                                            "      B0: 1.75000e+00",
                                                            "      B1: -2.50000e-02",
                                                            "      B2: 3.25000e-04",
                                                            "      B3: -4.75000e-06",
                                                            "      Tc_min: 500",
                                                            "      Tc_max: 1200",
                                                            "      C0: 2.00000e+00",
                                                            "      C1: -2.75000e-02",
                                                            "      C2: 3.37500e-04",
                                                            "      C3: -5.00000e-06"};

    auto undefinedTc = std::make_unique<TTCProbe>(1, "T", false, 0, 0.0, 100.0, QDate(), false, ptT, rjUndefined, 0,
                                                  ctcUndefined, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    QTest::newRow("thermocouple with undefined junction and conversion")
        << ZTM8800 << shared(std::move(undefinedTc))
        << QStringList{"name: T",
                       "is_reference: 0",
                       "t_min[unit_id=1 unit_text=°C]: 0.00000000e+00",
                       "t_max[unit_id=1 unit_text=°C]: 1.00000000e+02",
                       "tc_probe_details",
                       "  tc_type[text=T]: 12",
                       "  cold_junction_compensation[text=]: -1",
                       "  conversion",
                       "    conversion_standard[text=]: -1"};

    const QStringList thermistorHead{"name: NTC-3",
                                     "is_reference: 0",
                                     "t_min[unit_id=1 unit_text=°C]: -4.00000000e+01",
                                     "t_max[unit_id=1 unit_text=°C]: 1.50000000e+02",
                                     "last_cal_date: 20230102",
                                     "thermistor_probe_details",
                                     "  conversion"};
    QTest::newRow("Steinhart-Hart thermistor")
        << ZTM9900 << shared(TestProbes::thermistor(cthSteinhartHart))
        << thermistorHead + QStringList{"    conversion_standard[text=Steinhart-Hart]: 2",
                                        "    steinhart_hart_coefficients", "      a: 1.12874e-03",
                                        "      b: 2.34124e-04", "      c: 8.76741e-08"};
    QTest::newRow("polynomial thermistor")
        << ZTM9900 << shared(TestProbes::thermistor(cthPolynomial))
        << thermistorHead + QStringList{"    conversion_standard[text=Polynomial]: 3",
                                        "    polynomial_coefficients",
                                        "      c0: 1.25000e+00",
                                        "      c1: -2.50000e-02",
                                        "      c2: 3.75000e-04",
                                        "      c3: -5.00000e-06"};
}

void tst_ProbeXml::writesTheFragment()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(TSharedProbe, probe);
    QFETCH(QStringList, fragment);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    QCOMPARE(TestProbes::writtenFragment(*probe), fragment);
}

void tst_ProbeXml::roundTrips_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<TSharedProbe>("probe");
    QTest::addColumn<QStringList>("lost");

    // A probe read back has number 0 and no channel; what else the fragment
    // does not keep is listed per row.
    const QStringList its90{"ITS90_coeff_R001", "ITS90_coeff_A",  "ITS90_coeff_B", "ITS90_coeff_Ap",
                            "ITS90_coeff_Bp",   "ITS90_coeff_Cp", "ITS90_coeff_Dp"};
    const QStringList cvd{"CvD_coeff_R0", "CvD_coeff_A", "CvD_coeff_B", "CvD_coeff_C"};
    const QStringList numberAndChannel{"internalProbeNumber", "channelNumber"};

    QTest::newRow("Callendar-Van Dusen PRT, ZTM9900")
        << ZTM9900 << shared(TestProbes::prt(cprtCVD)) << numberAndChannel + QStringList{"factorRoot2"} + its90;
    QTest::newRow("ITS-90 PRT, ZTM8800") << ZTM8800 << shared(TestProbes::prt(cprtITS90))
                                         << numberAndChannel + QStringList{"factorRoot2", "operationCurrentSetting"} +
                                                cvd;
    QTest::newRow("standard-curve PRT, ZTM8800v2")
        << ZTM8800v2 << shared(TestProbes::prt(cprtEN60751))
        << numberAndChannel + QStringList{"factorRoot2", "operationCurrentSetting"} + cvd + its90;
    QTest::newRow("SMART probe, ZTM9900")
        << ZTM9900 << shared(TestProbes::smart(cprtITS90))
        << cvd + QStringList{"isEnabled", "resWorkingRangeMin", "resWorkingRangeMax", "isLocked"};
    QTest::newRow("polynomial thermocouple") << ZTM9900 << shared(TestProbes::thermocouple(ctcPolynomial))
                                             << numberAndChannel + QStringList{"refChannelNumber"};
    QTest::newRow("IEC 584 thermocouple")
        << ZTM8800 << shared(TestProbes::thermocouple(ctcIEC584))
        << numberAndChannel +
               QStringList{"refChannelNumber",  "poly_coeff_Ta_min", "poly_coeff_Ta_max", "poly_coeff_A0",
                           "poly_coeff_A1",     "poly_coeff_A2",     "poly_coeff_A3",     "poly_coeff_Tb_min",
                           "poly_coeff_Tb_max", "poly_coeff_B0",     "poly_coeff_B1",     "poly_coeff_B2",
                           "poly_coeff_B3",     "poly_coeff_Tc_min", "poly_coeff_Tc_max", "poly_coeff_C0",
                           "poly_coeff_C1",     "poly_coeff_C2",     "poly_coeff_C3"};
    QTest::newRow("Steinhart-Hart thermistor")
        << ZTM9900 << shared(TestProbes::thermistor(cthSteinhartHart))
        << numberAndChannel + QStringList{"Poly_coeff_c0", "Poly_coeff_c1", "Poly_coeff_c2", "Poly_coeff_c3"};
    QTest::newRow("polynomial thermistor") << ZTM8800 << shared(TestProbes::thermistor(cthPolynomial))
                                           << numberAndChannel + QStringList{"SH_coeff_a", "SH_coeff_b", "SH_coeff_c"};
}

void tst_ProbeXml::roundTrips()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(TSharedProbe, probe);
    QFETCH(QStringList, lost);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    const std::unique_ptr<TAbstractProbe> copy = readBack(*probe);

    QVERIFY(copy);
    QCOMPARE(TestProbes::differingFields(*probe, *copy), lost);
    QVERIFY(!copy->isDefaultProbe());
    // What the fragment keeps, it keeps exactly: the copy writes the same fragment.
    QCOMPARE(TestProbes::writtenFragment(*copy), TestProbes::writtenFragment(*probe));
}

void tst_ProbeXml::resistanceKeepsSixDigits()
{
    QVERIFY(identifyBoardAs(mBoard, ZTM8800));
    TPRTProbe probe(1, "R", prttPT100, false, 0, 0.0, 100.0, QDate(), false, w4wire, false, false, Automatic, rprtAuto,
                    cprtCVD, 100.012345, 3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0);

    QVERIFY(TestProbes::writtenFragment(probe).contains("      r0: 100.012"));
    const std::unique_ptr<TAbstractProbe> copy = readBack(probe);
    QVERIFY(copy);
    QCOMPARE(qobject_cast<TPRTProbe*>(copy.get())->CvD_coeff_R0(), 100.012);
}

void tst_ProbeXml::readsWrittenFragments_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value"); // invalid: no probe

    const QVariant none;
    QTest::newRow("PRT written on a ZTM8800, read on a ZTM9900") << ZTM9900 << COMMON + prtDetails() << "class" << none;
    QTest::newRow("PRT with excitation current read on a ZTM8800")
        << ZTM8800 << COMMON + prtDetails("2", "<excitation_current>3</excitation_current>")
        << "operationCurrentSetting" << QVariant(int(Automatic));
    QTest::newRow("PRT with excitation current read on a ZTM9900")
        << ZTM9900 << COMMON + prtDetails("2", "<excitation_current>3</excitation_current>")
        << "operationCurrentSetting" << QVariant(int(TwoMilliAmps));
    QTest::newRow("PRT excitation current no number on a ZTM9900")
        << ZTM9900 << COMMON + prtDetails("2", "<excitation_current>2 mA</excitation_current>") << "class" << none;
    QTest::newRow("PRT wiring no number") << ZTM8800 << COMMON + prtDetails("four") << "class" << none;
    QTest::newRow("PRT conversion -1 stays -1")
        << ZTM8800 << COMMON + prtDetails("2", "", "<conversion_standard>-1</conversion_standard>") << "conversion"
        << QVariant(int(cprtUndefined));
    QTest::newRow("PRT coefficients of an incomplete group are zero")
        << ZTM8800
        << COMMON + prtDetails("2", "",
                               "<conversion_standard>2</conversion_standard>"
                               "<cvd_coefficients><r0>100.5</r0><a>1e-3</a><b>2e-7</b></cvd_coefficients>")
        << "CvD_coeff_R0" << QVariant(0.0);
    QTest::newRow("PRT coefficients in any order")
        << ZTM8800
        << COMMON + prtDetails("2", "",
                               "<cvd_coefficients><c>3e-12</c><b>2e-7</b>"
                               "<a>1e-3</a><r0>100.5</r0></cvd_coefficients>"
                               "<conversion_standard>2</conversion_standard>")
        << "CvD_coeff_R0" << QVariant(100.5);
    QTest::newRow("thermocouple type as a letter")
        << ZTM8800 << COMMON + tcDetails("K", "1") << "probeType" << QVariant(0);
    QTest::newRow("thermocouple conversion -1 reads as 0")
        << ZTM8800 << COMMON + tcDetails("8", "-1") << "conversion" << QVariant(0);
    QTest::newRow("reference flag written as a word")
        << ZTM8800 << QString(COMMON).replace(">0<", ">true<") + tcDetails("8", "1") << "isReference"
        << QVariant(false);
    QTest::newRow("no calibration date") << ZTM8800
                                         << QString(COMMON).remove("<last_cal_date>20240229</last_cal_date>") +
                                                tcDetails("8", "1")
                                         << "lastCalDate" << QVariant(QDate());
    QTest::newRow("malformed calibration date")
        << ZTM8800 << QString(COMMON).replace("20240229", "20230229") + tcDetails("8", "1") << "lastCalDate"
        << QVariant(QDate());
    QTest::newRow("PRT and SMART details make a SMART probe")
        << ZTM8800 << COMMON + prtDetails() + SMART_DETAILS << "class" << QVariant("TSmartProbePRT");
    QTest::newRow("SMART probe reads back enabled")
        << ZTM8800 << COMMON + SMART_DETAILS << "isEnabled" << QVariant(true);
    QTest::newRow("SMART probe keep-warm is not read")
        << ZTM8800 << COMMON + SMART_DETAILS << "keepWarmCurrent" << QVariant(false);
    QTest::newRow("no details element") << ZTM8800 << COMMON << "class" << none;
    QTest::newRow("no name") << ZTM8800 << QString(COMMON).remove("<name>P</name>") + tcDetails("8", "1") << "class"
                             << none;
    QTest::newRow("thermistor conversion no number")
        << ZTM8800
        << COMMON + "<thermistor_probe_details><conversion><conversion_standard>SH</conversion_standard>"
                    "</conversion></thermistor_probe_details>"
        << "class" << none;
}

void tst_ProbeXml::readsWrittenFragments()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, fragment);
    QFETCH(QString, field);
    QFETCH(QVariant, value);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    const std::unique_ptr<TAbstractProbe> probe = readFragment(fragment);
    if (!value.isValid()) {
        QVERIFY(!probe);
        return;
    }
    QVERIFY(probe);
    QCOMPARE(probe->internalProbeNumber(), qobject_cast<TSmartProbePRT*>(probe.get()) ? -1 : 0);

    QCOMPARE(TestProbes::field(*probe, field), value);
}

TAMARIND_TEST_MAIN(tst_ProbeXml)
#include "tst_probexml.moc"

#include "channel.h"
#include "decimaldisplaycontroller.h"
#include "fifoguard.h"
#include "messagerecorder.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "simulatedusbstick.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"
#include "usbstickcontroller.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSharedPointer>
#include <QTextCodec>

#include <limits>

using namespace Probe_enums;

namespace
{
using TSharedProbe = QSharedPointer<TAbstractProbe>;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TSharedProbe shared(std::unique_ptr<TAbstractProbe> pProbe)
{
    return TSharedProbe(pProbe.release());
}

QStringList zeros(int pCount)
{
    QStringList cells;
    for (int i = 0; i < pCount; ++i)
        cells << QStringLiteral("0");
    return cells;
}

// Runs the action and returns the texts of the messages it showed, pressing OK on each.
QStringList messagesShownBy(const std::function<void()>& pAction)
{
    const TMessageRecorder messages;
    pAction();
    return messages.texts();
}

// The files below a host directory whose names match, relative to it.
QStringList filesMatching(const QString& pDirectory, const QRegularExpression& pName)
{
    QStringList found;
    QDirIterator it(pDirectory, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (pName.match(it.fileName()).hasMatch())
            found << QDir(pDirectory).relativeFilePath(it.filePath());
    }
    return found;
}
} // namespace

Q_DECLARE_METATYPE(TSharedProbe)

class tst_ProbeFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void numberFormsOfTheCoefficientFile_data();
    void numberFormsOfTheCoefficientFile();

    void logListHeadlines_data();
    void logListHeadlines();
    void logListLineOfAProbe_data();
    void logListLineOfAProbe();
    void logListsOnlyAppend();

    void informationFileOfAllCustomProbes();
    void informationFileRefused_data();
    void informationFileRefused();
    void informationFileStaysOnTheStick_data();
    void informationFileStaysOnTheStick();

    void coefficientTable_data();
    void coefficientTable();

private:
    void useSeparator(QChar pSeparator);
    TProbeController& loadWith(const QList<TSharedProbe>& pProbes);
    QString stickDirectory() const;

    QWidget mPointWidget;
    QWidget mCommaWidget;
    std::unique_ptr<TProbeControllerFixture> mFixture;
};

void tst_ProbeFiles::initTestCase()
{
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
}

void tst_ProbeFiles::init()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM8800));
}

void tst_ProbeFiles::cleanup()
{
    useSeparator('.');
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (TSimulatedUSBStick::isInserted() && stick->isUSBStickConnected())
        stick->eject(false);
    TSimulatedUSBStick::remove();
    TSimulatedUSBStick::setCapacity(-1);
    TTestEnvironment::removeUnderRoot(TSimulatedUSBStick::mediumDirectory());
    mFixture.reset();
}

void tst_ProbeFiles::cleanupTestCase()
{
    TSimulatedUSBStick::remove();
}

void tst_ProbeFiles::useSeparator(QChar pSeparator)
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(pSeparator == ',' ? &mCommaWidget : &mPointWidget);
}

// The probes become custom probes under their own numbers, through the store
// the editors use, on a board whose memory was empty.
TProbeController& tst_ProbeFiles::loadWith(const QList<TSharedProbe>& pProbes)
{
    TProbeController& probes = mFixture->buildProbes();
    for (const TSharedProbe& probe : pProbes) {
        QString error;
        std::unique_ptr<TAbstractProbe> owned;
        if (auto* prt = qobject_cast<TPRTProbe*>(probe.data()))
            owned = std::make_unique<TPRTProbe>(
                prt->internalProbeNumber(), prt->probeName(), prt->PRTType(), prt->isReference(), 0, prt->Tmin(),
                prt->Tmax(), prt->lastCalDate(), false, prt->wiring(), prt->keepWarmCurrent(), prt->factorRoot2(),
                prt->operationCurrentSetting(), prt->internalResistor(), prt->conversion(), prt->CvD_coeff_R0(),
                prt->CvD_coeff_A(), prt->CvD_coeff_B(), prt->CvD_coeff_C(), prt->ITS90_coeff_R001(),
                prt->ITS90_coeff_A(), prt->ITS90_coeff_B(), prt->ITS90_coeff_Ap(), prt->ITS90_coeff_Bp(),
                prt->ITS90_coeff_Cp(), prt->ITS90_coeff_Dp());
        else if (auto* tc = qobject_cast<TTCProbe*>(probe.data()))
            owned = std::make_unique<TTCProbe>(
                tc->internalProbeNumber(), tc->probeName(), tc->isReference(), 0, tc->Tmin(), tc->Tmax(),
                tc->lastCalDate(), false, tc->probeType(), rjInternal, 0, tc->conversion(), tc->poly_coeff_Ta_min(),
                tc->poly_coeff_Ta_max(), tc->poly_coeff_A0(), tc->poly_coeff_A1(), tc->poly_coeff_A2(),
                tc->poly_coeff_A3(), tc->poly_coeff_Tb_min(), tc->poly_coeff_Tb_max(), tc->poly_coeff_B0(),
                tc->poly_coeff_B1(), tc->poly_coeff_B2(), tc->poly_coeff_B3(), tc->poly_coeff_Tc_min(),
                tc->poly_coeff_Tc_max(), tc->poly_coeff_C0(), tc->poly_coeff_C1(), tc->poly_coeff_C2(),
                tc->poly_coeff_C3());
        else if (auto* th = qobject_cast<TThermistorProbe*>(probe.data()))
            owned = std::make_unique<TThermistorProbe>(
                th->internalProbeNumber(), th->probeName(), th->isReference(), 0, th->Tmin(), th->Tmax(),
                th->lastCalDate(), false, th->conversion(), th->SH_coeff_a(), th->SH_coeff_b(), th->SH_coeff_c(),
                th->Poly_coeff_c0(), th->Poly_coeff_c1(), th->Poly_coeff_c2(), th->Poly_coeff_c3());
        if (!owned || !probes.newProbeCreated(nullptr, std::move(owned), error))
            qWarning("probe %s was not stored", qPrintable(probe->probeName()));
    }
    return probes;
}

QString tst_ProbeFiles::stickDirectory() const
{
    return TSimulatedUSBStick::mediumDirectory() + QStringLiteral("/ZTM8800");
}

// --- number forms --------------------------------------------------------------------

void tst_ProbeFiles::numberFormsOfTheCoefficientFile_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("scientific");
    QTest::newRow("R0 of a Pt100") << 100.0 << "100"
                                   << "1.00000e+02";
    QTest::newRow("one million and one") << 1000001.0 << "1e+06"
                                         << "1.00000e+06";
    QTest::newRow("below the fixed range") << 0.00001 << "1e-05"
                                           << "1.00000e-05";
    QTest::newRow("hundredth") << 0.01 << "0.01"
                               << "1.00000e-02";
    QTest::newRow("negative limit") << -200.0 << "-200"
                                    << "-2.00000e+02";
    QTest::newRow("zero") << 0.0 << "0"
                          << "0.00000e+00";
    QTest::newRow("CvD A") << 0.0039083 << "0.0039083"
                           << "3.90830e-03";
    QTest::newRow("CvD B") << -5.775e-7 << "-5.775e-07"
                           << "-5.77500e-07";
    QTest::newRow("six digits kept") << 100.0123456 << "100.012"
                                     << "1.00012e+02";
    QTest::newRow("not a number") << NaN << "nan"
                                  << "nan";
    QTest::newRow("not a number with sign bit") << -NaN << "nan"
                                                << "nan";
    QTest::newRow("infinite") << -Inf << "-inf"
                              << "-inf";
}

// The file is the same whatever separator the user chose.
void tst_ProbeFiles::numberFormsOfTheCoefficientFile()
{
    QFETCH(double, value);
    for (QChar separator : {QChar('.'), QChar(',')}) {
        useSeparator(separator);
        QTEST(TProbeController::double2str(value), "general");
        QTEST(TProbeController::double2scientific_str(value), "scientific");
    }
}

// --- log file lists ------------------------------------------------------------------------

void tst_ProbeFiles::logListHeadlines_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QString>("prtHeadline");
    const QString common = "Probe name;Channel;Is reference;T min.;T max.;Last calibration;";
    const QString coefficients = "CvD coefficient R0;CvD coefficient A;CvD coefficient B;CvD coefficient C;"
                                 "ITS 90 coefficient R001;ITS 90 coefficient A;ITS 90 coefficient B;"
                                 "ITS 90 coefficient Ap;ITS 90 coefficient Bp;ITS 90 coefficient Cp;"
                                 "ITS 90 coefficient Dp";
    QTest::newRow("ZTM8800: 22 PRT columns")
        << ZTM8800 << common + "Wiring;Internal resistor;Conversion;PRT type;Standby current;" + coefficients;
    QTest::newRow("ZTM8800v2: 22 PRT columns")
        << ZTM8800v2 << common + "Wiring;Internal resistor;Conversion;PRT type;Standby current;" + coefficients;
    QTest::newRow("ZTM9900: excitation current as 12th of 23")
        << ZTM9900
        << common + "Wiring;Internal resistor;Conversion;PRT type;Standby current;Excitation current;" + coefficients;
}

void tst_ProbeFiles::logListHeadlines()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QString, prtHeadline);
    QVERIFY(identifyBoardAs(mFixture->board(), instrumentType));
    TProbeController& probes = mFixture->buildProbes(false);
    QStringList prt, thermocouple, thermistor;
    probes.generateProbeCSVLists({}, true, prt, thermocouple, thermistor);
    QCOMPARE(prt, QStringList{prtHeadline});
    QCOMPARE(thermocouple,
             QStringList{"Probe name;Channel;Is reference;T min.;T max.;Last calibration;Thermocouple type;"
                         "Cold junction compensation;Reference channel;Conversion;Coefficient Ta min.;"
                         "Coefficient Ta max.;Coefficient A0;Coefficient A1;Coefficient A2;Coefficient A3;"
                         "Coefficient Tb min.;Coefficient Tb max.;Coefficient B0;Coefficient B1;Coefficient B2;"
                         "Coefficient B3;Coefficient Tc min.;Coefficient Tc max.;Coefficient C0;Coefficient C1;"
                         "Coefficient C2;Coefficient C3"});
    QCOMPARE(thermistor, QStringList{"Probe name;Channel;Is reference;T min.;T max.;Last calibration;Conversion;"
                                     "SH coefficient A;SH coefficient B;SH coefficient C;Polynomial coefficient C0;"
                                     "Polynomial coefficient C1;Polynomial coefficient C2;Polynomial coefficient C3"});
}

void tst_ProbeFiles::logListLineOfAProbe_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<TSharedProbe>("probe");
    // 0 PRT, 1 thermocouple, 2 thermistor.
    QTest::addColumn<int>("list");
    QTest::addColumn<QStringList>("cells");

    // PT100-A: reference, channel 1, -200.5 .. 450, calibrated 17 May 2020,
    // four-wire, automatic resistor, standby current on, 2 mA.
    const QStringList prtHead{"PT100-A", "1", "yes", "-200.5", "450", "17/05/2020", "4-wire", "Auto"};
    const QStringList cvd{"100.012", "3.90830e-03", "-5.77500e-07", "-4.18300e-12"};
    const QStringList its90{"99.9876",      "-1.23456e-04", "2.50000e-05", "3.25000e-06",
                            "-4.50000e-07", "5.75000e-08",  "-6.12500e-09"};
    QTest::newRow("CvD PRT on a ZTM8800") << ZTM8800 << QChar('.') << shared(TestProbes::prt(cprtCVD)) << 0
                                          << prtHead + QStringList{"CvD", "Pt100", "yes"} + cvd + zeros(7);
    QTest::newRow("CvD PRT on a ZTM9900 with its excitation current")
        << ZTM9900 << QChar('.') << shared(TestProbes::prt(cprtCVD)) << 0
        << prtHead + QStringList{"CvD", "Pt100", "yes", "2 mA"} + cvd + zeros(7);
    QTest::newRow("decimal comma in coefficients, not in the limits")
        << ZTM8800 << QChar(',') << shared(TestProbes::prt(cprtCVD)) << 0
        << prtHead + QStringList{"CvD", "Pt100", "yes", "100,012", "3,90830e-03", "-5,77500e-07", "-4,18300e-12"} +
               zeros(7);
    QTest::newRow("ITS-90 PRT fills the ITS 90 cells only")
        << ZTM8800 << QChar('.') << shared(TestProbes::prt(cprtITS90)) << 0
        << prtHead + QStringList{"ITS 90", "Pt100", "yes"} + zeros(4) + its90;
    QTest::newRow("EN 60751 PRT shows its CvD data")
        << ZTM8800 << QChar('.') << shared(TestProbes::prt(cprtEN60751)) << 0
        << prtHead + QStringList{"EN 60751", "Pt100", "yes"} + cvd + zeros(7);
    QTest::newRow("data-pairs PRT reads EN 60751 and no coefficient")
        << ZTM8800 << QChar('.') << shared(TestProbes::prt(cprtDataPairs)) << 0
        << prtHead + QStringList{"EN 60751", "Pt100", "yes"} + zeros(11);
    QTest::newRow("three-wire Pt25 without date or channel, 25 ohm resistor")
        << ZTM8800 << QChar('.')
        << shared(std::make_unique<TPRTProbe>(4, "P25", prttPT25, false, 0, -189.5, 0.5, QDate(), false, w3wire, false,
                                              false, TwoMilliAmps, rprt25, cprtCVD, 25.5, 1e-3, 2e-7, 0, 0, 0, 0, 0, 0,
                                              0, 0))
        << 0
        << QStringList{"P25",  "0",  "no",   "-189.5",      "0.5",         "",           "3-wire", "25 Ohm", "CvD",
                       "Pt25", "no", "25.5", "1.00000e-03", "2.00000e-07", "0.00000e+00"} +
               zeros(7);
    // Plugged into resistance input 2; it carries no temperature limits.
    static TPRTChannel input2(nullptr, 2, 2, QStringLiteral("2"), {w4wire});
    QTest::newRow("SMART probe: the input it is plugged into, empty limits")
        << ZTM8800 << QChar('.')
        << shared(std::make_unique<TSmartProbePRT>("SMART-1", true, QDate(2021, 3, 10), true, rprt25, cprtITS90, 0, 0,
                                                   0, 0, 25.4987, -1.5e-4, 2.25e-5, 3.5e-6, -4.75e-7, 5.5e-8, -6.25e-9,
                                                   &input2, QDate(2022, 3, 10), "Lab 4", 18.5, 95.25, false))
        << 0
        << QStringList{"SMART-1", "2", "yes", "", "", "10/03/2021", "4-wire", "25 Ohm", "ITS 90", "Pt100", "no"} +
               zeros(4) + QStringList{"25.4987",      "-1.50000e-04", "2.25000e-05", "3.50000e-06",
                                      "-4.75000e-07", "5.50000e-08",  "-6.25000e-09"};
    QTest::newRow("polynomial thermocouple") << ZTM8800 << QChar('.') << shared(TestProbes::thermocouple(ctcPolynomial))
                                             << 1 << QStringList{"TC-K7",       "3",
                                                                 "no",          "-50.5",
                                                                 "1200",        "31/12/2019",
                                                                 "K",           "Channel",
                                                                 "1",           "Polynomial",
                                                                 "-50",         "100",
                                                                 "1.50000e+00", "-2.25000e-02",
                                                                 "3.12500e-04", "-4.50000e-06",
                                                                 "100",         "500",
                                                                 "1.75000e+00", "-2.50000e-02",
                                                                 "3.25000e-04", "-4.75000e-06",
                                                                 "500",         "1200",
                                                                 "2.00000e+00", "-2.75000e-02",
                                                                 "3.37500e-04", "-5.00000e-06"};
    QTest::newRow("IEC 584 thermocouple still shows its polynomial, undefined type and junction")
        << ZTM8800 << QChar('.')
        << shared(std::make_unique<TTCProbe>(5, "TC?", true, 4, 0, 100, QDate(), false, ptUndefined, rjUndefined, 0,
                                             ctcIEC584, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18))
        << 1 << QStringList{"TC?",         "4",           "yes",         "0",           "100", "",
                            "T",           "Channel",     "0",           "IEC 584",     "1",   "2",
                            "3.00000e+00", "4.00000e+00", "5.00000e+00", "6.00000e+00", "7",   "8",
                            "9.00000e+00", "1.00000e+01", "1.10000e+01", "1.20000e+01", "13",  "14",
                            "1.50000e+01", "1.60000e+01", "1.70000e+01", "1.80000e+01"};
    QTest::newRow("type B thermocouple, external junction")
        << ZTM8800 << QChar('.')
        << shared(std::make_unique<TTCProbe>(6, "TC-B", false, 0, 0, 1700, QDate(), false, ptB, rjExternal, 0,
                                             ctcIEC584, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0))
        << 1
        << QStringList{"TC-B", "0", "no", "0", "1700", "", "B", "External", "0", "IEC 584", "0", "0"} +
               QStringList{"0.00000e+00", "0.00000e+00", "0.00000e+00", "0.00000e+00", "0", "0",
                           "0.00000e+00", "0.00000e+00", "0.00000e+00", "0.00000e+00", "0", "0",
                           "0.00000e+00", "0.00000e+00", "0.00000e+00", "0.00000e+00"};
    QTest::newRow("Steinhart-Hart thermistor")
        << ZTM8800 << QChar('.') << shared(TestProbes::thermistor(cthSteinhartHart)) << 2
        << QStringList{"NTC-3",          "2",           "no",          "-40",        "150", "02/01/2023",
                       "Steinhart-Hart", "1.12874e-03", "2.34124e-04", "8.76741e-08"} +
               zeros(4);
    QTest::newRow("polynomial thermistor")
        << ZTM8800 << QChar('.') << shared(TestProbes::thermistor(cthPolynomial)) << 2
        << QStringList{"NTC-3", "2", "no", "-40", "150", "02/01/2023", "Polynomial"} + zeros(3) +
               QStringList{"1.25000e+00", "-2.50000e-02", "3.75000e-04", "-5.00000e-06"};
    QTest::newRow("thermistor without conversion")
        << ZTM8800 << QChar('.') << shared(TestProbes::thermistor(cthNone)) << 2
        << QStringList{"NTC-3", "2", "no", "-40", "150", "02/01/2023", "None"} + zeros(7);
}

void tst_ProbeFiles::logListLineOfAProbe()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QChar, separator);
    QFETCH(TSharedProbe, probe);
    QFETCH(int, list);
    QFETCH(QStringList, cells);
    QVERIFY(identifyBoardAs(mFixture->board(), instrumentType));
    useSeparator(separator);
    TProbeController& probes = mFixture->buildProbes(false);

    QStringList lists[3];
    probes.generateProbeCSVLists({probe.data()}, false, lists[0], lists[1], lists[2]);
    for (int kind = 0; kind < 3; ++kind)
        QCOMPARE(lists[kind].size(), kind == list ? 1 : 0);
    QCOMPARE(lists[list].first().split(';'), cells);
}

// A SMART probe goes with the PRT probes; probes keep the order given, and
// what the lists held stays in front.
void tst_ProbeFiles::logListsOnlyAppend()
{
    TProbeController& probes = mFixture->buildProbes(false);
    auto smart = TestProbes::smart();
    auto prt = TestProbes::prt();
    auto thermistor = TestProbes::thermistor();
    QStringList prtList{"earlier"}, thermocoupleList, thermistorList{"earlier"};
    probes.generateProbeCSVLists({smart.get(), thermistor.get(), prt.get()}, false, prtList, thermocoupleList,
                                 thermistorList);
    QCOMPARE(prtList.size(), 3);
    QCOMPARE(prtList[0], QStringLiteral("earlier"));
    QVERIFY(prtList[1].startsWith("SMART-1;"));
    QVERIFY(prtList[2].startsWith("PT100-A;"));
    QCOMPARE(prtList[1].split(';').size(), 22);
    QVERIFY(thermocoupleList.isEmpty());
    QCOMPARE(thermistorList.size(), 2);

    probes.generateProbeCSVLists({}, false, prtList, thermocoupleList, thermistorList);
    QCOMPARE(prtList.size(), 3);
    QVERIFY(thermocoupleList.isEmpty());
    probes.generateProbeCSVLists({}, true, prtList, thermocoupleList, thermistorList);
    QVERIFY(prtList.last().startsWith("Probe name;"));
    QCOMPARE(thermocoupleList.size(), 1);
}

// --- probe information files ------------------------------------------------------------------

void tst_ProbeFiles::informationFileOfAllCustomProbes()
{
    auto withNumber = [](std::unique_ptr<TAbstractProbe> pProbe, int pNumber, const QString& pName) {
        auto* prt = qobject_cast<TPRTProbe*>(pProbe.get());
        if (prt)
            return shared(std::make_unique<TPRTProbe>(
                pNumber, pName, prt->PRTType(), false, 0, NaN, prt->Tmax(), QDate(), false, prt->wiring(), false, false,
                prt->operationCurrentSetting(), prt->internalResistor(), prt->conversion(), prt->CvD_coeff_R0(),
                prt->CvD_coeff_A(), prt->CvD_coeff_B(), prt->CvD_coeff_C(), 0, 0, 0, 0, 0, 0, 0));
        return shared(std::make_unique<TThermistorProbe>(pNumber, pName, true, 0, -50.4, 150, QDate(2023, 1, 2), false,
                                                         cthNone, 0, 0, 0, 0, 0, 0, 0));
    };
    // Stored out of order: the file follows the probe numbers.
    TProbeController& probes =
        loadWith({withNumber(TestProbes::thermistor(), 12, "Twelve"), withNumber(TestProbes::prt(), 3, "Three"),
                  withNumber(TestProbes::thermistor(), 7, "Seven")});
    QCOMPARE(int(probes.customProbes().size()), 3);
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));

    bool written = false;
    QCOMPARE(messagesShownBy([&] { written = probes.downloadCustomProbeInfo(); }), QStringList());
    QVERIFY(written);
    const QStringList files = filesMatching(stickDirectory(), QRegularExpression(".*"));
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression("^Probe_Data/\\d{8}_\\d{9}_all_probes\\.txt$").match(files[0]).hasMatch(),
             qPrintable(files[0]));

    QFile file(stickDirectory() + '/' + files[0]);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    QStringList expected;
    for (int number : {3, 7, 12})
        expected << probes.probeByNumber(number)->probeDataToText();
    QCOMPARE(text, expected.join(QString()));
    // Each block ends in an empty line, the last one too.
    QCOMPARE(text.split("\r\n\r\n").size(), 4);
    QVERIFY(text.startsWith("Probe name: Three\r\n"));
    QVERIFY(text.indexOf("Probe name: Seven") < text.indexOf("Probe name: Twelve"));
    QVERIFY(!text.contains("T min.: nan"));
    QVERIFY(text.contains("T min.: -50\r\n"));
}

void tst_ProbeFiles::informationFileRefused_data()
{
    QTest::addColumn<bool>("customProbes");
    QTest::addColumn<bool>("stick");
    QTest::addColumn<bool>("blockDirectory");
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no custom probe") << false << true << false << false
                                     << QStringList{"The instrument does not contain any custom probes."};
    QTest::newRow("stick pulled") << true << false << false << false << QStringList{"Could not create file."};
    QTest::newRow("file cannot be made on the stick")
        << true << true << true << false << QStringList{"Could not create file."};
    QTest::newRow("empty list from the download menu") << true << true << false << true << QStringList();
}

// Nothing is written anywhere under the root, and the result is false.
void tst_ProbeFiles::informationFileRefused()
{
    QFETCH(bool, customProbes);
    QFETCH(bool, stick);
    QFETCH(bool, blockDirectory);
    QFETCH(bool, emptyList);
    TProbeController& probes = customProbes ? loadWith({shared(TestProbes::prt())}) : loadWith({});
    if (stick)
        QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    if (blockDirectory) {
        QVERIFY(QDir().mkpath(stickDirectory()));
        QFile blocker(stickDirectory() + "/Probe_Data");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }

    bool written = true;
    const QStringList messages = messagesShownBy([&] {
        written = emptyList ? probes.downloadProbeInfo({}, "measured_probes") : probes.downloadCustomProbeInfo();
    });
    QVERIFY(!written);
    QTEST(messages, "messages");
    QCOMPARE(filesMatching(TTestEnvironment::root(), QRegularExpression("_probes\\.txt$")), QStringList());
}

void tst_ProbeFiles::informationFileStaysOnTheStick_data()
{
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("full");
    QTest::addColumn<bool>("written");
    QTest::newRow("a file of that name is extended") << "file" << false << true;
    QTest::newRow("a file of that name on a full stick keeps its content") << "file" << true << false;
    QTest::newRow("an empty file of that name on a full stick stays") << "empty file" << true << false;
    QTest::newRow("no file on a full stick leaves none") << "nothing" << true << false;
    QTest::newRow("a link at the name to a file elsewhere") << "link elsewhere" << false << false;
    QTest::newRow("a FIFO at the name") << "fifo" << false << false;
    QTest::newRow("the folder a link to a folder elsewhere") << "linked folder" << false << false;
    QTest::newRow("the base folder a link to a folder elsewhere") << "linked base folder" << false << false;
}

// The stick is foreign ground: the file is written there or not at all, and
// what the stick held stays, whatever sits at the name.
void tst_ProbeFiles::informationFileStaysOnTheStick()
{
    QFETCH(QString, planted);
    QFETCH(bool, full);
    QFETCH(bool, written);
    TProbeController& probes = loadWith({shared(TestProbes::prt())});
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    const QString name = QStringLiteral("01012026_080000000am_all_probes.txt");
    const QString folder = stickDirectory() + "/Probe_Data";
    const QString elsewhere = TTestEnvironment::root() + "/elsewhere";
    QVERIFY(QDir().mkpath(elsewhere));
    TAMARIND_WRITE_DEVICE_FILE("/elsewhere/kept.txt", "kept");
    std::unique_ptr<TFifoGuard> fifo;
    if (planted == "linked base folder") {
        QVERIFY(QDir().mkpath(TSimulatedUSBStick::mediumDirectory()));
        QVERIFY(QFile::link(elsewhere, stickDirectory()));
    } else if (planted == "linked folder") {
        QVERIFY(QDir().mkpath(stickDirectory()));
        QVERIFY(QFile::link(elsewhere, folder));
    } else {
        QVERIFY(QDir().mkpath(folder));
    }
    const QByteArray earlierContent = planted == "file" ? "earlier\r\n" : "";
    if (planted.endsWith("file")) {
        QFile earlier(folder + '/' + name);
        QVERIFY2(earlier.open(QIODevice::WriteOnly) && earlier.write(earlierContent) == earlierContent.size(),
                 qPrintable(earlier.errorString()));
    }
    if (planted == "link elsewhere")
        QVERIFY(QFile::link(elsewhere + "/kept.txt", folder + '/' + name));
    if (planted == "fifo") {
        fifo = std::make_unique<TFifoGuard>(folder + '/' + name);
        QVERIFY(fifo->isMade());
    }

    if (full)
        QVERIFY(TSimulatedUSBStick::setCapacity(TSimulatedUSBStick::usedBytes() + 10));
    TAbstractProbe* probe = probes.customProbes().begin()->second.get();
    bool result = !written;
    const QStringList messages = messagesShownBy([&] { result = probes.downloadProbeInfoInternal({probe}, name); });
    QCOMPARE(result, written);
    QCOMPARE(messages, written ? QStringList() : QStringList{"Could not create file."});
    QDir outside(elsewhere);
    QCOMPARE(outside.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList{"kept.txt"});
    QFile kept(elsewhere + "/kept.txt");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
    if (fifo) {
        QVERIFY(!fifo->readerWaited());
        QVERIFY(QFileInfo(folder + '/' + name).exists());
        QVERIFY(!QFileInfo(folder + '/' + name).isFile());
    }
    QFile onStick(folder + '/' + name);
    if (planted.endsWith("file")) {
        QVERIFY(onStick.open(QIODevice::ReadOnly));
        // No second byte-order mark in the middle.
        QCOMPARE(onStick.readAll(), earlierContent + (written ? probe->probeDataToText().toUtf8() : QByteArray()));
    } else if (planted == "nothing") {
        QVERIFY(!onStick.exists());
    }
}

// --- coefficient file ----------------------------------------------------------------------------

namespace
{
// A line of the coefficient table: the fields by column, all others empty.
QString coefficientLine(const std::map<int, QString>& pFields)
{
    QStringList fields;
    for (int i = 0; i < TProbeController::COEFF_EXPORT_COL_COUNT; ++i)
        fields << (pFields.count(i) ? pFields.at(i) : QString());
    return fields.join('\t');
}
} // namespace

void tst_ProbeFiles::coefficientTable_data()
{
    QTest::addColumn<TSharedProbe>("probe");
    QTest::addColumn<QString>("line");

    QTest::newRow("CvD PRT") << shared(std::make_unique<TPRTProbe>(1, "CvD probe", prttPT100, false, 0, -200, 450,
                                                                   QDate(), false, w4wire, false, false, OneMilliAmp,
                                                                   rprt100, cprtCVD, 100.0, 0.0039083, -5.775e-7, 0.0,
                                                                   1, 2, 3, 4, 5, 6, 7))
                             << coefficientLine({{0, "CvD probe"},
                                                 {2, "x"},
                                                 {12, "-200"},
                                                 {13, "450"},
                                                 {14, "100"},
                                                 {15, "3.90830e-03"},
                                                 {16, "-5.77500e-07"},
                                                 {17, "0.00000e+00"}});
    QTest::newRow("ITS-90 Pt25") << shared(std::make_unique<TPRTProbe>(2, "SPRT", prttPT25, false, 0, -189.3442,
                                                                       660.323, QDate(), false, w4wire, false, false,
                                                                       TwoMilliAmps, rprt25, cprtITS90, 1, 2, 3, 4,
                                                                       25.5, -1.5e-4, 2.25e-5, 0, 0, 0, NaN))
                                 << coefficientLine({{0, "SPRT"},
                                                     {1, "x"},
                                                     {12, "-189.344"},
                                                     {13, "660.323"},
                                                     {18, "25.5"},
                                                     {19, "-1.50000e-04"},
                                                     {20, "2.25000e-05"},
                                                     {21, "0.00000e+00"},
                                                     {22, "0.00000e+00"},
                                                     {23, "0.00000e+00"},
                                                     {24, "nan"}});
    QTest::newRow("EN 60751 PRT: no coefficients")
        << shared(std::make_unique<TPRTProbe>(3, "Std curve", prttPT100, false, 0, -200, 850, QDate(), false, w4wire,
                                              false, false, OneMilliAmp, rprt100, cprtEN60751, 100, 3.9083e-3,
                                              -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0))
        << coefficientLine({{0, "Std curve"}, {2, "x"}, {12, "-200"}, {13, "850"}});
    QTest::newRow("polynomial type K thermocouple")
        << shared(std::make_unique<TTCProbe>(4, "TC K", false, 0, -50, 1000001, QDate(), false, ptK, rjInternal, 0,
                                             ctcPolynomial, -50, 100, 1.5, -2.25e-2, 3.125e-4, -4.5e-6, 100, 500, 1.75,
                                             -2.5e-2, 3.25e-4, -4.75e-6, 500, 1200, 2.0, -2.75e-2, 3.375e-4, 0.00001))
        << coefficientLine({{0, "TC K"},         {6, "x"},
                            {12, "-50"},         {13, "1e+06"},
                            {25, "-50"},         {26, "100"},
                            {27, "1.50000e+00"}, {28, "-2.25000e-02"},
                            {29, "3.12500e-04"}, {30, "-4.50000e-06"},
                            {31, "100"},         {32, "500"},
                            {33, "1.75000e+00"}, {34, "-2.50000e-02"},
                            {35, "3.25000e-04"}, {36, "-4.75000e-06"},
                            {37, "500"},         {38, "1200"},
                            {39, "2.00000e+00"}, {40, "-2.75000e-02"},
                            {41, "3.37500e-04"}, {42, "1.00000e-05"}});
    // Types C and D have no flag column.
    QTest::newRow("type C thermocouple")
        << shared(std::make_unique<TTCProbe>(5, "TC C", false, 0, 0, 2000, QDate(), false, ptC, rjInternal, 0,
                                             ctcPolynomial, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                             18))
        << coefficientLine({{0, "TC C"},         {12, "0"},           {13, "2000"},        {25, "1"},
                            {26, "2"},           {27, "3.00000e+00"}, {28, "4.00000e+00"}, {29, "5.00000e+00"},
                            {30, "6.00000e+00"}, {31, "7"},           {32, "8"},           {33, "9.00000e+00"},
                            {34, "1.00000e+01"}, {35, "1.10000e+01"}, {36, "1.20000e+01"}, {37, "13"},
                            {38, "14"},          {39, "1.50000e+01"}, {40, "1.60000e+01"}, {41, "1.70000e+01"},
                            {42, "1.80000e+01"}});
    QTest::newRow("standard-curve type B thermocouple: no coefficients")
        << shared(std::make_unique<TTCProbe>(8, "TC B", false, 0, 0, 1700, QDate(), false, ptB, rjInternal, 0,
                                             ctcIEC584, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18))
        << coefficientLine({{0, "TC B"}, {3, "x"}, {12, "0"}, {13, "1700"}});
    QTest::newRow("thermistor without conversion: no coefficients")
        << shared(std::make_unique<TThermistorProbe>(9, "NTC none", false, 0, -40, 150, QDate(), false, cthNone, 1, 2,
                                                     3, 4, 5, 6, 7))
        << coefficientLine({{0, "NTC none"}, {11, "x"}, {12, "-40"}, {13, "150"}});
    QTest::newRow("Steinhart-Hart thermistor")
        << shared(std::make_unique<TThermistorProbe>(6, "NTC SH", false, 0, -40, 150, QDate(), false, cthSteinhartHart,
                                                     1.12874e-3, 2.34124e-4, 8.76741e-8, 1, 2, 3, 4))
        << coefficientLine({{0, "NTC SH"},
                            {11, "x"},
                            {12, "-40"},
                            {13, "150"},
                            {43, "1.12874e-03"},
                            {44, "2.34124e-04"},
                            {45, "8.76741e-08"}});
    QTest::newRow("polynomial thermistor")
        << shared(std::make_unique<TThermistorProbe>(7, "NTC poly", false, 0, -40, 150, QDate(), false, cthPolynomial,
                                                     1, 2, 3, 1.25, -2.5e-2, 3.75e-4, -5.0e-6))
        << coefficientLine({{0, "NTC poly"},
                            {11, "x"},
                            {12, "-40"},
                            {13, "150"},
                            {46, "1.25000e+00"},
                            {47, "-2.50000e-02"},
                            {48, "3.75000e-04"},
                            {49, "-5.00000e-06"}});
}

// The table is the same whatever separator the user chose.
void tst_ProbeFiles::coefficientTable()
{
    QFETCH(TSharedProbe, probe);
    QFETCH(QString, line);
    useSeparator(',');
    TProbeController& probes = loadWith({probe});
    QCOMPARE(int(probes.customProbes().size()), 1);

    const QStringList lines = probes.generateProbeCoefficientCSVList();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0],
             QStringLiteral("Probe name\tPT25\tPT100\tThermocouple B\tThermocouple E\tThermocouple J\tThermocouple K\t"
                            "Thermocouple N\tThermocouple R\tThermocouple S\tThermocouple T\tThermistor\tT min\tT max\t"
                            "PRT CvD R0\tPRT CvD A\tPRT CvD B\tPRT CvD C\tPRT ITS90 R0.01\tPRT ITS90 an\tPRT ITS90 bn\t"
                            "PRT ITS90 ap\tPRT ITS90 bp\tPRT ITS90 cp\tPRT ITS90 dp\tThermocouple Ta min\t"
                            "Thermocouple Ta max\tThermocouple a0\tThermocouple a1\tThermocouple a2\tThermocouple a3\t"
                            "Thermocouple Tb min\tThermocouple Tb max\tThermocouple b0\tThermocouple b1\t"
                            "Thermocouple b2\tThermocouple b3\tThermocouple Tc min\tThermocouple Tc max\t"
                            "Thermocouple c0\tThermocouple c1\tThermocouple c2\tThermocouple c3\t"
                            "Thermistor Steinhart-Hart a\tThermistor Steinhart-Hart b\tThermistor Steinhart-Hart c\t"
                            "Thermistor Polynomial c0\tThermistor Polynomial c1\tThermistor Polynomial c2\t"
                            "Thermistor Polynomial c3"));
    QCOMPARE(lines[1], line);
}

TAMARIND_TEST_MAIN(tst_ProbeFiles)
#include "tst_probefiles.moc"

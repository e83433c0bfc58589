#include "decimaldisplaycontroller.h"
#include "instrumentinfo.h"
#include "messagerecorder.h"
#include "probe.h"
#include "simulatedboardlink.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"

#include <limits>

using namespace Probe_enums;

namespace
{
using TSharedProbe = QSharedPointer<TAbstractProbe>;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TSharedProbe shared(std::unique_ptr<TAbstractProbe> pProbe)
{
    return TSharedProbe(pProbe.release());
}

QString lines(const QStringList& pLines)
{
    return pLines.join("\r\n");
}

// Runs the action and returns the text of the message it showed, after
// pressing its OK key; a null text when no message came up.
QString messageShownBy(const std::function<void()>& pAction)
{
    const TMessageRecorder messages;
    pAction();
    return messages.texts().isEmpty() ? QString() : messages.texts().last();
}
} // namespace

class tst_ProbeTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void describesTheProbe_data();
    void describesTheProbe();
    void calibrationWarnings_data();
    void calibrationWarnings();

private:
    void useSeparator(QChar pSeparator);

    TSimulatedBoardLink mBoard;
    QWidget mPointWidget;
    QWidget mCommaWidget;
};

void tst_ProbeTexts::initTestCase()
{
    QVERIFY(mBoard.board().isRunning());
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
}

void tst_ProbeTexts::cleanup()
{
    useSeparator('.');
}

void tst_ProbeTexts::useSeparator(QChar pSeparator)
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(pSeparator == ',' ? &mCommaWidget : &mPointWidget);
}

void tst_ProbeTexts::describesTheProbe_data()
{
    QTest::addColumn<EnInstrumentType>("instrumentType");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<TSharedProbe>("probe");
    QTest::addColumn<QString>("text");

    auto cvd = [] {
        return shared(std::make_unique<TPRTProbe>(1, "PT100-A", prttPT100, true, 1, -200.4, 450.6, QDate(2020, 5, 17),
                                                  false, w4wire, true, false, TwoMilliAmps, rprtAuto, cprtCVD, 100.0123,
                                                  3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0));
    };
    const QString cvdHead =
        lines({"Probe name: PT100-A", "Probe type: PRT", "Reference probe: yes", "T min.: -200", "T max.: 451",
               "Last calibration: 17/05/2020", "PRT type: Pt100", "Wiring: 4-wire", "Internal resistor: Auto",
               "Standby current: yes", "Conversion: Callendar-Van Dusen"});
    QTest::newRow("Callendar-Van Dusen PRT on a ZTM9900")
        << ZTM9900 << QChar('.') << cvd()
        << cvdHead + "\r\n" +
               lines({"Excitation current: 2 mA", "R0: 100.012", "A: 3.90830e-03", "B: -5.77500e-07",
                      "C: -4.18300e-12"}) +
               "\r\n\r\n";
    QTest::newRow("Callendar-Van Dusen PRT on a ZTM8800v2, decimal comma")
        << ZTM8800v2 << QChar(',') << cvd()
        << cvdHead + "\r\n" + lines({"R0: 100,012", "A: 3,90830e-03", "B: -5,77500e-07", "C: -4,18300e-12"}) +
               "\r\n\r\n";

    auto its90 = std::make_unique<TPRTProbe>(2, "PT25", prttPT25, false, 0, NaN, 660.0, QDate(), false, w3wire, false,
                                             false, Automatic, rprt25, cprtITS90, 0, 0, 0, 0, 25.5468, -1.5e-4, 2.25e-5,
                                             3.5e-6, -4.75e-7, 5.5e-8, -6.25e-9);
    QTest::newRow("ITS-90 Pt25 without lower limit and date, ZTM9900")
        << ZTM9900 << QChar('.') << shared(std::move(its90))
        << lines({"Probe name: PT25", "Probe type: PRT", "Reference probe: no", "T max.: 660", "Last calibration: ",
                  "PRT type: Pt25", "Wiring: 3-wire", "Internal resistor: 25Ω", "Standby current: no",
                  "Conversion: ITS 90", "Excitation current: Auto", "R001: 25.547", "A: -1.50000e-04", "B: 2.25000e-05",
                  "Ap: 3.50000e-06", "Bp: -4.75000e-07", "Cp: 5.50000e-08", "Dp: -6.25000e-09"}) +
               "\r\n\r\n";

    auto dataPairs = std::make_unique<TPRTProbe>(3, "DP", prttUndefined, false, 0, 0.0, 100.0, QDate(), false,
                                                 wUndefined, false, false, OneMilliAmp, rprtUndefined, cprtDataPairs, 1,
                                                 2, 3, 4, 5, 6, 7, 8, 9, 10, 11);
    QTest::newRow("data-pairs PRT with undefined settings")
        << ZTM8800 << QChar('.') << shared(std::move(dataPairs))
        << lines({"Probe name: DP", "Probe type: PRT", "Reference probe: no", "T min.: 0", "T max.: 100",
                  "Last calibration: ", "PRT type: ", "Wiring: ", "Internal resistor: ", "Standby current: no",
                  "Conversion: "}) +
               "\r\n\r\n";

    QTest::newRow("SMART probe, decimal comma")
        << ZTM9900 << QChar(',') << shared(TestProbes::smart(cprtITS90))
        << lines({"Probe name: SMART-1", "Probe type: PRT SMART Probe", "Reference probe: no",
                  "Last calibration: 10/03/2021", "Enabled: no", "Next calibration: 10/03/2022",
                  "Calibration source: Lab 4", "Internal resistor: 25Ω", "Conversion: ITS 90", "R001: 25,499",
                  "A: -1,50000e-04", "B: 2,25000e-05", "Ap: 3,50000e-06", "Bp: -4,75000e-07", "Cp: 5,50000e-08",
                  "Dp: -6,25000e-09", "Working range: 18.5Ω - 95.25Ω", "Locked: yes"}) +
               "\r\n\r\n";

    auto undatedSmart = std::make_unique<TSmartProbePRT>("S", true, QDate(), true, rprtAuto, cprtDataPairs, 1, 2, 3, 4,
                                                         5, 6, 7, 8, 9, 10, 11, nullptr, QDate(), "", 0.0, 1e7, false);
    QTest::newRow("SMART probe without dates, on data pairs")
        << ZTM8800 << QChar('.') << shared(std::move(undatedSmart))
        << lines({"Probe name: S", "Probe type: PRT SMART Probe", "Reference probe: yes", "Last calibration: ",
                  "Enabled: yes", "Next calibration: ", "Calibration source: ", "Internal resistor: Auto",
                  "Conversion: ", "Working range: 0Ω - 1e+07Ω", "Locked: no"}) +
               "\r\n\r\n";

    QTest::newRow("polynomial thermocouple") << ZTM8800 << QChar('.') << shared(TestProbes::thermocouple(ctcPolynomial))
                                             << lines({"Probe name: TC-K7",      "Probe type: Thermocouple",
                                                       "Reference probe: no",    "T min.: -51",
                                                       "T max.: 1200",           "Last calibration: 31/12/2019",
                                                       "Thermocouple type: K",   "Cold junction compensation: channel",
                                                       "Conversion: Polynomial", "Ta min.: -50.000",
                                                       "Ta max.: 100.000",       "A0: 1.50000e+00",
                                                       "A1: -2.25000e-02",       "A2: 3.12500e-04",
                                                       "A3: -4.50000e-06",       "Tb min.: 100.000",
                                                       "Tb max.: 500.000",       "B0: 1.75000e+00",
                                                       "B1: -2.50000e-02",       "B2: 3.25000e-04",
                                                       "B3: -4.75000e-06",       "Tc min.: 500.000",
                                                       "Tc max.: 1200.000",      "C0: 2.00000e+00",
                                                       "C1: -2.75000e-02",       "C2: 3.37500e-04",
                                                       "C3: -5.00000e-06"}) +
                                                    "\r\n\r\n";

    auto iec = std::make_unique<TTCProbe>(4, "TC-S", false, 0, 0.0, 1600.0, QDate(), false, ptS, rjExternal, 0,
                                          ctcIEC584, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18);
    QTest::newRow("IEC 584 thermocouple")
        << ZTM9900 << QChar('.') << shared(std::move(iec))
        << lines({"Probe name: TC-S", "Probe type: Thermocouple", "Reference probe: no", "T min.: 0", "T max.: 1600",
                  "Last calibration: ", "Thermocouple type: S", "Cold junction compensation: external",
                  "Conversion: IEC 584"}) +
               "\r\n\r\n";

    QTest::newRow("Steinhart-Hart thermistor, decimal comma")
        << ZTM8800 << QChar(',') << shared(TestProbes::thermistor(cthSteinhartHart))
        << lines({"Probe name: NTC-3", "Probe type: Thermistor", "Reference probe: no", "T min.: -40", "T max.: 150",
                  "Last calibration: 02/01/2023", "Conversion: Steinhart-Hart", "a: 1,12874e-03", "b: 2,34124e-04",
                  "c: 8,76741e-08"}) +
               "\r\n\r\n";
    QTest::newRow("polynomial thermistor")
        << ZTM8800 << QChar('.') << shared(TestProbes::thermistor(cthPolynomial))
        << lines({"Probe name: NTC-3", "Probe type: Thermistor", "Reference probe: no", "T min.: -40", "T max.: 150",
                  "Last calibration: 02/01/2023", "Conversion: Polynomial", "c0: 1.25000e+00", "c1: -2.50000e-02",
                  "c2: 3.75000e-04", "c3: -5.00000e-06"}) +
               "\r\n\r\n";
    QTest::newRow("thermistor without conversion")
        << ZTM8800 << QChar('.') << shared(TestProbes::thermistor(cthNone))
        << lines({"Probe name: NTC-3", "Probe type: Thermistor", "Reference probe: no", "T min.: -40", "T max.: 150",
                  "Last calibration: 02/01/2023", "Conversion: none"}) +
               "\r\n\r\n";
}

void tst_ProbeTexts::describesTheProbe()
{
    QFETCH(EnInstrumentType, instrumentType);
    QFETCH(QChar, separator);
    QFETCH(TSharedProbe, probe);
    QFETCH(QString, text);

    QVERIFY(identifyBoardAs(mBoard, instrumentType));
    useSeparator(separator);
    QCOMPARE(probe->probeDataToText(), text);
}

void tst_ProbeTexts::calibrationWarnings_data()
{
    QTest::addColumn<TSharedProbe>("probe");
    QTest::addColumn<QString>("warning"); // null: none

    const QDate today = QDate::currentDate();
    const QDate yearAgo = today.addYears(-1);
    const QDate yearAndDayAgo = yearAgo.addDays(-1);
    auto thermistor = [](QDate pCalibrated, bool pDefault) {
        return shared(std::make_unique<TThermistorProbe>(5, "NTC-5", false, 0, 0, 100, pCalibrated, pDefault, cthNone,
                                                         0, 0, 0, 0, 0, 0, 0));
    };
    auto smart = [](QDate pCalibrated, QDate pNextCalibration) {
        return shared(std::make_unique<TSmartProbePRT>("SMART-7", false, pCalibrated, true, rprtAuto, cprtEN60751, 0, 0,
                                                       0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, pNextCalibration, "", 0, 0,
                                                       false));
    };
    const QString overdue = "WARNING: the last calibration of probe NTC-5 is longer than one year ago! (%1)";
    const QString due = "WARNING: calibration of probe SMART-7 was due on %1!";

    // On 29 February a year ago has no such day: the one-year row needs a date
    // whose anniversary is today.
    if (yearAgo.addYears(1) == today)
        QTest::newRow("calibrated exactly one year ago") << thermistor(yearAgo, false) << QString();
    QTest::newRow("calibrated one year and a day ago")
        << thermistor(yearAndDayAgo, false) << overdue.arg(yearAndDayAgo.toString("dd/MM/yyyy"));
    QTest::newRow("default probe calibrated long ago") << thermistor(QDate(2001, 1, 1), true) << QString();
    QTest::newRow("probe without calibration date") << thermistor(QDate(), false) << QString();
    QTest::newRow("SMART probe due today") << smart(QDate(2001, 1, 1), today) << QString();
    QTest::newRow("SMART probe due yesterday")
        << smart(today, today.addDays(-1)) << due.arg(today.addDays(-1).toString("dd/MM/yyyy"));
    QTest::newRow("SMART probe without due date") << smart(QDate(2001, 1, 1), QDate()) << QString();
}

void tst_ProbeTexts::calibrationWarnings()
{
    QFETCH(TSharedProbe, probe);
    QFETCH(QString, warning);

    bool result = false;
    QCOMPARE(messageShownBy([&]() { result = probe->checkCalibrationDate(); }), warning);
    QVERIFY(result);
}

TAMARIND_TEST_MAIN(tst_ProbeTexts)
#include "tst_probetexts.moc"

#include "channel.h"
#include "probe.h"
#include "testprobes.h"
#include "testsupport.h"

#include <limits>

using namespace Probe_enums;

namespace
{
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<TAbstractProbe> probeOfClass(const QString& pClass)
{
    if (pClass == "PRT")
        return TestProbes::prt();
    if (pClass == "SMART")
        return TestProbes::smart();
    if (pClass == "thermocouple")
        return TestProbes::thermocouple();
    return TestProbes::thermistor();
}
} // namespace

class tst_Probe : public QObject
{
    Q_OBJECT

private slots:
    void temperatureRange_data();
    void temperatureRange();
    void warnsOncePerExcursion();
    void channelKinds_data();
    void channelKinds();
    void realChannels();
    void sameProbeType_data();
    void sameProbeType();
    void copyTakesClassDataFromTheSameFamilyOnly_data();
    void copyTakesClassDataFromTheSameFamilyOnly();
    void copyKeepsDefaultFlagAndRangeState();
    void typeDependentDefaults_data();
    void typeDependentDefaults();
};

void tst_Probe::temperatureRange_data()
{
    QTest::addColumn<double>("tmin");
    QTest::addColumn<double>("tmax");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("outOfRange");

    QTest::newRow("inside the limits") << -200.0 << 450.0 << 20.0 << int(tasInRange) << false;
    QTest::newRow("equal to the lower limit") << -200.0 << 450.0 << -200.0 << int(tasInRange) << false;
    QTest::newRow("equal to the upper limit") << -200.0 << 450.0 << 450.0 << int(tasInRange) << false;
    QTest::newRow("just below the lower limit") << -200.0 << 450.0 << -200.001 << int(tasInRange) << true;
    QTest::newRow("no reading") << -200.0 << 450.0 << NaN << int(tasInRange) << false;
    QTest::newRow("no reading, board says over range") << -200.0 << 450.0 << NaN << int(tasOverRange) << true;
    QTest::newRow("inside the limits, board says under range") << -200.0 << 450.0 << 20.0 << int(tasUnderRange) << true;
    QTest::newRow("no lower limit") << NaN << 450.0 << -10000.0 << int(tasInRange) << false;
    QTest::newRow("no upper limit, below the lower") << -200.0 << NaN << -300.0 << int(tasInRange) << true;
    QTest::newRow("no limits") << NaN << NaN << 5000.0 << int(tasInRange) << false;
    QTest::newRow("no limits, board says over range") << NaN << NaN << 5000.0 << int(tasOverRange) << true;
}

void tst_Probe::temperatureRange()
{
    QFETCH(double, tmin);
    QFETCH(double, tmax);
    QFETCH(double, temperature);
    QFETCH(int, status);
    QFETCH(bool, outOfRange);

    TThermistorProbe probe(1, "NTC", false, 1, tmin, tmax, QDate(), false, cthNone, 0, 0, 0, 0, 0, 0, 0);
    bool showWarning = !outOfRange;
    QCOMPARE(probe.checkTemperature(temperature, EnTemperatureAccuracyStatus(status), showWarning), outOfRange);
    QCOMPARE(showWarning, outOfRange);
    QCOMPARE(probe.isTemperatureOutOfRange(), outOfRange);
}

void tst_Probe::warnsOncePerExcursion()
{
    // A SMART probe has no limits: only the board's status takes it out of range.
    auto probe = TestProbes::smart();
    struct Poll
    {
        double temperature;
        EnTemperatureAccuracyStatus status;
        bool outOfRange;
        bool warning;
    };
    const Poll polls[] = {
        {20.0, tasInRange, false, false},    {900.0, tasOverRange, true, true}, {910.0, tasOverRange, true, false},
        {NaN, tasUnderRange, true, false},   {NaN, tasInRange, false, false},   {-90.0, tasUnderRange, true, true},
        {-90.0, tasUnderRange, true, false}, {20.0, tasInRange, false, false},
    };
    int pollNumber = 0;
    for (const Poll& poll : polls) {
        ++pollNumber;
        bool showWarning = true;
        QVERIFY2(probe->checkTemperature(poll.temperature, poll.status, showWarning) == poll.outOfRange,
                 qPrintable(QString("poll %1").arg(pollNumber)));
        QVERIFY2(showWarning == poll.warning, qPrintable(QString("poll %1").arg(pollNumber)));
        QVERIFY2(probe->isTemperatureOutOfRange() == poll.outOfRange, qPrintable(QString("poll %1").arg(pollNumber)));
    }
}

void tst_Probe::channelKinds_data()
{
    QTest::addColumn<QString>("probeClass");
    QTest::addColumn<int>("wiring");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("supportedWiring");
    QTest::addColumn<bool>("valid");

    const QList<int> both{w3wire, w4wire};
    const QList<int> threeWireOnly{w3wire};
    const QList<int> none;

    QTest::newRow("4-wire PRT on a 3- and 4-wire input")
        << "PRT" << int(w4wire) << int(TAbstractProbe::ckPRT) << both << true;
    QTest::newRow("4-wire PRT on a 3-wire input")
        << "PRT" << int(w4wire) << int(TAbstractProbe::ckPRT) << threeWireOnly << false;
    QTest::newRow("PRT of undefined wiring on a PRT input")
        << "PRT" << int(wUndefined) << int(TAbstractProbe::ckPRT) << both << false;
    QTest::newRow("4-wire PRT on a mixed position")
        << "PRT" << int(w4wire) << int(TAbstractProbe::ckMixed) << none << true;
    QTest::newRow("PRT on a thermocouple input")
        << "PRT" << int(w4wire) << int(TAbstractProbe::ckThermocouple) << none << false;
    QTest::newRow("PRT on the expansion port")
        << "PRT" << int(w4wire) << int(TAbstractProbe::ckThermocoupleExpansion) << none << false;

    QTest::newRow("SMART on a 3-wire input") << "SMART" << 0 << int(TAbstractProbe::ckPRT) << threeWireOnly << true;
    QTest::newRow("SMART on a mixed position") << "SMART" << 0 << int(TAbstractProbe::ckMixed) << none << false;

    QTest::newRow("thermocouple on a thermocouple input")
        << "thermocouple" << 0 << int(TAbstractProbe::ckThermocouple) << none << true;
    QTest::newRow("thermocouple on a mixed position")
        << "thermocouple" << 0 << int(TAbstractProbe::ckMixed) << none << true;
    QTest::newRow("thermocouple on the expansion port")
        << "thermocouple" << 0 << int(TAbstractProbe::ckThermocoupleExpansion) << none << false;

    QTest::newRow("thermistor on a 3-wire input")
        << "thermistor" << 0 << int(TAbstractProbe::ckPRT) << threeWireOnly << true;
    QTest::newRow("thermistor on a mixed position")
        << "thermistor" << 0 << int(TAbstractProbe::ckMixed) << none << true;
    QTest::newRow("thermistor on a thermocouple input")
        << "thermistor" << 0 << int(TAbstractProbe::ckThermocouple) << none << false;
}

void tst_Probe::channelKinds()
{
    QFETCH(QString, probeClass);
    QFETCH(int, wiring);
    QFETCH(int, kind);
    QFETCH(QList<int>, supportedWiring);
    QFETCH(bool, valid);

    std::unique_ptr<TAbstractProbe> probe = probeOfClass(probeClass);
    if (auto* prt = qobject_cast<TPRTProbe*>(probe.get()); prt && probeClass == "PRT")
        prt->setWiring(EnWiring(wiring));
    zelk::vector<EnWiring> wirings;
    for (int w : supportedWiring)
        wirings << EnWiring(w);

    QCOMPARE(probe->isValidChannelKind(TAbstractProbe::EnChannelKind(kind), wirings), valid);
}

void tst_Probe::realChannels()
{
    TPRTChannel threeWireInput(nullptr, 1, 1, "1", {w3wire});
    TMixedChannel mixedPosition(nullptr, 1, 82, "1.2");
    TTCChannel thermocoupleInput(nullptr, 1, 3, "3");
    TPureVoltageTCChannel expansionPort(nullptr, 1, 6, "TC Expansion");
    const auto fourWirePrt = TestProbes::prt();
    const auto thermocouple = TestProbes::thermocouple();
    const auto thermistor = TestProbes::thermistor();
    const auto smart = TestProbes::smart();

    QVERIFY(!fourWirePrt->isValidChannel(&threeWireInput));
    QVERIFY(fourWirePrt->isValidChannel(&mixedPosition));
    QVERIFY(!fourWirePrt->isValidChannel(nullptr));
    QVERIFY(thermistor->isValidChannel(&threeWireInput));
    QVERIFY(smart->isValidChannel(&threeWireInput));
    QVERIFY(!smart->isValidChannel(&mixedPosition));
    QVERIFY(thermocouple->isValidChannel(&thermocoupleInput));
    QVERIFY(!thermocouple->isValidChannel(&expansionPort));
}

void tst_Probe::sameProbeType_data()
{
    QTest::addColumn<QString>("probeClass");
    QTest::addColumn<QString>("otherClass");
    QTest::addColumn<bool>("same");

    QTest::newRow("PRT and PRT") << "PRT"
                                 << "PRT" << true;
    QTest::newRow("PRT and SMART") << "PRT"
                                   << "SMART" << true;
    QTest::newRow("SMART and PRT") << "SMART"
                                   << "PRT" << false;
    QTest::newRow("SMART and SMART") << "SMART"
                                     << "SMART" << true;
    QTest::newRow("PRT and thermistor") << "PRT"
                                        << "thermistor" << false;
    QTest::newRow("thermocouple and thermocouple") << "thermocouple"
                                                   << "thermocouple" << true;
    QTest::newRow("thermocouple and PRT") << "thermocouple"
                                          << "PRT" << false;
    QTest::newRow("thermistor and thermistor") << "thermistor"
                                               << "thermistor" << true;
    QTest::newRow("thermistor and thermocouple") << "thermistor"
                                                 << "thermocouple" << false;
}

void tst_Probe::sameProbeType()
{
    QFETCH(QString, probeClass);
    QFETCH(QString, otherClass);
    QFETCH(bool, same);

    QCOMPARE(probeOfClass(probeClass)->isSameProbeType(probeOfClass(otherClass).get()), same);
}

void tst_Probe::copyTakesClassDataFromTheSameFamilyOnly_data()
{
    QTest::addColumn<QString>("destinationClass");
    QTest::addColumn<QString>("sourceClass");
    QTest::addColumn<QStringList>("differingFromSource");
    QTest::addColumn<QStringList>("differingFromBefore");

    // Every field of a destination differs from the samples, so whatever is
    // copied shows; the base data is copied in every case.
    const QStringList base{"internalProbeNumber", "probeName", "isReference", "channelNumber", "Tmin", "Tmax",
                           "lastCalDate"};
    QTest::newRow("PRT from PRT") << "PRT"
                                  << "PRT" << QStringList{"isDefaultProbe", "factorRoot2"} << QStringList();
    QTest::newRow("PRT from SMART") << "PRT"
                                    << "SMART" << QStringList{"class", "isDefaultProbe"} << QStringList();
    QTest::newRow("PRT from thermocouple") << "PRT"
                                           << "thermocouple" << QStringList{"class", "isDefaultProbe"} << base;
    QTest::newRow("thermocouple from thermocouple") << "thermocouple"
                                                    << "thermocouple" << QStringList{"isDefaultProbe"} << QStringList();
    QTest::newRow("thermistor from thermistor") << "thermistor"
                                                << "thermistor" << QStringList{"isDefaultProbe"} << QStringList();
    QTest::newRow("thermistor from PRT") << "thermistor"
                                         << "PRT" << QStringList{"class", "isDefaultProbe"} << base;
}

namespace
{
std::unique_ptr<TAbstractProbe> defaultProbeOfClass(const QString& pClass)
{
    if (pClass == "PRT")
        return std::make_unique<TPRTProbe>(81, "Default Pt25", prttPT25, true, 0, 0.0, 100.0, QDate(), true, w3wire,
                                           false, false, Automatic, rprt100, cprtEN60751, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
                                           11);
    if (pClass == "thermocouple")
        return std::make_unique<TTCProbe>(85, "Default TC", true, 0, 0.0, 100.0, QDate(), true, ptT, rjInternal, 0,
                                          ctcIEC584, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18);
    return std::make_unique<TThermistorProbe>(84, "Default NTC", false, 0, 0.0, 100.0, QDate(), true, cthPolynomial, 1,
                                              2, 3, 4, 5, 6, 7);
}
} // namespace

void tst_Probe::copyTakesClassDataFromTheSameFamilyOnly()
{
    QFETCH(QString, destinationClass);
    QFETCH(QString, sourceClass);
    QFETCH(QStringList, differingFromSource);
    QFETCH(QStringList, differingFromBefore);

    const std::unique_ptr<TAbstractProbe> before = defaultProbeOfClass(destinationClass);
    std::unique_ptr<TAbstractProbe> destination = defaultProbeOfClass(destinationClass);
    const std::unique_ptr<TAbstractProbe> source = probeOfClass(sourceClass);

    destination->copyContent(*source);

    QCOMPARE(TestProbes::differingFields(*destination, *source), differingFromSource);
    // Across families the class data stays as it was, the base data does not.
    if (!differingFromBefore.isEmpty())
        QCOMPARE(TestProbes::differingFields(*destination, *before), differingFromBefore);
}

void tst_Probe::copyKeepsDefaultFlagAndRangeState()
{
    TPRTProbe destination(81, "Default", prttPT100, false, 0, 0.0, 1.0, QDate(), true, w4wire, false, true, Automatic,
                          rprtAuto, cprtEN60751, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    bool showWarning = false;
    QVERIFY(destination.checkTemperature(5.0, tasInRange, showWarning));
    auto source = TestProbes::prt();
    source->setFactorRoot2(false);

    destination.copyContent(*source);

    QVERIFY(destination.isDefaultProbe());
    QVERIFY(destination.isTemperatureOutOfRange());
    QVERIFY(destination.factorRoot2());
    QCOMPARE(destination.probeName(), QString("PT100-A"));
}

void tst_Probe::typeDependentDefaults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("resistor");
    QTest::addColumn<int>("current");

    QTest::newRow("Pt25") << int(prttPT25) << int(rprt25) << int(TwoMilliAmps);
    QTest::newRow("Pt100") << int(prttPT100) << int(rprt100) << int(OneMilliAmp);
    QTest::newRow("undefined type") << int(prttUndefined) << int(rprt100) << int(OneMilliAmp);
}

void tst_Probe::typeDependentDefaults()
{
    QFETCH(int, type);
    QFETCH(int, resistor);
    QFETCH(int, current);

    QCOMPARE(int(TPRTProbe::internalResistorPerType(EnPRTType(type))), resistor);
    QCOMPARE(int(TPRTProbe::operatingCurrentPerType(EnPRTType(type))), current);
}

TAMARIND_TEST_MAIN(tst_Probe)
#include "tst_probe.moc"

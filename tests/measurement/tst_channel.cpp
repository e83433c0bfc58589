#include "channel.h"
#include "decimaldisplaycontroller.h"
#include "probe.h"
#include "tamarindsettings.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QWidget>

#include <cmath>
#include <limits>
#include <map>

using namespace Electrical_temperature_units;
using namespace Probe_enums;

Q_DECLARE_METATYPE(Electrical_temperature_units::EnUnit)
Q_DECLARE_METATYPE(Electrical_temperature_units::EnUnitType)

namespace
{
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr int WINDOW = 10;

const zelk::vector<EnWiring> BOTH_WIRINGS{w3wire, w4wire};

// The channels of a test by number, answering lookups as the channel
// controller does.
class TChannelTable : public IChannelLookup
{
public:
    template <class T> T* add(std::unique_ptr<T> pChannel)
    {
        T* channel = pChannel.get();
        mChannels[channel->internalChannelNumber()] = std::move(pChannel);
        return channel;
    }

    TAbstractChannel* channel(int pChannelNumber) const override
    {
        const auto found = mChannels.find(pChannelNumber);
        return found == mChannels.end() ? nullptr : found->second.get();
    }

private:
    std::map<int, std::unique_ptr<TAbstractChannel>> mChannels;
};

class TTypeChangeRecorder : public IChannelTypeChangeListener
{
public:
    void channelTypeChanged(TAbstractChannel* pChannel) override { mChanged << pChannel; }
    zelk::vector<TAbstractChannel*> mChanged;
};

std::unique_ptr<TPRTChannel> prtChannel(int pNumber = 1, IChannelTypeChangeListener* pListener = nullptr)
{
    return std::make_unique<TPRTChannel>(pListener, WINDOW, pNumber, QString::number(pNumber), BOTH_WIRINGS);
}

std::unique_ptr<TTCChannel> tcChannel(int pNumber = 3)
{
    return std::make_unique<TTCChannel>(nullptr, WINDOW, pNumber, QString::number(pNumber));
}

std::unique_ptr<TTCProbe> tcProbe(int pNumber, EnReferenceJunction pColdJunction, int pRefChannel,
                                  bool pDefaultProbe = false)
{
    return std::make_unique<TTCProbe>(pNumber, QString("TC-%1").arg(pNumber), false, 0, -50.0, 400.0, QDate(),
                                      pDefaultProbe, ptK, pColdJunction, pRefChannel, ctcIEC584, 0, 0, 0, 0, 0, 0, 0, 0,
                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

std::unique_ptr<TPRTProbe> prtProbe(int pNumber, bool pDefaultProbe = false, double pTmax = 450.0)
{
    return std::make_unique<TPRTProbe>(pNumber, QString("PRT-%1").arg(pNumber), prttPT100, false, 0, -200.0, pTmax,
                                       QDate(), pDefaultProbe, w4wire, false, false, OneMilliAmp, rprtAuto, cprtCVD,
                                       100.0, 3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0);
}

struct TValueTexts
{
    QString temperature;
    EnUnit temperatureUnit = uUndefined;
    QString electrical;
    EnUnit electricalUnit = uUndefined;
    EnUnitType mainValue = utTemperature;
};

TValueTexts currentTexts(const TAbstractChannel& pChannel, const QString& pSeparator = ".", bool pMax = false)
{
    TValueTexts texts;
    pChannel.currentValue(texts.temperature, texts.temperatureUnit, texts.electrical, texts.electricalUnit, pSeparator,
                          texts.mainValue, pMax);
    return texts;
}

QPair<QString, QString> peakTexts(const TAbstractChannel& pChannel)
{
    QPair<QString, QString> texts;
    pChannel.peakValues(texts.first, texts.second, ".");
    return texts;
}

QString storedSetting(const QString& pSection, const QString& pKey)
{
    // A store of its own reads the file as the next start would.
    return TTamarindSettings(TTamarindSettings::SETTINGS_FILE_PATH).value(pSection, pKey, "missing");
}

QPair<QString, QString> averageTexts(const TAbstractChannel& pChannel)
{
    QPair<QString, QString> texts;
    pChannel.avgValue(texts.first, texts.second);
    return texts;
}

// Chooses the user's decimal separator as the settings screen does.
void useDecimalSeparator(QChar pSeparator)
{
    static QWidget point, comma;
    TDecimalDisplayController& controller = TDecimalDisplayController::instance();
    controller.registerWidget(&point, '.');
    controller.registerWidget(&comma, ',');
    controller.decimalSeparatorSelected(pSeparator == ',' ? &comma : &point);
}

void setChannelSettings(int pNumber, const QString& pUnit, const QString& pResolution)
{
    const QString section = QString("chan%1").arg(pNumber);
    TTamarindSettings::instance().setValue(section, "unit", pUnit);
    TTamarindSettings::instance().setValue(section, "resolution", pResolution);
}
} // namespace

class tst_Channel : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void freshChannelShowsCelsiusWithThreeDecimals();
    void storedUnitAndDecimalsAreRestored();
    void precisionLimits_data();
    void precisionLimits();
    void precisionStepsAreStored();
    void unitChange_data();
    void unitChange();

    void captions_data();
    void captions();
    void electricalUnits_data();
    void electricalUnits();
    void channelProbeStatus_data();
    void channelProbeStatus();
    void probeChangeOfElectricalUnitStartsAfresh();
    void firstProbeOfMixedChannelResetsNothing();
    void assignProbeRecordsTheChannel();
    void validProbes_data();
    void validProbes();

    void usedProbes_data();
    void usedProbes();
    void outOfRangeLeavesDefaultProbesOut();

    void currentValueTexts_data();
    void currentValueTexts();
    void averaging_data();
    void averaging();
    void shorterWindowDropsTheExcessAtOnce();
    void averagesResetToZero();
    void userDecimalSeparator();
    void difference_data();
    void difference();
    void missingReadingsStayOutOfPeaks();
    void peaksFollowTheSelectedQuantity();
    void expansionPortHasNoTemperature();
    void freezeHoldsShownValues_data();
    void freezeHoldsShownValues();
    void graphHistoryIsBounded();
    void graphValuesInUnits();
    void graphRecordingStartsAndStopsEmpty();
    void unitTexts_data();
    void unitTexts();
};

void tst_Channel::init()
{
    useDecimalSeparator('.');
    for (int number = 1; number < 200; ++number)
        TTamarindSettings::instance().removeSection(QString("chan%1").arg(number));
    TTamarindSettings::instance().store();
}

// --- units and decimals ---------------------------------------------------------

void tst_Channel::freshChannelShowsCelsiusWithThreeDecimals()
{
    auto channel = prtChannel();
    QCOMPARE(channel->selectedUnit(), uCelsius);
    channel->setNewValue(100.125, 0.5);
    const TValueTexts texts = currentTexts(*channel);
    QCOMPARE(texts.temperature, QString("0.500"));
    QCOMPARE(texts.electrical, QString("100.1250"));
    QCOMPARE(texts.temperatureUnit, uCelsius);
    QCOMPARE(texts.electricalUnit, uOhm);
    QCOMPARE(texts.mainValue, utTemperature);
}

void tst_Channel::storedUnitAndDecimalsAreRestored()
{
    setChannelSettings(3, "2", "1");
    auto channel = tcChannel(3);
    QCOMPARE(channel->selectedUnit(), uFahrenheit);
    channel->setNewValue(4.096, 100.0);
    QCOMPARE(currentTexts(*channel).temperature, QString("212.0"));
    QCOMPARE(currentTexts(*channel).temperatureUnit, uFahrenheit);
}

void tst_Channel::precisionLimits_data()
{
    QTest::addColumn<QString>("storedUnit");
    QTest::addColumn<QString>("storedResolution");
    QTest::addColumn<int>("shownDecimals");
    QTest::addColumn<bool>("increasePossible");
    QTest::addColumn<bool>("decreasePossible");

    QTest::newRow("five decimals stored with degrees Celsius stay in force") << "1"
                                                                             << "5" << 5 << false << true;
    QTest::newRow("four decimals with degrees Celsius are the most") << "1"
                                                                     << "4" << 4 << false << true;
    QTest::newRow("ohm allows five decimals") << "4"
                                              << "4" << 4 << true << true;
    QTest::newRow("none") << "1"
                          << "0" << 0 << true << false;
    QTest::newRow("text that is no number gives none") << "1"
                                                       << "three" << 0 << true << false;
    QTest::newRow("more than any unit offers") << "4"
                                               << "40" << 5 << false << true;
    QTest::newRow("negative") << "1"
                              << "-2" << 0 << true << false;
}

void tst_Channel::precisionLimits()
{
    QFETCH(QString, storedUnit);
    QFETCH(QString, storedResolution);
    QFETCH(int, shownDecimals);
    QFETCH(bool, increasePossible);
    QFETCH(bool, decreasePossible);

    setChannelSettings(1, storedUnit, storedResolution);
    auto channel = prtChannel(1);
    channel->setNewValue(1.0, 1.0);
    const TValueTexts texts = currentTexts(*channel);
    const QString shown = texts.mainValue == utTemperature ? texts.temperature : texts.electrical;
    QCOMPARE(shown, shownDecimals == 0 ? QString("1") : "1." + QString(shownDecimals, '0'));
    QCOMPARE(channel->isIncreasePrecisionPossible(), increasePossible);
    QCOMPARE(channel->isDecreasePrecisionPossible(), decreasePossible);
}

void tst_Channel::precisionStepsAreStored()
{
    setChannelSettings(1, "1", "5");
    auto channel = prtChannel(1);
    channel->setNewValue(1.0, 1.0);
    QSignalSpy changed(channel.get(), &TAbstractChannel::valuesChanged);

    // A step from a stored five brings it to the four degrees allow.
    QCOMPARE(channel->increasePrecision(), false);
    QCOMPARE(currentTexts(*channel).temperature, QString("1.0000"));
    QCOMPARE(storedSetting("chan1", "resolution"), QString("4"));
    QCOMPARE(changed.count(), 1);

    QCOMPARE(channel->increasePrecision(), false);
    QCOMPARE(changed.count(), 1);

    QCOMPARE(channel->decreasePrecision(), true);
    QCOMPARE(channel->decreasePrecision(), true);
    QCOMPARE(channel->decreasePrecision(), true);
    QCOMPARE(channel->decreasePrecision(), false);
    QCOMPARE(currentTexts(*channel).temperature, QString("1"));
    QCOMPARE(storedSetting("chan1", "resolution"), QString("0"));
    QCOMPARE(channel->decreasePrecision(), false);
    QCOMPARE(changed.count(), 5);
}

void tst_Channel::unitChange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<EnUnit>("requested");
    QTest::addColumn<EnUnit>("selected");
    QTest::addColumn<QString>("storedResolution");

    QTest::newRow("millivolt on a resistance channel selects ohm") << "PRT" << uMilliVolt << uOhm << "5";
    QTest::newRow("ohm on a thermocouple channel selects millivolt") << "TC" << uOhm << uMilliVolt << "5";
    QTest::newRow("millivolt on a mixed channel without probe selects nothing")
        << "mixed" << uMilliVolt << uUndefined << "5";
    QTest::newRow("kelvin takes at most four decimals") << "PRT" << uKelvin << uKelvin << "4";
    QTest::newRow("degrees Fahrenheit on a thermocouple channel") << "TC" << uFahrenheit << uFahrenheit << "4";
}

void tst_Channel::unitChange()
{
    QFETCH(QString, kind);
    QFETCH(EnUnit, requested);
    QFETCH(EnUnit, selected);
    QFETCH(QString, storedResolution);

    setChannelSettings(81, "4", "5");
    std::unique_ptr<TPhysicalChannel> channel;
    if (kind == "PRT")
        channel = std::make_unique<TPRTChannel>(nullptr, WINDOW, 81, "5.1", BOTH_WIRINGS);
    else if (kind == "TC")
        channel = std::make_unique<TTCChannel>(nullptr, WINDOW, 81, "5.1");
    else
        channel = std::make_unique<TMixedChannel>(nullptr, WINDOW, 81, "5.1");
    QSignalSpy changed(channel.get(), &TAbstractChannel::valuesChanged);

    channel->changeUnit(requested);

    QCOMPARE(channel->selectedUnit(), selected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(storedSetting("chan81", "unit"), QString::number(int(selected)));
    QCOMPARE(storedSetting("chan81", "resolution"), storedResolution);
    QVERIFY(!channel->isIncreasePrecisionPossible());
    channel->setNewValue(1.0, 1.0);
    const TValueTexts texts = currentTexts(*channel);
    const QString shown = texts.mainValue == utTemperature ? texts.temperature : texts.electrical;
    QCOMPARE(shown.length() - shown.indexOf('.') - 1, storedResolution.toInt());
}

// --- identity, probes -------------------------------------------------------------

void tst_Channel::captions_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("buttonText");

    QTest::newRow("board input") << "3"
                                 << "3"
                                 << "Chan. 3";
    QTest::newRow("switch-box position") << "1.3"
                                         << "1.3"
                                         << "Chan. 1.3";
    QTest::newRow("reciprocal without operand") << "1/"
                                                << ""
                                                << "";
    QTest::newRow("reciprocal of channel 1") << "1/1"
                                             << "1 / 1"
                                             << "1 / Chan. 1";
    QTest::newRow("difference of channels 1 and 2") << "1-2"
                                                    << "1-2"
                                                    << "Chan. 1-2";
    QTest::newRow("difference without second operand") << "1-"
                                                       << ""
                                                       << "Chan. ";
    QTest::newRow("quotient of channels 3 and 1") << "3/1"
                                                  << "3/1"
                                                  << "Chan. 3/1";
}

void tst_Channel::captions()
{
    QFETCH(QString, channel);
    QFETCH(QString, caption);
    QFETCH(QString, buttonText);

    TPRTChannel one(nullptr, WINDOW, 1, "1", BOTH_WIRINGS);
    TPRTChannel two(nullptr, WINDOW, 2, "2", BOTH_WIRINGS);
    TTCChannel three(nullptr, WINDOW, 3, "3");
    TPRTChannel boxPosition(nullptr, WINDOW, 18, "1.3", zelk::vector<EnWiring>{w4wire});
    TReciprocalChannel noOperand(nullptr, WINDOW, 9);
    TReciprocalChannel reciprocal(nullptr, WINDOW, 9);
    reciprocal.setPhysicalChannel(&one);
    TBinaryDerivedChannel difference(nullptr, WINDOW, 11, "-");
    difference.setPhysicalChannel_Operand1(&one);
    difference.setPhysicalChannel_Operand2(&two);
    TBinaryDerivedChannel halfDifference(nullptr, WINDOW, 11, "-");
    halfDifference.setPhysicalChannel_Operand1(&one);
    TBinaryDerivedChannel quotient(nullptr, WINDOW, 13, "/");
    quotient.setPhysicalChannel_Operand1(&three);
    quotient.setPhysicalChannel_Operand2(&one);
    const std::map<QString, TAbstractChannel*> channels{
        {"3", &three},        {"1.3", &boxPosition},   {"1/", &noOperand}, {"1/1", &reciprocal},
        {"1-2", &difference}, {"1-", &halfDifference}, {"3/1", &quotient}};

    TAbstractChannel* shown = channels.at(channel);
    QCOMPARE(shown->channelCaption(), caption);
    QCOMPARE(shown->channelBtnText(), buttonText);
}

void tst_Channel::electricalUnits_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<EnUnit>("unit");

    QTest::newRow("resistance input") << "PRT" << uOhm;
    QTest::newRow("thermocouple input") << "TC" << uMilliVolt;
    QTest::newRow("expansion port") << "expansion" << uMilliVolt;
    QTest::newRow("mixed position without probe") << "mixed" << uUndefined;
    QTest::newRow("mixed position with a PRT") << "mixed PRT" << uOhm;
    QTest::newRow("mixed position with a SMART probe") << "mixed SMART" << uOhm;
    QTest::newRow("mixed position with a thermistor") << "mixed thermistor" << uOhm;
    QTest::newRow("mixed position with a thermocouple") << "mixed thermocouple" << uMilliVolt;
    QTest::newRow("reciprocal without operand") << "1/" << uUndefined;
    QTest::newRow("reciprocal of a thermocouple input") << "1/TC" << uMilliVolt;
    QTest::newRow("sum of two resistance inputs") << "PRT+PRT" << uOhm;
    QTest::newRow("sum of a resistance and a thermocouple input") << "PRT+TC" << uUndefined;
    QTest::newRow("sum with one operand") << "PRT+" << uUndefined;
}

void tst_Channel::electricalUnits()
{
    QFETCH(QString, channel);
    QFETCH(EnUnit, unit);

    auto prt = prtChannel(1);
    auto prt2 = prtChannel(2);
    auto tc = tcChannel(3);
    std::unique_ptr<TAbstractProbe> probe;
    std::unique_ptr<TAbstractChannel> tested;
    if (channel == "PRT") {
        tested = prtChannel(2);
    } else if (channel == "TC") {
        tested = tcChannel(4);
    } else if (channel == "expansion") {
        tested = std::make_unique<TPureVoltageTCChannel>(nullptr, WINDOW, 6, "TC Expansion");
    } else if (channel.startsWith("mixed")) {
        auto mixed = std::make_unique<TMixedChannel>(nullptr, WINDOW, 80, "1.1");
        if (channel == "mixed PRT")
            probe = TestProbes::prt();
        else if (channel == "mixed SMART")
            probe = TestProbes::smart();
        else if (channel == "mixed thermistor")
            probe = TestProbes::thermistor();
        else if (channel == "mixed thermocouple")
            probe = TestProbes::thermocouple();
        mixed->useProbe(probe.get());
        tested = std::move(mixed);
    } else if (channel.startsWith("1/")) {
        auto reciprocal = std::make_unique<TReciprocalChannel>(nullptr, WINDOW, 9);
        reciprocal->setPhysicalChannel(channel == "1/TC" ? tc.get() : nullptr);
        tested = std::move(reciprocal);
    } else {
        auto sum = std::make_unique<TBinaryDerivedChannel>(nullptr, WINDOW, 10, "+");
        sum->setPhysicalChannel_Operand1(prt.get());
        if (channel == "PRT+PRT")
            sum->setPhysicalChannel_Operand2(prt2.get());
        else if (channel == "PRT+TC")
            sum->setPhysicalChannel_Operand2(tc.get());
        tested = std::move(sum);
    }
    QCOMPARE(tested->electricalUnit(), unit);
}

void tst_Channel::channelProbeStatus_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("smartProbe");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("distinctPhysicalChannel");
    QTest::addColumn<bool>("smartInUse");

    QTest::newRow("resistance input") << "PRT"
                                      << "none"
                                      << "assigned" << true << false;
    QTest::newRow("resistance input with an enabled SMART probe") << "PRT"
                                                                  << "enabled"
                                                                  << "SMART" << true << true;
    QTest::newRow("resistance input with a disabled SMART probe") << "PRT"
                                                                  << "disabled"
                                                                  << "assigned" << true << false;
    QTest::newRow("reciprocal of the input") << "1/PRT"
                                             << "none"
                                             << "assigned" << true << false;
    QTest::newRow("reciprocal without operand") << "1/"
                                                << "none"
                                                << "none" << false << false;
    QTest::newRow("sum of two inputs") << "PRT+PRT"
                                       << "none"
                                       << "none" << false << false;
}

void tst_Channel::channelProbeStatus()
{
    QFETCH(QString, channel);
    QFETCH(QString, smartProbe);
    QFETCH(QString, probe);
    QFETCH(bool, distinctPhysicalChannel);
    QFETCH(bool, smartInUse);

    auto prt = prtChannel(1);
    auto assigned = prtProbe(5);
    prt->assignProbe(assigned.get());
    TSmartProbePRT* smart = nullptr;
    if (smartProbe != "none") {
        auto plugged =
            std::make_unique<TSmartProbePRT>("SMART", false, QDate(), smartProbe == "enabled", rprt100, cprtCVD, 100, 0,
                                             0, 0, 0, 0, 0, 0, 0, 0, 0, prt.get(), QDate(), "", 0, 0, false);
        smart = plugged.get();
        prt->setAndOwnSmartProbe(std::move(plugged));
        QCOMPARE(prt->smartProbe(), smart);
    }

    TAbstractChannel* tested = prt.get();
    TReciprocalChannel reciprocal(nullptr, WINDOW, 9);
    TBinaryDerivedChannel sum(nullptr, WINDOW, 10, "+");
    if (channel.startsWith("1/")) {
        reciprocal.setPhysicalChannel(channel == "1/PRT" ? prt.get() : nullptr);
        tested = &reciprocal;
    } else if (channel == "PRT+PRT") {
        sum.setPhysicalChannel_Operand1(prt.get());
        sum.setPhysicalChannel_Operand2(prt.get());
        tested = &sum;
    }

    const TChannelProbeStatus status = tested->channelProbeStatus();
    TAbstractProbe* expected = probe == "assigned" ? assigned.get() : probe == "SMART" ? smart : nullptr;
    QCOMPARE(status.probe(), expected);
    QCOMPARE(status.isDistinctPhysicalChannelAvailable(), distinctPhysicalChannel);
    QCOMPARE(status.isSmartProbeConnectedAndEnabled(), smartInUse);
}

void tst_Channel::probeChangeOfElectricalUnitStartsAfresh()
{
    TTypeChangeRecorder listener;
    TMixedChannel mixed(&listener, WINDOW, 80, "1.1");
    auto prt = TestProbes::prt();
    auto tc = TestProbes::thermocouple();
    mixed.useProbe(prt.get());
    mixed.changeUnit(uOhm);
    mixed.startRecordingGraphValues();
    mixed.setNewValue(100.0, 0.0);
    mixed.setNewValue(101.0, 2.5);

    QSignalSpy changed(&mixed, &TAbstractChannel::valuesChanged);
    mixed.useProbe(tc.get());

    // The shown electrical unit follows the probe.
    QCOMPARE(mixed.selectedUnit(), uMilliVolt);
    QCOMPARE(peakTexts(mixed), qMakePair(QString(), QString()));
    QVERIFY(mixed.graphValues(uMilliVolt).isEmpty());
    QVERIFY(mixed.graphValues(uCelsius).isEmpty());
    QCOMPARE(listener.mChanged, zelk::vector<TAbstractChannel*>{&mixed});
    QVERIFY(changed.count() >= 1);

    // The graph goes on recording from the first point.
    mixed.setNewValue(4.0, 100.0);
    QCOMPARE(mixed.graphValues(uMilliVolt), QVector<QPointF>{QPointF(1, 4.0)});
}

void tst_Channel::firstProbeOfMixedChannelResetsNothing()
{
    TTypeChangeRecorder listener;
    TMixedChannel mixed(&listener, WINDOW, 80, "1.1");
    mixed.setNewValue(100.0, 20.0);
    auto prt = TestProbes::prt();

    mixed.useProbe(prt.get());

    QCOMPARE(peakTexts(mixed), qMakePair(QString("20.0000"), QString("20.0000")));
    QVERIFY(listener.mChanged.empty());
    QCOMPARE(mixed.selectedUnit(), uCelsius);
}

void tst_Channel::assignProbeRecordsTheChannel()
{
    auto channel = tcChannel(4);
    auto assigned = tcProbe(7, rjInternal, 0);
    auto used = tcProbe(85, rjInternal, 0, true);

    channel->assignProbe(assigned.get());
    QCOMPARE(assigned->channelNumber(), 4);
    QCOMPARE(channel->assignedProbe(), assigned.get());

    // A default probe stands in without taking the channel for itself.
    channel->useProbe(used.get());
    QCOMPARE(used->channelNumber(), 0);
    QCOMPARE(channel->assignedProbe(), used.get());

    channel->assignProbe(nullptr);
    QCOMPARE(channel->assignedProbe(), nullptr);
}

void tst_Channel::validProbes_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("valid");

    QTest::newRow("four-wire PRT on a board resistance input") << "PRT 3+4"
                                                               << "PRT" << true;
    QTest::newRow("four-wire PRT on a three-wire-only input") << "PRT 3"
                                                              << "PRT" << false;
    QTest::newRow("thermistor on a three-wire-only input") << "PRT 3"
                                                           << "thermistor" << true;
    QTest::newRow("SMART probe on a three-wire-only input") << "PRT 3"
                                                            << "SMART" << true;
    QTest::newRow("PRT on a mixed position") << "mixed"
                                             << "PRT" << true;
    QTest::newRow("SMART probe on a mixed position") << "mixed"
                                                     << "SMART" << false;
    QTest::newRow("thermocouple on a thermocouple input") << "TC"
                                                          << "thermocouple" << true;
    QTest::newRow("thermocouple on the expansion port") << "expansion"
                                                        << "thermocouple" << false;
    QTest::newRow("PRT on a thermocouple input") << "TC"
                                                 << "PRT" << false;
}

void tst_Channel::validProbes()
{
    QFETCH(QString, channel);
    QFETCH(QString, probe);
    QFETCH(bool, valid);

    std::unique_ptr<TPhysicalChannel> tested;
    if (channel == "PRT 3+4")
        tested = prtChannel(1);
    else if (channel == "PRT 3")
        tested = std::make_unique<TPRTChannel>(nullptr, WINDOW, 1, "1", zelk::vector<EnWiring>{w3wire});
    else if (channel == "mixed")
        tested = std::make_unique<TMixedChannel>(nullptr, WINDOW, 80, "1.1");
    else if (channel == "TC")
        tested = tcChannel(3);
    else
        tested = std::make_unique<TPureVoltageTCChannel>(nullptr, WINDOW, 6, "TC Expansion");

    std::unique_ptr<TAbstractProbe> candidate;
    if (probe == "PRT")
        candidate = TestProbes::prt();
    else if (probe == "SMART")
        candidate = TestProbes::smart();
    else if (probe == "thermistor")
        candidate = TestProbes::thermistor();
    else
        candidate = TestProbes::thermocouple();
    QCOMPARE(tested->isValidProbe(candidate.get()), valid);
}

// --- probes behind a channel ----------------------------------------------------------

void tst_Channel::usedProbes_data()
{
    // Channel 1 holds PRT-1; thermocouple channels 3 and 4 hold TC-3 and TC-4
    // whose cold junction is measured where the row says (0: internally; a
    // negative number: internally, the probe still naming that channel);
    // switch-box position 80 measures with TC-3 too.
    QTest::addColumn<int>("coldJunctionOf3");
    QTest::addColumn<int>("coldJunctionOf4");
    QTest::addColumn<bool>("tc3IsDefault");
    QTest::addColumn<bool>("onlyCustom");
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QStringList>("probes");

    QTest::newRow("internal cold junction") << 0 << 0 << false << false << "3" << QStringList{"TC-3"};
    // An imported probe is given the standard junction's channel whatever its junction.
    QTest::newRow("internal cold junction, a channel number kept")
        << -1 << 0 << false << false << "3" << QStringList{"TC-3"};
    QTest::newRow("cold junction measured by channel 1")
        << 1 << 0 << false << false << "3" << QStringList{"TC-3", "PRT-1"};
    QTest::newRow("default probe left out, its cold-junction channel not")
        << 1 << 0 << true << true << "3" << QStringList{"PRT-1"};
    QTest::newRow("default probe listed when all are asked for")
        << 1 << 0 << true << false << "3" << QStringList{"TC-3", "PRT-1"};
    QTest::newRow("cold junction through a chain")
        << 4 << 1 << false << false << "3" << QStringList{"TC-3", "TC-4", "PRT-1"};
    QTest::newRow("cold junction on a channel that does not exist")
        << 7 << 0 << false << false << "3" << QStringList{"TC-3"};
    QTest::newRow("cold junction on its own channel") << 3 << 0 << false << false << "3" << QStringList{"TC-3"};
    QTest::newRow("two channels measuring each other's cold junction")
        << 4 << 3 << false << false << "3" << QStringList{"TC-3", "TC-4"};
    QTest::newRow("cycle through a derived channel of itself")
        << 10 << 0 << false << false << "3" << QStringList{"TC-3", "TC-4"};
    QTest::newRow("sum of the two channels of a cycle")
        << 4 << 3 << false << false << "3+4" << QStringList{"TC-3", "TC-4", "TC-4", "TC-3"};
    QTest::newRow("reciprocal of a channel in a cycle") << 3 << 0 << false << false << "1/3" << QStringList{"TC-3"};
    QTest::newRow("thermocouple on a switch-box position")
        << 1 << 0 << false << false << "80" << QStringList{"TC-3", "PRT-1"};
}

void tst_Channel::usedProbes()
{
    QFETCH(int, coldJunctionOf3);
    QFETCH(int, coldJunctionOf4);
    QFETCH(bool, tc3IsDefault);
    QFETCH(bool, onlyCustom);
    QFETCH(QString, channel);
    QFETCH(QStringList, probes);

    TChannelTable table;
    auto* one = table.add(prtChannel(1));
    auto* three = table.add(tcChannel(3));
    auto* four = table.add(tcChannel(4));
    auto* sum = table.add(std::make_unique<TBinaryDerivedChannel>(nullptr, WINDOW, 10, "+"));
    sum->setPhysicalChannel_Operand1(three);
    sum->setPhysicalChannel_Operand2(four);
    TReciprocalChannel reciprocal(nullptr, WINDOW, 9);
    reciprocal.setPhysicalChannel(three);
    TMixedChannel position(nullptr, WINDOW, 80, "1.0");

    auto prt1 = prtProbe(1);
    auto tc3 = tcProbe(3, coldJunctionOf3 > 0 ? rjChannel : rjInternal, qAbs(coldJunctionOf3), tc3IsDefault);
    auto tc4 = tcProbe(4, coldJunctionOf4 ? rjChannel : rjInternal, coldJunctionOf4);
    one->assignProbe(prt1.get());
    three->assignProbe(tc3.get());
    four->assignProbe(tc4.get());
    position.useProbe(tc3.get());

    TAbstractChannel* tested = channel == "3"     ? static_cast<TAbstractChannel*>(three)
                               : channel == "3+4" ? static_cast<TAbstractChannel*>(sum)
                               : channel == "80"  ? static_cast<TAbstractChannel*>(&position)
                                                  : &reciprocal;
    zelk::vector<TAbstractProbe*> found;
    tested->usedProbes(found, &table, onlyCustom);

    QStringList names;
    for (const TAbstractProbe* probe : found)
        names << probe->probeName();
    QCOMPARE(names, probes);
}

void tst_Channel::outOfRangeLeavesDefaultProbesOut()
{
    TChannelTable table;
    auto* one = table.add(prtChannel(1));
    auto* three = table.add(tcChannel(3));
    auto reference = prtProbe(1, false, 50.0);
    auto defaultTc = tcProbe(85, rjChannel, 1, true);
    one->useProbe(reference.get());
    three->useProbe(defaultTc.get());

    bool warn = false;
    defaultTc->checkTemperature(1000.0, tasInRange, warn);
    QVERIFY(defaultTc->isTemperatureOutOfRange());
    QCOMPARE(three->isProbesTemperatureOutOfRange(&table), false);

    // The cold junction's probe counts for the thermocouple channel.
    reference->checkTemperature(60.0, tasInRange, warn);
    QCOMPARE(three->isProbesTemperatureOutOfRange(&table), true);
    QCOMPARE(three->isProbesTemperatureOutOfRange(nullptr), false);
}

// --- readings and their texts -----------------------------------------------------------

void tst_Channel::currentValueTexts_data()
{
    QTest::addColumn<EnUnit>("unit");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<double>("electrical");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("maxPrecision");
    QTest::addColumn<QString>("temperatureText");
    QTest::addColumn<EnUnit>("temperatureUnit");
    QTest::addColumn<QString>("electricalText");
    QTest::addColumn<EnUnit>("electricalUnit");
    QTest::addColumn<EnUnitType>("mainValue");

    QTest::newRow("degrees Celsius") << uCelsius << "2" << 109.7351 << 25.1251 << "." << false << "25.13" << uCelsius
                                     << "109.7351" << uOhm << utTemperature;
    QTest::newRow("degrees Fahrenheit") << uFahrenheit << "1" << 100.0 << 0.0 << "." << false << "32.0" << uFahrenheit
                                        << "100.0000" << uOhm << utTemperature;
    QTest::newRow("kelvin") << uKelvin << "2" << 100.0 << 0.0 << "." << false << "273.15" << uKelvin << "100.0000"
                            << uOhm << utTemperature;
    QTest::newRow("ohm: the temperature in degrees Celsius")
        << uOhm << "2" << 109.7351 << 25.1251 << "." << false << "25.1251" << uCelsius << "109.74" << uOhm
        << utElectrical;
    QTest::newRow("the user's decimal comma") << uCelsius << "3" << 109.5 << -12.25 << "," << false << "-12,250"
                                              << uCelsius << "109,5000" << uOhm << utTemperature;
    QTest::newRow("most decimals") << uOhm << "0" << 109.5 << 25.5 << "." << true << "25.5000" << uCelsius
                                   << "109.50000" << uOhm << utElectrical;
    // As printf writes them: an exact half goes to the even digit.
    QTest::newRow("a half at no decimals")
        << uCelsius << "0" << 109.5 << 20.5 << "." << false << "20" << uCelsius << "109.5000" << uOhm << utTemperature;
    QTest::newRow("a half at two decimals") << uOhm << "2" << 100.125 << -12.25 << "," << false << "-12,2500"
                                            << uCelsius << "100,12" << uOhm << utElectrical;
    QTest::newRow("no reading") << uCelsius << "3" << NaN << NaN << "." << false << "OL" << uCelsius << "OL" << uOhm
                                << utTemperature;
    QTest::newRow("no temperature") << uCelsius << "3" << 400.0 << NaN << "." << false << "OL" << uCelsius << "400.0000"
                                    << uOhm << utTemperature;
}

void tst_Channel::currentValueTexts()
{
    QFETCH(EnUnit, unit);
    QFETCH(QString, resolution);
    QFETCH(double, electrical);
    QFETCH(double, temperature);
    QFETCH(QString, separator);
    QFETCH(bool, maxPrecision);
    QFETCH(QString, temperatureText);
    QFETCH(EnUnit, temperatureUnit);
    QFETCH(QString, electricalText);
    QFETCH(EnUnit, electricalUnit);
    QFETCH(EnUnitType, mainValue);

    setChannelSettings(2, QString::number(int(unit)), resolution);
    auto channel = prtChannel(2);
    channel->setNewValue(electrical, temperature);

    const TValueTexts texts = currentTexts(*channel, separator, maxPrecision);
    QCOMPARE(texts.temperature, temperatureText);
    QCOMPARE(texts.temperatureUnit, temperatureUnit);
    QCOMPARE(texts.electrical, electricalText);
    QCOMPARE(texts.electricalUnit, electricalUnit);
    QCOMPARE(texts.mainValue, mainValue);
}

void tst_Channel::averaging_data()
{
    QTest::addColumn<EnUnit>("unit");
    QTest::addColumn<QList<double>>("temperatures");
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("stability");

    const QString celsius = TAbstractChannel::unitToText(uCelsius);
    QTest::newRow("no reading yet") << uCelsius << QList<double>{} << "0.000 " + celsius << "0.000";
    QTest::newRow("a single value has no spread") << uCelsius << QList<double>{20.0} << "20.000 " + celsius << "0.000";
    QTest::newRow("two values") << uCelsius << QList<double>{1.0, 2.0} << "1.500 " + celsius << "0.707";
    QTest::newRow("the eleventh reading drops the oldest")
        << uCelsius << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << "6.500 " + celsius << "3.028";
    QTest::newRow("missing temperatures stay out")
        << uCelsius << QList<double>{1.0, NaN, 3.0} << "2.000 " + celsius << "1.414";
    QTest::newRow("nothing to average") << uCelsius << QList<double>{NaN} << "OL " + celsius << "0.000";
    QTest::newRow("degrees Fahrenheit, spread in kelvin")
        << uFahrenheit << QList<double>{10.0, 20.0} << "59.000 " + TAbstractChannel::unitToText(uFahrenheit) << "7.071";
    QTest::newRow("electrical mean") << uOhm << QList<double>{0.0, 2.0}
                                     << "101.000 " + TAbstractChannel::unitToText(uOhm) << "1.414";
}

void tst_Channel::averaging()
{
    QFETCH(EnUnit, unit);
    QFETCH(QList<double>, temperatures);
    QFETCH(QString, mean);
    QFETCH(QString, stability);

    setChannelSettings(1, QString::number(int(unit)), "3");
    auto channel = prtChannel(1);
    for (double temperature : temperatures)
        channel->setNewValue(100.0 + temperature, temperature);
    QCOMPARE(averageTexts(*channel), qMakePair(mean, stability));
}

void tst_Channel::shorterWindowDropsTheExcessAtOnce()
{
    auto channel = prtChannel(1);
    for (int i = 1; i <= 10; ++i)
        channel->setNewValue(100.0, i);
    QSignalSpy changed(channel.get(), &TAbstractChannel::valuesChanged);

    channel->setSampleCount(5);
    QCOMPARE(averageTexts(*channel).first, "8.000 " + TAbstractChannel::unitToText(uCelsius));
    QCOMPARE(changed.count(), 1);

    // A longer window fills up with the next readings.
    channel->setSampleCount(20);
    QCOMPARE(averageTexts(*channel).first, "8.000 " + TAbstractChannel::unitToText(uCelsius));
    channel->setNewValue(100.0, 11.0);
    QCOMPARE(averageTexts(*channel).first, "8.500 " + TAbstractChannel::unitToText(uCelsius));
}

void tst_Channel::averagesResetToZero()
{
    auto channel = prtChannel(1);
    channel->setNewValue(100.0, 10.0);
    channel->setNewValue(100.0, 20.0);

    channel->resetAvgStabilityValues();
    QCOMPARE(averageTexts(*channel), qMakePair("0.000 " + TAbstractChannel::unitToText(uCelsius), QString("0.000")));
    channel->setNewValue(100.0, 30.0);
    QCOMPARE(averageTexts(*channel).first, "30.000 " + TAbstractChannel::unitToText(uCelsius));
}

void tst_Channel::userDecimalSeparator()
{
    auto channel = prtChannel(1);
    auto other = prtChannel(2);
    channel->setNewValue(110.5, 1.0);
    channel->setNewValue(110.5, 2.0);
    other->setNewValue(100.0, 0.25);

    useDecimalSeparator(',');
    QCOMPARE(averageTexts(*channel), qMakePair("1,500 " + TAbstractChannel::unitToText(uCelsius), QString("0,707")));
    EnUnit unit = uCelsius;
    QString text;
    QCOMPARE(channel->difference(*other, unit, text), 1.75);
    QCOMPARE(text, QString("1,750"));
    // The texts for the views take the separator they are given.
    QCOMPARE(currentTexts(*channel).temperature, QString("2.000"));
}

void tst_Channel::difference_data()
{
    // Channel 1 (resistance, 3 decimals) reads 110 ohm and 25.5 degrees
    // Celsius; the other channel is named in the row.
    QTest::addColumn<QString>("other");
    QTest::addColumn<EnUnit>("requestedUnit");
    QTest::addColumn<EnUnit>("unit");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ohm between two resistance channels") << "PRT" << uOhm << uOhm << 5.0 << "5.00";
    QTest::newRow("ohm against a thermocouple channel gives degrees Celsius")
        << "TC" << uOhm << uCelsius << 5.5 << "5.500";
    QTest::newRow("millivolt between two resistance channels gives degrees Celsius")
        << "PRT" << uMilliVolt << uCelsius << 13.25 << "13.25";
    QTest::newRow("degrees Celsius") << "PRT" << uCelsius << uCelsius << 13.25 << "13.25";
    QTest::newRow("degrees Fahrenheit") << "PRT" << uFahrenheit << uFahrenheit << 23.85 << "23.85";
    QTest::newRow("kelvin") << "PRT" << uKelvin << uKelvin << 13.25 << "13.25";
    QTest::newRow("no reading on the other channel") << "none" << uCelsius << uCelsius << NaN << "OL";
}

void tst_Channel::difference()
{
    QFETCH(QString, other);
    QFETCH(EnUnit, requestedUnit);
    QFETCH(EnUnit, unit);
    QFETCH(double, value);
    QFETCH(QString, text);

    setChannelSettings(2, "1", "2");
    auto channel = prtChannel(1);
    channel->setNewValue(110.0, 25.5);
    std::unique_ptr<TAbstractChannel> subtrahend;
    if (other == "TC") {
        subtrahend = tcChannel(3);
        subtrahend->setNewValue(1.0, 20.0);
    } else {
        subtrahend = prtChannel(2);
        subtrahend->setNewValue(105.0, other == "none" ? NaN : 12.25);
    }

    EnUnit resultUnit = requestedUnit;
    QString resultText = "stale";
    const double result = channel->difference(*subtrahend, resultUnit, resultText);
    QCOMPARE(resultUnit, unit);
    QCOMPARE(resultText, text);
    if (std::isnan(value))
        QVERIFY(std::isnan(result));
    else
        QCOMPARE(result, value);
}

void tst_Channel::missingReadingsStayOutOfPeaks()
{
    auto channel = prtChannel(1);
    QCOMPARE(peakTexts(*channel), qMakePair(QString(), QString()));

    channel->setNewValue(NaN, NaN);
    QCOMPARE(peakTexts(*channel), qMakePair(QString(), QString()));
    channel->setNewValue(110.0, 25.0);
    channel->setNewValue(NaN, NaN);
    channel->setNewValue(105.0, 12.5);
    channel->setNewValue(NaN, 30.0);
    QCOMPARE(peakTexts(*channel), qMakePair(QString("12.5000"), QString("30.0000")));

    channel->resetPeakValues();
    QCOMPARE(peakTexts(*channel), qMakePair(QString(), QString()));
}

void tst_Channel::peaksFollowTheSelectedQuantity()
{
    auto channel = prtChannel(1);
    channel->setNewValue(100.0, 0.0);
    channel->setNewValue(138.5055, 100.0);

    channel->changeUnit(uFahrenheit);
    QCOMPARE(peakTexts(*channel), qMakePair(QString("32.0000"), QString("212.0000")));
    channel->changeUnit(uOhm);
    QCOMPARE(peakTexts(*channel), qMakePair(QString("100.00000"), QString("138.50550")));

    QString minimum, maximum;
    channel->peakValues(minimum, maximum, ",");
    QCOMPARE(maximum, QString("138,50550"));
}

void tst_Channel::expansionPortHasNoTemperature()
{
    TPureVoltageTCChannel expansion(nullptr, WINDOW, 6, "TC Expansion");
    expansion.setNewValue(4.096, 100.0);

    const TValueTexts texts = currentTexts(expansion);
    QVERIFY(texts.temperature.isNull());
    QCOMPARE(texts.electrical, QString("4.0960"));
    QCOMPARE(peakTexts(expansion), qMakePair(QString(), QString()));
    TElectricalTemperatureValue temperature, electrical;
    expansion.currentValueNumeric(temperature, electrical);
    QVERIFY(std::isnan(temperature.value()));
    QCOMPARE(electrical.value(), 4.096);
    QCOMPARE(electrical.unit(), uMilliVolt);
}

void tst_Channel::freezeHoldsShownValues_data()
{
    // The board withdraws the value before the freeze, or while frozen; either way the channel reads again.
    QTest::addColumn<bool>("withdrawnBefore");
    QTest::addColumn<bool>("withdrawnWhileFrozen");
    QTest::addColumn<QString>("heldTemperature");
    QTest::addColumn<QString>("heldElectrical");

    QTest::newRow("frozen with a value") << false << false << "2.500"
                                         << "101.0000";
    // Nothing was on show: the reading from before the fault is no present value.
    QTest::newRow("frozen while the channel has no value") << true << false << "OL"
                                                           << "OL";
    QTest::newRow("the value lost while frozen, and back") << false << true << "2.500"
                                                           << "101.0000";
}

void tst_Channel::freezeHoldsShownValues()
{
    QFETCH(bool, withdrawnBefore);
    QFETCH(bool, withdrawnWhileFrozen);
    QFETCH(QString, heldTemperature);
    QFETCH(QString, heldElectrical);

    auto channel = prtChannel(1);
    channel->setNewValue(100.0, 0.0);
    channel->setNewValue(101.0, 2.5);
    if (withdrawnBefore)
        channel->raiseNoValuesAvailable();
    channel->setChannelFrozen(true);
    QVERIFY(channel->isChannelFrozen());
    if (withdrawnWhileFrozen)
        channel->raiseNoValuesAvailable();
    QCOMPARE(channel->hasShownValue(), !withdrawnBefore && !withdrawnWhileFrozen);

    channel->setNewValue(120.0, 50.0);
    QCOMPARE(averageTexts(*channel).first, "17.500 " + TAbstractChannel::unitToText(uCelsius));
    QCOMPARE(currentTexts(*channel).temperature, heldTemperature);
    QCOMPARE(currentTexts(*channel).electrical, heldElectrical);
    QCOMPARE(channel->hasShownValue(), !withdrawnBefore);
    QCOMPARE(peakTexts(*channel), qMakePair(QString("0.0000"), QString("2.5000")));
    TElectricalTemperatureValue temperature, electrical;
    channel->currentValueNumeric(temperature, electrical);
    QCOMPARE(temperature.value(), 50.0);
    QCOMPARE(electrical.value(), 120.0);

    channel->setChannelFrozen(false);
    QVERIFY(channel->hasShownValue());
    QCOMPARE(currentTexts(*channel).temperature, QString("50.000"));
    QCOMPARE(peakTexts(*channel), qMakePair(QString("0.0000"), QString("50.0000")));
}

void tst_Channel::graphHistoryIsBounded()
{
    auto channel = prtChannel(1);
    QSignalSpy added(channel.get(), &TAbstractChannel::graphValueAdded);
    channel->setNewValue(100.0, 0.0);
    QCOMPARE(added.count(), 0);

    channel->startRecordingGraphValues();
    for (int i = 1; i <= 3600; ++i)
        channel->setNewValue(100.0 + i, i % 7 == 0 ? NaN : double(i));
    QCOMPARE(added.count(), 3600);
    QCOMPARE(added.first().at(1).toPointF(), QPointF(1, 1));
    QCOMPARE(added.first().at(2).toPointF(), QPointF(1, 101));
    QCOMPARE(added.last().at(3).toBool(), false);
    QCOMPARE(channel->graphValues(uCelsius).size(), 3600);

    channel->setNewValue(3701.0, 3601.0);
    QCOMPARE(added.last().at(0).value<TAbstractChannel*>(), channel.get());
    QCOMPARE(added.last().at(1).toPointF(), QPointF(3601, 3601));
    QCOMPARE(added.last().at(3).toBool(), true);
    const QVector<QPointF> temperatures = channel->graphValues(uCelsius);
    QCOMPARE(temperatures.size(), 3600);
    QCOMPARE(temperatures.first(), QPointF(2, 2));
    QCOMPARE(temperatures.last(), QPointF(3601, 3601));
    QCOMPARE(channel->graphValues(uOhm).first(), QPointF(2, 102));
    // A missing value is a gap in the graph, not a skipped sample.
    QVERIFY(std::isnan(temperatures.at(5).y()));
    QCOMPARE(temperatures.at(5).x(), 7.0);

    channel->setNewValue(3702.0, 3602.0);
    QCOMPARE(added.last().at(1).toPointF(), QPointF(3602, 3602));
    QCOMPARE(channel->graphValues(uCelsius).first(), QPointF(3, 3));
}

void tst_Channel::graphValuesInUnits()
{
    auto channel = prtChannel(1);
    channel->startRecordingGraphValues();
    channel->setNewValue(100.0, 0.0);
    channel->setNewValue(138.5055, 100.0);
    channel->setNewValue(NaN, NaN);

    QCOMPARE(channel->graphValues(uFahrenheit).mid(0, 2), (QVector<QPointF>{QPointF(1, 32), QPointF(2, 212)}));
    QCOMPARE(channel->graphValues(uKelvin).mid(0, 2), (QVector<QPointF>{QPointF(1, 273.15), QPointF(2, 373.15)}));
    QVERIFY(std::isnan(channel->graphValues(uKelvin).at(2).y()));
    QCOMPARE(channel->graphValues(uOhm).mid(0, 2), (QVector<QPointF>{QPointF(1, 100), QPointF(2, 138.5055)}));
    QVERIFY(channel->graphValues(uMilliVolt).isEmpty());
    QVERIFY(channel->graphValues(uUndefined).isEmpty());
}

void tst_Channel::graphRecordingStartsAndStopsEmpty()
{
    auto channel = prtChannel(1);
    channel->startRecordingGraphValues();
    channel->setNewValue(100.0, 0.0);
    channel->repeatLastValue();
    QCOMPARE(channel->graphValues(uCelsius), (QVector<QPointF>{QPointF(1, 0), QPointF(2, 0)}));

    channel->startRecordingGraphValues();
    QVERIFY(channel->graphValues(uCelsius).isEmpty());
    channel->setNewValue(100.0, 0.0);
    QCOMPARE(channel->graphValues(uCelsius), QVector<QPointF>{QPointF(1, 0)});

    QSignalSpy added(channel.get(), &TAbstractChannel::graphValueAdded);
    channel->stopRecordingGraphValues();
    channel->setNewValue(100.0, 0.0);
    QVERIFY(channel->graphValues(uCelsius).isEmpty());
    QCOMPARE(added.count(), 0);
}

void tst_Channel::unitTexts_data()
{
    QTest::addColumn<EnUnit>("unit");
    QTest::addColumn<QString>("text");

    QTest::newRow("degrees Celsius") << uCelsius
                                     << QString::fromUtf8("\xC2\xB0"
                                                          "C");
    QTest::newRow("degrees Fahrenheit") << uFahrenheit
                                        << QString::fromUtf8("\xC2\xB0"
                                                             "F");
    QTest::newRow("kelvin") << uKelvin << "K";
    QTest::newRow("ohm sign, not omega") << uOhm << QString(QChar(0x2126));
    QTest::newRow("millivolt") << uMilliVolt << "mV";
    QTest::newRow("undefined") << uUndefined << "";
    QTest::newRow("unknown number") << EnUnit(9) << "";
}

void tst_Channel::unitTexts()
{
    QFETCH(EnUnit, unit);
    QFETCH(QString, text);
    QCOMPARE(TAbstractChannel::unitToText(unit), text);
}

TAMARIND_TEST_MAIN(tst_Channel)
#include "tst_channel.moc"

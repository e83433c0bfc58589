#include "channel.h"

#include "decimaldisplaycontroller.h"
#include "printfnumber.h"
#include "probe.h"
#include "tamarindsettings.h"
#include "temperatureunitconversionchain.h"

#include <cmath>
#include <limits>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
const QString DEFAULT_UNIT = QStringLiteral("1");
const QString DEFAULT_RESOLUTION = QStringLiteral("3");
const QString NO_VALUE_TEXT = QStringLiteral("OL");
// Stability is shown in the window's own unit with fixed decimals, whatever
// the channel's precision.
constexpr int STABILITY_DECIMALS = 3;

bool isTemperatureUnit(EnUnit pUnit)
{
    return pUnit == uCelsius || pUnit == uFahrenheit || pUnit == uKelvin;
}

bool isElectricalUnit(EnUnit pUnit)
{
    return pUnit == uOhm || pUnit == uMilliVolt;
}

const TTemperatureUnitConversionChain& temperatureConversion()
{
    static const TTemperatureUnitConversionChain chain;
    return chain;
}

// A reading that the board delivered joins the window and may move the peaks.
void takeIntoWindow(double pValue, std::deque<double>& pWindow, QPair<double, double>& pPeak)
{
    if (std::isnan(pValue))
        return;
    pWindow.push_back(pValue);
    if (std::isnan(pPeak.first) || pValue < pPeak.first)
        pPeak.first = pValue;
    if (std::isnan(pPeak.second) || pValue > pPeak.second)
        pPeak.second = pValue;
}

void trimWindow(std::deque<double>& pWindow, std::size_t pMaxCount)
{
    while (pWindow.size() > pMaxCount)
        pWindow.pop_front();
}

void meanAndSampleStdDev(const std::deque<double>& pWindow, double& oMean, double& oStdDev)
{
    const std::size_t n = pWindow.size();
    oStdDev = 0.0;
    if (n == 0) {
        oMean = NaN;
        return;
    }
    double sum = 0.0;
    for (double value : pWindow)
        sum += value;
    oMean = sum / double(n);
    if (n == 1)
        return;
    double squares = 0.0;
    for (double value : pWindow)
        squares += (value - oMean) * (value - oMean);
    oStdDev = std::sqrt(squares / double(n - 1));
}

const QPair<double, double> NO_PEAKS(NaN, NaN);

QString userDecimalSeparator()
{
    return QString(TDecimalDisplayController::instance().decimalSeparator());
}
} // namespace

// ---------------------------------------------------------------------------
// TAbstractChannel

TAbstractChannel::TAbstractChannel(int pSampleCountForAvgValue, int pInternalChannelNumber,
                                   IChannelTypeChangeListener* pChannelTypeChangeListener)
    : mSampleCountForAvgValue(quint16(pSampleCountForAvgValue))
    , mInternalChannelNumber(qint16(pInternalChannelNumber))
    , mChannelTypeChangeListener(pChannelTypeChangeListener)
    , mFrozenValue_electrical(NaN)
    , mFrozenValue_temperature(NaN)
    , mFrozenPeak_electrical(NO_PEAKS)
    , mFrozenPeak_temperature(NO_PEAKS)
    , mCurrentValue_electrical(NaN)
    , mCurrentValue_temperature(NaN)
    , mPeak_electrical(NO_PEAKS)
    , mPeak_temperature(NO_PEAKS)
{
    const TTamarindSettings& settings = TTamarindSettings::instance();
    mSelectedUnit = EnUnit(settings.value(channelSection(), mSetting_unit, DEFAULT_UNIT).toInt());
    // A hand-edited file must not ask for decimals that no unit offers; the
    // largest maximum stays, as a precision step brings it into line.
    mPrecision = qint16(qBound(0, settings.value(channelSection(), mSetting_resolution, DEFAULT_RESOLUTION).toInt(),
                               MAX_PRECISION_ELECTRICAL));
}

TAbstractChannel::~TAbstractChannel() = default;

QString TAbstractChannel::channelSection() const
{
    return QStringLiteral("chan") + QString::number(mInternalChannelNumber);
}

TPhysicalChannel* TAbstractChannel::distinctPhysicalChannel()
{
    return nullptr;
}

bool TAbstractChannel::isOrUsesChannel(const TAbstractChannel* pChannel) const
{
    return pChannel == this;
}

TChannelProbeStatus TAbstractChannel::channelProbeStatus()
{
    TPhysicalChannel* physical = distinctPhysicalChannel();
    return TChannelProbeStatus(physical ? physical->assignedProbe() : nullptr, physical != nullptr, false);
}

bool TAbstractChannel::hasSameElectricalUnit(const TAbstractChannel& pChannel) const
{
    return electricalUnit() == pChannel.electricalUnit();
}

bool TAbstractChannel::isTemperatureUnitSelected() const
{
    return isTemperatureUnit(mSelectedUnit);
}

int TAbstractChannel::maxPrecision() const
{
    return isTemperatureUnitSelected() ? MAX_PRECISION_TEMPERATURE : MAX_PRECISION_ELECTRICAL;
}

void TAbstractChannel::changeUnit(EnUnit pUnit)
{
    // A channel can only show the electrical unit its readings come in.
    const EnUnit unit = isElectricalUnit(pUnit) ? electricalUnit() : pUnit;
    mSelectedUnit = unit;

    TTamarindSettings& settings = TTamarindSettings::instance();
    if (mPrecision > maxPrecision()) {
        mPrecision = qint16(maxPrecision());
        settings.setValue(channelSection(), mSetting_resolution, QString::number(mPrecision));
    }
    settings.setValue(channelSection(), mSetting_unit, QString::number(int(unit)));
    settings.store();
    emit valuesChanged(this);
}

void TAbstractChannel::storePrecision(int pPrecision)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(channelSection(), mSetting_resolution, QString::number(pPrecision));
    settings.store();
    mPrecision = qint16(pPrecision);
    emit valuesChanged(this);
}

bool TAbstractChannel::increasePrecision()
{
    const int precision = qMin(mPrecision + 1, maxPrecision());
    if (precision == mPrecision)
        return false;
    storePrecision(precision);
    return isIncreasePrecisionPossible();
}

bool TAbstractChannel::decreasePrecision()
{
    const int precision = qMax(mPrecision - 1, 0);
    if (precision == mPrecision)
        return false;
    storePrecision(precision);
    return isDecreasePrecisionPossible();
}

bool TAbstractChannel::isIncreasePrecisionPossible() const
{
    return mPrecision < maxPrecision();
}

bool TAbstractChannel::isDecreasePrecisionPossible() const
{
    return mPrecision > 0;
}

void TAbstractChannel::usedProbes(zelk::vector<TAbstractProbe*>& oProbes, const IChannelLookup* pChannelController,
                                  bool pOnlyCustomProbes)
{
    zelk::vector<const TPhysicalChannel*> channels;
    usedChannels(channels, pChannelController);
    for (const TPhysicalChannel* channel : channels) {
        TAbstractProbe* probe = channel->assignedProbe();
        if (probe && !(pOnlyCustomProbes && probe->isDefaultProbe()))
            oProbes << probe;
    }
}

void TAbstractChannel::usedChannels(zelk::vector<const TPhysicalChannel*>& oChannels,
                                    const IChannelLookup* pChannelController) const
{
    TFollowedChannels followed;
    addUsedChannels(oChannels, pChannelController, followed);
}

void TAbstractChannel::addUsedChannelsOf(const TAbstractChannel& pChannel,
                                         zelk::vector<const TPhysicalChannel*>& oChannels,
                                         const IChannelLookup* pChannelController, TFollowedChannels& pFollowedChannels)
{
    pChannel.addUsedChannels(oChannels, pChannelController, pFollowedChannels);
}

bool TAbstractChannel::isProbesTemperatureOutOfRange(const IChannelLookup* pChannelController)
{
    zelk::vector<TAbstractProbe*> probes;
    usedProbes(probes, pChannelController, true);
    for (const TAbstractProbe* probe : probes) {
        if (probe->isTemperatureOutOfRange())
            return true;
    }
    return false;
}

void TAbstractChannel::electricalUnitChanged()
{
    resetPeakValues();
    resetAvgStabilityValues();
    mGraphValues_Temperature.clear();
    mGraphValues_Electrical.clear();
    if (mChannelTypeChangeListener)
        mChannelTypeChangeListener->channelTypeChanged(this);
}

// --- value store ------------------------------------------------------------

void TAbstractChannel::beforeSetNewValue(double&, double&) {}

void TAbstractChannel::setNewValue(double pNewElectricalValue, double pNewTemperatureValue)
{
    beforeSetNewValue(pNewElectricalValue, pNewTemperatureValue);
    mHasValue = true;
    mCurrentValue_electrical = pNewElectricalValue;
    mCurrentValue_temperature = pNewTemperatureValue;

    takeIntoWindow(pNewElectricalValue, mAvgValues_electrical, mPeak_electrical);
    takeIntoWindow(pNewTemperatureValue, mAvgValues_temperature, mPeak_temperature);
    // One value per reading: a window shortened by setSampleCount is already
    // trimmed, so this only undoes the value just added.
    if (!mAvgValues_electrical.empty() && mAvgValues_electrical.size() > mSampleCountForAvgValue)
        mAvgValues_electrical.pop_front();
    if (!mAvgValues_temperature.empty() && mAvgValues_temperature.size() > mSampleCountForAvgValue)
        mAvgValues_temperature.pop_front();
    calculateAvgAndStdDev();

    if (mRecordGraphValues) {
        const qreal x = mGraphValues_Temperature.empty() ? 1.0 : mGraphValues_Temperature.back().x() + 1.0;
        const QPointF temperaturePoint(x, pNewTemperatureValue);
        const QPointF electricalPoint(x, pNewElectricalValue);
        mGraphValues_Temperature.push_back(temperaturePoint);
        mGraphValues_Electrical.push_back(electricalPoint);
        const bool dropped = mGraphValues_Temperature.size() > std::size_t(MAX_GRAPH_VALUES);
        if (dropped) {
            mGraphValues_Temperature.pop_front();
            mGraphValues_Electrical.pop_front();
        }
        emit graphValueAdded(this, temperaturePoint, electricalPoint, dropped);
    }
    emit valuesChanged(this);
}

void TAbstractChannel::repeatLastValue()
{
    setNewValue(mCurrentValue_electrical, mCurrentValue_temperature);
}

void TAbstractChannel::raiseNoValuesAvailable()
{
    mHasValue = false;
    emit noValuesAvailable(this);
}

void TAbstractChannel::calculateAvgAndStdDev()
{
    meanAndSampleStdDev(mAvgValues_electrical, mAvgValue_electrical, mStability_electrical);
    meanAndSampleStdDev(mAvgValues_temperature, mAvgValue_temperature, mStability_temperature);
}

void TAbstractChannel::setSampleCount(int pCount)
{
    mSampleCountForAvgValue = quint16(pCount);
    trimWindow(mAvgValues_electrical, mSampleCountForAvgValue);
    trimWindow(mAvgValues_temperature, mSampleCountForAvgValue);
    calculateAvgAndStdDev();
    emit valuesChanged(this);
}

void TAbstractChannel::resetPeakValues()
{
    mPeak_electrical = NO_PEAKS;
    mPeak_temperature = NO_PEAKS;
    mFrozenPeak_electrical = NO_PEAKS;
    mFrozenPeak_temperature = NO_PEAKS;
    emit valuesChanged(this);
}

void TAbstractChannel::resetAvgStabilityValues()
{
    mAvgValues_electrical.clear();
    mAvgValues_temperature.clear();
    mAvgValue_electrical = 0.0;
    mStability_electrical = 0.0;
    mAvgValue_temperature = 0.0;
    mStability_temperature = 0.0;
    emit valuesChanged(this);
}

void TAbstractChannel::setChannelFrozen(bool pVal)
{
    mChannelFrozen = pVal;
    if (pVal) {
        ++mFreezeCount;
        // The stored reading from before a fault is no present value: held, it would be shown, logged and
        // answered as one until the thaw.
        mFrozenHasValue = mHasValue;
        mFrozenValue_electrical = mHasValue ? mCurrentValue_electrical : NaN;
        mFrozenValue_temperature = mHasValue ? mCurrentValue_temperature : NaN;
        mFrozenPeak_electrical = mPeak_electrical;
        mFrozenPeak_temperature = mPeak_temperature;
    }
}

void TAbstractChannel::startRecordingGraphValues()
{
    mGraphValues_Temperature.clear();
    mGraphValues_Electrical.clear();
    mRecordGraphValues = true;
}

void TAbstractChannel::stopRecordingGraphValues()
{
    mRecordGraphValues = false;
    mGraphValues_Temperature.clear();
    mGraphValues_Electrical.clear();
}

QVector<QPointF> TAbstractChannel::graphValues(EnUnit pUnit) const
{
    QVector<QPointF> points;
    if (isTemperatureUnit(pUnit)) {
        points.reserve(int(mGraphValues_Temperature.size()));
        for (const QPointF& point : mGraphValues_Temperature)
            points.append(QPointF(point.x(), getTemperatureValFromCelsius(point.y(), pUnit)));
    } else if (pUnit == electricalUnit()) {
        points.reserve(int(mGraphValues_Electrical.size()));
        for (const QPointF& point : mGraphValues_Electrical)
            points.append(point);
    }
    return points;
}

double TAbstractChannel::getTemperatureValFromCelsius(double pVal, EnUnit pUnit) const
{
    if (std::isnan(pVal))
        return pVal;
    return temperatureConversion().convert(pVal, uCelsius, pUnit);
}

double TAbstractChannel::getTemperatureValFromCelsius(double pVal) const
{
    return getTemperatureValFromCelsius(pVal, mSelectedUnit);
}

// --- texts --------------------------------------------------------------------

QString TAbstractChannel::formatted(double pValue, int pDecimals, const QString& pDecimalSeparator) const
{
    if (std::isnan(pValue))
        return NO_VALUE_TEXT;
    return TPrintfNumber::fixed(pValue, pDecimals).replace(QLatin1Char('.'), pDecimalSeparator);
}

void TAbstractChannel::currentValue(QString& oTempValue, EnUnit& oTempUnit, QString& oElecValue, EnUnit& oElecUnit,
                                    const QString& pDecimalSeparator, EnUnitType& oMainValueUnitType,
                                    bool pMaxPrecision) const
{
    const bool temperatureShown = isTemperatureUnitSelected();
    oMainValueUnitType = temperatureShown ? utTemperature : utElectrical;

    const int otherDecimals = MAX_PRECISION_TEMPERATURE;
    int temperatureDecimals = temperatureShown ? mPrecision : otherDecimals;
    int electricalDecimals = temperatureShown ? otherDecimals : mPrecision;
    if (pMaxPrecision) {
        temperatureDecimals = MAX_PRECISION_TEMPERATURE;
        electricalDecimals = MAX_PRECISION_ELECTRICAL;
    }

    const double temperature = mChannelFrozen ? mFrozenValue_temperature : mCurrentValue_temperature;
    const double electrical = mChannelFrozen ? mFrozenValue_electrical : mCurrentValue_electrical;
    oTempValue = formatted(getTemperatureValFromCelsius(temperature), temperatureDecimals, pDecimalSeparator);
    oElecValue = formatted(electrical, electricalDecimals, pDecimalSeparator);

    if (temperatureShown) {
        oTempUnit = mSelectedUnit;
        oElecUnit = electricalUnit();
    } else {
        oTempUnit = uCelsius;
        oElecUnit = mSelectedUnit;
    }
}

void TAbstractChannel::currentValueNumeric(TElectricalTemperatureValue& oTemperatureValue,
                                           TElectricalTemperatureValue& oElectricalValue) const
{
    oTemperatureValue.set(mCurrentValue_temperature, uCelsius);
    oElectricalValue.set(mCurrentValue_electrical, electricalUnit());
}

void TAbstractChannel::avgValue(QString& oAvgVal, QString& oStability) const
{
    const QString separator = userDecimalSeparator();
    const bool temperatureShown = isTemperatureUnitSelected();
    const double mean = temperatureShown ? getTemperatureValFromCelsius(mAvgValue_temperature) : mAvgValue_electrical;
    // A spread is a difference: kelvin whatever temperature unit is shown.
    const double stability = temperatureShown ? mStability_temperature : mStability_electrical;
    oAvgVal = formatted(mean, mPrecision, separator) + QLatin1Char(' ') + unitToText(mSelectedUnit);
    oStability = formatted(stability, STABILITY_DECIMALS, separator);
}

void TAbstractChannel::peakValues(QString& oMin, QString& oMax, const QString& pDecimalSeparator) const
{
    oMin.clear();
    oMax.clear();
    const bool temperatureShown = isTemperatureUnitSelected();
    const QPair<double, double>& peaks = temperatureShown
                                             ? (mChannelFrozen ? mFrozenPeak_temperature : mPeak_temperature)
                                             : (mChannelFrozen ? mFrozenPeak_electrical : mPeak_electrical);
    auto text = [&](double pPeak) {
        if (std::isnan(pPeak))
            return QString();
        return temperatureShown
                   ? formatted(getTemperatureValFromCelsius(pPeak), MAX_PRECISION_TEMPERATURE, pDecimalSeparator)
                   : formatted(pPeak, MAX_PRECISION_ELECTRICAL, pDecimalSeparator);
    };
    oMin = text(peaks.first);
    oMax = text(peaks.second);
}

double TAbstractChannel::difference(const TAbstractChannel& pChannel, EnUnit& oUnit, QString& oDifferenceAsString) const
{
    oDifferenceAsString.clear();
    // Readings in different electrical units cannot be subtracted; their
    // temperatures can.
    if (isElectricalUnit(oUnit) && (oUnit != electricalUnit() || oUnit != pChannel.electricalUnit()))
        oUnit = uCelsius;

    const int decimals = qMin(mPrecision, pChannel.mPrecision);
    // A channel's last reading from before its fault, set against the other's
    // live one, would pass for a difference no reading supports.
    const double result = !mHasValue || !pChannel.mHasValue ? NaN
                          : isElectricalUnit(oUnit)
                              ? mCurrentValue_electrical - pChannel.mCurrentValue_electrical
                              : getTemperatureValFromCelsius(mCurrentValue_temperature, oUnit) -
                                    getTemperatureValFromCelsius(pChannel.mCurrentValue_temperature, oUnit);
    oDifferenceAsString = formatted(result, decimals, userDecimalSeparator());
    return result;
}

QString TAbstractChannel::noValueText()
{
    return NO_VALUE_TEXT;
}

QString TAbstractChannel::unitToText(EnUnit pUnit)
{
    switch (pUnit) {
    case uCelsius:
        return tr("°C");
    case uFahrenheit:
        return tr("°F");
    case uKelvin:
        //: Kelvin
        return tr("K");
    case uOhm:
        // The ohm sign U+2126, which the display fonts carry, not the Greek capital omega.
        return tr("\u2126");
    case uMilliVolt:
        return tr("mV");
    default:
        return QString();
    }
}

// ---------------------------------------------------------------------------
// TPhysicalChannel

TPhysicalChannel::TPhysicalChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                                   int pInternalChannelNumber, const QString& pChannelCaption)
    : TAbstractChannel(pSampleCountForAvgValue, pInternalChannelNumber, pChannelTypeChangeListener)
    , mChannelCaption(pChannelCaption)
{
}

QString TPhysicalChannel::channelCaption() const
{
    return mChannelCaption;
}

QString TPhysicalChannel::channelBtnText() const
{
    return tr("Chan.") + QLatin1Char(' ') + channelCaption();
}

TPhysicalChannel* TPhysicalChannel::distinctPhysicalChannel()
{
    return this;
}

void TPhysicalChannel::useProbe(TAbstractProbe* pProbe)
{
    const EnUnit unitBefore = electricalUnit();
    mProbe = pProbe;
    const EnUnit unitAfter = electricalUnit();
    if (!isTemperatureUnitSelected() && selectedUnit() != unitAfter)
        changeUnit(unitAfter);
    // A mixed channel's first probe gives it a unit; there is nothing to reset.
    if (unitAfter != unitBefore && unitBefore != uUndefined)
        electricalUnitChanged();
}

void TPhysicalChannel::assignProbe(TAbstractProbe* pProbe)
{
    useProbe(pProbe);
    if (pProbe)
        pProbe->setChannelNumber(internalChannelNumber());
}

bool TPhysicalChannel::isValidProbe(const TAbstractProbe* pProbe) const
{
    if (!pProbe)
        return false;
    static const zelk::vector<Probe_enums::EnWiring> noWiring;
    if (const auto* prt = qobject_cast<const TPRTChannel*>(this))
        return pProbe->isValidChannelKind(TAbstractProbe::ckPRT, prt->supportedWiring());
    TAbstractProbe::EnChannelKind kind = TAbstractProbe::ckOther;
    if (qobject_cast<const TPureVoltageTCChannel*>(this))
        kind = TAbstractProbe::ckThermocoupleExpansion;
    else if (qobject_cast<const TTCChannel*>(this))
        kind = TAbstractProbe::ckThermocouple;
    else if (qobject_cast<const TMixedChannel*>(this))
        kind = TAbstractProbe::ckMixed;
    return pProbe->isValidChannelKind(kind, noWiring);
}

void TPhysicalChannel::addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels,
                                       const IChannelLookup* pChannelController,
                                       TFollowedChannels& pFollowedChannels) const
{
    // Cold-junction references may lead back to a channel whose reference is
    // being followed already (a probe may even name its own channel): it is
    // listed, the walk stops there.
    if (pFollowedChannels.contains(this))
        return;
    oChannels << this;

    // A default probe, which a list of custom probes leaves out, still decides
    // where its cold junction is measured.
    const auto* probe = qobject_cast<const TTCProbe*>(assignedProbe());
    if (!probe || probe->referenceColdJunction() != Probe_enums::rjChannel || !pChannelController)
        return;
    TAbstractChannel* reference = pChannelController->channel(probe->refChannelNumber());
    if (!reference)
        return;
    pFollowedChannels << this;
    addUsedChannelsOf(*reference, oChannels, pChannelController, pFollowedChannels);
    pFollowedChannels.pop_back();
}

// ---------------------------------------------------------------------------
// TPRTChannel

TPRTChannel::TPRTChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                         int pInternalChannelNumber, const QString& pChannelCaption,
                         const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring)
    : TPhysicalChannel(pChannelTypeChangeListener, pSampleCountForAvgValue, pInternalChannelNumber, pChannelCaption)
    , mSupportedWiring(pSupportedWiring)
{
}

TPRTChannel::~TPRTChannel() = default;

EnUnit TPRTChannel::electricalUnit() const
{
    return uOhm;
}

TChannelProbeStatus TPRTChannel::channelProbeStatus()
{
    if (mSmartProbe && mSmartProbe->isEnabled())
        return TChannelProbeStatus(mSmartProbe.get(), true, true);
    return TPhysicalChannel::channelProbeStatus();
}

void TPRTChannel::setAndOwnSmartProbe(std::unique_ptr<TSmartProbePRT> pSmartProbe)
{
    mSmartProbe = std::move(pSmartProbe);
}

bool TPRTChannel::wiringSupported(Probe_enums::EnWiring pWiring) const
{
    return mSupportedWiring.contains(pWiring);
}

// ---------------------------------------------------------------------------
// TTCChannel

TTCChannel::TTCChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                       int pInternalChannelNumber, const QString& pChannelCaption)
    : TPhysicalChannel(pChannelTypeChangeListener, pSampleCountForAvgValue, pInternalChannelNumber, pChannelCaption)
{
}

EnUnit TTCChannel::electricalUnit() const
{
    return uMilliVolt;
}

// ---------------------------------------------------------------------------
// TPureVoltageTCChannel

TPureVoltageTCChannel::TPureVoltageTCChannel(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                             int pSampleCountForAvgValue, int pInternalChannelNumber,
                                             const QString& pChannelCaption)
    : TTCChannel(pChannelTypeChangeListener, pSampleCountForAvgValue, pInternalChannelNumber, pChannelCaption)
{
}

void TPureVoltageTCChannel::currentValue(QString& oTempValue, EnUnit& oTempUnit, QString& oElecValue, EnUnit& oElecUnit,
                                         const QString& pDecimalSeparator, EnUnitType& oMainValueUnitType,
                                         bool pMaxPrecision) const
{
    TTCChannel::currentValue(oTempValue, oTempUnit, oElecValue, oElecUnit, pDecimalSeparator, oMainValueUnitType,
                             pMaxPrecision);
    oTempValue = QString();
}

void TPureVoltageTCChannel::beforeSetNewValue(double&, double& pTemperatureValue)
{
    pTemperatureValue = NaN;
}

// ---------------------------------------------------------------------------
// TMixedChannel

TMixedChannel::TMixedChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                             int pInternalChannelNumber, const QString& pChannelCaption)
    : TPhysicalChannel(pChannelTypeChangeListener, pSampleCountForAvgValue, pInternalChannelNumber, pChannelCaption)
{
}

EnUnit TMixedChannel::electricalUnit() const
{
    const TAbstractProbe* probe = assignedProbe();
    if (qobject_cast<const TPRTProbe*>(probe) || qobject_cast<const TThermistorProbe*>(probe))
        return uOhm;
    if (qobject_cast<const TTCProbe*>(probe))
        return uMilliVolt;
    return uUndefined;
}

// ---------------------------------------------------------------------------
// TUnaryDerivedChannel

TUnaryDerivedChannel::TUnaryDerivedChannel(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                           int pSampleCountForAvgValue, int pInternalChannelNumber)
    : TAbstractChannel(pSampleCountForAvgValue, pInternalChannelNumber, pChannelTypeChangeListener)
{
}

EnUnit TUnaryDerivedChannel::electricalUnit() const
{
    return mPhysicalChannel ? mPhysicalChannel->electricalUnit() : uUndefined;
}

TPhysicalChannel* TUnaryDerivedChannel::distinctPhysicalChannel()
{
    return mPhysicalChannel;
}

bool TUnaryDerivedChannel::isOrUsesChannel(const TAbstractChannel* pChannel) const
{
    return TAbstractChannel::isOrUsesChannel(pChannel) || (pChannel && pChannel == mPhysicalChannel);
}

void TUnaryDerivedChannel::setPhysicalChannel(TPhysicalChannel* pChannel)
{
    if (pChannel != mPhysicalChannel)
        resetPeakValues();
    mPhysicalChannel = pChannel;
}

void TUnaryDerivedChannel::addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels,
                                           const IChannelLookup* pChannelController,
                                           TFollowedChannels& pFollowedChannels) const
{
    if (mPhysicalChannel)
        addUsedChannelsOf(*mPhysicalChannel, oChannels, pChannelController, pFollowedChannels);
}

// ---------------------------------------------------------------------------
// TReciprocalChannel

TReciprocalChannel::TReciprocalChannel(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                       int pSampleCountForAvgValue, int pInternalChannelNumber)
    : TUnaryDerivedChannel(pChannelTypeChangeListener, pSampleCountForAvgValue, pInternalChannelNumber)
{
}

QString TReciprocalChannel::channelCaption() const
{
    if (!physicalChannel())
        return QString();
    return QStringLiteral("1 / ") + physicalChannel()->channelCaption();
}

QString TReciprocalChannel::channelBtnText() const
{
    if (!physicalChannel())
        return QString();
    return QStringLiteral("1 / ") + tr("Chan.") + QLatin1Char(' ') + physicalChannel()->channelCaption();
}

// ---------------------------------------------------------------------------
// TBinaryDerivedChannel

TBinaryDerivedChannel::TBinaryDerivedChannel(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                             int pSampleCountForAvgValue, int pInternalChannelNumber,
                                             const QString& pOperator)
    : TAbstractChannel(pSampleCountForAvgValue, pInternalChannelNumber, pChannelTypeChangeListener)
    , mOperator(pOperator)
{
}

EnUnit TBinaryDerivedChannel::electricalUnit() const
{
    if (!mPhysicalChannel_Operand1 || !mPhysicalChannel_Operand2 ||
        !mPhysicalChannel_Operand1->hasSameElectricalUnit(*mPhysicalChannel_Operand2))
        return uUndefined;
    return mPhysicalChannel_Operand1->electricalUnit();
}

QString TBinaryDerivedChannel::channelCaption() const
{
    if (!mPhysicalChannel_Operand1 || !mPhysicalChannel_Operand2)
        return QString();
    return mPhysicalChannel_Operand1->channelCaption() + mOperator + mPhysicalChannel_Operand2->channelCaption();
}

QString TBinaryDerivedChannel::channelBtnText() const
{
    return tr("Chan.") + QLatin1Char(' ') + channelCaption();
}

bool TBinaryDerivedChannel::isOrUsesChannel(const TAbstractChannel* pChannel) const
{
    return TAbstractChannel::isOrUsesChannel(pChannel) ||
           (pChannel && (pChannel == mPhysicalChannel_Operand1 || pChannel == mPhysicalChannel_Operand2));
}

void TBinaryDerivedChannel::setPhysicalChannel_Operand1(TPhysicalChannel* pChannel)
{
    if (pChannel != mPhysicalChannel_Operand1)
        resetPeakValues();
    mPhysicalChannel_Operand1 = pChannel;
}

void TBinaryDerivedChannel::setPhysicalChannel_Operand2(TPhysicalChannel* pChannel)
{
    if (pChannel != mPhysicalChannel_Operand2)
        resetPeakValues();
    mPhysicalChannel_Operand2 = pChannel;
}

void TBinaryDerivedChannel::addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels,
                                            const IChannelLookup* pChannelController,
                                            TFollowedChannels& pFollowedChannels) const
{
    if (mPhysicalChannel_Operand1)
        addUsedChannelsOf(*mPhysicalChannel_Operand1, oChannels, pChannelController, pFollowedChannels);
    if (mPhysicalChannel_Operand2)
        addUsedChannelsOf(*mPhysicalChannel_Operand2, oChannels, pChannelController, pFollowedChannels);
}

#include "simulatedinput.h"

#include "probe_enums.h"
#include "sensorcurves.h"

#include <limits>

namespace
{
// The working range the board allows platinum resistance thermometers.
constexpr double PLATINUM_MINIMUM = -200.0;
constexpr double PLATINUM_MAXIMUM = 962.0;

TSensorCurves::EnThermocouple thermocoupleOf(EnSimulatedSensor pSensor)
{
    switch (pSensor) {
    case ssThermocoupleJ:
        return TSensorCurves::tcJ;
    case ssThermocoupleT:
        return TSensorCurves::tcT;
    default:
        return TSensorCurves::tcK;
    }
}

struct TSensorName
{
    EnSimulatedSensor mSensor;
    const char* mName;
};
const TSensorName SENSOR_NAMES[] = {{ssNone, "none"},          {ssPt100, "pt100"},        {ssPt25, "pt25"},
                                    {ssThermocoupleJ, "tc-j"}, {ssThermocoupleK, "tc-k"}, {ssThermocoupleT, "tc-t"}};
} // namespace

TTemperatureSignal TTemperatureSignal::constant(double pTemperature)
{
    TTemperatureSignal signal;
    signal.mShape = tsConstant;
    signal.mValue = pTemperature;
    return signal;
}

TTemperatureSignal TTemperatureSignal::ramp(double pStart, double pRatePerMinute, double pNow)
{
    TTemperatureSignal signal;
    signal.mShape = tsRamp;
    signal.mValue = pStart;
    signal.mParameter = pRatePerMinute;
    signal.mTime = pNow;
    return signal;
}

TTemperatureSignal TTemperatureSignal::noise(double pMean, double pStandardDeviation)
{
    TTemperatureSignal signal;
    signal.mShape = tsNoise;
    signal.mValue = pMean;
    signal.mParameter = pStandardDeviation;
    return signal;
}

TTemperatureSignal TTemperatureSignal::step(double pBefore, double pAfter, double pDelaySeconds, double pNow)
{
    TTemperatureSignal signal;
    signal.mShape = tsStep;
    signal.mValue = pBefore;
    signal.mParameter = pAfter;
    signal.mTime = pNow + pDelaySeconds;
    return signal;
}

TTemperatureSignal TTemperatureSignal::follow(TSource pSource, double pOffset, double pStandardDeviation)
{
    TTemperatureSignal signal;
    signal.mShape = tsFollow;
    signal.mValue = pOffset;
    signal.mParameter = pStandardDeviation;
    signal.mSource = std::move(pSource);
    return signal;
}

double TTemperatureSignal::valueAt(double pNow, std::mt19937& pRandom) const
{
    switch (mShape) {
    case tsFollow: {
        const double mean = (mSource ? mSource() : 0.0) + mValue;
        return mParameter > 0.0 ? std::normal_distribution<double>(mean, mParameter)(pRandom) : mean;
    }
    case tsRamp:
        return mValue + mParameter * (pNow - mTime) / 60.0;
    case tsNoise:
        return mParameter > 0.0 ? std::normal_distribution<double>(mValue, mParameter)(pRandom) : mValue;
    case tsStep:
        return pNow < mTime ? mValue : mParameter;
    case tsConstant:
        break;
    }
    return mValue;
}

QString TTemperatureSignal::toText() const
{
    switch (mShape) {
    case tsRamp:
        return QStringLiteral("ramp from %1 at %2/min").arg(mValue).arg(mParameter);
    case tsNoise:
        return QStringLiteral("noise %1 +- %2").arg(mValue).arg(mParameter);
    case tsStep:
        return QStringLiteral("step %1 -> %2").arg(mValue).arg(mParameter);
    case tsFollow:
        return QStringLiteral("follows outside %1%2 +- %3").arg(mValue >= 0 ? "+" : "").arg(mValue).arg(mParameter);
    case tsConstant:
        break;
    }
    return QStringLiteral("constant %1").arg(mValue);
}

bool TSimulatedInput::isThermocouple() const
{
    return mSensor == ssThermocoupleJ || mSensor == ssThermocoupleK || mSensor == ssThermocoupleT;
}

double TSimulatedInput::electricalValue(double pTemperature, double pColdJunction) const
{
    if (isPlatinum())
        return TSensorCurves::standardPlatinum(pTemperature, mSensor == ssPt25 ? Probe_enums::EN60715_R0_PT25
                                                                               : Probe_enums::EN60715_R0_PT100);
    const TSensorCurves::EnThermocouple type = thermocoupleOf(mSensor);
    return TSensorCurves::thermocoupleVoltage(type, pTemperature) -
           TSensorCurves::thermocoupleVoltage(type, pColdJunction);
}

double TSimulatedInput::temperatureAt(double pElectrical, double pColdJunction) const
{
    if (mSensor == ssNone)
        return std::numeric_limits<double>::quiet_NaN();
    double low = isThermocouple() ? TSensorCurves::thermocoupleMinimum(thermocoupleOf(mSensor)) : PLATINUM_MINIMUM;
    double high = isThermocouple() ? TSensorCurves::thermocoupleMaximum(thermocoupleOf(mSensor)) : PLATINUM_MAXIMUM;
    if (!(electricalValue(low, pColdJunction) <= pElectrical && pElectrical <= electricalValue(high, pColdJunction)))
        return std::numeric_limits<double>::quiet_NaN();
    // Both curves rise over their whole range: halving the interval finds the
    // temperature to far below a millikelvin.
    for (int step = 0; step < 60; ++step) {
        const double middle = (low + high) / 2.0;
        (electricalValue(middle, pColdJunction) < pElectrical ? low : high) = middle;
    }
    return (low + high) / 2.0;
}

int TSimulatedInput::rangeStatus(double pTemperature) const
{
    double minimum = PLATINUM_MINIMUM;
    double maximum = PLATINUM_MAXIMUM;
    if (isThermocouple()) {
        minimum = TSensorCurves::thermocoupleMinimum(thermocoupleOf(mSensor));
        maximum = TSensorCurves::thermocoupleMaximum(thermocoupleOf(mSensor));
    }
    if (pTemperature < minimum)
        return 1;
    return pTemperature > maximum ? 2 : 0;
}

QString TSimulatedInput::sensorName(EnSimulatedSensor pSensor)
{
    for (const TSensorName& entry : SENSOR_NAMES) {
        if (entry.mSensor == pSensor)
            return QLatin1String(entry.mName);
    }
    return QString();
}

EnSimulatedSensor TSimulatedInput::sensorFromName(const QString& pName, bool& oKnown)
{
    for (const TSensorName& entry : SENSOR_NAMES) {
        if (pName.compare(QLatin1String(entry.mName), Qt::CaseInsensitive) == 0) {
            oKnown = true;
            return entry.mSensor;
        }
    }
    oKnown = false;
    return ssNone;
}

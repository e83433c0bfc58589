#pragma once

#include <QString>

#include <functional>
#include <random>

// How the temperature at one input of the simulated board moves over time.
// Times are seconds on the simulator's monotonic clock.
class TTemperatureSignal
{
public:
    enum EnShape { tsConstant, tsRamp, tsNoise, tsStep, tsFollow };
    // An outside temperature, such as a calibrator's block, asked at each
    // reading from the simulator's thread: it must be safe to call from there.
    using TSource = std::function<double()>;

    static TTemperatureSignal constant(double pTemperature);
    // pRate in degrees Celsius per minute, from pStart at pNow on.
    static TTemperatureSignal ramp(double pStart, double pRatePerMinute, double pNow);
    // Gaussian noise around a mean.
    static TTemperatureSignal noise(double pMean, double pStandardDeviation);
    // pBefore until pDelaySeconds after pNow, pAfter from then on.
    static TTemperatureSignal step(double pBefore, double pAfter, double pDelaySeconds, double pNow);
    // The source's temperature plus pOffset, with Gaussian noise of pStandardDeviation.
    static TTemperatureSignal follow(TSource pSource, double pOffset, double pStandardDeviation);

    double valueAt(double pNow, std::mt19937& pRandom) const;
    EnShape shape() const { return mShape; }
    QString toText() const;

private:
    EnShape mShape = tsConstant;
    double mValue = 0.0;
    // Ramp: degrees per minute; noise and follow: standard deviation; step: the value after the step.
    // Follow: mValue is the offset.
    double mParameter = 0.0;
    // Ramp: when it started; step: when it steps.
    double mTime = 0.0;
    TSource mSource;
};

// What is plugged into an input of the simulated board.
enum EnSimulatedSensor { ssNone, ssPt100, ssPt25, ssThermocoupleJ, ssThermocoupleK, ssThermocoupleT };

// One input: the sensor and the temperature it sits at.
struct TSimulatedInput
{
    EnSimulatedSensor mSensor = ssNone;
    TTemperatureSignal mSignal = TTemperatureSignal::constant(23.0);
    // A broken lead or an open sensor: the board measures nothing and reports
    // "nan" for both values instead of an error.
    bool mOpen = false;

    bool isPlatinum() const { return mSensor == ssPt100 || mSensor == ssPt25; }
    bool isThermocouple() const;
    // Ohm for a platinum sensor; millivolt for a thermocouple whose cold
    // junction sits at pColdJunction degrees Celsius.
    double electricalValue(double pTemperature, double pColdJunction) const;
    // The temperature at which the sensor shows pElectrical, NaN where its
    // curve does not reach; the inverse of electricalValue.
    double temperatureAt(double pElectrical, double pColdJunction) const;
    // 0 in range, 1 below, 2 above the range of the sensor.
    int rangeStatus(double pTemperature) const;

    static QString sensorName(EnSimulatedSensor pSensor);
    // ssNone with oKnown false for a name that is no sensor.
    static EnSimulatedSensor sensorFromName(const QString& pName, bool& oKnown);
};

#pragma once

#include <functional>
#include <mutex>
#include <random>

// The block or bath of a simulated calibrator: its temperature heads for the
// set point at a limited rate and settles exponentially over the last kelvin.
// Time comes from an injected clock (seconds, monotonic; the real clock by
// default) so tests can run it on their own virtual time. Thread-safe.
class TCalibratorThermalModel
{
public:
    using TClock = std::function<double()>;

    // Within this band around the set point for STABLE_SECONDS counts as stable.
    static constexpr double STABLE_BAND = 0.01;
    static constexpr double STABLE_SECONDS = 30.0;

    static TClock realClock();

    explicit TCalibratorThermalModel(double pStartTemperature = 23.0, TClock pClock = realClock());

    void setClock(TClock pClock);
    void setSetPoint(double pCelsius);
    double setPoint() const;
    // How many set points were given so far: tells a new one from a repeated value.
    unsigned long setPointCount() const;
    // Puts the block at that temperature at once (a user's shortcut).
    void setTemperature(double pCelsius);
    // Kelvin per minute heating and cooling.
    void setRates(double pUp, double pDown);
    // Standard deviation of the reading noise in kelvin.
    void setNoise(double pKelvin);

    // The true temperature now, and one reading with noise.
    double temperature();
    double reading();
    bool isStable();
    // Seconds the temperature has been within the band, 0 outside it.
    double secondsInBand();

private:
    void advanceLocked();

    mutable std::mutex mMutex;
    TClock mClock;
    double mLastTime;
    double mTemperature;
    double mSetPoint;
    unsigned long mSetPointCount = 0;
    double mUpPerSecond = 20.0 / 60.0;
    double mDownPerSecond = 10.0 / 60.0;
    double mNoise = 0.003;
    // When the temperature entered the band; negative while outside.
    double mInBandSince = -1.0;
    std::mt19937 mRandom{20260101};
};

#include "calibratorthermalmodel.h"

#include <chrono>
#include <cmath>

TCalibratorThermalModel::TClock TCalibratorThermalModel::realClock()
{
    return []() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); };
}

TCalibratorThermalModel::TCalibratorThermalModel(double pStartTemperature, TClock pClock)
    : mClock(std::move(pClock))
    , mLastTime(mClock())
    , mTemperature(pStartTemperature)
    , mSetPoint(pStartTemperature)
    , mInBandSince(mLastTime)
{
}

void TCalibratorThermalModel::setClock(TClock pClock)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mClock = std::move(pClock);
    mLastTime = mClock();
    if (mInBandSince >= 0.0)
        mInBandSince = mLastTime;
}

unsigned long TCalibratorThermalModel::setPointCount() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mSetPointCount;
}

void TCalibratorThermalModel::setSetPoint(double pCelsius)
{
    std::lock_guard<std::mutex> lock(mMutex);
    advanceLocked();
    mSetPoint = pCelsius;
    ++mSetPointCount;
    if (std::fabs(mTemperature - mSetPoint) > STABLE_BAND)
        mInBandSince = -1.0;
}

double TCalibratorThermalModel::setPoint() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mSetPoint;
}

void TCalibratorThermalModel::setTemperature(double pCelsius)
{
    std::lock_guard<std::mutex> lock(mMutex);
    advanceLocked();
    mTemperature = pCelsius;
    mInBandSince = std::fabs(mTemperature - mSetPoint) <= STABLE_BAND ? mLastTime : -1.0;
}

void TCalibratorThermalModel::setRates(double pUp, double pDown)
{
    std::lock_guard<std::mutex> lock(mMutex);
    advanceLocked();
    if (pUp > 0.0)
        mUpPerSecond = pUp / 60.0;
    if (pDown > 0.0)
        mDownPerSecond = pDown / 60.0;
}

void TCalibratorThermalModel::setNoise(double pKelvin)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mNoise = std::max(0.0, pKelvin);
}

double TCalibratorThermalModel::temperature()
{
    std::lock_guard<std::mutex> lock(mMutex);
    advanceLocked();
    return mTemperature;
}

double TCalibratorThermalModel::reading()
{
    std::lock_guard<std::mutex> lock(mMutex);
    advanceLocked();
    if (mNoise <= 0.0)
        return mTemperature;
    std::normal_distribution<double> noise(0.0, mNoise);
    return mTemperature + noise(mRandom);
}

bool TCalibratorThermalModel::isStable()
{
    return secondsInBand() >= STABLE_SECONDS;
}

double TCalibratorThermalModel::secondsInBand()
{
    std::lock_guard<std::mutex> lock(mMutex);
    advanceLocked();
    return mInBandSince < 0.0 ? 0.0 : mLastTime - mInBandSince;
}

void TCalibratorThermalModel::advanceLocked()
{
    const double now = mClock();
    double left = now - mLastTime;
    mLastTime = now;
    // Full rate until one kelvin short of the set point, then exponential with
    // the time constant that continues the full rate smoothly.
    while (left > 0.0) {
        const double distance = mSetPoint - mTemperature;
        const double rate = distance > 0.0 ? mUpPerSecond : mDownPerSecond;
        if (std::fabs(distance) > 1.0) {
            const double step = std::min(left, (std::fabs(distance) - 1.0) / rate);
            mTemperature += std::copysign(rate * step, distance);
            left -= step;
            continue;
        }
        const double timeConstant = 1.0 / rate;
        if (mInBandSince < 0.0) {
            const double toBand =
                std::fabs(distance) <= STABLE_BAND ? 0.0 : timeConstant * std::log(std::fabs(distance) / STABLE_BAND);
            if (toBand <= left)
                mInBandSince = now - left + toBand;
        }
        mTemperature = mSetPoint - distance * std::exp(-left / timeConstant);
        left = 0.0;
    }
}

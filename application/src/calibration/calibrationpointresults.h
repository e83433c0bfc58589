#pragma once

#include "channeldescription.h"
#include "electrical_temperature_units.h"

#include <map>

// The reading of one channel under test at a set point; NaN values when the
// channel could not be read.
class TDUTValue
{
public:
    TDUTValue(TElectricalTemperatureValue pValTemperature, TElectricalTemperatureValue pValElectrical)
        : mValTemperature(pValTemperature), mValElectrical(pValElectrical)
    {
    }

    // Degrees Celsius.
    TElectricalTemperatureValue valTemperature() const { return mValTemperature; }
    // In the channel's electrical unit.
    TElectricalTemperatureValue valElectrical() const { return mValElectrical; }

private:
    TElectricalTemperatureValue mValTemperature;
    TElectricalTemperatureValue mValElectrical;
};

// The outcome at one set point: the reference temperature, its stability and
// one value pair per channel under test, by channel number.
class TCalibrationPointResults
{
public:
    TCalibrationPointResults() = default;
    TCalibrationPointResults(const TElectricalTemperatureValue& pValueReferenceChannel,
                             double pStabilityKelvinReference)
        : mValueReferenceChannel(pValueReferenceChannel), mStabilityKelvinReference(pStabilityKelvinReference)
    {
    }

    const TElectricalTemperatureValue& valueReferenceChannel() const { return mValueReferenceChannel; }
    double stabilityKelvinReference() const { return mStabilityKelvinReference; }
    // Null when the channel has no value here.
    const TDUTValue* dutValue(const TChannelDescription& pChannel) const
    {
        const auto found = mDUTValues.find(pChannel);
        return found == mDUTValues.end() ? nullptr : &found->second;
    }
    // The first value of a channel stays; later ones are dropped.
    void setDUTChannelValue(TChannelDescription pChannel, TDUTValue pValue) { mDUTValues.emplace(pChannel, pValue); }
    bool operator<(const TCalibrationPointResults& pOther) const
    {
        return mValueReferenceChannel < pOther.mValueReferenceChannel;
    }

private:
    TElectricalTemperatureValue mValueReferenceChannel;
    double mStabilityKelvinReference = 0.0;
    std::map<TChannelDescription, TDUTValue> mDUTValues;
};

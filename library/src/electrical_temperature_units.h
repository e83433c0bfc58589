#pragma once

#include <QtGlobal>

namespace Electrical_temperature_units
{
enum EnUnit : quint8 {
    uUndefined = 0,
    uCelsius = 1,
    uFahrenheit = 2,
    uKelvin = 3,
    uOhm = 4,
    uMilliVolt = 5
};

// Whether a channel shows its temperature or its electrical reading.
enum EnUnitType {
    utTemperature = 0,
    utElectrical = 1
};
} // namespace Electrical_temperature_units

// A number with its unit, as measured values travel through the program.
class TElectricalTemperatureValue
{
public:
    TElectricalTemperatureValue() = default;
    TElectricalTemperatureValue(double pValue, Electrical_temperature_units::EnUnit pUnit)
        : mValue(pValue), mUnit(pUnit)
    {
    }

    double value() const { return mValue; }
    Electrical_temperature_units::EnUnit unit() const { return mUnit; }
    void set(double pValue, Electrical_temperature_units::EnUnit pUnit)
    {
        mValue = pValue;
        mUnit = pUnit;
    }

    // Compares temperatures across kelvin, degrees Celsius and degrees
    // Fahrenheit; with any other unit on either side the plain numbers decide.
    bool operator<(const TElectricalTemperatureValue& pOther) const;

private:
    double mValue = 0.0;
    Electrical_temperature_units::EnUnit mUnit = Electrical_temperature_units::uUndefined;
};

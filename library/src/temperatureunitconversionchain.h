#pragma once

#include "electrical_temperature_units.h"
#include "unitconversionchain.h"

// Kelvin, degrees Celsius and degrees Fahrenheit in that row. Cheap to build,
// so callers make one where they need it.
class TTemperatureUnitConversionChain : public TUnitConversionChain
{
public:
    TTemperatureUnitConversionChain();

    // The number of the value in the given unit.
    double convertElectricalTemperatureValue(TElectricalTemperatureValue pValue,
                                             Electrical_temperature_units::EnUnit pTargetUnit) const;

    static void kelvinToCelsius(double& pValue);
    static void celsiusToKelvin(double& pValue);
    static void celsiusToFahrenheit(double& pValue);
    static void fahrenheitToCelsius(double& pValue);
};

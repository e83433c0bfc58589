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

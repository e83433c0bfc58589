#include "temperatureunitconversionchain.h"

using namespace Electrical_temperature_units;

TTemperatureUnitConversionChain::TTemperatureUnitConversionChain()
{
    mChain << std::make_unique<TUnitConversionChainElement>(uKelvin, nullptr, &kelvinToCelsius)
           << std::make_unique<TUnitConversionChainElement>(uCelsius, &celsiusToKelvin, &celsiusToFahrenheit)
           << std::make_unique<TUnitConversionChainElement>(uFahrenheit, &fahrenheitToCelsius, nullptr);
}

double TTemperatureUnitConversionChain::convertElectricalTemperatureValue(TElectricalTemperatureValue pValue,
                                                                          EnUnit pTargetUnit) const
{
    return convert(pValue.value(), pValue.unit(), pTargetUnit);
}

void TTemperatureUnitConversionChain::kelvinToCelsius(double& pValue)
{
    pValue -= 273.15;
}

void TTemperatureUnitConversionChain::celsiusToKelvin(double& pValue)
{
    pValue += 273.15;
}

void TTemperatureUnitConversionChain::celsiusToFahrenheit(double& pValue)
{
    pValue = pValue * 1.8 + 32.0;
}

void TTemperatureUnitConversionChain::fahrenheitToCelsius(double& pValue)
{
    pValue = (pValue - 32.0) / 1.8;
}

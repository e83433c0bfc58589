#include "electrical_temperature_units.h"

#include "temperatureunitconversionchain.h"

bool TElectricalTemperatureValue::operator<(const TElectricalTemperatureValue& pOther) const
{
    const TTemperatureUnitConversionChain chain;
    return chain.convertElectricalTemperatureValue(pOther, mUnit) > mValue;
}

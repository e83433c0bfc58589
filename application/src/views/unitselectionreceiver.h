#pragma once

#include "electrical_temperature_units.h"

class TAbstractChannel;

// Receives the unit the user picked on the unit selection page; the channel
// views implement it. The channel is null for a unit common to several channels.
class IUnitSelectionReceiver
{
public:
    virtual ~IUnitSelectionReceiver() = default;

    virtual void changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit) = 0;
};

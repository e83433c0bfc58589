#pragma once

#include "electrical_temperature_units.h"

#include <QObject>
#include <QString>

// The connector through which a calibration routine drives one calibrator.
// Connectors report every failure as a NaN read-back or as false from init();
// they never throw. The run owns its connector and destroys it through this
// interface.
class IBlockcalibratorInterface : public QObject
{
    Q_OBJECT

public:
    IBlockcalibratorInterface() = default;
    ~IBlockcalibratorInterface() override = default;

    // Sets oAcceptedValue to NaN with uUndefined first, and returns at that
    // when init() has not succeeded. Otherwise sends pValue (in the unit the
    // connector drives the calibrator in) as the new set point and, on
    // success, gives back the set point the calibrator reports as accepted.
    virtual void setTemperatureValue(TElectricalTemperatureValue pValue,
                                     TElectricalTemperatureValue& oAcceptedValue) const = 0;
    // The outcome of the last init(); false before the first.
    virtual bool isInitialized() const = 0;
    // True when the last set point could not be put into the calibrator's
    // format at all (as opposed to an exchange that failed or was refused).
    virtual bool lastSetPointUnsendable() const { return false; }
    // Empties oErrorMessage, opens the connection and exchanges at least one
    // request and reply with the calibrator. On failure a connector may leave
    // a translated text for the user in oErrorMessage.
    virtual bool init(Electrical_temperature_units::EnUnit pUnit, QString& oErrorMessage) = 0;
};

#pragma once

#include "blockcalibratorinterface.h"

// Drives the high-temperature dry well that exposes numbered variables in a
// line protocol ("$1RVAR", "$1WVAR", replies between "*" and CR) through the
// USB-serial converter. Made by the calibrator factory, owned by the run.
class TDWK4400_1100_Connector : public IBlockcalibratorInterface
{
    Q_OBJECT

public:
    static constexpr int BAUD_RATE = 9600;
    static constexpr int READ_TIMEOUT_MS = 5000;
    static constexpr int INPUT_BUFFER_READ_COUNT = 1024;
    static constexpr unsigned char ADDRESS_SET_POINT = 0;
    static constexpr unsigned char ADDRESS_UNIT = 10;
    static constexpr unsigned char ADDRESS_MAX_SET_POINT = 18;
    static constexpr unsigned char ADDRESS_MIN_SET_POINT = 19;

    TDWK4400_1100_Connector();

    // pUnit is not used: set points always travel in degrees Celsius.
    bool init(Electrical_temperature_units::EnUnit pUnit, QString& oErrorMessage) override;
    void setTemperatureValue(TElectricalTemperatureValue pValue,
                             TElectricalTemperatureValue& oAcceptedValue) const override;
    bool isInitialized() const override { return mInitSuccessful; }

    // Tests shorten the wait for a reply; 0 or less restores READ_TIMEOUT_MS.
    static void setReadTimeoutMs(int pMilliseconds);

private:
    friend class tst_DWK4400_1100_Connector;

    QString readResponse() const;
    bool writeVariable(unsigned char pAddress, const QString& pValue) const;
    QString readVariable(unsigned char pAddress) const;
    // NaN with uUndefined unless the value and the unit variable were read.
    TElectricalTemperatureValue readTemperatureValue(unsigned char pAddress) const;
    bool writeTemperatureValue(unsigned char pAddress, TElectricalTemperatureValue pValue) const;
    bool queryLimits();

    bool mInitSuccessful = false;
    double mMinTemperatureCelsius;
    double mMaxTemperatureCelsius;
};

#pragma once

#include "blockcalibratorethernet.h"

#include <utility>

// Drives the network baths through their register protocol: "{M" requests
// write or read a 16-bit register, "{S" replies carry its value. Made by the
// calibrator factory with the setup's address and port, owned by the run.
class TMBK2X00_Connector : public TBlockcalibratorEthernet
{
public:
    static constexpr unsigned int CONNECTION_TIMEOUT_MS = 5000;
    static constexpr int READ_TIMEOUT_MS = 5000;
    static constexpr unsigned char ADDRESS_SET_POINT = 0x00;
    static constexpr unsigned char ADDRESS_TEMPERATURE_CONTROL = 0x14;
    static constexpr unsigned char ADDRESS_MIN_SET_POINT = 0x30;
    static constexpr unsigned char ADDRESS_MAX_SET_POINT = 0x31;

    TMBK2X00_Connector(const QString& pIPAddress, unsigned int pPort);

    // pUnit is not used: registers hold hundredths of a degree Celsius.
    bool init(Electrical_temperature_units::EnUnit pUnit, QString& oErrorMessage) override;
    // The value in the bath's reply to the write is the read-back, in degrees
    // Celsius; a set point outside the register's range is not sent.
    void setTemperatureValue(TElectricalTemperatureValue pValue,
                             TElectricalTemperatureValue& oAcceptedValue) const override;
    bool isInitialized() const override { return mInitSuccessful; }

    // Tests shorten the wait for a reply; 0 or less restores READ_TIMEOUT_MS.
    static void setReadTimeoutMs(int pMilliseconds);

private:
    friend class tst_MBK2X00_Connector;

    // The register's value from the reply and whether one came.
    std::pair<short, bool> send(unsigned char pAddress, const QString& pValue) const;
    std::pair<short, bool> query(unsigned char pAddress) const;
    bool queryLimits();
    QString numberToHexString(short pNumber) const;
    QString floatToHexString(double pNumber) const;

    bool mInitSuccessful = false;
    double mMinTemperatureCelsius;
    double mMaxTemperatureCelsius;
};

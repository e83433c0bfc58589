#pragma once

#include "blockcalibratorinterface.h"

#include <QByteArray>

// Drives the dry wells that take ASCII letters framed by STX and ETX through
// the USB-serial converter. Made by the calibrator factory and owned by the
// routine run; the limits are read once at init.
class TDWK46XX_Connector : public IBlockcalibratorInterface
{
    Q_OBJECT

public:
    static constexpr int BAUD_RATE = 9600;
    static constexpr int INPUT_BUFFER_READ_COUNT = 1024;
    static constexpr int READ_TIMEOUT_MS = 5000;
    // The calibrator needs this long before it reports a new set point.
    static constexpr int SET_TEMPERATURE_VALUE_PAUSE_MS = 750;
    static constexpr int WRITE_AND_CHECK_RETRIES = 3;
    static constexpr int NUMBER_DIGITS = 2;
    static constexpr char STX = 2;
    static constexpr char ETX = 3;

    TDWK46XX_Connector();

    // Sets the calibrator to pUnit; a message only when no converter was found.
    bool init(Electrical_temperature_units::EnUnit pUnit, QString& oErrorMessage) override;
    void setTemperatureValue(TElectricalTemperatureValue pValue,
                             TElectricalTemperatureValue& oAcceptedValue) const override;
    bool isInitialized() const override { return mInitSuccessful; }

    // Tests shorten the waits; 0 or less restores the constants.
    static void setTimingForTests(int pReadTimeoutMs, int pSetPointPauseMs);

private:
    friend class tst_DWK46XX_Connector;

    QByteArray createTransmissionPackage(char pID, const QByteArray& pArray) const;
    // The content of the first frame with the letter pID; empty when none
    // came in time (an empty frame does not count).
    QByteArray readResponse(char pID, bool pClearInputBufferBeforeRead) const;
    QByteArray readResponse(char pID) const { return readResponse(pID, true); }
    QByteArray query(char pID) const;
    bool writeAndCheck(char pIDWrite, char pIDCheck, const QByteArray& pData) const;
    bool setUnit(Electrical_temperature_units::EnUnit pUnit) const;
    bool setControlMode(bool pVal) const;
    bool getLimits();

    bool mInitSuccessful = false;
    double mMinTemperatureCelsius;
    double mMaxTemperatureCelsius;
};

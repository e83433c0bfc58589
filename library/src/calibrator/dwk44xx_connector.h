#pragma once

#include "blockcalibratorinterface.h"
#include "electrical_temperature_units.h"

#include <QByteArray>
#include <QString>

class TModbusCommand;

namespace Dwk44xx_connector
{
// The outcome of one transaction. The positive values are the calibrator's
// Modbus exception codes, kept as received even where they have no name here.
enum class EnCommandStatus : qint16 {
    // No complete reply of the addressed calibrator came within the attempts,
    // or a reply of another slave or function came instead.
    csNoResponse = -4,
    csLibraryNotAvailable = -3,
    csNotInitialized = -2,
    csCRC_Error = -1,
    csOK = 0,
    csUnknownFunctionCode = 1,
    csInvalidMemoryAddress = 2,
    csInvalidDataField = 3,
    csControllerNotReady = 6
};

enum class EnUIControllerType : quint8 { uictUndefined = 0, uictQ58 = 1 };

// The calibrator's own unit codes.
enum class EnTempUnit : quint8 { tuCelsius = 0, tuFahrenheit = 1 };
} // namespace Dwk44xx_connector

// Drives the calibrators whose controller speaks Modbus RTU through the
// USB-serial converter, a line that echoes every request. Made by the
// calibrator factory and owned by the routine run.
class TDWK44XX_Connector : public IBlockcalibratorInterface
{
public:
    static constexpr int PRODUCT_ID = 0xCC18;
    // Covers writing a request and reading its echo and reply.
    static constexpr int COMM_TIMEOUT_MS = 500;
    static constexpr int COMM_RETRIES = 3;
    static constexpr int REQUESTED_DIGITS = 3;
    // The slave address of every calibrator on the line.
    static constexpr quint8 CLIENT_ADDRESS = 1;

    TDWK44XX_Connector();

    // Keeps the calibrator's own temperature unit; the message stays empty.
    bool init(Electrical_temperature_units::EnUnit pUnit, QString& oErrorMessage) override;
    // The set point read back in pValue's unit, NaN when it could not be set.
    // A set point that does not fit the 16-bit register at the controller's
    // decimals makes the controller keep fewer; when it still does not fit,
    // nothing is sent and lastSetPointUnsendable() tells so.
    void setTemperatureValue(TElectricalTemperatureValue pValue,
                             TElectricalTemperatureValue& oAcceptedValue) const override;
    bool isInitialized() const override { return mInitSuccessful; }
    bool lastSetPointUnsendable() const override { return mLastSetPointUnsendable; }

    // Tests shorten the wait for a reply; 0 or less restores COMM_TIMEOUT_MS.
    static void setCommTimeoutMs(int pMilliseconds);

private:
    friend class tst_DWK44XX_Connector;

    // One transaction with up to COMM_RETRIES repetitions; the reply's payload.
    // An exception reply ends at once with its code as the status.
    QByteArray sendCommand(const TModbusCommand& pCommand, Dwk44xx_connector::EnCommandStatus& oCommandStatus) const;
    // The controller's text with zero bytes skipped; empty unless csOK.
    QString getPartNumber(Dwk44xx_connector::EnCommandStatus& oCommandStatus) const;
    QString getInstrumentName(Dwk44xx_connector::EnCommandStatus& oCommandStatus) const;
    Electrical_temperature_units::EnUnit getTemperatureUnit(Dwk44xx_connector::EnCommandStatus& oCommandStatus) const;
    // -1 unless the register was read.
    int getNumberDigits(Dwk44xx_connector::EnCommandStatus& oCommandStatus) const;
    Dwk44xx_connector::EnCommandStatus setDigitAutoranging(bool pValue) const;
    // csInvalidDataField without a transaction for a value outside 0 to 3.
    Dwk44xx_connector::EnCommandStatus setNumberDigits(int pValue) const;
    Dwk44xx_connector::EnCommandStatus triggerChecksumRecalc() const;
    quint16 temperatureUnitAddress() const;
    quint16 digitAutorangingAddress() const;
    quint16 numberDigitsAddress() const;
    // One request and its reply; false when the attempt is to be repeated.
    bool attempt(const TModbusCommand& pCommand, QByteArray& oResult,
                 Dwk44xx_connector::EnCommandStatus& oCommandStatus) const;
    QByteArray readRegisters(quint16 pAddress, quint16 pWords, Dwk44xx_connector::EnCommandStatus& oStatus) const;
    Dwk44xx_connector::EnCommandStatus writeRegister(quint16 pAddress, int pValue) const;
    // Asks the controller for the most decimals, below those it keeps, with
    // which pDeviceValue fits the set point register, and takes the number it
    // reads back; false when an exchange failed.
    bool keepDigitsFor(double pDeviceValue) const;

    bool mInitSuccessful = false;
    Dwk44xx_connector::EnUIControllerType mUIControllerType = Dwk44xx_connector::EnUIControllerType::uictUndefined;
    Electrical_temperature_units::EnUnit mDeviceTemperatureUnit = Electrical_temperature_units::uUndefined;
    // The decimals the controller keeps; lowered for set points that need it.
    mutable int mNumberDigits = -1;
    mutable bool mLastSetPointUnsendable = false;
};

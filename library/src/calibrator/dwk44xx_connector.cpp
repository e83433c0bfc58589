#include "dwk44xx_connector.h"

#include "exchangedeadline.h"
#include "ftdi_usb_serial_device.h"
#include "modbuscommand.h"
#include "temperatureunitconversionchain.h"

#include <cmath>
#include <limits>

using namespace Dwk44xx_connector;
using namespace Electrical_temperature_units;

namespace
{
// Registers of the Q58 controller, as numbered on the wire.
constexpr quint16 CHECKSUM_RECALC_REGISTER = 923;
constexpr quint16 INSTRUMENT_NAME_REGISTER = 2048;
constexpr quint16 INSTRUMENT_NAME_WORDS = 4;
constexpr quint16 PART_NUMBER_REGISTER = 2058;
constexpr quint16 PART_NUMBER_WORDS = 15;
constexpr quint16 SET_POINT_APPLY_REGISTER = 10241;
constexpr quint16 SET_POINT_REGISTER = 10242;
constexpr quint16 Q58_NUMBER_DIGITS_REGISTER = 10258;
constexpr quint16 Q58_DIGIT_AUTORANGING_REGISTER = 10259;
constexpr quint16 Q58_TEMPERATURE_UNIT_REGISTER = 10260;

int& commTimeoutMs()
{
    static int timeout = TDWK44XX_Connector::COMM_TIMEOUT_MS;
    return timeout;
}

TFTDI_Usb_Serial_Device& converter()
{
    return *TFTDI_Usb_Serial_Device::instance();
}

float scaledSetPoint(double pDeviceValue, int pDigits)
{
    return float(pDeviceValue * std::pow(10.0f, float(pDigits)));
}

// The set point register holds 16 bits signed; a wrapped value would command
// a temperature nobody asked for and leave the calibrator heading there.
bool fitsSetPointRegister(float pScaled)
{
    return std::isfinite(pScaled) && pScaled >= -32768.5f && pScaled < 32767.5f;
}
} // namespace

TDWK44XX_Connector::TDWK44XX_Connector() = default;

void TDWK44XX_Connector::setCommTimeoutMs(int pMilliseconds)
{
    commTimeoutMs() = pMilliseconds > 0 ? pMilliseconds : COMM_TIMEOUT_MS;
}

QByteArray TDWK44XX_Connector::sendCommand(const TModbusCommand& pCommand, EnCommandStatus& oCommandStatus) const
{
    oCommandStatus = EnCommandStatus::csOK;
    if (!converter().isConnected()) {
        oCommandStatus = converter().isLibraryAvailable() ? EnCommandStatus::csNotInitialized
                                                          : EnCommandStatus::csLibraryNotAvailable;
        return QByteArray();
    }
    QByteArray result;
    for (int attemptNumber = 0; attemptNumber <= COMM_RETRIES; ++attemptNumber) {
        if (attempt(pCommand, result, oCommandStatus))
            return result;
    }
    // Without this a silent calibrator would look like one that accepted
    // everything and sent empty data.
    if (oCommandStatus == EnCommandStatus::csOK)
        oCommandStatus = EnCommandStatus::csNoResponse;
    return result;
}

bool TDWK44XX_Connector::attempt(const TModbusCommand& pCommand, QByteArray& oResult,
                                 EnCommandStatus& oCommandStatus) const
{
    const QByteArray frame = pCommand.toByteArray();
    const TExchangeDeadline deadline(commTimeoutMs());

    QByteArray remaining = frame;
    while (!remaining.isEmpty() && !deadline.passed()) {
        const int written = converter().write(remaining);
        if (written > 0)
            remaining.remove(0, written);
    }
    if (!remaining.isEmpty())
        return false;

    // The line echoes the request before the calibrator answers.
    QByteArray reply;
    int expected = frame.size();
    bool echoComplete = false;
    bool exception = false;
    bool regular = false;
    while (!deadline.passed()) {
        reply.append(converter().read(expected - reply.size()));
        if (!echoComplete) {
            if (reply.size() < frame.size())
                continue;
            reply.remove(0, frame.size());
            expected = pCommand.expectedResponseBytes();
            echoComplete = true;
        }
        if (!regular && !exception) {
            regular = pCommand.isRegularResponse(reply);
            if (pCommand.isException(reply)) {
                exception = true;
                expected = TModbusCommand::EXCEPTION_REPLAY_SIZE;
            }
        }
        if (reply.size() < expected)
            continue;
        if (exception) {
            const int code = pCommand.getExceptionCode(reply);
            oCommandStatus = EnCommandStatus(code);
            return code != -1;
        }
        if (regular) {
            oResult = pCommand.extractResponse(reply);
            return !oResult.isEmpty();
        }
        // Another slave or function answered: repeating the request would
        // not make this calibrator answer it.
        oResult.clear();
        oCommandStatus = EnCommandStatus::csNoResponse;
        return true;
    }
    return false;
}

QByteArray TDWK44XX_Connector::readRegisters(quint16 pAddress, quint16 pWords, EnCommandStatus& oStatus) const
{
    const QByteArray payload = sendCommand(TModbusReadCommand(CLIENT_ADDRESS, pAddress, pWords), oStatus);
    if (oStatus == EnCommandStatus::csOK && payload.size() != 2 * pWords)
        oStatus = EnCommandStatus::csNoResponse;
    return oStatus == EnCommandStatus::csOK ? payload : QByteArray();
}

EnCommandStatus TDWK44XX_Connector::writeRegister(quint16 pAddress, int pValue) const
{
    EnCommandStatus status = EnCommandStatus::csOK;
    sendCommand(TModbusWriteCommand(CLIENT_ADDRESS, pAddress, pValue), status);
    return status;
}

QString TDWK44XX_Connector::getPartNumber(EnCommandStatus& oCommandStatus) const
{
    const QByteArray payload = readRegisters(PART_NUMBER_REGISTER, PART_NUMBER_WORDS, oCommandStatus);
    QString partNumber;
    // The controller pads its text with zero bytes, not always at the end.
    for (const char byte : payload) {
        if (byte != '\0')
            partNumber.append(QChar::fromLatin1(byte));
    }
    return partNumber;
}

QString TDWK44XX_Connector::getInstrumentName(EnCommandStatus& oCommandStatus) const
{
    const QByteArray payload = readRegisters(INSTRUMENT_NAME_REGISTER, INSTRUMENT_NAME_WORDS, oCommandStatus);
    const int end = payload.indexOf('\0');
    return QString::fromLocal8Bit(end < 0 ? payload : payload.left(end)).trimmed();
}

EnUnit TDWK44XX_Connector::getTemperatureUnit(EnCommandStatus& oCommandStatus) const
{
    const QByteArray payload = readRegisters(temperatureUnitAddress(), 1, oCommandStatus);
    if (oCommandStatus != EnCommandStatus::csOK)
        return uUndefined;
    switch (EnTempUnit(quint8(payload.at(1)))) {
    case EnTempUnit::tuCelsius:
        return uCelsius;
    case EnTempUnit::tuFahrenheit:
        return uFahrenheit;
    }
    return uUndefined;
}

int TDWK44XX_Connector::getNumberDigits(EnCommandStatus& oCommandStatus) const
{
    const QByteArray payload = readRegisters(numberDigitsAddress(), 1, oCommandStatus);
    if (oCommandStatus != EnCommandStatus::csOK)
        return -1;
    return quint8(payload.at(0)) * 256 + quint8(payload.at(1));
}

EnCommandStatus TDWK44XX_Connector::setDigitAutoranging(bool pValue) const
{
    const EnCommandStatus status = writeRegister(digitAutorangingAddress(), pValue ? 1 : 0);
    return status != EnCommandStatus::csOK ? status : triggerChecksumRecalc();
}

EnCommandStatus TDWK44XX_Connector::setNumberDigits(int pValue) const
{
    if (pValue < 0 || pValue > 3)
        return EnCommandStatus::csInvalidDataField;
    const EnCommandStatus status = writeRegister(numberDigitsAddress(), pValue);
    return status != EnCommandStatus::csOK ? status : triggerChecksumRecalc();
}

EnCommandStatus TDWK44XX_Connector::triggerChecksumRecalc() const
{
    return writeRegister(CHECKSUM_RECALC_REGISTER, 1);
}

quint16 TDWK44XX_Connector::temperatureUnitAddress() const
{
    return mUIControllerType == EnUIControllerType::uictQ58 ? Q58_TEMPERATURE_UNIT_REGISTER : 0;
}

quint16 TDWK44XX_Connector::digitAutorangingAddress() const
{
    return mUIControllerType == EnUIControllerType::uictQ58 ? Q58_DIGIT_AUTORANGING_REGISTER : 0;
}

quint16 TDWK44XX_Connector::numberDigitsAddress() const
{
    return mUIControllerType == EnUIControllerType::uictQ58 ? Q58_NUMBER_DIGITS_REGISTER : 0;
}

bool TDWK44XX_Connector::init(EnUnit, QString& oErrorMessage)
{
    oErrorMessage.clear();
    mInitSuccessful = false;
    if (converter().connect({PRODUCT_ID, 0}, -1)) {
        EnCommandStatus status = EnCommandStatus::csOK;
        const QString partNumber = getPartNumber(status);
        if (status == EnCommandStatus::csOK && partNumber.startsWith(QLatin1String("Q58")))
            mUIControllerType = EnUIControllerType::uictQ58;
        if (mUIControllerType == EnUIControllerType::uictUndefined) {
            converter().disconnect();
        } else {
            EnCommandStatus unitStatus = EnCommandStatus::csOK;
            mDeviceTemperatureUnit = getTemperatureUnit(unitStatus);
            const EnCommandStatus autorangingStatus = setDigitAutoranging(false);
            const EnCommandStatus digitsStatus = setNumberDigits(REQUESTED_DIGITS);
            const EnCommandStatus checksumStatus = triggerChecksumRecalc();
            EnCommandStatus digitsReadStatus = EnCommandStatus::csOK;
            mNumberDigits = getNumberDigits(digitsReadStatus);
            if (unitStatus != EnCommandStatus::csOK || autorangingStatus != EnCommandStatus::csOK ||
                digitsStatus != EnCommandStatus::csOK || checksumStatus != EnCommandStatus::csOK || mNumberDigits < 0)
                converter().disconnect();
        }
    }
    mInitSuccessful = converter().isConnected() && mUIControllerType != EnUIControllerType::uictUndefined;
    return mInitSuccessful;
}

void TDWK44XX_Connector::setTemperatureValue(TElectricalTemperatureValue pValue,
                                             TElectricalTemperatureValue& oAcceptedValue) const
{
    oAcceptedValue.set(std::numeric_limits<double>::quiet_NaN(), uUndefined);
    mLastSetPointUnsendable = false;
    if (!mInitSuccessful || mNumberDigits < 0)
        return;
    const TTemperatureUnitConversionChain conversion;
    const double deviceValue = conversion.convertElectricalTemperatureValue(pValue, mDeviceTemperatureUnit);
    if (!fitsSetPointRegister(scaledSetPoint(deviceValue, mNumberDigits)) && !keepDigitsFor(deviceValue))
        return;
    const float scaled = scaledSetPoint(deviceValue, mNumberDigits);
    if (!fitsSetPointRegister(scaled)) {
        mLastSetPointUnsendable = true;
        return;
    }
    const int registerValue = qRound(scaled);
    if (writeRegister(SET_POINT_REGISTER, registerValue) != EnCommandStatus::csOK ||
        writeRegister(SET_POINT_APPLY_REGISTER, 1) != EnCommandStatus::csOK ||
        triggerChecksumRecalc() != EnCommandStatus::csOK)
        return;
    EnCommandStatus status = EnCommandStatus::csOK;
    const QByteArray payload = readRegisters(SET_POINT_REGISTER, 1, status);
    if (status != EnCommandStatus::csOK)
        return;
    const qint16 readBack = qint16(quint16(quint8(payload.at(0)) << 8 | quint8(payload.at(1))));
    const double accepted = double(float(readBack) * std::pow(10.0f, -float(mNumberDigits)));
    oAcceptedValue.set(conversion.convertElectricalTemperatureValue(
                           TElectricalTemperatureValue(accepted, mDeviceTemperatureUnit), pValue.unit()),
                       pValue.unit());
}

bool TDWK44XX_Connector::keepDigitsFor(double pDeviceValue) const
{
    // A controller that keeps three decimals holds no more than 32.767 in its
    // register: 40 degrees need two. The controller decides what it keeps.
    int digits = mNumberDigits - 1;
    while (digits > 0 && !fitsSetPointRegister(scaledSetPoint(pDeviceValue, digits)))
        --digits;
    if (digits < 0)
        return true;
    if (setNumberDigits(digits) != EnCommandStatus::csOK)
        return false;
    EnCommandStatus status = EnCommandStatus::csOK;
    const int kept = getNumberDigits(status);
    if (status != EnCommandStatus::csOK)
        return false;
    mNumberDigits = kept;
    return true;
}

#include "dwk4400_1100_connector.h"

#include "exchangedeadline.h"
#include "ftdi_usb_serial_device.h"
#include "temperatureunitconversionchain.h"

#include <QStringList>

#include <cmath>
#include <limits>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

int& readTimeoutMs()
{
    static int timeout = TDWK4400_1100_Connector::READ_TIMEOUT_MS;
    return timeout;
}

TFTDI_Usb_Serial_Device& converter()
{
    return *TFTDI_Usb_Serial_Device::instance();
}
} // namespace

TDWK4400_1100_Connector::TDWK4400_1100_Connector()
    : mMinTemperatureCelsius(NOT_A_NUMBER), mMaxTemperatureCelsius(NOT_A_NUMBER)
{
}

void TDWK4400_1100_Connector::setReadTimeoutMs(int pMilliseconds)
{
    readTimeoutMs() = pMilliseconds > 0 ? pMilliseconds : READ_TIMEOUT_MS;
}

QString TDWK4400_1100_Connector::readResponse() const
{
    QString result;
    if (!converter().isConnected())
        return result;
    // Called right after a request went out: at 9600 baud its reply cannot
    // have begun, while a late reply of an earlier exchange, which could not
    // be told from this one, is dropped.
    converter().clearInputBuffer();
    QByteArray input;
    const TExchangeDeadline deadline(readTimeoutMs());
    while (result.isEmpty() && !deadline.passed()) {
        input.append(converter().read(INPUT_BUFFER_READ_COUNT));
        const int star = input.indexOf('*');
        const int cr = input.indexOf('\r');
        if (star >= 0 && star < cr)
            result = QString::fromLatin1(input.mid(star + 1, cr - star - 1));
    }
    return result;
}

bool TDWK4400_1100_Connector::writeVariable(unsigned char pAddress, const QString& pValue) const
{
    if (!converter().isConnected())
        return false;
    converter().write("$1WVAR" + QByteArray::number(pAddress) + ' ' + pValue.toLatin1() + '\r');
    return readResponse() == QLatin1String("1");
}

QString TDWK4400_1100_Connector::readVariable(unsigned char pAddress) const
{
    if (!converter().isConnected())
        return QString();
    converter().write("$1RVAR" + QByteArray::number(pAddress) + " \r");
    const QString reply = readResponse();
    if (reply.isEmpty())
        return QString();
    const QStringList fields = reply.split(QLatin1Char(' '));
    return fields.size() == 2 ? fields.at(1) : QString();
}

TElectricalTemperatureValue TDWK4400_1100_Connector::readTemperatureValue(unsigned char pAddress) const
{
    TElectricalTemperatureValue result(NOT_A_NUMBER, uUndefined);
    QString text = readVariable(pAddress);
    if (text.isEmpty())
        return result;
    bool ok = false;
    const double value = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        return result;
    const QString unitText = readVariable(ADDRESS_UNIT);
    if (unitText.isEmpty())
        return result;
    const int code = unitText.toInt(&ok);
    if (!ok)
        return result;
    EnUnit unit = uUndefined;
    switch (code & 0xFF) {
    case 0:
        unit = uCelsius;
        break;
    case 1:
        unit = uFahrenheit;
        break;
    case 2:
        unit = uKelvin;
        break;
    default:
        return result;
    }
    if (!std::isnan(value))
        result.set(value, unit);
    return result;
}

bool TDWK4400_1100_Connector::writeTemperatureValue(unsigned char pAddress, TElectricalTemperatureValue pValue) const
{
    if (!writeVariable(ADDRESS_UNIT, QStringLiteral("0")))
        return false;
    const double celsius = TTemperatureUnitConversionChain().convertElectricalTemperatureValue(pValue, uCelsius);
    return writeVariable(pAddress, QString::number(celsius, 'g', 6));
}

bool TDWK4400_1100_Connector::queryLimits()
{
    const TElectricalTemperatureValue low = readTemperatureValue(ADDRESS_MIN_SET_POINT);
    const TElectricalTemperatureValue high = readTemperatureValue(ADDRESS_MAX_SET_POINT);
    if (std::isnan(low.value()) || std::isnan(high.value()))
        return false;
    const TTemperatureUnitConversionChain conversion;
    mMinTemperatureCelsius = conversion.convertElectricalTemperatureValue(low, uCelsius);
    mMaxTemperatureCelsius = conversion.convertElectricalTemperatureValue(high, uCelsius);
    return true;
}

bool TDWK4400_1100_Connector::init(EnUnit, QString& oErrorMessage)
{
    oErrorMessage.clear();
    bool outcome = converter().connect({0}, BAUD_RATE);
    if (!outcome) {
        oErrorMessage = tr("No USB to serial converter found. Please make sure that a converter based on an FTDI "
                           "chip is used. Reconnecting the converter might also help.");
    } else {
        outcome = queryLimits();
        if (!outcome)
            oErrorMessage = tr("Please check if the calibrator is ready to communicate. If the setpoint value is "
                               "blinking, please press E.");
    }
    mInitSuccessful = outcome && converter().isConnected();
    return mInitSuccessful;
}

void TDWK4400_1100_Connector::setTemperatureValue(TElectricalTemperatureValue pValue,
                                                  TElectricalTemperatureValue& oAcceptedValue) const
{
    oAcceptedValue.set(NOT_A_NUMBER, uUndefined);
    if (!mInitSuccessful || !writeTemperatureValue(ADDRESS_SET_POINT, pValue))
        return;
    oAcceptedValue = readTemperatureValue(ADDRESS_SET_POINT);
}

#include "dwk46xx_connector.h"

#include "exchangedeadline.h"
#include "ftdi_usb_serial_device.h"
#include "temperatureunitconversionchain.h"

#include <cmath>
#include <limits>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

int& readTimeoutMs()
{
    static int timeout = TDWK46XX_Connector::READ_TIMEOUT_MS;
    return timeout;
}

int& setPointPauseMs()
{
    static int pause = TDWK46XX_Connector::SET_TEMPERATURE_VALUE_PAUSE_MS;
    return pause;
}

TFTDI_Usb_Serial_Device& converter()
{
    return *TFTDI_Usb_Serial_Device::instance();
}

// A limit as the calibrator writes it, with a point or a comma.
double limitValue(const QByteArray& pText, bool& oOk)
{
    return QString::fromLatin1(pText).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&oOk);
}
} // namespace

TDWK46XX_Connector::TDWK46XX_Connector() : mMinTemperatureCelsius(NOT_A_NUMBER), mMaxTemperatureCelsius(NOT_A_NUMBER) {}

void TDWK46XX_Connector::setTimingForTests(int pReadTimeoutMs, int pSetPointPauseMs)
{
    readTimeoutMs() = pReadTimeoutMs > 0 ? pReadTimeoutMs : READ_TIMEOUT_MS;
    setPointPauseMs() = pSetPointPauseMs > 0 ? pSetPointPauseMs : SET_TEMPERATURE_VALUE_PAUSE_MS;
}

QByteArray TDWK46XX_Connector::createTransmissionPackage(char pID, const QByteArray& pArray) const
{
    return QByteArray(1, STX) + pID + pArray + ETX;
}

QByteArray TDWK46XX_Connector::readResponse(char pID, bool pClearInputBufferBeforeRead) const
{
    QByteArray result;
    if (!converter().isConnected())
        return result;
    if (pClearInputBufferBeforeRead)
        converter().clearInputBuffer();
    QByteArray input;
    const TExchangeDeadline deadline(readTimeoutMs());
    while (result.isEmpty() && !deadline.passed()) {
        input.append(converter().read(INPUT_BUFFER_READ_COUNT));
        int stx = -1;
        int etx = -1;
        for (int index = 0; index < input.size() && result.isEmpty(); ++index) {
            if (input.at(index) == STX)
                stx = index;
            else if (input.at(index) == ETX)
                etx = index;
            if (stx >= 0 && etx > 0 && stx < etx && stx + 1 < input.size() && input.at(stx + 1) == pID)
                result = input.mid(stx + 2, etx - stx - 2);
        }
    }
    return result;
}

QByteArray TDWK46XX_Connector::query(char pID) const
{
    if (!converter().isConnected())
        return QByteArray();
    converter().clearInputBuffer();
    converter().write(createTransmissionPackage(pID, QByteArray()));
    return readResponse(pID, false);
}

bool TDWK46XX_Connector::writeAndCheck(char pIDWrite, char pIDCheck, const QByteArray& pData) const
{
    bool confirmed = false;
    for (int attempt = 0; attempt < WRITE_AND_CHECK_RETRIES; ++attempt) {
        converter().write(createTransmissionPackage(pIDWrite, pData));
        confirmed = query(pIDCheck) == pData;
        if (confirmed)
            break;
    }
    return confirmed;
}

bool TDWK46XX_Connector::setUnit(EnUnit pUnit) const
{
    QByteArray letter;
    switch (pUnit) {
    case uCelsius:
        letter = "C";
        break;
    case uFahrenheit:
        letter = "F";
        break;
    case uKelvin:
        letter = "K";
        break;
    default:
        return false;
    }
    return writeAndCheck('E', 'e', letter);
}

bool TDWK46XX_Connector::setControlMode(bool pVal) const
{
    bool accepted = false;
    for (int attempt = 0; attempt < WRITE_AND_CHECK_RETRIES && !accepted; ++attempt) {
        converter().write(createTransmissionPackage('O', pVal ? "1" : "0"));
        // The clear right after the write cannot lose the answer: at 9600
        // baud it has not even begun; it drops what an earlier exchange left.
        const QByteArray reply = readResponse('m', true);
        // Only an "O" in second place is a refusal; a short or missing
        // reply carries nothing to judge by.
        accepted = reply.size() < 2 || reply.at(1) != 'O';
    }
    return accepted;
}

bool TDWK46XX_Connector::getLimits()
{
    QByteArray content = query('b');
    if (content.isEmpty() || (content.size() > 1 && content.at(1) == '!'))
        return false;
    const int high = content.indexOf('H');
    if (high <= 0)
        return false;
    bool lowOk = false;
    double low = limitValue(content.mid(1, high - 1), lowOk);
    if (!lowOk)
        low = NOT_A_NUMBER;
    content.remove(0, high + 1);
    if (content.startsWith('!'))
        return false;
    bool highOk = false;
    const double highLimit = limitValue(content, highOk);
    if (!highOk || std::isnan(low) || !(low < highLimit))
        return false;
    mMinTemperatureCelsius = low;
    mMaxTemperatureCelsius = highLimit;
    return true;
}

bool TDWK46XX_Connector::init(EnUnit pUnit, QString& oErrorMessage)
{
    oErrorMessage.clear();
    if (!converter().connect({0}, BAUD_RATE)) {
        oErrorMessage = tr("No USB to serial converter found. Please make sure that a converter based on an FTDI "
                           "chip is used. Reconnecting the converter might also help.");
        mInitSuccessful = false;
        return false;
    }
    const QByteArray identity = query('t');
    const int end = identity.indexOf('\0');
    const QString text = QString::fromLatin1(end < 0 ? identity : identity.left(end));
    bool ready = text.startsWith(QLatin1String("DWK46")) && text.size() == 7;
    ready = ready && setUnit(pUnit);
    ready = ready && setControlMode(true);
    ready = ready && getLimits();
    mInitSuccessful = converter().isConnected() && ready;
    return mInitSuccessful;
}

void TDWK46XX_Connector::setTemperatureValue(TElectricalTemperatureValue pValue,
                                             TElectricalTemperatureValue& oAcceptedValue) const
{
    oAcceptedValue.set(NOT_A_NUMBER, uUndefined);
    if (!mInitSuccessful)
        return;
    const TTemperatureUnitConversionChain conversion;
    const double celsius = conversion.convertElectricalTemperatureValue(pValue, uCelsius);
    if (celsius < mMinTemperatureCelsius || !(celsius <= mMaxTemperatureCelsius))
        return;
    // A sign always, as "+100.00" and "-35.00"; "+" before the format's own
    // sign would give "+-35.00", which the calibrator cannot read.
    const QByteArray text = QString::asprintf("%+.*f", NUMBER_DIGITS, celsius).toLatin1();
    converter().write(createTransmissionPackage('S', text));
    TExchangeDeadline(setPointPauseMs()).sleepOut();
    const QByteArray reply = query('s');
    if (reply.isEmpty() || reply.startsWith('!'))
        return;
    bool ok = false;
    const double accepted = QString::fromLatin1(reply).toDouble(&ok);
    if (!ok)
        return;
    oAcceptedValue.set(
        conversion.convertElectricalTemperatureValue(TElectricalTemperatureValue(accepted, uCelsius), pValue.unit()),
        pValue.unit());
}

#include "mbk2x00_connector.h"

#include "eventwait.h"
#include "temperatureunitconversionchain.h"

#include <cmath>
#include <limits>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
// The registers hold hundredths of a degree in 16 bits signed.
constexpr double LOWEST_SET_POINT = -327.68;
constexpr double HIGHEST_SET_POINT = 327.67;

int& readTimeoutMs()
{
    static int timeout = TMBK2X00_Connector::READ_TIMEOUT_MS;
    return timeout;
}

QString registerDigits(unsigned char pAddress)
{
    return QStringLiteral("%1").arg(pAddress, 2, 16, QLatin1Char('0'));
}
} // namespace

TMBK2X00_Connector::TMBK2X00_Connector(const QString& pIPAddress, unsigned int pPort)
    : TBlockcalibratorEthernet(pIPAddress, pPort, CONNECTION_TIMEOUT_MS)
    , mMinTemperatureCelsius(NOT_A_NUMBER)
    , mMaxTemperatureCelsius(NOT_A_NUMBER)
{
}

void TMBK2X00_Connector::setReadTimeoutMs(int pMilliseconds)
{
    readTimeoutMs() = pMilliseconds > 0 ? pMilliseconds : READ_TIMEOUT_MS;
}

QString TMBK2X00_Connector::numberToHexString(short pNumber) const
{
    return QStringLiteral("%1").arg(quint16(pNumber), 4, 16, QLatin1Char('0')).right(4);
}

QString TMBK2X00_Connector::floatToHexString(double pNumber) const
{
    double scaled = pNumber * 100.0;
    if (scaled > 0.0)
        scaled += 0.5;
    else if (scaled < 0.0)
        scaled -= 0.5;
    return numberToHexString(short(quint16(qint64(scaled) & 0xFFFF)));
}

std::pair<short, bool> TMBK2X00_Connector::send(unsigned char pAddress, const QString& pValue) const
{
    std::pair<short, bool> result(0, false);
    const QString digits = registerDigits(pAddress);
    const QByteArray request = "{M" + digits.toLatin1() + pValue.toUpper().toLatin1() + "\r\n";
    if (!socketWrite(request))
        return result;
    const QByteArray prefix = "{S" + digits.toLatin1();
    QByteArray buffer;
    TEventWait::until(readTimeoutMs(), QEventLoop::ExcludeUserInputEvents, [&] {
        buffer.append(socketRead());
        const int start = buffer.indexOf(prefix);
        const int end = buffer.indexOf("\r\n");
        if (start < 0 || start >= end)
            return false;
        const QByteArray value = buffer.mid(start + prefix.size(), end - start - prefix.size());
        if (value.size() != 4)
            return false;
        bool ok = false;
        const uint number = value.toUInt(&ok, 16);
        result = {short(quint16(number & 0xFFFF)), ok};
        return ok;
    });
    return result;
}

std::pair<short, bool> TMBK2X00_Connector::query(unsigned char pAddress) const
{
    return send(pAddress, QStringLiteral("****"));
}

bool TMBK2X00_Connector::queryLimits()
{
    const std::pair<short, bool> low = query(ADDRESS_MIN_SET_POINT);
    if (!low.second)
        return false;
    mMinTemperatureCelsius = low.first / 100.0;
    const std::pair<short, bool> high = query(ADDRESS_MAX_SET_POINT);
    if (!high.second)
        return false;
    mMaxTemperatureCelsius = high.first / 100.0;
    return true;
}

bool TMBK2X00_Connector::init(EnUnit, QString& oErrorMessage)
{
    oErrorMessage.clear();
    mInitSuccessful = connectSocket() && queryLimits();
    return mInitSuccessful;
}

void TMBK2X00_Connector::setTemperatureValue(TElectricalTemperatureValue pValue,
                                             TElectricalTemperatureValue& oAcceptedValue) const
{
    oAcceptedValue.set(NOT_A_NUMBER, uUndefined);
    if (!mInitSuccessful)
        return;
    const double celsius = TTemperatureUnitConversionChain().convertElectricalTemperatureValue(pValue, uCelsius);
    // Wrapped into 16 bits the value would command a temperature nobody asked for.
    if (!(celsius >= LOWEST_SET_POINT && celsius <= HIGHEST_SET_POINT))
        return;
    const std::pair<short, bool> accepted = send(ADDRESS_SET_POINT, floatToHexString(celsius));
    if (accepted.second)
        oAcceptedValue.set(accepted.first / 100.0, uCelsius);
    if (!send(ADDRESS_TEMPERATURE_CONTROL, QStringLiteral("0001")).second)
        oAcceptedValue.set(NOT_A_NUMBER, uUndefined);
}

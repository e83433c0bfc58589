#include "textcalibratorprotocols.h"

#include "calibratorthermalmodel.h"
#include "faultcount.h"

#include <cmath>

namespace
{
constexpr char STX = 0x02;
constexpr char ETX = 0x03;

bool garbled(TTextPeerFaults& pFaults, const char* pKind)
{
    return pFaults.mGarble == QLatin1String(pKind) && consumeFault(pFaults.mGarbleCount);
}

bool refused(TTextPeerFaults& pFaults, const char* pKind)
{
    return pFaults.mRefuse == QLatin1String(pKind) && consumeFault(pFaults.mRefuseCount);
}

QByteArray decimal(double pValue, int pDecimals, const TTextPeerFaults& pFaults, bool pSign = false)
{
    QByteArray text = QByteArray::number(pValue, 'f', pDecimals);
    if (pSign && pValue >= 0.0)
        text.prepend('+');
    if (pFaults.mDecimalComma)
        text.replace('.', ',');
    return text;
}

// Letters in STX and ETX: "t" identity, "E"/"e" unit, "O" control mode
// (answered "m"), "b" limits, "S"/"s" set point in degrees Celsius.
class TStxEtxProtocol : public TTextCalibratorProtocol
{
public:
    TStxEtxProtocol(TCalibratorThermalModel& pModel, int pTmin, int pTmax) : mModel(pModel), mLow(pTmin), mHigh(pTmax)
    {
    }

    QByteArray takeRequest(QByteArray& pBuffer) override
    {
        const int start = pBuffer.indexOf(STX);
        if (start < 0) {
            pBuffer.clear();
            return QByteArray();
        }
        pBuffer.remove(0, start);
        const int end = pBuffer.indexOf(ETX);
        if (end < 0)
            return QByteArray();
        const QByteArray request = pBuffer.mid(1, end - 1);
        pBuffer.remove(0, end + 1);
        return request.isEmpty() ? QByteArray(" ") : request;
    }

    QByteArray answer(const QByteArray& pRequest, TTextPeerFaults& pFaults) override
    {
        const char letter = pRequest.at(0);
        const QByteArray data = pRequest.mid(1);
        QByteArray content;
        switch (letter) {
        case 't':
            content = pFaults.mIdentity.isEmpty() ? QByteArray("DWK4600") : pFaults.mIdentity;
            break;
        case 'E':
            if (data == "C" || data == "F" || data == "K")
                mUnit = data.at(0);
            return QByteArray();
        case 'e':
            content = QByteArray(1, mUnit);
            break;
        case 'O':
            mControl = data == "1";
            content = refused(pFaults, "control") ? QByteArray("MO") : QByteArray("M") + (mControl ? '1' : '0');
            break;
        case 'b':
            if (refused(pFaults, "limits"))
                content = "R!H!";
            else if (garbled(pFaults, "equallimits"))
                content = "R" + decimal(mLow, 2, pFaults) + "H" + decimal(mLow, 2, pFaults);
            else
                content = "R" + decimal(mLow, 2, pFaults) + "H" + decimal(mHigh, 2, pFaults);
            break;
        case 'S': {
            bool ok = false;
            const double value = QString::fromLatin1(data).toDouble(&ok);
            if (ok && value >= mLow && value <= mHigh) {
                mSetPoint = value;
                mHasSetPoint = true;
                mModel.setSetPoint(value);
            }
            return QByteArray();
        }
        case 's':
            content = !mHasSetPoint || refused(pFaults, "setpoint")
                          ? QByteArray("!")
                          : decimal(mSetPoint + pFaults.mReadBackOffset, 2, pFaults, true);
            break;
        default:
            return QByteArray();
        }
        const char replyLetter = letter == 'O' ? 'm' : letter;
        if (garbled(pFaults, "letter"))
            return QByteArray(1, STX) + char(replyLetter == 'x' ? 'y' : 'x') + content + ETX;
        if (garbled(pFaults, "noetx"))
            return QByteArray(1, STX) + replyLetter + content;
        if (garbled(pFaults, "noise"))
            return "x\r" + QByteArray(1, STX) + replyLetter + content + ETX + "y";
        return QByteArray(1, STX) + replyLetter + content + ETX;
    }

private:
    TCalibratorThermalModel& mModel;
    double mLow;
    double mHigh;
    char mUnit = 'C';
    bool mControl = false;
    double mSetPoint = 0.0;
    bool mHasSetPoint = false;
};

// "$1RVAR<n> " and "$1WVAR<n> <value>" ended by CR, answered "*...", CR.
// Variables: 0 set point, 10 unit code (0 C, 1 F, 2 K), 18 highest and 19
// lowest set point, all temperatures in the unit of variable 10.
class TVariableProtocol : public TTextCalibratorProtocol
{
public:
    TVariableProtocol(TCalibratorThermalModel& pModel, int pTmin, int pTmax)
        : mModel(pModel), mLow(pTmin), mHigh(pTmax), mSetPoint(pModel.setPoint())
    {
    }

    QByteArray takeRequest(QByteArray& pBuffer) override
    {
        const int end = pBuffer.indexOf('\r');
        if (end < 0)
            return QByteArray();
        const QByteArray request = pBuffer.left(end);
        pBuffer.remove(0, end + 1);
        return request.isEmpty() ? QByteArray(" ") : request;
    }

    QByteArray answer(const QByteArray& pRequest, TTextPeerFaults& pFaults) override
    {
        const bool isRead = pRequest.startsWith("$1RVAR");
        if (!isRead && !pRequest.startsWith("$1WVAR"))
            return QByteArray();
        const int blank = pRequest.indexOf(' ');
        bool ok = false;
        const int variable = pRequest.mid(6, blank < 0 ? -1 : blank - 6).toInt(&ok);
        if (!ok || blank < 0)
            return QByteArray();
        if (!isRead)
            return reply(write(variable, pRequest.mid(blank + 1), pFaults) ? "1" : "0", pFaults);
        QByteArray value;
        switch (variable) {
        case 0:
            value = decimal(fromCelsius(mSetPoint + pFaults.mReadBackOffset), 2, pFaults);
            break;
        case 10:
            value = QByteArray::number(pFaults.mUnitCode >= 0 ? pFaults.mUnitCode : mUnitCode);
            break;
        case 18:
            value = decimal(fromCelsius(mHigh), 1, pFaults);
            break;
        case 19:
            value = decimal(fromCelsius(mLow), 1, pFaults);
            break;
        default:
            return reply("0", pFaults);
        }
        QByteArray first = "V" + QByteArray::number(variable);
        if (garbled(pFaults, "blankfirst"))
            first.clear();
        if (garbled(pFaults, "fields3"))
            value += " 0";
        return reply(first + ' ' + value, pFaults);
    }

private:
    double fromCelsius(double pValue) const
    {
        if (mUnitCode == 1)
            return pValue * 1.8 + 32.0;
        if (mUnitCode == 2)
            return pValue + 273.15;
        return pValue;
    }

    bool write(int pVariable, const QByteArray& pValue, TTextPeerFaults& pFaults)
    {
        if (refused(pFaults, "write"))
            return false;
        bool ok = false;
        const double value = QString::fromLatin1(pValue).toDouble(&ok);
        if (!ok)
            return false;
        if (pVariable == 10 && value >= 0 && value <= 2) {
            mUnitCode = int(value);
            return true;
        }
        if (pVariable != 0)
            return false;
        double celsius = value;
        if (mUnitCode == 1)
            celsius = (value - 32.0) / 1.8;
        else if (mUnitCode == 2)
            celsius = value - 273.15;
        if (celsius < mLow || celsius > mHigh)
            return false;
        mSetPoint = celsius;
        mModel.setSetPoint(celsius);
        return true;
    }

    QByteArray reply(const QByteArray& pText, TTextPeerFaults& pFaults)
    {
        if (garbled(pFaults, "empty"))
            return "*\r";
        if (garbled(pFaults, "cr"))
            return "\r*" + pText + '\r';
        return "*" + pText + '\r';
    }

    TCalibratorThermalModel& mModel;
    double mLow;
    double mHigh;
    double mSetPoint;
    int mUnitCode = 0;
};

// "{M" register (two hex digits) value (four hex digits or "****") CR LF,
// answered "{S" register value CR LF. Registers 0x00 set point and 0x30, 0x31
// lowest and highest set point in hundredths of a degree Celsius, signed
// 16 bits; 0x14 temperature control.
class TRegisterProtocol : public TTextCalibratorProtocol
{
public:
    TRegisterProtocol(TCalibratorThermalModel& pModel, int pTmin, int pTmax)
        : mModel(pModel), mLow(pTmin), mHigh(pTmax), mSetPoint(qint16(std::lround(pModel.setPoint() * 100.0)))
    {
    }

    QByteArray takeRequest(QByteArray& pBuffer) override
    {
        const int end = pBuffer.indexOf("\r\n");
        if (end < 0)
            return QByteArray();
        const QByteArray request = pBuffer.left(end);
        pBuffer.remove(0, end + 2);
        return request.isEmpty() ? QByteArray(" ") : request;
    }

    QByteArray answer(const QByteArray& pRequest, TTextPeerFaults& pFaults) override
    {
        if (pRequest.size() != 8 || !pRequest.startsWith("{M"))
            return QByteArray();
        bool ok = false;
        int address = pRequest.mid(2, 2).toInt(&ok, 16);
        if (!ok)
            return QByteArray();
        const QByteArray value = pRequest.mid(4);
        qint16 content = 0;
        if (value != "****") {
            const qint16 written = qint16(quint16(value.toUInt(&ok, 16)));
            if (!ok)
                return QByteArray();
            if (address == 0x00 && written >= mLow * 100 && written <= mHigh * 100) {
                mSetPoint = written;
                mModel.setSetPoint(written / 100.0);
            } else if (address == 0x14) {
                mControl = written;
            }
        }
        switch (address) {
        case 0x00:
            content = qint16(mSetPoint + std::lround(pFaults.mReadBackOffset * 100.0));
            break;
        case 0x14:
            content = mControl;
            break;
        case 0x30:
            content = qint16(mLow * 100);
            break;
        case 0x31:
            content = qint16(mHigh * 100);
            break;
        default:
            break;
        }
        if (garbled(pFaults, "register") || (address == 0x14 && garbled(pFaults, "control")))
            address = (address + 1) & 0xFF;
        QByteArray digits = QByteArray::number(quint16(content), 16).rightJustified(4, '0').toUpper();
        if (garbled(pFaults, "fivedigits"))
            digits.prepend('0');
        return "{S" + QByteArray::number(address, 16).rightJustified(2, '0') + digits + "\r\n";
    }

private:
    TCalibratorThermalModel& mModel;
    int mLow;
    int mHigh;
    qint16 mSetPoint;
    qint16 mControl = 0;
};
} // namespace

std::unique_ptr<TTextCalibratorProtocol> TTextCalibratorProtocol::stxEtx(TCalibratorThermalModel& pModel, int pTmin,
                                                                         int pTmax)
{
    return std::make_unique<TStxEtxProtocol>(pModel, pTmin, pTmax);
}

std::unique_ptr<TTextCalibratorProtocol> TTextCalibratorProtocol::variable(TCalibratorThermalModel& pModel, int pTmin,
                                                                           int pTmax)
{
    return std::make_unique<TVariableProtocol>(pModel, pTmin, pTmax);
}

std::unique_ptr<TTextCalibratorProtocol> TTextCalibratorProtocol::registers(TCalibratorThermalModel& pModel, int pTmin,
                                                                            int pTmax)
{
    return std::make_unique<TRegisterProtocol>(pModel, pTmin, pTmax);
}

#include "internalscpihandler.h"

#include "intcommcontroller.h"
#include "internalscpihandler_p.h"
#include "measurementboardinfo.h"

#include <QDeadlineTimer>

#include <limits>

using BoardReply::decimalOrZero;
using BoardReply::fields;
using BoardReply::readReal;
using BoardReply::rfMissing;
using BoardReply::rfNoNumber;
using BoardReply::rfNumber;

namespace
{
// Channel numbers below 10 go out with a leading zero: channel 1 is "01".
QString paddedChannel(int pChannel)
{
    return QStringLiteral("%1").arg(pChannel, 2, 10, QLatin1Char('0'));
}
} // namespace

TInternalSCPIHandler::TInternalSCPIHandler(TIntCommController* pCommController)
    : mCommController(pCommController)
    , mWaitClock(systemWaitClock())
    , mMonotonicMs([] { return QDeadlineTimer::current().deadline(); })
{
}

TInternalSCPIHandler::~TInternalSCPIHandler() = default;

quint64 TInternalSCPIHandler::linkInterruptions() const
{
    return mCommController->interruptions();
}

int TInternalSCPIHandler::screenTurnLeft() const
{
    if (!mUnansweredExchangeEnd)
        return 0;
    const qint64 elapsed = mMonotonicMs() - *mUnansweredExchangeEnd;
    return int(qBound<qint64>(0, SCREEN_TURN_MILLISECONDS - elapsed, SCREEN_TURN_MILLISECONDS));
}

void TInternalSCPIHandler::setMonotonicClock(std::function<qint64()> pMilliseconds)
{
    mMonotonicMs = std::move(pMilliseconds);
}

QString TInternalSCPIHandler::sendCommand(const QString& pCommand, bool pResponseExpected, bool& oFailed) const
{
    const quint64 interruptions = linkInterruptions();
    const QString reply = mCommController->sendCommand(pCommand, pResponseExpected, oFailed);
    if (linkInterruptions() != interruptions)
        mUnansweredExchangeEnd = mMonotonicMs();
    return reply;
}

int TInternalSCPIHandler::sendReturnCodeCommand(const QString& pCommand) const
{
    bool failed = false;
    const QString reply = sendCommand(pCommand, true, failed);
    return failed ? -1 : returnCode(reply);
}

bool TInternalSCPIHandler::sendSetting(const QString& pCommand) const
{
    bool failed = false;
    sendCommand(pCommand, false, failed);
    return !failed;
}

bool TInternalSCPIHandler::errorOccurred(const QString& pResponse) const
{
    static const QStringList errorReplies{QStringLiteral("E1"),  QStringLiteral("E4"),   QStringLiteral("E5"),
                                          QStringLiteral("E9"),  QStringLiteral("E10"),  QStringLiteral("E11"),
                                          QStringLiteral("E14"), QStringLiteral("E222"), QStringLiteral("E223"),
                                          QStringLiteral("E224")};
    return errorReplies.contains(pResponse);
}

bool TInternalSCPIHandler::explicitCommandConfirmation(const QString& pResponse) const
{
    return pResponse == QLatin1String("E0");
}

int TInternalSCPIHandler::returnCode(const QString& pResponse) const
{
    if (!pResponse.startsWith(QLatin1Char('E')))
        return -1;
    bool ok = false;
    const int code = pResponse.mid(1).toInt(&ok, 10);
    return ok ? code : -1;
}

std::unique_ptr<TMeasurementBoardInfo> TInternalSCPIHandler::getMeasurementBoardInfo()
{
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("*idn?"), true, failed);
    if (failed)
        return nullptr;
    const QStringList values = fields(reply);
    if (values.size() != 5) {
        emit responseFormatError();
        return nullptr;
    }
    // The first field names the maker, which the system does not need.
    EnInstrumentType type = ZTM8800;
    if (values.at(1) == QLatin1String("ZTM8800v2"))
        type = ZTM8800v2;
    else if (values.at(1) == QLatin1String("ZTM9900"))
        type = ZTM9900;
    const QDate firmwareDate = QDate::fromString(values.at(4), QStringLiteral("dd/MM/yyyy"));
    return std::make_unique<TMeasurementBoardInfo>(values.at(2), values.at(3), firmwareDate, type);
}

bool TInternalSCPIHandler::getSystemCalibrated(bool& oCalibrated) const
{
    oCalibrated = false;
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("syst:cali?"), true, failed);
    if (failed)
        return false;
    oCalibrated = reply == QLatin1String("1");
    return true;
}

bool TInternalSCPIHandler::getSystemOperatingTime(unsigned int& oSeconds) const
{
    oSeconds = 0;
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("syst:time:run?"), true, failed);
    if (failed)
        return false;
    oSeconds = reply.toUInt(nullptr, 10);
    return true;
}

int TInternalSCPIHandler::setInstrumentType(EnInstrumentType pInstrumentType) const
{
    // The board knows its variants by its own numbers.
    int boardType = 0;
    switch (pInstrumentType) {
    case ZTM8800v2:
        boardType = 1;
        break;
    case ZTM9900:
        boardType = 2;
        break;
    default:
        return ERROR_CODE_ILLEGAL_COMMAND_SENT;
    }
    return sendReturnCodeCommand(QStringLiteral("syst:type %1").arg(boardType));
}

bool TInternalSCPIHandler::setConfChan(int pChannel)
{
    return sendSetting(QStringLiteral("conf:chan ") + paddedChannel(pChannel));
}

bool TInternalSCPIHandler::setConfChanFunc(int pChannel, const zelk::vector<short>& pArgumentChannels)
{
    QString command = QStringLiteral("conf:chan:func %1").arg(pChannel);
    for (short argument : pArgumentChannels)
        command += QStringLiteral(",@%1").arg(argument);
    return sendSetting(command);
}

int TInternalSCPIHandler::getConfChan(bool& oFailed, int& oChannelX, int& oChannelY)
{
    oChannelX = 0;
    oChannelY = 0;
    const QString reply = sendCommand(QStringLiteral("conf:chan?"), true, oFailed);
    if (oFailed || errorOccurred(reply)) {
        oFailed = true;
        return 0;
    }
    const QStringList values = fields(reply);
    if (values.size() > 1)
        oChannelX = decimalOrZero(values.at(1));
    if (values.size() > 2)
        oChannelY = decimalOrZero(values.at(2));
    return decimalOrZero(values.at(0));
}

bool TInternalSCPIHandler::getMeasCurr(double& oElectricalValue, double& oTemperatureValue,
                                       Probe_enums::EnSmartProbeStatus& oSmartProbeStatus,
                                       Probe_enums::EnTemperatureAccuracyStatus& oTemperatureStatus, short& oErrorCode)
{
    oElectricalValue = std::numeric_limits<double>::quiet_NaN();
    oTemperatureValue = std::numeric_limits<double>::quiet_NaN();
    oSmartProbeStatus = Probe_enums::spsNotFitted;
    oTemperatureStatus = Probe_enums::tasInRange;
    oErrorCode = ERROR_CODE_COMMAND_SUCCESSFUL;

    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("meas:curr?"), true, failed);
    if (failed)
        return false;
    if (errorOccurred(reply)) {
        oErrorCode = short(returnCode(reply));
        return false;
    }
    const QStringList values = fields(reply);
    if (values.size() != 4) {
        emit responseFormatError();
        return false;
    }
    oTemperatureStatus = Probe_enums::EnTemperatureAccuracyStatus(decimalOrZero(values.at(2)));
    oSmartProbeStatus = Probe_enums::EnSmartProbeStatus(decimalOrZero(values.at(3)));
    const bool electricalRead = readReal(values.at(0), oElectricalValue) != rfNoNumber;
    const bool temperatureRead = readReal(values.at(1), oTemperatureValue) != rfNoNumber;
    if (!electricalRead || !temperatureRead) {
        emit responseFormatError();
        return false;
    }
    return true;
}

bool TInternalSCPIHandler::getMeasRaw(double& oElectricalValue, Channel::EnRawValueStatus& oRawValueStatus,
                                      EnCalItemID pCalItem)
{
    oElectricalValue = std::numeric_limits<double>::quiet_NaN();
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("meas:raw? %1").arg(int(pCalItem)), true, failed);
    if (failed || errorOccurred(reply))
        return false;
    const QStringList values = fields(reply);
    if (values.size() != 2)
        return false;
    // A missing raw value is no reading to calibrate with.
    const bool parsed = readReal(values.at(0), oElectricalValue) == rfNumber;
    oRawValueStatus = Channel::EnRawValueStatus(decimalOrZero(values.at(1)));
    return parsed && oRawValueStatus == Channel::rwsInRange;
}

bool TInternalSCPIHandler::setTC_ConversionEnabled(bool pEnabled)
{
    return sendSetting(QStringLiteral("sens:tc:mv %1").arg(pEnabled ? 1 : 0));
}

bool TInternalSCPIHandler::getSystemSwitchboxType(int pSwitchBoxNumber, EnSwitchBoxType& oSwitchBoxType) const
{
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("syst:swit:type? %1").arg(pSwitchBoxNumber), true, failed);
    if (failed)
        return false;
    bool ok = false;
    const int type = reply.toInt(&ok, 10);
    if (!ok)
        return false;
    oSwitchBoxType = EnSwitchBoxType(type);
    return true;
}

bool TInternalSCPIHandler::querySwitchboxText(const QString& pHeader, int pSwitchBoxNumber, QString& oText) const
{
    bool failed = false;
    oText = sendCommand(pHeader + QString::number(pSwitchBoxNumber), true, failed);
    return !failed;
}

bool TInternalSCPIHandler::getSystemSwitchboxSerialNumber(int pSwitchBoxNumber, QString& oSerialNumber) const
{
    return querySwitchboxText(QStringLiteral("syst:swit:snum? "), pSwitchBoxNumber, oSerialNumber);
}

bool TInternalSCPIHandler::getSystemSwitchboxPCBSerialNumber(int pSwitchBoxNumber, QString& oSerialNumber) const
{
    return querySwitchboxText(QStringLiteral("syst:swit:pnum? "), pSwitchBoxNumber, oSerialNumber);
}

bool TInternalSCPIHandler::getSystemSwitchboxFirmwareVersion(int pSwitchBoxNumber, QString& oVersion) const
{
    return querySwitchboxText(QStringLiteral("syst:swit:vers? "), pSwitchBoxNumber, oVersion);
}

bool TInternalSCPIHandler::getSystemSwitchboxDate(int pSwitchBoxNumber, QDate& oDate) const
{
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("syst:swit:date? %1").arg(pSwitchBoxNumber), true, failed);
    if (failed)
        return false;
    const QStringList values = fields(reply);
    if (values.size() != 3)
        return false;
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        parts[i] = values.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    oDate = QDate(parts[0], parts[1], parts[2]);
    return oDate.isValid();
}

int TInternalSCPIHandler::setSystemSwitchboxDate(int pSwitchBoxNumber, const QDate& pDate) const
{
    return sendReturnCodeCommand(QStringLiteral("syst:swit:date %1,%2,%3,%4")
                                     .arg(pSwitchBoxNumber)
                                     .arg(pDate.year())
                                     .arg(pDate.month())
                                     .arg(pDate.day()));
}

int TInternalSCPIHandler::setSystemSwitchboxSerialNumber(int pSwitchBoxNumber, const QString& pSerialNumber) const
{
    return sendReturnCodeCommand(QStringLiteral("syst:swit:snum %1,").arg(pSwitchBoxNumber) + pSerialNumber);
}

int TInternalSCPIHandler::setSystemSwitchboxPCBSerialNumber(int pSwitchBoxNumber, const QString& pSerialNumber) const
{
    return sendReturnCodeCommand(QStringLiteral("syst:swit:pnum %1,").arg(pSwitchBoxNumber) + pSerialNumber);
}

int TInternalSCPIHandler::setSystemSwitchboxOperatingMode(int pSwitchBoxNumber, EnSwitchBoxOperatingMode pMode) const
{
    return sendReturnCodeCommand(QStringLiteral("syst:swit:mode %1,%2").arg(pSwitchBoxNumber).arg(int(pMode)));
}

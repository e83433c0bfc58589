// The board command layer's probe memory, calibration data and SMART probe commands.

#include "internalscpihandler.h"

#include "channel.h"
#include "instrumentinfo.h"
#include "internalscpihandler_p.h"
#include "probe.h"
#include "probeserializer.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <QThread>

#include <limits>

namespace
{
const double NaN = std::numeric_limits<double>::quiet_NaN();

// Probe limits, coefficients and SMART probe values go to the board with 6
// significant digits.
QString real6(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

// Calibration offsets and slopes go in exponent form, 12 digits after the point.
QString real12(double pValue)
{
    return QString::number(pValue, 'e', 12);
}

// Dates of stored probes go zero-padded, in ASCII digits whatever the
// system locale writes its digits with.
QString probeDate(const QDate& pDate)
{
    return QLocale::c().toString(pDate, QStringLiteral("yyyy,MM,dd"));
}

// Calibration dates go as plain numbers; an invalid date as 0,0,0.
QString calibrationDate(const QDate& pDate)
{
    return QStringLiteral("%1,%2,%3").arg(pDate.year()).arg(pDate.month()).arg(pDate.day());
}

QString indexedValue(int pCoeffIndex, double pValue)
{
    return QString::number(pCoeffIndex) + QLatin1Char(',') + real6(pValue);
}

QString flag(bool pValue)
{
    return pValue ? QStringLiteral("1") : QStringLiteral("0");
}

// A SMART probe's date; "0,0,0" clears it.
QString smartProbeDateArgument(const QDate& pDate)
{
    return pDate.isValid() ? probeDate(pDate) : QStringLiteral("0,0,0");
}

constexpr int FIRST_COEFFICIENT = 1;
constexpr int LAST_COEFFICIENT = 8;
constexpr int CVD_COEFFICIENTS = 4;
constexpr int ITS90_COEFFICIENTS = 7;
} // namespace

bool TInternalSCPIHandler::storeProbe(const TAbstractProbe& pProbe) const
{
    const QString record = TProbeSerializer().probeToString(pProbe);
    bool failed = false;
    const QString reply =
        sendCommand(QStringLiteral("prob:save %1,").arg(pProbe.internalProbeNumber()) + record, true, failed);
    return !failed && explicitCommandConfirmation(reply);
}

bool TInternalSCPIHandler::deleteProbe(int pProbeNumber) const
{
    // The record of an empty place: sensor code 0, no name and thirty zeros,
    // 32 fields like every record of the first variant; the later variants
    // carry one field more. A shorter record would not be taken as a record.
    QString command = QStringLiteral("prob:save %1").arg(pProbeNumber) +
                      QLatin1String(",0,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    const EnInstrumentType type = TInstrumentInfo::instance()->instrumentType();
    if (type == ZTM8800v2 || type == ZTM9900)
        command += QLatin1String(",0");
    bool failed = false;
    const QString reply = sendCommand(command, true, failed);
    return !failed && explicitCommandConfirmation(reply);
}

std::unique_ptr<TAbstractProbe> TInternalSCPIHandler::createProbeFromInstrument(int pProbeNumber, bool& oFailed,
                                                                                bool pDefaultProbe) const
{
    const QString reply = sendCommand(QStringLiteral("prob:read? %1").arg(pProbeNumber), true, oFailed);
    if (oFailed || errorOccurred(reply)) {
        oFailed = true;
        return nullptr;
    }
    return TProbeSerializer().createProbeFromString(pProbeNumber, reply, pDefaultProbe);
}

bool TInternalSCPIHandler::sendProbeFamilySetting(const TAbstractProbe& pProbe, const char* pPRTHeader,
                                                  const char* pThermocoupleHeader, const char* pThermistorHeader,
                                                  const QString& pValue) const
{
    const char* header = nullptr;
    if (qobject_cast<const TPRTProbe*>(&pProbe))
        header = pPRTHeader;
    else if (qobject_cast<const TTCProbe*>(&pProbe))
        header = pThermocoupleHeader;
    else if (qobject_cast<const TThermistorProbe*>(&pProbe))
        header = pThermistorHeader;
    if (!header)
        return false;
    return sendSetting(QLatin1String(header) + QString::number(pProbe.internalProbeNumber()) + QLatin1Char(',') +
                       pValue);
}

bool TInternalSCPIHandler::assignProbeToChannel(const TAbstractProbe& pProbe, int pChannelNumber) const
{
    return sendProbeFamilySetting(pProbe, "prob:assi ", "sens:tc:assi ", "sens:ther:assi ",
                                  QString::number(pChannelNumber));
}

bool TInternalSCPIHandler::setProbeStatusReference(const TAbstractProbe& pProbe, bool pReference) const
{
    return sendProbeFamilySetting(pProbe, "prob:stat:refe ", "sens:tc:refe ", "sens:ther:refe ", flag(pReference));
}

bool TInternalSCPIHandler::setProbeName(const TAbstractProbe& pProbe, const QString& pProbeName) const
{
    return sendProbeFamilySetting(pProbe, "prob:iden ", "sens:tc:iden ", "sens:ther:iden ", pProbeName);
}

bool TInternalSCPIHandler::setProbeTmax(const TAbstractProbe& pProbe, double pTemperature) const
{
    return sendProbeFamilySetting(pProbe, "prob:tmax ", "sens:tc:tmax ", "sens:ther:tmax ", real6(pTemperature));
}

bool TInternalSCPIHandler::setProbeTmin(const TAbstractProbe& pProbe, double pTemperature) const
{
    return sendProbeFamilySetting(pProbe, "prob:tmin ", "sens:tc:tmin ", "sens:ther:tmin ", real6(pTemperature));
}

bool TInternalSCPIHandler::setProbeCalDate(const TAbstractProbe& pProbe, QDate pDate) const
{
    return sendProbeFamilySetting(pProbe, "prob:cal:date ", "sens:tc:cal:date ", "sens:ther:cal:date ",
                                  probeDate(pDate));
}

bool TInternalSCPIHandler::setPRT_KeepWarmCurrent(const TPRTProbe& pProbe, bool pKeepWarmCurrent) const
{
    // The board's command codes on as 2 and off as 1 (its probe record the other way round).
    return sendSetting(
        QStringLiteral("prob:kwc %1,%2").arg(pProbe.internalProbeNumber()).arg(pKeepWarmCurrent ? 2 : 1));
}

bool TInternalSCPIHandler::setPRT_CurrentFactorRoot2(const TPRTProbe& pProbe, bool pValue) const
{
    return sendSetting(QStringLiteral("prob:curr %1,%2").arg(pProbe.internalProbeNumber()).arg(flag(pValue)));
}

bool TInternalSCPIHandler::setPRT_Conversion(const TPRTProbe& pProbe, Probe_enums::EnConvPRT pConversion) const
{
    return sendSetting(QStringLiteral("prob:conv %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pConversion)));
}

bool TInternalSCPIHandler::setPRT_Coefficient(const TPRTProbe& pProbe, int pCoeffIndex, double pValue) const
{
    return sendSetting(QStringLiteral("prob:coef %1,").arg(pProbe.internalProbeNumber()) +
                       indexedValue(pCoeffIndex, pValue));
}

bool TInternalSCPIHandler::setPRT_ReferenceResistor(const TPRTProbe& pProbe, Probe_enums::EnIntResPRT pResistor) const
{
    return sendSetting(QStringLiteral("prob:refe %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pResistor)));
}

bool TInternalSCPIHandler::setPRT_Wiring(const TPRTProbe& pProbe, Probe_enums::EnWiring pWiring) const
{
    return sendSetting(QStringLiteral("prob:term %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pWiring)));
}

bool TInternalSCPIHandler::setPRT_ProbeType(const TPRTProbe& pProbe, Probe_enums::EnPRTType pType) const
{
    return sendSetting(QStringLiteral("prob:type %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pType)));
}

bool TInternalSCPIHandler::setPRT_ExcitationCurrent(const TPRTProbe& pProbe,
                                                    Probe_enums::EnPRTOperatingCurrentSetting pSetting) const
{
    return sendSetting(QStringLiteral("prob:conf:curr %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pSetting)));
}

bool TInternalSCPIHandler::setTC_ProbeType(const TTCProbe& pProbe, Probe_enums::EnThermocoupleType pType) const
{
    return sendSetting(QStringLiteral("sens:tc:type %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pType)));
}

bool TInternalSCPIHandler::setTC_Compensation(const TTCProbe& pProbe, Probe_enums::EnReferenceJunction pRefJunction,
                                              TPRTChannel* pReferenceChannel) const
{
    QString command = QStringLiteral("sens:tc:comp %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pRefJunction));
    if (pRefJunction == Probe_enums::rjChannel) {
        if (!pReferenceChannel)
            return false;
        command += QStringLiteral(",%1").arg(pReferenceChannel->internalChannelNumber());
    }
    return sendSetting(command);
}

bool TInternalSCPIHandler::setTC_Conversion(const TTCProbe& pProbe, Probe_enums::EnConvTC pConversion) const
{
    return sendSetting(QStringLiteral("sens:tc:conv %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pConversion)));
}

bool TInternalSCPIHandler::setTC_Coefficient(const TTCProbe& pProbe, int pCoeffIndex, double pValue) const
{
    return sendSetting(QStringLiteral("sens:tc:coef %1,").arg(pProbe.internalProbeNumber()) +
                       indexedValue(pCoeffIndex, pValue));
}

bool TInternalSCPIHandler::setTherm_Conversion(const TThermistorProbe& pProbe,
                                               Probe_enums::EnConvThermistor pConversion) const
{
    return sendSetting(QStringLiteral("sens:ther:conv %1,%2").arg(pProbe.internalProbeNumber()).arg(int(pConversion)));
}

bool TInternalSCPIHandler::setTherm_Coefficient(const TThermistorProbe& pProbe, int pCoeffIndex, double pValue) const
{
    return sendSetting(QStringLiteral("sens:ther:coef %1,").arg(pProbe.internalProbeNumber()) +
                       indexedValue(pCoeffIndex, pValue));
}

int TInternalSCPIHandler::queryProbeSetting(const char* pHeader, int pProbeNumber) const
{
    bool failed = false;
    const QString reply = sendCommand(QLatin1String(pHeader) + QString::number(pProbeNumber), true, failed);
    if (failed || errorOccurred(reply))
        return -1;
    bool ok = false;
    const int value = reply.toInt(&ok, 10);
    return ok ? value : -1;
}

Probe_enums::EnPRTOperatingCurrent TInternalSCPIHandler::getPRTProbeCurrent(int pProbeNumber) const
{
    return Probe_enums::EnPRTOperatingCurrent(queryProbeSetting("prob:curr? ", pProbeNumber));
}

Probe_enums::EnThermOperatingCurrent TInternalSCPIHandler::getThermProbeCurrent(int pProbeNumber) const
{
    return Probe_enums::EnThermOperatingCurrent(queryProbeSetting("sens:ther:curr? ", pProbeNumber));
}

Probe_enums::EnRange TInternalSCPIHandler::getThermProbeRange(int pProbeNumber) const
{
    return Probe_enums::EnRange(queryProbeSetting("sens:ther:rang? ", pProbeNumber));
}

int TInternalSCPIHandler::storeTwoPointCalibrationItemData(EnCalItemID pItemID, double pOffset, double pSlope,
                                                           QDate pCalDate, bool pFactoryCalibration)
{
    const QString command = (pFactoryCalibration ? QStringLiteral("cal:fact:data ") : QStringLiteral("cal:data ")) +
                            QString::number(int(pItemID)) + QLatin1Char(',') + real12(pOffset) + QLatin1Char(',') +
                            real12(pSlope) + QLatin1Char(',') + calibrationDate(pCalDate);
    const int code = sendReturnCodeCommand(command);
    if (code == ERROR_CODE_COMMAND_SUCCESSFUL)
        emit twoPointCalibrationItemStored(pItemID);
    return code;
}

bool TInternalSCPIHandler::twoPointCalibrationItemData(EnCalItemID pItemID, double& oOffset, double& oSlope,
                                                       QDate& oLastCalDate, bool pFactoryCalibration) const
{
    const QString header = pFactoryCalibration ? QStringLiteral("cal:fact:data? ") : QStringLiteral("cal:data? ");
    bool failed = false;
    const QString reply = sendCommand(header + QString::number(int(pItemID)), true, failed);
    if (failed || errorOccurred(reply))
        return false;
    const QStringList values = BoardReply::fields(reply);
    if (values.size() != 5)
        return false;
    double* const reals[] = {&oOffset, &oSlope};
    for (int i = 0; i < 2; ++i) {
        double value = 0.0;
        const BoardReply::EnRealField read = BoardReply::readReal(values.at(i), value);
        if (read == BoardReply::rfNoNumber)
            return false;
        *reals[i] = read == BoardReply::rfNumber ? value : NaN;
    }
    int date[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        date[i] = values.at(2 + i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    oLastCalDate = QDate(date[0], date[1], date[2]);
    // The factory set is always dated; the user's set of an item never
    // calibrated by the user reads 0,0,0.
    return !pFactoryCalibration || oLastCalDate.isValid();
}

int TInternalSCPIHandler::storeCJCOffset(const TAbstractChannel& pChannel, double oOffset, QDate pCalDate,
                                         bool pFactoryCalibration)
{
    const QString command = (pFactoryCalibration ? QStringLiteral("cal:fact:cjc ") : QStringLiteral("cal:cjc ")) +
                            QString::number(pChannel.internalChannelNumber()) + QLatin1Char(',') + real12(oOffset) +
                            QLatin1Char(',') + calibrationDate(pCalDate);
    const int code = sendReturnCodeCommand(command);
    if (code == ERROR_CODE_COMMAND_SUCCESSFUL)
        emit cjcOffsetStored(pChannel);
    return code;
}

int TInternalSCPIHandler::cjcOffset(const TAbstractChannel& pChannel, double& oOffset, QDate& oLastCalDate,
                                    bool pFactoryCalibration) const
{
    oOffset = NaN;
    oLastCalDate = QDate();
    const QString header = pFactoryCalibration ? QStringLiteral("cal:fact:cjc? ") : QStringLiteral("cal:cjc? ");
    bool failed = false;
    const QString reply = sendCommand(header + QString::number(pChannel.internalChannelNumber()), true, failed);
    if (failed)
        return -1;
    if (errorOccurred(reply))
        return returnCode(reply);
    const QStringList values = BoardReply::fields(reply);
    if (values.size() != 4)
        return -1;
    // An offset that is no number is no offset: a calibration item must not
    // take it for a zero correction.
    double offset = oOffset;
    if (BoardReply::readReal(values.at(0), offset) == BoardReply::rfNoNumber)
        return -1;
    oOffset = offset;
    oLastCalDate = QDate(BoardReply::decimalOrZero(values.at(1)), BoardReply::decimalOrZero(values.at(2)),
                         BoardReply::decimalOrZero(values.at(3)));
    return ERROR_CODE_COMMAND_SUCCESSFUL;
}

bool TInternalSCPIHandler::restoreFactoryCalibration() const
{
    bool failed = false;
    const QString reply = sendCommand(QStringLiteral("cal:rese"), true, failed);
    return !failed && !errorOccurred(reply) && reply != QLatin1String("0");
}

TInternalSCPIHandler::TWaitClock TInternalSCPIHandler::systemWaitClock()
{
    return TWaitClock{[] { return QDateTime::currentDateTime(); },
                      [](int pMilliseconds) {
                          // QDeadlineTimer runs on the monotonic clock.
                          const QDeadlineTimer deadline(pMilliseconds, Qt::PreciseTimer);
                          while (!deadline.hasExpired())
                              QThread::msleep(ulong(std::max<qint64>(1, deadline.remainingTime())));
                      }};
}

void TInternalSCPIHandler::setWaitClock(const TWaitClock& pClock)
{
    mWaitClock = pClock;
}

void TInternalSCPIHandler::waitForSmartProbe(const QDateTime& pLastChannelChange) const
{
    // Without a channel change there is nothing to wait for.
    if (!pLastChannelChange.isValid())
        return;
    const qint64 elapsed = pLastChannelChange.msecsTo(mWaitClock.mCurrentDateTime());
    // A system time set back after the change must not stretch the wait.
    const qint64 remaining = std::min<qint64>(SMART_PROBE_READ_PAUSE, SMART_PROBE_READ_PAUSE - elapsed);
    if (remaining > 0)
        mWaitClock.mBlock(int(remaining));
}

int TInternalSCPIHandler::sendSmartProbeWrite(const QString& pCommand, const QDateTime& pLastChannelChange) const
{
    waitForSmartProbe(pLastChannelChange);
    return sendReturnCodeCommand(pCommand);
}

bool TInternalSCPIHandler::querySmartProbe(const QString& pCommand, const QDateTime& pLastChannelChange,
                                           QString& oReply, int& oResult) const
{
    waitForSmartProbe(pLastChannelChange);
    bool failed = false;
    oReply = sendCommand(pCommand, true, failed);
    if (failed) {
        oResult = -1;
        return false;
    }
    if (errorOccurred(oReply)) {
        oResult = returnCode(oReply);
        return false;
    }
    oResult = ERROR_CODE_COMMAND_SUCCESSFUL;
    return true;
}

bool TInternalSCPIHandler::getConfChanSmar(bool& oFailed)
{
    const QString reply = sendCommand(QStringLiteral("conf:chan:smar?"), true, oFailed);
    // An error reply is no answer to the question either.
    if (oFailed || errorOccurred(reply)) {
        oFailed = true;
        return false;
    }
    bool ok = false;
    const int present = reply.toInt(&ok, 10);
    if (!ok)
        oFailed = true;
    return ok && present == 1;
}

int TInternalSCPIHandler::setSmartProbe_Name(const QString& pName, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:iden ") + pName, pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_StatusReference(bool pIsReference, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:stat:refe ") + flag(pIsReference), pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_CalDate(QDate pDate, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:cal:date ") + smartProbeDateArgument(pDate),
                               pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_CalNext(QDate pDate, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:cal:next ") + smartProbeDateArgument(pDate),
                               pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_CalSource(const QString& pSource, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:cal:sour ") + pSource, pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_Enable(bool pEnable, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:enab ") + flag(pEnable), pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_Lock(bool pLock, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:lock ") + flag(pLock), pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_ReferenceResistor(Probe_enums::EnSmartProbeReference pReference,
                                                          QDateTime pLastChannelChange) const
{
    const int code = pReference == Probe_enums::spr25Ohm || pReference == Probe_enums::spr100Ohm ? int(pReference) : 0;
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:refe:res %1").arg(code), pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_Standard(Probe_enums::EnSmartProbeStandard pStandard,
                                                 QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:stan %1").arg(int(pStandard)), pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_Coefficient(int pCoeffIndex, double pValue, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:coef %1,").arg(pCoeffIndex) + real6(pValue),
                               pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_Range(double pRMax, double pRMin, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:rang ") + real6(pRMax) + QLatin1Char(',') + real6(pRMin),
                               pLastChannelChange);
}

int TInternalSCPIHandler::smartProbe_Name(QString& oName, QDateTime pLastChannelChange) const
{
    oName.clear();
    QString reply;
    int result = 0;
    if (querySmartProbe(QStringLiteral("sens:frtd:iden?"), pLastChannelChange, reply, result))
        oName = reply;
    return result;
}

int TInternalSCPIHandler::smartProbeFlag(const char* pCommand, bool& oFlag, const QDateTime& pLastChannelChange) const
{
    oFlag = true;
    QString reply;
    int result = 0;
    if (querySmartProbe(QLatin1String(pCommand), pLastChannelChange, reply, result))
        oFlag = reply == QLatin1String("1");
    return result;
}

int TInternalSCPIHandler::smartProbe_StatusReference(bool& oIsReference, QDateTime pLastChannelChange) const
{
    return smartProbeFlag("sens:frtd:stat:refe?", oIsReference, pLastChannelChange);
}

int TInternalSCPIHandler::smartProbe_Enabled(bool& oEnabled, QDateTime pLastChannelChange) const
{
    return smartProbeFlag("sens:frtd:enab?", oEnabled, pLastChannelChange);
}

int TInternalSCPIHandler::smartProbe_Locked(bool& oLocked, QDateTime pLastChannelChange) const
{
    return smartProbeFlag("sens:frtd:lock?", oLocked, pLastChannelChange);
}

int TInternalSCPIHandler::smartProbeDate(const char* pCommand, QDate& oDate, const QDateTime& pLastChannelChange) const
{
    QString reply;
    int result = 0;
    if (!querySmartProbe(QLatin1String(pCommand), pLastChannelChange, reply, result))
        return result;
    // A probe without the date answers nothing.
    if (reply.isEmpty()) {
        oDate = QDate();
        return ERROR_CODE_COMMAND_SUCCESSFUL;
    }
    const QStringList values = BoardReply::fields(reply);
    if (values.size() != 3)
        return -1;
    oDate = QDate(BoardReply::decimalOrZero(values.at(0)), BoardReply::decimalOrZero(values.at(1)),
                  BoardReply::decimalOrZero(values.at(2)));
    return ERROR_CODE_COMMAND_SUCCESSFUL;
}

int TInternalSCPIHandler::smartProbe_CalDate(QDate& oDate, QDateTime pLastChannelChange) const
{
    return smartProbeDate("sens:frtd:cal:date?", oDate, pLastChannelChange);
}

int TInternalSCPIHandler::smartProbe_CalNext(QDate& oDate, QDateTime pLastChannelChange) const
{
    return smartProbeDate("sens:frtd:cal:next?", oDate, pLastChannelChange);
}

int TInternalSCPIHandler::smartProbe_CalSource(QString& oSource, QDateTime pLastChannelChange) const
{
    oSource.clear();
    QString reply;
    int result = 0;
    if (querySmartProbe(QStringLiteral("sens:frtd:cal:sour?"), pLastChannelChange, reply, result))
        oSource = reply.trimmed();
    return result;
}

int TInternalSCPIHandler::smartProbeInteger(const char* pCommand, int& oValue,
                                            const QDateTime& pLastChannelChange) const
{
    QString reply;
    int result = 0;
    if (!querySmartProbe(QLatin1String(pCommand), pLastChannelChange, reply, result))
        return result;
    bool ok = false;
    const int value = reply.toInt(&ok, 10);
    if (!ok)
        return -1;
    oValue = value;
    return ERROR_CODE_COMMAND_SUCCESSFUL;
}

int TInternalSCPIHandler::smartProbe_ReferenceResistor(Probe_enums::EnSmartProbeReference& oRefRes,
                                                       QDateTime pLastChannelChange) const
{
    int value = Probe_enums::sprUndefined;
    const int result = smartProbeInteger("sens:frtd:refe:res?", value, pLastChannelChange);
    oRefRes = Probe_enums::EnSmartProbeReference(value);
    return result;
}

int TInternalSCPIHandler::smartProbe_Standard(Probe_enums::EnSmartProbeStandard& oStandard,
                                              QDateTime pLastChannelChange) const
{
    int value = Probe_enums::spstUndefined;
    const int result = smartProbeInteger("sens:frtd:stan?", value, pLastChannelChange);
    oStandard = Probe_enums::EnSmartProbeStandard(value);
    return result;
}

int TInternalSCPIHandler::smartProbe_Coefficient(int pCoeffIndex, double& oCoeff, QDateTime pLastChannelChange) const
{
    oCoeff = NaN;
    // The probe's memory has eight coefficients; nothing to ask for any other.
    if (pCoeffIndex < FIRST_COEFFICIENT || pCoeffIndex > LAST_COEFFICIENT)
        return -1;
    QString reply;
    int result = 0;
    if (!querySmartProbe(QStringLiteral("sens:frtd:coef? %1").arg(pCoeffIndex), pLastChannelChange, reply, result))
        return result;
    return BoardReply::readReal(reply, oCoeff) == BoardReply::rfNoNumber ? -1 : ERROR_CODE_COMMAND_SUCCESSFUL;
}

int TInternalSCPIHandler::smartProbe_Range(double& oWorkMax, double& oWorkMin, double& oRecMaxLastCal,
                                           double& oRecMinLastCal, double& oRecMaxEver, double& oRecMinEver,
                                           QDateTime pLastChannelChange) const
{
    double* const outputs[] = {&oWorkMax, &oWorkMin, &oRecMaxLastCal, &oRecMinLastCal, &oRecMaxEver, &oRecMinEver};
    for (double* output : outputs)
        *output = NaN;
    QString reply;
    int result = 0;
    if (!querySmartProbe(QStringLiteral("sens:frtd:rang?"), pLastChannelChange, reply, result))
        return result;
    const QStringList values = BoardReply::fields(reply);
    if (values.size() != int(std::size(outputs)))
        return -1;
    double read[std::size(outputs)];
    for (int i = 0; i < values.size(); ++i) {
        read[i] = NaN;
        if (BoardReply::readReal(values.at(i), read[i]) == BoardReply::rfNoNumber)
            return -1;
    }
    for (int i = 0; i < values.size(); ++i)
        *outputs[i] = read[i];
    return ERROR_CODE_COMMAND_SUCCESSFUL;
}

std::unique_ptr<TSmartProbePRT>
TInternalSCPIHandler::createSmartProbeFromCurrentChannel(TPhysicalChannel* pPhysChan,
                                                         QDateTime pLastChannelChange) const
{
    using namespace Probe_enums;
    QString name;
    bool reference = false;
    QDate calDate;
    bool enabled = false;
    EnSmartProbeReference referenceResistor = sprUndefined;
    EnSmartProbeStandard standard = spstUndefined;
    if (smartProbe_Name(name, pLastChannelChange) != 0 ||
        smartProbe_StatusReference(reference, pLastChannelChange) != 0 ||
        smartProbe_CalDate(calDate, pLastChannelChange) != 0 || smartProbe_Enabled(enabled, pLastChannelChange) != 0 ||
        smartProbe_ReferenceResistor(referenceResistor, pLastChannelChange) != 0 ||
        smartProbe_Standard(standard, pLastChannelChange) != 0)
        return nullptr;

    EnIntResPRT internalResistor = rprtUndefined;
    if (referenceResistor == spr25Ohm)
        internalResistor = rprt25;
    else if (referenceResistor == spr100Ohm)
        internalResistor = rprt100;

    // R0, A, B, C of a Callendar-Van Dusen set; R(0.01 degrees Celsius), a, b,
    // a', b', c', d' of an ITS-90 set. The set the standard does not use stays zero.
    double cvd[CVD_COEFFICIENTS] = {0.0, 0.0, 0.0, 0.0};
    double its90[ITS90_COEFFICIENTS] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    EnConvPRT conversion = cprtUndefined;
    double* coefficients = cvd;
    int coefficientCount = CVD_COEFFICIENTS;
    switch (standard) {
    case spstITS90:
        conversion = cprtITS90;
        coefficients = its90;
        coefficientCount = ITS90_COEFFICIENTS;
        break;
    case spstCvD:
        conversion = cprtCVD;
        break;
    case spstEN60751:
        conversion = cprtEN60751;
        break;
    default:
        break;
    }
    for (int i = 0; i < coefficientCount; ++i) {
        if (smartProbe_Coefficient(FIRST_COEFFICIENT + i, coefficients[i], pLastChannelChange) != 0)
            return nullptr;
    }

    QDate calNext;
    QString calSource;
    double workMax = NaN, workMin = NaN, recMaxLastCal = NaN, recMinLastCal = NaN, recMaxEver = NaN, recMinEver = NaN;
    bool locked = false;
    if (smartProbe_CalNext(calNext, pLastChannelChange) != 0 ||
        smartProbe_CalSource(calSource, pLastChannelChange) != 0 ||
        smartProbe_Range(workMax, workMin, recMaxLastCal, recMinLastCal, recMaxEver, recMinEver, pLastChannelChange) !=
            0 ||
        smartProbe_Locked(locked, pLastChannelChange) != 0)
        return nullptr;

    return std::make_unique<TSmartProbePRT>(name, reference, calDate, enabled, internalResistor, conversion, cvd[0],
                                            cvd[1], cvd[2], cvd[3], its90[0], its90[1], its90[2], its90[3], its90[4],
                                            its90[5], its90[6], pPhysChan, calNext, calSource, workMin, workMax,
                                            locked);
}

// The board command layer's SMART probe commands.

#include "internalscpihandler.h"

#include "internalscpihandler_p.h"
#include "probe.h"

#include <QDeadlineTimer>
#include <QThread>

#include <limits>

namespace
{
const double NaN = std::numeric_limits<double>::quiet_NaN();

// SMART probe values go to the board with 6 significant digits.
QString real6(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString flag(bool pValue)
{
    return pValue ? QStringLiteral("1") : QStringLiteral("0");
}

QString dateArgument(const QDate& pDate)
{
    return pDate.isValid() ? pDate.toString(QStringLiteral("yyyy,MM,dd")) : QStringLiteral("0,0,0");
}

constexpr int FIRST_COEFFICIENT = 1;
constexpr int LAST_COEFFICIENT = 8;
constexpr int CVD_COEFFICIENTS = 4;
constexpr int ITS90_COEFFICIENTS = 7;
} // namespace

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
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:cal:date ") + dateArgument(pDate), pLastChannelChange);
}

int TInternalSCPIHandler::setSmartProbe_CalNext(QDate pDate, QDateTime pLastChannelChange) const
{
    return sendSmartProbeWrite(QStringLiteral("sens:frtd:cal:next ") + dateArgument(pDate), pLastChannelChange);
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

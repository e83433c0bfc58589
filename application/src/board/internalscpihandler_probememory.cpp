// The board command layer's probe memory and calibration data commands.

#include "internalscpihandler.h"

#include "channel.h"
#include "instrumentinfo.h"
#include "internalscpihandler_p.h"
#include "probe.h"
#include "probeserializer.h"

#include <limits>

namespace
{
// Probe limits and coefficients go to the board with 6 significant digits.
QString real6(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

// Calibration offsets and slopes go in exponent form, 12 digits after the point.
QString real12(double pValue)
{
    return QString::number(pValue, 'e', 12);
}

QString probeDate(const QDate& pDate)
{
    return pDate.toString(QStringLiteral("yyyy,MM,dd"));
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
    return sendProbeFamilySetting(pProbe, "prob:stat:refe ", "sens:tc:refe ", "sens:ther:refe ",
                                  QString::number(pReference ? 1 : 0));
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
    return sendSetting(QStringLiteral("prob:curr %1,%2").arg(pProbe.internalProbeNumber()).arg(pValue ? 1 : 0));
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
        *reals[i] = read == BoardReply::rfNumber ? value : std::numeric_limits<double>::quiet_NaN();
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
    oOffset = std::numeric_limits<double>::quiet_NaN();
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

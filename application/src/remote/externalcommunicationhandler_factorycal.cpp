// The factory calibration group, used in production: the board's factory
// two-point data and cold-junction offsets, and the thermocouple probe that
// serves the external cold junction.

#include "externalcommunicationhandler.h"

#include "channelcontroller.h"
#include "externalcommunicationinterface.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "probecontroller.h"

namespace
{
constexpr bool FACTORY_DATA = true;

// Real values of the calibration replies: one digit before the point, ten after.
QString calibrationNumber(double pValue)
{
    return QString::number(pValue, 'e', 10);
}

QString dateFields(const QDate& pDate)
{
    return QStringLiteral("%1,%2,%3").arg(pDate.year()).arg(pDate.month()).arg(pDate.day());
}

bool isCalibrationItem(int pItem)
{
    return pItem >= ci25R && pItem <= ciTCchanExternal;
}

const TSCPINumericParameter* numericParam(const std::unique_ptr<TSCPIParameter>& pParam)
{
    return dynamic_cast<const TSCPINumericParameter*>(pParam.get());
}
} // namespace

bool TExternalCommunicationHandler::processCommand_Calibration(const TSCPICommand& pCommand)
{
    if (isCommand(pCommand, "cal:fact:data", "calibration:fact:data")) {
        storeFactoryItemData(pCommand);
    } else if (isCommand(pCommand, "cal:fact:cjc", "calibration:fact:cjc")) {
        storeFactoryCJCOffset(pCommand);
    } else if (isCommand(pCommand, "cal:fact:data?", "calibration:fact:data?")) {
        queryFactoryItemData(pCommand);
    } else if (isCommand(pCommand, "cal:fact:cjc?", "calibration:fact:cjc?")) {
        queryFactoryCJCOffset(pCommand);
    } else if (isCommand(pCommand, "cal:fact:crtc?", "calibration:fact:crtc?")) {
        if (assertAuthLevel(AUTH_LEVEL_PRODUCTION))
            returnResponse(
                QString::number(mProbeController ? mProbeController->createThermocoupleProbeCJCExtern() : 0));
    } else if (isCommand(pCommand, "cal:fact:rmtc", "calibration:fact:rmtc")) {
        removeThermocoupleProbe(pCommand);
    } else {
        return false;
    }
    return true;
}

void TExternalCommunicationHandler::sendAckAlways()
{
    if (TExternalCommunicationInterface* client = replyInterface())
        client->sendAck();
}

void TExternalCommunicationHandler::storeFactoryItemData(const TSCPICommand& pCommand)
{
    if (!assertArgCount(pCommand, 6) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    const auto& parameters = pCommand.parameters();
    int item = 0;
    QDate date;
    const TSCPINumericParameter* offset = numericParam(parameters.at(1));
    const TSCPINumericParameter* slope = numericParam(parameters.at(2));
    if (!getIntParam(parameters.at(0), item, false) || !offset || !slope || !getDateParams(pCommand, 3, date) ||
        !isCalibrationItem(item)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    // A running routine's points are measured with the item's data as it is.
    if (calibrationItemHeldByRoutine(item)) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    if (!mInternalSCPIHandler || mInternalSCPIHandler->storeTwoPointCalibrationItemData(
                                     EnCalItemID(item), offset->val(), slope->val(), date, FACTORY_DATA) !=
                                     TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(ERROR_018_FAILED_TO_STORE_CALIBRATION_DATA);
        return;
    }
    sendAckAlways();
}

void TExternalCommunicationHandler::storeFactoryCJCOffset(const TSCPICommand& pCommand)
{
    if (!assertArgCount(pCommand, 5) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    const auto& parameters = pCommand.parameters();
    int number = 0;
    QDate date;
    const TSCPINumericParameter* offset = numericParam(parameters.at(1));
    if (!getIntParam(parameters.at(0), number, false) || !offset || !getDateParams(pCommand, 2, date)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    const TAbstractChannel* channel = mChannelController ? mChannelController->channel(number) : nullptr;
    if (!channel) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    if (heldByRoutine(channel)) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    if (!mInternalSCPIHandler || mInternalSCPIHandler->storeCJCOffset(*channel, offset->val(), date, FACTORY_DATA) !=
                                     TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(ERROR_018_FAILED_TO_STORE_CALIBRATION_DATA);
        return;
    }
    sendAckAlways();
}

void TExternalCommunicationHandler::queryFactoryItemData(const TSCPICommand& pCommand)
{
    int item = 0;
    if (!assertArgCount(pCommand, 1) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    if (!getIntParam(pCommand.parameters().at(0), item, false) || !isCalibrationItem(item)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    double offset = 0.0;
    double slope = 0.0;
    QDate date;
    if (!mInternalSCPIHandler ||
        !mInternalSCPIHandler->twoPointCalibrationItemData(EnCalItemID(item), offset, slope, date, FACTORY_DATA)) {
        returnError(ERROR_019_FAILED_TO_GET_CALIBRATION_DATA);
        return;
    }
    returnResponse(calibrationNumber(offset) + QLatin1Char(',') + calibrationNumber(slope) + QLatin1Char(',') +
                   dateFields(date));
}

void TExternalCommunicationHandler::queryFactoryCJCOffset(const TSCPICommand& pCommand)
{
    int number = 0;
    if (!assertArgCount(pCommand, 1) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    const TAbstractChannel* channel = nullptr;
    if (getIntParam(pCommand.parameters().at(0), number, false) && mChannelController)
        channel = mChannelController->channel(number);
    if (!channel) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    double offset = 0.0;
    QDate date;
    if (!mInternalSCPIHandler || mInternalSCPIHandler->cjcOffset(*channel, offset, date, FACTORY_DATA) !=
                                     TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(ERROR_019_FAILED_TO_GET_CALIBRATION_DATA);
        return;
    }
    returnResponse(calibrationNumber(offset) + QLatin1Char(',') + dateFields(date));
}

void TExternalCommunicationHandler::removeThermocoupleProbe(const TSCPICommand& pCommand)
{
    int number = 0;
    if (!assertArgCount(pCommand, 1) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    if (!getIntParam(pCommand.parameters().at(0), number, false)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    auto* probe = mProbeController ? qobject_cast<TTCProbe*>(mProbeController->probeByNumber(number)) : nullptr;
    // Removed, it would leave a running routine's channel with another probe.
    if (heldByRoutine(probe)) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    // Forced: the device would ask its local user, who is not the one asking here.
    if (!probe || !mProbeController->deleteProbe(probe, true)) {
        returnError(ERROR_009_PROBE_NOT_EXISTS);
        return;
    }
    sendAck();
}

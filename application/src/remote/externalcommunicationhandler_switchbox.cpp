// The switch-box group: the type of each box and its identity data, which the
// measurement board reads from and writes to the box.

#include "externalcommunicationhandler.h"

#include "channelcontroller.h"
#include "internalscpihandler.h"
#include "switchbox.h"

namespace
{
// The longest serial number a box keeps, for the box and its circuit board alike.
constexpr int MAX_SERIAL_NUMBER_LENGTH = 11;
// Board calls made without a board answer as a silent board would.
constexpr int NO_BOARD_ANSWER = -1;
} // namespace

bool TExternalCommunicationHandler::processCommand_SwitchBox(const TSCPICommand& pCommand)
{
    using TTextQuery = bool (TInternalSCPIHandler::*)(int, QString&) const;
    TTextQuery textQuery = nullptr;
    if (isCommand(pCommand, "syst:swit:type?", "system:switchbox:type?"))
        querySwitchBoxType(pCommand);
    else if (isCommand(pCommand, "syst:swit:date?", "system:switchbox:date?"))
        querySwitchBoxDate(pCommand);
    else if (isCommand(pCommand, "syst:swit:date", "system:switchbox:date"))
        setSwitchBoxDate(pCommand);
    else if (isCommand(pCommand, "syst:swit:snum?", "system:switchbox:snumber?"))
        textQuery = &TInternalSCPIHandler::getSystemSwitchboxSerialNumber;
    else if (isCommand(pCommand, "syst:swit:snum", "system:switchbox:snumber"))
        setSwitchBoxText(pCommand, false);
    else if (isCommand(pCommand, "syst:swit:pnum?", "system:switchbox:pnumber?"))
        textQuery = &TInternalSCPIHandler::getSystemSwitchboxPCBSerialNumber;
    else if (isCommand(pCommand, "syst:swit:pnum", "system:switchbox:pnumber"))
        setSwitchBoxText(pCommand, true);
    else if (isCommand(pCommand, "syst:swit:vers?", "system:switchbox:version?"))
        textQuery = &TInternalSCPIHandler::getSystemSwitchboxFirmwareVersion;
    else if (isCommand(pCommand, "syst:swit:mode", "system:switchbox:mode"))
        setSwitchBoxMode(pCommand);
    else
        return false;

    if (textQuery) {
        int box = 0;
        QString text;
        if (!assertArgCount(pCommand, 1) || !getSwitchBoxNumber(pCommand.parameters().at(0), box))
            return true;
        if (!mInternalSCPIHandler || !(mInternalSCPIHandler->*textQuery)(box, text))
            returnError(ERROR_004_UNRECOGNIZED_INSTRUCTION);
        else
            returnResponse(text);
    }
    return true;
}

void TExternalCommunicationHandler::querySwitchBoxType(const TSCPICommand& pCommand)
{
    int box = 0;
    if (!assertArgCount(pCommand, 1) || !getSwitchBoxNumber(pCommand.parameters().at(0), box))
        return;
    // The boxes were asked for their type when the channel controller was
    // built. Its list skips the boxes it makes no channels for, so the n-th
    // entry need not sit on port n: the box is found by its own port, as the
    // board commands of the other switch-box queries address it.
    EnSwitchBoxType type = sbtNotFitted;
    for (unsigned int index = 0; mChannelController && mChannelController->switchBox(index); ++index) {
        if (mChannelController->switchBox(index)->switchBoxNumber() == box)
            type = mChannelController->switchBox(index)->switchBoxType();
    }
    returnResponse(QString::number(int(type)));
}

void TExternalCommunicationHandler::querySwitchBoxDate(const TSCPICommand& pCommand)
{
    int box = 0;
    QDate date;
    if (!assertArgCount(pCommand, 1) || !getSwitchBoxNumber(pCommand.parameters().at(0), box))
        return;
    if (!mInternalSCPIHandler || !mInternalSCPIHandler->getSystemSwitchboxDate(box, date)) {
        returnError(ERROR_004_UNRECOGNIZED_INSTRUCTION);
        return;
    }
    returnResponse(QStringLiteral("%1,%2,%3").arg(date.day()).arg(date.month()).arg(date.year()));
}

void TExternalCommunicationHandler::setSwitchBoxDate(const TSCPICommand& pCommand)
{
    int box = 0;
    QDate date;
    if (!assertArgCount(pCommand, 4) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION) ||
        !getSwitchBoxNumber(pCommand.parameters().at(0), box))
        return;
    if (!getDateParams(pCommand, 1, date)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    const int result = mInternalSCPIHandler ? mInternalSCPIHandler->setSystemSwitchboxDate(box, date) : NO_BOARD_ANSWER;
    if (result != TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(result);
        return;
    }
    sendAck();
}

void TExternalCommunicationHandler::setSwitchBoxText(const TSCPICommand& pCommand, bool pCircuitBoard)
{
    int box = 0;
    QString text;
    if (!assertArgCount(pCommand, 2) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION) ||
        !getSwitchBoxNumber(pCommand.parameters().at(0), box))
        return;
    if (!getStringParam(pCommand.parameters().at(1), text) || text.size() > MAX_SERIAL_NUMBER_LENGTH) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    int result = NO_BOARD_ANSWER;
    if (mInternalSCPIHandler)
        result = pCircuitBoard ? mInternalSCPIHandler->setSystemSwitchboxPCBSerialNumber(box, text)
                               : mInternalSCPIHandler->setSystemSwitchboxSerialNumber(box, text);
    if (result != TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(result);
        return;
    }
    sendAck();
}

void TExternalCommunicationHandler::setSwitchBoxMode(const TSCPICommand& pCommand)
{
    int box = 0;
    int mode = 0;
    if (!assertArgCount(pCommand, 2) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION) ||
        !getSwitchBoxNumber(pCommand.parameters().at(0), box))
        return;
    if (!getIntParam(pCommand.parameters().at(1), mode, false) || (mode != sbomNormal && mode != sbomProduction)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    const int result = mInternalSCPIHandler
                           ? mInternalSCPIHandler->setSystemSwitchboxOperatingMode(box, EnSwitchBoxOperatingMode(mode))
                           : NO_BOARD_ANSWER;
    if (result != TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(result);
        return;
    }
    sendAck();
}

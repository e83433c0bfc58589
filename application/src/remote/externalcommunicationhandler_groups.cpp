// The command groups that are not part of the program yet: each recognises no
// header until its own source takes its place.

#include "externalcommunicationhandler.h"

bool TExternalCommunicationHandler::processCommand_Measure(const TSCPICommand&)
{
    return false;
}

bool TExternalCommunicationHandler::processCommand_Configure(const TSCPICommand&)
{
    return false;
}

bool TExternalCommunicationHandler::processCommand_SenseFrtd(const TSCPICommand&)
{
    return false;
}

bool TExternalCommunicationHandler::processCommand_Calibration(const TSCPICommand&)
{
    return false;
}

bool TExternalCommunicationHandler::processCommand_SwitchBox(const TSCPICommand&)
{
    return false;
}
